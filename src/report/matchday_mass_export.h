#pragma once

#include "report/export_language.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class TTavrolinDM;

// The bulk exports of the match list: the matchdays of many competitions of one season written in
// one run, as the bulk-export dialog asks, without a window.

namespace tav::report {

// Which matchdays of each competition a bulk export writes.
enum class TMassMatchdays
{
    Current, // the current matchday and the two following ones, as far as matchdays are entered
    All,     // every matchday entered, from the first
};

// What the bulk-export dialog hands over.
struct TMassMatchdayChoice
{
    QString Season;
    QStringList Competitions; // Greek category names, in the dialog's order
    QList<TExportLanguage> Languages;
    bool Text = false;
    bool Pages = false;
    bool Listing = false;
    // The current matchdays' pages again into "htm1", numbered 1, 2, 3 in place of their matchday.
    bool NumberedPages = false;
    // The group written of a cup: the one the match list shows in its group edit.
    QString CupGroup;
};

// One matchday a bulk export writes, and the running number of its copy in "htm1" (0: none).
struct TMassMatchday
{
    int Matchday = 0;
    int Number = 0;

    bool operator==(const TMassMatchday &) const = default;
};

// The matchdays of a competition whose current and highest entered matchdays are given; a
// competition without matches (highest 0) has none.
QList<TMassMatchday> MassMatchdays(TMassMatchdays span, int current, int highest, bool numberedPages);

// Writes the matchdays of every chosen competition of the season in every chosen language, in the
// order Greek, English, Italian: web pages without search words, text files and listings named
// after the competition's file name, "a" and the matchday, never a DOS copy. A name with no
// competition in the season is skipped. shown is told each matchday before its files are written.
// Returns the number of files written. A file that cannot be written raises EInOutError naming it
// and ends the export; the files written before it stay. On every way out the names are Greek
// again, the matches have no range and the competitions' cursor is back on the competition it was on.
int ExportMassMatchdays(TTavrolinDM &dm, TMassMatchdays span, const TMassMatchdayChoice &choice,
                        const std::function<void(const QString &matchday)> &shown = {});

} // namespace tav::report
