#include "platform/core/codepage.h"

#include <gtest/gtest.h>

TEST(CodePage, GreekTextRoundTripsThroughBothCodePages)
{
    const QString text = QString::fromUtf8("ΟΛΥΜΠΙΑΚΟΣ Ολυμπιακός άέήίόύώ ϊϋΐΰ 1-0 «»");
    for (CodePage page : {CodePage::Windows1253, CodePage::Dos737}) {
        const QString back = FromCodePage(ToCodePage(text, page), page);
        if (page == CodePage::Windows1253) {
            EXPECT_EQ(back, text);
        }
        EXPECT_EQ(ToCodePage(text, page).size(), text.size());
    }
}

TEST(CodePage, KnownBytesOfBothCodePages)
{
    const QString alpha = QString::fromUtf8("Αα");
    EXPECT_EQ(ToCodePage(alpha, CodePage::Windows1253), QByteArray("\xC1\xE1"));
    EXPECT_EQ(ToCodePage(alpha, CodePage::Dos737), QByteArray("\x80\x98"));
    EXPECT_EQ(FromCodePage(QByteArray("\xD9\xF9"), CodePage::Windows1253), QString::fromUtf8("Ωω"));
}

TEST(CodePage, CharactersOutsideTheCodePageBecomeQuestionMarks)
{
    const QString text = QString::fromUtf8("a€b中c😀d");
    EXPECT_EQ(ToCodePage(text, CodePage::Dos737), QByteArray("a?b?c?d"));
    EXPECT_EQ(ToCodePage(text, CodePage::Windows1253), QByteArray("a\x80"
                                                                  "b?c?d"));
    EXPECT_FALSE(FitsCodePage(text, CodePage::Windows1253));
    EXPECT_TRUE(FitsCodePage(QString::fromUtf8("Παναθηναϊκός"), CodePage::Windows1253));
}

TEST(CodePage, UndefinedBytesDecodeAsReplacementCharacters)
{
    EXPECT_EQ(FromCodePage(QByteArray("\xD2"), CodePage::Windows1253), QString(QChar::ReplacementCharacter));
}
