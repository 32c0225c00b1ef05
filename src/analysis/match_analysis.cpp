#include "analysis/match_analysis.h"

#include "data/data_module.h"
#include "platform/core/format.h"
#include "platform/core/rounding.h"
#include "platform/db/sqlite_statement.h"

#include <QTime>

#include <algorithm>
#include <cmath>
#include <limits>

namespace tav::analysis {

namespace {

// The names come from the competition's country, so a club is named as in its own country's list.
const char kWindowSql[] =
    "SELECT a.\"Date\", a.\"Time\", k.OPAP,"
    " (SELECT o.Name FROM PerOmades p JOIN Omades o ON o.TeamNo = p.TeamNo AND o.KratosNo = d.KratosNo"
    "  WHERE p.DiorNo = a.DiorgNo AND p.RecNo = a.Ghpedoyxos LIMIT 1),"
    " (SELECT o.Name FROM PerOmades p JOIN Omades o ON o.TeamNo = p.TeamNo AND o.KratosNo = d.KratosNo"
    "  WHERE p.DiorNo = a.DiorgNo AND p.RecNo = a.Filojenoymenh LIMIT 1),"
    " a.TelGGoals, a.TelFGoals, a.OPAPAr, a.AP1, a.APX, a.AP2, a.GTeamNo, a.FTeamNo, a.DiorgNo,"
    " a.Agvnistikh, a.Ghpedoyxos, a.Filojenoymenh, d.Omades, d.Nikh, d.Isop, d.Htta"
    " FROM Agvnes a LEFT JOIN Diorganvseis d ON d.DNo = a.DiorgNo LEFT JOIN Kathgories k ON k.KatNo = d.KatNo"
    " WHERE a.\"Date\" >= ?1 AND a.\"Date\" <= ?2";
const char kChosenCompetitions[] = " AND a.DiorgNo IN (SELECT value FROM json_each(?3))";
const char kPlayedOnly[] = " AND a.TelGGoals >= 0";
const char kUnplayedOnly[] = " AND a.TelGGoals IS NULL";
const char kWindowOrder[] = " ORDER BY a.\"Date\", a.\"Time\", a.DiorgNo, a.GameNo";

enum TWindowField
{
    wfDate,
    wfTime,
    wfCode,
    wfHomeName,
    wfAwayName,
    wfHomeGoals,
    wfAwayGoals,
    wfCouponNumber,
    wfOdds1,
    wfOddsX,
    wfOdds2,
    wfHomeTeam,
    wfAwayTeam,
    wfCompetition,
    wfMatchday,
    wfHomeEntry,
    wfAwayEntry,
    wfTeams,
    wfWin,
    wfDraw,
    wfLoss
};

// The teams are a bound list: a condition per team would pass SQLite's limit on the depth of an
// expression once a weekend of every competition is asked for.
const char kHomeHistorySql[] = "SELECT GTeamNo, TelGGoals, TelFGoals FROM Agvnes"
                               " WHERE \"Date\" < ?1 AND TelGGoals >= 0"
                               " AND GTeamNo IN (SELECT value FROM json_each(?2))"
                               " ORDER BY \"Date\" DESC, GameNo DESC";
const char kAwayHistorySql[] = "SELECT FTeamNo, TelGGoals, TelFGoals FROM Agvnes"
                               " WHERE \"Date\" < ?1 AND TelFGoals >= 0"
                               " AND FTeamNo IN (SELECT value FROM json_each(?2))"
                               " ORDER BY \"Date\" DESC, GameNo DESC";
const char kTeamStatSql[] = "SELECT NikesIn, IsopIn, HttesIn, NikesOut, IsopOut, HttesOut FROM TeamStat"
                            " WHERE TeamNo = ?1 AND Agvnistikh = ?2";

// The parts of a window match the computation needs beside its cells.
struct TWindowMatch
{
    QStringList Cells;
    int HomeTeam = 0;
    int AwayTeam = 0;
    int Competition = 0;
    int Matchday = 0;
    int HomeEntry = 0;
    int AwayEntry = 0;
    int Teams = 0;
    TPointsRule Points;
};

QString IntCell(const SqliteStatement &row, int column)
{
    return row.IsNull(column) ? QString() : IntToStr(row.Int64(column));
}

QString OddsCell(const SqliteStatement &row, int column)
{
    return row.IsNull(column) ? QString() : FloatToStr(row.Double(column));
}

QString TimeCell(const SqliteStatement &row)
{
    const QTime time = QTime::fromString(row.Text(wfTime), Qt::ISODate);
    return time.isValid() ? time.toString(QStringLiteral("hh:mm")) : QStringLiteral("00:00");
}

QString TeamsCell(const SqliteStatement &row)
{
    QString text;
    if (!row.IsNull(wfHomeName))
        text = row.Text(wfHomeName);
    if (!row.IsNull(wfAwayName))
        text += QStringLiteral("-") + row.Text(wfAwayName);
    return text;
}

QString SignCell(const SqliteStatement &row)
{
    if (row.IsNull(wfHomeGoals))
        return QStringLiteral("?");
    const auto home = row.Int64(wfHomeGoals);
    const auto away = row.Int64(wfAwayGoals);
    return home > away ? QStringLiteral("1") : home == away ? QStringLiteral("X") : QStringLiteral("2");
}

TWindowMatch ReadWindowMatch(const SqliteStatement &row, int columns)
{
    TWindowMatch match;
    match.Cells = QStringList(columns);
    match.Cells[macDate] = DateToStr(QDate::fromString(row.Text(wfDate), Qt::ISODate));
    match.Cells[macTime] = TimeCell(row);
    match.Cells[macCategoryCode] = row.Text(wfCode);
    match.Cells[macTeams] = TeamsCell(row);
    match.Cells[macHomeGoals] = IntCell(row, wfHomeGoals);
    match.Cells[macAwayGoals] = IntCell(row, wfAwayGoals);
    match.Cells[macSign] = SignCell(row);
    match.Cells[macCouponNumber] = IntCell(row, wfCouponNumber);
    match.Cells[macOdds1] = OddsCell(row, wfOdds1);
    match.Cells[macOddsX] = OddsCell(row, wfOddsX);
    match.Cells[macOdds2] = OddsCell(row, wfOdds2);
    match.HomeTeam = int(row.Int64(wfHomeTeam));
    match.AwayTeam = int(row.Int64(wfAwayTeam));
    match.Competition = int(row.Int64(wfCompetition));
    match.Matchday = int(row.Int64(wfMatchday));
    match.HomeEntry = int(row.Int64(wfHomeEntry));
    match.AwayEntry = int(row.Int64(wfAwayEntry));
    match.Teams = int(row.Int64(wfTeams));
    match.Points = {int(row.Int64(wfWin)), int(row.Int64(wfDraw)), int(row.Int64(wfLoss))};
    return match;
}

QString JsonList(const QList<int> &numbers)
{
    QStringList texts;
    texts.reserve(numbers.size());
    for (int number : numbers)
        texts.append(QString::number(number));
    return QStringLiteral("[") + texts.join(QLatin1Char(',')) + QStringLiteral("]");
}

// The number of an odds text; not a number for a blank or unreadable text.
double OddsValue(const QString &text)
{
    return StrToFloatDef(text.trimmed(), std::numeric_limits<double>::quiet_NaN());
}

QString IsoDate(const QDate &date)
{
    return date.toString(Qt::ISODate);
}

// Walks one history query, newest first, into the records of the teams it names.
void CountHistory(DbConnection &connection, const char *sql, const QDate &before, const QList<int> &teams,
                  const TeamSlots &teamSlots, std::vector<FormCounts> &counts)
{
    DbConnection::Lease history = connection.Statement(QString::fromUtf8(sql));
    history->BindAll({IsoDate(before), JsonList(teams)});
    while (history->Step()) {
        const int slot = teamSlots.SlotOf(int(history->Int64(0)));
        if (slot >= 0)
            counts[slot].Add(int(history->Int64(1)), int(history->Int64(2)));
    }
}

TTeamStatCounts ReadTeamStat(SqliteStatement &statement, int entry, int matchday)
{
    TTeamStatCounts counts;
    statement.BindAll({entry, matchday});
    if (statement.Step())
        counts = {int(statement.Int64(0)), int(statement.Int64(1)), int(statement.Int64(2)),
                  int(statement.Int64(3)), int(statement.Int64(4)), int(statement.Int64(5))};
    statement.Reset();
    return counts;
}

void SetPercentCells(QStringList &cells, int first, const TOutcomePercent &percent)
{
    cells[first] = QString::number(percent.P1);
    cells[first + 1] = QString::number(percent.PX);
    cells[first + 2] = QString::number(percent.P2);
}

std::vector<TWindowMatch> ReadWindow(DbConnection &connection, const TMatchAnalysisRequest &request)
{
    QString sql = QString::fromUtf8(kWindowSql);
    QVariantList values{IsoDate(request.DateFrom), IsoDate(request.DateTo)};
    if (request.Competitions) {
        sql += QString::fromUtf8(kChosenCompetitions);
        values.append(JsonList(QList<int>(request.Competitions->begin(), request.Competitions->end())));
    }
    if (!request.WithoutScore)
        sql += QString::fromUtf8(kPlayedOnly);
    else if (!request.WithScore)
        sql += QString::fromUtf8(kUnplayedOnly);
    sql += QString::fromUtf8(kWindowOrder);
    DbConnection::Lease window = connection.Statement(sql);
    window->BindAll(values);
    const int columns = request.Extra ? kMatchAnalysisExtraColumns : kMatchAnalysisColumns;
    std::vector<TWindowMatch> matches;
    while (window->Step())
        matches.push_back(ReadWindowMatch(*window, columns));
    return matches;
}

} // namespace

void FormCounts::Add(int homeGoals, int awayGoals)
{
    if (Full())
        return;
    if (homeGoals > awayGoals)
        ++Count1;
    else if (homeGoals < awayGoals)
        ++Count2;
    else
        ++CountX;
}

int TeamSlots::Add(int teamNo)
{
    const auto found = slotOf_.constFind(teamNo);
    if (found != slotOf_.cend())
        return *found;
    const int slot = int(teams_.size());
    slotOf_.insert(teamNo, slot);
    teams_.append(teamNo);
    return slot;
}

TOutcomePercent FormPercentages(const FormCounts &home, const FormCounts &away)
{
    const int c1 = home.Count1 + away.Count1 + 1;
    const int c2 = home.Count2 + away.Count2 + 1;
    int cX = home.CountX + away.CountX + 1;
    const double q = double(std::max(c1, c2)) / std::min(c1, c2);
    const int floor = int(Round((c1 + c2) * (q >= 2.5 ? 0.4 : 0.5)));
    cX = std::max(cX, floor);
    const int all = c1 + cX + c2;
    const int p1 = int(Round(100.0 * c1 / all));
    const int p2 = int(Round(100.0 * c2 / all));
    return {p1, 100 - p1 - p2, p2};
}

std::optional<TOutcomePercent> OddsImpliedPercent(const QString &odds1, const QString &oddsX,
                                                  const QString &odds2)
{
    const double o1 = OddsValue(odds1);
    const double oX = OddsValue(oddsX);
    const double o2 = OddsValue(odds2);
    if (std::isnan(o1) || std::isnan(oX) || std::isnan(o2))
        return std::nullopt;
    const double shared = o1 * oX + oX * o2 + o1 * o2;
    if (shared == 0)
        return TOutcomePercent{0, 100, 0};
    const int p1 = int(Round(100 * oX * o2 / shared));
    const int p2 = int(Round(100 * o1 * oX / shared));
    return TOutcomePercent{p1, 100 - p1 - p2, p2};
}

TOutcomePercent ComputeExtraEstimate(int teams, const TPointsRule &points, const TTeamStatCounts &home,
                                     const TTeamStatCounts &away)
{
    // Single precision, as the stored standings are small counts.
    const auto perGame = [](float pts, float games) { return pts / (games == 0 ? 1.0F : games); };
    const float scale = float(teams + 1);
    const auto strength = [&](const TTeamStatCounts &c, bool atHome) {
        const int wins = c.NikesIn + c.NikesOut;
        const int draws = c.IsopIn + c.IsopOut;
        const int losses = c.HttesIn + c.HttesOut;
        const float all = float(wins * points.Win + draws * points.Draw + losses * points.Loss);
        const int w = atHome ? c.NikesIn : c.NikesOut;
        const int d = atHome ? c.IsopIn : c.IsopOut;
        const int l = atHome ? c.HttesIn : c.HttesOut;
        const float own = float(w * points.Win + d * points.Draw + l * points.Loss);
        return scale * perGame(all, float(wins + draws + losses)) + 2.0F +
               scale * perGame(own, float(w + d + l));
    };
    const float h = strength(home, true);
    const float a = strength(away, false);
    const float q = std::max(h, a) / std::min(h, a);
    const float x = (h + a) * (q >= 2.5F ? 0.4F : 0.5F);
    const float all = h + x + a;
    const int t1 = int(Round(100.0F * h / all));
    const int t2 = int(Round(100.0F * a / all));
    return {t1, 100 - t1 - t2, t2};
}

TMatchAnalysisResult RunMatchAnalysis(TTavrolinDM &dm, const TMatchAnalysisRequest &request)
{
    TMatchAnalysisResult result;
    if (!request.WithScore && !request.WithoutScore) {
        result.Status = TMatchAnalysisStatus::NoResultKind;
        return result;
    }
    DbConnection &connection = dm.TavrolinDb.Connection();
    std::vector<TWindowMatch> matches = ReadWindow(connection, request);
    if (matches.empty()) {
        result.Status = TMatchAnalysisStatus::NoMatch;
        return result;
    }

    TeamSlots teamSlots;
    QList<int> homeTeams;
    QList<int> awayTeams;
    for (const TWindowMatch &match : matches) {
        homeTeams.append(match.HomeTeam);
        awayTeams.append(match.AwayTeam);
        teamSlots.Add(match.HomeTeam);
        teamSlots.Add(match.AwayTeam);
    }
    std::vector<FormCounts> counts(teamSlots.Count());
    CountHistory(connection, kHomeHistorySql, request.DateFrom, homeTeams, teamSlots, counts);
    CountHistory(connection, kAwayHistorySql, request.DateFrom, awayTeams, teamSlots, counts);

    DbConnection::Lease teamStat = connection.Statement(QString::fromUtf8(kTeamStatSql));
    for (TWindowMatch &match : matches) {
        QStringList &cells = match.Cells;
        SetPercentCells(cells, macForm1,
                        FormPercentages(counts[teamSlots.SlotOf(match.HomeTeam)],
                                        counts[teamSlots.SlotOf(match.AwayTeam)]));
        if (const auto odds = OddsImpliedPercent(cells[macOdds1], cells[macOddsX], cells[macOdds2]))
            SetPercentCells(cells, macOdds1Percent, *odds);
        if (request.Extra) {
            const int previous = match.Matchday - 1;
            SetPercentCells(cells, macExtra1,
                            ComputeExtraEstimate(match.Teams, match.Points,
                                                 ReadTeamStat(*teamStat, match.HomeEntry, previous),
                                                 ReadTeamStat(*teamStat, match.AwayEntry, previous)));
        }
        cells[macRowNumber] = QString::number(result.Rows.size() + 1);
        result.Rows.append(cells);
    }
    result.LastCompetition = matches.back().Competition;
    data::OpenIfClosed(dm.Diorganvseis);
    dm.Diorganvseis.Locate(QStringLiteral("DNo"), {result.LastCompetition});
    return result;
}

TAnalysisDays DefaultAnalysisDays(const QDate &today)
{
    // Days from today to the Friday, Monday first.
    static const int kToFriday[] = {-3, 3, 2, 1, 0, -1, -2};
    const QDate friday = today.addDays(kToFriday[today.dayOfWeek() - 1]);
    return {friday, friday.addDays(3)};
}

} // namespace tav::analysis
