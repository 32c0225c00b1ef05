#include "analysis/proistoria_engine.h"

#include "platform/core/format.h"
#include "platform/db/query.h"

namespace tav::analysis {

namespace {

// The sides and the date are parameters, never text pasted into the SQL.
const char *const kHomeHistory[] = {
    "  SELECT * FROM Agvnes  ",
    "  WHERE ((Ghpedoyxos IN  ",
    "  (SELECT recno from peromades where teamno in  ",
    "  (select teamno from peromades where recno = :Ghp)))  ",
    "  AND (Filojenoymenh IN ",
    "  (SELECT recno from peromades where teamno in  ",
    "  (select teamno from peromades where recno = :Fil)))  ",
    "  AND (Agvnes.\"DATE\" < :CurrDate))  ",
    "  ORDER BY Agvnes.\"DATE\"  ",
};

const char *const kAllHistory[] = {
    "  SELECT * FROM Agvnes  ",
    "  WHERE ((Ghpedoyxos IN  ",
    "  (SELECT recno from peromades where teamno in  ",
    "  (select teamno from peromades where  ",
    "  ((recno = :Ghp) or  ",
    "  (recno = :Fil)))))  ",
    "  AND (Filojenoymenh IN ",
    "  (SELECT recno from peromades where teamno in  ",
    "  (select teamno from peromades where   ",
    "  ((recno = :Ghp) or  ",
    "  (recno = :Fil)))))  ",
    "AND (Agvnes.\"DATE\" < :CurrDate))",
    "ORDER BY Agvnes.\"DATE\"",
};

const char *const kNoScore = "? - ?";

void SetParam(TQuery &query, const char *name, TFieldType type, const QVariant &value)
{
    TParam &param = query.ParamByName(QString::fromLatin1(name));
    param.SetDataType(type);
    param.SetValue(value);
}

} // namespace

THistoryMatch HistoryMatchOf(const TDataSet &matches)
{
    return {matches.FieldByName(QStringLiteral("Ghpedoyxos")).Value(),
            matches.FieldByName(QStringLiteral("Filojenoymenh")).Value(),
            matches.FieldByName(QStringLiteral("Date")).Value().toDate()};
}

void PrepareHistoryQuery(TQuery &query, THistoryKind kind, const THistoryMatch &match)
{
    query.Close();
    query.SQL().Clear();
    if (kind == THistoryKind::Home)
        for (const char *line : kHomeHistory)
            query.SQL().Add(QString::fromUtf8(line));
    else
        for (const char *line : kAllHistory)
            query.SQL().Add(QString::fromUtf8(line));
    SetParam(query, "Ghp", TFieldType::ftInteger, match.Ghpedoyxos);
    SetParam(query, "Fil", TFieldType::ftInteger, match.Filojenoymenh);
    SetParam(query, "CurrDate", TFieldType::ftDate, match.Date.isValid() ? QVariant(match.Date) : QVariant());
}

QString HistoryScore(const QVariant &homeGoals, const QVariant &awayGoals)
{
    if (homeGoals.isNull())
        return QString::fromUtf8(kNoScore);
    return Format(QStringLiteral("%2d-%2d"), {homeGoals.toInt(), awayGoals.toInt()});
}

} // namespace tav::analysis
