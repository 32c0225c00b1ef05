#include "editors/diorganvsh_delete.h"

#include "data/data_module.h"
#include "platform/db/sqlite_statement.h"

namespace tav::editors {

namespace {

// TeamStat rows are keyed by the competition team, so they go before the teams themselves.
const char *const kDeletes[] = {
    "Delete From TeamStat Where TeamNo In (Select RecNo From PerOmades Where DiorNo=:DNo)",
    "Delete From PerOmades Where DiorNo=:DNo",
    "Delete From Agvnes Where DiorgNo=:DNo",
    "Delete From Diorganvseis Where DNo=:DNo",
};

} // namespace

void DeleteCompetition(TTavrolinDM &dm, const QVariant &dNo)
{
    TQuery &query = dm.QryDel;
    TransactionGuard transaction(dm.TavrolinDb);
    for (const char *statement : kDeletes) {
        query.Close();
        query.SQL().Clear();
        query.SQL().Add(QString::fromUtf8(statement));
        TParam &param = query.ParamByName(QStringLiteral("DNo"));
        param.SetDataType(TFieldType::ftInteger);
        param.SetValue(dNo);
        query.ExecSQL();
    }
    transaction.Commit();
}

} // namespace tav::editors
