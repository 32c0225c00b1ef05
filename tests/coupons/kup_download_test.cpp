#include "coupons/kup_download.h"

#include "platform/core/errors.h"
#include "platform/core/registry.h"
#include "platform/net/test_http_server.h"
#include "support/test_environment.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace tav::coupons;

namespace {

QByteArray Coupon(char fill, int size)
{
    QByteArray bytes(size, fill);
    bytes[0] = '\0'; // coupons are binary
    return bytes;
}

QByteArray ReadAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray IndexPage(const QStringList &names)
{
    QByteArray page = "<html><body>";
    for (const QString &name : names)
        page += "<a href=\"" + name.toLatin1() + "\">" + name.toLatin1() + "</a><br>";
    return page + "</body></html>";
}

void SetSister(const char *name, const QString &folder)
{
    TRegIniFile(QStringLiteral("Software\\Tavrolin\\Directories"))
        .WriteString(QStringLiteral("Options"), QString::fromLatin1(name), folder);
}

class KupDownloadTest : public testing::Test
{
protected:
    void SetUp() override
    {
        TRegIniFile(QStringLiteral("Software\\Tavrolin\\General"))
            .WriteString(QString(), QStringLiteral("CouponServer"), server.Url(QString()).toString());
    }

    QString Kouponia(const QString &name) const { return QDir(KouponiaFolder()).filePath(name); }

    TestHttpServer server;
};

} // namespace

TEST(KupLinks, LinksAreTakenInPageOrderBetweenTheirQuotes)
{
    const struct
    {
        QString page;
        QStringList links;
    } cases[] = {
        {"<a href=\"12_20040301_20040304.kup\">a</a> <a href=\"13_x.kup\">b</a>",
         {"12_20040301_20040304.kup", "13_x.kup"}},
        {"no links here", {}},
        {"", {}},
        {"<A HREF=\"upper.kup\">", {}}, // the marker is written in small letters only
    };
    for (const auto &c : cases)
        EXPECT_EQ(ExtractKupLinks(c.page), c.links) << c.page.toStdString();
}

TEST(KupLinks, OnlyPlainFileNamesNameACoupon)
{
    EXPECT_TRUE(IsPlainKupFileName("1234_20040305_20040308.kup"));
    for (const char *name : {"", ".", "../x.kup", "a/b.kup", "a\\b.kup", "..kup"})
        EXPECT_FALSE(IsPlainKupFileName(QString::fromLatin1(name))) << name;
}

TEST_F(KupDownloadTest, AllLinkedCouponsButTheLastArriveByteForByteAndGoToTheSetSisterOnly)
{
    const QString velmistor = CurrentTestFolders().Root() + "/velmistor";
    SetSister("Velmistor", velmistor);
    SetSister("Drumlane", "  ");
    const QByteArray first = Coupon('a', 1464), second = Coupon('b', 976);
    server.Serve("/Coupon/Kouponia.html",
                 IndexPage({"1234_20040305_20040308.kup", "1235_20040312_20040315.kup", "index.html"}));
    server.Serve("/Coupon/1234_20040305_20040308.kup", first, "application/octet-stream");
    server.Serve("/Coupon/1235_20040312_20040315.kup", second, "application/octet-stream");
    QStringList started;
    qint64 lastReceived = 0;
    DownloadKupFiles({[&](const QString &name) { started.append(name); },
                      [&](qint64 received, qint64) { lastReceived = received; }});

    EXPECT_EQ(started, QStringList({"1234_20040305_20040308.kup", "1235_20040312_20040315.kup"}));
    EXPECT_EQ(ReadAll(Kouponia("1234_20040305_20040308.kup")), first);
    EXPECT_EQ(ReadAll(Kouponia("1235_20040312_20040315.kup")), second);
    EXPECT_EQ(lastReceived, second.size());
    EXPECT_FALSE(server.Requested().contains("/Coupon/index.html"));
    EXPECT_EQ(ReadAll(velmistor + "/Kouponia/1235_20040312_20040315.kup"), second);
    EXPECT_EQ(QDir(KouponiaFolder()).entryList(QDir::Files).size(), 2);
}

TEST_F(KupDownloadTest, AnIndexWithoutLinksFetchesNothingAndSucceeds)
{
    server.Serve("/Coupon/Kouponia.html", "<html>no coupons this week</html>");
    EXPECT_NO_THROW(DownloadKupFiles());
    EXPECT_EQ(server.Requested(), QStringList({"/Coupon/Kouponia.html"}));
    EXPECT_TRUE(QDir(KouponiaFolder()).exists());
}

TEST_F(KupDownloadTest, AMissingOrCutCouponLeavesNoFileAndKeepsAnOlderOne)
{
    const QString velmistor = CurrentTestFolders().Root() + "/velmistor";
    SetSister("Velmistor", velmistor);
    const QByteArray older = Coupon('o', 1464);
    WriteFile(Kouponia("2_b.kup"), older);
    const QByteArray good = Coupon('g', 488);
    server.Serve("/Coupon/1_a.kup", good, "application/octet-stream");
    server.ServeCut("/Coupon/2_b.kup", Coupon('c', 500), 1464);

    struct
    {
        QStringList links;
    } cases[] = {{{"1_a.kup", "2_b.kup", "end"}}, {{"1_a.kup", "3_missing.kup", "end"}}};
    for (const auto &c : cases) {
        server.Serve("/Coupon/Kouponia.html", IndexPage(c.links));
        EXPECT_THROW(DownloadKupFiles(), Exception) << c.links.join(' ').toStdString();
        EXPECT_EQ(ReadAll(Kouponia("1_a.kup")), good);
        EXPECT_EQ(ReadAll(Kouponia("2_b.kup")), older);
        EXPECT_FALSE(QFile::exists(Kouponia("3_missing.kup")));
        EXPECT_EQ(QDir(KouponiaFolder()).entryList(QDir::Files | QDir::Hidden).size(), 2);
        EXPECT_FALSE(QFile::exists(velmistor + "/Kouponia/2_b.kup"));
    }
}

TEST_F(KupDownloadTest, ALinkReachingOutOfTheCouponFolderIsRefusedUnfetched)
{
    server.Serve("/Coupon/Kouponia.html", IndexPage({"../../escape.kup", "end"}));
    EXPECT_THROW(DownloadKupFiles(), Exception);
    EXPECT_EQ(server.Requested(), QStringList({"/Coupon/Kouponia.html"}));
    EXPECT_TRUE(QDir(KouponiaFolder()).entryList(QDir::Files).isEmpty());
}

TEST(KupDiskCopy, CopiesEveryCouponOfTheMappedDriveIntoTheCouponFolder)
{
    const QString floppy = CurrentTestFolders().Root() + "/floppy";
    QDir().mkpath(floppy);
    TRegIniFile(QStringLiteral("Software\\Tavrolin\\Directories"))
        .WriteString(QStringLiteral("Drives"), QStringLiteral("A"), floppy);
    QList<TDiskCopyProgress> steps;
    EXPECT_TRUE(CopyKupFromDisk([&](const TDiskCopyProgress &step) { steps.append(step); }));
    ASSERT_FALSE(steps.isEmpty());
    EXPECT_EQ(steps.last().total, 0);

    WriteFile(floppy + "/12_20040301_20040304.kup", Coupon('x', 1464));
    WriteFile(floppy + "/13_20040305_20040308.KUP", Coupon('y', 488));
    WriteFile(floppy + "/notes.txt", "not a coupon");
    steps.clear();
    EXPECT_TRUE(CopyKupFromDisk([&](const TDiskCopyProgress &step) { steps.append(step); }));
    EXPECT_EQ(steps.last().total, 2);
    EXPECT_EQ(steps.last().done, 2);
    EXPECT_EQ(ReadAll(QDir(KouponiaFolder()).filePath("12_20040301_20040304.kup")), Coupon('x', 1464));
    EXPECT_EQ(QDir(KouponiaFolder()).entryList(QDir::Files).size(), 2);
}
