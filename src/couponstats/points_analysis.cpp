#include "couponstats/points_analysis.h"

#include "couponstats/operations/team_history.h"
#include "couponstats/points_columns.h"
#include "data/data_module.h"
#include "platform/core/format.h"
#include "platform/core/rounding.h"
#include "platform/db/sqlite_statement.h"

#include <QDate>

namespace tav::couponstats {

namespace {

const char kCategorySql[] = "SELECT KatNo FROM Kathgories WHERE OPAP = ?1 LIMIT 1";
const char kCompetitionSql[] = "SELECT 1 FROM Diorganvseis WHERE KatNo = ?1 AND Periodos = ?2 LIMIT 1";
const char kMatchSql[] =
    "SELECT DiorgNo, Ghpedoyxos, Filojenoymenh FROM Agvnes WHERE \"Date\" = ?1 AND "
    "OPAPAr = ?2 ORDER BY DiorgNo, Agvnistikh, Ghpedoyxos, Filojenoymenh, Omilos LIMIT 1";

QString Number(std::int64_t value)
{
    return QString::number(value);
}

QString Percent(int count, int total)
{
    return Number(Round(100.0 * count / total));
}

void Clear(QStringList &row, int from, int to)
{
    for (int col = from; col <= to; ++col)
        row[col].clear();
}

// The mean of the two sides' percentages for a sign, when both have one.
QString Mean(const QStringList &row, int homeCol, int awayCol)
{
    const QString a = row[homeCol].trimmed();
    const QString b = row[awayCol].trimmed();
    if (a.isEmpty() || b.isEmpty())
        return QString();
    return Number(Round((StrToFloat(a) + StrToFloat(b)) * 0.5));
}

TSideRecord HomeSide(const operations::TTeamRecord &r)
{
    return {r[1], r[5], r[3], r[13]};
}

TSideRecord AwaySide(const operations::TTeamRecord &r)
{
    return {r[2], r[6], r[4], r[13]};
}

} // namespace

void FillPointsRow(QStringList &row, const TSideRecord &home, const TSideRecord &away,
                   const TProposalThresholds &thresholds)
{
    while (row.size() < PtColumnCount)
        row.append(QString());
    const int th = home.wins + home.draws + home.losses;
    const int ta = away.wins + away.draws + away.losses;
    row[PtHomeCounted] = Number(home.walked);
    const int homePoints = 3 * home.wins + home.draws;
    const int awayPoints = 3 * away.wins + away.draws;
    row[PtHomePoints] = Number(homePoints);
    row[PtHomeWins] = Number(home.wins);
    row[PtHomeWins + 1] = Number(home.draws);
    row[PtHomeWins + 2] = Number(home.losses);
    if (th > 0) {
        row[PtHomeWinPct] = Percent(home.wins, th);
        row[PtHomeWinPct + 1] = Percent(home.draws, th);
        row[PtHomeWinPct + 2] = Percent(home.losses, th);
        const int s1 = home.wins + away.losses;
        const int sx = home.draws + away.draws;
        const int s2 = home.losses + away.wins;
        const int sums[] = {s1, sx, s2, s1 - sx - s2, sx - s1 - s2, s2 - sx - s1, s1 + sx, s2 + sx, s1 - s2};
        int col = PtS1;
        for (int value : sums)
            row[col++] = Number(value);
    } else {
        Clear(row, PtHomeWinPct, PtHomeWinPct + 2);
        Clear(row, PtS1, PtS1 + 8);
    }
    row[PtAwayPoints] = Number(awayPoints);
    row[PtAwayLosses] = Number(away.losses);
    row[PtAwayLosses + 1] = Number(away.draws);
    row[PtAwayLosses + 2] = Number(away.wins);
    if (ta > 0) {
        row[PtAwayLossPct] = Percent(away.losses, ta);
        row[PtAwayLossPct + 1] = Percent(away.draws, ta);
        row[PtAwayLossPct + 2] = Percent(away.wins, ta);
    } else {
        Clear(row, PtAwayLossPct, PtAwayLossPct + 2);
    }
    for (int sign = 0; sign < 3; ++sign)
        row[PtMean1 + sign] = Mean(row, PtHomeWinPct + sign, PtAwayLossPct + sign);
    const int difference = homePoints - awayPoints;
    row[PtDifference] = Number(difference);
    row[PtProposal] = ProposalFor(difference, thresholds);
}

TPointsAnalysis::TPointsAnalysis(TTavrolinDM &dm) : dm_(dm) {}

std::optional<TPointsAnalysis::TMatch> TPointsAnalysis::FindMatch(const QStringList &row,
                                                                  const QStringList &periods)
{
    DbConnection &connection = dm_.TavrolinDb.Connection();
    DbConnection::Lease category = connection.Statement(QString::fromLatin1(kCategorySql));
    category->BindAll({row.value(kDiorgColumn).trimmed()});
    if (!category->Step())
        return std::nullopt;
    const qint64 katNo = category->Int64(0);
    // Every season whose competition exists leads to the same match: one is enough.
    bool held = false;
    for (const QString &period : periods) {
        DbConnection::Lease competition = connection.Statement(QString::fromLatin1(kCompetitionSql));
        competition->BindAll({katNo, period});
        if ((held = competition->Step()))
            break;
    }
    if (!held)
        return std::nullopt;
    const QDate date = QDate::fromString(row.value(3).trimmed(), QStringLiteral("d/M/yyyy"));
    bool numeric = false;
    const int code = row.value(kCodeColumn).trimmed().toInt(&numeric);
    if (!date.isValid() || !numeric)
        return std::nullopt;
    DbConnection::Lease match = connection.Statement(QString::fromLatin1(kMatchSql));
    match->BindAll({date.toString(Qt::ISODate), code});
    if (!match->Step())
        return std::nullopt;
    return TMatch{int(match->Int64(0)), int(match->Int64(1)), int(match->Int64(2))};
}

void TPointsAnalysis::RunPointsAnalysis(TPageRun &run)
{
    run.thresholds = ReadThresholdTexts(kDefaultsB);
    const TProposalThresholds thresholds = ThresholdsFromTexts(run.thresholds);
    for (qsizetype r = 0; r < run.rows.size(); ++r) {
        if (r >= run.checks.size() || run.checks[r] != 1)
            continue;
        if (!run.step())
            return;
        QStringList &row = run.rows[r];
        const std::optional<TMatch> match = FindMatch(row, run.periods);
        if (!match)
            continue;
        const QString date = row.value(3).trimmed();
        const operations::TTeamRecord home = operations::GetTeamRecord(
            dm_, operations::TTeamMatches::Home, date, match->diorgNo, match->home, run.n, row.value(5));
        const operations::TTeamRecord away = operations::GetTeamRecord(
            dm_, operations::TTeamMatches::Away, date, match->diorgNo, match->away, run.n, row.value(6));
        FillPointsRow(row, HomeSide(home), AwaySide(away), thresholds);
    }
}

TPageEngine PointsEngine()
{
    return [](TPageRun &run) { TPointsAnalysis(TavrolinDM()).RunPointsAnalysis(run); };
}

} // namespace tav::couponstats
