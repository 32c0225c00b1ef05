#pragma once

#include <QList>
#include <QString>
#include <QVariant>

#include <optional>

class TDatabase;

namespace tav::editors {

// The competitions (their DNo, ascending) with at least one match in which a side's name in the
// competition's team list differs from the name of the club the match names for that side. The
// comparison is exact (case counts) and a missing name is empty, so a club row that is gone
// while the competition team keeps its name counts as a difference. Every match of the file is
// read, whatever view a window has of the matches.
QList<int> CompetitionsWithMismatchedNames(TDatabase &database);

// The filter of the matches of one competition: "DiorgNo=<dNo>".
QString CompetitionFilter(int dNo);

// The filter extended by the competitions it does not list yet (numbers compared whole): an
// empty filter becomes "DiorgNo=<first>", then " OR DiorgNo=<next>" is appended for each.
QString AddCompetitionsToFilter(const QString &filter, const QList<int> &competitions);

// The competition of the category in the season (both compared exactly); none when there is none.
std::optional<int> CompetitionOf(TDatabase &database, const QVariant &katNo, const QString &season);

} // namespace tav::editors
