#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace tav::coupons {

// A proposal file: in code page 1253 with CRLF line ends, line 1 the coupon number, then one line
// per proposed match "code,sign" (the statistics pages add further fields), then the two comment
// lines "#3 ΣΥΣΤΗΜΑ" and "#3 ΕΠΙΤΥΧΙΕΣ". Readers skip every line holding "#".
struct TProposalLine
{
    QString code;
    QString sign;
    QStringList extra; // the fields after the sign
};

struct TProposalFile
{
    QString couponNumber;
    QList<TProposalLine> lines;
};

// "PROTASEIS" under the program folder; not created here.
QString ProposalFolder();

// The coupon number of a coupon file name: the text before its first "_", empty without one.
QString CouponNumberOf(const QString &kupFileName);

// Writes the file whole (EInOutError when it cannot): lines as given, code untouched.
void WriteProposalFile(const QString &path, const TProposalFile &proposal);

// Reads the file (EInOutError when it cannot): the code is the text before the first ",", the sign
// the text after it up to the next ",", the rest the extra fields; nothing is trimmed. A line
// without "," gives a code and an empty sign; empty lines are skipped.
TProposalFile ReadProposalFile(const QString &path);

// The name of the first coupon file in the folder named number + "_" + anything + ".kup", by name
// order; empty when there is none (coupon 12 never finds 123_...).
QString FindCouponFile(const QString &folder, const QString &couponNumber);

} // namespace tav::coupons
