#pragma once

#include "coupons/kup_record.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>

#include <functional>

namespace tav::coupons {

// "Kouponia" (downloaded and copied coupons) and "MyKouponia" (the user's) under the program
// folder; neither is created here.
QString KouponiaFolder();
QString MyKouponiaFolder();

// number + "_" + first day + "_" + last day + ".kup", days as yyyymmdd: 1234_20040305_20040308.kup.
QString KupFileName(const QString &number, const QDate &first, const QDate &last);

// The message of a coupon file that cannot be read to its end: "Σφάλμα στην ανάγνωση του αρχείου "
// followed by the file name.
QString KupReadErrorText(const QString &path);

// The message of a coupon that cannot be saved: "Παρουσιάστηκε σφάλμα στην αποθήκευση του κουπονιού".
QString KupSaveErrorText();

// Asks whether the loaded coupon may be written over ("Προσοχή! Η αποθήκευση θα επανεγγράψει το
// κουπόνι που έχετε φορτώσει! Να συνεχίσω;", No by default); true for Yes.
bool ConfirmKupOverwrite();

// The coupon's first and last day and number from the file's first record. A first record
// without a first day gives now .. now + 3 days (its number still read). False, with the three
// values untouched, when the file cannot be opened or holds no whole record.
bool ReadKupDateRange(const QString &path, QDateTime &from, QDateTime &to, int &kupTag);

// The whole records of the file in order; a part shorter than a record at its end is not read.
struct TKupReadResult
{
    QList<TKupRecord> records; // those read before a failure
    bool failed = false;       // the file could not be opened or read to its end
};
TKupReadResult ReadKupRecords(const QString &path);

// A blank kick-off time or competition (blank after trimming) means the one of the match above:
// each row takes the nearest non-blank cell above it, the time before the competition. A blank in
// the first row stays blank.
void FillDownKupRows(QList<TKupRow> &rows);

// A new coupon file in MyKouponia (created when missing): record 1 carries the coupon's days and
// number, each row one record, the double-chance and viewer-only fields left empty. Asks before it
// replaces a coupon of that name; the file appears only once it is complete, so a failure leaves
// any earlier coupon of that name whole. Reports the outcome; true when the file was written.
bool WriteUserKup(int number, const QString &fileName, const QDate &first, const QDate &last,
                  const QList<TKupRow> &rows);

// A grid row of a loaded coupon: the record it was loaded from (0 for the first) and its values.
struct TKupGridRow
{
    int record = -1;
    TKupRow values;
};

// Rewrites the coupon file from the rows loaded from it: every record with a row takes that row's
// values (its days, number and reserved bytes stay), a record without one is dropped. The new file
// replaces the old one only once it is complete, so a failure keeps the coupon as it was. Reports
// the outcome; true when the file was rewritten.
bool SaveKupGrid(const QString &path, const QList<TKupGridRow> &rows);

} // namespace tav::coupons
