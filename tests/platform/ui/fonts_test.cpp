#include "support/qstring_printer.h"

#include <QFont>
#include <QFontInfo>
#include <QFontMetrics>

#include <gtest/gtest.h>

namespace {

// The test program maps the names at start-up as the program does; the families are those the
// set-up installs.
TEST(FontsTest, DesignNamesResolveToFamiliesOfTheSameWidths)
{
    const struct
    {
        const char *designName;
        const char *family;
    } cases[] = {{"Arial", "Liberation Sans"},
                 {"MS Sans Serif", "Liberation Sans"},
                 {"Courier New", "Liberation Mono"},
                 {"Times New Roman", "Liberation Serif"}};
    const QString sample = QString::fromUtf8("Βαθμολογία Ολυμπιακός - Παναθηναϊκός 2-1");
    for (const auto &c : cases) {
        const QFont design(QString::fromLatin1(c.designName), 10);
        EXPECT_EQ(QFontInfo(design).family(), QString::fromLatin1(c.family)) << c.designName;
        EXPECT_EQ(QFontMetrics(design).horizontalAdvance(sample),
                  QFontMetrics(QFont(QString::fromLatin1(c.family), 10)).horizontalAdvance(sample))
            << c.designName;
    }
}

} // namespace
