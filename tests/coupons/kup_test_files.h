#pragma once

#include "coupons/kup_record.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <gtest/gtest.h>

// Coupon files of whole or cut records, written byte by byte for the readers under test.
inline void WriteBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

inline QByteArray ReadBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline tav::coupons::TKupRow KupRow(const QString &code, const QDate &date, const QString &time,
                                    const QString &diorg, const QString &home, const QString &away)
{
    tav::coupons::TKupRow row;
    row.Code = code;
    row.MatchDate = date;
    row.TimeText = time;
    row.Diorg = diorg;
    row.Home = home;
    row.Away = away;
    return row;
}

// A record with the values and, when first, the coupon's days and number.
inline QByteArray KupBytes(const tav::coupons::TKupRow &row, double from = 0.0, double to = 0.0, int tag = 0)
{
    tav::coupons::TKupRecord record;
    record.DateFrom = from;
    record.DateTo = to;
    record.KupTag = tag;
    return tav::coupons::EncodeKupRecord(record, row);
}
