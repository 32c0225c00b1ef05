#include "couponstats/ui/stat_options_frm.h"

#include "couponstats/current_folder.h"
#include "platform/core/message_recorder.h"
#include "platform/core/modal_result.h"
#include "platform/core/paths.h"
#include "platform/core/text_file.h"
#include "platform/ui/modal_runner.h"
#include "support/qstring_printer.h"
#include "support/test_environment.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using namespace tav::couponstats;

namespace {

const QString Recent = QStringLiteral("Πρόσφατοι Αγωνες");
const QString Last = QStringLiteral("Tελευταίων");

class StatOptionsFrmTest : public testing::Test
{
protected:
    // The dialog made with the AUTO list file (none when lines is empty) in the current folder.
    std::unique_ptr<TStatOptionsFrm> Create(const QStringList &lines = {})
    {
        if (!lines.isEmpty())
            WriteTextLines(JoinPath(here, kAutoListFileName), lines);
        return std::make_unique<TStatOptionsFrm>();
    }

    static void Click(TStatOptionsFrm &dialog, int kind)
    {
        QAbstractButton *item = dialog.RadioButtons->button(kind);
        QTest::mouseClick(item, Qt::LeftButton, {}, QPoint(4, item->height() / 2));
        ASSERT_EQ(dialog.ItemIndex(), kind);
    }

    // Label1, EdtParam and whether ChkAll is shown, as the dialog stands.
    static std::tuple<QString, QString, bool> Controls(const TStatOptionsFrm &dialog)
    {
        return {dialog.Label1->text(), dialog.EdtParam->text(), !dialog.ChkAll->isHidden()};
    }

    QString here = CurrentTestFolders().Root() + "/work";
    CurrentFolder current{here};
    MessageRecorder messages;
};

TEST_F(StatOptionsFrmTest, ANewDialogOffersTheThirteenKindsWithTheFirstChosen)
{
    const auto dialog = Create();
    EXPECT_EQ(dialog->windowTitle(), QString("ΕΠΙΛΕΞΤΕ"));
    EXPECT_EQ(dialog->GroupBox1->title(), QString("ΦΙΛΤΡΟ"));
    EXPECT_EQ(dialog->ChkAll->text(), QString("ΟΛΟΙ ΟΙ ΑΓΩΝΕΣ"));
    EXPECT_EQ(dialog->BBtnCancel->text(), QString("&ΑΚΥΡΟ"));
    QStringList captions;
    for (QAbstractButton *item : dialog->RadioButtons->buttons())
        captions.append(item->text());
    EXPECT_EQ(captions,
              (QStringList{"ΒΑΘΜΟΛΟΓΙΑ", "ΦΟΡΜΑ ΟΜΑΔΩΝ", "ΠΡΟΙΣΤΟΡΙΑ", "ΔΙΑΦΟΡΑ ΤΕΡΜΑΤΩΝ (ΕΝΤΟΣ,ΕΚΤΟΣ)",
                           "ΔΙΑΦΟΡΑ ΤΕΡΜΑΤΩΝ (ΕΝΤΟΣ+ΕΚΤΟΣ)", "ΕΙΔΙΚΟΙ ΒΑΘΜΟΙ", "ΘΕΣΗ ΟΜΑΔΩΝ",
                           "ΘΕΣΗ ΟΜΑΔΩΝ ΕΝΤΟΣ,ΕΚΤΟΣ", "ΣΥΝΟΛΟ ΓΚΟΛ", "ΣΥΝΟΛΟ ΓΚΟΛ ΕΝΤΟΣ,ΕΚΤΟΣ",
                           "ΓΚΟΛ ΠΡΟΙΣΤΟΡΙΑΣ", "ΔΥΝΑΜΗ ΟΜΑΔΩΝ", "ΔΥΝΑΜΗ ΟΜΑΔΩΝ ΕΝΤΟΣ,ΕΚΤΟΣ"}));
    EXPECT_EQ(dialog->ItemIndex(), 0);
    EXPECT_EQ(dialog->ItemCaption(), QString("ΒΑΘΜΟΛΟΓΙΑ"));
    EXPECT_EQ(Controls(*dialog), std::make_tuple(Recent, QString("6"), true));
    EXPECT_EQ(dialog->AutoCount(), 0);
    EXPECT_FALSE(dialog->AutoMode);
    EXPECT_EQ(messages.Count(), 0) << "no list file is no fault";
    dialog->show();
    for (QWidget *control : dialog->findChildren<QWidget *>())
        EXPECT_TRUE(dialog->rect().contains(
            control->geometry().translated(control->parentWidget()->mapTo(dialog.get(), QPoint()))))
            << control->metaObject()->className();
}

TEST_F(StatOptionsFrmTest, ChoosingAKindSetsTheCaptionOfNAndNOrKeepsWhatThePreviousKindSet)
{
    struct TClickCase
    {
        int kind;
        QString label;
        QString param;
        bool allShown;
    };
    const TClickCase clicks[] = {
        {2, Last, "5", false},   {8, Last, "5", false},   {0, Recent, "2", true}, {1, Recent, "6", true},
        {3, Recent, "2", true},  {12, Recent, "2", true}, {4, Recent, "2", true}, {2, Last, "5", false},
        {5, Recent, "2", true},  {6, Recent, "2", true},  {7, Recent, "2", true}, {9, Recent, "2", true},
        {10, Recent, "2", true}, {11, Recent, "2", true},
    };
    const auto dialog = Create();
    dialog->show();
    for (const TClickCase &click : clicks) {
        SCOPED_TRACE(click.kind);
        dialog->ChkAll->setChecked(click.kind != 8);
        Click(*dialog, click.kind);
        EXPECT_EQ(Controls(*dialog), std::make_tuple(click.label, click.param, click.allShown));
        if (click.kind < 6) {
            EXPECT_FALSE(dialog->ChkAll->isChecked());
        }
    }
}

TEST_F(StatOptionsFrmTest, ClosingWithAllMatchesCheckedSendsZero)
{
    const auto dialog = Create();
    ScriptedModalRunner runner([this](QDialog &shown) {
        auto &options = static_cast<TStatOptionsFrm &>(shown);
        Click(options, 1);
        QTest::mouseClick(options.ChkAll, Qt::LeftButton, {}, QPoint(4, options.ChkAll->height() / 2));
        EXPECT_TRUE(options.ChkAll->isChecked());
        EXPECT_EQ(options.EdtParam->text(), QString("6")) << "until the dialog closes";
        QTest::mouseClick(options.BBtnOK, Qt::LeftButton);
        return mrNone;
    });
    EXPECT_EQ(RunModal(*dialog), mrOk);
    EXPECT_EQ(dialog->ItemIndex(), 1);
    EXPECT_EQ(dialog->ItemCaption(), QString("ΦΟΡΜΑ ΟΜΑΔΩΝ"));
    EXPECT_EQ(dialog->EdtParam->text(), QString("0"));

    // Cancel too, and Escape; without the box checked N stays as typed.
    ScriptedModalRunner cancel([](QDialog &shown) {
        auto &options = static_cast<TStatOptionsFrm &>(shown);
        options.EdtParam->setText("9");
        QTest::keyClick(&options, Qt::Key_Escape);
        return mrNone;
    });
    dialog->ChkAll->setChecked(false);
    EXPECT_EQ(RunModal(*dialog), mrCancel);
    EXPECT_EQ(dialog->EdtParam->text(), QString("9"));
    dialog->ChkAll->setChecked(true);
    EXPECT_EQ(RunModal(*dialog), mrCancel);
    EXPECT_EQ(dialog->EdtParam->text(), QString("0"));
}

TEST_F(StatOptionsFrmTest, TheAutoListIsReadAtCreationAndTakenOneStepAtATime)
{
    const auto dialog = Create({"x3;4,6", "2;5,,7", "1;0"});
    EXPECT_EQ(dialog->AutoSteps, (QList<TAutoStep>{{3, 4}, {3, 6}, {2, 5}, {2, 7}, {1, 0}}));
    dialog->ChkAll->setChecked(true);

    const std::tuple<int, QString, QString, bool> expected[] = {
        {3, Recent, "4", true}, {3, Recent, "6", true}, {2, Last, "5", false},
        {2, Last, "7", false},  {1, Recent, "0", true},
    };
    for (const auto &[kind, label, param, allShown] : expected) {
        ASSERT_TRUE(dialog->TakeAutoStep());
        EXPECT_TRUE(dialog->AutoMode);
        EXPECT_EQ(dialog->ItemIndex(), kind);
        EXPECT_EQ(Controls(*dialog), std::make_tuple(label, param, allShown));
        EXPECT_FALSE(dialog->ChkAll->isChecked());
    }
    EXPECT_EQ(dialog->AutoCursor, 5);
    EXPECT_FALSE(dialog->TakeAutoStep());
    EXPECT_FALSE(dialog->AutoMode);
    EXPECT_EQ(dialog->AutoCursor, 5) << "the cursor only grows";
    EXPECT_EQ(messages.Count(), 0);
}

TEST_F(StatOptionsFrmTest, AListLongerThanFiveHundredStepsKeepsTheFirstAndSaysSoOnce)
{
    QStringList lines;
    for (int line = 0; line < 120; ++line)
        lines.append(QString("%1;1,2,3,4,5").arg(line % 13));
    lines.append("20;4");
    const auto dialog = Create(lines);
    EXPECT_EQ(dialog->AutoCount(), 500);
    EXPECT_EQ(dialog->AutoSteps.last(), (TAutoStep{99 % 13, 5}));
    ASSERT_EQ(messages.Count(), 1) << messages.Texts().join('\n').toStdString();
    EXPECT_EQ(messages.Last().text,
              QString("Το αρχείο KUP_STAT_PARAM.txt δίνει 601 βήματα AUTO. Κρατήθηκαν μόνο τα πρώτα 500, όσα "
                      "χωρά η λίστα."));
    EXPECT_EQ(messages.Last().icon, mtWarning);
}

TEST_F(StatOptionsFrmTest, StepsOfAKindThatDoesNotExistAreLeftOutWithAMessage)
{
    const auto dialog = Create({"13;2,3", "4;1", "99;5"});
    EXPECT_EQ(dialog->AutoSteps, (QList<TAutoStep>{{4, 1}}));
    ASSERT_EQ(messages.Count(), 1);
    EXPECT_EQ(messages.Last().text,
              QString("Το αρχείο KUP_STAT_PARAM.txt δίνει 3 βήματα AUTO με είδος στατιστικού που δεν υπάρχει "
                      "(έγκυρα είδη 0 έως 12). Τα βήματα αυτά παραλείπονται."));
}

TEST_F(StatOptionsFrmTest, AListFileThatCannotBeReadIsReportedAndLeavesNoSteps)
{
    ASSERT_TRUE(QDir(here).mkdir(kAutoListFileName));
    const auto dialog = Create();
    EXPECT_EQ(dialog->AutoCount(), 0);
    ASSERT_EQ(messages.Count(), 1);
    EXPECT_EQ(messages.Last().icon, mtError);
    EXPECT_TRUE(messages.Last().text.contains(kAutoListFileName)) << messages.Last().text.toStdString();
    EXPECT_FALSE(dialog->TakeAutoStep());
}

TEST_F(StatOptionsFrmTest, TheProgramHasOneDialog)
{
    EXPECT_EQ(StatOptionsFrm(), StatOptionsFrm());
}

} // namespace
