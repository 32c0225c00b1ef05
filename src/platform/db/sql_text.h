#pragma once

#include <QString>
#include <QStringList>

// An SQL text ready for SQLite, with the names of its parameters in order of appearance, each
// occurrence listed (a name used twice is listed twice).
struct PreparedSqlText
{
    QString sql;
    QStringList paramNames;
};

// Rewrites what SQLite does not accept and leaves the rest as it is: table names with a .db/.DB
// suffix (Agvnes.DB."date" -> "Agvnes"."date", FROM "Agvnes.db" -> FROM "Agvnes", FROM Agvnes.DB a
// -> FROM Agvnes a); parameters :Name become ? placeholders and their names are returned so the
// caller binds them by name without case and by position. Quoted strings ('..', with '' escapes),
// quoted identifiers and comments are never changed; a time literal '12:30' is no parameter.
PreparedSqlText PrepareSqlText(const QString &sql);

// The table name with any .db/.DB suffix and surrounding quotes dropped ("Agvnes.DB" -> "Agvnes").
QString StripTableSuffix(const QString &tableName);
