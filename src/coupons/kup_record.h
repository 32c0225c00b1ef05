#pragma once

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QString>

#include <cstdint>

namespace tav::coupons {

// One match of a coupon file: 488 bytes, numbers little-endian, texts as a length byte followed by
// code page 1253 characters. The first record of a file also carries the coupon's first and last
// day and its number; later records hold zero there.
constexpr int kKupRecordSize = 488;

// The values of one match as a grid row shows them: the nineteen texts and the match date that
// the rewrite of a coupon replaces, and that a new user coupon is made of.
struct TKupRow
{
    QString Code;
    QString EE;
    QString Home;
    QString Away;
    QString TimeText;
    QString Diorg;
    QString HT;
    QString AS;
    QString Score;
    QString PG;
    QString PF;
    QDate MatchDate;
    QString DE12;
    QString OddX;
    QString Odd2;
    QString Odd1;
    QString DE1X;
    QString DEX2;
    QString Sign;
};

// A record as read: the match values, the coupon's range and number, and its own bytes, so that a
// rewrite keeps whatever it does not change (reserved bytes, characters after a text's length).
struct TKupRecord
{
    double DateFrom = 0.0; // days since 30/12/1899, the fraction the time of day
    double DateTo = 0.0;
    std::int32_t KupTag = 0;
    double MatchDate = 0.0;
    TKupRow Row; // MatchDate: the day part of the stored date
    QByteArray Bytes;
};

TKupRecord DecodeKupRecord(const QByteArray &bytes);

// The bytes of the record with its row's values put in: a field whose stored value already equals
// the row's keeps its bytes, a changed one is written anew with zero after its text. Starts from
// the record's own bytes (488 zero bytes for a new one). A text longer than its field keeps its
// first characters; a match date that is not valid raises EConvertError.
QByteArray EncodeKupRecord(const TKupRecord &record, const TKupRow &row);

// Day counts as the coupon files store them.
double DateToKupDays(const QDate &date);
double DateTimeToKupDays(const QDateTime &moment);
QDate KupDaysToDate(double days);
QDateTime KupDaysToDateTime(double days);

} // namespace tav::coupons
