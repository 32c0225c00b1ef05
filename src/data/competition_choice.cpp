#include "data/competition_choice.h"

#include "data/data_module.h"
#include "platform/core/registry.h"

namespace tav::data {

namespace {

const QString kKey = QStringLiteral("Software\\Tavrolin\\Diorganvsh");
const QString kSection = QStringLiteral("Options");
const QString kNameD = QStringLiteral("NameD");
const QString kNameP = QStringLiteral("NameP");
const QString kAgvnistikh = QStringLiteral("Agvnistikh");

void Remember(const CompetitionChoice &choice)
{
    TRegIniFile registry(kKey);
    registry.WriteString(kSection, kNameD, choice.Category);
    registry.WriteString(kSection, kNameP, choice.Season);
}

} // namespace

bool LocateCompetition(TTavrolinDM &dm, const CompetitionChoice &choice)
{
    if (choice.Category.trimmed().isEmpty() || choice.Season.trimmed().isEmpty())
        return false;
    const QVariant katNo = CategoryKatNo(dm, choice.Category);
    if (katNo.isNull())
        return false;
    OpenIfClosed(dm.Diorganvseis);
    return dm.Diorganvseis.Locate(QStringLiteral("KatNo;Periodos"), {katNo, choice.Season});
}

CompetitionChoice CurrentChoice()
{
    TRegIniFile registry(kKey);
    return {registry.ReadString(kSection, kNameD, QString()),
            registry.ReadString(kSection, kNameP, QString())};
}

bool Choose(TTavrolinDM &dm, const CompetitionChoice &choice)
{
    Remember(choice);
    dm.CurrDiorgName = choice.Category;
    dm.CurrPeriodos = choice.Season;
    return LocateCompetition(dm, choice);
}

bool ChooseSeason(TTavrolinDM &dm, const QString &season)
{
    return Choose(dm, {CurrentChoice().Category, season});
}

void RememberMatchday(int matchday)
{
    TRegIniFile(kKey).WriteInteger(kSection, kAgvnistikh, matchday);
}

QVariant CategoryKatNo(TTavrolinDM &dm, const QString &name)
{
    OpenIfClosed(dm.Kathgories);
    return dm.Kathgories.Lookup(QStringLiteral("GrName"), {name}, QStringLiteral("KatNo"));
}

} // namespace tav::data
