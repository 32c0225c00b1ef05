#include "coupons/coupon_list.h"

#include "coupons/kup_file.h"
#include "kup_test_files.h"
#include "platform/core/paths.h"

#include <QFileInfo>

#include <gtest/gtest.h>

using namespace tav::coupons;

namespace {

void Touch(const QString &folder, const QStringList &names)
{
    ASSERT_TRUE(EnsureFolder(folder));
    for (const QString &name : names)
        WriteBytes(JoinPath(folder, name), {});
}

TEST(CouponList, NewestFirstWithRealNamesAndBadNamesLeftOut)
{
    Touch(KouponiaFolder(),
          {"12_20040301_20040304.kup", "13_20040305_20040308.kup", "112_20040301_20040304.kup",
           "abc_20040301_20040304.kup", "nodash.kup", "14_2004.kup", "15_20040309_20040312.txt"});

    const QList<TCouponListEntry> entries = ListCouponFiles(KouponiaFolder(), TCouponNumberText::AsNamed);

    QStringList names;
    for (const TCouponListEntry &entry : entries)
        names.append(entry.fileName);
    EXPECT_EQ(names, QStringList({"13_20040305_20040308.kup", "112_20040301_20040304.kup",
                                  "12_20040301_20040304.kup"}));
    EXPECT_EQ(entries[0].line, "13  Παρασκευή 05/03/2004 έως Δευτέρα 08/03/2004");
    EXPECT_EQ(entries[2].line, "12  Δευτέρα 01/03/2004 έως Πέμπτη 04/03/2004");
}

TEST(CouponList, NumbersWithLeadingZerosKeepTheirFile)
{
    Touch(MyKouponiaFolder(), {"007_20040301_20040304.kup"});

    const QList<TCouponListEntry> mine = ListCouponFiles(MyKouponiaFolder(), TCouponNumberText::AsNumber);

    ASSERT_EQ(mine.size(), 1);
    EXPECT_EQ(mine[0].number, 7);
    EXPECT_TRUE(mine[0].line.startsWith("7  "));
    EXPECT_EQ(mine[0].fileName, "007_20040301_20040304.kup");
}

TEST(CouponList, AMissingFolderIsCreatedAndEmpty)
{
    EXPECT_TRUE(ListCouponFiles(KouponiaFolder(), TCouponNumberText::AsNamed).isEmpty());
    EXPECT_TRUE(QFileInfo(KouponiaFolder()).isDir());
}

} // namespace
