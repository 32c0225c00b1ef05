// The main window's bulk HTML export as the user runs it: the menu item, the bulk-export dialog
// confirmed with a click, and the exporters of the ticked contents writing their pages.
#include "analysis/ui/baum_form.h"
#include "app/main_form.h"
#include "app/window_links.h"
#include "editors/agvnes_form_fixture.h"
#include "shared/mass_save_form.h"
#include "support/qstring_printer.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

// Season 2004-05 of country GR: the league "Α Εθνική" (code A, file name alpha, four teams, six
// matchdays, played up to 2) and the cup "Κύπελλο" with one match.
class MassHtmlExportTest : public MatchListTest
{
protected:
    void SetUp() override
    {
        MatchListTest::SetUp();
        Post(Dm().Krath, {{"Name", "Ελλάδα"}, {"Kode", "GR"}});
        const int country = Dm().Krath.FieldByName("RecNo").AsInteger();
        const QList<int> league = AddCompetitionOf(country, "Α Εθνική", "A", "alpha", 0);
        for (int day = 1; day <= 6; ++day) {
            const QDate date = QDate(2004, 9, 5).addDays(7 * day);
            if (day <= 2)
                AddMatch(lastDNo, day, league[day % 4], league[(day + 1) % 4], date, 2, 1);
            else
                AddMatch(lastDNo, day, league[day % 4], league[(day + 1) % 4], date);
        }
        const QList<int> cup = AddCompetitionOf(country, "Κύπελλο", "C", "cup", 1);
        AddMatch(lastDNo, 1, cup[0], cup[1], QDate(2004, 10, 1), 1, 0, 1);
        tav::app::LinkedAgvnesForm();
        messages.Clear();
    }

    QList<int> AddCompetitionOf(int country, const QString &name, const QString &code,
                                const QString &fileName, int typos)
    {
        Post(Dm().Kathgories,
             {{"GrName", name}, {"EnName", name}, {"Kratos", country}, {"Kode", code}, {"Typos", typos}});
        const QList<int> teams =
            AddCompetition(country, Dm().Kathgories.FieldByName("KatNo").AsInteger(), "2004-05", 4);
        EXPECT_TRUE(Dm().Diorganvseis.Edit());
        Dm().Diorganvseis.FieldByName("FileName").SetValue(fileName);
        EXPECT_TRUE(Dm().Diorganvseis.Post());
        return teams;
    }

    // Triggers the menu item and confirms the dialog with a click after the choices.
    void RunFromMenu(const std::function<void(TMassSaveForm &)> &choose)
    {
        QTimer::singleShot(0, [choose] {
            TMassSaveForm &dialog = *MassSaveForm();
            EXPECT_EQ(QApplication::activeModalWidget(), &dialog);
            for (int i = 0; i < dialog.DiorgListBox->count(); ++i)
                dialog.DiorgListBox->item(i)->setCheckState(Qt::Checked);
            choose(dialog);
            QTest::mouseClick(dialog.BitBtn1, Qt::LeftButton);
        });
        main.Item("HTML1")->trigger();
    }

    static QStringList Files(const QString &folder)
    {
        return QDir(CurrentTestFolders().ProgramHome() + "/" + folder).entryList(QDir::Files, QDir::Name);
    }

    TFrmMain main;
};

} // namespace

TEST_F(MassHtmlExportTest, TheTickedContentsWriteTheirPagesAndTheCupHasNoTable)
{
    ASSERT_TRUE(main.Item("HTML1")->isEnabled());
    RunFromMenu([](TMassSaveForm &dialog) { dialog.ProgramCheckBox->setChecked(true); });

    EXPECT_EQ(messages.Count(), 0) << messages.Texts().join('\n').toStdString();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    // Numbered pages of the league: its table as page 01, its current matchday (2) and the next
    // two as 01 to 03. The Greek match-list page lowers the category's letter, the table keeps it.
    QStringList league;
    for (const QString &page : Files("htm1"))
        if (page.mid(2, 3) == "grp")
            league.append(page);
    QStringList expected{"engrpAa01n.html", "engrpAa02n.html", "engrpAa03n.html", "engrpAb01n.html",
                         "grgrpaa01n.html", "grgrpaa02n.html", "grgrpaa03n.html", "grgrpAb01n.html"};
    // The history of the coming matchday (3) as page 02, the predictions and the odds of the
    // current matchday and the next as 01 and 02, the results cross-table as page 01.
    for (const QString &language : {QString("en"), QString("gr")}) {
        expected.append(language + "grpAa02r.html");
        expected.append(language + "grpAa01s.html");
        for (const QString &letter : {QString("p"), QString("o")})
            for (const QString &number : {QString("01"), QString("02")})
                expected.append(language + "grpAa" + number + letter + ".html");
    }
    league.sort();
    expected.sort();
    EXPECT_EQ(league, expected);
    // The cup has pages of its matchday but no table and no cross-table.
    for (const QString &page : Files("htm1")) {
        EXPECT_FALSE(page.mid(2, 3) == "grk" && page.at(6) == 'b') << page.toStdString();
        EXPECT_FALSE(page.mid(2, 3) == "grk" && page.at(9) == 's') << page.toStdString();
    }
    // By matchday: the whole programme of six matchdays in both languages.
    const QStringList pages = Files("htm");
    for (const QString &prefix : {QString("grgrpa"), QString("engrpA")}) {
        for (int day = 1; day <= 6; ++day) {
            const QString page = prefix + QString("a0%1n.html").arg(day);
            EXPECT_TRUE(pages.contains(page)) << page.toStdString();
        }
    }
}

TEST_F(MassHtmlExportTest, CancelWritesNothing)
{
    QTimer::singleShot(0, [] { QTest::mouseClick(MassSaveForm()->BitBtn2, Qt::LeftButton); });
    main.Item("HTML1")->trigger();
    EXPECT_TRUE(Files("htm").isEmpty());
    EXPECT_TRUE(Files("htm1").isEmpty());
}

TEST_F(MassHtmlExportTest, AFileThatCannotBeWrittenEndsTheRunWithAGreekMessage)
{
    // A folder stands where the Greek league table page goes: nothing after it is written.
    ASSERT_TRUE(QDir(CurrentTestFolders().ProgramHome()).mkpath("htm1/grgrpAb01n.html"));
    RunFromMenu([](TMassSaveForm &) {});
    ASSERT_EQ(messages.Count(), 1);
    EXPECT_TRUE(messages.Last().text.contains("grgrpAb01n.html")) << messages.Last().text.toStdString();
    EXPECT_EQ(Files("htm1"), QStringList());
    EXPECT_EQ(Dm().Diorganvseis.FieldByName("KatName").AsString(), "Α Εθνική");
}
