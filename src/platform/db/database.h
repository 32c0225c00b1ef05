#pragma once

#include "platform/db/schema.h"
#include "platform/db/sqlite_statement.h"

#include <QHash>
#include <QList>
#include <QString>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

struct sqlite3;

// One open SQLite file, shared by every database object and session of the process that opens
// the same file. It keeps a pool of prepared statements (each handed out to one user at a time
// and reset when given back, so no statement holds a lock between calls) and the table
// definitions it has read. A connection is used by one thread at a time.
class DbConnection : public std::enable_shared_from_this<DbConnection>
{
public:
    // The connection of this file, opened on first use: double-quoted strings are identifiers
    // only, foreign keys off, write-ahead log synced at the NORMAL level, Greek collation
    // registered.
    static std::shared_ptr<DbConnection> Acquire(const QString &fileName);
    // Ends every connection of the process as the program ends, although windows that are never
    // destroyed still hold their tables: the last connection to close copies the write-ahead log
    // into the file and removes it, so the program leaves one self-contained database file.
    // Nothing may read or write through a connection afterwards.
    static void CloseAll();
    // Runs the replacement of a database file's bytes with this process's connection to it
    // closed, and opens that connection again on the new bytes: datasets and databases that hold
    // it go on reading the replaced file.
    static void ReplaceFile(const QString &fileName, const std::function<void()> &replace);
    ~DbConnection();
    DbConnection(const DbConnection &) = delete;
    DbConnection &operator=(const DbConnection &) = delete;

    // The open handle; raises why the file does not open when it is not open.
    sqlite3 *Handle() const;
    QString FileName() const { return fileName_; }
    // Whether the file forbids writing, so the engine opened it for reading alone.
    bool IsReadOnly() const;

    // A prepared statement from the pool, reset and returned when the lease ends.
    class Lease
    {
    public:
        Lease(DbConnection &owner, std::unique_ptr<SqliteStatement> statement);
        ~Lease();
        Lease(Lease &&) = default;
        Lease &operator=(Lease &&) = delete;
        SqliteStatement &operator*() const { return *statement_; }
        SqliteStatement *operator->() const { return statement_.get(); }

    private:
        DbConnection *owner_;
        std::unique_ptr<SqliteStatement> statement_;
    };
    Lease Statement(const QString &sql);

    // Runs one or more statements that take no parameters.
    void Execute(const QString &sql);
    bool TableExists(const QString &tableName);
    void CreateTable(const TTableDef &def);

    // The stored definition of a table, read again after any change of the schema.
    std::shared_ptr<const TTableDef> TableDef(const QString &tableName);
    // Grows with every row that any statement of this connection inserted, updated or deleted.
    qint64 ChangeCount() const;

    // The stored data as a reader sees it: the rows this connection has written and the version
    // of the file that other connections (of this or another program) have committed.
    struct DataState
    {
        qint64 ownChanges = -1;
        unsigned fileVersion = 0;
        friend bool operator==(const DataState &, const DataState &) = default;
    };
    // As of this connection's last read or write; asks the file nothing.
    DataState SeenState() const;
    // As it is now: asks the file whether another connection has committed since.
    DataState CurrentState();

private:
    explicit DbConnection(const QString &fileName);
    void OpenHandle();
    void Close();
    void Release(std::unique_ptr<SqliteStatement> statement);
    qint64 SchemaVersion();
    // SQLite's count of changes to the file, by this connection or any other, as of the last
    // transaction of this connection; reading it takes no lock.
    unsigned DataVersion() const;

    sqlite3 *db_ = nullptr;
    QString fileName_;
    // Why the file did not open again after it was replaced.
    std::optional<EDBEngineError> openError_;
    std::map<QString, std::vector<std::unique_ptr<SqliteStatement>>> pool_;
    QHash<QString, std::shared_ptr<const TTableDef>> tableDefs_;
    qint64 tableDefsVersion_ = -1;
    // The data version at which the schema version was last read.
    std::optional<unsigned> schemaCheckedAt_;
};

class TSession;

// A connection to one database, named by an alias of the alias store: the local-table drivers
// keep their tables in <PATH>/tavrolin.sqlite, the SQLITE driver names its file in DATABASE NAME.
class TDatabase
{
public:
    TDatabase();
    ~TDatabase();
    TDatabase(const TDatabase &) = delete;
    TDatabase &operator=(const TDatabase &) = delete;

    QString AliasName() const { return aliasName_; }
    void SetAliasName(const QString &name);
    // The name datasets use to find this connection; the alias name when empty.
    QString DatabaseName() const { return databaseName_.isEmpty() ? aliasName_ : databaseName_; }
    void SetDatabaseName(const QString &name) { databaseName_ = name; }
    QString SessionName() const { return sessionName_; }
    void SetSessionName(const QString &name) { sessionName_ = name; }

    std::function<void(TDatabase &)> BeforeConnect;

    // Raises EDatabaseError for an unknown alias or an unsupported driver, EDBEngineError when
    // the file cannot be opened.
    void Open();
    void Close();
    bool Connected() const { return connection_ != nullptr; }
    void SetConnected(bool connected);

    void StartTransaction();
    void Commit();
    void Rollback();
    bool InTransaction() const;

    // The connection; opens the database when it is closed.
    DbConnection &Connection();
    sqlite3 *Handle() { return Connection().Handle(); }
    QString FileName() const { return connection_ ? connection_->FileName() : QString(); }

    void CreateTable(const TTableDef &def);
    bool TableExists(const QString &tableName);
    void EmptyTable(const QString &tableName);
    void DeleteTable(const QString &tableName);
    QStringList GetTableNames();

    // The SQLite file an alias stands for.
    static QString FileNameOfAlias(const QString &aliasName);

private:
    QString aliasName_;
    QString databaseName_;
    QString sessionName_;
    std::shared_ptr<DbConnection> connection_;
};

// A named session. All sessions of the process share one connection per database file; a
// session finds the database objects that name it and opens a temporary one for an alias that
// no database object names. Table passwords are accepted and ignored (SQLite has none).
class TSession
{
public:
    explicit TSession(const QString &sessionName = QString());
    ~TSession();
    TSession(const TSession &) = delete;
    TSession &operator=(const TSession &) = delete;

    QString SessionName() const { return sessionName_; }
    void SetSessionName(const QString &name) { sessionName_ = name; }

    void AddPassword(const QString &password);
    // Asked once, before the first table or query of the session opens, as the engine asked
    // for the password of a protected table: the handler adds the password and sets proceed.
    std::function<void(TSession &, bool &proceed)> OnPassword;
    // Called before a dataset of this session opens: runs OnPassword the first time. False when
    // the handler did not let the opening go on (it is asked again next time).
    bool PasswordGiven();

    // The open database a dataset of this session names: a TDatabase whose DatabaseName and
    // session match, else a temporary database for the alias of that name, kept by the session.
    TDatabase &OpenDatabase(const QString &databaseName);
    QStringList GetAliasNames() const;
    QStringList GetTableNames(const QString &databaseName);

    // The session named so (without case); the default session for an empty name or "Default";
    // nullptr when there is no such session.
    static TSession *FindSession(const QString &sessionName);
    static TSession &DefaultSession();

private:
    QString sessionName_;
    bool passwordGiven_ = false;
    std::vector<std::unique_ptr<TDatabase>> temporaryDatabases_;
};
