#include "couponstats/over_under_export.h"

#include "coupons/proposal_file.h"
#include "couponstats/over_under_columns.h"
#include "platform/core/errors.h"
#include "platform/core/format.h"
#include "platform/core/message_service.h"
#include "platform/db/database.h"
#include "platform/db/outside_database.h"
#include "platform/db/sqlite_statement.h"

#include <QHash>

#include <optional>

namespace tav::couponstats {

namespace {

const char *const kAlias = "AccOver_Under";
const char *const kNoKey = "Το όνομα κουπονιού «%1» δεν δίνει αριθμό κουπονιού: η εξαγωγή στη βάση "
                           "AccOver_Under δεν έγινε.";
const char *const kNoTable = "Η σελίδα δεν λέει πόσους πρόσφατους αγώνες εξετάζει (κωδικός «%1»): η "
                             "εξαγωγή στη βάση AccOver_Under δεν έγινε.";
const char *const kBadRow = "Η γραμμή %1 (κωδικός %2) της σελίδας δεν εξάγεται: %3\nΗ εξαγωγή στον πίνακα "
                            "%4 της βάσης AccOver_Under δεν έγινε.";
const char *const kFailed = "Η εξαγωγή στον πίνακα %1 της βάσης AccOver_Under δεν έγινε και οι εγγραφές "
                            "του κουπονιού έμειναν ως ήταν.\n%2";
const char *const kRowRefused = "Η γραμμή %1 (κωδικός %2) δεν γράφτηκε: %3";

using TNumber = std::optional<double>;

QVariant Stored(const TNumber &value)
{
    return value ? QVariant(*value) : QVariant();
}

TNumber Add(const TNumber &a, const TNumber &b)
{
    return a && b ? TNumber(*a + *b) : std::nullopt;
}

TNumber Subtract(const TNumber &a, const TNumber &b)
{
    return a && b ? TNumber(*a - *b) : std::nullopt;
}

TNumber Multiply(const TNumber &a, const TNumber &b)
{
    return a && b ? TNumber(*a * *b) : std::nullopt;
}

// The quotient as its text with two decimals and at most five significant digits reads back.
TNumber Share(const TNumber &dividend, const TNumber &divisor, double factor = 1)
{
    if (!dividend || !divisor || *divisor == 0)
        return std::nullopt;
    const double significant = QString::number(*dividend / *divisor * factor, 'g', 5).toDouble();
    return QString::number(significant, 'f', 2).toDouble();
}

// The smaller (or larger) of two values, the second on a tie.
TNumber Smaller(const TNumber &a, const TNumber &b)
{
    return a && b ? TNumber(*a < *b ? *a : *b) : std::nullopt;
}

TNumber Larger(const TNumber &a, const TNumber &b)
{
    return a && b ? TNumber(*a > *b ? *a : *b) : std::nullopt;
}

// The record as it is built: every field in its order, the numbers also by name for the figures
// computed from them.
class TRecordBuilder
{
public:
    explicit TRecordBuilder(const QStringList &row) : row_(row) {}

    QString Cell(int column) const { return row_.value(column).trimmed(); }

    // A number cell: empty is NULL, anything else must read as a number.
    TNumber Number(int column) const
    {
        const QString text = Cell(column);
        if (text.isEmpty())
            return std::nullopt;
        try {
            return StrToFloat(text);
        } catch (const EConvertError &error) {
            throw EConvertError(QStringLiteral("στήλη %1: %2").arg(column).arg(error.Message()));
        }
    }

    void Set(const QString &field, const TNumber &value)
    {
        numbers_.insert(field, value);
        record_.append({field, Stored(value)});
    }
    void SetCell(const QString &field, int column) { Set(field, Number(column)); }
    void SetText(const QString &field, const QString &text)
    {
        record_.append({field, text.isEmpty() ? QVariant() : QVariant(text)});
    }
    void SetValue(const QString &field, const QVariant &value) { record_.append({field, value}); }

    TNumber operator[](const QString &field) const { return numbers_.value(field); }

    TOverUnderRecord Take() { return std::move(record_); }

private:
    const QStringList &row_;
    QHash<QString, TNumber> numbers_;
    TOverUnderRecord record_;
};

QString Name(const char *prefix, int k)
{
    return QString::fromLatin1(prefix) + QString::number(k);
}

// The margins' suffixes in the order of their nine columns: 0, +1 … +4, −1 … −4.
const char *const kMargins[] = {"0", "1", "2", "3", "4", "_1", "_2", "_3", "_4"};

QVariant CellDate(const TRecordBuilder &b, int column)
{
    const QString text = b.Cell(column);
    return text.isEmpty() ? QVariant() : QVariant(StrToDate(text));
}

QVariant CellTime(const TRecordBuilder &b, int column)
{
    const QString text = b.Cell(column);
    return text.isEmpty() ? QVariant() : QVariant(StrToTime(text));
}

void SetTeamCells(TRecordBuilder &b)
{
    const std::pair<const char *, int> cells[] = {
        {"Dga", OuHomeMatches}, {"Dgv", OuHomePoints},  {"Dgan", OuHomeWins},
        {"Dgai", OuHomeDraws},  {"Dgah", OuHomeLosses}, {"Dg1e", 17},
        {"Dgxe", 18},           {"Dg2e", 19},           {"Dfv", OuAwayPoints},
        {"Dfah", OuAwayLosses}, {"Dfai", OuAwayDraws},  {"Dfan", OuAwayWins},
        {"Df1e", 24},           {"Dfxe", 25},           {"Df2e", 26},
        {"Ddv", OuDifference},  {"Dt1", OuMeanWin},     {"Dtx", OuMeanWin + 1},
        {"Dt2", OuMeanWin + 2}, {"DGgip", OuFinalHome}, {"DGgip0", OuFinalHome},
        {"DGfil", OuFinalAway}, {"DGfil0", OuFinalAway}};
    for (const auto &[field, column] : cells)
        b.SetCell(QString::fromLatin1(field), column);
}

void SetGoalAverages(TRecordBuilder &b)
{
    b.Set("DSG", Add(b["DGgip"], b["DGfil"]));
    b.SetCell("DAhm", OuHalfTimeHome);
    b.SetCell("DGGY", OuHomeScored);
    b.SetCell("DGGK", OuHomeConceded);
    b.SetCell("DGFY", OuAwayScored);
    b.SetCell("DGFK", OuAwayConceded);
    b.SetCell("Dfa", OuAwayMatches);
    b.Set("DmogY", Share(b["DGGY"], b["Dga"]));
    b.Set("DmogK", Share(b["DGGK"], b["Dga"]));
    b.Set("DmoFY", Share(b["DGFY"], b["Dfa"]));
    b.Set("DmoFK", Share(b["DGFK"], b["Dfa"]));
    b.Set("Dming", Smaller(b["DmogY"], b["DmogK"]));
    b.Set("Dminf", Smaller(b["DmoFY"], b["DmoFK"]));
    b.Set("Dmaxg", Larger(b["DmogY"], b["DmogK"]));
    b.Set("Dmaxf", Larger(b["DmoFY"], b["DmoFK"]));
    b.Set("DMOG", Add(b["DmogY"], b["DmogK"]));
    b.Set("DMOF", Add(b["DmoFY"], b["DmoFK"]));
    b.Set("DminGoal", Add(b["Dming"], b["Dminf"]));
    b.Set("DmaxGoal", Add(b["Dmaxg"], b["Dmaxf"]));
    const TNumber all = Add(Add(b["DMOG"], b["DMOF"]), Add(b["DminGoal"], b["DmaxGoal"]));
    b.Set("DMO", all ? TNumber(*all / 4) : std::nullopt);
}

// "under" below 2.5 goals at most, "no" below 0.1, "over" above 2.5 goals at least.
QString Verdict(const TNumber &minGoal, const TNumber &maxGoal)
{
    QString verdict;
    if (maxGoal && *maxGoal < 2.5)
        verdict = QStringLiteral("under");
    if (maxGoal && *maxGoal < 0.1)
        verdict = QStringLiteral("no");
    if (minGoal && *minGoal > 2.5)
        verdict = QStringLiteral("over");
    return verdict;
}

void SetOverUnder(TRecordBuilder &b)
{
    b.SetText("Dprota", Verdict(b["DminGoal"], b["DmaxGoal"]));
    b.SetCell("DOvG", OuHomeOver);
    b.SetCell("DUnG", OuHomeUnder);
    b.SetCell("DOvF", OuAwayOver);
    b.SetCell("DUnF", OuAwayUnder);
    b.Set("Dov", Add(b["DOvG"], b["DOvF"]));
    b.Set("DUn", Add(b["DUnG"], b["DUnF"]));
    b.Set("DOv_Un", Subtract(b["Dov"], b["DUn"]));
}

void SetGoalSpread(TRecordBuilder &b)
{
    for (int k = 0; k < 8; ++k) {
        b.SetCell(Name("DG", k), OuHomeGoals0 + k);
        b.Set(Name("DG", k) + QChar('P'), Share(b[Name("DG", k)], b["Dga"]));
    }
    for (int k = 0; k < 8; ++k) {
        b.SetCell(Name("DF", k), OuAwayGoals0 + k);
        b.Set(Name("DF", k) + QChar('P'), Share(b[Name("DF", k)], b["Dfa"]));
    }
    b.SetCell("DGNG", OuHomeNoGoal);
    b.SetCell("DGGG", OuHomeGoal);
    b.SetCell("DFNG", OuAwayNoGoal);
    b.SetCell("DFGG", OuAwayGoal);
    const TNumber notBoth = b.Number(OuBothNoGoal);
    const TNumber both = b.Number(OuBothGoal);
    b.Set("DTNG", Share(notBoth, Add(both, notBoth), 100));
    b.Set("DTGG", Share(both, Add(both, notBoth), 100));
    b.Set("DNG_GG", Subtract(b["DTNG"], b["DTGG"]));
    b.SetCell("DGNGA", OuHomeNotBothScored);
    b.SetCell("DGGGA", OuHomeBothScored);
    b.SetCell("DFNGA", OuAwayNotBothScored);
    b.SetCell("DFGGA", OuAwayBothScored);
    b.Set("DTNGA", Add(b["DGNGA"], b["DFNGA"]));
    b.Set("DTGGA", Add(b["DGGGA"], b["DFGGA"]));
    const TNumber games = Add(b["DTNGA"], b["DTGGA"]);
    b.Set("DTNGA1", Share(b["DTNGA"], games, 100));
    b.Set("DTGGA1", Share(b["DTGGA"], games, 100));
    b.Set("DNGA_GGA", Subtract(b["DTNGA"], b["DTGGA"]));
}

// The two spreads of goals taken as independent: the chance of t goals in all, of 1, X and 2.
void SetChances(TRecordBuilder &b)
{
    auto product = [&b](int i, int j) { return Multiply(b[Name("DG", i) + 'P'], b[Name("DF", j) + 'P']); };
    for (int t = 0; t < 8; ++t) {
        TNumber sum = 0.0;
        for (int i = 0; i <= t; ++i)
            sum = Add(sum, product(i, t - i));
        b.Set(Name("DM", t), sum);
    }
    b.Set("DM01", Add(b["DM0"], b["DM1"]));
    b.Set("DM02", Add(b["DM01"], b["DM2"]));
    b.Set("DM37", Add(Add(Add(b["DM3"], b["DM4"]), Add(b["DM5"], b["DM6"])), b["DM7"]));
    b.Set("DM45", Add(b["DM4"], b["DM5"]));
    TNumber home = 0.0;
    TNumber draw = 0.0;
    TNumber away = 0.0;
    for (int i = 0; i < 8; ++i) {
        for (int j = 0; j < 8; ++j) {
            TNumber &sum = i > j ? home : i == j ? draw : away;
            sum = Add(sum, product(i, j));
        }
    }
    b.Set("DP1", Multiply(home, 100.0));
    b.Set("DPX", Multiply(draw, 100.0));
    b.Set("DP2", Multiply(away, 100.0));
}

void SetMargins(TRecordBuilder &b)
{
    const std::pair<const char *, int> groups[] = {
        {"Dgdt", OuHomeMargin0}, {"Dfdt", OuAwayMargin0}, {"DDT", OuMargin0}};
    for (const auto &[prefix, first] : groups) {
        for (int k = 0; k < 9; ++k)
            b.SetCell(QString::fromLatin1(prefix) + QString::fromLatin1(kMargins[k]), first + k);
    }
    b.Set("DDT14", Add(Add(b["DDT1"], b["DDT2"]), Add(b["DDT3"], b["DDT4"])));
    b.Set("DDT24", Add(Add(b["DDT2"], b["DDT3"]), b["DDT4"]));
    b.Set("DDT_14", Add(Add(b["DDT_1"], b["DDT_2"]), Add(b["DDT_3"], b["DDT_4"])));
    b.Set("DDT_24", Add(Add(b["DDT_2"], b["DDT_3"]), b["DDT_4"]));
    b.Set("DDTA", Subtract(b["DDT14"], b["DDT_14"]));
    b.Set("DDT", Subtract(b["DGgip"], b["DGfil"]));
    // A strong one-sided record of margins: wins by two or more and no losses, or the reverse.
    auto is = [](const TNumber &value, auto test) { return value && test(*value); };
    const auto above3 = [](double v) { return v > 3; };
    const auto zero = [](double v) { return v == 0; };
    QString marker;
    if (is(b["DDT24"], above3) && is(b["DDT_14"], zero) && is(b["DDT_24"], zero))
        marker = QStringLiteral("1");
    if (is(b["DDT_24"], above3) && is(b["DDT14"], zero) && is(b["DDT24"], zero))
        marker = QStringLiteral("-1");
    b.SetText("DDTe1", marker);
}

qint64 CouponKey(const QString &couponName, bool &ok)
{
    return coupons::CouponNumberOf(couponName).trimmed().toLongLong(&ok);
}

void Store(const QString &table, qint64 key, const QList<TOverUnderRecord> &records, const TPageRows &rows)
{
    TDatabase database;
    OpenOutsideDatabase(database, QString::fromLatin1(kAlias), {table});
    TransactionGuard transaction(database);
    SqliteStatement remove(database.Handle(), QStringLiteral("DELETE FROM %1 WHERE DArKup = ?1").arg(table));
    remove.BindAll({key});
    remove.Execute();
    if (!records.isEmpty()) {
        QStringList fields;
        QStringList places;
        for (const auto &field : records.constFirst()) {
            fields.append(field.first);
            places.append(QStringLiteral("?%1").arg(places.size() + 1));
        }
        SqliteStatement insert(database.Handle(),
                               QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                   .arg(table, fields.join(QChar(',')), places.join(QChar(','))));
        for (qsizetype r = 0; r < records.size(); ++r) {
            insert.Reset();
            insert.ClearBindings();
            int position = 1;
            for (const auto &field : records[r])
                insert.Bind(position++, field.second);
            try {
                insert.Execute();
            } catch (const Exception &error) {
                throw Exception(QString::fromUtf8(kRowRefused)
                                    .arg(r + 1)
                                    .arg(rows[r].value(kCodeColumn), error.Message()));
            }
        }
    }
    transaction.Commit();
}

} // namespace

TOverUnderRecord OverUnderRecord(qint64 couponNumber, const QStringList &row)
{
    TRecordBuilder b(row);
    b.SetValue("DArKup", couponNumber);
    b.SetCell("Dcode", kCodeColumn);
    b.SetText("Ddior", b.Cell(kDiorgColumn));
    b.SetValue("Ddate", CellDate(b, 3));
    b.SetValue("Dtime", CellTime(b, 4));
    b.SetText("Domades", b.Cell(5));
    b.SetText("Domades1", b.Cell(6));
    b.SetCell("Dap1", kOdd1Column);
    b.SetCell("Dapx", kOddXColumn);
    b.SetCell("Dap2", kOdd2Column);
    b.SetText("Dsim", b.Cell(kSignColumn));
    SetTeamCells(b);
    SetGoalAverages(b);
    SetOverUnder(b);
    SetGoalSpread(b);
    SetChances(b);
    SetMargins(b);
    return b.Take();
}

QString OverUnderTableOf(const QString &filterCode)
{
    if (filterCode == QStringLiteral("BA"))
        return QStringLiteral("Anal_va_koup0");
    int n = 0;
    if (!filterCode.startsWith(QChar('B')) || !TryStrToInt(filterCode.mid(1), n) || n < 0)
        return {};
    return QStringLiteral("Anal_va_koup%1").arg(n);
}

bool ExportOverUnderRows(const QString &couponName, const QString &filterCode, const TPageRows &rows)
{
    bool numbered = false;
    const qint64 key = CouponKey(couponName, numbered);
    if (!numbered) {
        MessageDlg(QString::fromUtf8(kNoKey).arg(couponName), mtError, {mbOK});
        return false;
    }
    const QString table = OverUnderTableOf(filterCode);
    if (table.isEmpty()) {
        MessageDlg(QString::fromUtf8(kNoTable).arg(filterCode), mtError, {mbOK});
        return false;
    }
    QList<TOverUnderRecord> records;
    for (qsizetype r = 0; r < rows.size(); ++r) {
        try {
            records.append(OverUnderRecord(key, rows[r]));
        } catch (const EConvertError &error) {
            MessageDlg(
                QString::fromUtf8(kBadRow).arg(r + 1).arg(rows[r].value(kCodeColumn), error.Message(), table),
                mtError, {mbOK});
            return false;
        }
    }
    try {
        Store(table, key, records, rows);
    } catch (const Exception &error) {
        MessageDlg(QString::fromUtf8(kFailed).arg(table, error.Message()), mtError, {mbOK});
        return false;
    }
    return true;
}

} // namespace tav::couponstats
