#include "data_module_fixture.h"

class CalcTest : public DataModuleTest
{
protected:
    void SetUp() override
    {
        DataModuleTest::SetUp();
        OpenTables();
        greece_ = AddCountry("Ελλάδα");
        const int england = AddCountry("Αγγλία");
        AddSeason("2004-05");
        const int league = AddCategory("Α' Εθνική", greece_);
        const int premier = AddCategory("Premier", england);
        greek_ = AddCompetitionWithTeams(greece_, league, "2004-05", 4);
        greekDNo_ = Dm().Diorganvseis.FieldByName("DNo").AsInteger();
        english_ = AddCompetitionWithTeams(england, premier, "2004-05", 2);
        englishDNo_ = Dm().Diorganvseis.FieldByName("DNo").AsInteger();
        messages_.Clear();
    }

    QString Text(const char *field) { return Dm().Agvnes.FieldByName(field).AsString(); }

    int greece_ = 0;
    QList<int> greek_;
    QList<int> english_;
    int greekDNo_ = 0;
    int englishDNo_ = 0;
};

TEST_F(CalcTest, ScoreResultAndSignOfAMatch)
{
    struct Case
    {
        QVariant home;
        QVariant away;
        QString score;
        int result;
        QString point;
    };
    const Case cases[] = {
        {2, 1, " 2- 1", 1, "1"},
        {0, 0, " 0- 0", 0, "X"},
        {1, 12, " 1-12", 2, "2"},
        {10, 10, "10-10", 0, "X"},
        {QVariant(), QVariant(), "? - ?", -1, ""},
    };
    int day = 1;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.score.toStdString());
        ASSERT_TRUE(InsertMatch(greekDNo_, day++, greek_[0], greek_[1], QDate(2004, 9, 12), c.home, c.away));
        EXPECT_EQ(Text("Score"), c.score);
        EXPECT_EQ(Dm().Agvnes.FieldByName("Result").AsInteger(), c.result);
        EXPECT_EQ(Text("Point"), c.point);
    }
}

TEST_F(CalcTest, TeamNamesOfAMatchInEitherLanguage)
{
    ASSERT_TRUE(InsertMatch(greekDNo_, 1, greek_[2], greek_[0], QDate(2004, 9, 12), 1, 0));
    const QString home = QString("Ομάδα %1 3").arg(greekDNo_);
    const QString away = QString("Ομάδα %1 1").arg(greekDNo_);
    EXPECT_EQ(Text("Omades"), home + " - " + away);
    EXPECT_EQ(Text("FromOmades"), home + " - " + away);
    EXPECT_EQ(Text("GName"), home);
    EXPECT_EQ(Text("FName"), away);
    EXPECT_EQ(Text("DiorgName"), "Α' Εθνική");
    EXPECT_EQ(Dm().Agvnes.FieldByName("Kratos").AsInteger(), greece_);
    // Exports switch the home-team lookup to English; the team names of the match follow it.
    Dm().Agvnes.FieldByName("GName").SetLookupResultField("EnName");
    EXPECT_EQ(Text("Omades"), QString("T%1 3 - T%1 1").arg(greekDNo_));
    EXPECT_EQ(Text("GName"), QString("T%1 3").arg(greekDNo_));
    Dm().Agvnes.FieldByName("GName").SetLookupResultField("GrName");
    EXPECT_EQ(Text("GName"), home);
}

TEST_F(CalcTest, LongNamesAreCutToTheirFields)
{
    const QString longName(40, QChar(u'Α'));
    ExecSql(
        Dm().TavrolinDb.Handle(),
        QString(
            "UPDATE Omades SET Name = '%1' WHERE TeamNo IN (SELECT TeamNo FROM PerOmades WHERE DiorNo = %2)")
            .arg(longName)
            .arg(greekDNo_));
    ASSERT_TRUE(InsertMatch(greekDNo_, 1, greek_[0], greek_[1]));
    EXPECT_EQ(Text("Omades"), (longName + " - " + longName).left(50));
    EXPECT_EQ(Text("FromOmades"), longName + " - " + longName);
}

TEST_F(CalcTest, ComputingRowsKeepsTheCurrentCompetition)
{
    ASSERT_TRUE(InsertMatch(greekDNo_, 1, greek_[0], greek_[1]));
    ASSERT_TRUE(InsertMatch(englishDNo_, 1, english_[0], english_[1]));
    ASSERT_TRUE(Dm().Diorganvseis.Locate("DNo", {greekDNo_}));
    const QString filter = Dm().POmades.Filter();
    // A grid paints the rows in whatever order it likes.
    const int omades = Dm().Agvnes.FieldByName("Omades").Index();
    EXPECT_EQ(Dm().Agvnes.DisplayTextAt(1, omades), QString("Ομάδα %1 1 - Ομάδα %1 2").arg(englishDNo_));
    EXPECT_EQ(Dm().Agvnes.DisplayTextAt(0, omades), QString("Ομάδα %1 1 - Ομάδα %1 2").arg(greekDNo_));
    Dm().Agvnes.Last();
    EXPECT_EQ(Text("GName"), QString("Ομάδα %1 1").arg(englishDNo_));
    EXPECT_EQ(Dm().Diorganvseis.FieldByName("DNo").AsInteger(), greekDNo_);
    EXPECT_EQ(Dm().POmades.Filter(), filter);
    EXPECT_EQ(Dm().POmades.RecordCount(), 4);
}

TEST_F(CalcTest, CompetitionAndCompetitionTeamNames)
{
    ASSERT_TRUE(Dm().Diorganvseis.Locate("DNo", {greekDNo_}));
    EXPECT_EQ(Dm().Diorganvseis.FieldByName("Onomasia").AsString(), "2004-05, Α' Εθνική");
    EXPECT_EQ(Dm().Diorganvseis.FieldByName("KatName").AsString(), "Α' Εθνική");
    EXPECT_EQ(Dm().Diorganvseis.FieldByName("KatKratos").AsInteger(), greece_);
    Dm().POmades.First();
    const QString team = QString("Ομάδα %1 1").arg(greekDNo_);
    EXPECT_EQ(Dm().POmades.FieldByName("CalcOmada").AsString(), team + QString("-T%1 1").arg(greekDNo_));
    EXPECT_EQ(Dm().POmades.FieldByName("TeamName").AsString(), team);
    EXPECT_EQ(Dm().POmades.FieldByName("TeamName").DisplayText(), team + QString("-T%1 1").arg(greekDNo_));
}

TEST_F(CalcTest, TeamListsOfferTheTeamsOfTheCompetitionAndItsCountry)
{
    auto texts = [](const TField &field) {
        QStringList list;
        for (const TLookupItem &item : field.LookupList())
            list.append(item.text);
        return list;
    };
    const QStringList greekTeams{QString("Ομάδα %1 1").arg(greekDNo_), QString("Ομάδα %1 2").arg(greekDNo_),
                                 QString("Ομάδα %1 3").arg(greekDNo_), QString("Ομάδα %1 4").arg(greekDNo_)};
    // A competition team is one of the competition's country's teams, not the English clubs.
    ASSERT_TRUE(Dm().Diorganvseis.Locate("DNo", {greekDNo_}));
    EXPECT_EQ(texts(Dm().POmades.FieldByName("TeamName")), greekTeams);
    // A team stored after the list was read is offered in its place of the alphabet.
    AddTeam(greece_, "Άρης", "Aris");
    ASSERT_TRUE(Dm().Diorganvseis.Locate("DNo", {greekDNo_}));
    ASSERT_TRUE(Dm().POmades.Edit());
    EXPECT_EQ(texts(Dm().POmades.FieldByName("TeamName")), QStringList{"Άρης"} + greekTeams);
    Dm().POmades.FieldByName("TeamName").SetAsString("Άρης");
    EXPECT_EQ(Dm().POmades.FieldByName("TeamNo").AsInteger(), Dm().Omades.FieldByName("TeamNo").AsInteger());
    Dm().POmades.Cancel();

    // The sides of a match are the teams of its competition.
    ASSERT_TRUE(Dm().Agvnes.Insert());
    Dm().Agvnes.FieldByName("DiorgNo").SetValue(englishDNo_);
    EXPECT_EQ(texts(Dm().Agvnes.FieldByName("FName")),
              (QStringList{QString("Ομάδα %1 1").arg(englishDNo_), QString("Ομάδα %1 2").arg(englishDNo_)}));
    Dm().Agvnes.FieldByName("DiorgNo").SetValue(greekDNo_);
    EXPECT_EQ(texts(Dm().Agvnes.FieldByName("GName")), greekTeams);
    Dm().Agvnes.Cancel();
}

TEST_F(CalcTest, FormAndGridScores)
{
    ASSERT_TRUE(InsertMatch(greekDNo_, 1, greek_[0], greek_[1], QDate(2004, 9, 12), 3, 1));
    ASSERT_TRUE(InsertMatch(greekDNo_, 2, greek_[2], greek_[0], QDate(2004, 9, 19), 0, 2));
    ASSERT_TRUE(InsertMatch(greekDNo_, 3, greek_[0], greek_[3], QDate(2004, 9, 26)));
    TQuery &forma = Dm().QryForma;
    forma.ParamByName("PDNo").SetAsInteger(greekDNo_);
    forma.ParamByName("PFil").SetAsInteger(greek_[0]);
    forma.ParamByName("PGhp").SetAsInteger(greek_[0]);
    forma.Open();
    // The query has no order: the rows are told apart by their matchday.
    QMap<int, QStringList> sides;
    for (forma.First(); !forma.Eof(); forma.Next())
        sides[forma.FieldByName("Agvnistikh").AsInteger()] = {forma.FieldByName("Entos").AsString(),
                                                              forma.FieldByName("Ektos").AsString()};
    EXPECT_EQ(sides.value(1), (QStringList{"3-1", ""}));
    EXPECT_EQ(sides.value(2), (QStringList{"", "0-2"}));
    EXPECT_EQ(sides.value(3), (QStringList{"-", ""}));
    ASSERT_TRUE(forma.Locate("Agvnistikh", {1}));
    EXPECT_EQ(forma.FieldByName("FName").AsString(), QString("Ομάδα %1 2").arg(greekDNo_));

    Dm().PlegmaQuery.Open();
    QStringList scores;
    for (Dm().PlegmaQuery.First(); !Dm().PlegmaQuery.Eof(); Dm().PlegmaQuery.Next())
        scores.append(Dm().PlegmaQuery.FieldByName("Score").AsString());
    EXPECT_EQ(scores, (QStringList{" 3- 1", " 0- 2", "? - ?"}));
}
