#pragma once

#include "couponstats/page_rows.h"

// The export of a points analysis page into the table Anal_va_koup of the outside analysis
// database "AccAnalKoup", one table row per grid row, so that the analyses of many coupons can be
// studied with other tools.
namespace tav::couponstats {

// Replaces the coupon's rows of Anal_va_koup (the coupon number, from the coupon file name up to
// its first "_") by one row per page row, checked or not, in their order. The delete and every
// insert run in one transaction: an error (a missing alias, file or table, a date or time cell
// that is none, a value the table refuses) leaves the stored rows as they were and is shown in
// Greek. A coupon name that gives no number is refused before anything is touched. Cells go to the
// fields as text, converted by the field's type; an empty cell of the statistic leaves its field
// empty. Returns whether the rows were stored; a success shows nothing.
bool ExportPointsRows(const QString &couponName, const TPageRows &rows);

} // namespace tav::couponstats
