#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

namespace tav::coupons {

// A competition of the match filter's list: a category's Greek name and its competition in the
// first chosen season that has one.
struct TFilterCompetition
{
    QString name;
    int dno = 0;
};

// What the match filter offers for one coupon file.
struct TKupFilterData
{
    QDateTime dateFrom; // the coupon's range; left as given when the file gives none
    QDateTime dateTo;
    int codeFrom = 10000; // the smallest and largest code, from 10000 and 1
    int codeTo = 1;
    QList<TFilterCompetition> competitions; // in the order of their first match, each name once
    bool readFailed = false;                // a record could not be read, or its code is no whole number

    // Widens the code range by a code; false when the code is no whole number.
    bool AddCode(const QString &code);
};

// Reads the coupon's records: each competition code is looked up among the categories (their
// coupon code, exact) and then, season by season in the given order, among the competitions of
// that category. Opens the data module's categories and competitions when closed. On a failure the
// values gathered so far stay.
TKupFilterData LoadFilterKup(const QString &path, const QStringList &seasons, const QDateTime &dateFrom,
                             const QDateTime &dateTo);

} // namespace tav::coupons
