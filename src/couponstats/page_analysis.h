#pragma once

#include "couponstats/page_engine.h"
#include "couponstats/threshold_store.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

#include <functional>
#include <map>
#include <optional>
#include <utility>

class TTavrolinDM;

// What the analyses of a statistics page share: the page's grid as rows of cell texts, its check
// bytes, the seasons tried in turn, the page's thresholds, the match of a coupon row and the
// proposal written from a difference.
namespace tav::couponstats {

// The columns of an analysis page's grid (18 in all) that the analyses read and write.
enum TPageGridColumn
{
    PgCheck = 0,
    PgCode = 1,  // the match's code on the coupon
    PgDiorg = 2, // the competition's code on the coupon
    PgDate = 3,  // "dd/mm/yyyy"
    PgHomeTeam = 5,
    PgAwayTeam = 6,
    PgHomeValue = 12,
    PgAwayValue = 13,
    PgDifference = 14, // the difference, or the sum for the goal totals
    PgProposal = 15,
};

constexpr int kPageColumns = 18;

// Asked before each checked row (the page steps its progress bar and lets its window breathe);
// false stops the run there.
using TRowProgress = std::function<bool()>;

// Rows[0] holds the titles and Rows[r + 1] data row r, whose check byte is Checks[r] (1 = analyse;
// a row without a byte is not analysed). A run reads Thresholds from the settings with its own
// defaults and leaves them there for the page to keep.
struct TPageGrid
{
    QList<QStringList> &Rows;
    const QByteArray &Checks;
    const QStringList &Periods;
    TThresholdTexts &Thresholds;
};

// The match of a coupon row as the matches table holds it: its competition, the competition entries
// of its sides (Ghpedoyxos, Filojenoymenh) and their team numbers (GTeamNo, FTeamNo).
struct TCouponMatch
{
    int DiorgNo = 0;
    int Ghpedoyxos = 0;
    int Filojenoymenh = 0;
    int GTeamNo = 0;
    int FTeamNo = 0;
};

// The matches of coupon rows, each in the competition of its category (the coupon's competition
// code) in a season, by its date and its code on the coupon. Finding one match reads every match
// of its season and date, which the rows of a page mostly share, so a run keeps them for its later
// rows: it must not change the stored matches, competitions or categories meanwhile.
class TCouponMatches
{
public:
    explicit TCouponMatches(TTavrolinDM &dm);

    // The match of the row in the season, the first stored when more fit; none when the category,
    // the competition or the match is not stored. EConvertError when the row's date is no date.
    std::optional<TCouponMatch> Find(const QStringList &row, const QString &season);
    // The match of the row in the last of the seasons that holds it.
    std::optional<TCouponMatch> FindLast(const QStringList &row, const QStringList &seasons);

private:
    // A season's matches of a date by the competition code (as stored) and the match's code.
    using TDateMatches = std::map<std::pair<QByteArray, qint64>, TCouponMatch>;
    const TDateMatches &MatchesOf(const QString &season, const QString &date);

    TTavrolinDM &dm_;
    std::map<std::pair<QString, QString>, TDateMatches> bySeasonAndDate_;
};

// Hands each checked data row, in grid order, after asking progress; false when progress stopped
// the walk.
bool WalkCheckedRows(TPageGrid &grid, const TRowProgress &progress,
                     const std::function<void(QStringList &)> &analyse);

// Runs an analysis on the page's rows as a grid below an empty title row, the page's thresholds
// and seasons; the rows done stay on the page also when a later row ends the run with an error.
void AnalysePageRows(TPageRun &run, const std::function<void(TPageGrid &)> &analyse);

QString CellOf(const QStringList &row, int column);
// Sets a cell, filling a short row with empty cells up to it.
void SetCell(QStringList &row, int column, const QString &text);
// Empties the home and away values, the difference and the proposal.
void ClearValues(QStringList &row);

// Two one-decimal cells read back as shown, and their sum and difference to the tenth, free of the
// binary remainders that would push a difference of exactly 1,0 out of its band.
struct TShownPair
{
    double Home = 0;
    double Away = 0;
    double Sum = 0;
    double Difference = 0;
};
TShownPair ShownPair(const QString &home, const QString &away);
// A value written with one decimal, in the program's decimal separator.
QString OneDecimal(double value);

// The thresholds of the texts; none when one of them is no whole number, so that no proposal is made.
std::optional<TProposalThresholds> UsableThresholds(const TThresholdTexts &texts);
// The proposal of a difference; with unusable thresholds the proposal stays as it was.
void WriteProposal(QStringList &row, double difference, const std::optional<TProposalThresholds> &thresholds);

} // namespace tav::couponstats
