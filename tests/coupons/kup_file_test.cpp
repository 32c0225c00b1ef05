#include "coupons/kup_file.h"

#include "kup_test_files.h"
#include "platform/core/message_recorder.h"
#include "platform/core/paths.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace tav::coupons;

namespace {

const QDate kFirst(2004, 3, 1);
const QDate kLast(2004, 3, 4);
const char *const kSaved = "Η απόθηκευση ολοκληρώθηκε.";
const char *const kFailed = "Παρουσιάστηκε σφάλμα στην αποθήκευση του κουπονιού";

QList<TKupRow> ThreeRows()
{
    TKupRow first = KupRow("1", kFirst, "20:00", "ΑΓΓ", QString(45, QChar(u'Α')), "Άρσεναλ");
    first.Odd1 = "1,85";
    first.OddX = "3,20";
    first.Odd2 = "4,00";
    first.DE1X = "1,10";
    first.EE = "7";
    return {first, KupRow("2", kFirst, "", "", "Λίβερπουλ", "Τσέλσι"),
            KupRow("3", kLast, "22:15", "ΙΤΑ", "Ίντερ", "Μίλαν")};
}

QString UserKupPath()
{
    return JoinPath(MyKouponiaFolder(), "12_20040301_20040304.kup");
}

bool AllZero(const QByteArray &bytes)
{
    return bytes.count('\0') == bytes.size();
}

TEST(WriteUserKup, WritesTheCouponFieldByFieldAtItsOffsets)
{
    MessageRecorder messages;
    ASSERT_FALSE(QFileInfo::exists(MyKouponiaFolder()));

    ASSERT_TRUE(WriteUserKup(12, "12_20040301_20040304.kup", kFirst, kLast, ThreeRows()));

    const QByteArray file = ReadBytes(UserKupPath());
    ASSERT_EQ(file.size(), 1464);
    EXPECT_EQ(file.mid(0, 8).toHex(' '), "00 00 00 00 e0 93 e2 40");
    EXPECT_EQ(file.mid(308, 4).toHex(' '), "0c 00 00 00");
    EXPECT_EQ(quint8(file[24]), 0x28);
    EXPECT_EQ(file.mid(251, 5), QByteArray("\x04"
                                           "1,85"));
    EXPECT_EQ(file.mid(233, 5), QByteArray("\x04"
                                           "3,20"));
    EXPECT_EQ(file.mid(242, 5), QByteArray("\x04"
                                           "4,00"));
    EXPECT_EQ(quint8(file[260]), 0) << "double-chance odds are left empty";
    EXPECT_EQ(quint8(file[20]), 0) << "the viewer-only fields are left empty";
    for (int record = 0; record < 3; ++record) {
        const QByteArray bytes = file.mid(record * kKupRecordSize, kKupRecordSize);
        EXPECT_TRUE(AllZero(bytes.mid(278, 30))) << record;
        EXPECT_TRUE(AllZero(bytes.mid(314, 174))) << record;
        if (record > 0) {
            EXPECT_TRUE(AllZero(bytes.mid(0, 16))) << record;
            EXPECT_TRUE(AllZero(bytes.mid(308, 4))) << record;
        }
    }
    const TKupReadResult read = ReadKupRecords(UserKupPath());
    ASSERT_EQ(read.records.size(), 3);
    EXPECT_EQ(read.records[0].Row.Home, QString(40, QChar(u'Α')));
    EXPECT_EQ(read.records[2].Row.Away, "Μίλαν");
    EXPECT_EQ(read.records[2].Row.MatchDate, kLast);
    EXPECT_EQ(messages.Texts(), QStringList{kSaved});
}

TEST(WriteUserKup, AsksBeforeReplacingACouponAndNoKeepsIt)
{
    MessageRecorder messages;
    ASSERT_TRUE(WriteUserKup(12, "12_20040301_20040304.kup", kFirst, kLast, ThreeRows()));
    const QByteArray before = ReadBytes(UserKupPath());
    messages.Clear();
    messages.QueueAnswer(mrNo);

    EXPECT_FALSE(WriteUserKup(12, "12_20040301_20040304.kup", kFirst, kLast, ThreeRows().mid(0, 1)));

    ASSERT_EQ(messages.Count(), 1);
    EXPECT_EQ(messages.Last().caption, "ΕΠΙΒΕΒΑΙΩΣΗ");
    EXPECT_EQ(messages.Last().defaultButton, mbNo);
    EXPECT_EQ(ReadBytes(UserKupPath()), before);

    messages.QueueAnswer(mrYes);
    EXPECT_TRUE(WriteUserKup(12, "12_20040301_20040304.kup", kFirst, kLast, ThreeRows().mid(0, 1)));
    EXPECT_EQ(ReadBytes(UserKupPath()).size(), kKupRecordSize);
}

TEST(WriteUserKup, AFailureKeepsTheCouponThatWasThere)
{
    MessageRecorder messages;
    messages.SetDefaultAnswer(mrYes);
    ASSERT_TRUE(WriteUserKup(12, "12_20040301_20040304.kup", kFirst, kLast, ThreeRows()));
    const QByteArray before = ReadBytes(UserKupPath());
    QList<TKupRow> bad = ThreeRows();
    bad[1].MatchDate = QDate();
    messages.Clear();
    messages.QueueAnswer(mrYes);

    EXPECT_FALSE(WriteUserKup(12, "12_20040301_20040304.kup", kFirst, kLast, bad));

    EXPECT_EQ(messages.Texts().last(), QString::fromUtf8(kFailed));
    EXPECT_EQ(ReadBytes(UserKupPath()), before);
    EXPECT_EQ(QDir(MyKouponiaFolder()).entryList(QDir::Files), QStringList{"12_20040301_20040304.kup"});
}

class KupReadTest : public testing::Test
{
protected:
    QString Path() const { return JoinPath(ProgramFolder(), "1_20040301_20040304.kup"); }
};

TEST_F(KupReadTest, ReadsWholeRecordsOnly)
{
    const QByteArray one = KupBytes(KupRow("1", kFirst, "20:00", "ΑΓΓ", "Α", "Β"), 38047.0, 38050.0, 1);
    const QByteArray two = KupBytes(KupRow("2", kFirst, "", "", "Γ", "Δ"));
    WriteBytes(Path(), one + two + QByteArray(24, 'x'));

    const TKupReadResult read = ReadKupRecords(Path());

    EXPECT_FALSE(read.failed);
    ASSERT_EQ(read.records.size(), 2);
    EXPECT_EQ(read.records[1].Row.Code, "2");
}

TEST_F(KupReadTest, DateRangeOfTheFirstRecord)
{
    QDateTime from(QDate(1999, 1, 1), QTime(0, 0));
    QDateTime to = from;
    int tag = -1;
    WriteBytes(Path(), QByteArray());
    EXPECT_FALSE(ReadKupDateRange(Path(), from, to, tag));
    EXPECT_EQ(from.date(), QDate(1999, 1, 1)) << "an empty file leaves the caller's range";
    EXPECT_EQ(tag, -1);
    EXPECT_FALSE(ReadKupDateRange(Path() + "x", from, to, tag));

    WriteBytes(Path(), KupBytes(KupRow("1", kFirst, "", "", "", ""), 38047.0, 38050.0, 77));
    ASSERT_TRUE(ReadKupDateRange(Path(), from, to, tag));
    EXPECT_EQ(from, QDateTime(kFirst, QTime(0, 0)));
    EXPECT_EQ(to, QDateTime(kLast, QTime(0, 0)));
    EXPECT_EQ(tag, 77);

    WriteBytes(Path(), KupBytes(KupRow("1", kFirst, "", "", "", ""), 0.0, 38050.0, 5));
    const QDateTime before = QDateTime::currentDateTime();
    ASSERT_TRUE(ReadKupDateRange(Path(), from, to, tag));
    EXPECT_LE(qAbs(before.secsTo(from)), 2);
    EXPECT_LE(qAbs(from.addDays(3).secsTo(to)), 1);
    EXPECT_EQ(tag, 5);
}

TEST(FillDownKupRows, BlankTimesAndCompetitionsTakeTheCellAbove)
{
    QList<TKupRow> rows;
    const QStringList times{"", "20:00", "", " ", "22:15"};
    const QStringList diorgs{"ΑΓΓ", "", "ΙΤΑ", "", ""};
    for (int row = 0; row < times.size(); ++row)
        rows.append(KupRow(QString::number(row + 1), kFirst, times[row], diorgs[row], "", ""));

    FillDownKupRows(rows);

    QStringList filledTimes;
    QStringList filledDiorgs;
    for (const TKupRow &row : rows) {
        filledTimes.append(row.TimeText);
        filledDiorgs.append(row.Diorg);
    }
    EXPECT_EQ(filledTimes, QStringList({"", "20:00", "20:00", "20:00", "22:15"}));
    EXPECT_EQ(filledDiorgs, QStringList({"ΑΓΓ", "ΑΓΓ", "ΙΤΑ", "ΙΤΑ", "ΙΤΑ"}));
}

class SaveKupGridTest : public KupReadTest
{
protected:
    void SetUp() override
    {
        // Odd bytes after texts and in the reserved places, as files from elsewhere carry them.
        QByteArray first =
            KupBytes(KupRow("5", kFirst, "20:00", "ΑΓΓ", "Άρσεναλ", "Τσέλσι"), 38047.0, 38050.0, 9);
        first[26 + 10] = 'z';
        first[400] = 'r';
        QByteArray second = KupBytes(KupRow("5", kFirst, "", "", "Λίβερπουλ", "Έβερτον"));
        second[290] = 'q';
        const QByteArray third = KupBytes(KupRow("7", kLast, "18:00", "ΙΤΑ", "Ίντερ", "Μίλαν"));
        original_ = first + second + third;
        WriteBytes(Path(), original_);
    }

    QList<TKupGridRow> LoadedRows() const
    {
        QList<TKupGridRow> rows;
        const TKupReadResult read = ReadKupRecords(Path());
        for (int record = 0; record < read.records.size(); ++record)
            rows.append({record, read.records[record].Row});
        return rows;
    }

    QByteArray original_;
    MessageRecorder messages_;
};

TEST_F(SaveKupGridTest, AnUnchangedGridKeepsTheFileByteForByte)
{
    ASSERT_TRUE(SaveKupGrid(Path(), LoadedRows()));
    EXPECT_EQ(ReadBytes(Path()), original_);
    EXPECT_EQ(messages_.Texts(), QStringList{kSaved});
}

TEST_F(SaveKupGridTest, EachRecordTakesTheRowLoadedFromItEvenWithTwinCodes)
{
    QList<TKupGridRow> rows = LoadedRows();
    std::swap(rows[0], rows[1]); // a sorted grid: the second twin shown first
    rows[0].values.Score = "2-1";
    rows[1].values.Odd1 = "1,50";

    ASSERT_TRUE(SaveKupGrid(Path(), rows));

    const TKupReadResult read = ReadKupRecords(Path());
    ASSERT_EQ(read.records.size(), 3);
    EXPECT_EQ(read.records[0].Row.Home, "Άρσεναλ");
    EXPECT_EQ(read.records[0].Row.Odd1, "1,50");
    EXPECT_EQ(read.records[0].Row.Score, "");
    EXPECT_EQ(read.records[1].Row.Home, "Λίβερπουλ");
    EXPECT_EQ(read.records[1].Row.Score, "2-1");
    EXPECT_EQ(read.records[0].KupTag, 9);
    EXPECT_EQ(read.records[0].DateFrom, 38047.0);
    EXPECT_EQ(read.records[0].Bytes[400], 'r') << "reserved bytes stay";
}

TEST_F(SaveKupGridTest, ARecordWithoutARowIsDropped)
{
    QList<TKupGridRow> rows = LoadedRows();
    rows.removeAt(1);
    ASSERT_TRUE(SaveKupGrid(Path(), rows));
    const QByteArray saved = ReadBytes(Path());
    EXPECT_EQ(saved, original_.left(kKupRecordSize) + original_.right(kKupRecordSize));
}

TEST_F(SaveKupGridTest, AFailureHalfwayLeavesTheOldBytes)
{
    QList<TKupGridRow> rows = LoadedRows();
    rows[0].values.Score = "1-0";
    rows[2].values.MatchDate = QDate();

    EXPECT_FALSE(SaveKupGrid(Path(), rows));

    EXPECT_EQ(ReadBytes(Path()), original_);
    EXPECT_EQ(messages_.Texts(), QStringList{kFailed});
    EXPECT_EQ(QDir(ProgramFolder()).entryList(QDir::Files), QStringList{QFileInfo(Path()).fileName()});
}

} // namespace
