#include "couponstats/page_analysis.h"

#include "data/data_module.h"
#include "platform/core/errors.h"
#include "platform/core/format.h"
#include "platform/db/sqlite_statement.h"

#include <cmath>

namespace tav::couponstats {

namespace {

// The match must belong to the competition of its category in the season: the competition's
// points and its standings are then the match's own. Only a text competition code can equal the
// row's text, and only a whole-number match code its number.
const char kDateMatchesSql[] =
    "SELECT k.OPAP, a.OPAPAr, a.DiorgNo, a.Ghpedoyxos, a.Filojenoymenh, a.GTeamNo, a.FTeamNo"
    " FROM Kathgories k JOIN Diorganvseis d ON d.KatNo = k.KatNo JOIN Agvnes a ON a.DiorgNo = d.DNo"
    " WHERE d.Periodos = ?1 AND a.\"Date\" = ?2 AND typeof(k.OPAP) = 'text' AND typeof(a.OPAPAr) = 'integer'"
    " ORDER BY a.GameNo";

} // namespace

TCouponMatches::TCouponMatches(TTavrolinDM &dm) : dm_(dm) {}

std::optional<TCouponMatch> TCouponMatches::Find(const QStringList &row, const QString &season)
{
    const QString date = StrToDate(CellOf(row, PgDate)).toString(Qt::ISODate);
    int code = 0;
    if (!TryStrToInt(CellOf(row, PgCode), code))
        return std::nullopt;
    const TDateMatches &matches = MatchesOf(season, date);
    const auto found = matches.find({CellOf(row, PgDiorg).trimmed().toUtf8(), code});
    if (found == matches.end())
        return std::nullopt;
    return found->second;
}

std::optional<TCouponMatch> TCouponMatches::FindLast(const QStringList &row, const QStringList &seasons)
{
    std::optional<TCouponMatch> last;
    for (const QString &season : seasons)
        if (std::optional<TCouponMatch> match = Find(row, season))
            last = match;
    return last;
}

const TCouponMatches::TDateMatches &TCouponMatches::MatchesOf(const QString &season, const QString &date)
{
    const auto cached = bySeasonAndDate_.find({season, date});
    if (cached != bySeasonAndDate_.end())
        return cached->second;
    DbConnection::Lease statement = dm_.TavrolinDb.Connection().Statement(QString::fromUtf8(kDateMatchesSql));
    statement->BindAll({season, date});
    TDateMatches matches;
    while (statement->Step()) {
        QByteArray diorg(reinterpret_cast<const char *>(statement->TextBytes(0)), statement->Bytes(0));
        // Of two matches with the same codes the first stored stands.
        matches.try_emplace({std::move(diorg), statement->Int64(1)},
                            TCouponMatch{int(statement->Int64(2)), int(statement->Int64(3)),
                                         int(statement->Int64(4)), int(statement->Int64(5)),
                                         int(statement->Int64(6))});
    }
    return bySeasonAndDate_.emplace(std::pair{season, date}, std::move(matches)).first->second;
}

bool WalkCheckedRows(TPageGrid &grid, const TRowProgress &progress,
                     const std::function<void(QStringList &)> &analyse)
{
    for (int r = 0; r + 1 < grid.Rows.size(); ++r) {
        if (r >= grid.Checks.size() || grid.Checks.at(r) != 1)
            continue;
        if (progress && !progress())
            return false;
        analyse(grid.Rows[r + 1]);
    }
    return true;
}

void AnalysePageRows(TPageRun &run, const std::function<void(TPageGrid &)> &analyse)
{
    QList<QStringList> rows = run.rows;
    rows.prepend(QStringList());
    struct WriteBack
    {
        QList<QStringList> &rows;
        TPageRows &page;
        ~WriteBack()
        {
            rows.removeFirst();
            page = rows;
        }
    } writeBack{rows, run.rows};
    TPageGrid grid{rows, run.checks, run.periods, run.thresholds};
    analyse(grid);
}

QString CellOf(const QStringList &row, int column)
{
    return row.value(column);
}

void SetCell(QStringList &row, int column, const QString &text)
{
    while (row.size() <= column)
        row.append(QString());
    row[column] = text;
}

void ClearValues(QStringList &row)
{
    for (int column : {PgHomeValue, PgAwayValue, PgDifference, PgProposal})
        SetCell(row, column, QString());
}

TShownPair ShownPair(const QString &home, const QString &away)
{
    const auto tenths = [](const QString &text) { return std::llround(StrToFloat(text) * 10); };
    const auto h = tenths(home);
    const auto a = tenths(away);
    return {h / 10.0, a / 10.0, (h + a) / 10.0, (h - a) / 10.0};
}

QString OneDecimal(double value)
{
    return Format(QStringLiteral("%.1f"), {value});
}

std::optional<TProposalThresholds> UsableThresholds(const TThresholdTexts &texts)
{
    try {
        return ThresholdsFromTexts(texts);
    } catch (const EConvertError &) {
        return std::nullopt;
    }
}

void WriteProposal(QStringList &row, double difference, const std::optional<TProposalThresholds> &thresholds)
{
    if (thresholds)
        SetCell(row, PgProposal, ProposalFor(difference, *thresholds));
}

} // namespace tav::couponstats
