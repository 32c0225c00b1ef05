#include "data/schema_tables.h"

#include "platform/db/database.h"
#include "platform/db/sql_text.h"

namespace tav::data {

namespace {

constexpr auto Int = TFieldType::ftInteger;
constexpr auto Small = TFieldType::ftSmallint;
constexpr auto Text = TFieldType::ftString;
constexpr auto AutoInc = TFieldType::ftAutoInc;
constexpr auto Date = TFieldType::ftDate;
constexpr auto Time = TFieldType::ftTime;
constexpr auto Float = TFieldType::ftFloat;
constexpr auto Bool = TFieldType::ftBoolean;
constexpr auto Picture = TFieldType::ftGraphic;

constexpr bool Required = true;

// Every index of the matches table except the primary one folds case and is not unique.
TIndexDef MatchIndex(const QString &name, const QString &fields)
{
    return {name, fields, ixCaseInsensitive};
}

QList<TTableDef> BuildTableDefs()
{
    const TTableDef periodos{
        "Periodos",
        {{"Periodos", Text, 10}},
        {{"", "Periodos", ixPrimary}, {"IDX_Periodos", "Periodos", ixDescending | ixCaseInsensitive}}};
    const TTableDef kathgories{
        "Kathgories",
        {{"KatNo", AutoInc},
         {"GrName", Text, 50},
         {"EnName", Text, 50},
         {"ItName", Text, 50},
         {"Kratos", Int},
         {"Kode", Text, 1},
         {"Isxys", Small},
         {"Symbol", Text, 5},
         {"Typos", Small},
         {"OPAP", Text, 3}},
        {{"", "KatNo;GrName;EnName;ItName;Kratos", ixPrimary}, {"NameInd", "GrName", ixCaseInsensitive}}};
    const TTableDef krath{
        "Krath",
        {{"RecNo", AutoInc}, {"Name", Text, 50}, {"Kode", Text, 2}, {"Nomisma", Text, 3}, {"Flag", Picture}},
        {{"", "RecNo;Name;Kode;Nomisma", ixPrimary}, {"NameInd", "Name", ixCaseInsensitive}}};
    const TTableDef omades{
        "Omades",
        {{"KratosNo", Int},
         {"Name", Text, 50},
         {"EnName", Text, 50},
         {"TeamNo", Int},
         {"OPAPName", Text, 50},
         {"TempName", Text, 50}},
        {{"", "KratosNo;Name;EnName", ixPrimary}, {"TeamInd", "TeamNo", ixCaseInsensitive}}};
    const TTableDef diorganvseis{
        "Diorganvseis",
        {{"DNo", AutoInc},
         {"KatNo", Int, 0, Required},
         {"Periodos", Text, 10, Required},
         {"Omades", Small, 0, Required},
         {"Nikh", Small, 0, Required},
         {"Isop", Small, 0, Required},
         {"Htta", Small, 0, Required},
         {"Typos", Small, 0, Required},
         {"OmadesUp", Small},
         {"OmadesDn", Small},
         {"FileName", Text, 8},
         {"Rounds", Small, 0, Required},
         {"Champions", Small},
         {"KratosNo", Int, 0, Required}},
        {{"", "DNo", ixPrimary},
         {"PerKatInd", "Periodos;KatNo", ixUnique | ixDescending | ixCaseInsensitive},
         {"PerKratosNo", "KratosNo", ixCaseInsensitive}}};
    const TTableDef perOmades{"PerOmades",
                              {{"RecNo", AutoInc},
                               {"TeamNo", Int},
                               {"DiorNo", Int},
                               {"GrName", Text, 30},
                               {"EnName", Text, 30},
                               {"Timvria", Small},
                               {"Isxys", Small}},
                              {{"", "RecNo", ixPrimary},
                               {"diar", "DiorNo;RecNo", ixCaseInsensitive},
                               {"DiorNameInd", "DiorNo;GrName", 0},
                               {"DiorNo", "DiorNo", 0}}};
    const TTableDef agvnes{"Agvnes",
                           {{"DiorgNo", Int},
                            {"Agvnistikh", Small},
                            {"Ghpedoyxos", Int},
                            {"Filojenoymenh", Int},
                            {"Omilos", Small},
                            {"GameNo", AutoInc},
                            {"HmGGoals", Small},
                            {"HmFGoals", Small},
                            {"TelGGoals", Small},
                            {"TelFGoals", Small},
                            {"Date", Date},
                            {"GTeamNo", Int},
                            {"FTeamNo", Int},
                            {"Time", Time},
                            {"OPAPAr", Int},
                            {"AP1", Float},
                            {"APX", Float},
                            {"AP2", Float}},
                           {{"", "DiorgNo;Agvnistikh;Ghpedoyxos;Filojenoymenh;Omilos", ixPrimary | ixUnique},
                            MatchIndex("FTeamDate", "FTeamNo;Date"),
                            MatchIndex("AutoEnhm1", "DiorgNo;Agvnistikh;Ghpedoyxos;Filojenoymenh"),
                            MatchIndex("DateInd", "Date"),
                            MatchIndex("EnhmInd", "DiorgNo;Ghpedoyxos;Filojenoymenh"),
                            MatchIndex("GNoFNoDateInd", "GTeamNo;FTeamNo;Date"),
                            MatchIndex("GTeamDate", "GTeamNo;Date"),
                            MatchIndex("MainInd", "DiorgNo;Agvnistikh;Omilos;Date"),
                            MatchIndex("GamenoInd", "GameNo"),
                            MatchIndex("DiorgDateInd", "DiorgNo;Date")}};
    const TTableDef teamStat{"TeamStat",
                             {{"TeamNo", Int},
                              {"Agvnistikh", Small},
                              {"NikesIn", Small},
                              {"IsopIn", Small},
                              {"HttesIn", Small},
                              {"NikesOut", Small},
                              {"IsopOut", Small},
                              {"HttesOut", Small},
                              {"GoalYpIn", Small},
                              {"GoalKaIn", Small},
                              {"GoalYpOut", Small},
                              {"GoalKaOut", Small},
                              {"Position", Small},
                              {"PositionEntos", Small},
                              {"PositionEktos", Small},
                              {"Anal1", Float},
                              {"AnalX", Float},
                              {"Anal2", Float}},
                             {{"", "TeamNo;Agvnistikh", ixPrimary}}};
    const TTableDef typosKathgoria{"TyposKathgoria", {{"Id", Int}, {"Name", Text, 20}}, {}};
    const TTableDef teamNames{"TeamNames", {{"Name", Text, 50}, {"TeamNo", Int}, {"Kratos", Int}}, {}};
    const TTableDef lookUp{"LookUp", {{"RecNo", Int}}, {}};
    const TTableDef upToDateAgvn{"UpToDateAgvn", {{"DiorgNo", Int}, {"Agvnistikh", Int}}, {}};
    const TTableDef deltia{"Deltia", {{"Game", Int}, {"DeltNo", Small}, {"Date", Date}}, {}};
    const TTableDef gamePeriods{"GamePeriods",
                                {{"GameNo", Int},
                                 {"Periodos", Text, 10},
                                 {"Agvnes", Small},
                                 {"Nikhtes", Small},
                                 {"RecNo", AutoInc},
                                 {"FileName", Text, 10},
                                 {"KostosSthlhs", Float},
                                 {"Joker", Bool},
                                 {"JackPot", Bool},
                                 {"Ganota", Float}},
                                {{"", "GameNo;Periodos", ixPrimary}, {"RNInd", "RecNo", 0}}};
    // The odds service's averages and its team names, filled by outside tools; the program only
    // reads them, looking matches up by day and the two teams.
    const TTableDef betBrain{"BETBRAIN",
                             {{"bDate", Date},
                              {"GNo", Int},
                              {"FNo", Int},
                              {"AVGHOME", Float},
                              {"AVGDraw", Float},
                              {"AVGAWAY", Float}},
                             {{"bDateGNoFNoInd", "bDate;GNo;FNo", 0}}};
    const TTableDef betBrainOmades{
        "BETBRAINOMADES",
        {{"AUTONUM", AutoInc}, {"OpapName", Text, 50}, {"TavrolinTeamNo", Int}},
        {{"OpapNameInd", "OpapName", 0}, {"TavrolinTeamNoInd", "TavrolinTeamNo", 0}}};
    return {periodos, kathgories,  krath,          omades,        diorganvseis, perOmades,
            agvnes,   teamStat,    typosKathgoria, teamNames,     lookUp,       upToDateAgvn,
            deltia,   gamePeriods, betBrain,       betBrainOmades};
}

int UserVersion(DbConnection &connection)
{
    DbConnection::Lease version = connection.Statement(QStringLiteral("PRAGMA user_version"));
    return version->Step() ? int(version->Int64(0)) : 0;
}

// Every competition takes its required type from its category, so a data folder without the
// category types the program knows (league 0, cup 1) could never store a competition.
void StoreKnownCategoryTypes(DbConnection &connection)
{
    {
        DbConnection::Lease count =
            connection.Statement(QStringLiteral("SELECT COUNT(*) FROM \"TyposKathgoria\""));
        if (!count->Step() || count->Int64(0) > 0)
            return;
    }
    DbConnection::Lease insert = connection.Statement(
        QStringLiteral("INSERT INTO \"TyposKathgoria\" (\"Id\", \"Name\") VALUES (?, ?)"));
    for (const auto &[id, name] : {std::pair{0, "Πρωτάθλημα"}, std::pair{1, "Κύπελο"}}) {
        insert->Reset();
        insert->BindAll({id, QString::fromUtf8(name)});
        insert->Execute();
    }
}

} // namespace

const QList<TTableDef> &TavrolinTableDefs()
{
    static const QList<TTableDef> defs = BuildTableDefs();
    return defs;
}

const TTableDef *TavrolinTableDef(const QString &tableName)
{
    const QString wanted = StripTableSuffix(tableName);
    for (const TTableDef &def : TavrolinTableDefs())
        if (def.Name.compare(wanted, Qt::CaseInsensitive) == 0)
            return &def;
    return nullptr;
}

void EnsureTavrolinSchema(DbConnection &connection)
{
    // A new data folder gets all its tables in one commit, or none.
    TransactionGuard transaction(connection);
    for (const TTableDef &def : TavrolinTableDefs())
        if (!connection.TableExists(def.Name))
            connection.CreateTable(def);
    StoreKnownCategoryTypes(connection);
    // Layout 1 is the first recorded one; a file of a newer program keeps its own number.
    if (UserVersion(connection) < TavrolinSchemaVersion)
        connection.Execute(QStringLiteral("PRAGMA user_version = %1").arg(TavrolinSchemaVersion));
    transaction.Commit();
}

} // namespace tav::data
