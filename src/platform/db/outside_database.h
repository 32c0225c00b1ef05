#pragma once

#include <QString>
#include <QStringList>

class TDatabase;

// Opens the outside database of an SQLITE alias (the targets of the coupon exports). Such a
// database is made by its own tools: a missing file is refused rather than created empty, and so
// is a missing table. Raises EDatabaseError naming the alias, the file or the table.
void OpenOutsideDatabase(TDatabase &database, const QString &alias, const QStringList &tables);
