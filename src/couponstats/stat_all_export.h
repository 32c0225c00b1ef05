#pragma once

#include "couponstats/page_rows.h"

#include <QString>
#include <QStringList>

// The summary of all pages written, one coupon at a time, into the two outside databases other
// programs read: "ODBC1" (TLBFILTR, one row a match, and TLBFILTERDITALE, one row a match and page
// value) and "Tavrolin_EA" (TlbKup, TlbAgones, TlbParamid, TlbParam). Both are SQLITE aliases of
// the database engine set up outside the program, which creates neither the databases nor their
// tables. A second export of a coupon updates the rows it finds by key and adds the others;
// nothing is deleted. Each export runs in one transaction: an error (a missing alias, file or
// table, a code or page value that is no whole number, a date that is none) stores nothing and is
// shown in Greek naming it. An empty coupon number is refused before anything is touched. Every
// value is bound. A success shows nothing; both return whether the rows were stored.
namespace tav::couponstats {

// rows: the summary's data rows; pageTitles: the titles of its page columns, from column 15 on.
bool ExportStatAllAcs(const QString &couponName, const QStringList &pageTitles, const TPageRows &rows);
bool ExportStatAllSql(const QString &couponName, const QStringList &pageTitles, const TPageRows &rows);

} // namespace tav::couponstats
