#pragma once

#include <QString>
#include <QVariant>

class TTavrolinDM;

namespace tav::data {

// The competition the user works on: a category's Greek name and a season text. The pair names at
// most one competition.
struct CompetitionChoice
{
    QString Category;
    QString Season;

    bool operator==(const CompetitionChoice &) const = default;
};

// The current competition lives in three places that move together, only through Choose: the
// remembered choice (NameD and NameP in section "Options" of "Software\Tavrolin\Diorganvsh", kept
// between runs), the data module's CurrDiorgName and CurrPeriodos, and the data module's current
// competition (the cursor of its shared Diorganvseis, which narrows the teams to that competition).

// The remembered choice; a missing value reads as the empty text.
CompetitionChoice CurrentChoice();

// Makes the choice current: remembers it, copies it into the data module's fields and moves the
// data module's current competition to the competition it names. False when it names none (a
// blank side, a category that is not stored, a pair without competition): the current
// competition then stays where it was, while the choice is remembered all the same. Opens the
// categories and competitions when they are closed; database errors propagate.
bool Choose(TTavrolinDM &dm, const CompetitionChoice &choice);

// Moves the data module's current competition to the competition the pair names, without making
// it the remembered choice (the bulk exports walk many competitions this way). False when the pair
// names none; the cursor then stays where it was. Opens the categories and competitions when closed.
bool LocateCompetition(TTavrolinDM &dm, const CompetitionChoice &choice);

// Choose with the remembered category and another season.
bool ChooseSeason(TTavrolinDM &dm, const QString &season);

// Remembers the highest matchday of the chosen competition (Agvnistikh) beside the choice.
void RememberMatchday(int matchday);

// The category number (KatNo) of a category name; null when no category has that name.
QVariant CategoryKatNo(TTavrolinDM &dm, const QString &name);

} // namespace tav::data
