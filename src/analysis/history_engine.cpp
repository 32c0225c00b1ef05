#include "analysis/history_engine.h"

#include "analysis/dataset_rows.h"
#include "data/data_module.h"
#include "platform/core/format.h"
#include "platform/db/dataset.h"
#include "platform/db/sqlite_statement.h"

#include <algorithm>

namespace tav::analysis {

namespace {

// ?1 home club, ?2 away club, ?3 match date, ?4 the match's competition, whose type the meetings'
// competitions must have (0 for a competition that is not there). The pair and the date bound the
// index on GTeamNo, FTeamNo and Date; only that pair's rows are read.
const char ForwardSql[] =
    "SELECT a.TelGGoals, a.TelFGoals, COALESCE(d.Periodos, '') FROM Agvnes a "
    "LEFT JOIN Diorganvseis d ON d.DNo = a.DiorgNo "
    "WHERE a.GTeamNo = ?1 AND a.FTeamNo = ?2 AND a.Date < ?3 "
    "AND a.TelGGoals IS NOT NULL AND a.TelFGoals IS NOT NULL "
    "AND COALESCE(d.Typos, 0) = COALESCE((SELECT Typos FROM Diorganvseis WHERE DNo = ?4), 0) "
    "ORDER BY a.Date DESC, a.GameNo DESC";
const char ReverseSql[] =
    "SELECT a.TelGGoals, a.TelFGoals, COALESCE(d.Periodos, '') FROM Agvnes a "
    "LEFT JOIN Diorganvseis d ON d.DNo = a.DiorgNo "
    "WHERE a.GTeamNo = ?2 AND a.FTeamNo = ?1 AND a.Date < ?3 "
    "AND a.TelGGoals IS NOT NULL AND a.TelFGoals IS NOT NULL "
    "AND COALESCE(d.Typos, 0) = COALESCE((SELECT Typos FROM Diorganvseis WHERE DNo = ?4), 0) "
    "ORDER BY a.Date, a.GameNo";

const char *const kTotalHeadings[] = {"N", "I", "H", "ΓΥ", "ΓΚ", "Σκόρ"};

THistoryListedMatch HistoryMatchOf(const TDataSet &matches)
{
    const auto value = [&](const char *name) {
        return matches.FieldByName(QString::fromLatin1(name)).Value();
    };
    THistoryListedMatch match;
    match.DiorgNo = value("DiorgNo").toInt();
    match.GTeamNo = value("GTeamNo").toInt();
    match.FTeamNo = value("FTeamNo").toInt();
    match.Date = value("Date").toDate();
    match.Teams = value("Omades").toString();
    match.Score = value("Score").toString();
    match.HomeName = value("GName").toString();
    match.AwayName = value("FName").toString();
    return match;
}

} // namespace

std::vector<THistoryListedMatch> ReadHistoryMatches(TDataSet &matches)
{
    return CollectRows<THistoryListedMatch>(matches, HistoryMatchOf);
}

void THistoryEngine::AddMeetings(THistoryEntry &entry, bool forward, const THistoryListedMatch &match)
{
    DbConnection::Lease statement =
        dm_.TavrolinDb.Connection().Statement(QString::fromLatin1(forward ? ForwardSql : ReverseSql));
    statement->BindAll({match.GTeamNo, match.FTeamNo, match.Date.toString(Qt::ISODate), match.DiorgNo});
    while (statement->Step()) {
        const int home = int(statement->Int64(0));
        const int away = int(statement->Int64(1));
        entry.Meetings.push_back({Format(QStringLiteral("%2d-%2d"), {home, away}), statement->Text(2)});
        if (home > away)
            ++entry.Wins;
        else if (home == away)
            ++entry.Draws;
        else
            ++entry.Losses;
        entry.HomeGoals += home;
        entry.AwayGoals += away;
    }
}

THistoryRows THistoryEngine::ComputeHistory(const std::vector<THistoryListedMatch> &matches)
{
    THistoryRows rows;
    rows.reserve(2 * matches.size());
    for (const THistoryListedMatch &match : matches) {
        THistoryEntry forward;
        forward.Title = match.Teams.left(HistoryTitleLength);
        forward.Score = match.Score;
        THistoryEntry reverse;
        reverse.Title = (match.AwayName + QLatin1Char('-') + match.HomeName).left(HistoryTitleLength);
        if (match.Date.isValid()) {
            AddMeetings(forward, true, match);
            AddMeetings(reverse, false, match);
        }
        rows.push_back(std::move(forward));
        rows.push_back(std::move(reverse));
    }
    return rows;
}

void RetitleHistory(THistoryRows &rows, const std::vector<THistoryListedMatch> &matches)
{
    const std::size_t count = std::min(matches.size(), rows.size() / 2);
    for (std::size_t k = 0; k < count; ++k) {
        const THistoryListedMatch &match = matches[k];
        rows[2 * k].Title = match.Teams.left(HistoryTitleLength);
        rows[2 * k + 1].Title =
            (match.AwayName + QStringLiteral(" - ") + match.HomeName).left(HistoryTitleLength);
    }
}

QStringList HistorySeasons(const THistoryRows &rows)
{
    QStringList seasons;
    for (const THistoryEntry &entry : rows)
        for (const THistoryMeeting &meeting : entry.Meetings)
            if (!seasons.contains(meeting.Season))
                seasons.append(meeting.Season);
    std::sort(seasons.begin(), seasons.end(),
              [](const QString &a, const QString &b) { return QString::localeAwareCompare(a, b) < 0; });
    return seasons;
}

std::vector<QStringList> HistoryGrid(const THistoryRows &rows, const QStringList &seasons)
{
    std::vector<QStringList> grid;
    grid.reserve(rows.size() + 1);
    QStringList headings{QString()};
    headings += seasons;
    for (const char *heading : kTotalHeadings)
        headings.append(QString::fromUtf8(heading));
    grid.push_back(headings);
    for (const THistoryEntry &entry : rows) {
        QStringList cells{entry.Title};
        for (int s = 0; s < seasons.size(); ++s)
            cells.append(QStringLiteral("-"));
        for (const THistoryMeeting &meeting : entry.Meetings)
            if (const qsizetype column = seasons.indexOf(meeting.Season); column >= 0)
                cells[1 + column] = meeting.Score;
        for (int total : {entry.Wins, entry.Draws, entry.Losses, entry.HomeGoals, entry.AwayGoals})
            cells.append(QString::number(total));
        cells.append(entry.Score);
        grid.push_back(cells);
    }
    return grid;
}

} // namespace tav::analysis
