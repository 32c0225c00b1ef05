#include "editors/result_import.h"
#include "editors/result_import_fixture.h"
#include "editors/team_name_aliases.h"
#include "platform/core/modal_result.h"

using namespace tav::editors;

namespace {

const QDate kFirst(2005, 9, 4);

class ImportTest : public ResultImportTest
{
protected:
    void SetUp() override
    {
        ResultImportTest::SetUp();
        for (const char *name : {"ARIS", "PAOK", "AEK", "OFI"})
            teams_.append(AddClub(QString("Ομάδα ") + name, name));
    }

    // Two matchdays of the four clubs; the second unplayed when played is false.
    static QList<QList<Match>> Season(bool played)
    {
        return {{{"ARIS", "PAOK", "2", "1"}, {"AEK", "OFI", "0", "0"}},
                {{"PAOK", "AEK", played ? "1" : "", played ? "3" : ""}, {"OFI", "ARIS", "", ""}}};
    }

    QList<int> teams_;
    TResultImport import_{TavrolinDM()};
};

TEST_F(ImportTest, NewCompetitionNumbersMatchdaysAddsTeamsAndKeepsUnplayedMatches)
{
    const int dNo = NewCompetition(4);
    QStringList lines = WriterLines(Season(false), kFirst);
    // Lines before the first separator belong to no matchday.
    lines.insert(1, ResultLine("01/09/2005", "AEK", "ARIS", "5", "5"));
    const TImportSummary summary =
        import_.Run(lines, TResultLayout::WriterLine(true), TImportKind::NewCompetition);
    EXPECT_EQ(summary.Inserted, 4);
    EXPECT_EQ(summary.TeamsAdded, 4);
    EXPECT_EQ(Count("SELECT COUNT(*) FROM PerOmades WHERE DiorNo = ?1", {dNo}), 4);
    const QList<QVariantList> expected = {
        {1, "ARIS", "PAOK", 2, 1, "2005-09-04", teams_[0]},
        {1, "AEK", "OFI", 0, 0, "2005-09-04", teams_[2]},
        {2, "PAOK", "AEK", QVariant(), QVariant(), "2005-09-11", teams_[1]},
        {2, "OFI", "ARIS", QVariant(), QVariant(), "2005-09-11", teams_[3]},
    };
    EXPECT_EQ(Matches(dNo), expected);
}

TEST_F(ImportTest, UpdateWritesResultsAndDatesAndKeepsGoalsTheLineLacks)
{
    const int dNo = NewCompetition(4);
    import_.Run(WriterLines(Season(false), kFirst), TResultLayout::WriterLine(true),
                TImportKind::NewCompetition);
    // A later file: the results of matchday 2, played a day later; one match still unplayed.
    QList<QList<Match>> later = Season(true);
    import_.Run(WriterLines(later, kFirst.addDays(1)), TResultLayout::WriterLine(true), TImportKind::Update);
    const QList<QVariantList> rows = Matches(dNo);
    ASSERT_EQ(rows.size(), 4);
    EXPECT_EQ(rows[2], (QVariantList{2, "PAOK", "AEK", 1, 3, "2005-09-12", teams_[1]}));
    EXPECT_EQ(rows[3], (QVariantList{2, "OFI", "ARIS", QVariant(), QVariant(), "2005-09-12", teams_[3]}));
    EXPECT_EQ(rows[0], (QVariantList{1, "ARIS", "PAOK", 2, 1, "2005-09-05", teams_[0]}));
}

TEST_F(ImportTest, UpdateWithoutADateOnTheLineKeepsTheStoredDate)
{
    const int dNo = NewCompetition(4);
    import_.Run(WriterLines(Season(false), kFirst), TResultLayout::WriterLine(true),
                TImportKind::NewCompetition);
    const QStringList lines = {ResultLine("20/09/2005", "ARIS", "PAOK", "2", "1"),
                               ResultLine("", "PAOK", "AEK", "4", "4")};
    import_.Run(lines, TResultLayout::WriterLine(false), TImportKind::Update);
    EXPECT_EQ(Matches(dNo)[2], (QVariantList{2, "PAOK", "AEK", 4, 4, "2005-09-11", teams_[1]}));
}

// A pairing played twice at the same ground: each line writes its next match, never another
// pairing's.
TEST_F(ImportTest, UpdateOfFourRoundsWritesEachMatchOfAPairingInTurn)
{
    const int dNo = NewCompetition(4, 4);
    QList<QList<Match>> season = {{{"ARIS", "PAOK", "", ""}},
                                  {{"AEK", "OFI", "", ""}},
                                  {{"ARIS", "PAOK", "", ""}},
                                  {{"ARIS", "AEK", "", ""}}};
    import_.Run(WriterLines(season, kFirst), TResultLayout::WriterLine(true), TImportKind::NewCompetition);
    const QStringList lines = {ResultLine("04/09/2005", "ARIS", "PAOK", "1", "0"),
                               ResultLine("18/09/2005", "ARIS", "PAOK", "2", "0"),
                               ResultLine("19/09/2005", "ARIS", "PAOK", "3", "0")};
    EXPECT_EQ(import_.Run(lines, TResultLayout::WriterLine(false), TImportKind::Update).Updated, 2);
    const QList<QVariantList> rows = Matches(dNo);
    EXPECT_EQ(rows[0].mid(3, 3), (QVariantList{1, 0, "2005-09-04"}));
    EXPECT_EQ(rows[2].mid(3, 3), (QVariantList{2, 0, "2005-09-18"}));
    EXPECT_EQ(rows[3].mid(3, 3), (QVariantList{QVariant(), QVariant(), "2005-09-25"}));
}

// Whatever stops a run on line N undoes all of it and names the line.
TEST_F(ImportTest, AFailingLineUndoesTheWholeRun)
{
    struct Case
    {
        const char *what;
        QString badLine;
        QString reason;
    };
    const Case cases[] = {
        {"no real day", ResultLine("31/02/2005", "OFI", "ARIS", "1", "1"), "31/02/2005"},
        {"no date", ResultLine("", "OFI", "ARIS", "1", "1"), "ημερομηνία"},
    };
    int season = 2000;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const int dNo = NewCompetition(4, 2, QString::number(++season));
        QStringList lines = {QString(32, '-'), ResultLine("", "PAOK", "AEK", "1", "0")};
        if (QString(c.what) != "no date")
            lines = WriterLines(Season(false), kFirst) + QStringList{c.badLine};
        try {
            import_.Run(lines, TResultLayout::WriterLine(true), TImportKind::NewCompetition);
            ADD_FAILURE() << "the run went through";
        } catch (const EImportError &error) {
            EXPECT_EQ(error.Line(), int(lines.size()));
            EXPECT_TRUE(error.Message().contains(QString("γραμμή %1").arg(lines.size()))) << error.what();
            EXPECT_TRUE(error.Message().contains(c.reason)) << error.what();
        }
        EXPECT_EQ(Count("SELECT COUNT(*) FROM Agvnes WHERE DiorgNo = ?1", {dNo}), 0);
        EXPECT_EQ(Count("SELECT COUNT(*) FROM PerOmades WHERE DiorNo = ?1", {dNo}), 0);
    }
}

// The date of an earlier run is not the date of the next one.
TEST_F(ImportTest, EveryRunStartsWithoutADate)
{
    NewCompetition(4);
    import_.Run(WriterLines(Season(false), kFirst), TResultLayout::WriterLine(true),
                TImportKind::NewCompetition);
    const int dNo = NewCompetition(4, 2, "2006-2007");
    const QStringList lines = {QString(32, '-'), ResultLine("", "PAOK", "AEK", "1", "0")};
    EXPECT_THROW(import_.Run(lines, TResultLayout::WriterLine(true), TImportKind::NewCompetition),
                 EImportError);
    EXPECT_EQ(Count("SELECT COUNT(*) FROM Agvnes WHERE DiorgNo = ?1", {dNo}), 0);
}

TEST_F(ImportTest, MatchdaysGoPast127)
{
    const int dNo = NewCompetition(4);
    TResultLayout layout = TResultLayout::WriterLine(false);
    layout.DateDivision = true;
    QStringList lines;
    for (int day = 0; day < 130; ++day)
        lines.append(ResultLine(kFirst.addDays(day).toString("dd/MM/yyyy"), "ARIS", "PAOK", "1", "1"));
    EXPECT_EQ(import_.Run(lines, layout, TImportKind::NewCompetition).Inserted, 130);
    EXPECT_EQ(Count("SELECT MAX(Agvnistikh) FROM Agvnes WHERE DiorgNo = ?1", {dNo}), 130);
}

TEST_F(ImportTest, TeamNamesAreCheckedBeforeAnythingIsWritten)
{
    NewCompetition(4);
    const QStringList lines = {ResultLine("04/09/2005", "Aris", "Panathinaikos", "1", "0"),
                               ResultLine("04/09/2005", "panathinaikos", "OLYMPIAKOS", "1", "0")};
    QStringList asked;
    // The first unknown spelling becomes a spelling of AEK; the second aborts.
    const auto resolve = [&](const QString &spelling) {
        asked.append(spelling);
        if (spelling == "PANATHINAIKOS") {
            EXPECT_EQ(StoreTeamAlias(TavrolinDM(), country_, spelling, "Ομάδα AEK"), TAliasStore::Stored);
            return mrOk;
        }
        return mrAbort;
    };
    EXPECT_FALSE(CheckTeamNames(TavrolinDM(), lines, TResultLayout::WriterLine(false), resolve));
    EXPECT_EQ(asked, QStringList({"PANATHINAIKOS", "OLYMPIAKOS"}));
    EXPECT_TRUE(IsKnownTeamName(TavrolinDM(), country_, "PANATHINAIKOS"));
    EXPECT_EQ(Count("SELECT TeamNo FROM Omades WHERE EnName = 'PANATHINAIKOS'"), teams_[2]);
    EXPECT_EQ(Count("SELECT COUNT(*) FROM Agvnes"), 0);
}

TEST_F(ImportTest, OnlyUpperCaseNamesAreKnown)
{
    NewCompetition(4);
    AddClub("Πανιώνιος", "Panionios");
    EXPECT_TRUE(IsKnownTeamName(TavrolinDM(), country_, "ARIS"));
    EXPECT_FALSE(IsKnownTeamName(TavrolinDM(), country_, "PANIONIOS"));
    EXPECT_EQ(StoreTeamAlias(TavrolinDM(), country_, "X", "Κανένας"), TAliasStore::NoTeam);
    EXPECT_EQ(StoreNewTeam(TavrolinDM(), country_, "PANIONIOS FC", "Πανιώνιος Νέος"), TAliasStore::Stored);
    EXPECT_EQ(StoreNewTeam(TavrolinDM(), country_, "PANIONIOS FC", "Πανιώνιος Νέος"), TAliasStore::Refused);
    EXPECT_TRUE(IsKnownTeamName(TavrolinDM(), country_, "PANIONIOS FC"));
}

} // namespace

namespace {

// A competition full of teams refuses one more: the rule says so, then the run says where it
// stopped, and nothing of it stays.
TEST_F(ImportTest, ACompetitionTeamTheRulesRefuseStopsTheRun)
{
    const int dNo = NewCompetition(3);
    messages_.Clear();
    const QStringList lines = WriterLines(Season(true), kFirst);
    EXPECT_THROW(import_.Run(lines, TResultLayout::WriterLine(true), TImportKind::NewCompetition),
                 EImportError);
    ASSERT_EQ(messages_.Count(), 1);
    EXPECT_TRUE(messages_.Last().text.contains("αριθμό ομάδων")) << messages_.Last().text.toStdString();
    EXPECT_EQ(Count("SELECT COUNT(*) FROM PerOmades WHERE DiorNo = ?1", {dNo}), 0);
    EXPECT_EQ(Count("SELECT COUNT(*) FROM Agvnes WHERE DiorgNo = ?1", {dNo}), 0);
    EXPECT_EQ(TavrolinDM().POmades.RecordCount(), 0);
}

} // namespace
