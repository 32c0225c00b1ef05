#include "editors/match_text_save.h"
#include "editors/result_import.h"
#include "editors/result_import_fixture.h"
#include "platform/core/text_file.h"
#include "support/test_environment.h"

#include <QTemporaryDir>

using namespace tav::editors;

namespace {

class MatchTextSaveTest : public ResultImportTest
{
protected:
    void SetUp() override
    {
        ResultImportTest::SetUp();
        for (const char *name : {"ARIS", "PAOK", "AEK", "OFI"})
            AddClub(QString("Ομάδα ") + name, name);
        dNo_ = NewCompetition(4);
        const QList<QList<Match>> season = {{{"ARIS", "PAOK", "2", "1"}, {"AEK", "OFI", "0", "0"}},
                                            {{"PAOK", "AEK", "", ""}, {"OFI", "ARIS", "", ""}},
                                            {{"ARIS", "AEK", "1", "0"}}};
        TResultImport(TavrolinDM())
            .Run(WriterLines(season, QDate(2005, 9, 4)), TResultLayout::WriterLine(true),
                 TImportKind::NewCompetition);
    }

    int dNo_ = 0;
};

TEST_F(MatchTextSaveTest, SavesARangeWithItsSecondRoundAndReadsItBack)
{
    const QList<TSavedMatch> matches = ReadMatchRange(TavrolinDM(), dNo_, 2, 3);
    const QStringList lines = MatchTextLines(matches, true);
    const QString dashes(44, '-');
    const QStringList expected = {
        dashes + "2",
        ResultLine("11/09/2005", "PAOK", "AEK", "", ""),
        ResultLine("11/09/2005", "OFI", "ARIS", "", ""),
        dashes + "3",
        ResultLine("18/09/2005", "ARIS", "AEK", "1", "0"),
        // The second round numbers on from the last listed matchday, a week apart.
        dashes + "5",
        "25/09/2005 AEK                 -PAOK                ",
        "25/09/2005 ARIS                -OFI                 ",
        dashes + "6",
        "02/10/2005 AEK                 -ARIS                ",
    };
    EXPECT_EQ(lines, expected);

    QTemporaryDir folder;
    const QString path = folder.filePath("range.txt");
    WriteTextLines(path, lines);
    EXPECT_EQ(ReadTextLines(path), expected);
    // The saved file reads back into a new competition through the writer layout.
    const int copy = NewCompetition(4, 2, "2010-2011");
    const TImportSummary summary =
        TResultImport(TavrolinDM())
            .Run(ReadTextLines(path), TResultLayout::WriterLine(true), TImportKind::NewCompetition);
    EXPECT_EQ(summary.Inserted, 6);
    EXPECT_EQ(Count("SELECT MAX(Agvnistikh) FROM Agvnes WHERE DiorgNo = ?1", {copy}), 4);
}

TEST_F(MatchTextSaveTest, AnEmptyRangeWritesNothing)
{
    EXPECT_TRUE(MatchTextLines(ReadMatchRange(TavrolinDM(), dNo_, 7, 9), true).isEmpty());
}

} // namespace
