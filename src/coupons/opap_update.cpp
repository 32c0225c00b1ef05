#include "coupons/opap_update.h"

#include "coupons/kup_file.h"
#include "coupons/row_sort.h"
#include "data/data_module.h"
#include "platform/core/errors.h"
#include "platform/core/format.h"

#include <utility>

namespace tav::coupons {

namespace {

QString ReplaceFirst(QString text, QChar from, QChar to)
{
    const qsizetype at = text.indexOf(from);
    if (at >= 0)
        text[at] = to;
    return text;
}

// Every "." and then every "," becomes the decimal separator.
QString StoredOddsText(QString text)
{
    const QChar separator = GreekFormatSettings().DecimalSeparator;
    return text.replace(QLatin1Char('.'), separator).replace(QLatin1Char(','), separator);
}

QString ScoreText(const TField &home, const TField &away)
{
    return home.AsString() + QLatin1Char('-') + away.AsString();
}

// Leaves the matches as the window found them whatever way the update ends: a match in hand is
// not left half written, the pair's range and the candidates are let go.
class TUpdateScope
{
public:
    TUpdateScope(TTable &matches, TQuery &candidates) : matches_(matches), candidates_(candidates) {}
    ~TUpdateScope()
    {
        try {
            if (matches_.State() == TDataSetState::dsEdit)
                matches_.Cancel();
            if (matches_.Active())
                matches_.CancelRange();
            candidates_.Close();
        } catch (const std::exception &) {
            // Nothing more can be undone here; the error that brought us here is the one to tell.
        }
    }
    TUpdateScope(const TUpdateScope &) = delete;
    TUpdateScope &operator=(const TUpdateScope &) = delete;

private:
    TTable &matches_;
    TQuery &candidates_;
};

} // namespace

QString OpapOddsText(const QString &text)
{
    if (text.trimmed().isEmpty())
        return QStringLiteral("1");
    const QChar separator = GreekFormatSettings().DecimalSeparator;
    return ReplaceFirst(ReplaceFirst(text, QLatin1Char(','), separator), QLatin1Char('.'), separator);
}

TOpapLoad LoadKupGrid(const QString &path)
{
    TOpapLoad load;
    int kupTag = 0;
    load.rangeRead = ReadKupDateRange(path, load.dateFrom, load.dateTo, kupTag);
    const TKupReadResult read = ReadKupRecords(path);
    load.failed = read.failed;
    QList<TKupRow> values;
    for (const TKupRecord &record : read.records)
        values.append(record.Row);
    FillDownKupRows(values);
    for (const TKupRow &value : std::as_const(values)) {
        load.rows.append({value.Code, value.Diorg,
                          FormatDateTime(QStringLiteral("dd/mm/yyyy"), value.MatchDate), value.TimeText,
                          value.Home, value.Away, OpapOddsText(value.Odd1), OpapOddsText(value.OddX),
                          OpapOddsText(value.Odd2), value.Score});
    }
    return load;
}

void SortGridRows(QList<QStringList> &rows, int column)
{
    TRowSortRule rule;
    rule.method = TRowSortMethod::AdjacentExchange;
    rule.textColumns = {column};
    rule.order = TExchangeOrder::A;
    SortRows(rows, column, rule);
}

QList<TOpapGroup> OpapGroups(const QList<QStringList> &rows)
{
    QList<TOpapGroup> groups;
    for (int i = 0; i < rows.size(); ++i) {
        const QString code = rows[i].value(OpapDiorg).trimmed();
        if (!groups.isEmpty() && groups.last().code == code)
            groups.last().last = i;
        else
            groups.append({code, i, i});
    }
    return groups;
}

std::optional<TOpapScore> ParseOpapScore(const QString &text)
{
    const QString trimmed = text.trimmed();
    const qsizetype dash = trimmed.indexOf(QLatin1Char('-'));
    if (dash < 0)
        return std::nullopt;
    const QString away = trimmed.mid(dash + 1).trimmed();
    if (away.isEmpty())
        return std::nullopt;
    return TOpapScore{StrToInt(trimmed.left(dash).trimmed()), StrToInt(away)};
}

TOpapUpdate::TOpapUpdate(TTavrolinDM &dm, TOpapCallbacks callbacks)
    : dm_(dm), callbacks_(std::move(callbacks))
{
    QryRounds.SetSessionName(dm_.Agvnes.SessionName());
    QryRounds.SetDatabaseName(dm_.Agvnes.DatabaseName());
}

TOpapResult TOpapUpdate::Run(QList<QStringList> &rows, const QStringList &seasons,
                             const QDateTime &kupDateFrom)
{
    if (seasons.isEmpty())
        return {TOpapOutcome::NoSeason, {}};
    const QString year = QString::number(kupDateFrom.date().year());
    bool seasonHoldsYear = false;
    for (const QString &season : seasons)
        seasonHoldsYear = seasonHoldsYear || season.contains(year);
    if (!seasonHoldsYear)
        return {TOpapOutcome::OtherSeason, {}};

    TUpdateScope scope(dm_.Agvnes, QryRounds);
    try {
        tav::data::OpenIfClosed(dm_.Omades);
        dm_.Omades.SetFilter(QString());
        dm_.Omades.SetFiltered(false);
        tav::data::OpenIfClosed(dm_.Kathgories);
        tav::data::OpenIfClosed(dm_.Diorganvseis);
        tav::data::OpenIfClosed(dm_.POmades);
        dm_.Agvnes.Close();
        dm_.Agvnes.SetIndexFieldNames(QStringLiteral("DiorgNo;Ghpedoyxos;Filojenoymenh"));
        dm_.Agvnes.Open();

        const QList<TOpapGroup> groups = OpapGroups(rows);
        if (callbacks_.started)
            callbacks_.started(int(groups.size()) + 1, groups.isEmpty() ? QString() : groups.first().code);
        for (const TOpapGroup &group : groups) {
            if (callbacks_.groupStarted)
                callbacks_.groupStarted(group.code);
            if (dm_.Kathgories.Locate(QStringLiteral("OPAP"), {group.code})) {
                const QVariant katNo = dm_.Kathgories.FieldByName(QStringLiteral("KatNo")).Value();
                for (const QString &season : seasons) {
                    if (!dm_.Diorganvseis.Locate(QStringLiteral("KatNo;Periodos"), {katNo, season}))
                        continue;
                    UpdateCompetitionRows(rows,
                                          dm_.Diorganvseis.FieldByName(QStringLiteral("DNo")).AsInteger(),
                                          group.first, group.last);
                    break;
                }
            }
            if (callbacks_.stepped && callbacks_.stepped())
                break;
        }
    } catch (const std::exception &error) {
        const auto *own = dynamic_cast<const Exception *>(&error);
        return {TOpapOutcome::Failed, own ? own->Message() : QString::fromLocal8Bit(error.what())};
    }
    return {TOpapOutcome::Done, {}};
}

bool TOpapUpdate::TeamKey(const QString &name, int &key)
{
    if (!dm_.Omades.Locate(QStringLiteral("OPAPName"), {name}))
        return false;
    const QVariant teamNo = dm_.Omades.FieldByName(QStringLiteral("TeamNo")).Value();
    if (!dm_.POmades.Locate(QStringLiteral("TeamNo"), {teamNo}))
        return false;
    key = dm_.POmades.FieldByName(QStringLiteral("RecNo")).AsInteger();
    return true;
}

void TOpapUpdate::UpdateCompetitionRows(QList<QStringList> &rows, int DNo, int first, int last)
{
    for (int i = first; i <= last; ++i) {
        QStringList &row = rows[i];
        const QString home = row.value(OpapHome).trimmed();
        const QString away = row.value(OpapAway).trimmed();
        if (!dm_.Diorganvseis.Locate(QStringLiteral("DNo"), {DNo}))
            return;
        const int rounds = dm_.Diorganvseis.FieldByName(QStringLiteral("Rounds")).AsInteger();
        int homeKey = 0;
        int awayKey = 0;
        if (!TeamKey(home, homeKey) || !TeamKey(away, awayKey))
            continue;
        if (callbacks_.cancelled && callbacks_.cancelled())
            return;
        // The pair's matches only, so that finding one never walks the whole table.
        dm_.Agvnes.SetRange({DNo, homeKey, awayKey}, {DNo, homeKey, awayKey});
        if (dm_.Agvnes.IsEmpty())
            continue;
        if (rounds >= 3) {
            bool asked = false;
            if (QueryCandidateMatches(row, DNo, homeKey, awayKey)) {
                QryRounds.Close();
                QryRounds.SQL().Clear();
                QryRounds.SQL().Add(QStringLiteral("Select * from Agvnes Where DiorgNo=%1").arg(DNo));
                QryRounds.SQL().Add(
                    QStringLiteral("AND Ghpedoyxos=%1 AND Filojenoymenh=%2").arg(homeKey).arg(awayKey));
                QryRounds.Open();
                if (QryRounds.IsEmpty())
                    continue;
                const QString caption = row.value(OpapDiorg) + QStringLiteral("-->") + home +
                                        QLatin1Char('-') + away + QStringLiteral(" -  ΣΚΟΡ ΟΠΑΠ -> ") +
                                        row.value(OpapScore);
                asked = true;
                if (!callbacks_.chooseMatch || !callbacks_.chooseMatch(QryRounds, caption)) {
                    QryRounds.Close();
                    return;
                }
            }
            const QVariant gameNo = QryRounds.FieldByName(QStringLiteral("GameNo")).Value();
            QryRounds.Close();
            if (!dm_.Agvnes.Locate(QStringLiteral("GameNo"), {gameNo})) {
                if (asked)
                    return;
                continue;
            }
        }
        if (UpdateRow(row, rounds) == TRowEnd::EndGroup)
            return;
    }
}

TOpapUpdate::TRowEnd TOpapUpdate::UpdateRow(QStringList &row, int rounds)
{
    dm_.Agvnes.Edit();
    WriteFields(row);
    const TRowEnd end =
        SettleScore(row, rounds, row.value(OpapHome).trimmed(), row.value(OpapAway).trimmed());
    if (dm_.Agvnes.State() == TDataSetState::dsEdit)
        dm_.Agvnes.Post();
    return end;
}

void TOpapUpdate::WriteFields(QStringList &row)
{
    TTable &matches = dm_.Agvnes;
    matches.FieldByName(QStringLiteral("OPAPAr")).SetAsInteger(StrToInt(row.value(OpapCode).trimmed()));
    matches.FieldByName(QStringLiteral("Date")).SetAsString(row.value(OpapDate));
    matches.FieldByName(QStringLiteral("Time")).SetAsString(row.value(OpapTime));
    const char *fields[] = {"AP1", "APX", "AP2"};
    for (int k = 0; k < 3; ++k) {
        QString &cell = row[OpapOdd1 + k];
        cell = StoredOddsText(cell);
        matches.FieldByName(QLatin1String(fields[k])).SetAsFloat(StrToFloat(cell));
    }
}

TOpapUpdate::TRowEnd TOpapUpdate::SettleScore(const QStringList &row, int rounds, const QString &home,
                                              const QString &away)
{
    TTable &matches = dm_.Agvnes;
    const std::optional<TOpapScore> coupon = ParseOpapScore(row.value(OpapScore));
    if (!coupon)
        return TRowEnd::NextRow;
    TField &storedHome = matches.FieldByName(QStringLiteral("TelGGoals"));
    TField &storedAway = matches.FieldByName(QStringLiteral("TelFGoals"));
    bool takeCoupon = true;
    if (!storedHome.IsNull()) {
        if (storedHome.AsInteger() == coupon->home && !storedAway.IsNull() &&
            storedAway.AsInteger() == coupon->away)
            return TRowEnd::NextRow;
        TOpapScoreQuestion question;
        question.coupon = QStringLiteral("ΣΚΟΡ ΟΠΑΠ -> ") + row.value(OpapScore);
        question.stored = QStringLiteral("ΣΚΟΡ TAVROLIN -> ") + ScoreText(storedHome, storedAway);
        question.match = row.value(OpapDiorg);
        if (rounds >= 3)
            question.match += QLatin1Char('-') + matches.FieldByName(QStringLiteral("Date")).AsString();
        question.match += QStringLiteral("->") + home + QLatin1Char('-') + away;
        const TOpapScoreAnswer answer =
            callbacks_.chooseScore ? callbacks_.chooseScore(question) : TOpapScoreAnswer::Cancel;
        if (answer == TOpapScoreAnswer::Cancel) {
            matches.Cancel();
            return rounds >= 3 ? TRowEnd::NextRow : TRowEnd::EndGroup;
        }
        takeCoupon = answer == TOpapScoreAnswer::Coupon;
    }
    if (takeCoupon) {
        storedHome.SetAsInteger(coupon->home);
        storedAway.SetAsInteger(coupon->away);
    }
    return TRowEnd::NextRow;
}

bool TOpapUpdate::QueryCandidateMatches(const QStringList &row, int DNo, int home, int away)
{
    const QDate date = StrToDate(row.value(OpapDate));
    QryRounds.Close();
    QryRounds.SQL().Clear();
    QryRounds.SQL().Add(QStringLiteral("Select * from Agvnes Where DiorgNo=%1").arg(DNo));
    QryRounds.SQL().Add(QStringLiteral("AND Ghpedoyxos=%1 AND Filojenoymenh=%2").arg(home).arg(away));
    QryRounds.SQL().Add(QStringLiteral("AND Agvnes.\"date\" BETWEEN :dateFrom AND :DateTo"));
    QryRounds.ParamByName(QStringLiteral("dateFrom")).SetAsDateTime(QDateTime(date.addDays(-7), QTime(0, 0)));
    QryRounds.ParamByName(QStringLiteral("dateTo")).SetAsDateTime(QDateTime(date.addDays(7), QTime(0, 0)));
    QryRounds.Open();
    QryRounds.Last();
    const bool none = QryRounds.RecordCount() == 0;
    QryRounds.First();
    return none;
}

} // namespace tav::coupons
