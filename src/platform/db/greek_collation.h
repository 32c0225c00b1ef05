#pragma once

#include <QString>

struct sqlite3;

// Folds Greek and Latin case and accents (tonos, dialytika; final sigma = sigma) so that
// "Ολυμπιακός", "ΟΛΥΜΠΙΑΚΟΣ" and "ολυμπιακος" compare equal.
QString FoldForCompare(const QString &text);

// Stable total order for texts: folded comparison first, ties broken by the unfolded text so
// that an ORDER BY is deterministic. Greek letters sort in Greek alphabet order after Latin.
int CompareCaseInsensitive(const QString &a, const QString &b);

// Registers the collation "GREEK_CI" (using CompareCaseInsensitive on UTF-8 text) and the SQL
// function greek_fold(text) on a connection. Raises EDBEngineError on failure. greek_fold is
// deterministic, so it may stand in expression indexes; values that are not text pass unchanged.
void RegisterGreekCollation(sqlite3 *db);

inline constexpr const char *GreekCollationName = "GREEK_CI";
