#include "couponstats/operations/team_history.h"

#include "couponstats/operations/dynamh_temp.h"
#include "data/data_module.h"
#include "platform/core/format.h"
#include "platform/core/message_service.h"
#include "platform/db/sqlite_statement.h"

#include <algorithm>
#include <exception>
#include <vector>

namespace tav::operations {

namespace {

// The played matches of a competition before a date, newest first; equal dates newest entered
// first.
const char kMatchesSql[] = "SELECT Ghpedoyxos, Filojenoymenh, TelGGoals, TelFGoals FROM Agvnes"
                           " WHERE DiorgNo = ?1 AND TelGGoals >= 0 AND \"Date\" < ?2";
const char kNewestFirst[] = " ORDER BY \"Date\" DESC, GameNo DESC LIMIT ?4";

// One played match: the competition entries of both sides and their final goals.
struct TPlayedMatch
{
    int Home = 0;
    int Away = 0;
    int G = 0;
    int F = 0;
};

// The latest N matches (all when N is 0) of the competition that the condition (on the team, bound
// as ?3) selects: no walk goes further.
std::vector<TPlayedMatch> NewestFirst(TTavrolinDM &dm, const QString &DateText, int DiorgNo,
                                      const char *condition, const QVariant &TeamNo, int N)
{
    const QString date = StrToDate(DateText).toString(Qt::ISODate);
    DbConnection::Lease statement = dm.TavrolinDb.Connection().Statement(
        QString::fromUtf8(kMatchesSql) + QString::fromUtf8(condition) + QString::fromUtf8(kNewestFirst));
    statement->BindAll({DiorgNo, date, TeamNo, QVariant(N > 0 ? N : -1)});
    std::vector<TPlayedMatch> matches;
    while (statement->Step())
        matches.push_back({int(statement->Int64(0)), int(statement->Int64(1)), int(statement->Int64(2)),
                           int(statement->Int64(3))});
    return matches;
}

std::vector<TPlayedMatch> TeamMatches(TTavrolinDM &dm, TTeamMatches Mode, const QString &DateText,
                                      int DiorgNo, int TeamNo, int N)
{
    const char *condition = Mode == TTeamMatches::Home   ? " AND Ghpedoyxos = ?3"
                            : Mode == TTeamMatches::Away ? " AND Filojenoymenh = ?3"
                                                         : " AND (Filojenoymenh = ?3 OR Ghpedoyxos = ?3)";
    return NewestFirst(dm, DateText, DiorgNo, condition, TeamNo, N);
}

// Hands on each match with the side the team played; a match of neither side adds nothing but is
// walked. Returns how many were walked.
template <typename Count> int Walk(const std::vector<TPlayedMatch> &matches, int TeamNo, Count count)
{
    for (const TPlayedMatch &match : matches) {
        if (match.Home == TeamNo)
            count(match, true);
        else if (match.Away == TeamNo)
            count(match, false);
    }
    return int(matches.size());
}

// Results 1 to 6: wins, losses and draws at home and away.
template <int C> void AddOutcome(TNumberedResults<C> &r, const TPlayedMatch &m, bool home)
{
    if (home)
        ++r[m.G > m.F ? 1 : m.G < m.F ? 3 : 5];
    else
        ++r[m.G < m.F ? 2 : m.G > m.F ? 4 : 6];
}

// Results 10 and 11: the goal difference of the team at home and away.
template <int C> void AddDifference(TNumberedResults<C> &r, const TPlayedMatch &m, bool home)
{
    if (home)
        r[10] += m.G - m.F;
    else
        r[11] += m.F - m.G;
}

template <int C> void AddSums(TNumberedResults<C> &r)
{
    r[7] = r[1] + r[2];
    r[8] = r[3] + r[4];
    r[9] = r[5] + r[6];
    r[12] = r[10] + r[11];
}

// Fewer matches than asked for count as none.
template <int C> void DropShortfall(TNumberedResults<C> &r, int walked, int N)
{
    if (N > 0 && walked != N)
        r.Clear();
}

QString ErrorText(const std::exception &error)
{
    if (const auto *own = dynamic_cast<const Exception *>(&error))
        return own->Message();
    return QString::fromLocal8Bit(error.what());
}

// Runs a count; a failure is shown with the team and the competition and leaves nothing counted.
template <typename Results, typename Run>
Results Guarded(const QString &Text, int DiorgNo, int TeamNo, Run run)
{
    try {
        return run();
    } catch (const std::exception &error) {
        ShowMessage(ErrorText(error) + QLatin1Char(' ') + Text + QStringLiteral(" DNo=") + IntToStr(DiorgNo) +
                    QStringLiteral(" TeamNo=") + IntToStr(TeamNo));
        return Results{};
    }
}

int TeamGoals(const TPlayedMatch &m, bool home)
{
    return home ? m.G : m.F;
}

int OpponentGoals(const TPlayedMatch &m, bool home)
{
    return home ? m.F : m.G;
}

// Results 18 to 48 of the full record.
void AddGoalHistograms(TTeamRecord &r, const TPlayedMatch &m, bool home)
{
    const int scored = TeamGoals(m, home);
    ++r[m.G + m.F > 2 ? 18 : 19];
    ++r[20 + std::min(scored, 7)];
    ++r[scored > 0 ? 36 : 37];
    ++r[m.G > 0 && m.F > 0 ? 38 : 39];
    const int difference = m.G - m.F;
    ++r[difference >= 0 ? 40 + std::min(difference, 4) : 44 + std::min(-difference, 4)];
}

} // namespace

TTeamRecord GetTeamRecord(TTavrolinDM &dm, TTeamMatches Mode, const QString &DateText, int DiorgNo,
                          int TeamNo, int N, const QString &Text)
{
    return Guarded<TTeamRecord>(Text, DiorgNo, TeamNo, [&] {
        TTeamRecord r;
        const auto matches = TeamMatches(dm, Mode, DateText, DiorgNo, TeamNo, N);
        r.Found = !matches.empty();
        const int walked = Walk(matches, TeamNo, [&](const TPlayedMatch &m, bool home) {
            AddOutcome(r, m, home);
            AddDifference(r, m, home);
            r[home ? 14 : 17] += m.G;
            r[home ? 15 : 16] += m.F;
            AddGoalHistograms(r, m, home);
        });
        r[13] = walked;
        AddSums(r);
        DropShortfall(r, walked, N);
        return r;
    });
}

TTeamGoals GetTeamGoals(TTavrolinDM &dm, TTeamMatches Mode, const QString &DateText, int DiorgNo, int TeamNo,
                        int N, const QString &Text)
{
    return Guarded<TTeamGoals>(Text, DiorgNo, TeamNo, [&] {
        TTeamGoals r;
        const auto matches = TeamMatches(dm, Mode, DateText, DiorgNo, TeamNo, N);
        r.Found = !matches.empty();
        const int walked = Walk(matches, TeamNo, [&](const TPlayedMatch &m, bool home) {
            AddOutcome(r, m, home);
            r[home ? 10 : 11] += m.G + m.F;
        });
        r[13] = walked;
        AddSums(r);
        DropShortfall(r, walked, N);
        return r;
    });
}

TTeamGoalRecords GetTeamGoalRecords(TTavrolinDM &dm, TTeamMatches Mode, const QString &DateText, int DiorgNo,
                                    int TeamNo, int N, const QString &Text)
{
    return Guarded<TTeamGoalRecords>(Text, DiorgNo, TeamNo, [&] {
        TTeamGoalRecords records;
        TTeamGoalRecord &all = records.All;
        TTeamGoalRecord &threePlus = records.ThreePlus;
        const auto matches = TeamMatches(dm, Mode, DateText, DiorgNo, TeamNo, N);
        all.Found = threePlus.Found = !matches.empty();
        const int walked = Walk(matches, TeamNo, [&](const TPlayedMatch &m, bool home) {
            for (TTeamGoalRecord *r : {&all, &threePlus}) {
                AddOutcome(*r, m, home);
                AddDifference(*r, m, home);
            }
            const int scored = TeamGoals(m, home);
            const int conceded = OpponentGoals(m, home);
            all[13] += scored;
            all[14] += conceded;
            if (scored >= 3)
                threePlus[13] += scored;
            if (conceded >= 3)
                threePlus[14] += conceded;
        });
        for (TTeamGoalRecord *r : {&all, &threePlus}) {
            (*r)[15] = walked;
            AddSums(*r);
            DropShortfall(*r, walked, N);
        }
        return records;
    });
}

TTeamGoalRecord GetTeamGoalRecord(TTavrolinDM &dm, TTeamMatches Mode, const QString &DateText, int DiorgNo,
                                  int TeamNo, int N, const QString &Text)
{
    return GetTeamGoalRecords(dm, Mode, DateText, DiorgNo, TeamNo, N, Text).All;
}

TTeamGoalRecord GetTeamGoalRecord3Plus(TTavrolinDM &dm, TTeamMatches Mode, const QString &DateText,
                                       int DiorgNo, int TeamNo, int N, const QString &Text)
{
    return GetTeamGoalRecords(dm, Mode, DateText, DiorgNo, TeamNo, N, Text).ThreePlus;
}

TTeamSpecialPoints GetTeamSpecialPoints(TTavrolinDM &dm, TTeamMatches Mode, const QString &DateText,
                                        int DiorgNo, int TeamNo, int N, const QString &)
{
    TTeamSpecialPoints r;
    const auto matches = TeamMatches(dm, Mode, DateText, DiorgNo, TeamNo, N);
    r.Found = !matches.empty();
    const int win = dm.Diorganvseis.FieldByName(QStringLiteral("Nikh")).AsInteger();
    const int draw = dm.Diorganvseis.FieldByName(QStringLiteral("Isop")).AsInteger();
    const int loss = dm.Diorganvseis.FieldByName(QStringLiteral("Htta")).AsInteger();
    const int weight = (N > 0 ? N : int(matches.size())) + 1;
    const int walked = Walk(matches, TeamNo, [&](const TPlayedMatch &m, bool home) {
        // Every match walked has a rank, the newest 1, whichever side the team played.
        const int rank = int(&m - matches.data()) + 1;
        const int scored = TeamGoals(m, home);
        const int conceded = OpponentGoals(m, home);
        r[7] += (weight - rank) * (scored > conceded ? win : scored == conceded ? draw : loss);
    });
    r[13] = walked;
    DropShortfall(r, walked, N);
    return r;
}

TDynamhResults FillDynamhTemp(TTavrolinDM &dm, const QString &DateText, int DiorgNo, int TeamNo, int N)
{
    return Guarded<TDynamhResults>(QString(), DiorgNo, TeamNo, [&] {
        TDynamhResults r;
        const auto matches = NewestFirst(dm, DateText, DiorgNo, "", QVariant(), N);
        r.Found = !matches.empty();
        TDynamhTempWriter temp(dm.TavrolinDb);
        // Every match has a home and an away side, so both sides count every match walked.
        int walked = 0;
        for (const TPlayedMatch &m : matches) {
            r.Clear();
            AddOutcome(r, m, true);
            AddOutcome(r, m, false);
            AddDifference(r, m, true);
            AddDifference(r, m, false);
            ++walked;
            temp.AppendHome(m.Home, 3 * r[1] + r[5], DiorgNo, walked);
            temp.AppendAway(m.Away, 3 * r[2] + r[6], DiorgNo, walked);
            r[13] = walked;
        }
        AddSums(r);
        DropShortfall(r, r[13], N);
        temp.Commit();
        return r;
    });
}

} // namespace tav::operations
