#include "data/data_module.h"

#include "data/schema_tables.h"
#include "platform/core/long_lived.h"
#include "platform/core/message_service.h"
#include "platform/db/alias_store.h"
#include "platform/db/db_errors.h"

using namespace tav::data;

namespace {

const QString AliasName = QStringLiteral("Tavrolin");
const QString SessionName = QStringLiteral("Session1_1");
// The table password of the original tables; the engine accepts it and needs none.
const QString TablePassword = QStringLiteral("vorpel");

const QString NoAliasMessage = QStringLiteral("Δεν βρέθηκε η συντόμευση βάσης δεδομένων \"Tavrolin\".\n"
                                              "Εκτελέστε το πρόγραμμα ormandel για να την καταχωρήσετε.");
const QString NoAccessMessage =
    QStringLiteral("Προσπαθείτε να ανοίξετε κάποιο αρχείο που δεν έχετε πρόσβαση.\n"
                   "Παρακαλώ επικοινωνήστε μαζί μας");

void SetUpTable(TTable &table, const QString &tableName)
{
    table.SetSessionName(SessionName);
    table.SetDatabaseName(AliasName);
    table.SetTableName(tableName);
}

void SetUpQuery(TQuery &query, const QStringList &lines = {})
{
    query.SetSessionName(SessionName);
    query.SetDatabaseName(AliasName);
    for (const QString &line : lines)
        query.SQL().Add(line);
}

void SetParamType(TQuery &query, const QString &name, TFieldType type)
{
    query.ParamByName(name).SetDataType(type);
}

// A dataset with lookup fields opens the datasets it looks values up in, so that its names
// show whichever window opened it first.
void OpenLookupSources(TDataSet &dataSet)
{
    for (int i = 0; i < dataSet.FieldCount(); ++i) {
        TDataSet *source = dataSet.Fields()[i].LookupDataSet();
        if (dataSet.Fields()[i].FieldKind() == TFieldKind::fkLookup && source && !source->Active())
            source->Open();
    }
}

} // namespace

TTavrolinDM::TTavrolinDM() : Session1(SessionName)
{
    TavrolinDb.SetAliasName(AliasName);
    TavrolinDb.SetDatabaseName(AliasName);
    TavrolinDb.SetSessionName(SessionName);
    SetUpTables();
    SetUpLookupsAndCalcFields();
    SetUpQueries();
    SetUpEvents();
}

TTavrolinDM::~TTavrolinDM() = default;

std::vector<TDataSet *> TTavrolinDM::Tables()
{
    return {&Periodos,   &Kathgories, &Krath,           &Omades,      &Diorganvseis,
            &POmades,    &Agvnes,     &TeamStat,        &TeamNames,   &LookUpTable,
            &TyposKathg, &Deltia,     &TblUptoDateAgvn, &GamePeriods, &CheckAgvnes};
}

void TTavrolinDM::SetUpTables()
{
    SetUpTable(Periodos, QStringLiteral("Periodos.db"));
    Periodos.SetIndexName(QStringLiteral("IDX_Periodos"));
    SetUpTable(Kathgories, QStringLiteral("Kathgories.DB"));
    Kathgories.SetIndexName(QStringLiteral("NameInd"));
    SetUpTable(Krath, QStringLiteral("Krath.db"));
    Krath.SetIndexName(QStringLiteral("NameInd"));
    SetUpTable(Omades, QStringLiteral("Omades.db"));
    Omades.SetIndexFieldNames(QStringLiteral("KratosNo;Name;EnName"));
    SetUpTable(Diorganvseis, QStringLiteral("Diorganvseis.DB"));
    Diorganvseis.SetIndexFieldNames(QStringLiteral("DNo"));
    dsDiorganvseis.SetDataSet(&Diorganvseis);
    dsDiorganvseis.SetAutoEdit(false);
    SetUpTable(POmades, QStringLiteral("PerOmades.DB"));
    POmades.SetIndexFieldNames(QStringLiteral("DiorNo"));
    POmades.SetMasterSource(&dsDiorganvseis);
    POmades.SetMasterFields(QStringLiteral("DNo"));
    SetUpTable(Agvnes, QStringLiteral("Agvnes.DB"));
    Agvnes.SetIndexFieldNames(QStringLiteral("DiorgNo;Agvnistikh;Omilos;Date"));
    Agvnes.SetFilterOptions({false, true});
    SetUpTable(TeamStat, QStringLiteral("TeamStat.db"));
    TeamStat.SetIndexFieldNames(QStringLiteral("TeamNo;Agvnistikh"));
    SetUpTable(TeamNames, QStringLiteral("TeamNames.db"));
    SetUpTable(LookUpTable, QStringLiteral("LookUp.db"));
    SetUpTable(TyposKathg, QStringLiteral("TyposKathgoria.db"));
    SetUpTable(Deltia, QStringLiteral("Deltia.DB"));
    SetUpTable(TblUptoDateAgvn, QStringLiteral("UpToDateAgvn.db"));
    SetUpTable(GamePeriods, QStringLiteral("GamePeriods.DB"));
    SetUpTable(CheckAgvnes, QStringLiteral("Agvnes.DB"));
    CheckAgvnes.SetReadOnly(true);
    DsOmades.SetDataSet(&Omades);
    SetUpTable(LkOmades, QStringLiteral("Omades.db"));
    LkOmades.SetIndexFieldNames(QStringLiteral("KratosNo;Name;EnName"));
    SetUpTable(LkPerOmades, QStringLiteral("PerOmades.DB"));
    SetUpTable(LkDiorganvseis, QStringLiteral("Diorganvseis.DB"));
}

void TTavrolinDM::SetUpLookupsAndCalcFields()
{
    using enum TFieldType;
    const auto calc = TFieldKind::fkCalculated;

    Kathgories.AddLookupField(QStringLiteral("KratosName"), ftString, 50, QStringLiteral("Kratos"), &Krath,
                              QStringLiteral("RecNo"), QStringLiteral("Name"));
    Kathgories.AddLookupField(QStringLiteral("TyposKathg"), ftString, 20, QStringLiteral("Typos"),
                              &TyposKathg, QStringLiteral("Id"), QStringLiteral("Name"));

    Omades.AddLookupField(QStringLiteral("KrathName"), ftString, 50, QStringLiteral("KratosNo"), &Krath,
                          QStringLiteral("RecNo"), QStringLiteral("Name"));

    Diorganvseis.AddLookupField(QStringLiteral("KatName"), ftString, 50, QStringLiteral("KatNo"), &Kathgories,
                                QStringLiteral("KatNo"), QStringLiteral("GrName"));
    Diorganvseis.AddLookupField(QStringLiteral("Isxys"), ftInteger, 0, QStringLiteral("KatNo"), &Kathgories,
                                QStringLiteral("KatNo"), QStringLiteral("Isxys"));
    Diorganvseis.AddLookupField(QStringLiteral("KatKratos"), ftInteger, 0, QStringLiteral("KatNo"),
                                &Kathgories, QStringLiteral("KatNo"), QStringLiteral("Kratos"));
    Diorganvseis.AddField(QStringLiteral("Onomasia"), calc, ftString, 60);

    // A competition team is a team of the competition's country: its name is looked up, and
    // chosen, among that country's teams.
    POmades.AddLookupField(QStringLiteral("DiorKratosNo"), ftInteger, 0, QStringLiteral("DiorNo"),
                           &LkDiorganvseis, QStringLiteral("DNo"), QStringLiteral("KratosNo"));
    POmades
        .AddLookupField(QStringLiteral("TeamName"), ftString, 30, QStringLiteral("DiorKratosNo;TeamNo"),
                        &LkOmades, QStringLiteral("KratosNo;TeamNo"), QStringLiteral("Name"))
        .SetDisplayWidth(70);
    POmades.AddLookupField(QStringLiteral("EnTeamName"), ftString, 50, QStringLiteral("TeamNo"), &LkOmades,
                           QStringLiteral("TeamNo"), QStringLiteral("EnName"));
    POmades.AddField(QStringLiteral("CalcOmada"), calc, ftString, 70);

    Agvnes.AddField(QStringLiteral("Time"), TFieldKind::fkData, ftTime);
    Agvnes.FieldByName(QStringLiteral("Time")).SetDisplayFormat(QStringLiteral("hh:nn"));
    Agvnes.FieldByName(QStringLiteral("Time")).SetEditMask(QStringLiteral("!90:00;1;_"));
    // The sides of a match are teams of the match's competition, looked up and chosen there.
    Agvnes
        .AddLookupField(QStringLiteral("GName"), ftString, 30, QStringLiteral("DiorgNo;Ghpedoyxos"),
                        &LkPerOmades, QStringLiteral("DiorNo;RecNo"), QStringLiteral("GrName"))
        .SetDisplayLabel(QStringLiteral("Γηπεδούχος"));
    Agvnes.AddLookupField(QStringLiteral("FName"), ftString, 20, QStringLiteral("DiorgNo;Filojenoymenh"),
                          &LkPerOmades, QStringLiteral("DiorNo;RecNo"), QStringLiteral("GrName"));
    Agvnes.AddLookupField(QStringLiteral("DiorgName"), ftString, 20, QStringLiteral("DiorgNo"), &Diorganvseis,
                          QStringLiteral("DNo"), QStringLiteral("KatName"));
    Agvnes.AddLookupField(QStringLiteral("Kratos"), ftInteger, 0, QStringLiteral("DiorgNo"), &Diorganvseis,
                          QStringLiteral("DNo"), QStringLiteral("KratosNo"));
    Agvnes.AddLookupField(QStringLiteral("DiorgKatKratos"), ftInteger, 0, QStringLiteral("DiorgNo"),
                          &Diorganvseis, QStringLiteral("DNo"), QStringLiteral("KatKratos"));
    Agvnes.AddLookupField(QStringLiteral("OmadGName"), ftString, 50, QStringLiteral("GTeamNo"), &LkOmades,
                          QStringLiteral("TeamNo"), QStringLiteral("Name"));
    Agvnes.AddLookupField(QStringLiteral("OmadFName"), ftString, 50, QStringLiteral("FTeamNo"), &LkOmades,
                          QStringLiteral("TeamNo"), QStringLiteral("Name"));
    Agvnes.AddLookupField(QStringLiteral("DiorgOPAPName"), ftString, 3, QStringLiteral("DiorgName"),
                          &Kathgories, QStringLiteral("GrName"), QStringLiteral("OPAP"));
    Agvnes.AddField(QStringLiteral("Score"), calc, ftString, 5);
    Agvnes.AddField(QStringLiteral("Omades"), calc, ftString, 50);
    Agvnes.AddField(QStringLiteral("Result"), calc, ftSmallint);
    Agvnes.AddField(QStringLiteral("FromOmades"), calc, ftString, 100);
    Agvnes.AddField(QStringLiteral("Point"), calc, ftString, 3);

    TeamNames.AddLookupField(QStringLiteral("TName"), ftString, 50, QStringLiteral("TeamNo"), &LkOmades,
                             QStringLiteral("TeamNo"), QStringLiteral("Name"));
    GamePeriods.AddField(QStringLiteral("Name"), calc, ftString, 0);

    for (TQuery *forma : {&QryForma, &QryForma2}) {
        forma->AddLookupField(QStringLiteral("GName"), ftString, 50, QStringLiteral("Ghpedoyxos"),
                              &LkPerOmades, QStringLiteral("RecNo"), QStringLiteral("GrName"));
        forma->AddLookupField(QStringLiteral("FName"), ftString, 50, QStringLiteral("Filojenoymenh"),
                              &LkPerOmades, QStringLiteral("RecNo"), QStringLiteral("GrName"));
        forma->AddField(QStringLiteral("Entos"), calc, ftString, 5);
        forma->AddField(QStringLiteral("Ektos"), calc, ftString, 7);
    }
    PlegmaQuery.AddField(QStringLiteral("Score"), calc, ftString, 5);
    DShowQuery.AddField(QStringLiteral("Agvnistikh"), calc, ftSmallint);
    DShowQuery.AddField(QStringLiteral("Date"), calc, ftDate);
    DShowQuery.AddField(QStringLiteral("MaxAgvnistikh"), calc, ftSmallint);
}

void TTavrolinDM::SetUpQueries()
{
    using enum TFieldType;
    SetUpQuery(DShowQuery,
               {QStringLiteral("select diorganvseis.*,kathgories.grname from diorganvseis,kathgories"),
                QStringLiteral("where (diorganvseis.KatNo = Kathgories.KatNo) and"),
                QStringLiteral("(Diorganvseis.Periodos = :CurrPeriod)"),
                QStringLiteral("order by Kathgories.grname")});
    SetParamType(DShowQuery, QStringLiteral("CurrPeriod"), ftString);
    const QString forma = QStringLiteral(
        "Select * From Agvnes Where (DiorgNo=:PDNo) AND (Filojenoymenh=:PFil OR Ghpedoyxos=:PGhp)");
    for (TQuery *query : {&QryForma, &QryForma2}) {
        SetUpQuery(*query, {forma});
        for (const char *name : {"PDNo", "PFil", "PGhp"})
            SetParamType(*query, QString::fromLatin1(name), ftInteger);
    }
    SetUpQuery(QryStat, {QStringLiteral("Select * From Agvnes Where (DiorgNo=:PDNo)")});
    SetParamType(QryStat, QStringLiteral("PDNo"), ftInteger);
    SetUpQuery(QryDiorg, {QStringLiteral("Select GrName,Periodos from Kathgories, Diorganvseis where "
                                         "Diorganvseis.Katno=kathgories.katno and"),
                          QStringLiteral("diorganvseis.periodos = :Period1 order by Kathgories.GrName")});
    SetParamType(QryDiorg, QStringLiteral("Period1"), ftString);
    SetUpQuery(QryPeriod, {QStringLiteral("Select Periodos from Periodos order by Periodos.Periodos")});
    SetUpQuery(PlegmaQuery, {QStringLiteral("Select * from Agvnes")});
    SetUpQuery(Query1, {QStringLiteral("Select * From Agvnes")});
    SetUpQuery(PLQry, {QStringLiteral("Select * from PerOmades")});
    SetUpQuery(CurrDeltQuery, {QStringLiteral("select * from deltia"),
                               QStringLiteral("where (Game = :GameNo) and (deltia.\"date\" <= :NowDate)"),
                               QStringLiteral("order by deltia.\"date\" desc")});
    SetParamType(CurrDeltQuery, QStringLiteral("GameNo"), ftInteger);
    SetParamType(CurrDeltQuery, QStringLiteral("NowDate"), ftDate);
    for (TQuery *scratch : {&ComboQuery, &QryDel, &OmadesQry, &POmadesQry, &CurrAgvnistikhQuery,
                            &MaxAgvnistikhQuery, &AgvnistikhDateQuery, &EnNameQry})
        SetUpQuery(*scratch);
}

void TTavrolinDM::SetUpEvents()
{
    TavrolinDb.BeforeConnect = [this](TDatabase &database) { TavrolinDbBeforeConnect(database); };
    auto bind = [this](void (TTavrolinDM::*handler)(TDataSet &)) {
        return [this, handler](TDataSet &dataSet) { (this->*handler)(dataSet); };
    };
    Periodos.BeforeDelete = bind(&TTavrolinDM::PeriodosBeforeDelete);
    Kathgories.BeforeDelete = bind(&TTavrolinDM::KathgoriesBeforeDelete);
    Krath.BeforeDelete = bind(&TTavrolinDM::KrathBeforeDelete);
    Omades.BeforePost = bind(&TTavrolinDM::OmadesBeforePost);
    Omades.BeforeDelete = bind(&TTavrolinDM::OmadesBeforeDelete);
    Diorganvseis.AfterEdit = bind(&TTavrolinDM::DiorganvseisAfterEdit);
    Diorganvseis.BeforePost = bind(&TTavrolinDM::DiorganvseisBeforePost);
    Diorganvseis.BeforeDelete = bind(&TTavrolinDM::DiorganvseisBeforeDelete);
    Diorganvseis.AfterScroll = bind(&TTavrolinDM::DiorganvseisAfterScroll);
    Diorganvseis.OnCalcFields = bind(&TTavrolinDM::DiorganvseisCalcFields);
    POmades.BeforeInsert = bind(&TTavrolinDM::POmadesBeforeInsert);
    POmades.AfterInsert = bind(&TTavrolinDM::POmadesAfterInsert);
    // The engine does not fill a detail's link fields: a new competition team is given the
    // competition under the cursor here.
    POmades.OnNewRecord = [this](TDataSet &dataSet) {
        if (Diorganvseis.Active() && !Diorganvseis.IsEmpty())
            dataSet.FieldByName(QStringLiteral("DiorNo"))
                .SetValue(Diorganvseis.FieldByName(QStringLiteral("DNo")).Value());
    };
    POmades.BeforePost = bind(&TTavrolinDM::POmadesBeforePost);
    POmades.BeforeDelete = bind(&TTavrolinDM::POmadesBeforeDelete);
    POmades.OnCalcFields = bind(&TTavrolinDM::POmadesCalcFields);
    POmades.FieldByName(QStringLiteral("TeamName")).OnGetText =
        [this](TField &field, QString &text, bool display) { POmadesTeamNameGetText(field, text, display); };
    Agvnes.OnNewRecord = bind(&TTavrolinDM::AgvnesNewRecord);
    Agvnes.BeforePost = bind(&TTavrolinDM::AgvnesBeforePost);
    Agvnes.OnCalcFields = bind(&TTavrolinDM::AgvnesCalcFields);
    GamePeriods.BeforeDelete = bind(&TTavrolinDM::GamePeriodsBeforeDelete);
    GamePeriods.OnCalcFields = bind(&TTavrolinDM::GamePeriodsCalcFields);
    DShowQuery.OnCalcFields = bind(&TTavrolinDM::DShowQueryCalcFields);
    QryForma.OnCalcFields = bind(&TTavrolinDM::QryFormaCalcFields);
    QryForma2.OnCalcFields = bind(&TTavrolinDM::QryForma2CalcFields);
    PlegmaQuery.OnCalcFields = bind(&TTavrolinDM::PlegmaQueryCalcFields);
    for (TDataSet *withLookups : std::initializer_list<TDataSet *>{
             &Kathgories, &Omades, &Diorganvseis, &POmades, &Agvnes, &TeamNames, &QryForma, &QryForma2})
        withLookups->BeforeOpen = OpenLookupSources;
}

void TTavrolinDM::Session1Password(TSession &Sender, bool &Continue)
{
    try {
        Sender.AddPassword(TablePassword);
        Continue = true;
    } catch (const std::exception &) {
        MessageDlg(NoAccessMessage, mtError, {mbOK});
    }
}

void TTavrolinDM::TavrolinDbBeforeConnect(TDatabase &Sender)
{
    Sender.SetDatabaseName(AliasName);
    Sender.SetSessionName(SessionName);
    // The engine keeps no table passwords; the module hands its password over as the connection
    // is first needed, as the password event did.
    bool proceed = false;
    Session1Password(Session1, proceed);
    if (!AliasStore().Exists(AliasName))
        throw EDatabaseError(NoAliasMessage);
    // A fresh data folder starts with an empty, working database.
    EnsureTavrolinSchema(*DbConnection::Acquire(TDatabase::FileNameOfAlias(AliasName)));
}

QVariantList TTavrolinDM::SelectRow(const QString &sql, const QVariantList &values)
{
    DbConnection::Lease statement = TavrolinDb.Connection().Statement(sql);
    statement->BindAll(values);
    QVariantList row;
    if (statement->Step())
        for (int column = 0; column < statement->ColumnCount(); ++column)
            row.append(statement->Value(column));
    return row;
}

void TTavrolinDM::SetFieldText(TField &field, const QString &text)
{
    field.SetValue(TextCutToSize(text, field.Size()));
}

QVariant TTavrolinDM::SelectValue(const QString &sql, const QVariantList &values)
{
    return SelectRow(sql, values).value(0);
}

TTavrolinDM &TavrolinDM()
{
    // Destroyed only by a test's reset: windows that outlive main's scope may still name its datasets.
    static TTavrolinDM *module = nullptr;
    return *LongLived(module, [] { return new TTavrolinDM; });
}

bool tav::data::OpenIfClosed(TDataSet &dataSet)
{
    if (dataSet.Active())
        return false;
    dataSet.Open();
    return true;
}
