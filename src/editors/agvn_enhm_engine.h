#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

class TDatabase;

namespace tav::editors {

// The dates the results entry proposes: Friday to Monday of this weekend when today is Friday to
// Monday, of the coming weekend when today is Tuesday to Thursday.
struct TEnhmDates
{
    QDate From;
    QDate To;
};
TEnhmDates EnhmDefaultDates(const QDate &today);

// A proposed first date after today means the weekend is still to be played: the user then wants
// the matches without a result; otherwise those with one.
bool EnhmDatesAhead(const TEnhmDates &dates, const QDate &today);

// What the results entry lists: the matches between two dates, of the chosen competitions when
// RestrictToCompetitions is set, with or without a result.
struct TEnhmChoice
{
    QDate From;
    QDate To;
    bool RestrictToCompetitions = true;
    // The DNo of every competition to include, in the order of the categories.
    QList<int> Competitions;
    bool WithScore = true;
    bool WithoutScore = false;
};

// The competitions of the named categories in the season, in the order of the names; a category
// without a competition in that season adds nothing. Every name is walked however many there are,
// and the season and names are bound, never written into the SQL.
QList<int> EnhmCompetitions(TDatabase &database, const QStringList &categoryNames, const QString &season);

// The filter condition that admits the competitions: "((DiorgNo = 5) or(DiorgNo = 7))" for two,
// "(DiorgNo = 0)" (nothing) for none. Long lists are grouped in halves, so that the nesting of the
// condition grows with the logarithm of the count and hundreds of competitions stay within what
// the database parses.
QString EnhmCompetitionCondition(const QList<int> &competitions);

// The filter text of the matches table for the choice: the date window, the competitions and the
// score condition (with a result only: TelGGoals>=0; without only: TelGGoals=Null; both or
// neither: no condition).
QString EnhmFilterText(const TEnhmChoice &choice);

} // namespace tav::editors
