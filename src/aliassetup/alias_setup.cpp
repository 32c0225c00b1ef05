#include "aliassetup/alias_setup.h"

#include "platform/core/codepage.h"

namespace tav::aliassetup {

namespace {

const QStringList FileDrivers = {"STANDARD", "PARADOX", "DBASE", "FOXPRO", "ASCIIDRV"};

bool IsOneOf(const QString &driver, const QStringList &names)
{
    return names.contains(driver, Qt::CaseInsensitive);
}

// The engine keeps alias names and driver types in the DOS code page: what it stores is what
// survives the conversion to code page 737 (a character the code page lacks becomes "?").
QString AsOemText(const QString &text)
{
    return FromCodePage(ToCodePage(text, CodePage::Dos737), CodePage::Dos737);
}

QString ParamsFor(const QString &driverName, const QString &path)
{
    if (IsOneOf(driverName, FileDrivers))
        return AliasParamEntry("PATH", path) + ';' + AliasParamEntry("DEFAULT DRIVER", driverName) + ';' +
               AliasParamEntry("ENABLE BCD", "FALSE");
    if (driverName.compare(QLatin1String("INTRBASE"), Qt::CaseInsensitive) == 0)
        return AliasParamEntry("SERVER NAME", path);
    return AliasParamEntry("DATABASE NAME", path);
}

} // namespace

AliasSetupRequest BuildAliasSetupRequest(const QStringList &arguments, const QString &defaultDataFolder)
{
    QString aliasName = arguments.value(0, QStringLiteral("Tavrolin"));
    QString path = arguments.value(1);
    const QString driverName = arguments.value(2, QStringLiteral("PARADOX"));
    if (path.isEmpty())
        path = defaultDataFolder;

    AliasSetupRequest request;
    request.replace = aliasName.startsWith('-');
    if (request.replace)
        aliasName.remove(0, 1);
    request.deleteName = aliasName;
    request.aliasName = AsOemText(aliasName);
    const QString driverType = driverName.compare(QLatin1String("STANDARD"), Qt::CaseInsensitive) == 0
                                   ? QStringLiteral("PARADOX")
                                   : driverName;
    request.driverType = AsOemText(driverType);
    request.params = ParamsFor(driverName, path);
    return request;
}

void RunAliasSetup(const AliasSetupRequest &request, AliasStore &store)
{
    if (request.replace)
        store.Delete(request.deleteName);
    store.Add({request.aliasName, request.driverType, request.params});
}

} // namespace tav::aliassetup
