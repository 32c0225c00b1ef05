#include "editors/result_import.h"

#include "data/data_module.h"
#include "editors/team_name_aliases.h"
#include "platform/core/modal_result.h"
#include "platform/db/dataset.h"
#include "platform/db/sqlite_statement.h"

#include <QSet>

namespace tav::editors {

namespace {

const char kLineError[] = "Η ενημέρωση σταμάτησε στη γραμμή %1: %2\nΔεν αποθηκεύτηκε καμία αλλαγή.";
const char kNoCompetition[] = "δεν έχει επιλεγεί διοργάνωση";
const char kNoDate[] = "ο αγώνας δεν έχει ημερομηνία";
const char kTeamRefused[] = "η ομάδα %1 δεν μπήκε στη διοργάνωση";

const char kTeamsSql[] = "SELECT EnName, TeamNo FROM Omades WHERE KratosNo = ?1";
const char kCompetitionTeamsSql[] = "SELECT RecNo, TeamNo FROM PerOmades WHERE DiorNo = ?1";
const char kFindInMatchdaySql[] = "SELECT GameNo FROM Agvnes WHERE DiorgNo = ?1 AND Agvnistikh = ?2 AND "
                                  "Ghpedoyxos = ?3 AND Filojenoymenh = ?4 ORDER BY GameNo LIMIT 1";
const char kFindPairingSql[] = "SELECT GameNo FROM Agvnes WHERE DiorgNo = ?1 AND Ghpedoyxos = ?2 AND "
                               "Filojenoymenh = ?3 ORDER BY Agvnistikh, Omilos, GameNo LIMIT 1 OFFSET ?4";
const char kUpdateSql[] =
    "UPDATE Agvnes SET TelGGoals = COALESCE(?2, TelGGoals), "
    "TelFGoals = COALESCE(?3, TelFGoals), \"Date\" = COALESCE(?4, \"Date\") WHERE GameNo = ?1";
const char kInsertSql[] =
    "INSERT INTO Agvnes (DiorgNo, Agvnistikh, Ghpedoyxos, Filojenoymenh, \"Date\", "
    "TelGGoals, TelFGoals, GTeamNo, FTeamNo) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9)";

QVariant Optional(const std::optional<int> &value)
{
    return value ? QVariant(*value) : QVariant();
}

QString TeamPiece(const QString &line, const QString &start, const QString &length)
{
    return CutPiece(line, LayoutInteger(start), LayoutInteger(length));
}

} // namespace

EImportError::EImportError(int line, const QString &reason)
    : Exception(QString::fromUtf8(kLineError).arg(line).arg(reason)), line_(line)
{
}

bool CheckTeamNames(TTavrolinDM &dm, const QStringList &lines, const TResultLayout &layout,
                    const TResolveTeamName &resolve, const TImportStep &step)
{
    const QVariant country = CurrentCompetitionCountry(dm);
    QSet<QString> asked;
    for (const QString &line : lines) {
        if (step)
            step();
        // A separator line carries a matchday number where the teams stand, never a team.
        if (line.trimmed().startsWith(QLatin1Char('-')))
            continue;
        for (const auto &[start, length] :
             {std::pair{layout.GhpStart, layout.GhpLen}, std::pair{layout.FilStart, layout.FilLen}}) {
            const QString spelling = TeamPiece(line, start, length).toUpper();
            if (spelling.isEmpty() || spelling.startsWith(QLatin1Char('-')) || asked.contains(spelling) ||
                IsKnownTeamName(dm, country, spelling))
                continue;
            asked.insert(spelling);
            if (resolve(spelling) == mrAbort)
                return false;
        }
    }
    return true;
}

TResultImport::TResultImport(TTavrolinDM &dm) : dm_(dm) {}

TImportSummary TResultImport::Run(const QStringList &lines, const TResultLayout &layout, TImportKind kind,
                                  const TImportStep &step)
{
    TImportSummary summary;
    if (!dm_.Diorganvseis.Active() || dm_.Diorganvseis.IsEmpty())
        throw EImportError(1, QString::fromUtf8(kNoCompetition));
    competition_ = {dm_.Diorganvseis.FieldByName(QStringLiteral("DNo")).Value(),
                    dm_.Diorganvseis.FieldByName(QStringLiteral("KratosNo")).Value(),
                    dm_.Diorganvseis.FieldByName(QStringLiteral("Rounds")).AsInteger()};
    currentYear_ = QDate::currentDate().year();
    MatchdayCounter = 0;
    CurrentDate = QDate();
    const QHash<QString, int> pairsBefore = UpdatedPairs;
    int lineNo = 0;
    try {
        TransactionGuard transaction(dm_.TavrolinDb);
        LoadTeams();
        for (const QString &line : lines) {
            ++lineNo;
            if (step)
                step();
            if (!ParseResultLine(line, layout))
                continue;
            if (kind == TImportKind::NewCompetition)
                InsertParsedMatch(summary);
            else
                UpdateParsedMatch(summary);
        }
        transaction.Commit();
    } catch (const EImportError &) {
        UpdatedPairs = pairsBefore;
        throw;
    } catch (const Exception &error) {
        UpdatedPairs = pairsBefore;
        if (dm_.POmades.Active())
            dm_.POmades.Refresh();
        throw EImportError(qMax(lineNo, 1), error.Message());
    }
    return summary;
}

void TResultImport::LoadTeams()
{
    DbConnection &connection = dm_.TavrolinDb.Connection();
    teamNos_.clear();
    recNos_.clear();
    teamOfRecNo_.clear();
    {
        DbConnection::Lease teams = connection.Statement(QString::fromUtf8(kTeamsSql));
        teams->BindAll({competition_.KratosNo});
        while (teams->Step())
            teamNos_.insert(teams->Text(0), int(teams->Int64(1)));
    }
    DbConnection::Lease competitionTeams = connection.Statement(QString::fromUtf8(kCompetitionTeamsSql));
    competitionTeams->BindAll({competition_.DNo});
    while (competitionTeams->Step()) {
        const int recNo = int(competitionTeams->Int64(0));
        const int teamNo = int(competitionTeams->Int64(1));
        if (!recNos_.contains(teamNo))
            recNos_.insert(teamNo, recNo);
        teamOfRecNo_.insert(recNo, teamNo);
    }
}

TResultImport::TPieceKind TResultImport::ClassifyPiece(const QString &piece) const
{
    if (teamNos_.contains(piece.toUpper()))
        return TPieceKind::Team;
    if (piece == QLatin1String("-"))
        return TPieceKind::Score;
    if (!piece.contains(QLatin1Char('-')))
        return TPieceKind::Other;
    const QChar first = piece.front();
    const QChar last = piece.back();
    const auto digit = [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); };
    return (digit(first) && digit(last)) || (first == QLatin1Char('[') && last == QLatin1Char(']'))
               ? TPieceKind::Score
               : TPieceKind::Other;
}

bool TResultImport::ParseResultLine(const QString &line, const TResultLayout &layout)
{
    const QString trimmed = line.trimmed();
    if (trimmed.isEmpty())
        return false;
    ParsedHome.clear();
    ParsedAway.clear();
    ParsedScore.clear();
    LineHasDate = false;
    if (trimmed.startsWith(QLatin1Char('-')) && layout.LineDivision)
        ++MatchdayCounter;
    const QString date = CutPiece(line, LayoutInteger(layout.DateStart), LayoutInteger(layout.DateLen));
    if (!date.isEmpty() && layout.DateType >= 0) {
        if (const std::optional<QDate> parsed = ParseResultDate(layout.DateType, date, currentYear_)) {
            CurrentDate = *parsed;
            LineHasDate = true;
            if (layout.DateDivision)
                ++MatchdayCounter;
        }
    }
    const QString home = TeamPiece(line, layout.GhpStart, layout.GhpLen);
    if (!home.isEmpty() && ClassifyPiece(home) == TPieceKind::Team)
        ParsedHome = home.toUpper();
    const QString away = TeamPiece(line, layout.FilStart, layout.FilLen);
    if (!away.isEmpty() && ClassifyPiece(away) == TPieceKind::Team)
        ParsedAway = away.toUpper();
    const QString score = TeamPiece(line, layout.ScoreStart, layout.ScoreLen);
    if (!score.isEmpty() && ClassifyPiece(score) == TPieceKind::Score)
        ParsedScore = KeptScore(layout.ScoreType, score);
    return !ParsedHome.isEmpty() && !ParsedAway.isEmpty();
}

int TResultImport::TeamRecNo(const QString &spelling, bool insert, TImportSummary &summary)
{
    const int teamNo = teamNos_.value(spelling);
    if (const auto found = recNos_.constFind(teamNo); found != recNos_.constEnd())
        return *found;
    if (!insert)
        return 0;
    // The data module's rules fill the competition and the names from the team under its cursor.
    tav::data::OpenIfClosed(dm_.Omades);
    dm_.Omades.Locate(QStringLiteral("KratosNo;EnName"), {competition_.KratosNo, spelling});
    tav::data::OpenIfClosed(dm_.POmades);
    bool stored = dm_.POmades.Insert();
    if (stored) {
        dm_.POmades.FieldByName(QStringLiteral("TeamNo")).SetAsInteger(teamNo);
        stored = dm_.POmades.Post();
        if (!stored)
            dm_.POmades.Cancel();
    }
    if (!stored)
        throw Exception(QString::fromUtf8(kTeamRefused).arg(spelling));
    const int recNo = dm_.POmades.FieldByName(QStringLiteral("RecNo")).AsInteger();
    recNos_.insert(teamNo, recNo);
    teamOfRecNo_.insert(recNo, teamNo);
    ++summary.TeamsAdded;
    return recNo;
}

void TResultImport::InsertParsedMatch(TImportSummary &summary)
{
    HomeRecNo = TeamRecNo(ParsedHome, true, summary);
    AwayRecNo = TeamRecNo(ParsedAway, true, summary);
    const TSplitScore goals = SplitScore(ParsedScore);
    DbConnection &connection = dm_.TavrolinDb.Connection();
    DbConnection::Lease find = connection.Statement(QString::fromUtf8(kFindInMatchdaySql));
    find->BindAll({competition_.DNo, MatchdayCounter, HomeRecNo, AwayRecNo});
    if (find->Step()) {
        const qint64 gameNo = find->Int64(0);
        find->Reset();
        DbConnection::Lease update = connection.Statement(QString::fromUtf8(kUpdateSql));
        update->BindAll({gameNo, Optional(goals.Home), Optional(goals.Away), QVariant()});
        update->Execute();
        ++summary.Updated;
        return;
    }
    // Lines before the first matchday mark belong to no matchday.
    if (MatchdayCounter <= 0)
        return;
    if (!CurrentDate.isValid())
        throw Exception(QString::fromUtf8(kNoDate));
    DbConnection::Lease insert = connection.Statement(QString::fromUtf8(kInsertSql));
    insert->BindAll({competition_.DNo, MatchdayCounter, HomeRecNo, AwayRecNo, CurrentDate,
                     Optional(goals.Home), Optional(goals.Away), teamOfRecNo_.value(HomeRecNo),
                     teamOfRecNo_.value(AwayRecNo)});
    insert->Execute();
    ++summary.Inserted;
}

void TResultImport::UpdateParsedMatch(TImportSummary &summary)
{
    HomeRecNo = TeamRecNo(ParsedHome, false, summary);
    AwayRecNo = TeamRecNo(ParsedAway, false, summary);
    if (HomeRecNo == 0 || AwayRecNo == 0)
        return;
    // A pairing played more than once at the same ground: each later line of it in one showing
    // writes its next match, and a line beyond its last match writes nothing.
    const QString key = QString::number(HomeRecNo) + QLatin1Char('-') + QString::number(AwayRecNo);
    const int earlier = competition_.Rounds >= 3 ? UpdatedPairs.value(key) : 0;
    DbConnection &connection = dm_.TavrolinDb.Connection();
    DbConnection::Lease find = connection.Statement(QString::fromUtf8(kFindPairingSql));
    find->BindAll({competition_.DNo, HomeRecNo, AwayRecNo, earlier});
    if (!find->Step())
        return;
    const qint64 gameNo = find->Int64(0);
    find->Reset();
    const TSplitScore goals = SplitScore(ParsedScore);
    // Only a date read from this very line replaces the stored one.
    DbConnection::Lease update = connection.Statement(QString::fromUtf8(kUpdateSql));
    update->BindAll({gameNo, Optional(goals.Home), Optional(goals.Away),
                     LineHasDate ? QVariant(CurrentDate) : QVariant()});
    update->Execute();
    if (competition_.Rounds >= 3)
        UpdatedPairs[key] = earlier + 1;
    ++summary.Updated;
}

} // namespace tav::editors
