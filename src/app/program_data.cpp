#include "app/program_data.h"

#include "app/backup_restore.h"
#include "data/data_module.h"
#include "platform/core/errors.h"
#include "platform/core/message_service.h"
#include "platform/ui/command_guard.h"

#include <QDir>

#include <exception>
#include <optional>

namespace tav::app {

using namespace tav::data;

namespace {

const char *const kCannotOpen = "Τα δεδομένα του προγράμματος δεν ανοίγουν.";
const char *const kWindowRefused =
    "Το παράθυρο δεν ανοίγει, γιατί τα δεδομένα του προγράμματος δεν ανοίγουν.";
const char *const kDatabaseFile = "Αρχείο της βάσης: %1";
const char *const kWhatNow = "Τα παράθυρα των δεδομένων μένουν κλειστά μέχρι να ανοίξουν τα δεδομένα. "
                             "Η επαναφορά των αρχείων από αντίγραφο ασφαλείας και οι άλλες εντολές του "
                             "μενού «Βοηθητικά» μένουν διαθέσιμες.";
const char *const kReadOnly = "Η βάση δεδομένων επιτρέπει μόνο ανάγνωση: ό,τι αλλάξετε δεν θα αποθηκευτεί.\n"
                              "Ελέγξτε τα δικαιώματα του αρχείου %1 και του φακέλου του και ξεκινήστε ξανά "
                              "το πρόγραμμα.";

bool &Unavailable()
{
    static bool unavailable = false;
    return unavailable;
}

// The database file the alias names; empty when the alias names none.
QString DatabaseFileName()
{
    try {
        return QDir::toNativeSeparators(TDatabase::FileNameOfAlias(TavrolinDM().TavrolinDb.AliasName()));
    } catch (const Exception &) {
        return QString();
    }
}

void OpenTables()
{
    TTavrolinDM &dm = TavrolinDM();
    OpenIfClosed(dm.Kathgories);
    OpenIfClosed(dm.POmades);
    OpenIfClosed(dm.Periodos);
    dm.Periodos.Last();
    OpenIfClosed(dm.Agvnes);
    OpenIfClosed(dm.Diorganvseis);
}

// Opens the tables; on failure closes whatever opened, so that the next attempt starts afresh,
// and returns the reason in the user's words.
std::optional<QString> TryOpen()
{
    try {
        OpenTables();
        return std::nullopt;
    } catch (...) {
        const QString reason = ErrorText(std::current_exception());
        CloseSharedDatasets();
        return reason;
    }
}

QString Report(const char *head, const QString &reason)
{
    QStringList parts{QString::fromUtf8(head)};
    if (!reason.isEmpty())
        parts.append(reason);
    // The engine's own reason may name the file already.
    if (const QString file = DatabaseFileName(); !file.isEmpty() && !reason.contains(file))
        parts.append(QString::fromUtf8(kDatabaseFile).arg(file));
    parts.append(QString::fromUtf8(kWhatNow));
    return parts.join(QStringLiteral("\n\n"));
}

void WarnWhenReadOnly()
{
    TDatabase &database = TavrolinDM().TavrolinDb;
    if (database.Connected() && database.Connection().IsReadOnly())
        MessageDlg(QString::fromUtf8(kReadOnly).arg(QDir::toNativeSeparators(database.FileName())), mtWarning,
                   {mbOK});
}

} // namespace

bool OpenProgramData()
{
    const std::optional<QString> failure = TryOpen();
    Unavailable() = failure.has_value();
    if (failure) {
        MessageDlg(Report(kCannotOpen, *failure), mtError, {mbOK});
        return false;
    }
    WarnWhenReadOnly();
    return true;
}

bool ProgramDataUnavailable()
{
    return Unavailable();
}

bool EnsureProgramData()
{
    if (!Unavailable())
        return true;
    const std::optional<QString> failure = TryOpen();
    if (failure) {
        MessageDlg(Report(kWindowRefused, *failure), mtError, {mbOK});
        return false;
    }
    Unavailable() = false;
    WarnWhenReadOnly();
    return true;
}

} // namespace tav::app
