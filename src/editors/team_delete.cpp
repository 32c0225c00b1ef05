#include "editors/team_delete.h"

#include "platform/db/database.h"
#include "platform/db/query.h"
#include "platform/db/sqlite_statement.h"

namespace tav::editors {

namespace {

void SetText(TQuery &query, const QString &text)
{
    query.Close();
    query.SQL().SetText(text);
}

void Bind(TQuery &query, const QString &name, TFieldType type, const QVariant &value)
{
    TParam &param = query.ParamByName(name);
    param.SetDataType(type);
    param.SetValue(value);
}

} // namespace

TTeamDeleteResult DeleteTeam(TQuery &QryDel, const QVariant &TeamNo, const QVariant &Name,
                             const QVariant &EnName)
{
    TransactionGuard transaction(QryDel.Database());
    SetText(QryDel, QStringLiteral("Select Count(RecNo) From PerOmades Where TeamNo=:TeamNo"));
    Bind(QryDel, QStringLiteral("TeamNo"), TFieldType::ftInteger, TeamNo);
    QryDel.Open();
    const bool plays = QryDel.Fields()[0].AsInteger() > 0;
    QryDel.Close();
    if (plays)
        return TTeamDeleteResult::PlaysInCompetition;
    // IS rather than = so that a record with an empty name is found too.
    SetText(
        QryDel,
        QStringLiteral("Delete from Omades Where TeamNo IS :TeamNo AND Name IS :Name AND EnName IS :EnName"));
    Bind(QryDel, QStringLiteral("TeamNo"), TFieldType::ftInteger, TeamNo);
    Bind(QryDel, QStringLiteral("Name"), TFieldType::ftString, Name);
    Bind(QryDel, QStringLiteral("EnName"), TFieldType::ftString, EnName);
    QryDel.ExecSQL();
    transaction.Commit();
    return TTeamDeleteResult::Deleted;
}

} // namespace tav::editors
