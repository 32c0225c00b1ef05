#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <set>

class TTavrolinDM;

namespace tav::analysis {

// The competitions (DNo) of every ticked category in every ticked season: the first category of
// each name, and its first competition of the season. A name that is no category, or a category
// without a competition in a season, adds nothing; nothing ticked gives the empty set.
std::set<int> BuildCompetitionFilter(TTavrolinDM &dm, const QStringList &categories,
                                     const QStringList &seasons);

// The ticks of a check list of names, kept between runs in a text file of the program folder:
// one ticked name a line, in code page 1253.
class TCheckListMemory
{
public:
    explicit TCheckListMemory(QString fileName) : fileName_(std::move(fileName)) {}

    QString Path() const;
    // The rows of the list whose names the file holds (compared without regard to case), in list
    // order; a name the list lacks is ignored, and without a file no row is ticked. Raises
    // EInOutError when the file is there but cannot be read.
    QList<int> TickedRows(const QStringList &items) const;
    // Replaces the file with the ticked names. Raises EInOutError, naming the file, when it cannot
    // be written; the file stays as it was.
    void Save(const QStringList &ticked) const;

private:
    QString fileName_;
};

// The file of the automatic standings update's categories.
inline constexpr const char StandingsUpdateSelectionFile[] = "selBaum.txt";

} // namespace tav::analysis
