#pragma once

#include <QString>

class TDatabase;

// The outside analysis database "AccAnalKoup": an alias of the database engine, set up outside the
// program, whose tables the coupon analyses fill. The program creates neither the database nor
// its tables.
namespace tav::coupons {

inline constexpr char kAnalysisAlias[] = "AccAnalKoup";

// Opens the database on the alias, for writing into the table. A missing alias, a missing file
// (which is never created) or a missing table raises EDatabaseError naming it.
void OpenAnalysisDatabase(TDatabase &database, const QString &table);

} // namespace tav::coupons
