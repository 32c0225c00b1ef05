// The integrity rules of the shared tables: what a window may store or delete through them.

#include "data/data_module.h"

#include "platform/core/format.h"
#include "platform/core/message_service.h"
#include "platform/db/db_errors.h"

#include <QScopeGuard>

namespace {

const QString SeasonInUse =
    QStringLiteral("Σε αυτή την περίοδο υπάρχουν καταχωρημένα στοιχεία στις διοργανώσεις!\n"
                   "Δεν μπορεί να διαγραφεί");
const QString EnglishNameRequired = QStringLiteral("Πρέπει να καταχωρήσετε και το αγγλικό όνομα.");
const QString TeamExists = QStringLiteral("Η Ομάδα αυτή υπάρχει!");
const QString ConfirmSave = QStringLiteral("Θέλετε να αποθηκεύσετε τις αλλαγές;");
const QString CompetitionExists = QStringLiteral("Η Διοργάνωση αυτή υπάρχει!");
const QString TeamLimitReached =
    QStringLiteral("Δεν μπορείτε να καταχωρήσετε άλλη ομάδα ,έχετε καλύψει τον αριθμό ομάδων που δηλώσατε.");
const QString CompetitionTeamExists = QStringLiteral("Αυτή η ομάδα υπάρχει!");
const QString MatchLimitReached =
    QStringLiteral("Δεν μπορείτε να καταχωρήσετε άλλο αγώνα ,έχετε καλύψει τον αριθμό αγώνων.");
const QString DateRequired = QStringLiteral("Η Ημερομηνία είναι υποχρεωτικό πεδίο για την αποθήκευση!");
const QString NotATeamOfTheCompetition =
    QStringLiteral("Η ομάδα %d του αγώνα δεν είναι ομάδα της διοργάνωσης %d");

const QString HeadToHeadSession = QStringLiteral("Session1_2");
const QString OwnSession = QStringLiteral("Session1_1");

// The query's text, with every parameter typed like the field whose value it gets.
void SetQueryText(TQuery &query, const QStringList &lines)
{
    query.Close();
    query.SQL().SetText(lines.join('\n'));
}

void BindField(TQuery &query, const QString &param, const TField &field)
{
    TParam &target = query.ParamByName(param);
    target.SetDataType(field.DataType());
    target.SetValue(field.Value());
}

bool HasCurrentRecord(TDataSet &dataSet)
{
    return dataSet.Active() && !dataSet.IsEmpty();
}

[[noreturn]] void Refuse(const QString &message)
{
    ShowMessage(message);
    Abort();
}

} // namespace

// --- deletes ----------------------------------------------------------------------------------

void TTavrolinDM::PeriodosBeforeDelete(TDataSet &DataSet)
{
    const QVariant season = DataSet.FieldByName(QStringLiteral("Periodos")).Value();
    if (!SelectRow(QStringLiteral(R"(SELECT 1 FROM "Diorganvseis" WHERE "Periodos" = ?1 LIMIT 1)"), {season})
             .isEmpty())
        Refuse(SeasonInUse);
}

// The editors delete these records through explicit statements that remove the dependent rows too.
void TTavrolinDM::KrathBeforeDelete(TDataSet &)
{
    Abort();
}

void TTavrolinDM::KathgoriesBeforeDelete(TDataSet &)
{
    Abort();
}

void TTavrolinDM::OmadesBeforeDelete(TDataSet &)
{
    Abort();
}

void TTavrolinDM::DiorganvseisBeforeDelete(TDataSet &)
{
    Abort();
}

void TTavrolinDM::POmadesBeforeDelete(TDataSet &)
{
    Abort();
}

void TTavrolinDM::GamePeriodsBeforeDelete(TDataSet &)
{
    Abort();
}

// --- teams ------------------------------------------------------------------------------------

void TTavrolinDM::OmadesBeforePost(TDataSet &DataSet)
{
    if (DataSet.State() != TDataSetState::dsInsert)
        return;
    TField &teamNo = DataSet.FieldByName(QStringLiteral("TeamNo"));
    TField &kratosNo = DataSet.FieldByName(QStringLiteral("KratosNo"));
    const QString enName = DataSet.FieldByName(QStringLiteral("EnName")).AsString();

    SetQueryText(OmadesQry, {QStringLiteral("Select * From Omades Where Name=:Name")});
    BindField(OmadesQry, QStringLiteral("Name"), DataSet.FieldByName(QStringLiteral("Name")));
    OmadesQry.Open();
    const bool nameExists = !OmadesQry.IsEmpty();
    if (HasCurrentRecord(Krath))
        kratosNo.SetValue(Krath.FieldByName(QStringLiteral("RecNo")).Value());
    if (enName.trimmed().isEmpty()) {
        OmadesQry.Close();
        Refuse(EnglishNameRequired);
    }
    for (OmadesQry.First(); !OmadesQry.Eof(); OmadesQry.Next())
        if (OmadesQry.FieldByName(QStringLiteral("EnName")).AsString() == enName &&
            OmadesQry.FieldByName(QStringLiteral("KratosNo")).Value() == kratosNo.Value()) {
            OmadesQry.Close();
            Refuse(TeamExists);
        }
    // A new Greek name is a new team. A known one keeps the number the caller gave (another
    // spelling of that team); without one it is a new team of the same name.
    if (!nameExists || teamNo.IsNull()) {
        SetQueryText(OmadesQry, {QStringLiteral("Select Max(TeamNo) From Omades")});
        OmadesQry.Open();
        teamNo.SetValue(OmadesQry.Fields()[0].AsInteger() + 1);
    }
    OmadesQry.Close();
}

// --- competitions -----------------------------------------------------------------------------

void TTavrolinDM::DiorganvseisAfterEdit(TDataSet &DataSet)
{
    if (HasCurrentRecord(Kathgories))
        DataSet.FieldByName(QStringLiteral("KratosNo"))
            .SetValue(Kathgories.FieldByName(QStringLiteral("Kratos")).Value());
}

bool TTavrolinDM::PostConfirmed(TDataSet &DataSet)
{
    saveConfirmed_ = true;
    const auto answered = qScopeGuard([this] { saveConfirmed_ = false; });
    return DataSet.Post();
}

void TTavrolinDM::DiorganvseisBeforePost(TDataSet &DataSet)
{
    if (!saveConfirmed_ && MessageDlg(ConfirmSave, mtConfirmation, {mbYes, mbNo}) != mrYes)
        Abort();
    SetQueryText(POmadesQry,
                 {QStringLiteral("Select * From Diorganvseis Where KatNo=:KatNo AND Typos=:Typos AND "
                                 "Periodos=:Periodos AND Omades=:Omades AND Nikh=:Nikh"),
                  QStringLiteral(" AND Isop=:Isop AND Htta=:Htta AND Rounds=:Rounds")});
    for (const char *name : {"KatNo", "Typos", "Periodos", "Omades", "Nikh", "Isop", "Htta", "Rounds"})
        BindField(POmadesQry, QString::fromLatin1(name), DataSet.FieldByName(QString::fromLatin1(name)));
    POmadesQry.Open();
    const bool found = !POmadesQry.IsEmpty();
    POmadesQry.Close();
    if (found && DataSet.State() == TDataSetState::dsInsert)
        Refuse(CompetitionExists);
    if (HasCurrentRecord(Kathgories)) {
        DataSet.FieldByName(QStringLiteral("KratosNo"))
            .SetValue(Kathgories.FieldByName(QStringLiteral("Kratos")).Value());
        DataSet.FieldByName(QStringLiteral("Typos"))
            .SetValue(Kathgories.FieldByName(QStringLiteral("Typos")).Value());
    }
}

void TTavrolinDM::DiorganvseisAfterScroll(TDataSet &DataSet)
{
    // A competition being inserted has no country and no number yet: it shows no teams.
    auto value = [&](const char *field) {
        const TField &source = DataSet.FieldByName(QString::fromLatin1(field));
        return source.IsNull() ? QStringLiteral("null") : QString::number(source.AsInteger());
    };
    Omades.SetFilter(QStringLiteral("KratosNo=") + value("KratosNo"));
    Omades.SetFiltered(true);
    POmades.SetFilter(QStringLiteral("DiorNo=") + value("DNo"));
    POmades.SetFiltered(true);
}

// --- competition teams ------------------------------------------------------------------------

void TTavrolinDM::POmadesBeforeInsert(TDataSet &)
{
    if (!HasCurrentRecord(Diorganvseis))
        return;
    SetQueryText(POmadesQry, {QStringLiteral("Select Count(RecNo) From PerOmades Where DiorNo=:DiorNo")});
    BindField(POmadesQry, QStringLiteral("DiorNo"), Diorganvseis.FieldByName(QStringLiteral("DNo")));
    POmadesQry.Open();
    const int count = POmadesQry.Fields()[0].AsInteger();
    POmadesQry.Close();
    if (count >= Diorganvseis.FieldByName(QStringLiteral("Omades")).AsInteger())
        Refuse(TeamLimitReached);
}

void TTavrolinDM::POmadesAfterInsert(TDataSet &DataSet)
{
    if (!CompetitionEditorOpen)
        return;
    QString enName =
        HasCurrentRecord(Omades) ? Omades.FieldByName(QStringLiteral("EnName")).AsString() : QString();
    if (enName.trimmed().isEmpty()) {
        // The head-to-head window's session when it exists; the engine shares one connection.
        EnNameQry.Close();
        EnNameQry.SetSessionName(TSession::FindSession(HeadToHeadSession) ? HeadToHeadSession : OwnSession);
        SetQueryText(EnNameQry,
                     {QStringLiteral("Select EnName From PerOmades Where TeamNo=:TeamNo Order By RecNo")});
        BindField(EnNameQry, QStringLiteral("TeamNo"), DataSet.FieldByName(QStringLiteral("TeamNo")));
        EnNameQry.Open();
        enName = EnNameQry.IsEmpty() ? QString() : EnNameQry.Fields()[0].AsString();
        EnNameQry.Close();
    }
    SetFieldText(DataSet.FieldByName(QStringLiteral("EnName")), enName);
}

void TTavrolinDM::POmadesBeforePost(TDataSet &DataSet)
{
    CopyTeamNames(DataSet);
    if (DataSet.State() != TDataSetState::dsInsert)
        return;
    SetQueryText(POmadesQry,
                 {QStringLiteral("Select * From PerOmades Where DiorNo=:DiorNo AND TeamNo=:TeamNo AND "
                                 "GrName=:GrName AND EnName=:EnName")});
    for (const char *name : {"DiorNo", "TeamNo", "GrName", "EnName"})
        BindField(POmadesQry, QString::fromLatin1(name), DataSet.FieldByName(QString::fromLatin1(name)));
    POmadesQry.Open();
    const bool found = !POmadesQry.IsEmpty();
    POmadesQry.Close();
    if (found)
        Refuse(CompetitionTeamExists);
}

// The names come from the team under the cursor of Omades, where the editor's team list puts the
// user's choice (one of a team's spellings); a record of another team, edited while that cursor
// stands elsewhere, takes its own team's names by its number.
void TTavrolinDM::CopyTeamNames(TDataSet &team)
{
    const QVariant teamNo = team.FieldByName(QStringLiteral("TeamNo")).Value();
    QVariantList names;
    if (HasCurrentRecord(Omades) &&
        (teamNo.isNull() || Omades.FieldByName(QStringLiteral("TeamNo")).Value() == teamNo))
        names = {Omades.FieldByName(QStringLiteral("Name")).Value(),
                 Omades.FieldByName(QStringLiteral("EnName")).Value()};
    else if (!teamNo.isNull())
        names = SelectRow(QStringLiteral(R"(SELECT "Name", "EnName" FROM "Omades" WHERE "TeamNo" = ?1 )"
                                         R"(ORDER BY "KratosNo", "Name", "EnName" LIMIT 1)"),
                          {teamNo});
    if (names.isEmpty())
        return;
    SetFieldText(team.FieldByName(QStringLiteral("GrName")), names.at(0).toString());
    SetFieldText(team.FieldByName(QStringLiteral("EnName")), names.at(1).toString());
}

// --- matches ----------------------------------------------------------------------------------

void TTavrolinDM::AgvnesNewRecord(TDataSet &DataSet)
{
    if (DataSet.FieldByName(QStringLiteral("DiorgNo")).IsNull() ||
        DataSet.FieldByName(QStringLiteral("Agvnistikh")).IsNull())
        return;
    CheckMatchLimit(DataSet);
}

void TTavrolinDM::AgvnesBeforePost(TDataSet &DataSet)
{
    if (DataSet.FieldByName(QStringLiteral("Date")).IsNull()) {
        DataSet.Cancel();
        ShowMessage(DateRequired);
        return;
    }
    CheckMatchLimit(DataSet);
    const QVariant diorgNo = DataSet.FieldByName(QStringLiteral("DiorgNo")).Value();
    const std::pair<const char *, const char *> sides[] = {{"Ghpedoyxos", "GTeamNo"},
                                                           {"Filojenoymenh", "FTeamNo"}};
    for (const auto &[side, target] : sides) {
        const QVariant perTeam = DataSet.FieldByName(QString::fromLatin1(side)).Value();
        const QVariantList team = SelectRow(
            QStringLiteral(R"(SELECT "TeamNo" FROM "PerOmades" WHERE "DiorNo" = ?1 AND "RecNo" = ?2)"),
            {diorgNo, perTeam});
        if (team.isEmpty())
            throw EDatabaseError(Format(NotATeamOfTheCompetition, {perTeam.toInt(), diorgNo.toInt()}));
        DataSet.FieldByName(QString::fromLatin1(target)).SetValue(team.first());
    }
}

// A league matchday holds at most half as many matches as the league has teams. The count is of
// the matchday the new (or moved) match goes to, whichever match the cursor stood on. A new match
// is checked when it starts and again when it is stored; an edit only when it moves the match.
void TTavrolinDM::CheckMatchLimit(TDataSet &match)
{
    const QVariant diorgNo = match.FieldByName(QStringLiteral("DiorgNo")).Value();
    const QVariant agvnistikh = match.FieldByName(QStringLiteral("Agvnistikh")).Value();
    if (match.State() == TDataSetState::dsEdit) {
        const QVariantList stored =
            SelectRow(QStringLiteral(R"(SELECT "DiorgNo", "Agvnistikh" FROM "Agvnes" WHERE "GameNo" = ?1)"),
                      {match.FieldByName(QStringLiteral("GameNo")).Value()});
        if (stored.size() == 2 && stored.at(0).toInt() == diorgNo.toInt() &&
            stored.at(1).toInt() == agvnistikh.toInt())
            return;
    }
    const QVariantList competition = SelectRow(
        QStringLiteral(R"(SELECT "Typos", "Omades" FROM "Diorganvseis" WHERE "DNo" = ?1)"), {diorgNo});
    if (competition.isEmpty() || competition.at(0).isNull() || competition.at(0).toInt() != 0)
        return;
    const int count =
        SelectValue(QStringLiteral(
                        R"(SELECT Count("GameNo") FROM "Agvnes" WHERE "DiorgNo" = ?1 AND "Agvnistikh" = ?2)"),
                    {diorgNo, agvnistikh})
            .toInt();
    if (count >= competition.at(1).toInt() / 2)
        Refuse(MatchLimitReached);
}
