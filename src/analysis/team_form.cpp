#include "analysis/team_form.h"

#include "analysis/dataset_rows.h"
#include "platform/db/query.h"

namespace tav::analysis {

namespace {

const char *const kCaptions[] = {"ΕΠΙΤΥΧΙΕΣ ΕΝΤΟΣ ", "ΕΠΙΤΥΧΙΕΣ ΕΚΤΟΣ ", "ΕΠΙΤΥΧΙΕΣ ΣΤΟ ΣΥΝΟΛΟ "};
const char *const kSpecialPoints = "ΕΙΔΙΚΟΙ ΒΑΘΜΟΙ";
// The column heads of the printed summary: Latin B, A and N, Greek Ι and Η.
const char *const kSummaryHeads = "B    A    N   Ι    Η";
const char *const kStatement =
    "Select * From Agvnes Where (DiorgNo=:PDNo) AND (Filojenoymenh=:PFil OR Ghpedoyxos=:PGhp)";
const char *const kByDate = " ORDER BY Agvnes.\"Date\" ";
// The matches table's own order within a competition: matchday, home team, away team, group.
const char *const kByMatchday = " ORDER BY Agvnistikh, Ghpedoyxos, Filojenoymenh, Omilos ";
// How many of the latest played matches count, the newest the most.
constexpr int kSpecialMatches = 6;

// 100 * part / whole to the nearest whole number, halves to even (12.5 gives 12, 37.5 gives 38).
int Percent(int part, int whole)
{
    const long long scaled = 100LL * part;
    const long long quotient = scaled / whole;
    const long long twiceRest = 2 * (scaled % whole);
    if (twiceRest > whole || (twiceRest == whole && quotient % 2 != 0))
        return int(quotient + 1);
    return int(quotient);
}

std::optional<int> Goals(const TDataSet &row, const char *field)
{
    const TField &goals = row.FieldByName(QString::fromLatin1(field));
    if (goals.IsNull())
        return std::nullopt;
    return goals.AsInteger();
}

std::optional<int> GoalsOfText(const QString &text)
{
    bool number = false;
    const int goals = text.trimmed().toInt(&number);
    return number ? std::optional<int>(goals) : std::nullopt;
}

} // namespace

TFormOutcome OutcomeOf(const TFormRow &row, int team)
{
    const bool home = row.HomeTeam == team;
    if (!home && row.AwayTeam != team)
        return TFormOutcome::NotTheTeam;
    if (!row.HomeGoals)
        return TFormOutcome::Unplayed;
    const int own = home ? *row.HomeGoals : row.AwayGoals.value_or(0);
    const int other = home ? row.AwayGoals.value_or(0) : *row.HomeGoals;
    if (own > other)
        return TFormOutcome::Win;
    return own == other ? TFormOutcome::Draw : TFormOutcome::Loss;
}

TFormOutcome ScoreOutcome(const QString &score, bool teamAtHome)
{
    const qsizetype dash = score.indexOf(QLatin1Char('-'));
    if (dash < 0)
        return TFormOutcome::Unplayed;
    const TFormRow row{teamAtHome ? 1 : 2, teamAtHome ? 2 : 1, GoalsOfText(score.left(dash)),
                       GoalsOfText(score.mid(dash + 1))};
    return OutcomeOf(row, 1);
}

TTeamSuccesses CountSuccesses(const std::vector<TFormRow> &rows, int team)
{
    TTeamSuccesses counts;
    for (const TFormRow &row : rows) {
        const bool home = row.HomeTeam == team;
        switch (OutcomeOf(row, team)) {
        case TFormOutcome::Win:
            ++(home ? counts.HomeWins : counts.AwayWins);
            break;
        case TFormOutcome::Draw:
            ++(home ? counts.HomeDraws : counts.AwayDraws);
            break;
        case TFormOutcome::Loss:
            ++(home ? counts.HomeLosses : counts.AwayLosses);
            break;
        case TFormOutcome::Unplayed:
        case TFormOutcome::NotTheTeam:
            break;
        }
    }
    return counts;
}

QString PercentageText(int wins, int draws, int losses)
{
    const int games = wins + draws + losses;
    if (games <= 0)
        return QString();
    return QStringLiteral("%1 - %2 - %3")
        .arg(Percent(wins, games), 2)
        .arg(Percent(draws, games), 2)
        .arg(Percent(losses, games), 2);
}

TSuccessLine SuccessLine(int wins, int draws, int losses, const TPointsRule &rule)
{
    TSuccessLine line;
    line.Wins = wins;
    line.Draws = draws;
    line.Losses = losses;
    line.Games = wins + draws + losses;
    line.Points = rule.Nikh * wins + rule.Isop * draws + rule.Htta * losses;
    line.Percentages = PercentageText(wins, draws, losses);
    return line;
}

int SpecialPoints(const std::vector<TFormRow> &rows, int team, const TPointsRule &rule)
{
    int played = 0;
    int sum = 0;
    for (auto row = rows.rbegin(); row != rows.rend() && played < kSpecialMatches; ++row) {
        if (!row->HomeGoals)
            continue;
        const int weight = kSpecialMatches - played;
        ++played;
        switch (OutcomeOf(*row, team)) {
        case TFormOutcome::Win:
            sum += rule.Nikh * weight;
            break;
        case TFormOutcome::Draw:
            sum += rule.Isop * weight;
            break;
        case TFormOutcome::Loss:
            sum += rule.Htta * weight;
            break;
        case TFormOutcome::Unplayed:
        case TFormOutcome::NotTheTeam:
            break;
        }
    }
    return sum;
}

TTeamForm TeamForm(const std::vector<TFormRow> &rows, int team, const TPointsRule &rule)
{
    const TTeamSuccesses c = CountSuccesses(rows, team);
    TTeamForm form;
    form.Home = SuccessLine(c.HomeWins, c.HomeDraws, c.HomeLosses, rule);
    form.Away = SuccessLine(c.AwayWins, c.AwayDraws, c.AwayLosses, rule);
    form.Overall =
        SuccessLine(c.HomeWins + c.AwayWins, c.HomeDraws + c.AwayDraws, c.HomeLosses + c.AwayLosses, rule);
    form.SpecialPoints = SpecialPoints(rows, team, rule);
    return form;
}

QString WinsText(int wins)
{
    return QString::number(wins) + QStringLiteral("  -");
}

QString DrawsText(int draws)
{
    return QString::number(draws) + QStringLiteral("  -");
}

QStringList SuccessCaptions()
{
    QStringList captions;
    for (const char *caption : kCaptions)
        captions.append(QString::fromUtf8(caption));
    return captions;
}

QString SpecialPointsCaption()
{
    return QString::fromUtf8(kSpecialPoints);
}

QStringList FormSummaryLines(const QList<QStringList> &lineTexts, const QString &specialPoints)
{
    const QString four = QStringLiteral("    ");
    const QString three = QStringLiteral("   ");
    const QString five = QStringLiteral("     ");
    QStringList lines{QString::fromUtf8(kSummaryHeads)};
    const QStringList captions = SuccessCaptions();
    for (int i = 0; i < captions.size() && i < lineTexts.size(); ++i) {
        const QStringList &t = lineTexts.at(i);
        // games, points, wins, draws, losses, percentages: printed points first.
        lines.append(captions.at(i) + four + t.value(1) + four + t.value(0) + three + t.value(2) + four +
                     t.value(3) + four + t.value(4) + five + t.value(5));
    }
    lines.append(SpecialPointsCaption() + four + specialPoints);
    return lines;
}

QString FormPrintTitle(const QString &season, const QString &competition, const QString &team)
{
    return season + QStringLiteral("  ") + competition + QStringLiteral("    ") + team;
}

void OpenTeamMatches(TQuery &query, const QVariant &DNo, int team, bool calendarOrder)
{
    query.Close();
    query.SQL().Clear();
    query.SQL().Add(QString::fromUtf8(kStatement));
    query.SQL().Add(QString::fromUtf8(calendarOrder ? kByDate : kByMatchday));
    query.ParamByName(QStringLiteral("PDNo")).SetAsInteger(DNo.toInt());
    query.ParamByName(QStringLiteral("PFil")).SetAsInteger(team);
    query.ParamByName(QStringLiteral("PGhp")).SetAsInteger(team);
    query.Prepare();
    query.Open();
}

std::vector<TFormRow> ReadFormRows(TDataSet &matches)
{
    std::vector<TFormRow> rows = CollectRows<TFormRow>(matches, [](TDataSet &row) {
        return TFormRow{row.FieldByName(QStringLiteral("Ghpedoyxos")).AsInteger(),
                        row.FieldByName(QStringLiteral("Filojenoymenh")).AsInteger(), Goals(row, "TelGGoals"),
                        Goals(row, "TelFGoals")};
    });
    if (matches.Active())
        matches.First();
    return rows;
}

} // namespace tav::analysis
