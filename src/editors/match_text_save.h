#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

class TTavrolinDM;

// A competition's matches from one matchday to another as a text result file: a line of dashes
// with the matchday number before each matchday, then one result line per match, with English
// team names; on request a second round of the same fixtures with the sides exchanged.

namespace tav::editors {

struct TSavedMatch
{
    int Agvnistikh = 0;
    QDate Date;
    QString GName;
    QString FName;
    QVariant TelGGoals;
    QVariant TelFGoals;
};

// The matches of the competition in the matchday range, by matchday, then date, then the order
// they were entered.
QList<TSavedMatch> ReadMatchRange(TTavrolinDM &dm, const QVariant &DNo, int Agvn1, int Agvn2);

// The file's lines. The second round starts at the last listed match's date and matchday: each
// matchday of the list again, seven days later each, the away side at home and no goals.
QStringList MatchTextLines(const QList<TSavedMatch> &matches, bool secondRound);

} // namespace tav::editors
