#include "coupons/kup_file.h"

#include "platform/core/errors.h"
#include "platform/core/message_service.h"
#include "platform/core/paths.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace tav::coupons {

namespace {

const char *const kReadError = "Σφάλμα στην ανάγνωση του αρχείου ";
const char *const kSaved = "Η απόθηκευση ολοκληρώθηκε.";
const char *const kSaveFailed = "Παρουσιάστηκε σφάλμα στην αποθήκευση του κουπονιού";
const char *const kConfirmCaption = "ΕΠΙΒΕΒΑΙΩΣΗ";
const char *const kConfirmOverwrite =
    "Προσοχή! Η αποθήκευση θα επανεγγράψει το κουπόνι που έχετε φορτώσει! Να συνεχίσω;";

constexpr double kDefaultSpanDays = 3.0;

// Writes whole records into a file that replaces the target only when committed.
class TKupFileWriter
{
public:
    explicit TKupFileWriter(const QString &path) : file_(path)
    {
        if (!file_.open(QIODevice::WriteOnly))
            throw EInOutError(file_.errorString());
    }
    void Write(const QByteArray &record)
    {
        if (file_.write(record) != record.size())
            throw EInOutError(file_.errorString());
    }
    void Commit()
    {
        if (!file_.commit())
            throw EInOutError(file_.errorString());
    }

private:
    QSaveFile file_;
};

bool Blank(const QString &text)
{
    return text.trimmed().isEmpty();
}

void FillDownColumn(QList<TKupRow> &rows, int row, QString TKupRow::*member)
{
    if (!Blank(rows[row].*member))
        return;
    for (int above = row - 1; above >= 0; --above) {
        if (!Blank(rows[above].*member)) {
            rows[row].*member = rows[above].*member;
            return;
        }
    }
}

} // namespace

QString KouponiaFolder()
{
    return ProgramSubfolder(QStringLiteral("Kouponia"));
}

QString MyKouponiaFolder()
{
    return ProgramSubfolder(QStringLiteral("MyKouponia"));
}

QString KupFileName(const QString &number, const QDate &first, const QDate &last)
{
    return number + '_' + first.toString(QStringLiteral("yyyyMMdd")) + '_' +
           last.toString(QStringLiteral("yyyyMMdd")) + QStringLiteral(".kup");
}

bool ConfirmKupOverwrite()
{
    return ApplicationMessageBox(QString::fromUtf8(kConfirmOverwrite), QString::fromUtf8(kConfirmCaption),
                                 MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) == IDYES;
}

QString KupSaveErrorText()
{
    return QString::fromUtf8(kSaveFailed);
}

QString KupReadErrorText(const QString &path)
{
    return QString::fromUtf8(kReadError) + path;
}

bool ReadKupDateRange(const QString &path, QDateTime &from, QDateTime &to, int &kupTag)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.read(kKupRecordSize);
    if (bytes.size() < kKupRecordSize)
        return false;
    const TKupRecord first = DecodeKupRecord(bytes);
    if (first.DateFrom > 0.0) {
        from = KupDaysToDateTime(first.DateFrom);
        to = KupDaysToDateTime(first.DateTo);
    } else {
        from = QDateTime::currentDateTime();
        to = KupDaysToDateTime(DateTimeToKupDays(from) + kDefaultSpanDays);
    }
    kupTag = first.KupTag;
    return true;
}

TKupReadResult ReadKupRecords(const QString &path)
{
    TKupReadResult result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.failed = true;
        return result;
    }
    while (true) {
        const QByteArray bytes = file.read(kKupRecordSize);
        if (bytes.size() < kKupRecordSize) {
            result.failed = file.error() != QFileDevice::NoError;
            return result;
        }
        result.records.append(DecodeKupRecord(bytes));
    }
}

void FillDownKupRows(QList<TKupRow> &rows)
{
    for (int row = 0; row < rows.size(); ++row) {
        FillDownColumn(rows, row, &TKupRow::TimeText);
        FillDownColumn(rows, row, &TKupRow::Diorg);
    }
}

bool WriteUserKup(int number, const QString &fileName, const QDate &first, const QDate &last,
                  const QList<TKupRow> &rows)
{
    const QString folder = MyKouponiaFolder();
    const QString path = JoinPath(folder, fileName);
    if (QFileInfo::exists(path) && !ConfirmKupOverwrite())
        return false;
    try {
        if (!EnsureFolder(folder))
            throw EInOutError(folder);
        TKupFileWriter writer(path);
        for (int row = 0; row < rows.size(); ++row) {
            TKupRecord record;
            if (row == 0) {
                record.DateFrom = DateToKupDays(first);
                record.DateTo = DateToKupDays(last);
                record.KupTag = number;
            }
            TKupRow values = rows[row];
            values.DE1X.clear();
            values.DE12.clear();
            values.DEX2.clear();
            values.HT.clear();
            values.AS.clear();
            values.EE.clear();
            values.PG.clear();
            values.PF.clear();
            writer.Write(EncodeKupRecord(record, values));
        }
        writer.Commit();
    } catch (const Exception &) {
        ShowMessage(QString::fromUtf8(kSaveFailed));
        return false;
    }
    ShowMessage(QString::fromUtf8(kSaved));
    return true;
}

bool SaveKupGrid(const QString &path, const QList<TKupGridRow> &rows)
{
    try {
        const TKupReadResult read = ReadKupRecords(path);
        if (read.failed)
            throw EInOutError(KupReadErrorText(path));
        TKupFileWriter writer(path);
        for (int index = 0; index < read.records.size(); ++index) {
            for (const TKupGridRow &row : rows) {
                if (row.record == index) {
                    writer.Write(EncodeKupRecord(read.records[index], row.values));
                    break;
                }
            }
        }
        writer.Commit();
    } catch (const Exception &) {
        ShowMessage(QString::fromUtf8(kSaveFailed));
        return false;
    }
    ShowMessage(QString::fromUtf8(kSaved));
    return true;
}

} // namespace tav::coupons
