#pragma once

#include "platform/db/database.h"
#include "platform/db/sqlite_statement.h"

// The temporary table TADynamhTemp of the program's database: the points each side won in each
// match of a competition, which the special analyses group by team.
namespace tav::operations {

// Appends rows in one transaction, which Commit keeps; rows of a writer that was not committed
// are gone. Makes the table when it is missing.
class TDynamhTempWriter
{
public:
    explicit TDynamhTempWriter(TDatabase &database);
    TDynamhTempWriter(const TDynamhTempWriter &) = delete;
    TDynamhTempWriter &operator=(const TDynamhTempWriter &) = delete;

    // The home side's points and the count of home sides walked so far.
    void AppendHome(int Omada, int BEntos, int DiorgId, int CountAgvnesFoundG);
    // The away side's points and the count of away sides walked so far.
    void AppendAway(int Omada, int BEktos, int DiorgId, int CountAgvnesFoundF);
    void Commit();

private:
    DbConnection &connection_;
    TransactionGuard transaction_;
    DbConnection::Lease insert_;
};

} // namespace tav::operations
