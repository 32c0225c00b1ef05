#include "couponstats/operations/dynamh_temp.h"

#include "platform/db/schema.h"

namespace tav::operations {

namespace {

const char kTableName[] = "TADynamhTemp";
const char kInsertSql[] = "INSERT INTO TADynamhTemp (Omada, BEntos, BEktos, DiorgId, CountAgvnesFoundG, "
                          "CountAgvnesFoundF) VALUES (?1, ?2, ?3, ?4, ?5, ?6)";
const char kEmptySql[] = "DELETE FROM TADynamhTemp";
// The rows hold one competition at a time, but a team is told apart by competition all the same.
const char kTotalsSql[] = "SELECT Omada, SUM(BEntos), SUM(BEktos) FROM TADynamhTemp GROUP BY DiorgId, Omada";

DbConnection &WithTable(DbConnection &connection)
{
    const QString name = QString::fromUtf8(kTableName);
    if (!connection.TableExists(name)) {
        TTableDef def{name, {}, {}};
        for (const char *field :
             {"Omada", "BEntos", "BEktos", "DiorgId", "CountAgvnesFoundG", "CountAgvnesFoundF"})
            def.Fields.append({QString::fromLatin1(field), TFieldType::ftInteger});
        connection.CreateTable(def);
    }
    return connection;
}

} // namespace

TDynamhTempWriter::TDynamhTempWriter(TDatabase &database)
    : connection_(WithTable(database.Connection())), transaction_(connection_),
      insert_(connection_.Statement(QString::fromUtf8(kInsertSql)))
{
}

void TDynamhTempWriter::AppendHome(int Omada, int BEntos, int DiorgId, int CountAgvnesFoundG)
{
    insert_->BindAll({Omada, BEntos, 0, DiorgId, CountAgvnesFoundG, QVariant()});
    insert_->Execute();
    insert_->Reset();
}

void TDynamhTempWriter::AppendAway(int Omada, int BEktos, int DiorgId, int CountAgvnesFoundF)
{
    insert_->BindAll({Omada, 0, BEktos, DiorgId, QVariant(), CountAgvnesFoundF});
    insert_->Execute();
    insert_->Reset();
}

void TDynamhTempWriter::Commit()
{
    transaction_.Commit();
}

void EmptyDynamhTemp(TDatabase &database)
{
    DbConnection &connection = database.Connection();
    if (connection.TableExists(QString::fromUtf8(kTableName)))
        connection.Execute(QString::fromUtf8(kEmptySql));
}

std::map<int, TDynamhTotals> ReadDynamhTotals(TDatabase &database)
{
    DbConnection &connection = database.Connection();
    std::map<int, TDynamhTotals> totals;
    if (!connection.TableExists(QString::fromUtf8(kTableName)))
        return totals;
    DbConnection::Lease statement = connection.Statement(QString::fromUtf8(kTotalsSql));
    while (statement->Step()) {
        const int home = int(statement->Int64(1));
        const int away = int(statement->Int64(2));
        totals.emplace(int(statement->Int64(0)), TDynamhTotals{home, away, home + away});
    }
    return totals;
}

} // namespace tav::operations
