#include "coupons/analysis_database.h"

#include "platform/core/errors.h"
#include "platform/db/database.h"

#include <QDir>
#include <QFileInfo>

namespace tav::coupons {

namespace {

const char *const kNoFile = "Το αρχείο %1 της βάσης AccAnalKoup δεν υπάρχει.";
const char *const kNoTable = "Η βάση AccAnalKoup δεν έχει πίνακα %1.";

} // namespace

void OpenAnalysisDatabase(TDatabase &database, const QString &table)
{
    // Opening a missing file would create an empty database in its place.
    const QString file = TDatabase::FileNameOfAlias(QString::fromLatin1(kAnalysisAlias));
    if (!QFileInfo(file).isFile())
        throw EDatabaseError(QString::fromUtf8(kNoFile).arg(QDir::toNativeSeparators(file)));
    database.SetAliasName(QString::fromLatin1(kAnalysisAlias));
    database.Open();
    if (!database.TableExists(table))
        throw EDatabaseError(QString::fromUtf8(kNoTable).arg(table));
}

} // namespace tav::coupons
