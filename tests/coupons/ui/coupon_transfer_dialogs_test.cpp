#include "coupons/kup_download.h"
#include "coupons/ui/copy_from_disk_dlg.h"
#include "coupons/ui/get_kup_dlg.h"

#include "platform/core/message_recorder.h"
#include "platform/core/registry.h"
#include "platform/core/shell.h"
#include "platform/net/test_http_server.h"
#include "platform/ui/progress_bar.h"
#include "support/test_environment.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace tav::coupons;

namespace {

// Records the pages the dialogs open instead of starting a browser.
class OpenedPages
{
public:
    OpenedPages()
        : previous_(SetDocumentOpener([this](const QString &page) {
              pages.append(page);
              return true;
          }))
    {
    }
    ~OpenedPages() { SetDocumentOpener(previous_); }

    QStringList pages;

private:
    DocumentOpener previous_;
};

class GetKupDlgTest : public testing::Test
{
protected:
    void SetUp() override
    {
        TRegIniFile(QStringLiteral("Software\\Tavrolin\\General"))
            .WriteString(QString(), QStringLiteral("CouponServer"), server.Url(QString()).toString());
    }

    TestHttpServer server;
    MessageRecorder messages;
    OpenedPages opened;
};

void MapDriveA(const QString &folder)
{
    TRegIniFile(QStringLiteral("Software\\Tavrolin\\Directories"))
        .WriteString(QStringLiteral("Drives"), QStringLiteral("A"), folder);
}

} // namespace

TEST_F(GetKupDlgTest, StartFetchesTheCouponsShowsTheBytesAndOpensTheWelcomePage)
{
    const QByteArray coupon(1464, 'k');
    server.Serve("/Coupon/Kouponia.html", "<a href=\"7_20040305_20040308.kup\">7</a><a href=\"end\">e</a>");
    server.Serve("/Coupon/7_20040305_20040308.kup", coupon, "application/octet-stream");
    TGetKupDlg &dialog = *GetKupDlg();
    dialog.show();
    EXPECT_TRUE(dialog.Label1->text().isEmpty());
    EXPECT_TRUE(dialog.ChkKup->isChecked());
    EXPECT_FALSE(dialog.ChkUpdate->isEnabled());

    QTest::mouseClick(dialog.BtnStart, Qt::LeftButton);

    EXPECT_EQ(messages.Last().text, "Ολοκληρώθηκε η λήψη των κουπονιών. Καλή περιήγηση...");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Label1->text(), "Έχουν ληφθεί 1464 bytes από 1464");
    EXPECT_EQ(dialog.ProgBar->Position(), dialog.ProgBar->Max());
    EXPECT_EQ(opened.pages, QStringList({server.Url("/count-tavrolin.html").toString()}));
    EXPECT_TRUE(QFile::exists(QDir(KouponiaFolder()).filePath("7_20040305_20040308.kup")));
    EXPECT_TRUE(dialog.BtnStart->isEnabled());
}

TEST_F(GetKupDlgTest, AFailedDownloadNamesItsCauseAndNeverReportsSuccess)
{
    server.Serve("/Coupon/Kouponia.html", "<a href=\"7_x.kup\">7</a><a href=\"end\">e</a>");
    TGetKupDlg &dialog = *GetKupDlg();
    dialog.show();
    dialog.BtnStartClick();

    const QStringList texts = messages.Texts();
    ASSERT_GE(texts.size(), 2);
    EXPECT_TRUE(texts.at(texts.size() - 2).contains("7_x.kup")) << texts.join('\n').toStdString();
    EXPECT_EQ(texts.last(), "Παρουσιάστηκε σφάλμα στη λήψη κουπονιών");
    EXPECT_FALSE(texts.join('\n').contains("Ολοκληρώθηκε"));
    EXPECT_TRUE(opened.pages.isEmpty());
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(dialog.BtnStart->isEnabled());
    EXPECT_FALSE(QFile::exists(QDir(KouponiaFolder()).filePath("7_x.kup")));
}

TEST(CopyFromDiskDlg, WithoutADiskTheDriveMessageIsShownAndNothingCopied)
{
    MessageRecorder messages;
    CopyFromDiskDlg()->BtnStartClick();
    EXPECT_EQ(messages.Last().text,
              "Δεν είναι δυνατή η πρόσβαση στο Α:\\\nΗ συσκευή δεν είναι έτοιμη.Βεβαιωθήτε "
              "ότι έχετε τοποθετήσει δισκέτα στο Α:\\");
    EXPECT_FALSE(QDir(KouponiaFolder()).exists());
}

TEST(CopyFromDiskDlg, StartCopiesTheDiskettesCouponsStepByStep)
{
    MessageRecorder messages;
    const QString floppy = CurrentTestFolders().Root() + "/floppy";
    QDir().mkpath(floppy);
    MapDriveA(floppy);
    for (const char *name : {"1_a.kup", "2_b.kup", "3_c.kup"}) {
        QFile file(floppy + "/" + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("coupon");
    }
    TCopyFromDiskDlg &dialog = *CopyFromDiskDlg();
    dialog.show();
    QTest::mouseClick(dialog.BtnStart, Qt::LeftButton);

    EXPECT_EQ(messages.Last().text, "Η αντιγραφή ολοκληρώθηκε.");
    EXPECT_EQ(dialog.ProgBar->Max(), 3);
    EXPECT_EQ(dialog.ProgBar->Position(), 3);
    EXPECT_TRUE(dialog.Label1->text().isEmpty());
    EXPECT_EQ(QDir(KouponiaFolder()).entryList(QDir::Files).size(), 3);
}

TEST(CopyFromDiskDlg, ACouponThatCannotBeCopiedIsReported)
{
    MessageRecorder messages;
    const QString floppy = CurrentTestFolders().Root() + "/floppy";
    QDir().mkpath(floppy);
    MapDriveA(floppy);
    QFile file(floppy + "/1_a.kup");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("coupon");
    file.close();
    // A plain file where the coupon folder should be: nothing can be copied into it.
    QDir().mkpath(QFileInfo(KouponiaFolder()).path());
    QFile blocker(KouponiaFolder());
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    CopyFromDiskDlg()->BtnStartClick();
    EXPECT_EQ(messages.Last().text, "Παρουσιάστηκε σφάλμα.");
}
