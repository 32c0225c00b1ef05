#pragma once

#include "platform/db/db_errors.h"

#include <QList>
#include <QString>
#include <QVariant>
#include <QVariantList>

#include <cstdint>

struct sqlite3;
struct sqlite3_stmt;
class DbConnection;
class TDatabase;

// The error of a failed call on the connection (db may be null): a message for the user chosen
// by the result code (a locked, read-only, full, damaged or unopenable database says so and
// what to do, naming the database file: fileName when the connection has none), the extended
// result code (a broken unique or NOT NULL constraint keeps its own, so that callers can word
// it) and, as the detail, SQLite's text and the context (the statement or the file). The
// detail is written to the log (category tavrolin.db), never into the message.
EDBEngineError SqliteError(sqlite3 *db, int resultCode, const QString &context,
                           const QString &fileName = QString());
[[noreturn]] void RaiseSqliteError(sqlite3 *db, int resultCode, const QString &context);

// One prepared statement: binds values by position, steps, reads columns, and is reset when it
// goes out of scope or is finalized with it. The statement holds no lock between Step calls
// once it is reset, so a reset statement may stay cached.
class SqliteStatement
{
public:
    SqliteStatement(sqlite3 *db, const QString &sql, bool persistent = false);
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement &) = delete;
    SqliteStatement &operator=(const SqliteStatement &) = delete;

    // Binds QVariant values at 1-based positions: null -> NULL, integers and booleans ->
    // INTEGER, doubles -> REAL, byte arrays -> BLOB, everything else as UTF-8 text.
    void Bind(int position, const QVariant &value);
    void BindAll(const QVariantList &values, int firstPosition = 1);
    int ParameterCount() const;

    // True while a row is available; false when done. Errors raise EDBEngineError.
    bool Step();
    // Steps to the end (for statements that return no rows).
    void Execute();
    // Steps to the end and returns every row, its columns in order as Value gives them.
    QList<QVariantList> AllRows();
    // Ends the current run so the statement holds no lock; keeps the bindings.
    void Reset();
    void ClearBindings();

    int ColumnCount() const;
    QString ColumnName(int column) const;
    // The declared type of the column in its table ("" for an expression).
    QString ColumnDeclaredType(int column) const;
    bool IsNull(int column) const;
    std::int64_t Int64(int column) const;
    double Double(int column) const;
    QString Text(int column) const;
    // The column as UTF-8 bytes (valid until the next step) and their count.
    const unsigned char *TextBytes(int column) const;
    int Bytes(int column) const;
    QByteArray Blob(int column) const;
    // The value in its stored type: qint64, double, QString, QByteArray or null.
    QVariant Value(int column) const;

    sqlite3_stmt *Handle() const { return stmt_; }
    QString Sql() const { return sql_; }

private:
    sqlite3 *db_;
    sqlite3_stmt *stmt_ = nullptr;
    QString sql_;
};

// Runs one or more statements that take no parameters.
void ExecSql(sqlite3 *db, const QString &sql);

// A savepoint that is rolled back unless committed: every write of the engine that touches more
// than one row, or that may fail half-way, runs inside one. Nests freely.
class TransactionGuard
{
public:
    explicit TransactionGuard(sqlite3 *db);
    explicit TransactionGuard(DbConnection &connection);
    explicit TransactionGuard(TDatabase &database);
    ~TransactionGuard();
    TransactionGuard(const TransactionGuard &) = delete;
    TransactionGuard &operator=(const TransactionGuard &) = delete;

    void Commit();

private:
    sqlite3 *db_;
    QString name_;
    bool done_ = false;
};

// One read transaction over several look-ups: on its own each statement takes and releases the
// file's locks again, which costs more than a keyed look-up itself. Inside a transaction already
// open it does nothing. For reads only: it ends by committing.
class ReadTransaction
{
public:
    explicit ReadTransaction(DbConnection &connection);
    ~ReadTransaction();
    ReadTransaction(const ReadTransaction &) = delete;
    ReadTransaction &operator=(const ReadTransaction &) = delete;

private:
    sqlite3 *db_;
    bool began_ = false;
};
