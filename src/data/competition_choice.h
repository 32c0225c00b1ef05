#pragma once

#include <QString>

// The competition choice that the windows hand to each other, kept in section "Options" of
// "Software\Tavrolin\Diorganvsh": NameD, the category's Greek name; NameP, the season; Agvnistikh,
// the highest matchday of the chosen competition when it was chosen. Each call opens the key for
// one read or write; a missing value reads as the empty text.
QString ReadNameD();
QString ReadNameP();
void WriteNameD(const QString &category);
void WriteNameP(const QString &season);
void WriteAgvnistikh(int matchday);
