#pragma once

#include "platform/db/database.h"
#include "platform/db/sqlite_statement.h"

#include <map>

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

// The points a team won in the rows of TADynamhTemp: at home, away and in all.
struct TDynamhTotals
{
    int Home = 0;
    int Away = 0;
    int Total = 0;
};

// Removes every row; a table that is not there yet is left so.
void EmptyDynamhTemp(TDatabase &database);
// The totals of every team of the rows, by team; empty when the table is not there.
std::map<int, TDynamhTotals> ReadDynamhTotals(TDatabase &database);

} // namespace tav::operations
