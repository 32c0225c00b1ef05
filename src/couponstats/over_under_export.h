#pragma once

#include "couponstats/page_rows.h"

#include <QList>
#include <QString>
#include <QVariant>

#include <utility>

// The export of an over/under analysis page into the outside database "AccOver_Under", one table
// per setting of recent matches (Anal_va_koup0 for all matches, Anal_va_koup3 … Anal_va_koup6), so
// that the analyses of many coupons can be studied with other tools. Each match becomes one record
// of 159 values: the page's cells and what follows from them (averages, shares, the spread of
// goals, the chances of 1, X and 2, an over/under verdict).
namespace tav::couponstats {

// The 159 fields of one record in their order, each with its value; a null value stores NULL.
using TOverUnderRecord = QList<std::pair<QString, QVariant>>;

// The record of one page row of the coupon `couponNumber`. Numbers are read with ',' or '.' as
// decimal point; an empty cell gives NULL, and so does a share whose divisor is zero. A share is
// kept as the number its two-decimal text gives (at most five significant digits), and every
// figure computed from shares uses those kept values. NULL spreads through every figure computed
// from it, and a verdict that needs one is left empty. Raises EConvertError naming the column when
// a cell holds text that is no number, date or time.
TOverUnderRecord OverUnderRecord(qint64 couponNumber, const QStringList &row);

// The table of a page's filter code: "BA" (all matches) gives Anal_va_koup0, "B6" Anal_va_koup6;
// empty when the code names no number of matches.
QString OverUnderTableOf(const QString &filterCode);

// Replaces the coupon's records in the table of the page's filter code by one record per page row,
// in their order. Every row is converted before the database is touched; the delete and the
// inserts run in one transaction. A coupon name that gives no whole number, a code that names no
// table, a row that does not convert, a missing alias or table, or a row the table refuses is
// shown in Greek (naming the row where there is one) and leaves the stored records as they were.
// Returns whether the rows were stored; a success shows nothing.
bool ExportOverUnderRows(const QString &couponName, const QString &filterCode, const TPageRows &rows);

} // namespace tav::couponstats
