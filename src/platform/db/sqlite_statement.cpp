#include "platform/db/sqlite_statement.h"

#include "platform/db/database.h"

#include "platform/db/db_errors.h"

#include <QDate>
#include <QDateTime>
#include <QLoggingCategory>
#include <QTime>

#include <sqlite3.h>

#include <atomic>

namespace {

Q_LOGGING_CATEGORY(EngineLog, "tavrolin.db")

const QString DatabaseFileText = QStringLiteral("\nΑρχείο της βάσης δεδομένων: %1");
const QString OtherErrorText =
    QStringLiteral("Η βάση δεδομένων δεν εκτέλεσε την εργασία (σφάλμα %1).\n"
                   "Δοκιμάστε ξανά· αν το σφάλμα επαναληφθεί, κλείστε και ανοίξτε ξανά το πρόγραμμα.");

// What the user reads for the common failures of the storage engine: what happened and what to
// do about it, without SQLite's own words.
QString EngineErrorText(int resultCode)
{
    switch (resultCode & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return QStringLiteral(
            "Η βάση δεδομένων είναι κλειδωμένη: τη χρησιμοποιεί αυτή τη στιγμή άλλο πρόγραμμα.\n"
            "Κλείστε το άλλο πρόγραμμα και δοκιμάστε ξανά.");
    case SQLITE_READONLY:
        return QStringLiteral(
            "Δεν γίνεται εγγραφή στη βάση δεδομένων: το αρχείο της ή ο φάκελός του είναι μόνο "
            "για ανάγνωση.\n"
            "Ελέγξτε τα δικαιώματα του αρχείου και του φακέλου και δοκιμάστε ξανά.");
    case SQLITE_FULL:
        return QStringLiteral("Οι αλλαγές δεν χωρούν στη βάση δεδομένων: ο δίσκος είναι γεμάτος.\n"
                              "Ελευθερώστε χώρο στον δίσκο και δοκιμάστε ξανά.");
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        return QStringLiteral(
            "Το αρχείο της βάσης δεδομένων είναι κατεστραμμένο ή δεν είναι αρχείο βάσης "
            "δεδομένων.\n"
            "Επαναφέρετε τα δεδομένα από αντίγραφο ασφαλείας (Βοηθητικά, Επαναφορά (Restore) "
            "Αρχείων).");
    case SQLITE_CANTOPEN:
        return QStringLiteral(
            "Δεν ανοίγει ο φάκελος ή το αρχείο της βάσης δεδομένων.\n"
            "Ελέγξτε ότι ο φάκελος δεδομένων υπάρχει και έχετε πρόσβαση σε αυτόν, και ότι η "
            "συντόμευση της βάσης δεδομένων (πρόγραμμα ormandel) δείχνει σε αυτόν.");
    case SQLITE_IOERR:
        return QStringLiteral("Η ανάγνωση ή η εγγραφή του αρχείου της βάσης δεδομένων απέτυχε.\n"
                              "Ελέγξτε τον δίσκο ή τη σύνδεση με τον φάκελο δεδομένων και δοκιμάστε ξανά.");
    case SQLITE_PERM:
        return QStringLiteral("Το σύστημα δεν επιτρέπει την πρόσβαση στη βάση δεδομένων.\n"
                              "Ελέγξτε τα δικαιώματα του αρχείου και του φακέλου του.");
    default:
        return OtherErrorText.arg(resultCode);
    }
}

// "yyyy-MM-dd" of a date of the years 1 to 9999 written into `text`, as Qt's ISO form has it;
// false for other dates. Written by hand: Qt formats through printf, and keyed look-ups bind a
// date per row, often several.
bool IsoDateText(const QDate &date, char (&text)[11])
{
    if (!date.isValid() || date.year() < 1 || date.year() > 9999)
        return false;
    const auto put = [&text](int at, int value, int width) {
        for (int k = width - 1; k >= 0; --k, value /= 10)
            text[at + k] = char('0' + value % 10);
    };
    put(0, date.year(), 4);
    text[4] = '-';
    put(5, date.month(), 2);
    text[7] = '-';
    put(8, date.day(), 2);
    text[10] = '\0';
    return true;
}

} // namespace

EDBEngineError SqliteError(sqlite3 *db, int resultCode, const QString &context, const QString &fileName)
{
    const int extended = db ? sqlite3_extended_errcode(db) : resultCode;
    QString detail =
        db ? QString::fromUtf8(sqlite3_errmsg(db)) : QString::fromUtf8(sqlite3_errstr(resultCode));
    if (!context.isEmpty())
        detail += QStringLiteral("\n") + context;
    qCWarning(EngineLog).noquote() << "SQLite error" << extended << detail;
    const char *stored = db ? sqlite3_db_filename(db, "main") : nullptr;
    const QString file = stored && *stored ? QString::fromUtf8(stored) : fileName;
    QString message = EngineErrorText(extended);
    if (!file.isEmpty())
        message += DatabaseFileText.arg(file);
    return EDBEngineError(message, extended, detail);
}

void RaiseSqliteError(sqlite3 *db, int resultCode, const QString &context)
{
    throw SqliteError(db, resultCode, context);
}

SqliteStatement::SqliteStatement(sqlite3 *db, const QString &sql, bool persistent) : db_(db), sql_(sql)
{
    const QByteArray utf8 = sql.toUtf8();
    const int rc = sqlite3_prepare_v3(db, utf8.constData(), int(utf8.size()),
                                      persistent ? SQLITE_PREPARE_PERSISTENT : 0, &stmt_, nullptr);
    if (rc != SQLITE_OK) {
        sqlite3_finalize(stmt_);
        stmt_ = nullptr;
        RaiseSqliteError(db, rc, sql);
    }
    if (!stmt_)
        throw EDBEngineError(QStringLiteral("Κενή εντολή SQL"), SQLITE_MISUSE);
}

SqliteStatement::~SqliteStatement()
{
    sqlite3_finalize(stmt_);
}

void SqliteStatement::Bind(int position, const QVariant &value)
{
    int rc = SQLITE_OK;
    if (!value.isValid() || value.isNull()) {
        rc = sqlite3_bind_null(stmt_, position);
    } else {
        switch (value.typeId()) {
        case QMetaType::Bool:
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::Short:
        case QMetaType::UShort:
        case QMetaType::Long:
        case QMetaType::LongLong:
        case QMetaType::ULong:
        case QMetaType::ULongLong:
            rc = sqlite3_bind_int64(stmt_, position, value.toLongLong());
            break;
        case QMetaType::Double:
        case QMetaType::Float:
            rc = sqlite3_bind_double(stmt_, position, value.toDouble());
            break;
        case QMetaType::QByteArray: {
            const QByteArray bytes = value.toByteArray();
            rc = sqlite3_bind_blob64(stmt_, position, bytes.constData(), sqlite3_uint64(bytes.size()),
                                     SQLITE_TRANSIENT);
            break;
        }
        case QMetaType::QDate: {
            char text[11];
            rc = IsoDateText(value.toDate(), text)
                     ? sqlite3_bind_text(stmt_, position, text, 10, SQLITE_TRANSIENT)
                     : sqlite3_bind_text(stmt_, position,
                                         value.toDate().toString(Qt::ISODate).toUtf8().constData(), -1,
                                         SQLITE_TRANSIENT);
            break;
        }
        case QMetaType::QTime:
            rc = sqlite3_bind_text(stmt_, position,
                                   value.toTime().toString(QStringLiteral("HH:mm:ss")).toUtf8().constData(),
                                   -1, SQLITE_TRANSIENT);
            break;
        case QMetaType::QDateTime:
            rc = sqlite3_bind_text(
                stmt_, position,
                value.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toUtf8().constData(), -1,
                SQLITE_TRANSIENT);
            break;
        default: {
            const QByteArray utf8 = value.toString().toUtf8();
            rc = sqlite3_bind_text64(stmt_, position, utf8.constData(), sqlite3_uint64(utf8.size()),
                                     SQLITE_TRANSIENT, SQLITE_UTF8);
            break;
        }
        }
    }
    if (rc != SQLITE_OK)
        RaiseSqliteError(db_, rc, sql_);
}

void SqliteStatement::BindAll(const QVariantList &values, int firstPosition)
{
    for (int i = 0; i < values.size(); ++i)
        Bind(firstPosition + i, values.at(i));
}

int SqliteStatement::ParameterCount() const
{
    return sqlite3_bind_parameter_count(stmt_);
}

bool SqliteStatement::Step()
{
    const int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    sqlite3_reset(stmt_);
    RaiseSqliteError(db_, rc, sql_);
}

void SqliteStatement::Execute()
{
    while (Step()) {
    }
}

void SqliteStatement::Reset()
{
    sqlite3_reset(stmt_);
}

void SqliteStatement::ClearBindings()
{
    sqlite3_clear_bindings(stmt_);
}

int SqliteStatement::ColumnCount() const
{
    return sqlite3_column_count(stmt_);
}

QString SqliteStatement::ColumnName(int column) const
{
    return QString::fromUtf8(sqlite3_column_name(stmt_, column));
}

QString SqliteStatement::ColumnDeclaredType(int column) const
{
    return QString::fromUtf8(sqlite3_column_decltype(stmt_, column));
}

bool SqliteStatement::IsNull(int column) const
{
    return sqlite3_column_type(stmt_, column) == SQLITE_NULL;
}

std::int64_t SqliteStatement::Int64(int column) const
{
    return sqlite3_column_int64(stmt_, column);
}

double SqliteStatement::Double(int column) const
{
    return sqlite3_column_double(stmt_, column);
}

QString SqliteStatement::Text(int column) const
{
    const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(stmt_, column));
    return QString::fromUtf8(text, sqlite3_column_bytes(stmt_, column));
}

const unsigned char *SqliteStatement::TextBytes(int column) const
{
    return sqlite3_column_text(stmt_, column);
}

int SqliteStatement::Bytes(int column) const
{
    return sqlite3_column_bytes(stmt_, column);
}

QByteArray SqliteStatement::Blob(int column) const
{
    const auto *data = static_cast<const char *>(sqlite3_column_blob(stmt_, column));
    return QByteArray(data, sqlite3_column_bytes(stmt_, column));
}

QList<QVariantList> SqliteStatement::AllRows()
{
    QList<QVariantList> rows;
    while (Step()) {
        QVariantList row;
        row.reserve(ColumnCount());
        for (int column = 0; column < ColumnCount(); ++column)
            row.append(Value(column));
        rows.append(row);
    }
    return rows;
}

QVariant SqliteStatement::Value(int column) const
{
    switch (sqlite3_column_type(stmt_, column)) {
    case SQLITE_INTEGER:
        return QVariant(qint64(Int64(column)));
    case SQLITE_FLOAT:
        return QVariant(Double(column));
    case SQLITE_TEXT:
        return QVariant(Text(column));
    case SQLITE_BLOB:
        return QVariant(Blob(column));
    default:
        return QVariant();
    }
}

void ExecSql(sqlite3 *db, const QString &sql)
{
    char *error = nullptr;
    const int rc = sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &error);
    sqlite3_free(error);
    if (rc != SQLITE_OK)
        RaiseSqliteError(db, rc, sql);
}

namespace {

std::atomic<unsigned> savepointCounter{0};

} // namespace

TransactionGuard::TransactionGuard(sqlite3 *db)
    : db_(db), name_(QStringLiteral("tg%1").arg(savepointCounter.fetch_add(1)))
{
    ExecSql(db_, QStringLiteral("SAVEPOINT ") + name_);
}

TransactionGuard::~TransactionGuard()
{
    if (done_)
        return;
    // Never throws from a destructor: a failed rollback leaves SQLite's own recovery to act.
    sqlite3_exec(
        db_,
        (QStringLiteral("ROLLBACK TO ") + name_ + QStringLiteral("; RELEASE ") + name_).toUtf8().constData(),
        nullptr, nullptr, nullptr);
}

TransactionGuard::TransactionGuard(DbConnection &connection) : TransactionGuard(connection.Handle()) {}

TransactionGuard::TransactionGuard(TDatabase &database) : TransactionGuard(database.Handle()) {}

void TransactionGuard::Commit()
{
    ExecSql(db_, QStringLiteral("RELEASE ") + name_);
    done_ = true;
}

ReadTransaction::ReadTransaction(DbConnection &connection) : db_(connection.Handle())
{
    if (sqlite3_get_autocommit(db_) != 0)
        began_ = sqlite3_exec(db_, "BEGIN", nullptr, nullptr, nullptr) == SQLITE_OK;
}

ReadTransaction::~ReadTransaction()
{
    // Never throws from a destructor; a commit that fails ends the transaction by rolling back,
    // which loses nothing of a transaction that only read.
    if (!began_ || sqlite3_get_autocommit(db_) != 0)
        return;
    if (sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK)
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
}
