#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// A results page saved from a web site as an HTML file, turned into text rows grouped by date for
// the results import, whose column layout the user sets to the rows' columns.

namespace tav::editors {

// The rows of the page's lines: each row the date right-aligned in ten characters, two blanks and
// its left-aligned cells (but a lone "v") padded to twenty; after each date group the line of 49
// dashes, a blank and the group's number of rows. Dates take the day and English month of the
// page's date headers and the given year; a header that names no real day is told to onBadDate
// and the rows after it keep the previous date.
QStringList ConvertSavedPage(const QStringList &lines, int year, const std::function<void()> &onBadDate);

} // namespace tav::editors
