// The matchday questions about the current competition. Each rebuilds its query naming the
// matches table as the module's Agvnes names it, and leaves the query open on its answer.

#include "data/data_module.h"

#include "platform/core/format.h"

int TTavrolinDM::GetCurrAgvnistikh()
{
    if (!Diorganvseis.Active())
        Diorganvseis.Open();
    return CurrAgvnistikhOf(Diorganvseis.FieldByName(QStringLiteral("DNo")).Value());
}

int TTavrolinDM::GetMaxAgvnistikh()
{
    if (!Diorganvseis.Active())
        Diorganvseis.Open();
    return MaxAgvnistikhOf(Diorganvseis.FieldByName(QStringLiteral("DNo")).Value());
}

void TTavrolinDM::GetAgvnistikhDate(quint8 Agvn, QString &Text)
{
    Text = AgvnistikhDateOf(
        Diorganvseis.Active() ? Diorganvseis.FieldByName(QStringLiteral("DNo")).Value() : QVariant(), Agvn);
}

int TTavrolinDM::CurrAgvnistikhOf(const QVariant &dNo)
{
    const QString table = Agvnes.TableName();
    CurrAgvnistikhQuery.Close();
    CurrAgvnistikhQuery.SQL().SetText(QStringList{
        QStringLiteral("select agvnistikh,sum(TelGGoals+TelFgoals) from ") + table,
        QStringLiteral("where Diorgno = :DiorgNo"), QStringLiteral("group by agvnistikh"),
        QStringLiteral("having sum(TelGgoals+TelFGoals) > 0"), QStringLiteral("order by agvnistikh desc")}
                                          .join('\n'));
    TParam &diorgNo = CurrAgvnistikhQuery.ParamByName(QStringLiteral("DiorgNo"));
    diorgNo.SetDataType(TFieldType::ftInteger);
    diorgNo.SetValue(dNo);
    CurrAgvnistikhQuery.Open();
    return CurrAgvnistikhQuery.IsEmpty()
               ? 1
               : CurrAgvnistikhQuery.FieldByName(QStringLiteral("Agvnistikh")).AsInteger();
}

int TTavrolinDM::MaxAgvnistikhOf(const QVariant &dNo)
{
    MaxAgvnistikhQuery.Close();
    MaxAgvnistikhQuery.SQL().SetText(QStringLiteral("select max(agvnistikh) maxagvn from ") +
                                     Agvnes.TableName() + QStringLiteral("\nwhere Diorgno = :DiorgNo"));
    TParam &diorgNo = MaxAgvnistikhQuery.ParamByName(QStringLiteral("DiorgNo"));
    diorgNo.SetDataType(TFieldType::ftInteger);
    diorgNo.SetValue(dNo);
    MaxAgvnistikhQuery.Open();
    return MaxAgvnistikhQuery.IsEmpty()
               ? 0
               : MaxAgvnistikhQuery.FieldByName(QStringLiteral("MaxAgvn")).AsInteger();
}

// The date with the fewest matches of the matchday, so a rescheduled match gives its own date;
// among dates with as many matches the earliest comes first.
QString TTavrolinDM::AgvnistikhDateOf(const QVariant &dNo, int agvn)
{
    const QString table = Agvnes.TableName();
    const QString dateColumn = table + QStringLiteral(".\"date\"");
    AgvnistikhDateQuery.Close();
    AgvnistikhDateQuery.SQL().SetText(QStringList{
        QStringLiteral("select ") + dateColumn + QStringLiteral(", count(diorgno) c  from ") + table,
        QStringLiteral("where (diorgno = :Diorgno)"), QStringLiteral("and (agvnistikh = :agvn)"),
        QStringLiteral("group by ") + dateColumn, QStringLiteral("order by c asc, ") + dateColumn}
                                          .join('\n'));
    TParam &matchday = AgvnistikhDateQuery.Params()[1];
    matchday.SetAsSmallInt(agvn);
    TParam &diorgNo = AgvnistikhDateQuery.Params()[0];
    diorgNo.SetDataType(TFieldType::ftInteger);
    diorgNo.SetValue(dNo);
    AgvnistikhDateQuery.Open();
    if (AgvnistikhDateQuery.IsEmpty())
        return QString();
    const QVariant date = AgvnistikhDateQuery.Fields()[0].Value();
    if (date.typeId() != QMetaType::QDate || !date.toDate().isValid())
        return QString();
    return DateToStr(date.toDate());
}
