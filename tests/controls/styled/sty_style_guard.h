#pragma once

#include "controls/styled/sty_theme.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>

// Switches the application's style for one test and puts the style and the themed look back.
class TStyleGuard
{
public:
    TStyleGuard() : name_(QApplication::style()->name()) {}
    ~TStyleGuard()
    {
        QApplication::setStyle(QStyleFactory::create(name_));
        tav::styled::SetUseThemes(true);
    }
    static void Use(const QString &name) { QApplication::setStyle(QStyleFactory::create(name)); }

private:
    QString name_;
};
