#pragma once

#include <QString>

// The program's title: the caption of ShowMessage and of custom boxes, and the title the splash
// window shows. Until it is set, the application's name.
QString ApplicationTitle();
void SetApplicationTitle(const QString &title);
