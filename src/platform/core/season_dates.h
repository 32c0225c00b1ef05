#pragma once

#include <QDate>
#include <QString>

// A date written as the number yyyymmdd (a coupon file's dates) as "dddd dd/mm/yyyy" text,
// for example 20030105 gives "Κυριακή 05/01/2003". A value that is no whole number or forms no
// valid date raises EConvertError.
QString YmdToDateText(double ymd);

double AddFloat(double a, double b);

// First and last day of a season text: "2003" is 1/1/2003 to 31/12/2003, "2002-03" and
// "2002-2003" are 1/1/2002 to 31/12/2003, and a two-digit second year below the first year's
// last two digits lies in the next century ("1999-00" ends on 31/12/2000). A text that is no
// season gives 1/1/1910 to 31/12/2100; nothing is raised.
void PeriodToDates(const QString &season, QDate &first, QDate &last);
