// Ormandel: registers the database alias of Tavrolin's data folder and exits, silently, with
// exit code 0 whatever happens.
#include "aliassetup/alias_setup.h"
#include "platform/core/paths.h"

#include <QCoreApplication>

using namespace tav::aliassetup;

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    try {
        AliasStore store;
        RunAliasSetup(BuildAliasSetupRequest(arguments, JoinPath(ProgramFolder(), "Data")), store);
    } catch (...) {
        // Nothing is reported: the program has no window and no log.
    }
    return 0;
}
