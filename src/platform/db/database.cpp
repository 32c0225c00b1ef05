#include "platform/db/database.h"

#include "platform/core/paths.h"
#include "platform/db/alias_store.h"
#include "platform/db/db_errors.h"
#include "platform/db/greek_collation.h"

#include <QDir>
#include <QFileInfo>

#include <sqlite3.h>

#include <map>

namespace {

const QString DefaultSessionName = QStringLiteral("Default");
const QString LocalDatabaseFile = QStringLiteral("tavrolin.sqlite");

bool SameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

std::map<QString, std::weak_ptr<DbConnection>> &OpenConnections()
{
    static std::map<QString, std::weak_ptr<DbConnection>> connections;
    return connections;
}

QList<TDatabase *> &Databases()
{
    static QList<TDatabase *> databases;
    return databases;
}

QList<TSession *> &Sessions()
{
    static QList<TSession *> sessions;
    return sessions;
}

bool IsLocalDriver(const QString &type)
{
    static const QStringList local{QStringLiteral("PARADOX"), QStringLiteral("STANDARD"),
                                   QStringLiteral("DBASE"), QStringLiteral("FOXPRO"),
                                   QStringLiteral("ASCIIDRV")};
    return local.contains(type.trimmed().toUpper());
}

QString LocalFileInFolder(const QString &folder, const QString &aliasName)
{
    if (folder.trimmed().isEmpty())
        throw EDatabaseError(QStringLiteral("Το ψευδώνυμο %1 δεν ορίζει φάκελο (PATH)").arg(aliasName));
    if (!EnsureFolder(folder))
        throw EDatabaseError(
            QStringLiteral("Δεν δημιουργείται ο φάκελος %1 του ψευδωνύμου %2").arg(folder, aliasName));
    return JoinPath(folder, LocalDatabaseFile);
}

// A commit appends to the write-ahead log and, at the NORMAL level, waits for the disk only when
// the log is copied back into the file: a crash of the program loses nothing committed, a power
// cut at most the last commits, and neither leaves half a transaction; readers (a backup too)
// never wait for a writer. When the last connection of any
// process closes, SQLite copies the log into the file and removes the log and its index, so a
// closed program leaves the database in one file.
void UseWriteAheadLog(sqlite3 *db)
{
    const int rc = sqlite3_exec(db, "PRAGMA journal_mode = WAL", nullptr, nullptr, nullptr);
    // A file that another program holds in the rollback journal, or that lies on read-only media,
    // keeps its journal until a later opening can switch it: it is as safe, only slower to write.
    if (rc != SQLITE_OK && (rc & 0xff) != SQLITE_BUSY && (rc & 0xff) != SQLITE_READONLY)
        RaiseSqliteError(db, rc, QStringLiteral("PRAGMA journal_mode = WAL"));
    ::ExecSql(db, QStringLiteral("PRAGMA synchronous = NORMAL"));
}

} // namespace

// ---------------------------------------------------------------------------------------------

DbConnection::DbConnection(const QString &fileName) : fileName_(fileName)
{
    OpenHandle();
}

void DbConnection::OpenHandle()
{
    // A connection and its statement pool serve one thread at a time (nothing here locks), so
    // SQLite's own lock around every call would only cost time: the connection runs without it.
    const int rc = sqlite3_open_v2(fileName_.toUtf8().constData(), &db_,
                                   SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        const EDBEngineError error = SqliteError(db_, rc, fileName_, fileName_);
        sqlite3_close_v2(db_);
        db_ = nullptr;
        throw error;
    }
    try {
        sqlite3_db_config(db_, SQLITE_DBCONFIG_DQS_DML, 0, nullptr);
        sqlite3_db_config(db_, SQLITE_DBCONFIG_DQS_DDL, 0, nullptr);
        sqlite3_busy_timeout(db_, 5000);
        // The Paradox tables had no declared references.
        ::ExecSql(db_, QStringLiteral("PRAGMA foreign_keys = OFF"));
        UseWriteAheadLog(db_);
        RegisterGreekCollation(db_);
    } catch (...) {
        sqlite3_close_v2(db_);
        db_ = nullptr;
        throw;
    }
}

void DbConnection::ReplaceFile(const QString &fileName, const std::function<void()> &replace)
{
    const auto it = OpenConnections().find(QFileInfo(fileName).absoluteFilePath());
    const std::shared_ptr<DbConnection> connection =
        it != OpenConnections().end() ? it->second.lock() : nullptr;
    if (!connection) {
        replace();
        return;
    }
    // The file goes away under the connection: nothing of the old file (its log, its index, the
    // pages and definitions read from it) may be played back or trusted afterwards.
    connection->pool_.clear();
    if (connection->db_)
        sqlite3_db_config(connection->db_, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
    sqlite3_close_v2(connection->db_);
    connection->db_ = nullptr;
    connection->tableDefs_.clear();
    connection->tableDefsVersion_ = -1;
    connection->schemaCheckedAt_.reset();
    connection->openError_.reset();
    replace();
    try {
        connection->OpenHandle();
    } catch (const EDBEngineError &error) {
        // Every later use says why the file does not open, until a sound file replaces it.
        connection->openError_ = error;
        throw;
    }
}

DbConnection::~DbConnection()
{
    Close();
}

void DbConnection::Close()
{
    pool_.clear();
    // The closed file goes back to the rollback journal, so that it opens anywhere, also from a
    // read-only folder or medium, where a write-ahead-log file cannot even be read. This takes the
    // file alone: while another program still uses it, it stays in its log mode, without waiting.
    if (db_ && sqlite3_db_readonly(db_, "main") == 0) {
        sqlite3_busy_timeout(db_, 0);
        sqlite3_exec(db_, "PRAGMA journal_mode = DELETE", nullptr, nullptr, nullptr);
    }
    sqlite3_close_v2(db_);
    db_ = nullptr;
}

void DbConnection::CloseAll()
{
    for (const auto &[fileName, entry] : OpenConnections())
        if (const std::shared_ptr<DbConnection> connection = entry.lock())
            connection->Close();
    OpenConnections().clear();
}

std::shared_ptr<DbConnection> DbConnection::Acquire(const QString &fileName)
{
    const QString key = QFileInfo(fileName).absoluteFilePath();
    auto &connections = OpenConnections();
    if (auto it = connections.find(key); it != connections.end())
        if (auto existing = it->second.lock())
            return existing;
    std::shared_ptr<DbConnection> connection(new DbConnection(key));
    connections[key] = connection;
    return connection;
}

DbConnection::Lease::Lease(DbConnection &owner, std::unique_ptr<SqliteStatement> statement)
    : owner_(&owner), statement_(std::move(statement))
{
}

DbConnection::Lease::~Lease()
{
    if (statement_)
        owner_->Release(std::move(statement_));
}

DbConnection::Lease DbConnection::Statement(const QString &sql)
{
    Handle();
    auto it = pool_.find(sql);
    if (it != pool_.end() && !it->second.empty()) {
        std::unique_ptr<SqliteStatement> statement = std::move(it->second.back());
        it->second.pop_back();
        return Lease(*this, std::move(statement));
    }
    return Lease(*this, std::make_unique<SqliteStatement>(db_, sql, true));
}

void DbConnection::Release(std::unique_ptr<SqliteStatement> statement)
{
    statement->Reset();
    statement->ClearBindings();
    pool_[statement->Sql()].push_back(std::move(statement));
}

qint64 DbConnection::SchemaVersion()
{
    Lease version = Statement(QStringLiteral("PRAGMA schema_version"));
    return version->Step() ? version->Int64(0) : 0;
}

unsigned DbConnection::DataVersion() const
{
    unsigned version = 0;
    sqlite3_file_control(Handle(), "main", SQLITE_FCNTL_DATA_VERSION, &version);
    return version;
}

std::shared_ptr<const TTableDef> DbConnection::TableDef(const QString &tableName)
{
    // Reading the schema version costs a read lock of the file; while the file has not changed
    // since it was last read, the definitions read then still hold. (A change that another
    // program made after this connection's last transaction shows from the next open on: the
    // statements of this one are prepared again by SQLite itself.)
    if (schemaCheckedAt_ != DataVersion()) {
        const qint64 version = SchemaVersion();
        if (version != tableDefsVersion_) {
            tableDefs_.clear();
            tableDefsVersion_ = version;
        }
        schemaCheckedAt_ = DataVersion();
    }
    const QString key = tableName.toUpper();
    if (auto it = tableDefs_.find(key); it != tableDefs_.end())
        return it.value();
    auto def = std::make_shared<const TTableDef>(ReadTableDef(Handle(), tableName));
    tableDefs_.insert(key, def);
    return def;
}

sqlite3 *DbConnection::Handle() const
{
    if (!db_ && openError_)
        throw *openError_;
    if (!db_)
        throw EDatabaseError(QStringLiteral("Η σύνδεση με τη βάση δεδομένων %1 έχει κλείσει").arg(fileName_));
    return db_;
}

bool DbConnection::IsReadOnly() const
{
    return sqlite3_db_readonly(Handle(), "main") == 1;
}

qint64 DbConnection::ChangeCount() const
{
    return sqlite3_total_changes64(Handle());
}

DbConnection::DataState DbConnection::SeenState() const
{
    return {ChangeCount(), DataVersion()};
}

DbConnection::DataState DbConnection::CurrentState()
{
    // The pragma opens a read of the file, which notices the commits of other connections.
    Lease version = Statement(QStringLiteral("PRAGMA data_version"));
    version->Step();
    version->Reset();
    return SeenState();
}

// ---------------------------------------------------------------------------------------------

TDatabase::TDatabase()
{
    Databases().append(this);
}

TDatabase::~TDatabase()
{
    Databases().removeAll(this);
}

void TDatabase::SetAliasName(const QString &name)
{
    if (Connected() && !SameName(name, aliasName_))
        Close();
    aliasName_ = name;
}

QString TDatabase::FileNameOfAlias(const QString &aliasName)
{
    const std::optional<AliasDefinition> alias = AliasStore().Find(aliasName);
    if (!alias) {
        // A folder may stand for an alias, as the engine allowed for local tables.
        if (aliasName.contains('/') && QFileInfo(aliasName).isDir())
            return LocalFileInFolder(aliasName, aliasName);
        throw EDatabaseError(QStringLiteral("Άγνωστο ψευδώνυμο βάσης δεδομένων: %1").arg(aliasName));
    }
    const QMap<QString, QString> params = AliasParams(*alias);
    if (IsLocalDriver(alias->type))
        return LocalFileInFolder(params.value(QStringLiteral("PATH")), alias->name);
    if (alias->type.trimmed().compare(QLatin1String("SQLITE"), Qt::CaseInsensitive) == 0) {
        const QString file = params.value(QStringLiteral("DATABASE NAME"));
        if (file.trimmed().isEmpty())
            throw EDatabaseError(
                QStringLiteral("Το ψευδώνυμο %1 δεν ορίζει αρχείο βάσης (DATABASE NAME)").arg(alias->name));
        EnsureFolder(QFileInfo(file).absolutePath());
        return file;
    }
    throw EDatabaseError(
        QStringLiteral("Ο οδηγός %1 του ψευδωνύμου %2 δεν υποστηρίζεται").arg(alias->type, alias->name));
}

void TDatabase::Open()
{
    if (Connected())
        return;
    if (BeforeConnect)
        BeforeConnect(*this);
    const QString alias = aliasName_.isEmpty() ? databaseName_ : aliasName_;
    if (alias.isEmpty())
        throw EDatabaseError(QStringLiteral("Δεν δόθηκε ψευδώνυμο βάσης δεδομένων"));
    connection_ = DbConnection::Acquire(FileNameOfAlias(alias));
}

void TDatabase::Close()
{
    connection_.reset();
}

void TDatabase::SetConnected(bool connected)
{
    if (connected)
        Open();
    else
        Close();
}

void TDatabase::StartTransaction()
{
    ::ExecSql(Handle(), QStringLiteral("BEGIN"));
}

void TDatabase::Commit()
{
    ::ExecSql(Handle(), QStringLiteral("COMMIT"));
}

void TDatabase::Rollback()
{
    ::ExecSql(Handle(), QStringLiteral("ROLLBACK"));
}

bool TDatabase::InTransaction() const
{
    return connection_ && sqlite3_get_autocommit(connection_->Handle()) == 0;
}

DbConnection &TDatabase::Connection()
{
    Open();
    return *connection_;
}

void DbConnection::Execute(const QString &sql)
{
    ExecSql(Handle(), sql);
}

bool DbConnection::TableExists(const QString &tableName)
{
    return ::TableExists(Handle(), tableName);
}

void DbConnection::CreateTable(const TTableDef &def)
{
    ::CreateTable(Handle(), def);
}

void TDatabase::CreateTable(const TTableDef &def)
{
    ::CreateTable(Handle(), def);
}

bool TDatabase::TableExists(const QString &tableName)
{
    return ::TableExists(Handle(), tableName);
}

void TDatabase::EmptyTable(const QString &tableName)
{
    ::EmptyTable(Handle(), tableName);
}

void TDatabase::DeleteTable(const QString &tableName)
{
    ::DeleteTable(Handle(), tableName);
}

QStringList TDatabase::GetTableNames()
{
    return ::TableNames(Handle());
}

// ---------------------------------------------------------------------------------------------

TSession::TSession(const QString &sessionName) : sessionName_(sessionName)
{
    Sessions().append(this);
}

TSession::~TSession()
{
    Sessions().removeAll(this);
}

void TSession::AddPassword(const QString &password)
{
    Q_UNUSED(password);
}

bool TSession::PasswordGiven()
{
    if (passwordGiven_ || !OnPassword)
        return true;
    bool proceed = false;
    OnPassword(*this, proceed);
    passwordGiven_ = proceed;
    return proceed;
}

TDatabase &TSession::OpenDatabase(const QString &databaseName)
{
    auto inThisSession = [&](const TDatabase *database) {
        const QString name = database->SessionName().isEmpty() ? DefaultSessionName : database->SessionName();
        const QString mine = sessionName_.isEmpty() ? DefaultSessionName : sessionName_;
        return SameName(name, mine);
    };
    for (TDatabase *database : Databases())
        if (SameName(database->DatabaseName(), databaseName) && inThisSession(database)) {
            database->Open();
            return *database;
        }
    for (const auto &database : temporaryDatabases_)
        if (SameName(database->DatabaseName(), databaseName)) {
            database->Open();
            return *database;
        }
    auto database = std::make_unique<TDatabase>();
    database->SetAliasName(databaseName);
    database->SetSessionName(sessionName_);
    database->Open();
    temporaryDatabases_.push_back(std::move(database));
    return *temporaryDatabases_.back();
}

QStringList TSession::GetAliasNames() const
{
    return AliasStore().Names();
}

QStringList TSession::GetTableNames(const QString &databaseName)
{
    return OpenDatabase(databaseName).GetTableNames();
}

TSession *TSession::FindSession(const QString &sessionName)
{
    if (sessionName.isEmpty() || SameName(sessionName, DefaultSessionName))
        return &DefaultSession();
    for (TSession *session : Sessions())
        if (SameName(session->SessionName(), sessionName))
            return session;
    return nullptr;
}

TSession &TSession::DefaultSession()
{
    static TSession session(DefaultSessionName);
    return session;
}
