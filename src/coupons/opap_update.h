#pragma once

#include "platform/db/query.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class TTavrolinDM;

namespace tav::coupons {

// The columns of the grid of the update of matches from a coupon; each row holds all ten.
enum TOpapColumn
{
    OpapCode = 0,
    OpapDiorg = 1,
    OpapDate = 2,
    OpapTime = 3,
    OpapHome = 4,
    OpapAway = 5,
    OpapOdd1 = 6,
    OpapOddX = 7,
    OpapOdd2 = 8,
    OpapScore = 9,
};
constexpr int kOpapColumnCount = 10;

// An odds text of a coupon as the grid shows it: the first "," and then the first "." become the
// decimal separator; a text blank after trimming shows "1".
QString OpapOddsText(const QString &text);

// The rows of a coupon file in file order, blank times and competitions filled down from above,
// and the coupon's first and last day. A file that cannot be read to its end keeps the rows read
// before the failure and says so.
struct TOpapLoad
{
    QList<QStringList> rows;
    QDateTime dateFrom;
    QDateTime dateTo;
    bool rangeRead = false;
    bool failed = false;
};
TOpapLoad LoadKupGrid(const QString &path);

// Exchanges neighbouring rows until a pass exchanges nothing: a pair is exchanged when both cells
// of the column are not blank and the upper one sorts after the lower one.
void SortGridRows(QList<QStringList> &rows, int column);

// Maximal runs of neighbouring rows with one competition code (trimmed); rows by index.
struct TOpapGroup
{
    QString code;
    int first = 0;
    int last = 0;
};
QList<TOpapGroup> OpapGroups(const QList<QStringList> &rows);

// A coupon score split at its first "-", both sides trimmed: none when the away side is blank;
// a side that is no whole number raises EConvertError.
struct TOpapScore
{
    int home = 0;
    int away = 0;
};
std::optional<TOpapScore> ParseOpapScore(const QString &text);

// The texts of the question between the coupon's score and the stored one.
struct TOpapScoreQuestion
{
    QString match;  // competition code, the stored date when matches repeat, the teams
    QString coupon; // "ΣΚΟΡ ΟΠΑΠ -> " and the coupon's score
    QString stored; // "ΣΚΟΡ TAVROLIN -> " and the stored score
};

enum class TOpapScoreAnswer
{
    Coupon,
    Stored,
    Cancel,
};

// What the update asks and tells its window.
struct TOpapCallbacks
{
    // The update starts: the progress maximum and the first group's code.
    std::function<void(int maximum, const QString &code)> started;
    // A group starts.
    std::function<void(const QString &code)> groupStarted;
    // A group is done; true when the user has asked to stop (pending messages handled first).
    std::function<bool()> stepped;
    // Asked before each row; true when the user has asked to stop.
    std::function<bool()> cancelled;
    // Several matches of the pair: the query holds them, the caption describes the coupon row.
    // True when the user picked one: the query's current row.
    std::function<bool(TQuery &candidates, const QString &caption)> chooseMatch;
    std::function<TOpapScoreAnswer(const TOpapScoreQuestion &question)> chooseScore;
};

enum class TOpapOutcome
{
    NoSeason,    // no season checked
    OtherSeason, // no checked season holds the coupon's year
    Done,        // ran to its end or to the user's stop
    Failed,      // an error stopped it; error holds its message
};

struct TOpapResult
{
    TOpapOutcome outcome = TOpapOutcome::Done;
    QString error;
};

// Writes what a coupon says of each match into the matches: coupon number, date, time, odds and,
// where given, the score. Competitions are found by their category's coupon code in the first
// checked season (newest first) that has one, teams by their coupon name; unknown competitions,
// teams and matches are passed over. The odds cells of the rows take the decimal separator. Each
// match is written by its key in one statement, all its values converted first, so a bad cell
// leaves it whole; the matches table is read again at the end.
class TOpapUpdate
{
public:
    TOpapUpdate(TTavrolinDM &dm, TOpapCallbacks callbacks);

    TOpapResult Run(QList<QStringList> &rows, const QStringList &seasons, const QDateTime &kupDateFrom);

    // The rows first..last of one competition code, in the competition DNo.
    void UpdateCompetitionRows(QList<QStringList> &rows, int DNo, int first, int last);
    // The matches of the pair (keys of the competition's teams) within seven days of the row's
    // date, in QryRounds; true when there are none.
    bool QueryCandidateMatches(const QStringList &row, int DNo, int home, int away);

    TQuery QryRounds;

private:
    enum class TRowEnd
    {
        NextRow,
        EndGroup,
    };
    TRowEnd UpdateRow(QStringList &row, int rounds, qint64 gameNo);
    std::optional<TOpapScore> ChosenScore(const QStringList &row, int rounds, const QVariant &storedHome,
                                          const QVariant &storedAway);
    QVariantList CouponValues(QStringList &row) const;
    TField &Field(const QString &name) const;
    // A value as the matches' field would store it.
    QVariant Stored(const QString &field, const QVariant &value) const;
    bool TeamKey(const QString &name, int &key);

    TTavrolinDM &dm_;
    TOpapCallbacks callbacks_;
    bool written_ = false;
};

} // namespace tav::coupons
