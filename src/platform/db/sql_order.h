#pragma once

#include <QString>

#include <functional>
#include <optional>

// Whether a column of a table holds text; none when the table has no such column (or there is
// no such table).
using ColumnIsText = std::function<std::optional<bool>(const QString &table, const QString &column)>;

// Orders text the way the indexes of text fields do, by the Greek collation, in an SQL text that
// SQLite accepts: every ORDER BY term that names a text column ("GrName", "Kathgories.GrName",
// "k.GrName" for a table named k in FROM or JOIN; a bare name in the first table of the
// statement that has it) gets "COLLATE GREEK_CI" after the column. Terms that say their own
// collation, expressions, numbers and names of result columns stay as written, as does
// everything outside ORDER BY.
QString CollateOrderTerms(const QString &sql, const ColumnIsText &columnIsText);
