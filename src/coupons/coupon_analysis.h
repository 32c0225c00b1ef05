#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class TTavrolinDM;

namespace tav::coupons {

// What the coupon analysis takes from the match filter (dates, coupon number range, odds ranges as
// typed, the checked competitions' DNo in list order) and from the analysis screen (which matches
// by their score, and whether to add the standings-neighbour estimate).
struct TCouponAnalysisInput
{
    QDate DateFrom;
    QDate DateTo;
    QString EdtKvdApo;
    QString EdtKvdEos;
    QString EdtAp1From;
    QString EdtAp1To;
    QString EdtApXFrom;
    QString EdtApXTo;
    QString EdtAp2From;
    QString EdtAp2To;
    QList<int> Competitions;
    bool Chkskor = true;
    bool ChkxSkor = true;
    bool ChkExtra = true;
};

enum class TCouponAnalysisStatus
{
    Done,
    NoResultKind, // neither matches with a score nor without one asked for: the grid stays
    NoMatch,      // nothing selected: the grid is emptied
    Failed,       // a number edit that is no number, or the database refused a read: the grid stays
};

struct TCouponAnalysisResult
{
    TCouponAnalysisStatus status = TCouponAnalysisStatus::Done;
    // What to tell the user; empty when the run is done.
    QString message;
    // Row 0 the titles of the layout, then one row per selected match with every column of it.
    QList<QStringList> rows;
    // The competition of the last row; 0 when there is none.
    int lastCompetition = 0;
};

// The progress of the run: one step per match of each pass, out of the maximum.
using TCouponAnalysisProgress = std::function<void(int position, int maximum)>;

inline constexpr const char NoResultKindMessage[] = "Δεν έχετε επιλέξει αγώνες με σκορ ή χωρίς σκορ";
inline constexpr const char NoMatchMessage[] = "Δεν υπάρχουν στοιχεία για τις διοργανώσεις που επιλέξατε.";

// Sets the selected matches, by date and coupon number, against their history: the form of the
// home side at home and of the away side away (nine latest results each before the first day),
// their earlier meetings, the odds-implied percentages, the standings-neighbour estimate when
// asked, and the averages and agreement columns. Every value of every query is bound; the whole
// run succeeds or gives no rows. The competitions cursor of the data module is left on the last
// row's competition.
TCouponAnalysisResult RunCouponAnalysis(TTavrolinDM &dm, const TCouponAnalysisInput &input,
                                        const TCouponAnalysisProgress &progress = {});

// The three estimate cells of a sign as numbers (blank cells give 0 and are not counted) and how
// many were filled.
struct TEstimateCells
{
    double values[3] = {0, 0, 0};
    int count = 0;
};
TEstimateCells ReadEstimateCells(const QString &first, const QString &second, const QString &third);

// Columns 15–17 of a row: for each sign the rounded mean of its form, head-to-head and neighbour
// estimates that are filled; left blank when none is.
void AverageEstimates(QStringList &row);

// Whole percentages for 1, X and 2 from the match's form record (the home side's home results and
// the away side's away results, counted by the sign of the result): N1, NX, N2 each raised by one,
// a floor under the draws, rounded to sum to 100.
struct TFormCounts
{
    int N1 = 0;
    int N2 = 0;
    int NX = 0;
};
QList<int> FormEstimate(const TFormCounts &home, const TFormCounts &away);

// Whole percentages for 1, X and 2 implied by the odds a, x, b; they sum to 100 (0, 100, 0 when
// the odds share out nothing).
QList<int> OddsImpliedPercent(double a, double x, double b);

// Whole percentages for 1, X and 2 from the earlier meetings (home wins, draws, away wins); blank
// under three meetings.
QStringList MeetingEstimate(int H1, int HX, int H2);

} // namespace tav::coupons
