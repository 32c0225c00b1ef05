// A second program on the database of a test, as another running copy of the program posting
// bulk changes: it commits 50-row updates one after the other until the stop file appears, and
// stops by itself after a minute at most.
//
//     tavrolin_database_writer <database file> <stop file>
//
// The database holds Stress(Id, Value, ...) with the rows 0..N, N a multiple of 50. Every
// transaction adds 1 to the Value of 50 rows and 50 to the Value of row 0, so that in any
// committed state row 0 holds the sum of all the others. The program prints "ready" once its first
// transaction is committed, and the number of its transactions when it stops.
#include "platform/db/database.h"
#include "platform/db/db_errors.h"
#include "platform/db/sqlite_statement.h"

#include <QElapsedTimer>
#include <QFileInfo>

#include <cstdio>

namespace {

constexpr int RowsPerTransaction = 50;
constexpr qint64 LongestRunMs = 60000;

void AddToRows(DbConnection &connection, qint64 first)
{
    TransactionGuard transaction(connection.Handle());
    {
        DbConnection::Lease rows = connection.Statement(
            QStringLiteral("UPDATE Stress SET Value = Value + 1 WHERE Id BETWEEN ?1 AND ?1 + %1")
                .arg(RowsPerTransaction - 1));
        rows->Bind(1, first);
        rows->Execute();
        DbConnection::Lease total = connection.Statement(
            QStringLiteral("UPDATE Stress SET Value = Value + %1 WHERE Id = 0").arg(RowsPerTransaction));
        total->Execute();
    }
    transaction.Commit();
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <database file> <stop file>\n", argv[0]);
        return 2;
    }
    const QString stopFile = QString::fromLocal8Bit(argv[2]);
    try {
        const std::shared_ptr<DbConnection> connection =
            DbConnection::Acquire(QString::fromLocal8Bit(argv[1]));
        qint64 rows = 0;
        {
            DbConnection::Lease count = connection->Statement(QStringLiteral("SELECT max(Id) FROM Stress"));
            rows = count->Step() ? count->Int64(0) : 0;
        }
        QElapsedTimer running;
        running.start();
        int commits = 0;
        for (qint64 first = 1; !QFileInfo::exists(stopFile) && running.elapsed() < LongestRunMs;) {
            AddToRows(*connection, first);
            first = first + RowsPerTransaction > rows ? 1 : first + RowsPerTransaction;
            if (++commits == 1) {
                std::puts("ready");
                std::fflush(stdout);
            }
        }
        std::printf("%d\n", commits);
    } catch (const Exception &error) {
        std::fprintf(stderr, "%s\n", error.Message().toLocal8Bit().constData());
        return 1;
    }
    return 0;
}
