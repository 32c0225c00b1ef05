#pragma once

#include "platform/db/alias_store.h"

#include <QString>
#include <QStringList>

namespace tav::aliassetup {

// What Ormandel registers, derived from its command line.
struct AliasSetupRequest
{
    QString aliasName;    // as handed to the engine: OEM text, without the leading minus
    bool replace = false; // delete an existing alias of that name first
    QString deleteName;   // the name to delete: as typed, without the minus, not OEM-converted
    QString driverType;   // OEM text; STANDARD becomes PARADOX
    QString params;       // the parameter text, unconverted
};

// arguments: the command-line parameters without the program name. defaultDataFolder: the
// program folder followed by "/Data", used when the path parameter is missing or empty.
AliasSetupRequest BuildAliasSetupRequest(const QStringList &arguments, const QString &defaultDataFolder);

// Deletes (when asked) and adds the alias. Every failure is ignored: the program reports
// nothing and always ends normally.
void RunAliasSetup(const AliasSetupRequest &request, AliasStore &store);

} // namespace tav::aliassetup
