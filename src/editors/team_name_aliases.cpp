#include "editors/team_name_aliases.h"

#include "data/data_module.h"
#include "platform/db/sqlite_statement.h"

namespace tav::editors {

namespace {

const char kKnownSql[] = "SELECT 1 FROM Omades WHERE EnName = ?1 AND KratosNo = ?2 LIMIT 1";
const char kTeamNoSql[] = "SELECT TeamNo FROM Omades WHERE Name = ?1 AND KratosNo = ?2 "
                          "ORDER BY Name, EnName LIMIT 1";

// The data module's rule takes the country of a new team from the current country row.
bool LocateCountry(TTavrolinDM &dm, const QVariant &country)
{
    tav::data::OpenIfClosed(dm.Krath);
    return !country.isNull() && dm.Krath.Locate(QStringLiteral("RecNo"), {country});
}

TAliasStore PostTeam(TTavrolinDM &dm, const QVariant &country, const QVariant &teamNo,
                     const QString &spelling, const QString &greekName)
{
    tav::data::OpenIfClosed(dm.Omades);
    if (!dm.Omades.Insert())
        return TAliasStore::Refused;
    dm.Omades.FieldByName(QStringLiteral("KratosNo")).SetValue(country);
    dm.Omades.FieldByName(QStringLiteral("TeamNo")).SetValue(teamNo);
    dm.Omades.FieldByName(QStringLiteral("EnName")).SetAsString(spelling);
    dm.Omades.FieldByName(QStringLiteral("Name")).SetAsString(greekName);
    if (dm.Omades.Post())
        return TAliasStore::Stored;
    dm.Omades.Cancel();
    return TAliasStore::Refused;
}

} // namespace

QVariant CurrentCompetitionCountry(TTavrolinDM &dm)
{
    if (!dm.Diorganvseis.Active() || dm.Diorganvseis.IsEmpty())
        return {};
    return dm.Diorganvseis.FieldByName(QStringLiteral("KratosNo")).Value();
}

bool IsKnownTeamName(TTavrolinDM &dm, const QVariant &country, const QString &name)
{
    DbConnection::Lease statement = dm.TavrolinDb.Connection().Statement(QString::fromUtf8(kKnownSql));
    statement->BindAll({name, country});
    return statement->Step();
}

QList<TCountryTeamName> CountryTeamNames(TTavrolinDM &dm, const QVariant &country)
{
    if (country.isNull())
        return {};
    tav::data::OpenIfClosed(dm.Omades);
    dm.Omades.SetFilter(QStringLiteral("KratosNo=") + country.toString());
    dm.Omades.SetFiltered(true);
    QList<TCountryTeamName> names;
    for (dm.Omades.First(); !dm.Omades.Eof(); dm.Omades.Next())
        names.append({dm.Omades.FieldByName(QStringLiteral("Name")).AsString(),
                      dm.Omades.FieldByName(QStringLiteral("EnName")).AsString()});
    return names;
}

TAliasStore StoreTeamAlias(TTavrolinDM &dm, const QVariant &country, const QString &spelling,
                           const QString &greekName)
{
    if (!LocateCountry(dm, country))
        return TAliasStore::NoCountry;
    DbConnection::Lease statement = dm.TavrolinDb.Connection().Statement(QString::fromUtf8(kTeamNoSql));
    statement->BindAll({greekName, country});
    if (!statement->Step())
        return TAliasStore::NoTeam;
    const QVariant teamNo = statement->Value(0);
    statement->Reset();
    return PostTeam(dm, country, teamNo, spelling, greekName);
}

TAliasStore StoreNewTeam(TTavrolinDM &dm, const QVariant &country, const QString &spelling,
                         const QString &greekName)
{
    if (!LocateCountry(dm, country))
        return TAliasStore::NoCountry;
    return PostTeam(dm, country, QVariant(), spelling, greekName);
}

} // namespace tav::editors
