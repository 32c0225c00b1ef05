#pragma once

#include "couponstats/page_rows.h"

#include <QDate>
#include <QString>

#include <functional>

namespace tav::couponstats {

// The coupon matches a first page takes when its filter is on: the days (whole days, both
// included), the codes, the three odds ranges and the competitions.
struct TKupLoadFilter
{
    QDate dateFrom;
    QDate dateTo;
    int codeFrom = 0;
    int codeTo = 0;
    double odd1From = 0, odd1To = 0;
    double oddXFrom = 0, oddXTo = 0;
    double odd2From = 0, odd2To = 0;
    // Whether the competition of a coupon code (the category's OPAP) is one the filter takes.
    std::function<bool(const QString &diorg)> competitionTaken;
};

// Which first page the rows are for.
enum class TFirstPageKind
{
    Special, // the score in column 17
    Points,  // the score's goals in columns 42 and 43, the half-time home goals beyond the grid in 44
    // As Points, the half-time home goals in the grid's column 44; a match with any odd of 1,00 is
    // withdrawn.
    OverUnder,
    // The score prediction's own order: the running number in 1, code 2, competition 3, date 4,
    // the score in 11; like OverUnder, a match with any odd of 1,00 is withdrawn.
    Score,
};

struct TKupLoadResult
{
    TPageRows rows;      // those loaded before a failure
    bool failed = false; // the file could not be read to its end
};

// The rows of a coupon file, numbered 1..n and checked. A blank competition or time takes the one
// of the nearest record above; odds are written with the decimal comma and "1" when blank; the
// matches the betting organisation withdrew (odds 1,01 for 1, or 1,00 for X or 2; for the over/under
// page 1,00 for any sign) are never loaded; with a filter only the matches it takes.
TKupLoadResult LoadKupRows(const QString &path, const TKupLoadFilter *filter, TFirstPageKind kind);

// Puts a proposal file's lines into the rows of their codes: the sign into the proposal column and
// the copy column 16, the further fields (the home, away and difference values) into 13, 14 and 15.
// Lines holding "#" were skipped by the reader.
void LoadProposalRows(TPageRows &rows, const coupons::TProposalFile &proposal);

// Checks the rows with a proposal when checked is set, the others when it is not.
void CheckProposalRows(TPageRows &rows, bool checked);

} // namespace tav::couponstats
