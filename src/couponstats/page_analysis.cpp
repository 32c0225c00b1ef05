#include "couponstats/page_analysis.h"

#include "data/data_module.h"
#include "platform/core/errors.h"
#include "platform/core/format.h"
#include "platform/db/sqlite_statement.h"

#include <cmath>

namespace tav::couponstats {

namespace {

// The match must belong to the competition of its category in the season: the competition's
// points and its standings are then the match's own.
const char kCouponMatchSql[] =
    "SELECT a.DiorgNo, a.Ghpedoyxos, a.Filojenoymenh, a.GTeamNo, a.FTeamNo"
    " FROM Kathgories k JOIN Diorganvseis d ON d.KatNo = k.KatNo JOIN Agvnes a ON a.DiorgNo = d.DNo"
    " WHERE k.OPAP = ?1 AND d.Periodos = ?2 AND a.\"Date\" = ?3 AND a.OPAPAr = ?4 ORDER BY a.GameNo LIMIT 1";

} // namespace

std::optional<TCouponMatch> FindCouponMatch(TTavrolinDM &dm, const QStringList &row, const QString &season)
{
    const QString date = StrToDate(CellOf(row, PgDate)).toString(Qt::ISODate);
    int code = 0;
    if (!TryStrToInt(CellOf(row, PgCode), code))
        return std::nullopt;
    DbConnection::Lease statement = dm.TavrolinDb.Connection().Statement(QString::fromUtf8(kCouponMatchSql));
    statement->BindAll({CellOf(row, PgDiorg).trimmed(), season, date, code});
    if (!statement->Step())
        return std::nullopt;
    return TCouponMatch{int(statement->Int64(0)), int(statement->Int64(1)), int(statement->Int64(2)),
                        int(statement->Int64(3)), int(statement->Int64(4))};
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
