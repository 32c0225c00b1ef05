#include "editors/match_text_save.h"

#include "data/data_module.h"
#include "editors/result_text_format.h"
#include "platform/core/format.h"
#include "platform/db/sqlite_statement.h"

namespace tav::editors {

namespace {

const char kRangeSql[] =
    "SELECT a.Agvnistikh, a.\"Date\", g.EnName, f.EnName, a.TelGGoals, a.TelFGoals FROM Agvnes a "
    "LEFT JOIN PerOmades g ON g.RecNo = a.Ghpedoyxos LEFT JOIN PerOmades f ON f.RecNo = a.Filojenoymenh "
    "WHERE a.DiorgNo = ?1 AND a.Agvnistikh >= ?2 AND a.Agvnistikh <= ?3 "
    "ORDER BY a.Agvnistikh, a.\"Date\", a.GameNo";
const int kDashes = 44;

QString Header(int matchday)
{
    return QString(kDashes, QLatin1Char('-')) + QString::number(matchday);
}

QString Goals(const QVariant &goals)
{
    return goals.isNull() ? QString() : QString::number(goals.toInt());
}

} // namespace

QList<TSavedMatch> ReadMatchRange(TTavrolinDM &dm, const QVariant &DNo, int Agvn1, int Agvn2)
{
    DbConnection::Lease statement = dm.TavrolinDb.Connection().Statement(QString::fromUtf8(kRangeSql));
    statement->BindAll({DNo, Agvn1, Agvn2});
    QList<TSavedMatch> matches;
    while (statement->Step())
        matches.append({int(statement->Int64(0)), QDate::fromString(statement->Text(1), Qt::ISODate),
                        statement->Text(2), statement->Text(3), statement->Value(4), statement->Value(5)});
    return matches;
}

QStringList MatchTextLines(const QList<TSavedMatch> &matches, bool secondRound)
{
    QStringList lines;
    int current = 0;
    for (const TSavedMatch &match : matches) {
        if (match.Agvnistikh > current) {
            current = match.Agvnistikh;
            lines.append(Header(current));
        }
        lines.append(ResultLine(DateToStr(match.Date), match.GName, match.FName, Goals(match.TelGGoals),
                                Goals(match.TelFGoals)));
    }
    if (!secondRound || matches.isEmpty())
        return lines;
    QDate date = matches.last().Date;
    const int base = matches.last().Agvnistikh;
    current = 0;
    for (const TSavedMatch &match : matches) {
        if (match.Agvnistikh > current) {
            current = match.Agvnistikh;
            lines.append(Header(base + current));
            date = date.addDays(7);
        }
        lines.append(
            Format(QStringLiteral("%-10s %-20s-%-20s"), {DateToStr(date), match.FName, match.GName}));
    }
    return lines;
}

} // namespace tav::editors
