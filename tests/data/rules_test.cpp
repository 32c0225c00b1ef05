#include "data_module_fixture.h"

#include "platform/db/db_errors.h"
#include "platform/db/sqlite_statement.h"

namespace {

const QString EnglishNameRequired = "Πρέπει να καταχωρήσετε και το αγγλικό όνομα.";
const QString TeamExists = "Η Ομάδα αυτή υπάρχει!";
const QString MatchLimit = "Δεν μπορείτε να καταχωρήσετε άλλο αγώνα ,έχετε καλύψει τον αριθμό αγώνων.";

} // namespace

class RulesTest : public DataModuleTest
{
protected:
    void SetUp() override
    {
        DataModuleTest::SetUp();
        OpenTables();
        greece_ = AddCountry("Ελλάδα");
        england_ = AddCountry("Αγγλία");
        AddSeason("2004-05");
        AddSeason("2005-06");
        league_ = AddCategory("Α' Εθνική", greece_, 0);
        cup_ = AddCategory("Κύπελλο", greece_, 1);
        messages_.Clear();
    }

    // Inserts a team of the country through the team editor's path; false when refused.
    bool InsertTeam(int country, const QVariant &name, const QVariant &enName, const QVariant &teamNo = {})
    {
        EXPECT_TRUE(Dm().Krath.Locate("RecNo", {country}));
        Dm().Omades.SetFiltered(false);
        EXPECT_TRUE(Dm().Omades.Insert());
        Dm().Omades.FieldByName("Name").SetValue(name);
        Dm().Omades.FieldByName("EnName").SetValue(enName);
        Dm().Omades.FieldByName("TeamNo").SetValue(teamNo);
        return Dm().Omades.Post();
    }

    int greece_ = 0;
    int england_ = 0;
    int league_ = 0;
    int cup_ = 0;
};

TEST_F(RulesTest, NewTeamsAreNumberedAboveTheHighestNumber)
{
    ASSERT_TRUE(InsertTeam(greece_, "Ολυμπιακός", "Olympiakos"));
    EXPECT_EQ(Dm().Omades.FieldByName("TeamNo").AsInteger(), 1);
    EXPECT_EQ(Dm().Omades.FieldByName("KratosNo").AsInteger(), greece_);
    // A number the caller gives to a new Greek name is replaced; gaps below stay free.
    ASSERT_TRUE(InsertTeam(greece_, "ΑΕΚ", "AEK", 40));
    EXPECT_EQ(Dm().Omades.FieldByName("TeamNo").AsInteger(), 2);
    ExecSql(Dm().TavrolinDb.Handle(), "UPDATE Omades SET TeamNo = 9 WHERE Name = 'ΑΕΚ'");
    ASSERT_TRUE(InsertTeam(greece_, "Πανιώνιος", "Panionios"));
    EXPECT_EQ(Dm().Omades.FieldByName("TeamNo").AsInteger(), 10);
    EXPECT_TRUE(messages_.Calls().isEmpty());
}

TEST_F(RulesTest, AKnownGreekNameKeepsTheGivenNumberOrGetsTheNextOne)
{
    ASSERT_TRUE(InsertTeam(greece_, "Ολυμπιακός", "Olympiakos"));
    // Another spelling of the same team, as the import stores it.
    ASSERT_TRUE(InsertTeam(greece_, "Ολυμπιακός", "Olympiacos", 1));
    EXPECT_EQ(Dm().Omades.FieldByName("TeamNo").AsInteger(), 1);
    // The team editor gives no number: the team of the same name in another country is new.
    ASSERT_TRUE(InsertTeam(england_, "Ολυμπιακός", "Olympiakos"));
    EXPECT_EQ(Dm().Omades.FieldByName("TeamNo").AsInteger(), 2);
    EXPECT_EQ(Dm().Omades.FieldByName("KratosNo").AsInteger(), england_);
}

TEST_F(RulesTest, TeamChecksRefuseWithTheirMessages)
{
    ASSERT_TRUE(InsertTeam(greece_, "Ολυμπιακός", "Olympiakos"));
    struct Case
    {
        int country;
        QVariant name;
        QVariant enName;
        QString message; // empty: stored
    };
    const Case cases[] = {
        {greece_, "Παναθηναϊκός", QVariant(), EnglishNameRequired},
        {greece_, "Παναθηναϊκός", "   ", EnglishNameRequired},
        {greece_, "Ολυμπιακός", "", EnglishNameRequired},
        {greece_, "Ολυμπιακός", "Olympiakos", TeamExists},
        {greece_, "Ολυμπιακός", "OLYMPIAKOS", QString()},
        {england_, "Ολυμπιακός", "Olympiakos", QString()},
        {greece_, "Ο'Κόνορ", "O'Connor", QString()},
        {greece_, "Ο'Κόνορ", "O'Connor", TeamExists},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE((c.name.toString() + "/" + c.enName.toString()).toStdString());
        messages_.Clear();
        const bool stored = InsertTeam(c.country, c.name, c.enName);
        EXPECT_EQ(stored, c.message.isEmpty());
        if (c.message.isEmpty()) {
            EXPECT_TRUE(messages_.Calls().isEmpty());
            continue;
        }
        ASSERT_EQ(messages_.Count(), 1);
        EXPECT_EQ(messages_.Last().text, c.message);
        // A refused team stays pending with what was typed.
        EXPECT_EQ(Dm().Omades.State(), TDataSetState::dsInsert);
        EXPECT_EQ(Dm().Omades.FieldByName("Name").Value(), c.name);
        Dm().Omades.Cancel();
    }
}

TEST_F(RulesTest, EditingATeamSkipsTheChecks)
{
    ASSERT_TRUE(InsertTeam(greece_, "Ολυμπιακός", "Olympiakos"));
    ASSERT_TRUE(Dm().Omades.Edit());
    Dm().Omades.FieldByName("OPAPName").SetValue("ΟΛΥΜΠΙΑΚ.");
    Dm().Omades.FieldByName("EnName").SetValue("");
    EXPECT_TRUE(Dm().Omades.Post());
    EXPECT_TRUE(messages_.Calls().isEmpty());
}

TEST_F(RulesTest, DeletesThroughTheTables)
{
    AddCompetitionWithTeams(greece_, league_, "2004-05", 2);
    messages_.Clear();
    // A season in use is refused with the message, an unused one is deleted.
    ASSERT_TRUE(Dm().Periodos.Locate("Periodos", {"2004-05"}));
    EXPECT_FALSE(Dm().Periodos.Delete());
    ASSERT_EQ(messages_.Count(), 1);
    EXPECT_EQ(
        messages_.Last().text,
        "Σε αυτή την περίοδο υπάρχουν καταχωρημένα στοιχεία στις διοργανώσεις!\nΔεν μπορεί να διαγραφεί");
    ASSERT_TRUE(Dm().Periodos.Locate("Periodos", {"2005-06"}));
    EXPECT_TRUE(Dm().Periodos.Delete());
    EXPECT_EQ(Dm().Periodos.RecordCount(), 1);
    // Countries, categories, teams, competitions and competition teams: refused silently.
    messages_.Clear();
    for (TTable *table : {&Dm().Krath, &Dm().Kathgories, &Dm().Omades, &Dm().Diorganvseis, &Dm().POmades}) {
        SCOPED_TRACE(table->TableName().toStdString());
        const int before = table->RecordCount();
        EXPECT_FALSE(table->Delete());
        EXPECT_EQ(table->RecordCount(), before);
    }
    EXPECT_TRUE(messages_.Calls().isEmpty());
}

TEST_F(RulesTest, ACompetitionTakesCountryAndTypeFromItsCategory)
{
    ASSERT_TRUE(Dm().Kathgories.Locate("KatNo", {cup_}));
    ASSERT_TRUE(Dm().Diorganvseis.Append());
    const QList<std::pair<QString, QVariant>> values{
        {"KatNo", cup_}, {"Periodos", "2004-05"}, {"Omades", 16}, {"Nikh", 3},           {"Isop", 1},
        {"Htta", 0},     {"Rounds", 1},           {"Typos", 0},   {"KratosNo", england_}};
    for (const auto &[name, value] : values)
        Dm().Diorganvseis.FieldByName(name).SetValue(value);
    ASSERT_TRUE(Dm().Diorganvseis.Post());
    ASSERT_EQ(messages_.Count(), 1);
    EXPECT_EQ(messages_.Last().text, "Θέλετε να αποθηκεύσετε τις αλλαγές;");
    EXPECT_EQ(messages_.Last().buttons, (QList<TMsgDlgBtn>{mbYes, mbNo}));
    EXPECT_EQ(Dm().Diorganvseis.FieldByName("Typos").AsInteger(), 1);
    EXPECT_EQ(Dm().Diorganvseis.FieldByName("KratosNo").AsInteger(), greece_);
    EXPECT_EQ(Dm().Diorganvseis.FieldByName("Onomasia").AsString(), "2004-05, Κύπελλο");

    // Putting a competition into edit copies the current category's country.
    const int englishCup = AddCategory("FA Cup", england_, 1);
    ASSERT_TRUE(Dm().Kathgories.Locate("KatNo", {englishCup}));
    ASSERT_TRUE(Dm().Diorganvseis.Edit());
    EXPECT_EQ(Dm().Diorganvseis.FieldByName("KratosNo").AsInteger(), england_);
    Dm().Diorganvseis.Cancel();
}

TEST_F(RulesTest, CompetitionRefusals)
{
    const int dNo = AddCompetition(league_, "2004-05", 18);
    messages_.Clear();
    auto insert = [&](int teams) {
        EXPECT_TRUE(Dm().Diorganvseis.Append());
        const QList<std::pair<QString, QVariant>> values{
            {"KatNo", league_}, {"Periodos", "2004-05"}, {"Omades", teams}, {"Nikh", 3}, {"Isop", 1},
            {"Htta", 0},        {"Rounds", 2},           {"Typos", 0}};
        for (const auto &[name, value] : values)
            Dm().Diorganvseis.FieldByName(name).SetValue(value);
        return Dm().Diorganvseis.Post();
    };
    // Answering No keeps the record pending.
    messages_.QueueAnswer(mrNo);
    EXPECT_FALSE(insert(20));
    EXPECT_EQ(Dm().Diorganvseis.State(), TDataSetState::dsInsert);
    Dm().Diorganvseis.Cancel();
    // An identical competition: the module's own message.
    messages_.Clear();
    EXPECT_FALSE(insert(18));
    EXPECT_EQ(messages_.Texts(),
              (QStringList{"Θέλετε να αποθηκεύσετε τις αλλαγές;", "Η Διοργάνωση αυτή υπάρχει!"}));
    Dm().Diorganvseis.Cancel();
    // Same category and season with other values: the unique index refuses it.
    EXPECT_THROW(insert(20), EDBEngineError);
    Dm().Diorganvseis.Cancel();
    Dm().Diorganvseis.Refresh();
    EXPECT_EQ(Dm().Diorganvseis.RecordCount(), 1);
    // Storing the existing one again is no duplicate.
    ASSERT_TRUE(Dm().Diorganvseis.Locate("DNo", {dNo}));
    ASSERT_TRUE(Dm().Diorganvseis.Edit());
    Dm().Diorganvseis.FieldByName("FileName").SetValue("ALPHA");
    EXPECT_TRUE(Dm().Diorganvseis.Post());
}

TEST_F(RulesTest, MovingTheCurrentCompetitionFiltersTeamsAndCompetitionTeams)
{
    const int englishLeague = AddCategory("Premier League", england_);
    AddCompetitionWithTeams(greece_, league_, "2004-05", 3);
    AddCompetitionWithTeams(england_, englishLeague, "2004-05", 2);
    Dm().Diorganvseis.First();
    EXPECT_EQ(Dm().Omades.Filter(), QString("KratosNo=%1").arg(greece_));
    EXPECT_EQ(Dm().Omades.RecordCount(), 3);
    EXPECT_EQ(Dm().POmades.RecordCount(), 3);
    EXPECT_EQ(Dm().POmades.Filter(), "DiorNo=1");
    Dm().Diorganvseis.Next();
    EXPECT_EQ(Dm().Omades.RecordCount(), 2);
    EXPECT_EQ(Dm().POmades.RecordCount(), 2);
    EXPECT_TRUE(Dm().Omades.Filtered());
    EXPECT_TRUE(Dm().POmades.Filtered());
}

TEST_F(RulesTest, TheTeamLimitOfACompetition)
{
    const QList<int> teams = AddCompetitionWithTeams(greece_, league_, "2004-05", 20);
    EXPECT_EQ(Dm().POmades.RecordCount(), 20);
    const int extra = AddTeam(greece_, "Ομάδα 21", "Team 21");
    ASSERT_TRUE(Dm().Diorganvseis.Locate("DNo", {1}));
    messages_.Clear();
    EXPECT_FALSE(Dm().POmades.Insert());
    EXPECT_EQ(messages_.Texts(),
              QStringList{
                  "Δεν μπορείτε να καταχωρήσετε άλλη ομάδα ,έχετε καλύψει τον αριθμό ομάδων που δηλώσατε."});
    EXPECT_EQ(Dm().POmades.State(), TDataSetState::dsBrowse);
    // The same team is welcome in another competition.
    const int cup = AddCompetition(cup_, "2004-05", 32);
    EXPECT_GT(AddCompetitionTeam(cup, extra), teams.last());
}

TEST_F(RulesTest, CompetitionTeamsTakeTheirNamesFromTheTeam)
{
    const int dNo = AddCompetition(league_, "2004-05", 4);
    const int team = AddTeam(greece_, "Ο'Κόνορ ΦΚ", "O'Connor FC");
    const int other = AddTeam(greece_, "Άρης", "Aris");
    const int recNo = AddCompetitionTeam(dNo, team);
    EXPECT_EQ(Dm().POmades.FieldByName("GrName").AsString(), "Ο'Κόνορ ΦΚ");
    EXPECT_EQ(Dm().POmades.FieldByName("EnName").AsString(), "O'Connor FC");
    EXPECT_EQ(Dm().POmades.FieldByName("CalcOmada").AsString(), "Ο'Κόνορ ΦΚ-O'Connor FC");
    EXPECT_EQ(Dm().POmades.FieldByName("TeamName").DisplayText(), "Ο'Κόνορ ΦΚ-O'Connor FC");
    // The same team again is refused, with its quote in the name.
    messages_.Clear();
    ASSERT_TRUE(Dm().POmades.Append());
    Dm().POmades.FieldByName("TeamNo").SetValue(team);
    EXPECT_FALSE(Dm().POmades.Post());
    EXPECT_EQ(messages_.Texts(), QStringList{"Αυτή η ομάδα υπάρχει!"});
    Dm().POmades.Cancel();
    // Editing a row while the team list stands on another team keeps the row's own team.
    ASSERT_TRUE(Dm().Omades.Locate("TeamNo", {other}));
    ASSERT_TRUE(Dm().POmades.Locate("RecNo", {recNo}));
    ASSERT_TRUE(Dm().POmades.Edit());
    Dm().POmades.FieldByName("Timvria").SetValue(-3);
    ASSERT_TRUE(Dm().POmades.Post());
    EXPECT_EQ(Dm().POmades.FieldByName("GrName").AsString(), "Ο'Κόνορ ΦΚ");
}

TEST_F(RulesTest, CopiedTeamNamesAreCutAtWholeCharacters)
{
    // Names of 49 UTF-16 units (a letter and 24 emoji of two units each) go into fields of 30.
    const QString trophies = QString("🏆").repeated(24);
    const int dNo = AddCompetition(league_, "2004-05", 4);
    const int team = AddTeam(greece_, "Α" + trophies, "A" + trophies);
    const int recNo = AddCompetitionTeam(dNo, team);
    const QString kept = QString("🏆").repeated(14);
    SqliteStatement stored(Dm().TavrolinDb.Handle(), "SELECT GrName, EnName FROM PerOmades WHERE RecNo = ?");
    stored.Bind(1, recNo);
    ASSERT_TRUE(stored.Step());
    EXPECT_EQ(stored.Text(0), "Α" + kept);
    EXPECT_EQ(stored.Text(1), "A" + kept);
    // The calculated name of 70 joins the team's whole names: 69 units, the next emoji would not fit.
    EXPECT_EQ(Dm().POmades.FieldByName("CalcOmada").AsString(),
              "Α" + trophies + "-A" + QString("🏆").repeated(9));
}

TEST_F(RulesTest, TheCompetitionEditorPrefillsTheEnglishName)
{
    const int dNo = AddCompetition(league_, "2004-05", 4);
    const int team = AddTeam(greece_, "Άρης", "Aris");
    ASSERT_TRUE(Dm().Omades.Locate("TeamNo", {team}));
    ASSERT_TRUE(Dm().Diorganvseis.Locate("DNo", {dNo}));
    ASSERT_TRUE(Dm().POmades.Append());
    EXPECT_TRUE(Dm().POmades.FieldByName("EnName").IsNull());
    Dm().POmades.Cancel();
    Dm().CompetitionEditorOpen = true;
    ASSERT_TRUE(Dm().POmades.Append());
    EXPECT_EQ(Dm().POmades.FieldByName("EnName").AsString(), "Aris");
    EXPECT_EQ(Dm().POmades.FieldByName("DiorNo").AsInteger(), dNo);
    Dm().POmades.Cancel();
}

class MatchRulesTest : public RulesTest
{
protected:
    // A competition whose type comes from its category; the RecNos of its teams.
    QList<int> Competition(int katNo, int teams, const QString &season = "2004-05")
    {
        const QList<int> recNos = AddCompetitionWithTeams(greece_, katNo, season, teams);
        messages_.Clear();
        return recNos;
    }
    // Fills matchday `day` with `count` matches, each of another team against the first one.
    void FillMatchday(int dNo, int day, const QList<int> &teams, int count)
    {
        for (int i = 0; i < count; ++i)
            ASSERT_TRUE(InsertMatch(dNo, day, teams.at(i + 1), teams.at(0))) << i;
    }
};

TEST_F(MatchRulesTest, TheMatchLimitOfLeagueMatchdays)
{
    struct Case
    {
        int category;
        QString season;
        int teams;
        int allowed; // matches per matchday; -1: no limit
    };
    for (const Case &c :
         {Case{league_, "2004-05", 20, 10}, Case{league_, "2005-06", 21, 10}, Case{cup_, "2004-05", 6, -1}}) {
        SCOPED_TRACE(c.teams);
        const QList<int> teams = Competition(c.category, c.teams, c.season);
        const int dNo = Dm().Diorganvseis.FieldByName("DNo").AsInteger();
        const int filled = c.allowed < 0 ? 5 : c.allowed;
        FillMatchday(dNo, 1, teams, filled);
        EXPECT_TRUE(messages_.Calls().isEmpty());
        const bool stored = InsertMatch(dNo, 1, teams.at(0), teams.at(3));
        EXPECT_EQ(stored, c.allowed < 0);
        if (!stored) {
            EXPECT_EQ(messages_.Texts(), QStringList{MatchLimit});
            EXPECT_EQ(Dm().Agvnes.State(), TDataSetState::dsInsert);
            Dm().Agvnes.Cancel();
        }
    }
}

TEST_F(MatchRulesTest, TheLimitCountsTheMatchdayOfTheNewMatchNotOfTheCursor)
{
    const QList<int> teams = Competition(league_, 4);
    const int dNo = Dm().Diorganvseis.FieldByName("DNo").AsInteger();
    FillMatchday(dNo, 1, teams, 2);
    ASSERT_TRUE(InsertMatch(dNo, 2, teams[0], teams[1]));
    // The cursor on the full matchday 1: a second match of matchday 2 is accepted.
    ASSERT_TRUE(Dm().Agvnes.Locate("Agvnistikh", {1}));
    EXPECT_TRUE(InsertMatch(dNo, 2, teams[2], teams[3]));
    // The cursor on a matchday with room: a match of the full matchday 1 is refused.
    ASSERT_TRUE(InsertMatch(dNo, 3, teams[0], teams[2]));
    EXPECT_FALSE(InsertMatch(dNo, 1, teams[3], teams[0]));
    EXPECT_EQ(messages_.Texts(), QStringList{MatchLimit});
    Dm().Agvnes.Cancel();
    // Moving a match into a full matchday is refused too; editing it in place is not.
    ASSERT_TRUE(Dm().Agvnes.Locate("Agvnistikh", {3}));
    ASSERT_TRUE(Dm().Agvnes.Edit());
    Dm().Agvnes.FieldByName("Agvnistikh").SetValue(1);
    EXPECT_FALSE(Dm().Agvnes.Post());
    Dm().Agvnes.Cancel();
    ASSERT_TRUE(Dm().Agvnes.Locate("Agvnistikh", {1}));
    ASSERT_TRUE(Dm().Agvnes.Edit());
    Dm().Agvnes.FieldByName("TelGGoals").SetValue(1);
    EXPECT_TRUE(Dm().Agvnes.Post());
}

TEST_F(MatchRulesTest, AMatchWithoutDateIsDiscarded)
{
    const QList<int> teams = Competition(league_, 4);
    const int dNo = Dm().Diorganvseis.FieldByName("DNo").AsInteger();
    EXPECT_FALSE(InsertMatch(dNo, 1, teams[0], teams[1], QVariant()));
    EXPECT_EQ(messages_.Texts(), QStringList{"Η Ημερομηνία είναι υποχρεωτικό πεδίο για την αποθήκευση!"});
    EXPECT_EQ(Dm().Agvnes.State(), TDataSetState::dsBrowse);
    EXPECT_TRUE(Dm().Agvnes.IsEmpty());
    // An edit that empties the date is discarded as well.
    ASSERT_TRUE(InsertMatch(dNo, 1, teams[0], teams[1], QDate(2004, 9, 12)));
    ASSERT_TRUE(Dm().Agvnes.Edit());
    Dm().Agvnes.FieldByName("TelGGoals").SetValue(3);
    Dm().Agvnes.FieldByName("Date").Clear();
    EXPECT_FALSE(Dm().Agvnes.Post());
    EXPECT_EQ(Dm().Agvnes.State(), TDataSetState::dsBrowse);
    EXPECT_TRUE(Dm().Agvnes.FieldByName("TelGGoals").IsNull());
    EXPECT_EQ(Dm().Agvnes.FieldByName("Date").Value(), QVariant(QDate(2004, 9, 12)));
}

TEST_F(MatchRulesTest, AStoredMatchGetsTheTeamNumbersOfItsSides)
{
    const QList<int> teams = Competition(league_, 4);
    const int dNo = Dm().Diorganvseis.FieldByName("DNo").AsInteger();
    ASSERT_TRUE(InsertMatch(dNo, 1, teams[2], teams[0]));
    const QVariant home = Dm().POmades.Lookup("RecNo", {teams[2]}, "TeamNo");
    const QVariant away = Dm().POmades.Lookup("RecNo", {teams[0]}, "TeamNo");
    EXPECT_EQ(Dm().Agvnes.FieldByName("GTeamNo").Value(), home);
    EXPECT_EQ(Dm().Agvnes.FieldByName("FTeamNo").Value(), away);
    // A side that is no team of the competition cannot be stored.
    const QList<int> others = Competition(cup_, 2);
    EXPECT_THROW(InsertMatch(dNo, 2, teams[1], others[0]), EDatabaseError);
    EXPECT_EQ(Dm().Agvnes.State(), TDataSetState::dsInsert);
    Dm().Agvnes.Cancel();
}
