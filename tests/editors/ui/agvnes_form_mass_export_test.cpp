#include "editors/agvnes_form_fixture.h"
#include "editors/ui/agvnes_form.h"

#include "platform/ui/command_guard.h"
#include "platform/ui/db_grid.h"
#include "platform/ui/up_down_edit.h"
#include "shared/mass_save_form.h"
#include "support/qstring_printer.h"

#include <QAbstractButton>
#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDir>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

// Season 2004-05 of country GR: "Α Εθνική" (code A, file name alpha, 16 teams) with one match a
// matchday up to 30, played up to 12; "Β Εθνική" (code B, file name beta) with six matchdays, all
// played; "Γ Εθνική" without matches.
class AgvnesFormMassExportTest : public MatchListTest
{
protected:
    void SetUp() override
    {
        MatchListTest::SetUp();
        Post(Dm().Krath, {{"Name", "Ελλάδα"}, {"Kode", "GR"}});
        country_ = Dm().Krath.FieldByName("RecNo").AsInteger();
        a = AddLeague("Α Εθνική", "A", "alpha", 16, 30, 12);
        aNo = lastDNo;
        AddLeague("Β Εθνική", "B", "beta", 4, 6, 6);
        AddLeague("Γ Εθνική", "G", "gamma", 4, 0, 0);
        menuItem.setObjectName("N18");
        messages.Clear();
    }

    QList<int> AddLeague(const QString &name, const QString &code, const QString &fileName, int teams,
                         int highest, int played)
    {
        Post(Dm().Kathgories,
             {{"GrName", name}, {"EnName", name}, {"Kratos", country_}, {"Kode", code}, {"Typos", 0}});
        const QList<int> recNos =
            AddCompetition(country_, Dm().Kathgories.FieldByName("KatNo").AsInteger(), "2004-05", teams);
        EXPECT_TRUE(Dm().Diorganvseis.Edit());
        Dm().Diorganvseis.FieldByName("FileName").SetValue(fileName);
        EXPECT_TRUE(Dm().Diorganvseis.Post());
        for (int day = 1; day <= highest; ++day) {
            const QDate date = QDate(2004, 8, 29).addDays(7 * day);
            if (day <= played)
                AddMatch(lastDNo, day, recNos[0], recNos[1], date, 1, 0);
            else
                AddMatch(lastDNo, day, recNos[0], recNos[1], date);
        }
        return recNos;
    }

    // The match list as the main menu brings it up on "Α Εθνική", then on the matchday typed.
    TAgvnesForm &ShowOnMatchday(const QString &matchday)
    {
        RememberChoice("Α Εθνική", "2004-05");
        AgvnesForm()->ShowForCaller(&menuItem);
        AgvnesForm()->AgvnEdit->SetText(matchday);
        return *AgvnesForm();
    }

    // The bulk-export dialog confirmed after the given choices, as the main window's command shows it.
    static void ConfirmDialog(const QStringList &ticked,
                              const std::function<void(TMassSaveForm &)> &choose = {})
    {
        QTimer::singleShot(0, [ticked, choose] {
            TMassSaveForm &dialog = *MassSaveForm();
            for (int i = 0; i < dialog.DiorgListBox->count(); ++i) {
                QListWidgetItem *item = dialog.DiorgListBox->item(i);
                item->setCheckState(ticked.contains(item->text()) ? Qt::Checked : Qt::Unchecked);
            }
            if (choose)
                choose(dialog);
            QTest::mouseClick(dialog.BitBtn1, Qt::LeftButton);
        });
        MassSaveForm()->exec();
    }

    static QString Home() { return CurrentTestFolders().ProgramHome(); }
    static QStringList Files(const QString &folder)
    {
        return QDir(Home() + "/" + folder).entryList(QDir::Files, QDir::Name);
    }
    int Listed() { return Dm().Agvnes.RecordCount(); }
    static QString HomeTeamAt(int row) { return AgvnesForm()->DBGrid1->CellText(row, 2); }

    // The list shows its own competition and matchday again, in Greek.
    void ExpectListShows(TAgvnesForm &form, const QString &matchday)
    {
        EXPECT_EQ(form.AgvnEdit->Text(), matchday);
        EXPECT_EQ(Dm().Diorganvseis.FieldByName("DNo").AsInteger(), aNo);
        EXPECT_EQ(Dm().Diorganvseis.FieldByName("Onomasia").AsString(), "2004-05, Α Εθνική");
        ASSERT_EQ(Listed(), 1);
        EXPECT_EQ(HomeTeamAt(0), QString("Ομάδα %1-1").arg(aNo));
        EXPECT_EQ(Remembered("NameD"), "Α Εθνική");
    }

    int country_ = 0;
    QList<int> a;
    int aNo = 0;
    QAction menuItem;
};

TEST_F(AgvnesFormMassExportTest, CurrentMatchdaysOfTheTickedCompetitionsAndTheListShowsItsOwnAgain)
{
    TAgvnesForm &form = ShowOnMatchday("3");
    ConfirmDialog({"Α Εθνική", "Β Εθνική", "Γ Εθνική"},
                  [](TMassSaveForm &dialog) { QTest::mouseClick(dialog.CheckBoxTxt, Qt::LeftButton); });
    form.ExportCurrentMatchdays();

    EXPECT_EQ(messages.Count(), 0);
    EXPECT_EQ(Files("htm"),
              (QStringList{"engrpAa12n.html", "engrpAa13n.html", "engrpAa14n.html", "engrpBa06n.html",
                           "grgrpaa12n.html", "grgrpaa13n.html", "grgrpaa14n.html", "grgrpba06n.html"}));
    EXPECT_EQ(Files("htm1"),
              (QStringList{"engrpAa01n.html", "engrpAa02n.html", "engrpAa03n.html", "engrpBa01n.html",
                           "grgrpaa01n.html", "grgrpaa02n.html", "grgrpaa03n.html", "grgrpba01n.html"}));
    EXPECT_EQ(Files("GR/txt"), (QStringList{"alphaa12.txt", "alphaa13.txt", "alphaa14.txt", "betaa6.txt"}));
    EXPECT_EQ(Files("EN/txt"), Files("GR/txt"));
    EXPECT_FALSE(QDir(Home() + "/GR/dos").exists());
    ExpectListShows(form, "3");
}

TEST_F(AgvnesFormMassExportTest, ProgrammeOfAHiddenListLeavesTheMatchesWithoutRange)
{
    int allMatches = 0;
    {
        TTable matches;
        matches.SetSessionName("Session1_1");
        matches.SetDatabaseName("Tavrolin");
        matches.SetTableName("Agvnes.DB");
        matches.Open();
        allMatches = matches.RecordCount();
    }
    ConfirmDialog({"Β Εθνική"}, [](TMassSaveForm &dialog) { dialog.NumberButtons->button(0)->click(); });
    AgvnesForm()->ExportAllMatchdays();

    EXPECT_EQ(messages.Count(), 0);
    EXPECT_EQ(Files("htm").size(), 2 * 6);
    EXPECT_FALSE(QDir(Home() + "/htm1").exists());
    EXPECT_EQ(Listed(), allMatches);
    EXPECT_EQ(AgvnesForm()->AgvnEdit->Text(), "1");
}

TEST_F(AgvnesFormMassExportTest, AFileThatCannotBeWrittenIsReportedAndTheListComesBackInGreek)
{
    TAgvnesForm &form = ShowOnMatchday("3");
    // A folder where the English page of matchday 13 should be.
    ASSERT_TRUE(QDir(Home()).mkpath("htm/engrpAa13n.html"));
    ConfirmDialog({"Α Εθνική", "Β Εθνική"});
    // The main window runs the export as a guarded command, which shows the error.
    EXPECT_FALSE(RunGuarded([&form] { form.ExportCurrentMatchdays(); }));

    ASSERT_EQ(messages.Count(), 1);
    EXPECT_EQ(messages.Last().text, "Δεν είναι δυνατό το άνοιγμα του αρχείου " +
                                        QDir::toNativeSeparators(Home() + "/htm/engrpAa13n.html"));
    // The export stopped there: the pages before it stay, nothing of "Β Εθνική" is written.
    EXPECT_EQ(Files("htm"), (QStringList{"engrpAa12n.html", "grgrpaa12n.html", "grgrpaa13n.html"}));
    ExpectListShows(form, "3");
}

} // namespace
