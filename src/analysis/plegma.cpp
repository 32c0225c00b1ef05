#include "analysis/plegma.h"

#include "analysis/standings_sort.h"
#include "data/data_module.h"
#include "platform/core/codepage.h"

#include <unordered_map>

namespace tav::analysis {

namespace {

constexpr int kStatRows = 5;
constexpr int kNameRow = 5;
constexpr int kNameCol = 5;

QString Number(int value)
{
    return QStringLiteral("%1").arg(value, 2);
}

// The score as the matches' calculated field shows it: each side's goals right-aligned in two.
QString ScoreText(const TStandingsMatch &match)
{
    const QString away = match.TelFGoals ? QString::number(*match.TelFGoals) : QString();
    return QStringLiteral("%1-%2").arg(QString::number(*match.TelGGoals), 2).arg(away, 2);
}

int PointsForView(const TStandingsEntry &entry, TPlegmaView view)
{
    switch (view) {
    case TPlegmaView::HomePoints:
        return entry.HomePoints;
    case TPlegmaView::AwayPoints:
        return entry.AwayPoints;
    case TPlegmaView::Name:
    case TPlegmaView::Points:
        break;
    }
    return entry.Points;
}

// The first column of team i (from 1).
int FirstColumnOf(int team, int colsPerTeam)
{
    return colsPerTeam == 2 ? 2 * team + 4 : team + 5;
}

// The entries in the order of a sorted table of their counters.
TPlegmaTable InOrder(const TStandingsTable &sorted, const std::unordered_map<int, QString> &names)
{
    TPlegmaTable table;
    table.reserve(sorted.size());
    for (const TStandingsEntry &entry : sorted)
        table.push_back({names.at(entry.TeamKey), entry});
    return table;
}

// Each match in range with both teams known, in query order, until the first beyond the last
// matchday.
template <class Visit>
void ForEachMatch(const std::vector<TStandingsMatch> &matches, const TPlegmaSettings &settings,
                  const std::unordered_map<int, int> &places, Visit visit)
{
    for (const TStandingsMatch &match : matches) {
        if (match.Agvnistikh > settings.Last)
            break;
        if (match.Agvnistikh < settings.First)
            continue;
        const auto home = places.find(match.Ghpedoyxos);
        const auto away = places.find(match.Filojenoymenh);
        if (home != places.end() && away != places.end())
            visit(match, home->second, away->second);
    }
}

void FillCrossings(TPlegma &plegma, const std::vector<TStandingsMatch> &matches,
                   const TPlegmaSettings &settings)
{
    // Rows and columns go by the teams' RecNo, so two teams of one name never swap results.
    std::unordered_map<int, int> places;
    for (int i = 0; i < int(plegma.PlegmaTable.size()); ++i)
        places.emplace(plegma.PlegmaTable[i].Stats.TeamKey, i + 1);
    const int k = plegma.ColsPerTeam;
    ForEachMatch(matches, settings, places, [&](const TStandingsMatch &match, int home, int away) {
        QStringList &row = plegma.Cells[home + kNameRow];
        const int first = FirstColumnOf(away, k);
        const bool played = match.TelGGoals.has_value();
        const bool coming = !played && match.Agvnistikh == settings.Current + 1;
        if (k == 1) {
            row[first] = played ? ScoreText(match) : coming ? QString::fromUtf8(PlegmaComing) : QString();
            return;
        }
        // The first played meeting takes the first column and every later one the second; the
        // coming one the first column still empty.
        if (played)
            row[row[first].trimmed().isEmpty() ? first : first + 1] = ScoreText(match);
        else if (coming)
            for (int col : {first, first + 1})
                if (row[col].trimmed().isEmpty()) {
                    row[col] = QString::fromUtf8(PlegmaComing);
                    break;
                }
    });
}

} // namespace

QString TPlegma::Cell(int col, int row) const
{
    return row >= 0 && row < RowCount() ? Cells[row].value(col) : QString();
}

int PlegmaColsPerTeam(int rounds)
{
    return rounds > 2 ? 2 : 1;
}

int PlegmaTeamOfColumn(int col, int colsPerTeam)
{
    if (col <= kNameCol)
        return 0;
    return colsPerTeam == 2 ? (col - 4) / 2 : col - 5;
}

bool IsOwnPlegmaCell(int col, int row, int colsPerTeam)
{
    return row > kNameRow && PlegmaTeamOfColumn(col, colsPerTeam) == row - kNameRow;
}

TPlegma BuildPlegma(const std::vector<TStandingsTeam> &teams, const std::vector<TStandingsMatch> &matches,
                    const TPlegmaSettings &settings)
{
    TStandingsTable counters;
    std::unordered_map<int, int> places;
    std::unordered_map<int, QString> names;
    for (const TStandingsTeam &team : teams) {
        // A RecNo listed twice counts once.
        if (!places.emplace(team.RecNo, int(counters.size())).second)
            continue;
        names.emplace(team.RecNo, team.GrName);
        TStandingsEntry entry;
        entry.TeamKey = team.RecNo;
        entry.Points = team.Timvria;
        counters.push_back(entry);
    }
    ForEachMatch(matches, settings, places, [&](const TStandingsMatch &match, int home, int away) {
        if (match.TelGGoals)
            CountMatch(counters[home], counters[away], *match.TelGGoals, match.TelFGoals.value_or(0));
    });
    for (TStandingsEntry &entry : counters)
        ComputeTotals(entry, settings.Rule);

    TPlegma plegma;
    SortByPoints(counters);
    TStandingsTable home = counters;
    SortByHomePoints(home);
    TStandingsTable away = counters;
    SortByAwayPoints(away);
    plegma.PlegmaHomeTable = InOrder(home, names);
    plegma.PlegmaAwayTable = InOrder(away, names);
    switch (settings.View) {
    case TPlegmaView::HomePoints:
        plegma.PlegmaTable = plegma.PlegmaHomeTable;
        break;
    case TPlegmaView::AwayPoints:
        plegma.PlegmaTable = plegma.PlegmaAwayTable;
        break;
    case TPlegmaView::Name:
    case TPlegmaView::Points:
        plegma.PlegmaTable = InOrder(counters, names);
        break;
    }
    const int n = int(plegma.PlegmaTable.size());
    if (settings.View == TPlegmaView::Name)
        SortPlegmaByName(plegma.PlegmaTable, 0, n - 1);

    const int k = PlegmaColsPerTeam(settings.Rounds);
    plegma.ColsPerTeam = k;
    plegma.Cells.assign(n + 6, QStringList(QList<QString>(n * k + 6)));
    for (int i = 1; i <= n; ++i) {
        const QString &name = plegma.PlegmaTable[i - 1].Name;
        for (int c = 0; c < k; ++c)
            plegma.Cells[kNameRow][FirstColumnOf(i, k) + c] = name;
        plegma.Cells[i + kNameRow][kNameCol] = name;
    }
    FillCrossings(plegma, matches, settings);
    FillPlegmaStats(plegma, settings.View);
    return plegma;
}

void SortPlegmaByName(TPlegmaTable &table, int first, int last)
{
    if (first < 0 || last >= int(table.size()) || first >= last)
        return;
    std::vector<QByteArray> bytes;
    bytes.reserve(table.size());
    for (const TPlegmaEntry &entry : table)
        bytes.push_back(ToCodePage(entry.Name, CodePage::Windows1253));
    bool exchanged = true;
    while (exchanged) {
        exchanged = false;
        for (int i = first; i < last; ++i) {
            if (table[i].Name.trimmed().isEmpty() || table[i + 1].Name.trimmed().isEmpty())
                continue;
            if (bytes[i] > bytes[i + 1]) {
                std::swap(table[i], table[i + 1]);
                std::swap(bytes[i], bytes[i + 1]);
                exchanged = true;
            }
        }
    }
}

void FillPlegmaStats(TPlegma &plegma, TPlegmaView view)
{
    for (int i = 0; i < kStatRows; ++i) {
        plegma.Cells[i][kNameCol] = QString::fromUtf8(PlegmaLabels[i]);
        plegma.Cells[kNameRow][i] = QString::fromUtf8(PlegmaLabels[i]);
    }
    const int k = plegma.ColsPerTeam;
    for (int i = 1; i <= int(plegma.PlegmaTable.size()); ++i) {
        const TStandingsEntry &stats = plegma.PlegmaTable[i - 1].Stats;
        const int points = PointsForView(stats, view);
        const int home[] = {i, points, stats.HomeWins, stats.HomeDraws, stats.HomeLosses};
        const int away[] = {i, points, stats.AwayWins, stats.AwayDraws, stats.AwayLosses};
        for (int s = 0; s < kStatRows; ++s) {
            plegma.Cells[i + kNameRow][s] = Number(home[s]);
            for (int c = 0; c < k; ++c)
                plegma.Cells[s][FirstColumnOf(i, k) + c] = Number(away[s]);
        }
    }
}

void RenamePlegmaTeams(TPlegma &plegma, const std::map<int, QString> &names)
{
    const int k = plegma.ColsPerTeam;
    for (int i = 1; i <= int(plegma.PlegmaTable.size()); ++i) {
        TPlegmaEntry &entry = plegma.PlegmaTable[i - 1];
        const auto name = names.find(entry.Stats.TeamKey);
        if (name == names.end())
            continue;
        entry.Name = name->second;
        plegma.Cells[i + kNameRow][kNameCol] = name->second;
        for (int c = 0; c < k; ++c)
            plegma.Cells[kNameRow][FirstColumnOf(i, k) + c] = name->second;
    }
}

std::vector<TStandingsMatch> ReadPlegmaMatches(TTavrolinDM &dm, int DNo, int first)
{
    TQuery &query = dm.PlegmaQuery;
    query.Close();
    query.SQL().Clear();
    query.SQL().Add(QStringLiteral("Select * From Agvnes Where DiorgNo=:DNo AND Agvnistikh>=:Start"));
    query.SQL().Add(QStringLiteral("Order By Agvnistikh, Ghpedoyxos, Filojenoymenh, Omilos"));
    query.ParamByName(QStringLiteral("DNo")).SetAsInteger(DNo);
    query.ParamByName(QStringLiteral("Start")).SetAsInteger(first);
    query.Open();
    std::vector<TStandingsMatch> matches;
    auto optional = [&query](const char *name) -> std::optional<int> {
        const TField &field = query.FieldByName(QString::fromLatin1(name));
        return field.IsNull() ? std::nullopt : std::optional<int>(field.AsInteger());
    };
    for (query.First(); !query.Eof(); query.Next()) {
        TStandingsMatch match;
        match.DiorgNo = DNo;
        match.Agvnistikh = query.FieldByName(QStringLiteral("Agvnistikh")).AsInteger();
        match.Ghpedoyxos = query.FieldByName(QStringLiteral("Ghpedoyxos")).AsInteger();
        match.Filojenoymenh = query.FieldByName(QStringLiteral("Filojenoymenh")).AsInteger();
        match.TelGGoals = optional("TelGGoals");
        match.TelFGoals = optional("TelFGoals");
        matches.push_back(match);
    }
    return matches;
}

} // namespace tav::analysis
