#include "coupons/analysis_export.h"

#include "coupons/analysis_database.h"
#include "coupons/analysis_grid.h"
#include "coupons/proposal_file.h"
#include "platform/core/errors.h"
#include "platform/core/format.h"
#include "platform/core/message_service.h"
#include "platform/db/database.h"
#include "platform/db/field.h"
#include "platform/db/sqlite_statement.h"
#include "platform/db/table.h"

namespace tav::coupons {

namespace {

const char *const kTable = "AnalKoup";
const char *const kNoKey = "Δεν έχει επιλεγεί κουπόνι (ο τίτλος «%1» δεν δίνει αριθμό κουπονιού): "
                           "η εξαγωγή στη βάση AccAnalKoup δεν έγινε.";
const char *const kFailed = "Η εξαγωγή στον πίνακα AnalKoup της βάσης AccAnalKoup δεν έγινε και οι "
                            "εγγραφές του κουπονιού έμειναν ως ήταν.\n%1";

// The fields of the cells exported only when the cell is not empty, in their column order from
// "Τελ. Φ." to "ΣΗΜ".
const char *const kOptionalFields[] = {"DGGIP", "DGFIL", "Dan1", "Danx", "Dan2", "Dpr1", "Dprx", "Dpr2",
                                       "Dpl1",  "Dplx",  "Dpl2", "D1",   "Dx",   "D2",   "Dsim"};
// The fields of the cells exported always, from "ΚΩΔ OΠΑΠ" to "AΠ 2".
const char *const kAlwaysFields[] = {"Dcode", "Dp1", "Dpx", "Dp2", "Dap1", "Dapx", "Dap2"};

void SetText(TTable &table, const char *field, const QString &text)
{
    table.FieldByName(QString::fromLatin1(field)).SetAsString(text);
}

void InsertRow(TTable &table, const QString &key, const QStringList &cells)
{
    table.Insert();
    SetText(table, "DArKup", key);
    table.FieldByName(QStringLiteral("Ddate")).SetValue(StrToDate(cells.value(AnDate)));
    table.FieldByName(QStringLiteral("Dtime")).SetValue(StrToTime(cells.value(AnTime)));
    SetText(table, "Ddior", cells.value(AnDiorg));
    SetText(table, "Domades", cells.value(AnTeams));
    int column = AnHomeGoals;
    for (const char *field : kOptionalFields) {
        const QString cell = cells.value(column++);
        if (!cell.isEmpty())
            SetText(table, field, cell);
    }
    column = AnOpapCode;
    for (const char *field : kAlwaysFields)
        SetText(table, field, cells.value(column++));
    table.Post();
}

void Export(const QString &key, const QList<QStringList> &grid)
{
    TDatabase database;
    OpenAnalysisDatabase(database, QString::fromLatin1(kTable));
    TTable table;
    table.SetDatabase(&database);
    table.SetTableName(QString::fromLatin1(kTable));
    TransactionGuard transaction(database);
    SqliteStatement remove(database.Handle(), QStringLiteral("DELETE FROM AnalKoup WHERE DArKup = ?1"));
    remove.BindAll({key});
    remove.Execute();
    table.Open();
    for (qsizetype row = 1; row < grid.size(); ++row)
        InsertRow(table, key, grid[row]);
    table.Close();
    transaction.Commit();
}

} // namespace

QString AnalysisExportKey(const QString &groupCaption)
{
    return CouponNumberOf(groupCaption);
}

bool ExportAnalysisGrid(const QString &groupCaption, const QList<QStringList> &grid)
{
    const QString key = AnalysisExportKey(groupCaption);
    if (key.trimmed().isEmpty()) {
        MessageDlg(QString::fromUtf8(kNoKey).arg(groupCaption), mtError, {mbOK});
        return false;
    }
    try {
        Export(key, grid);
    } catch (const Exception &error) {
        MessageDlg(QString::fromUtf8(kFailed).arg(error.Message()), mtError, {mbOK});
        return false;
    }
    return true;
}

} // namespace tav::coupons
