#include "data/competition_choice.h"

#include "platform/core/registry.h"

namespace {

const QString kKey = QStringLiteral("Software\\Tavrolin\\Diorganvsh");
const QString kSection = QStringLiteral("Options");
const QString kNameD = QStringLiteral("NameD");
const QString kNameP = QStringLiteral("NameP");
const QString kAgvnistikh = QStringLiteral("Agvnistikh");

} // namespace

QString ReadNameD()
{
    return TRegIniFile(kKey).ReadString(kSection, kNameD, QString());
}

QString ReadNameP()
{
    return TRegIniFile(kKey).ReadString(kSection, kNameP, QString());
}

void WriteNameD(const QString &category)
{
    TRegIniFile(kKey).WriteString(kSection, kNameD, category);
}

void WriteNameP(const QString &season)
{
    TRegIniFile(kKey).WriteString(kSection, kNameP, season);
}

void WriteAgvnistikh(int matchday)
{
    TRegIniFile(kKey).WriteInteger(kSection, kAgvnistikh, matchday);
}
