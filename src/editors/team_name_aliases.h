#pragma once

#include <QList>
#include <QString>
#include <QVariant>

class TTavrolinDM;

// Text result files name teams in their own spelling. A spelling is known when a team row of the
// competition's country carries it, upper-cased, as its English name; another spelling of a
// team is one more row of the team with the same country, Greek name and team number.

namespace tav::editors {

// The country of the data module's current competition; null when there is none.
QVariant CurrentCompetitionCountry(TTavrolinDM &dm);

// True when a team row of the country has exactly this English name (case counts).
bool IsKnownTeamName(TTavrolinDM &dm, const QVariant &country, const QString &name);

struct TCountryTeamName
{
    QString Name;
    QString EnName;
};

// Every team row of the country, one per spelling, in the order of the teams table; the shared
// teams table is left filtered to the country.
QList<TCountryTeamName> CountryTeamNames(TTavrolinDM &dm, const QVariant &country);

enum class TAliasStore
{
    Stored,
    // The country is not stored: nothing was stored.
    NoCountry,
    // No team of the country has the chosen Greek name.
    NoTeam,
    // A rule of the data module refused the row and said why.
    Refused,
};

// Stores the spelling as one more row of the country's team with the Greek name.
TAliasStore StoreTeamAlias(TTavrolinDM &dm, const QVariant &country, const QString &spelling,
                           const QString &greekName);

// Stores a new team of the country with the Greek name and the spelling as its English name;
// the data module gives it the next team number.
TAliasStore StoreNewTeam(TTavrolinDM &dm, const QVariant &country, const QString &spelling,
                         const QString &greekName);

} // namespace tav::editors
