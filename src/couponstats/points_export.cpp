#include "couponstats/points_export.h"

#include "coupons/analysis_database.h"
#include "coupons/proposal_file.h"
#include "couponstats/points_columns.h"
#include "platform/core/errors.h"
#include "platform/core/format.h"
#include "platform/core/message_service.h"
#include "platform/db/database.h"
#include "platform/db/field.h"
#include "platform/db/sqlite_statement.h"
#include "platform/db/table.h"

namespace tav::couponstats {

namespace {

const char *const kTable = "Anal_va_koup";
const char *const kNoKey = "Το όνομα κουπονιού «%1» δεν δίνει αριθμό κουπονιού: η εξαγωγή στον πίνακα "
                           "Anal_va_koup της βάσης AccAnalKoup δεν έγινε.";
const char *const kFailed = "Η εξαγωγή στον πίνακα Anal_va_koup της βάσης AccAnalKoup δεν έγινε και οι "
                            "εγγραφές του κουπονιού έμειναν ως ήταν.\n%1";

// The fields set on every row as text, with their columns (the date and time go as such).
const std::pair<const char *, int> kAlwaysFields[] = {
    {"Dcode", 1}, {"Ddior", 2}, {"Domades", 5}, {"Domades1", 6}, {"Dap1", 7}, {"Dapx", 8}, {"Dap2", 9}};
// The fields set only when their cell is not empty; the proposal, the free column, A/A and the
// check mark stay out.
const std::pair<const char *, int> kOptionalFields[] = {
    {"Dsim", 10}, {"Dga", 12},   {"Dgv", 13},  {"Dgan", 14}, {"Dgai", 15}, {"Dgah", 16}, {"Dg1e", 17},
    {"Dgxe", 18}, {"Dg2e", 19},  {"Dfv", 20},  {"Dfah", 21}, {"Dfai", 22}, {"Dfan", 23}, {"Df1e", 24},
    {"Dfxe", 25}, {"Df2e", 26},  {"Ddv", 27},  {"Dt1", 29},  {"Dtx", 30},  {"Dt2", 31},  {"Ds1", 33},
    {"Dsx", 34},  {"Ds2", 35},   {"Dd1", 36},  {"Ddx", 37},  {"Dd2", 38},  {"Ds1x", 39}, {"Dsx2", 40},
    {"Dtim", 41}, {"Dendf", 42}, {"Dendg", 43}};

void SetText(TTable &table, const char *field, const QString &text)
{
    table.FieldByName(QString::fromLatin1(field)).SetAsString(text);
}

void InsertRow(TTable &table, const QString &key, const QStringList &cells)
{
    table.Insert();
    SetText(table, "DArKup", key);
    table.FieldByName(QStringLiteral("Ddate")).SetValue(StrToDate(cells.value(3)));
    table.FieldByName(QStringLiteral("Dtime")).SetValue(StrToTime(cells.value(4)));
    for (const auto &[field, column] : kAlwaysFields)
        SetText(table, field, cells.value(column));
    for (const auto &[field, column] : kOptionalFields) {
        const QString cell = cells.value(column);
        if (!cell.isEmpty())
            SetText(table, field, cell);
    }
    table.Post();
}

void Export(const QString &key, const TPageRows &rows)
{
    TDatabase database;
    coupons::OpenAnalysisDatabase(database, QString::fromLatin1(kTable));
    TTable table;
    table.SetDatabase(&database);
    table.SetTableName(QString::fromLatin1(kTable));
    TransactionGuard transaction(database);
    SqliteStatement remove(database.Handle(), QStringLiteral("DELETE FROM Anal_va_koup WHERE DArKup = ?1"));
    remove.BindAll({key});
    remove.Execute();
    table.Open();
    for (const QStringList &row : rows)
        InsertRow(table, key, row);
    table.Close();
    transaction.Commit();
}

} // namespace

bool ExportPointsRows(const QString &couponName, const TPageRows &rows)
{
    const QString key = coupons::CouponNumberOf(couponName).trimmed();
    if (key.isEmpty()) {
        MessageDlg(QString::fromUtf8(kNoKey).arg(couponName), mtError, {mbOK});
        return false;
    }
    try {
        Export(key, rows);
    } catch (const Exception &error) {
        MessageDlg(QString::fromUtf8(kFailed).arg(error.Message()), mtError, {mbOK});
        return false;
    }
    return true;
}

} // namespace tav::couponstats
