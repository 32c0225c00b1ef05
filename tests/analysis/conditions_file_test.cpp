#include "analysis/conditions_file.h"
#include "platform/core/errors.h"
#include "support/qstring_printer.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace tav::analysis;

namespace {

// A table of `count` matches predicted 50 for 1, 30 for X and 20 for 2.
TAnalysisTable Table(int count)
{
    TAnalysisTable table;
    table.AnalysisCount = std::uint8_t(count);
    for (int k = 1; k <= count; ++k) {
        table.AnalysisRows[k].Percent[Percent1] = 50;
        table.AnalysisRows[k].Percent[PercentX] = 30;
        table.AnalysisRows[k].Percent[Percent2] = 20;
    }
    return table;
}

QByteArray Expected(const QByteArray &percentLine)
{
    return QByteArray("\r\n").repeated(14) + "B2666666666666600\r\n" + percentLine + "\r\nEND\r\n" +
           QByteArray("\r\n").repeated(4);
}

TEST(ConditionsFileTest, TheBlockHoldsThirteenMatchesAndTheTopPercentTotal)
{
    const struct
    {
        int count;
        QByteArray line;
    } cases[] = {
        {10, "P2" + QByteArray(" 50 30 20").repeated(10) + QByteArray(" 98 1 1").repeated(3) + " 0 500"},
        {0, "P2" + QByteArray(" 98 1 1").repeated(13) + " 0 0"},
        {13, "P2" + QByteArray(" 50 30 20").repeated(13) + " 0 650"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ConditionsFileBytes(Table(c.count)), Expected(c.line)) << c.count << " matches";
}

TEST(ConditionsFileTest, EveryTripleIsOneXTwoAndTheTopPercentIsEachMatchsHighest)
{
    TAnalysisTable table = Table(2);
    table.AnalysisRows[2].Percent = {45, 15, 40}; // X 45, 1 15, 2 40
    ClassifySigns(table);
    // The odds shown in the window do not change what the file holds.
    EXPECT_EQ(PercentCells(table.AnalysisRows[2], TDisplayMode::Odds)[0], SuggestedOdds(15));
    EXPECT_EQ(ConditionsFileBytes(table),
              Expected("P2 50 30 20 15 45 40" + QByteArray(" 98 1 1").repeated(11) + " 0 95"));
}

TEST(ConditionsFileTest, WritingReplacesTheFile)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("coupon.nor");
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(2000, 'x'));
    old.close();
    WriteConditionsFile(path, Table(10));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), ConditionsFileBytes(Table(10)));
}

TEST(ConditionsFileTest, MoreThanThirteenMatchesAreRefusedAndTheOldFileStays)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("coupon.nor");
    WriteConditionsFile(path, Table(3));
    try {
        WriteConditionsFile(path, Table(14));
        FAIL() << "fourteen matches were written";
    } catch (const EInOutError &error) {
        EXPECT_TRUE(error.Message().contains("13")) << error.Message().toStdString();
        EXPECT_TRUE(error.Message().contains("14")) << error.Message().toStdString();
        EXPECT_TRUE(error.Message().contains("αρχείο")) << error.Message().toStdString();
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), ConditionsFileBytes(Table(3)));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList({"coupon.nor"}));
}

TEST(ConditionsFileTest, APathThatCannotBeWrittenRaisesAGreekMessageNamingIt)
{
    QTemporaryDir folder;
    // A plain file stands where the folder should be: no one, not even the administrator, can
    // make a file below it.
    const QString blocker = folder.filePath("notafolder");
    WriteConditionsFile(blocker, Table(1));
    const QString path = blocker + "/coupon.nor";
    try {
        WriteConditionsFile(path, Table(2));
        FAIL() << "a file was written below a file";
    } catch (const EInOutError &error) {
        EXPECT_TRUE(error.Message().contains(QDir::toNativeSeparators(path)))
            << error.Message().toStdString();
        EXPECT_TRUE(error.Message().contains(QRegularExpression("[α-ω]"))) << error.Message().toStdString();
    }
    QFile file(blocker);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), ConditionsFileBytes(Table(1)));
}

} // namespace
