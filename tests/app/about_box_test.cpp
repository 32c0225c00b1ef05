#include "app/about_dlg_a.h"
#include "app/about_second_sister_dlg.h"
#include "app/about_vantoril_dlg.h"
#include "app/link_label.h"
#include "platform/core/message_recorder.h"
#include "platform/core/modal_result.h"
#include "platform/core/paths.h"
#include "support/qstring_printer.h"
#include "support/test_environment.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

#include <memory>

namespace {

TEST(AboutBoxTest, CaptionsAndLinksOfTheThreeBoxes)
{
    struct Case
    {
        std::unique_ptr<TAboutBox> box;
        const char *caption;
        const char *product;
    };
    Case cases[] = {
        {std::make_unique<TAboutDlgA>(), "Γενικά για το πρόγραμμα", "Tavrolin"},
        {std::make_unique<TAboutVantorilDlg>(), "About Vantoril", "Vantoril"},
        {std::make_unique<TAboutSecondSisterDlg>(), "About Velmistor", "Velmistor"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.product);
        EXPECT_EQ(c.box->windowTitle(), QString(c.caption));
        EXPECT_EQ(c.box->ProductName->text(), QString(c.product));
        EXPECT_EQ(c.box->WebAddress(), QString("https://tavrolin.example/"));
        EXPECT_EQ(c.box->Label5->text(), QString("info@tavrolin.example"));
        EXPECT_EQ(c.box->MailCommand(),
                  QString("mailto:info@tavrolin.example?Subject=") + c.product + QString("&Body="));
        EXPECT_EQ(c.box->Label4->cursor().shape(), Qt::PointingHandCursor);
        EXPECT_TRUE(c.box->Label5->font().underline());
        EXPECT_TRUE(c.box->Version->text().startsWith("Έκδοση :"));
        c.box->open();
        c.box->OKButton->click();
        EXPECT_EQ(c.box->result(), mrOk);
        EXPECT_FALSE(c.box->isVisible());
    }
    EXPECT_EQ(QString(SecondSisterMenuCaption), QString("Γενικά για το Velmistor"));
}

TEST(AboutBoxTest, TheProgramsBoxReadsTheVersionOnEveryShowing)
{
    MessageRecorder messages;
    TAboutDlgA dialog;
    EXPECT_EQ(dialog.Version->text(), QString("Έκδοση :"));
    dialog.open();
    EXPECT_EQ(dialog.Version->text(), QString("Έκδοση : ") + TAVROLIN_VERSION + ".0");
    dialog.OKButton->click();
    EXPECT_EQ(messages.Count(), 0);
}

TEST(AboutBoxTest, WithoutVersionInformationTheErrorIsShownAndTheDesignedTextStays)
{
    const QString plain = JoinPath(CurrentTestFolders().Root(), "plain.txt");
    QFile file(plain);
    file.open(QIODevice::WriteOnly);
    file.write("no version block");
    file.close();

    MessageRecorder messages;
    TAboutDlgA dialog(plain);
    dialog.open();
    ASSERT_EQ(messages.Count(), 1);
    EXPECT_EQ(messages.Last().text, QString("No Version Info Available."));
    EXPECT_EQ(messages.Last().kind, MessageKind::MessageBox);
    EXPECT_EQ(dialog.Version->text(), QString("Έκδοση :"));
    dialog.OKButton->click();
}

} // namespace
