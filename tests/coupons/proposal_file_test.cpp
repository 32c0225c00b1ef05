#include "coupons/proposal_file.h"

#include "kup_test_files.h"
#include "platform/core/paths.h"

#include <gtest/gtest.h>

using namespace tav::coupons;

namespace {

TEST(ProposalFile, WrittenInCodePage1253WithCrLfAndReadBack)
{
    const QString path = JoinPath(ProgramFolder(), "p.txt");
    TProposalFile proposal;
    proposal.couponNumber = CouponNumberOf("412_20040301_20040304.kup");
    proposal.lines = {{" 17", "1", {}}, {"23", "X", {"Ά", "3", "4"}}};

    WriteProposalFile(path, proposal);

    EXPECT_EQ(ReadBytes(path),
              QByteArray("412\r\n 17,1\r\n23,X,\xa2,3,4\r\n#3 \xd3\xd5\xd3\xd4\xc7\xcc\xc1\r\n"
                         "#3 \xc5\xd0\xc9\xd4\xd5\xd7\xc9\xc5\xd3\r\n"));
    const TProposalFile read = ReadProposalFile(path);
    EXPECT_EQ(read.couponNumber, "412");
    ASSERT_EQ(read.lines.size(), 2);
    EXPECT_EQ(read.lines[0].code, " 17");
    EXPECT_EQ(read.lines[1].sign, "X");
    EXPECT_EQ(read.lines[1].extra, QStringList({"Ά", "3", "4"}));
}

TEST(ProposalFile, ReaderSkipsEveryLineWithAHashAndTakesTheSecondField)
{
    const QString path = JoinPath(ProgramFolder(), "p.txt");
    WriteBytes(path, "12\n5,1\n6,2 # note\n#3 x\n7,X,10,-4,2\n\n8\n9,\n");

    const TProposalFile read = ReadProposalFile(path);

    QStringList pairs;
    for (const TProposalLine &line : read.lines)
        pairs.append(line.code + '=' + line.sign);
    EXPECT_EQ(pairs, QStringList({"5=1", "7=X", "8=", "9="}));
}

TEST(ProposalFile, CouponNumberIsTheNameBeforeItsFirstUnderscore)
{
    EXPECT_EQ(CouponNumberOf("12_20040301_20040304.kup"), "12");
    EXPECT_EQ(CouponNumberOf("coupon.kup"), "");
}

TEST(ProposalFile, TheCouponCheckFindsOnlyFilesOfThatNumber)
{
    const QString folder = JoinPath(ProgramFolder(), "Kouponia");
    ASSERT_TRUE(EnsureFolder(folder));
    WriteBytes(JoinPath(folder, "123_20040301_20040304.kup"), {});
    EXPECT_EQ(FindCouponFile(folder, "12"), "");
    WriteBytes(JoinPath(folder, "12_20040305_20040308.kup"), {});
    EXPECT_EQ(FindCouponFile(folder, "12"), "12_20040305_20040308.kup");
    EXPECT_EQ(FindCouponFile(folder, "123"), "123_20040301_20040304.kup");
    EXPECT_EQ(FindCouponFile(folder, "9"), "");
}

} // namespace
