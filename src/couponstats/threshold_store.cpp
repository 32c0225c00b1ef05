#include "couponstats/threshold_store.h"

#include "platform/core/format.h"
#include "platform/core/registry.h"

namespace tav::couponstats {

namespace {

const char *const kKey = "Software\\Tavrolin\\Directories";
const char *const kSection = "Params";

QString Name(std::size_t index)
{
    return QString::fromLatin1(kThresholdNames[index]);
}

} // namespace

TThresholdTexts ThresholdTextsOf(const TProposalThresholds &thresholds)
{
    const std::array<int, 6> bounds = {thresholds.Apo1, thresholds.Eos1, thresholds.ApoX,
                                       thresholds.EosX, thresholds.Apo2, thresholds.Eos2};
    TThresholdTexts texts;
    for (std::size_t i = 0; i < texts.size(); ++i)
        texts[i] = QString::number(bounds[i]);
    return texts;
}

TThresholdTexts ReadThresholdTexts(const TProposalThresholds &defaults)
{
    const TRegIniFile registry(QString::fromLatin1(kKey));
    TThresholdTexts texts = ThresholdTextsOf(defaults);
    for (std::size_t i = 0; i < texts.size(); ++i)
        texts[i] = registry.ReadString(QString::fromLatin1(kSection), Name(i), texts[i]);
    return texts;
}

void WriteThresholdTexts(const TThresholdTexts &texts)
{
    TRegIniFile registry(QString::fromLatin1(kKey));
    for (std::size_t i = 0; i < texts.size(); ++i)
        registry.WriteString(QString::fromLatin1(kSection), Name(i), texts[i]);
}

TProposalThresholds ThresholdsFromTexts(const TThresholdTexts &texts)
{
    return {StrToInt(texts[0]), StrToInt(texts[1]), StrToInt(texts[2]),
            StrToInt(texts[3]), StrToInt(texts[4]), StrToInt(texts[5])};
}

} // namespace tav::couponstats
