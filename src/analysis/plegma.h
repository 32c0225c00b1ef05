#pragma once

#include "analysis/standings_engine.h"

#include <QString>
#include <QStringList>

#include <map>
#include <vector>

class TTavrolinDM;

namespace tav::analysis {

// The results cross-table of a league: a row per team at home, a column (two in a league of more
// than two rounds) per team away, the score of their meeting where they cross, and around the
// crossings a small league table of the same matches: each row team's rank, points and home
// wins, draws and losses, each column team's rank, points and away wins, draws and losses.

// How the rows and columns are ordered (the window's view).
enum class TPlegmaView
{
    Name = 0,       // "Όνομα": names in code page 1253 byte order
    Points = 1,     // "Βαθμολογία": the league table
    HomePoints = 2, // "Βαθμολογία Εντός": the home table
    AwayPoints = 3, // "Βαθμολογία Εκτός": the away table
};

// One team of the table: its name in the competition and its counters (TeamKey: its RecNo).
struct TPlegmaEntry
{
    QString Name;
    TStandingsEntry Stats;
};
using TPlegmaTable = std::vector<TPlegmaEntry>;

// What a table is built over besides the teams and the matches.
struct TPlegmaSettings
{
    TPointsRule Rule;
    // The competition's rounds (2 for a cup): more than two give each team two columns.
    int Rounds = 2;
    TPlegmaView View = TPlegmaView::Points;
    // The first and last matchday counted.
    int First = 1;
    int Last = 1;
    // The competition's current matchday: its unplayed matches of the next one show "?-?".
    int Current = 1;
};

// The built table and its cells, laid out as the window's grid shows them: rows 0 to 4 the column
// teams' rank, points, away wins, draws and losses; row 5 the names of the column teams; column 5
// the names of the row teams; columns 0 to 4 the row teams' rank, points, home wins, draws and
// losses; team i (from 1) in row i + 5 and column i + 5, or columns 2i + 4 and 2i + 5.
struct TPlegma
{
    // The teams in the order shown; the home and away tables.
    TPlegmaTable PlegmaTable;
    TPlegmaTable PlegmaHomeTable;
    TPlegmaTable PlegmaAwayTable;
    int ColsPerTeam = 1;
    // Cells[row][column]; every row holds ColCount() texts.
    std::vector<QStringList> Cells;

    int RowCount() const { return int(Cells.size()); }
    int ColCount() const { return Cells.empty() ? 0 : int(Cells.front().size()); }
    QString Cell(int col, int row) const;
};

// The labels of the statistics: rank, points, wins, draws, losses.
inline constexpr const char *PlegmaLabels[] = {"Α/Α", "Β", "Ν", "Ι", "Η"};
// The crossing cell of a coming match without result.
inline constexpr char PlegmaComing[] = "?-?";

// The columns a team takes: two when the competition has more than two rounds.
int PlegmaColsPerTeam(int rounds);
// The team (from 1) whose column col is, or 0 for columns 0 to 5.
int PlegmaTeamOfColumn(int col, int colsPerTeam);
// A cell of a team against itself: in a team's row, one of its own columns.
bool IsOwnPlegmaCell(int col, int row, int colsPerTeam);

// The table of the teams (in the competition's order) over the matches (ascending matchday; those
// before First are passed over, and the walk ends at the first beyond Last). A match naming a team
// that is not in the list is neither counted nor shown.
TPlegma BuildPlegma(const std::vector<TStandingsTeam> &teams, const std::vector<TStandingsMatch> &matches,
                    const TPlegmaSettings &settings);

// Sorts entries first to last (counted from 0) by name, byte by byte in code page 1253, shorter
// first on a common beginning, case kept; equal names and blank names stay where they are.
void SortPlegmaByName(TPlegmaTable &table, int first, int last);

// Writes the labels and each team's rank, points for the view and counts around the crossings.
void FillPlegmaStats(TPlegma &plegma, TPlegmaView view);

// Gives teams other names (by RecNo) in the name row and column: the English pages.
void RenamePlegmaTeams(TPlegma &plegma, const std::map<int, QString> &names);

// The matches of competition DNo from matchday first on, by matchday and then by the matches
// table's key, read through the data module's PlegmaQuery.
std::vector<TStandingsMatch> ReadPlegmaMatches(TTavrolinDM &dm, int DNo, int first);

} // namespace tav::analysis
