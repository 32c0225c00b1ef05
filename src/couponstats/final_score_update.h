#pragma once

#include "couponstats/page_rows.h"

#include <QString>

// Once the matches are played, the user loads the coupon again on a first page, now with its
// scores, and writes the final score and result sign into the records the page exports stored.
namespace tav::couponstats {

enum class TScoreUpdateTarget
{
    // The five tables of "AccOver_Under": the goals, the half-time home goals, the sign, the total.
    OverUnder,
    // Anal_va_koup of "AccAnalKoup": the goals and the sign.
    Points,
};

// Writes the final score of every first-page row with a result sign (column 10) into the coupon's
// records with the row's match code; the goals are read from columns 42 and 43 and, for the
// over/under tables, the half-time home goals from 44 (an empty one keeps what is stored). Rows
// without a sign and matches that were never exported are left alone; nothing is inserted or
// deleted. All updates of a click run in one transaction. A coupon name that gives no whole
// number, a row whose code or goals are no whole numbers, a missing alias or table or a refused
// statement is shown in Greek (naming the row or table) and changes nothing. Returns whether the
// records were updated; a success shows nothing.
bool UpdateFinalScores(TScoreUpdateTarget target, const QString &couponName, const TPageRows &rows);

} // namespace tav::couponstats
