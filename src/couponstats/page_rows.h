#pragma once

#include "coupons/proposal_file.h"
#include "couponstats/page_columns.h"
#include "couponstats/proposal_rule.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace tav::couponstats {

// The data rows of a statistics grid (row 0 of the grid, the titles, is not among them), each a
// list of cells as wide as the grid, and their check bytes (1 checked).
using TPageRows = QList<QStringList>;

// A row of the set's width, every cell blank.
QStringList BlankRow(const TPageColumnSet &set);

// The check bytes of the rows' column 0.
QByteArray ChecksOf(const TPageRows &rows);

// The difference bounds of a page's row filter, as typed; a blank one tests nothing.
struct TDifferenceBounds
{
    QString ap1; // a row proposing 1 needs a difference of at least this
    QString ap2; // a row proposing 2 needs at most this
    QString apX; // a row proposing X needs at least this
};

// Whether the bounds drop the row: only a row with a difference, and only for the sign it
// proposes. Bounds and difference compare as decimal numbers; one that is no number raises
// EConvertError.
bool BoundsDrop(const QStringList &row, const TPageColumnSet &set, const TDifferenceBounds &bounds);

// What a page takes over from the page before it: the checked rows numbered ("A/A") from rowFrom
// to rowTo (any size of number) that the bounds keep, read as the source's set places them, with the
// carried columns of the page's set copied, checked. A number that is no whole number raises
// EConvertError.
TPageRows CopyCheckedRows(const TPageRows &source, const QByteArray &sourceChecks, int rowFrom, int rowTo,
                          const TDifferenceBounds &bounds, const TPageColumnSet &sourceSet,
                          const TPageColumnSet &set);

// The checked rows the bounds keep, in their order.
TPageRows FilterRows(const TPageRows &rows, const QByteArray &checks, const TDifferenceBounds &bounds,
                     const TPageColumnSet &set);

// Writes each row's proposal from the difference of its home and away values (decimals such as
// "4,0" too); a row whose values are no numbers raises EConvertError, leaving the rows before it
// proposed.
void ProposeRows(TPageRows &rows, const TProposalThresholds &thresholds, const TPageColumnSet &set);

// The band of a difference cell, for its colour.
enum class TDifferenceBand
{
    None, // blank or no number
    Two,
    X,
    Other,
};
TDifferenceBand DifferenceBandOf(const QString &cell, const TProposalThresholds &thresholds);

// Column "A/A" (by default where the 18-column grids keep it) rewritten 1..n.
void Renumber(TPageRows &rows, int column = kNumberColumn);

// The proposal file of the rows with a code and a proposal: the coupon number, then per row the
// untouched code, the trimmed proposal and the set's save fields.
coupons::TProposalFile ProposalFileOf(const QString &couponName, const TPageRows &rows,
                                      const TPageColumnSet &set);

// The code of a special analysis page for the kind: with all matches the code alone ("A" added for
// kinds 0 to 2), else the code followed by N; nothing for the kinds without a statistic. The first
// page writes kind 5 with Greek letters.
QString FilterCodeFor(int kind, const QString &n, bool allMatches, bool firstPage);

// Whether the kind fills its page with a statistic (11 and 12 do not).
bool KindHasStatistic(int kind);

} // namespace tav::couponstats
