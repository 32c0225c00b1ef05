#include "controls/dataaware/dq_pict.h"

#include <gtest/gtest.h>

namespace {

struct MaskCase
{
    const char *mask;
    const char *input;
    bool fill;
    TdqPictureResult result;
    const char *after;
};

} // namespace

TEST(PictureMaskTest, ChecksAndCompletesTexts)
{
    const MaskCase cases[] = {
        {"###", "123", false, picComplete, "123"},
        {"###", "12", false, picIncomplete, "12"},
        {"###", "12a", false, picError, "12a"},
        {"##-##", "12", true, picIncomplete, "12-"},
        {"(###)", "(12", true, picIncomplete, "(12"},
        {"&&", "ab", false, picComplete, "AB"},
        {"~~", "AB", false, picComplete, "ab"},
        {"&&", "a1", false, picError, "A1"},
        {"X-##", "x-12", false, picComplete, "X-12"},
        {"##-##", "12 ", false, picIncomplete, "12-"},
        {"*#", "", false, picEmpty, ""},
        {"*#", "1234567", false, picComplete, "1234567"},
        {"*#", "12x", false, picError, "12x"},
        {"*3#", "12", false, picIncomplete, "12"},
        {"*3#", "123", false, picComplete, "123"},
        {"*3#", "1234", false, picError, "1234"},
        {"[###]", "", false, picEmpty, ""},
        {"[###]", "123", false, picComplete, "123"},
        {"{Yes,No}", "yes", false, picComplete, "Yes"},
        {"{Yes,No}", "no", false, picComplete, "No"},
        {"{Yes,No}", "Y", false, picIncomplete, "Y"},
        {"{Yes,No}", "Y", true, picComplete, "Yes"},
        {"#[#]", "1", false, picComplete, "1"},
        {"!@", "αβ", false, picComplete, "Αβ"},
        {"?#;*", "x1*", false, picComplete, "x1*"},
        {"##;", "12", false, picSyntax, "12"},
        {"[##", "12", false, picSyntax, "12"},
        {"{a,b", "a", false, picSyntax, "a"},
        {"##*", "12", false, picSyntax, "12"},
    };
    for (const MaskCase &c : cases) {
        SCOPED_TRACE(QStringLiteral("%1 / %2").arg(c.mask, c.input).toStdString());
        TdqPictureValidator validator(QString::fromUtf8(c.mask), c.fill);
        QString input = QString::fromUtf8(c.input);
        EXPECT_EQ(validator.CheckPicture(input, c.fill), c.result);
        EXPECT_EQ(input, QString::fromUtf8(c.after));
    }
}

TEST(PictureMaskTest, CountsAreNotCutToEightBits)
{
    TdqPictureValidator validator("*300#", false);
    QString digits(300, '7');
    EXPECT_EQ(validator.CheckPicture(digits, false), picComplete);
    QString fewer(44, '7');
    EXPECT_EQ(validator.CheckPicture(fewer, false), picIncomplete);
}

TEST(PictureMaskTest, MalformedMaskRejectsEveryValueWithoutRaising)
{
    for (const char *mask : {"##;", "[#", "#]", "{a", "*"}) {
        SCOPED_TRACE(mask);
        TdqPictureValidator validator(mask, true);
        EXPECT_EQ(validator.State(), 1);
        EXPECT_FALSE(validator.AcceptsValue("1"));
        EXPECT_FALSE(validator.AcceptsValue("a"));
    }
    // No mask at all takes anything.
    TdqPictureValidator none("", true);
    EXPECT_TRUE(none.AcceptsValue("anything"));
    TdqPictureValidator good("###", false);
    EXPECT_EQ(good.State(), 0);
    EXPECT_TRUE(good.AcceptsValue("123"));
    EXPECT_FALSE(good.AcceptsValue("12"));
}
