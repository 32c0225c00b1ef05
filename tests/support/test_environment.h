#pragma once

#include <QString>
#include <QTemporaryDir>

#include <memory>

// Points the program folder, the settings folder and the alias store of this process at a new
// temporary folder, and restores nothing: every test gets a new one (see InstallTestEnvironment).
class TestFolders
{
public:
    TestFolders();

    QString Root() const { return dir_.path(); }
    QString ProgramHome() const { return dir_.path() + "/home"; }
    QString ConfigHome() const { return dir_.path() + "/config"; }
    QString DataHome() const { return dir_.path() + "/data"; }

private:
    QTemporaryDir dir_;
};

// The folders of the test that is running now.
const TestFolders &CurrentTestFolders();

// Registers a GoogleTest listener that gives each test its own TestFolders and, when the test ends,
// destroys the windows and the data module it left, so that the tests of a program can share one
// process.
void InstallTestEnvironment();
