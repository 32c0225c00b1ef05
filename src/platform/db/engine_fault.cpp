#include "platform/db/engine_fault.h"

#include "platform/db/database.h"

#include <sqlite3.h>

namespace {

const char *const kDamaged = "Το αρχείο της βάσης δεδομένων είναι κατεστραμμένο ή δεν είναι αρχείο βάσης "
                             "δεδομένων.\nΕπαναφέρετε τα αρχεία της βάσης από αντίγραφο ασφαλείας.";
const char *const kLocked = "Η βάση δεδομένων χρησιμοποιείται από άλλο πρόγραμμα.\n"
                            "Κλείστε το άλλο πρόγραμμα και δοκιμάστε ξανά.";
const char *const kReadOnly = "Η βάση δεδομένων επιτρέπει μόνο ανάγνωση: οι αλλαγές δεν αποθηκεύονται.\n"
                              "Ελέγξτε τα δικαιώματα του αρχείου της βάσης και του φακέλου του.";
const char *const kDiskFull = "Ο δίσκος της βάσης δεδομένων είναι γεμάτος.\n"
                              "Ελευθερώστε χώρο στο δίσκο και δοκιμάστε ξανά.";
const char *const kNoAccess = "Δεν είναι δυνατή η πρόσβαση στο αρχείο της βάσης δεδομένων.\n"
                              "Ελέγξτε ότι ο φάκελός του υπάρχει και ότι έχετε δικαίωμα ανάγνωσης και "
                              "εγγραφής σε αυτόν.";
const char *const kDiskError = "Σφάλμα του δίσκου κατά την ανάγνωση ή την εγγραφή της βάσης δεδομένων.\n"
                               "Ελέγξτε το δίσκο και δοκιμάστε ξανά.";

} // namespace

QString EngineFaultText(int errorCode)
{
    // Extended codes carry the primary code in their low byte.
    switch (errorCode & 0xff) {
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        return QString::fromUtf8(kDamaged);
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return QString::fromUtf8(kLocked);
    case SQLITE_READONLY:
        return QString::fromUtf8(kReadOnly);
    case SQLITE_FULL:
        return QString::fromUtf8(kDiskFull);
    case SQLITE_CANTOPEN:
    case SQLITE_PERM:
    case SQLITE_AUTH:
        return QString::fromUtf8(kNoAccess);
    case SQLITE_IOERR:
        return QString::fromUtf8(kDiskError);
    default:
        return QString();
    }
}

bool ConnectionIsReadOnly(const DbConnection &connection)
{
    return sqlite3_db_readonly(connection.Handle(), "main") == 1;
}
