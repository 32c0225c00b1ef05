#include "couponstats/threshold_store.h"

#include "platform/core/errors.h"
#include "platform/core/registry.h"
#include "support/qstring_printer.h"

#include <gtest/gtest.h>

using namespace tav::couponstats;

namespace {

const char *const kKey = "Software\\Tavrolin\\Directories";

TEST(ThresholdStoreTest, MissingValuesReadAsTheReadersOwnDefaults)
{
    EXPECT_EQ(ReadThresholdTexts(kDefaultsA), (TThresholdTexts{"1", "500", "-4", "0", "-500", "-5"}));
    EXPECT_EQ(ReadThresholdTexts(kDefaultsB), (TThresholdTexts{"1", "500", "0", "0", "-500", "-1"}));

    TRegIniFile(kKey).WriteString("Params", "XApo", "-2");
    EXPECT_EQ(ReadThresholdTexts(kDefaultsB), (TThresholdTexts{"1", "500", "-2", "0", "-500", "-1"}));
}

TEST(ThresholdStoreTest, TheTextsAreStoredAsTheyStandAndReadBack)
{
    const TThresholdTexts typed{"2", "", "-3", "1", "-0", "007"};
    WriteThresholdTexts(typed);
    EXPECT_EQ(ReadThresholdTexts(kDefaultsA), typed);
    const TRegIniFile registry("Software\\TAVROLIN\\Directories");
    EXPECT_EQ(registry.ReadSection("Params"), (QStringList{"1Apo", "1Eos", "2Apo", "2Eos", "XApo", "XEos"}));
    EXPECT_EQ(registry.ReadString("Params", "1Eos", "?"), QString());
    EXPECT_EQ(registry.ReadString("Params", "2Eos", "?"), QString("007"));
}

TEST(ThresholdStoreTest, TextsBecomeBoundsWhenUsedAndATextThatIsNoNumberIsRefused)
{
    EXPECT_EQ(ThresholdsFromTexts(ThresholdTextsOf(kDefaultsA)), kDefaultsA);
    EXPECT_EQ(ThresholdsFromTexts({"2", " 30 ", "-3", "1", "-0", "007"}),
              (TProposalThresholds{2, 30, -3, 1, 0, 7}));
    for (const QString &bad : {QString(), QString("-"), QString("1-2")}) {
        SCOPED_TRACE(bad.toStdString());
        try {
            ThresholdsFromTexts({"1", bad, "-4", "0", "-500", "-5"});
            FAIL() << "no conversion error";
        } catch (const EConvertError &error) {
            EXPECT_TRUE(error.Message().contains("δεν είναι έγκυρος ακέραιος"))
                << error.Message().toStdString();
        }
    }
}

} // namespace
