#include "shared/file_save_form.h"

#include "platform/core/modal_result.h"
#include "support/qstring_printer.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

#include <gtest/gtest.h>

namespace {

// Answers the dialog while it is shown modally: the action runs once the dialog is up.
int ExecuteSaveAnswering(const QString &name, const std::function<void(TFileSaveForm &)> &answer)
{
    TFileSaveForm *form = FileSaveForm();
    QTimer::singleShot(0, form, [form, answer] {
        EXPECT_EQ(QApplication::activeModalWidget(), form);
        answer(*form);
    });
    return form->ExecuteSave(name);
}

TEST(FileSaveFormTest, StartsWithItsCaptionsAndDefaultTicks)
{
    TFileSaveForm *form = FileSaveForm();
    EXPECT_EQ(form->windowTitle(), "Επιλογή Δημιουργίας Αρχείων");
    EXPECT_EQ(form->LanguageGroup->title(), "Γλώσσα");
    EXPECT_EQ(form->KindGroup->title(), "Είδος Αρχείου");
    EXPECT_EQ(form->NameLabel->text(), "Όνομα Αρχείου :");
    struct Box
    {
        QCheckBox *box;
        QString caption;
        bool checked;
    };
    const Box boxes[] = {
        {form->CheckBoxGR, "Ελληνικά", true},         {form->CheckBoxEn, "Αγγλικά", true},
        {form->CheckBoxIt, "Ιταλικά", true},          {form->CheckBoxTxt, "Αρχείο Κειμένου", false},
        {form->CheckBoxHtm, "Σελίδα Internet", true}, {form->CheckBoxDoc, "Κείμενο για QXpress", false},
    };
    for (const Box &b : boxes) {
        SCOPED_TRACE(b.caption.toStdString());
        EXPECT_EQ(b.box->text(), b.caption);
        EXPECT_EQ(b.box->isChecked(), b.checked);
    }
}

TEST(FileSaveFormTest, OkReturnsOneWithTheEditedNameAndTheTicksStayForTheNextUse)
{
    const int result = ExecuteSaveAnswering("superleaguea5", [](TFileSaveForm &form) {
        EXPECT_EQ(form.FNameEdit->text(), "superleaguea5");
        QTest::mouseClick(form.CheckBoxTxt, Qt::LeftButton);
        QTest::mouseClick(form.CheckBoxIt, Qt::LeftButton);
        form.FNameEdit->selectAll();
        QTest::keyClicks(form.FNameEdit, "mylist");
        QTest::mouseClick(form.OkBtn, Qt::LeftButton);
    });
    EXPECT_EQ(result, mrOk);
    EXPECT_EQ(FileSaveForm()->FNameEdit->text(), "mylist");
    // The export reads the dialog once: the languages and kinds ticked, in their order, and the name.
    const tav::report::TExportOptions options = FileSaveForm()->ExportOptions();
    EXPECT_EQ(options.Languages,
              (QList<tav::report::TExportLanguage>{tav::report::TExportLanguage::Greek,
                                                   tav::report::TExportLanguage::English}));
    EXPECT_EQ(options.Kinds, (QList<tav::report::TExportKind>{tav::report::TExportKind::Text,
                                                              tav::report::TExportKind::Page}));
    EXPECT_EQ(options.FileName, "mylist");
    EXPECT_FALSE(options.NumberedPages);

    // The next use proposes its own name and keeps the ticks of the last one.
    const int again = ExecuteSaveAnswering("other", [](TFileSaveForm &form) {
        EXPECT_TRUE(form.CheckBoxTxt->isChecked());
        EXPECT_FALSE(form.CheckBoxIt->isChecked());
        EXPECT_EQ(form.FNameEdit->text(), "other");
        QTest::keyClick(&form, Qt::Key_Return);
    });
    EXPECT_EQ(again, mrOk);
}

TEST(FileSaveFormTest, CancelEscapeAndCloseReturnTwo)
{
    const std::function<void(TFileSaveForm &)> answers[] = {
        [](TFileSaveForm &form) { QTest::mouseClick(form.CancelBtn, Qt::LeftButton); },
        [](TFileSaveForm &form) { QTest::keyClick(&form, Qt::Key_Escape); },
        [](TFileSaveForm &form) { form.close(); },
    };
    for (const auto &answer : answers)
        EXPECT_EQ(ExecuteSaveAnswering("name", answer), mrCancel);
}

} // namespace
