#include "editors/agvn_enhm_engine.h"

#include "platform/core/format.h"
#include "platform/db/database.h"
#include "platform/db/query.h"

#include <QHash>

namespace tav::editors {

namespace {

const char *const kCompetitionsOfSeason[] = {
    "select Kathgories.GrName, Diorganvseis.DNo from Kathgories, Diorganvseis",
    "where (Diorganvseis.KatNo = Kathgories.KatNo) and (Diorganvseis.Periodos = :Periodos)",
    "order by Kathgories.KatNo"};

QString OneCompetition(int dNo)
{
    return QStringLiteral("(DiorgNo = %1)").arg(dNo);
}

// The pieces follow one another with no blank between "or" and the next "(".
QString Grouped(const QList<int> &competitions)
{
    if (competitions.size() == 1)
        return OneCompetition(competitions.first());
    const qsizetype half = competitions.size() / 2;
    return '(' + Grouped(competitions.first(half)) + QStringLiteral(" or") +
           Grouped(competitions.sliced(half)) + ')';
}

} // namespace

TEnhmDates EnhmDefaultDates(const QDate &today)
{
    // Days from today to the Friday that opens the window, by weekday (Monday = 1 ... Sunday = 7).
    static const int kToFriday[] = {0, -3, 3, 2, 1, 0, -1, -2};
    const QDate friday = today.addDays(kToFriday[today.dayOfWeek()]);
    return {friday, friday.addDays(3)};
}

bool EnhmDatesAhead(const TEnhmDates &dates, const QDate &today)
{
    return dates.From > today;
}

QList<int> EnhmCompetitions(TDatabase &database, const QStringList &categoryNames, const QString &season)
{
    TQuery query;
    query.SetDatabase(&database);
    for (const char *line : kCompetitionsOfSeason)
        query.SQL().Add(QString::fromUtf8(line));
    query.ParamByName(QStringLiteral("Periodos")).SetAsString(season);
    query.Open();
    // The first category of a name stands for the name, as a lookup by name finds it.
    QHash<QString, int> competitionOfName;
    for (query.First(); !query.Eof(); query.Next()) {
        const QString name = query.Fields()[0].AsString();
        if (!competitionOfName.contains(name))
            competitionOfName.insert(name, query.Fields()[1].AsInteger());
    }
    query.Close();
    QList<int> competitions;
    for (const QString &name : categoryNames)
        if (const auto found = competitionOfName.constFind(name); found != competitionOfName.cend())
            competitions.append(found.value());
    return competitions;
}

QString EnhmCompetitionCondition(const QList<int> &competitions)
{
    if (competitions.isEmpty())
        return OneCompetition(0);
    if (competitions.size() == 1)
        return '(' + OneCompetition(competitions.first()) + ')';
    return Grouped(competitions);
}

QString EnhmFilterText(const TEnhmChoice &choice)
{
    QString text = "(Date >= '" + DateToStr(choice.From) + "') and (Date <= '" + DateToStr(choice.To) + "'";
    if (choice.RestrictToCompetitions)
        text += ") and " + EnhmCompetitionCondition(choice.Competitions);
    else
        text += ')';
    if (choice.WithScore && !choice.WithoutScore)
        text += QStringLiteral(" AND (TelGGoals>=0)");
    else if (choice.WithoutScore && !choice.WithScore)
        text += QStringLiteral(" AND (TelGGoals=Null)");
    return text;
}

} // namespace tav::editors
