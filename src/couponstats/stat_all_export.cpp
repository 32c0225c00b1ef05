#include "couponstats/stat_all_export.h"

#include "coupons/proposal_file.h"
#include "couponstats/stat_all.h"
#include "platform/core/errors.h"
#include "platform/core/format.h"
#include "platform/core/message_service.h"
#include "platform/db/database.h"
#include "platform/db/outside_database.h"
#include "platform/db/sqlite_statement.h"

#include <QDate>
#include <QTime>

#include <optional>
#include <utility>

namespace tav::couponstats {

namespace {

const char *const kAcsAlias = "ODBC1";
const char *const kSqlAlias = "Tavrolin_EA";
const char *const kNoKey = "Το κουπόνι «%1» δεν έχει αριθμό: η εξαγωγή στη βάση %2 δεν έγινε.";
const char *const kFailed = "Η εξαγωγή του συγκεντρωτικού πίνακα στη βάση %1 δεν έγινε και η βάση "
                            "έμεινε ως ήταν.\n%2";

// A field and the value sent to it; a value left out keeps what a found row holds.
using TFieldValues = QList<std::pair<QString, QVariant>>;

bool Blank(const QString &text)
{
    return text.trimmed().isEmpty();
}

QString Cell(const QStringList &row, int col)
{
    return row.value(col);
}

// Finds the row of the key (a null key value matches a null field) and returns its rowid.
std::optional<qint64> FindRow(TDatabase &db, const QString &table, const TFieldValues &key)
{
    QStringList tests;
    QVariantList values;
    for (const auto &[field, value] : key) {
        tests.append(field + QStringLiteral(" IS ?"));
        values.append(value);
    }
    SqliteStatement find(db.Handle(), QStringLiteral("SELECT rowid FROM %1 WHERE %2 ORDER BY rowid LIMIT 1")
                                          .arg(table, tests.join(QStringLiteral(" AND "))));
    find.BindAll(values);
    if (!find.Step())
        return std::nullopt;
    return find.Int64(0);
}

// Updates the row of the key with the fields, or inserts them when there is none; the rowid of the row.
qint64 StoreRow(TDatabase &db, const QString &table, const TFieldValues &key, const TFieldValues &fields)
{
    QStringList names;
    QVariantList values;
    for (const auto &[field, value] : fields) {
        names.append(field);
        values.append(value);
    }
    if (const std::optional<qint64> found = FindRow(db, table, key)) {
        QStringList sets;
        for (const QString &name : names)
            sets.append(name + QStringLiteral(" = ?"));
        SqliteStatement update(
            db.Handle(), QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?").arg(table, sets.join(", ")));
        update.BindAll(values + QVariantList{*found});
        update.Execute();
        return *found;
    }
    QStringList marks(names.size(), QStringLiteral("?"));
    SqliteStatement insert(
        db.Handle(),
        QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)").arg(table, names.join(", "), marks.join(", ")));
    insert.BindAll(values);
    insert.Execute();
    return FindRow(db, table, key).value();
}

QVariant ReadField(TDatabase &db, const QString &table, const QString &field, qint64 rowid)
{
    SqliteStatement read(db.Handle(), QStringLiteral("SELECT %1 FROM %2 WHERE rowid = ?").arg(field, table));
    read.BindAll({rowid});
    read.Step();
    return read.Value(0);
}

QVariant Odds(const QString &cell)
{
    return Blank(cell) ? 1.0 : StrToFloat(cell.trimmed());
}

QVariant NullWhenBlank(const QString &cell)
{
    return Blank(cell) ? QVariant() : QVariant(cell.trimmed());
}

// The key text of the competition cell: a blank cell finds the rows stored without one.
QVariant Diorg(const QStringList &row)
{
    return Blank(Cell(row, kDiorgColumn)) ? QVariant() : QVariant(Cell(row, kDiorgColumn));
}

// The fields of a match that are sent only when their cell is not blank, and the odds.
void AddMatchFields(TFieldValues &fields, const QStringList &row, const QStringList &names)
{
    const auto optional = [&](int name, int col, const QVariant &value) {
        if (!Blank(Cell(row, col)))
            fields.append({names[name], value});
    };
    optional(0, kDiorgColumn, Cell(row, kDiorgColumn));
    optional(1, 3,
             Blank(Cell(row, 3)) ? QVariant() : StrToDate(Cell(row, 3).trimmed()).toString(Qt::ISODate));
    optional(2, 4,
             Blank(Cell(row, 4)) ? QVariant()
                                 : StrToTime(Cell(row, 4).trimmed()).toString(QStringLiteral("HH:mm:ss")));
    optional(3, 5, Cell(row, 5));
    optional(4, 6, Cell(row, 6));
    fields.append({names[5], Odds(Cell(row, kOdd1Column))});
    fields.append({names[6], Odds(Cell(row, kOddXColumn))});
    fields.append({names[7], Odds(Cell(row, kOdd2Column))});
}

QVariant PageValue(const QString &cell)
{
    return Blank(cell) ? QVariant() : QVariant(StrToInt(cell.trimmed()));
}

QVariant AcsSign(const QString &cell)
{
    const QString sign = cell.trimmed();
    if (sign.isEmpty())
        return {};
    if (sign == QStringLiteral("X") || sign == QStringLiteral("Χ"))
        return 0;
    return StrToInt(sign);
}

void ExportAcs(const QString &coupon, const QStringList &titles, const TPageRows &rows)
{
    const QString filter = QStringLiteral("TLBFILTR");
    const QString detail = QStringLiteral("TLBFILTERDITALE");
    TDatabase db;
    OpenOutsideDatabase(db, QString::fromLatin1(kAcsAlias), {filter, detail});
    TransactionGuard transaction(db);
    const int couponNumber = StrToInt(coupon.trimmed());
    const QStringList names = {"dior", "dete", "vra", "gip", "fil", "ap1", "apx", "ap2"};
    for (const QStringList &row : rows) {
        const TFieldValues key = {{"arkup", couponNumber},
                                  {"code", StrToInt(Cell(row, kCodeColumn).trimmed())},
                                  {"dior", Diorg(row)}};
        TFieldValues fields = {key[0], key[1]};
        AddMatchFields(fields, row, names);
        fields.append({"sim", AcsSign(Cell(row, kSignColumn))});
        fields.append({"scor", NullWhenBlank(Cell(row, kStatAllScoreColumn))});
        const qint64 rowid = StoreRow(db, filter, key, fields);
        const QVariant id = ReadField(db, filter, QStringLiteral("id"), rowid);
        for (qsizetype p = 0; p < titles.size(); ++p) {
            const QString cell = Cell(row, kStatAllFirstPageColumn + int(p));
            TFieldValues values = {{"id", id}, {"param", titles[p]}};
            // A blank value leaves the value stored before.
            if (!Blank(cell))
                values.append({"value", PageValue(cell)});
            StoreRow(db, detail, {{"param", titles[p]}, {"id", id}}, values);
        }
    }
    transaction.Commit();
}

QVariant ParamId(TDatabase &db, const QString &title)
{
    SqliteStatement find(db.Handle(), QStringLiteral("SELECT PRMID FROM TlbParamid WHERE PRMNAME = ?"));
    find.BindAll({title});
    if (find.Step())
        return find.Value(0);
    SqliteStatement last(db.Handle(), QStringLiteral("SELECT COALESCE(MAX(PRMID), 0) + 1 FROM TlbParamid"));
    last.Step();
    const QVariant next = last.Value(0);
    SqliteStatement insert(db.Handle(),
                           QStringLiteral("INSERT INTO TlbParamid (PRMNAME, PRMID) VALUES (?, ?)"));
    insert.BindAll({title, next});
    insert.Execute();
    return next;
}

void ExportSql(const QString &coupon, const QStringList &titles, const TPageRows &rows)
{
    const QString kup = QStringLiteral("TlbKup");
    const QString matches = QStringLiteral("TlbAgones");
    const QString params = QStringLiteral("TlbParam");
    TDatabase db;
    OpenOutsideDatabase(db, QString::fromLatin1(kSqlAlias),
                        {kup, QStringLiteral("TlbParamid"), matches, params});
    TransactionGuard transaction(db);
    const TFieldValues kupKey = {{"ArKup", coupon}};
    const QVariant kupId = ReadField(db, kup, QStringLiteral("KupId"), StoreRow(db, kup, kupKey, kupKey));
    const QStringList names = {"agdior", "agdate", "agtime", "aggip", "agfil", "AGAPO1", "AGAPOX", "AGAPO2"};
    for (const QStringList &row : rows) {
        const TFieldValues key = {
            {"kupId", kupId}, {"agcode", StrToInt(Cell(row, kCodeColumn).trimmed())}, {"agdior", Diorg(row)}};
        TFieldValues fields = {key[0], key[1]};
        AddMatchFields(fields, row, names);
        fields.append(
            {"agsim", Blank(Cell(row, kSignColumn)) ? QVariant() : QVariant(Cell(row, kSignColumn))});
        fields.append({"agscor", NullWhenBlank(Cell(row, kStatAllScoreColumn))});
        const QVariant agId =
            ReadField(db, matches, QStringLiteral("AGID"), StoreRow(db, matches, key, fields));
        for (qsizetype p = 0; p < titles.size(); ++p) {
            const TFieldValues paramKey = {{"AGID", agId}, {"PRMNAMEID", ParamId(db, titles[p])}};
            StoreRow(db, params, paramKey,
                     paramKey +
                         TFieldValues{{"PRMVALUE", PageValue(Cell(row, kStatAllFirstPageColumn + int(p)))}});
        }
    }
    transaction.Commit();
}

bool Run(const char *alias, const QString &couponName, const QStringList &titles, const TPageRows &rows,
         void (*exporter)(const QString &, const QStringList &, const TPageRows &))
{
    const QString coupon = coupons::CouponNumberOf(couponName);
    if (Blank(coupon)) {
        MessageDlg(QString::fromUtf8(kNoKey).arg(couponName, QString::fromLatin1(alias)), mtError, {mbOK});
        return false;
    }
    try {
        exporter(coupon, titles, rows);
    } catch (const Exception &error) {
        MessageDlg(QString::fromUtf8(kFailed).arg(QString::fromLatin1(alias), error.Message()), mtError,
                   {mbOK});
        return false;
    }
    return true;
}

} // namespace

bool ExportStatAllAcs(const QString &couponName, const QStringList &pageTitles, const TPageRows &rows)
{
    return Run(kAcsAlias, couponName, pageTitles, rows, ExportAcs);
}

bool ExportStatAllSql(const QString &couponName, const QStringList &pageTitles, const TPageRows &rows)
{
    return Run(kSqlAlias, couponName, pageTitles, rows, ExportSql);
}

} // namespace tav::couponstats
