#include "controls/styled/sty_button.h"
#include "coupons/analysis_grid.h"
#include "coupons/kup_file.h"
#include "coupons/ui/agvn_kouponi_frm.h"
#include "coupons/ui/epiloges_dlg.h"
#include "coupons/ui/filter_kup_frm.h"
#include "coupons/ui/list_deltia_k_frm.h"
#include "coupons/ui/print_range_dlg.h"
#include "coupons/ui/sel_period_frm.h"
#include "kup_test_files.h"
#include "platform/core/message_recorder.h"
#include "platform/core/modal_result.h"
#include "platform/core/paths.h"
#include "platform/db/sqlite_statement.h"
#include "platform/ui/modal_runner.h"
#include "platform/ui/printer.h"
#include "support/data_module_test_base.h"
#include "support/pdf_text.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using namespace tav::coupons;

namespace {

const char *const kCouponFile = "13_20040305_20040308.kup";
const char *const kNoCoupon = "Δεν έχετε επιλέξει κουπονι!Να συνεχίσω;";
const char *const kConfirm = "Πρόκειται να κάνετε ανάλυση του κουπονιου 13_20040305_20040308.kup. "
                             "Βεβαιωθήτε ότι έχετε κάνει ενημέρωση του κουπονιού πρώτα.";
const char *const kNoMatch = "Δεν υπάρχουν στοιχεία για τις διοργανώσεις που επιλέξατε.";
const QDate kCouponDay(2004, 3, 5);

QPoint CellCentre(const TStringGrid &grid, int col, int row)
{
    const TRect rect = grid.CellRect(col, row);
    return {(rect.Left + rect.Right) / 2, (rect.Top + rect.Bottom) / 2};
}

QStringList Column(const TStringGrid &grid, int col)
{
    QStringList cells;
    for (int row = 1; row < grid.RowCount(); ++row)
        cells.append(grid.Cells(col, row));
    return cells;
}

// A league of the coupon's season with two matches of coupon 13 on its first day: code 47 played
// and the favourite's, code 3 not yet played and the coupon file itself in Kouponia.
class AgvnKouponiFrmTest : public ProgramDataModuleTest
{
protected:
    void SetUp() override
    {
        ProgramDataModuleTest::SetUp();
        const int country = AddCountry("Αγγλία");
        Post(Dm().Kathgories, {{"GrName", "Πρέμιερ"}, {"Kratos", country}, {"OPAP", "ΑΓΓ"}, {"Typos", 0}});
        const int premier = Dm().Kathgories.FieldByName("KatNo").AsInteger();
        league = AddCompetition(premier, "2003-04", 4);
        QList<int> entries;
        for (int i = 1; i <= 4; ++i)
            entries.append(AddCompetitionTeam(league, AddTeam(country, QStringLiteral("Ομάδα %1").arg(i),
                                                              QStringLiteral("Team %1").arg(i))));
        Game(entries[0], entries[1], 47, 2, 1, 1.5, 4.0, 6.0);
        Game(entries[2], entries[3], 3, {}, {}, 2.0, 3.2, 3.6);
        ASSERT_TRUE(EnsureFolder(KouponiaFolder()));
        WriteBytes(JoinPath(KouponiaFolder(), kCouponFile),
                   KupBytes(KupRow("3", kCouponDay, "", "ΑΓΓ", "", ""), 38051.0, 38054.0, 13) +
                       KupBytes(KupRow("47", kCouponDay, "", "ΑΓΓ", "", "")));
        form = std::make_unique<TAgvnKouponiFrm>([] { return QDate(2004, 3, 9); });
        form->resize(1200, 500);
        messages.Clear(); // the confirmations of entering the reference data
    }

    void TearDown() override
    {
        form.reset();
        Printer().SetOutputFileName(QString());
        ProgramDataModuleTest::TearDown();
    }

    void Game(int home, int away, int code, const QVariant &homeGoals, const QVariant &awayGoals, double odd1,
              double oddX, double odd2)
    {
        SqliteStatement statement(
            Dm().TavrolinDb.Handle(),
            "INSERT INTO Agvnes (DiorgNo, Agvnistikh, Ghpedoyxos, Filojenoymenh, Omilos, TelGGoals, "
            "TelFGoals,"
            " \"Date\", \"Time\", GTeamNo, FTeamNo, OPAPAr, AP1, APX, AP2) VALUES (?1, 1, ?2, ?3, 0, ?4, ?5,"
            " ?6, '20:30:00', (SELECT TeamNo FROM PerOmades WHERE RecNo = ?2),"
            " (SELECT TeamNo FROM PerOmades WHERE RecNo = ?3), ?7, ?8, ?9, ?10)");
        statement.BindAll({league, home, away, homeGoals, awayGoals, kCouponDay.toString(Qt::ISODate), code,
                           odd1, oddX, odd2});
        statement.Execute();
    }

    // Answers the coupon picker with the first coupon, the seasons and the match filter with OK,
    // each through its buttons.
    static int AnswerDialogs(QDialog &dialog)
    {
        if (auto *picker = qobject_cast<TListDeltiaKFrm *>(&dialog)) {
            picker->List1->setCurrentRow(0);
            QTest::mouseClick(picker->BBtnOK, Qt::LeftButton);
        } else if (auto *seasons = qobject_cast<TSelPeriodFrm *>(&dialog)) {
            QTest::mouseClick(seasons->BBtnOK, Qt::LeftButton);
        } else if (auto *filter = qobject_cast<TFilterKupFrm *>(&dialog)) {
            QTest::mouseClick(filter->BBtnOK, Qt::LeftButton);
        } else {
            ADD_FAILURE() << "unexpected dialog " << dialog.metaObject()->className();
            return mrCancel;
        }
        return dialog.result();
    }

    // The coupon analysis through the button, every dialog and question answered yes.
    void AnalyseCoupon()
    {
        ScriptedModalRunner runner(&AgvnKouponiFrmTest::AnswerDialogs);
        messages.QueueAnswer(mrYes);
        QTest::mouseClick(form->BtnAnalysis, Qt::LeftButton);
        EXPECT_EQ(runner.RunCount(), 3);
    }

    QString TextFile(const QString &path) const
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll())
                                              : QStringLiteral("<none>");
    }

    int league = 0;
    MessageRecorder messages;
    std::unique_ptr<TAgvnKouponiFrm> form;
};

TEST_F(AgvnKouponiFrmTest, OpensOnTheFridayToMondayOfToday)
{
    const struct
    {
        QDate today, from, to;
    } cases[] = {
        {QDate(2024, 3, 4), QDate(2024, 3, 1), QDate(2024, 3, 4)},  // Monday: the weekend just gone
        {QDate(2024, 3, 5), QDate(2024, 3, 8), QDate(2024, 3, 11)}, // Tuesday: the coming one
        {QDate(2024, 3, 10), QDate(2024, 3, 8), QDate(2024, 3, 11)},
    };
    for (const auto &c : cases) {
        TAgvnKouponiFrm screen([&c] { return c.today; });
        EXPECT_EQ(screen.DateFrom->date(), c.from) << c.today.toString().toStdString();
        EXPECT_EQ(screen.DateTo->date(), c.to) << c.today.toString().toStdString();
        EXPECT_TRUE(screen.Chkskor->isChecked());
        EXPECT_TRUE(screen.ChkxSkor->isChecked());
        EXPECT_TRUE(screen.ChkExtra->isChecked());
        EXPECT_TRUE(screen.BtnNeural->isHidden());
        EXPECT_FALSE(screen.ChkExtra->isHidden());
    }
    ASSERT_EQ(form->SGrd1->ColCount(), kAnalysisColumns);
    QStringList titles;
    for (int col = 0; col < kAnalysisColumns; ++col)
        titles.append(form->SGrd1->Cells(col, 0));
    EXPECT_EQ(titles, AnalysisTitles(false));
    EXPECT_EQ(form->windowTitle(), "ΑΝΑΛΥΣΗ ΚΟΥΠΟΝΙΟΥ");
}

TEST_F(AgvnKouponiFrmTest, OnlyProposalAndAgreementCellsOfMatchRowsAreSelectable)
{
    const struct
    {
        int col, row;
        bool selectable;
    } cases[] = {{27, 1, true},  {30, 2, true},  {27, 0, false}, {30, 0, false},
                 {26, 1, false}, {28, 1, false}, {0, 1, false},  {29, 3, false}};
    for (const auto &c : cases)
        EXPECT_EQ(form->SGrd1SelectCell(c.col, c.row), c.selectable) << c.col << "," << c.row;

    // Through the mouse: a click on an estimate leaves the current cell; one on the proposal moves it.
    form->SGrd1->SetRowCount(3);
    form->show();
    QTest::mouseClick(form->SGrd1->viewport(), Qt::LeftButton, {}, CellCentre(*form->SGrd1, 27, 2));
    EXPECT_EQ(form->SGrd1->Col(), 27);
    EXPECT_EQ(form->SGrd1->Row(), 2);
    QTest::mouseClick(form->SGrd1->viewport(), Qt::LeftButton, {}, CellCentre(*form->SGrd1, 6, 1));
    EXPECT_EQ(form->SGrd1->Col(), 27);
    EXPECT_EQ(form->SGrd1->Row(), 2);
}

TEST_F(AgvnKouponiFrmTest, HidingOrClosingReleasesTheMatchesFilter)
{
    form->show();
    for (const bool byButton : {false, true}) {
        Dm().Agvnes.SetFilter(QStringLiteral("DiorgNo = %1").arg(league));
        Dm().Agvnes.SetFiltered(true);
        if (byButton)
            QTest::mouseClick(form->BtnBack, Qt::LeftButton);
        else
            form->hide();
        EXPECT_FALSE(form->isVisible());
        EXPECT_FALSE(Dm().Agvnes.Filtered());
        EXPECT_EQ(Dm().Agvnes.Filter(), "");
        form->show();
    }
}

TEST_F(AgvnKouponiFrmTest, ConfirmationAsksAndEmptiesTheRowsOnlyOnYes)
{
    const struct
    {
        QList<int> answers;
        bool confirmed;
        QStringList questions;
    } cases[] = {
        {{mrNo}, false, {kNoCoupon}},
        {{mrYes, mrNo},
         false,
         {kNoCoupon, "Πρόκειται να κάνετε ανάλυση του κουπονιου . Βεβαιωθήτε ότι έχετε "
                     "κάνει ενημέρωση του κουπονιού πρώτα."}},
        {{mrYes, mrYes}, true, {kNoCoupon}},
    };
    for (const auto &c : cases) {
        form->SGrd1->SetCell(AnTeams, 1, "A-B");
        messages.Clear();
        for (int answer : c.answers)
            messages.QueueAnswer(answer);
        ScriptedModalRunner cancelPicker([](QDialog &) { return int(mrCancel); });
        EXPECT_EQ(form->ConfirmCouponAnalysis(), c.confirmed);
        EXPECT_EQ(messages.Texts().mid(0, c.questions.size()), c.questions);
        EXPECT_EQ(messages.Last().caption, "Ενημέρωση");
        EXPECT_EQ(form->SGrd1->Cells(AnTeams, 1), c.confirmed ? "" : "A-B");
    }
}

TEST_F(AgvnKouponiFrmTest, CouponAnalysisThroughTheButtonsFillsAndSortsTheGrid)
{
    form->show();
    form->SGrd1->SetCell(AnTeams, 1, "old");
    AnalyseCoupon();
    EXPECT_EQ(messages.Texts(), QStringList{kConfirm});
    EXPECT_EQ(form->KupFileName, kCouponFile);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("ΑΝΑΛΥΣΗ ΚΟΥΠΟΝΙΟΥ ") + kCouponFile);
    EXPECT_EQ(form->GroupBox1->title(), kCouponFile);
    EXPECT_EQ(form->DateFrom->date(), kCouponDay);
    EXPECT_EQ(form->DateTo->date(), QDate(2004, 3, 8));
    // The checked estimate box gives the layout with the agreement columns; without a training
    // file the scoring does not run.
    ASSERT_EQ(form->SGrd1->ColCount(), kAnalysisExtColumns);
    ASSERT_EQ(form->SGrd1->RowCount(), 3);
    EXPECT_EQ(form->SGrd1->Cells(AnExtProposal, 0), "ΠΡ");
    QStringList teams = Column(*form->SGrd1, AnTeams);
    teams.sort();
    EXPECT_EQ(teams, QStringList({"Ομάδα 1-Ομάδα 2", "Ομάδα 3-Ομάδα 4"}));
    EXPECT_EQ(Column(*form->SGrd1, AnDiorg), QStringList({"ΑΓΓ", "ΑΓΓ"}));
    EXPECT_TRUE(form->BtnAnalysis->isEnabled());

    // A click on the title of the odds' percentage for 1 puts the largest first, one on the title of
    // the coupon codes the lowest code first; each numbers the rows again.
    QTest::mouseClick(form->SGrd1->viewport(), Qt::LeftButton, {}, CellCentre(*form->SGrd1, AnOddsPct1, 0));
    EXPECT_EQ(Column(*form->SGrd1, AnOddsPct1), QStringList({"62", "46"}));
    EXPECT_EQ(Column(*form->SGrd1, AnSign), QStringList({"1", "?"}));
    QTest::mouseClick(form->SGrd1->viewport(), Qt::LeftButton, {}, CellCentre(*form->SGrd1, AnOpapCode, 0));
    EXPECT_EQ(Column(*form->SGrd1, AnOpapCode), QStringList({"3", "47"}));
    EXPECT_EQ(Column(*form->SGrd1, AnTeams), QStringList({"Ομάδα 3-Ομάδα 4", "Ομάδα 1-Ομάδα 2"}));
    EXPECT_EQ(Column(*form->SGrd1, AnRowNo), QStringList({"1", "2"}));
}

TEST_F(AgvnKouponiFrmTest, ACancelledDialogLeavesTheConfirmedGridEmpty)
{
    form->SGrd1->SetCell(AnTeams, 1, "old");
    ScriptedModalRunner runner([](QDialog &dialog) {
        return qobject_cast<TSelPeriodFrm *>(&dialog) ? int(mrCancel) : AnswerDialogs(dialog);
    });
    messages.QueueAnswer(mrYes);
    form->BtnAnalysisClick();
    EXPECT_EQ(runner.RunCount(), 2);
    EXPECT_EQ(form->SGrd1->Cells(AnTeams, 1), "");
    EXPECT_EQ(form->SGrd1->RowCount(), 2);
}

TEST_F(AgvnKouponiFrmTest, AnalysisByDatesTakesTheScreensRangeAndFeedsTheNetwork)
{
    WriteBytes(JoinPath(ProgramFolder(), "input0.txt"), {});
    // The match filter still holds the coupon's day; the screen's range has no match.
    FilterKupFrm()->DateFrom->setDate(kCouponDay);
    FilterKupFrm()->DateTo->setDate(kCouponDay);
    form->DateFrom->setDate(QDate(2004, 4, 1));
    form->DateTo->setDate(QDate(2004, 4, 4));
    QTest::mouseClick(form->BtnAnalysisDate, Qt::LeftButton);
    EXPECT_EQ(messages.Texts(), QStringList{kNoMatch});
    EXPECT_EQ(TextFile(JoinPath(ProgramFolder(), "input0.txt")), "");

    messages.Clear();
    form->ChkExtra->setChecked(false);
    form->DateFrom->setDate(kCouponDay);
    form->DateTo->setDate(QDate(2004, 3, 8));
    QTest::mouseClick(form->BtnAnalysisDate, Qt::LeftButton);
    EXPECT_EQ(messages.Count(), 0) << messages.Texts().join('\n').toStdString();
    ASSERT_EQ(form->SGrd1->RowCount(), 3);
    // The network adds its column after the proposal; only the played match trains it.
    ASSERT_EQ(form->SGrd1->ColCount(), kAnalysisColumns + 1);
    EXPECT_EQ(form->SGrd1->Cells(kAnalysisColumns, 0), "NEUR");
    const QString training = TextFile(JoinPath(ProgramFolder(), "input0.txt"));
    EXPECT_EQ(training.count("\r\n"), 1) << training.toStdString();
    EXPECT_TRUE(training.endsWith(" 0\r\n")) << training.toStdString();
    EXPECT_TRUE(form->BtnAnalysisDate->isEnabled());
}

TEST_F(AgvnKouponiFrmTest, ProposalIsSavedAndLoadedThroughTheButtons)
{
    AnalyseCoupon();
    const int played = int(Column(*form->SGrd1, AnOpapCode).indexOf("47")) + 1;
    form->SGrd1->SetCell(AnExtProposal, played, " 1 ");
    const QString path = JoinPath(ProgramFolder(), "PROTASEIS/p13.txt");
    ScriptedModalRunner save([&path](QDialog &dialog) {
        auto &files = dynamic_cast<QFileDialog &>(dialog);
        EXPECT_EQ(files.acceptMode(), QFileDialog::AcceptSave);
        EXPECT_EQ(files.directory().absolutePath(), JoinPath(ProgramFolder(), "PROTASEIS"));
        files.selectFile(path);
        return int(QDialog::Accepted);
    });
    QTest::mouseClick(form->BitBtn4, Qt::LeftButton);
    EXPECT_TRUE(TextFile(path).startsWith("13\r\n47,1\r\n#3 ")) << TextFile(path).toStdString();
    EXPECT_EQ(messages.Last().text, "Η αποθήκευση ολοκληρώθηκε!");

    form->SGrd1->SetCell(AnExtProposal, played, "");
    ScriptedModalRunner load([&path](QDialog &dialog) {
        auto &files = dynamic_cast<QFileDialog &>(dialog);
        files.selectFile(path);
        return int(QDialog::Accepted);
    });
    QTest::mouseClick(form->BtnOpen, Qt::LeftButton);
    EXPECT_EQ(form->SGrd1->Cells(AnExtProposal, played), "1");
    EXPECT_EQ(messages.Last().text, "Αγώνες :1  Επιτυχίες 1 από 1 Αποδοση :1,50");
    EXPECT_EQ(form->SGrd1->Row(), 1);
}

TEST_F(AgvnKouponiFrmTest, PrintButtonPrintsTheMatches)
{
    AnalyseCoupon();
    QTemporaryDir folder;
    const QString pdf = folder.filePath("analysis.pdf");
    Printer().SetOutputFileName(pdf);
    ScriptedModalRunner runner([](QDialog &dialog) {
        if (auto *colours = dynamic_cast<TEpilogesDlg *>(&dialog)) {
            QTest::mouseClick(colours->BitBtn1, Qt::LeftButton);
            return colours->result();
        }
        auto &range = dynamic_cast<TPrintRangeDlg &>(dialog);
        QTest::mouseClick(range.BtnOK, Qt::LeftButton);
        return range.result();
    });
    QTest::mouseClick(form->BtnPrint, Qt::LeftButton);
    EXPECT_EQ(runner.RunCount(), 2);
    const QString text = PdfText(pdf);
    EXPECT_TRUE(text.contains(kCouponFile)) << text.toStdString();
    EXPECT_TRUE(text.contains("Ομάδα 3-Ομάδ")) << text.toStdString();
    EXPECT_TRUE(form->isEnabled());
}

} // namespace
