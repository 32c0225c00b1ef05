#pragma once

#include "editors/result_text_format.h"
#include "platform/core/errors.h"

#include <QDate>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>

class TTavrolinDM;

// Reads the lines of a text result file into the matches of the data module's current
// competition, through a column layout. One run is one transaction: a line that cannot be read
// or stored undoes the whole run.

namespace tav::editors {

enum class TImportKind
{
    // Adds the competition's teams and inserts every match not yet there, matchdays numbered as
    // the file separates them.
    NewCompetition,
    // Writes results and dates into matches already there, whatever their matchday.
    Update,
};

// A run stopped at a line; nothing of the run was kept.
class EImportError : public Exception
{
public:
    EImportError(int line, const QString &reason);
    int Line() const { return line_; }

private:
    int line_;
};

// Asks about one unknown spelling: returns a modal result; mrAbort stops the run.
using TResolveTeamName = std::function<int(const QString &spelling)>;
// Called once per line read.
using TImportStep = std::function<void()>;

// Passes the home and away piece of every line that holds one (not a separator) through the
// resolver when no team of the current competition's country has it, before anything is written; a
// spelling is asked about once per check. False when the user aborted.
bool CheckTeamNames(TTavrolinDM &dm, const QStringList &lines, const TResultLayout &layout,
                    const TResolveTeamName &resolve, const TImportStep &step = {});

struct TImportSummary
{
    int Inserted = 0;
    int Updated = 0;
    int TeamsAdded = 0;
};

class TResultImport
{
public:
    explicit TResultImport(TTavrolinDM &dm);

    // Runs over the lines into the current competition. Raises EImportError naming the line
    // (from 1) and the reason; the database and the updated pairings are then as before the run.
    TImportSummary Run(const QStringList &lines, const TResultLayout &layout, TImportKind kind,
                       const TImportStep &step = {});

    // Forgets which pairings were updated: a later update writes their first match again.
    void ClearUpdatedPairs() { UpdatedPairs.clear(); }

private:
    struct TCompetition
    {
        QVariant DNo;
        QVariant KratosNo;
        int Rounds = 0;
    };

    bool ParseResultLine(const QString &line, const TResultLayout &layout);
    enum class TPieceKind
    {
        Team,
        Score,
        Other,
    };
    // A team when a team of the country carries the piece upper-cased as its English name; else a
    // score when it looks like one ("2-1", "[2]-[1]", "-").
    TPieceKind ClassifyPiece(const QString &piece) const;
    // The competition team (RecNo) of a known spelling; 0 when the team plays no part in the
    // competition and insert is false.
    int TeamRecNo(const QString &spelling, bool insert, TImportSummary &summary);
    void InsertParsedMatch(TImportSummary &summary);
    void UpdateParsedMatch(TImportSummary &summary);
    void LoadTeams();

    TTavrolinDM &dm_;
    TCompetition competition_;
    int currentYear_ = 0;

    // State of a run, set anew at its start.
    int MatchdayCounter = 0;
    QDate CurrentDate;
    bool LineHasDate = false;
    QString ParsedHome, ParsedAway, ParsedScore;
    int HomeRecNo = 0, AwayRecNo = 0;
    // Team numbers by spelling of the country, and competition teams by team number.
    QHash<QString, int> teamNos_;
    QHash<int, int> recNos_;
    QHash<int, int> teamOfRecNo_;

    // How often each pairing ("home-away" record numbers) was updated since the window showed.
    QHash<QString, int> UpdatedPairs;
};

} // namespace tav::editors
