#pragma once

#include <QDir>
#include <QString>

// Makes the folder the current one while it lives and goes back afterwards, so a test can place
// a file "in the current folder" without leaving the process elsewhere.
class CurrentFolder
{
public:
    explicit CurrentFolder(const QString &folder) : previous_(QDir::currentPath())
    {
        QDir().mkpath(folder);
        QDir::setCurrent(folder);
    }
    ~CurrentFolder() { QDir::setCurrent(previous_); }
    CurrentFolder(const CurrentFolder &) = delete;
    CurrentFolder &operator=(const CurrentFolder &) = delete;

private:
    QString previous_;
};
