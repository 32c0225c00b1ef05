#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class TTavrolinDM;

namespace tav::coupons {

// The columns of the odds comparison grid: the coupon's values, the service's averages, the
// proposed sign, the deviations in percent, the two margins and the running number.
namespace betbrain {
constexpr int Code = 0, Diorg = 1, Date = 2, Time = 3, Home = 4, Away = 5, Odd1 = 6, OddX = 7, Odd2 = 8;
constexpr int Avg1 = 9, AvgX = 10, Avg2 = 11, Score = 12, Sign = 13, Proposal = 14;
constexpr int Dev1 = 15, DevX = 16, Dev2 = 17, CouponMarginCol = 18, AverageMarginCol = 19, RunNo = 20;
constexpr int ColumnCount = 21;
} // namespace betbrain

// The odds service's averages of one match as stored.
struct TBetBrainAverages
{
    double Home = 0.0;
    double Draw = 0.0;
    double Away = 0.0;
};

// Keyed look-ups in BETBRAINOMADES, Omades and BETBRAIN; names compare exactly, case included.
class TBetBrainLookup
{
public:
    explicit TBetBrainLookup(TTavrolinDM &dm);

    // The service's number of a team written on the coupon: its own name there, else the team of
    // the program whose coupon name it is; 0 when neither is known.
    int ServiceTeamNo(const QString &couponName);
    // The averages of the match on the day, the day before or the day after, in that order.
    std::optional<TBetBrainAverages> Find(const QString &home, const QString &away, const QDate &date);
    // The averages of a grid row (date in "dd/mm/yyyy"; EConvertError when it is none).
    std::optional<TBetBrainAverages> FindRow(const QStringList &row);

private:
    TTavrolinDM &dm_;
};

// 100 − 100 / (1/a + 1/b + 1/c): the bookmaker's margin of three odds, in percent.
double OddsMargin(double a, double b, double c);

// The coupon's odds of a row as numbers; EConvertError for a cell that is no odds above 0.
TBetBrainAverages CouponOdds(const QStringList &row);

// Fills the averages, proposal, deviations and margins of a row from the averages; the proposal is
// the sign the averages make the favourite when the coupon pays more for it (of tied favourites
// the last of 1, 2, X). EConvertError, the row untouched, for an average or odds cell that is no
// odds above 0.
void CompareRow(QStringList &row, const TBetBrainAverages &averages);

// "Αγώνες :n  Επιτυχίες h από d Αποδοση :y" over the proposed rows.
QString ProposalScoreText(const QList<QStringList> &rows);

// The lines of one row of the comparison page, cell texts escaped.
QStringList ComparisonPageRow(const QStringList &row, const std::optional<TBetBrainAverages> &averages);

// The tip-column file of the proposed rows from..to (1-based rows of the list): the coupon prefix,
// the column's name, "55", "code,sign" lines and "#" + each note; code page 1253 with CRLF.
// EInOutError when it cannot be written; an earlier file stays whole then.
void WriteBetBrainProposal(const QString &path, const QString &kupFileName, const QList<QStringList> &rows,
                           int from, int to, const QStringList &notes);

// The coupon file name up to and including its first "_"; empty without one.
QString KupPrefix(const QString &kupFileName);

} // namespace tav::coupons
