// The bulk-export dialog over the program's data module: its lists, the ticks it keeps between
// runs, the saved competition lists and the way it closes.
#include "shared/mass_save_form.h"

#include "platform/core/message_recorder.h"
#include "platform/core/modal_result.h"
#include "platform/core/paths.h"
#include "platform/core/registry.h"
#include "platform/core/text_file.h"
#include "support/data_module_test_base.h"
#include "support/qstring_printer.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using tav::report::TExportLanguage;

namespace {

const QString kKey = QStringLiteral("Software\\Tavrolin\\General");
const QString kSection = QStringLiteral("MassSavePedia");

// Three competitions in 2005-06 and one in 2004-05.
class MassSaveFormTest : public ProgramDataModuleTest
{
protected:
    void SetUp() override
    {
        ProgramDataModuleTest::SetUp();
        const int greece = AddCountry("Ελλάδα");
        const int alpha = AddCategory("Α Εθνική", greece);
        const int beta = AddCategory("Β Εθνική", greece);
        const int gamma = AddCategory("Γ Εθνική", greece);
        AddCompetition(alpha, "2004-05", 4);
        AddCompetition(alpha, "2005-06", 4);
        AddCompetition(beta, "2005-06", 4);
        AddCompetition(gamma, "2005-06", 4);
        messages.Clear();
    }

    // Shows the dialog modally and runs the answer once it is up; the dialog's result.
    static int ShowAnswering(const std::function<void(TMassSaveForm &)> &answer)
    {
        TMassSaveForm *form = MassSaveForm();
        QTimer::singleShot(0, form, [form, answer] {
            EXPECT_EQ(QApplication::activeModalWidget(), form);
            answer(*form);
        });
        return form->exec();
    }

    static QStringList Items(const QListWidget *list)
    {
        QStringList items;
        for (int i = 0; i < list->count(); ++i)
            items.append(list->item(i)->text());
        return items;
    }

    static void Tick(TMassSaveForm &form, int row)
    {
        form.DiorgListBox->item(row)->setCheckState(Qt::Checked);
    }

    static QString Stored(const QString &name)
    {
        return TRegIniFile(kKey).ReadString(kSection, name, QStringLiteral("<none>"));
    }

    // Answers the questions entering the competitions asks.
    MessageRecorder messages;
};

} // namespace

TEST_F(MassSaveFormTest, ShowsTheSeasonsNewestFirstAndTheCompetitionsOfTheChosenOne)
{
    const int result = ShowAnswering([](TMassSaveForm &form) {
        EXPECT_EQ(form.windowTitle(), "Μαζικό σώσιμο Πρωταθλημάτων");
        EXPECT_EQ(form.PeriodCombo->itemText(0), "2005-06");
        EXPECT_EQ(form.PeriodCombo->itemText(1), "2004-05");
        EXPECT_EQ(form.Season(), "2005-06");
        EXPECT_EQ(Items(form.DiorgListBox), QStringList({"Α Εθνική", "Β Εθνική", "Γ Εθνική"}));
        EXPECT_EQ(form.DiorgListBox->currentRow(), 0);
        // The defaults: Greek and English web pages numbered 1, 2, 3.
        EXPECT_TRUE(form.LanguageTicked(TExportLanguage::Greek));
        EXPECT_TRUE(form.LanguageTicked(TExportLanguage::English));
        EXPECT_FALSE(form.LanguageTicked(TExportLanguage::Italian));
        EXPECT_TRUE(form.CheckBoxHtm->isChecked());
        EXPECT_FALSE(form.CheckBoxTxt->isChecked());
        EXPECT_TRUE(form.NumberedPages());
        EXPECT_FALSE(form.ProgramCheckBox->isChecked());
        EXPECT_FALSE(form.ChkE->isChecked());

        form.PeriodCombo->setCurrentIndex(1);
        EXPECT_EQ(Items(form.DiorgListBox), QStringList({"Α Εθνική"}));
        QTest::mouseClick(form.BitBtn2, Qt::LeftButton);
    });
    EXPECT_EQ(result, mrCancel);
    // Cancel stores nothing.
    EXPECT_EQ(Stored("Checked"), "<none>");
}

TEST_F(MassSaveFormTest, OkStoresTheTicksWhichTheNextShowTicksAgainByName)
{
    const int result = ShowAnswering([](TMassSaveForm &form) {
        Tick(form, 0);
        Tick(form, 2);
        EXPECT_EQ(form.TickedCompetitions(), QStringList({"Α Εθνική", "Γ Εθνική"}));
        QTest::mouseClick(form.BitBtn1, Qt::LeftButton);
    });
    EXPECT_EQ(result, mrOk);
    EXPECT_EQ(Stored("Checked"), "0,2");

    // A competition added in between moves "Γ Εθνική" down the list; the ticks follow the names.
    AddCompetition(AddCategory("Β2 Εθνική", Dm().Krath.FieldByName("RecNo").AsInteger()), "2005-06", 4);
    ShowAnswering([](TMassSaveForm &form) {
        EXPECT_EQ(form.TickedCompetitions(), QStringList({"Α Εθνική", "Γ Εθνική"}));
        form.reject();
    });
}

TEST_F(MassSaveFormTest, TicksStoredAsPositionsOnlyTickWhatStandsThere)
{
    struct Case
    {
        const char *stored;
        QStringList ticked;
    };
    // Positions that are no whole number or lie beyond the list are skipped.
    const Case cases[] = {
        {"0,2", {"Α Εθνική", "Γ Εθνική"}},
        {"1,7,x,-1", {"Β Εθνική"}},
        {"", {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.stored);
        TRegIniFile(kKey).WriteString(kSection, "Checked", c.stored);
        ShowAnswering([&c](TMassSaveForm &form) {
            EXPECT_EQ(form.TickedCompetitions(), c.ticked);
            form.reject();
        });
    }
}

TEST_F(MassSaveFormTest, ChangingTheSeasonClearsTheTicksAndOkThenStoresNone)
{
    TRegIniFile(kKey).WriteString(kSection, "Checked", "0,1");
    ShowAnswering([](TMassSaveForm &form) {
        EXPECT_EQ(form.TickedCompetitions().size(), 2);
        form.PeriodCombo->setCurrentText("2004-05");
        EXPECT_TRUE(form.TickedCompetitions().isEmpty());
        form.BitBtn1Click();
    });
    EXPECT_EQ(Stored("Checked"), "");
    EXPECT_EQ(Stored("CheckedNames"), "");
}

TEST_F(MassSaveFormTest, ATypedSeasonWithAQuoteListsNothingAndBreaksNothing)
{
    ShowAnswering([](TMassSaveForm &form) {
        form.PeriodCombo->setCurrentText("2005' or '1'='1");
        EXPECT_EQ(form.DiorgListBox->count(), 0);
        form.reject();
    });
    EXPECT_EQ(messages.Count(), 0);
}

TEST_F(MassSaveFormTest, SavedListsTickTheirCompetitionsWithoutRegardToCase)
{
    TMassSaveForm *form = MassSaveForm();
    form->FormShow();
    Tick(*form, 1);
    Tick(*form, 2);
    const QString path = QDir(ProgramFolder()).filePath("LISTES/greek.txt");
    QDir().mkpath(QDir(ProgramFolder()).filePath("LISTES"));
    form->SaveList(path);
    EXPECT_EQ(ReadTextLines(path), QStringList({"Β Εθνική", "Γ Εθνική"}));

    WriteTextLines(path, {"α εθνική", "Δ Εθνική", "γ εθνική"});
    form->LoadList(path);
    EXPECT_EQ(form->TickedCompetitions(), QStringList({"Α Εθνική", "Γ Εθνική"}));
}

TEST_F(MassSaveFormTest, TheListButtonsWorkInTheFolderListesWhichTheyCreate)
{
    TMassSaveForm *form = MassSaveForm();
    form->FormShow();
    Tick(*form, 0);
    const QDir lists(QDir(ProgramFolder()).filePath("LISTES"));
    ASSERT_FALSE(lists.exists());
    QTimer::singleShot(0, form, [form, &lists] {
        EXPECT_EQ(QDir(form->SaveDialog1->directory()), lists);
        form->SaveDialog1->selectFile(lists.filePath("first.txt"));
        static_cast<QDialog *>(form->SaveDialog1)->accept();
    });
    QTest::mouseClick(form->BtnSAve, Qt::LeftButton);
    EXPECT_EQ(ReadTextLines(lists.filePath("first.txt")), QStringList({"Α Εθνική"}));

    WriteTextLines(lists.filePath("second.txt"), {"Β Εθνική"});
    QTimer::singleShot(0, form, [form, &lists] {
        form->OpenDialog1->selectFile(lists.filePath("second.txt"));
        static_cast<QDialog *>(form->OpenDialog1)->accept();
    });
    QTest::mouseClick(form->BtnLoad, Qt::LeftButton);
    EXPECT_EQ(form->TickedCompetitions(), QStringList({"Β Εθνική"}));
}

// The bulk export reads the dialog once: its languages and kinds in their order, its numbering and
// the name given for the text files.
TEST_F(MassSaveFormTest, TheExportOptionsAreReadFromTheBoxes)
{
    using tav::report::TExportKind;
    using tav::report::TExportLanguage;
    ShowAnswering([](TMassSaveForm &form) {
        for (QCheckBox *box : {form.CheckBoxIt, form.CheckBoxDoc, form.CheckBoxGR})
            box->click();
        QTest::mouseClick(form.BitBtn1, Qt::LeftButton);
    });
    const tav::report::TExportOptions options = MassSaveForm()->ExportOptions("grep5");
    EXPECT_EQ(options.Languages,
              (QList<TExportLanguage>{TExportLanguage::English, TExportLanguage::Italian}));
    EXPECT_EQ(options.Kinds, (QList<TExportKind>{TExportKind::Page, TExportKind::Desktop}));
    EXPECT_EQ(options.FileName, "grep5");
    EXPECT_EQ(options.NumberedPages, MassSaveForm()->NumberedPages());
    EXPECT_TRUE(options.NumberedPages);
}
