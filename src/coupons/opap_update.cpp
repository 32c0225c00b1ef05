#include "coupons/opap_update.h"

#include "coupons/kup_file.h"
#include "coupons/row_sort.h"
#include "data/data_module.h"
#include "platform/core/errors.h"
#include "platform/core/format.h"
#include "platform/db/database.h"

#include <utility>

namespace tav::coupons {

namespace {

const char kTeamSql[] = "SELECT TeamNo FROM Omades WHERE OPAPName = ?1 AND KratosNo = ?2 "
                        "ORDER BY KratosNo, Name, EnName LIMIT 1";
const char kEntrySql[] =
    "SELECT RecNo FROM PerOmades WHERE DiorNo = ?1 AND TeamNo = ?2 ORDER BY rowid LIMIT 1";
const char kPairSql[] =
    "SELECT GameNo FROM Agvnes WHERE DiorgNo = ?1 AND Ghpedoyxos = ?2 AND Filojenoymenh = ?3 "
    "ORDER BY GameNo LIMIT 1";
const char kStoredSql[] = "SELECT TelGGoals, TelFGoals FROM Agvnes WHERE GameNo = ?1";
// One statement per match: the row is stored whole or not at all.
const char kWriteSql[] = "UPDATE Agvnes SET OPAPAr = ?1, \"Date\" = ?2, \"Time\" = ?3, AP1 = ?4, APX = ?5, "
                         "AP2 = ?6, TelGGoals = ?7, TelFGoals = ?8 WHERE GameNo = ?9";

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

// Leaves the tables as the window expects them whatever way the update ends: the candidates
// let go, and the matches read again when the update wrote into them past their cursor.
class TUpdateScope
{
public:
    TUpdateScope(TTable &matches, TQuery &candidates, const bool &written)
        : matches_(matches), candidates_(candidates), written_(written)
    {
    }
    ~TUpdateScope()
    {
        try {
            candidates_.Close();
            if (written_ && matches_.Active())
                matches_.Refresh();
        } catch (const std::exception &) {
            // Nothing more can be undone here; the error that brought us here is the one to tell.
        }
    }
    TUpdateScope(const TUpdateScope &) = delete;
    TUpdateScope &operator=(const TUpdateScope &) = delete;

private:
    TTable &matches_;
    TQuery &candidates_;
    const bool &written_;
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

    written_ = false;
    TUpdateScope scope(dm_.Agvnes, QryRounds, written_);
    try {
        tav::data::OpenIfClosed(dm_.Omades);
        dm_.Omades.SetFilter(QString());
        dm_.Omades.SetFiltered(false);
        tav::data::OpenIfClosed(dm_.Kathgories);
        tav::data::OpenIfClosed(dm_.Diorganvseis);
        tav::data::OpenIfClosed(dm_.POmades);

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
    // The clubs of the competition's country and its entries, as the competition's scroll
    // narrows the two tables, read by key rather than by moving their cursors.
    DbConnection &db = dm_.TavrolinDb.Connection();
    DbConnection::Lease team = db.Statement(QString::fromUtf8(kTeamSql));
    team->BindAll({name, dm_.Diorganvseis.FieldByName(QStringLiteral("KratosNo")).Value()});
    if (!team->Step() || team->IsNull(0))
        return false;
    DbConnection::Lease entry = db.Statement(QString::fromUtf8(kEntrySql));
    entry->BindAll({dm_.Diorganvseis.FieldByName(QStringLiteral("DNo")).Value(), qint64(team->Int64(0))});
    if (!entry->Step() || entry->IsNull(0))
        return false;
    key = int(entry->Int64(0));
    return true;
}

void TOpapUpdate::UpdateCompetitionRows(QList<QStringList> &rows, int DNo, int first, int last)
{
    DbConnection &db = dm_.TavrolinDb.Connection();
    for (int i = first; i <= last; ++i) {
        QStringList &row = rows[i];
        const QString home = row.value(OpapHome).trimmed();
        const QString away = row.value(OpapAway).trimmed();
        // A chosen match or score may have moved the competitions; finding it again costs a
        // scroll with its detail tables, so only then.
        if (dm_.Diorganvseis.FieldByName(QStringLiteral("DNo")).AsInteger() != DNo &&
            !dm_.Diorganvseis.Locate(QStringLiteral("DNo"), {DNo}))
            return;
        const int rounds = dm_.Diorganvseis.FieldByName(QStringLiteral("Rounds")).AsInteger();
        int homeKey = 0;
        int awayKey = 0;
        if (!TeamKey(home, homeKey) || !TeamKey(away, awayKey))
            continue;
        if (callbacks_.cancelled && callbacks_.cancelled())
            return;
        // The pair's first match in the order of the matches' key; none: the row is passed over.
        DbConnection::Lease pair = db.Statement(QString::fromUtf8(kPairSql));
        pair->BindAll({DNo, homeKey, awayKey});
        if (!pair->Step())
            continue;
        qint64 gameNo = pair->Int64(0);
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
            const QVariant chosen = QryRounds.FieldByName(QStringLiteral("GameNo")).Value();
            QryRounds.Close();
            if (chosen.isNull()) {
                if (asked)
                    return;
                continue;
            }
            gameNo = chosen.toLongLong();
        }
        if (UpdateRow(row, rounds, gameNo) == TRowEnd::EndGroup)
            return;
    }
}

TOpapUpdate::TRowEnd TOpapUpdate::UpdateRow(QStringList &row, int rounds, qint64 gameNo)
{
    DbConnection &db = dm_.TavrolinDb.Connection();
    QVariant storedHome;
    QVariant storedAway;
    {
        DbConnection::Lease stored = db.Statement(QString::fromUtf8(kStoredSql));
        stored->BindAll({gameNo});
        if (!stored->Step())
            return TRowEnd::NextRow;
        storedHome = stored->IsNull(0) ? QVariant() : QVariant(qint64(stored->Int64(0)));
        storedAway = stored->IsNull(1) ? QVariant() : QVariant(qint64(stored->Int64(1)));
    }

    // Every value is read before anything is written: a cell that is no date, time or number
    // leaves the match as it was.
    QVariantList values = CouponValues(row);
    const std::optional<TOpapScore> score = ChosenScore(row, rounds, storedHome, storedAway);
    if (!score)
        return rounds >= 3 ? TRowEnd::NextRow : TRowEnd::EndGroup;
    const bool keepsScore = score->home < 0;
    values.append({keepsScore ? storedHome : QVariant(score->home),
                   keepsScore ? storedAway : QVariant(score->away), gameNo});
    DbConnection::Lease write = db.Statement(QString::fromUtf8(kWriteSql));
    write->BindAll(values);
    write->Execute();
    written_ = true;
    return TRowEnd::NextRow;
}

TField &TOpapUpdate::Field(const QString &name) const
{
    return dm_.Agvnes.FieldByName(name);
}

QVariant TOpapUpdate::Stored(const QString &field, const QVariant &value) const
{
    const TField &target = Field(field);
    return FieldValueToStorage(target.Convert(value), target.DataType());
}

QVariantList TOpapUpdate::CouponValues(QStringList &row) const
{
    QVariantList values = {Stored(QStringLiteral("OPAPAr"), StrToInt(row.value(OpapCode).trimmed())),
                           Stored(QStringLiteral("Date"), StrToDate(row.value(OpapDate))),
                           Stored(QStringLiteral("Time"), row.value(OpapTime))};
    const char *fields[] = {"AP1", "APX", "AP2"};
    for (int k = 0; k < 3; ++k) {
        QString &cell = row[OpapOdd1 + k];
        cell = StoredOddsText(cell);
        values.append(Stored(QLatin1String(fields[k]), StrToFloat(cell)));
    }
    return values;
}

// The score to store: the coupon's, or {-1, -1} to keep the stored one; none when the user
// cancelled the question.
std::optional<TOpapScore> TOpapUpdate::ChosenScore(const QStringList &row, int rounds,
                                                   const QVariant &storedHome, const QVariant &storedAway)
{
    constexpr TOpapScore keep{-1, -1};
    const std::optional<TOpapScore> coupon = ParseOpapScore(row.value(OpapScore));
    if (!coupon)
        return keep;
    if (storedHome.isNull())
        return coupon;
    if (storedHome.toInt() == coupon->home && !storedAway.isNull() && storedAway.toInt() == coupon->away)
        return keep;
    const QString home = row.value(OpapHome).trimmed();
    const QString away = row.value(OpapAway).trimmed();
    TOpapScoreQuestion question;
    question.coupon = QStringLiteral("ΣΚΟΡ ΟΠΑΠ -> ") + row.value(OpapScore);
    question.stored = QStringLiteral("ΣΚΟΡ TAVROLIN -> ") + storedHome.toString() + QLatin1Char('-') +
                      storedAway.toString();
    question.match = row.value(OpapDiorg);
    if (rounds >= 3)
        question.match += QLatin1Char('-') + DateToStr(StrToDate(row.value(OpapDate)));
    question.match += QStringLiteral("->") + home + QLatin1Char('-') + away;
    const TOpapScoreAnswer answer =
        callbacks_.chooseScore ? callbacks_.chooseScore(question) : TOpapScoreAnswer::Cancel;
    if (answer == TOpapScoreAnswer::Cancel)
        return std::nullopt;
    return answer == TOpapScoreAnswer::Coupon ? coupon : keep;
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
