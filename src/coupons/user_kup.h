#pragma once

#include "coupons/kup_record.h"
#include "coupons/row_sort.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

class TTavrolinDM;

// A coupon that the user makes from the stored matches: the matches of chosen competitions within
// a range of days, with their codes, times and odds, saved as a coupon file and written back into
// the matches.
namespace tav::coupons {

// The columns of a user coupon's row.
enum TUserKupColumn
{
    ukCheck,
    ukCode,
    ukDate,
    ukTime,
    ukDiorg,
    ukHome,
    ukAway,
    ukScore,
    ukSign,
    ukOdd1,
    ukOddX,
    ukOdd2,
    ukColumnCount
};

// A row and the match it was filled from, which it keeps through every sort.
struct TUserKupRow
{
    int gameNo = 0;
    QStringList cells; // ukColumnCount texts
};

// "(DiorgNo = a) or (DiorgNo = b) ..." over the competitions of the categories (Greek names) in
// the seasons, categories first; "(DiorgNo = 0)", which matches nothing, when there is none.
QString BuildDiorgFilter(TTavrolinDM &dm, const QStringList &categories, const QStringList &seasons);

// The matches of the filter from the first to the last day (whole days), by date, each checked:
// code, short date, time ("17:00:00" when none is stored), the category's coupon code, the team
// names, score, sign and odds, as stored or, when the first is missing, estimated from the two
// teams' latest matches.
QList<TUserKupRow> FillUserKupGrid(TTavrolinDM &dm, const QDate &first, const QDate &last,
                                   const QString &diorgFilter);

// The checked rows' problem as the user reads it, naming the row's code: a blank code, time or
// competition, then a code that is no whole number, a date that is none, or odds that are no
// numbers. Empty when every checked row can be saved.
QString CheckUserKupRows(const QList<TUserKupRow> &rows);

// The checked rows as coupon file rows. The rows have passed CheckUserKupRows.
QList<TKupRow> UserKupFileRows(const QList<TUserKupRow> &rows);

// Writes every checked row's code and odds into the match it was filled from, the values bound to
// the statement. A match that cannot be updated is passed over. The rows have passed
// CheckUserKupRows.
void UpdateMatchesFromUserKup(TTavrolinDM &dm, const QList<TUserKupRow> &rows);

// The user coupon's ordering: the check flag, the code and the odds as numbers without sign,
// the other columns as text.
TRowSortRule UserKupSortRule();

// Sorts the rows by the column with the rule of the user coupon; each row keeps its match.
void SortUserKupGrid(QList<TUserKupRow> &rows, int column, const TPivotPicker &picker = {});

} // namespace tav::coupons
