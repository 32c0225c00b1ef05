#include "editors/match_list_engine.h"

#include "platform/core/format.h"
#include "platform/db/query.h"
#include "platform/db/table.h"

#include <cstdint>

namespace tav::editors {

TSeasonRange MatchdaySeasonRange(const QString &season, const QString &category)
{
    if (season.isEmpty() || category.isEmpty())
        return {QDate(1900, 1, 1), QDate(2100, 1, 1)};
    const qsizetype dash = season.indexOf(QLatin1Char('-'));
    const QString first = dash < 0 ? QString() : season.left(dash);
    const QString second = dash < 0 ? season : season.mid(dash + 1);
    int year = StrToInt(first.isEmpty() ? second : first);
    const QDate start(year, 1, 1);
    if (!second.isEmpty())
        ++year;
    return {start, QDate(year, 12, 31)};
}

int MatchdayUpperBound(int teams, int rounds)
{
    const int games = teams % 2 == 0 ? (teams - 1) * rounds : teams * rounds;
    return static_cast<std::int16_t>(games);
}

TPointRole PointRole(const QString &point)
{
    if (point == QLatin1String("1"))
        return TPointRole::HomeWin;
    if (point == QLatin1String("2"))
        return TPointRole::AwayWin;
    return TPointRole::Other;
}

std::optional<QTime> HeaderTime(const QString &timeText)
{
    const QString trimmed = timeText.trimmed();
    if (trimmed.isEmpty() || trimmed == QLatin1String(":"))
        return std::nullopt;
    return StrToTime(trimmed);
}

std::optional<QDate> HeaderDate(const QString &dateText)
{
    if (dateText.trimmed().isEmpty())
        return std::nullopt;
    return StrToDate(dateText.trimmed());
}

bool ApplyNewMatchKeys(TDataSet &match, int typos, const QVariant &dNo, int matchday, int group)
{
    if (typos != LeagueTypos && typos != CupTypos)
        return false;
    match.FieldByName(QStringLiteral("DiorgNo")).SetValue(dNo);
    match.FieldByName(QStringLiteral("Agvnistikh")).SetAsInteger(matchday);
    if (typos == CupTypos)
        match.FieldByName(QStringLiteral("Omilos")).SetAsInteger(group);
    return true;
}

void ApplyMatchDateTime(TDataSet &match, const std::optional<QTime> &time, const std::optional<QDate> &date)
{
    if (time)
        match.FieldByName(QStringLiteral("Time")).SetValue(*time);
    if (date)
        match.FieldByName(QStringLiteral("Date")).SetValue(*date);
}

int ApplyDateTimeToMatchday(TTable &matches, const QVariant &dNo, int matchday,
                            const std::optional<QTime> &time, const std::optional<QDate> &date)
{
    if (!time && !date)
        return 0;
    TQuery update;
    update.SetSessionName(matches.SessionName());
    update.SetDatabaseName(matches.DatabaseName());
    // A value not given is bound as NULL and keeps the stored one.
    update.SQL().Add(QStringLiteral("update ") + matches.TableName());
    update.SQL().Add(
        QStringLiteral("set \"Time\" = coalesce(:NewTime, \"Time\"), \"Date\" = coalesce(:NewDate, "
                       "\"Date\")"));
    update.SQL().Add(QStringLiteral("where DiorgNo = :DiorgNo and Agvnistikh = :Agvnistikh"));
    TParam &newTime = update.ParamByName(QStringLiteral("NewTime"));
    newTime.SetDataType(TFieldType::ftTime);
    newTime.SetValue(time ? QVariant(*time) : QVariant());
    TParam &newDate = update.ParamByName(QStringLiteral("NewDate"));
    newDate.SetDataType(TFieldType::ftDate);
    newDate.SetValue(date ? QVariant(*date) : QVariant());
    update.ParamByName(QStringLiteral("DiorgNo")).SetAsInteger(dNo.toInt());
    update.ParamByName(QStringLiteral("Agvnistikh")).SetAsInteger(matchday);
    update.ExecSQL();
    return update.RowsAffected();
}

} // namespace tav::editors
