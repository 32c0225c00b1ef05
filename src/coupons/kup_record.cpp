#include "coupons/kup_record.h"

#include "platform/core/codepage.h"
#include "platform/core/errors.h"

#include <QtEndian>

#include <cmath>
#include <cstring>

namespace tav::coupons {

namespace {

const char *const kBadMatchDate = "Η ημερομηνία του αγώνα με κωδικό '%1' δεν είναι έγκυρη";

const QDate kDayZero(1899, 12, 30);
constexpr double kSecondsPerDay = 86400.0;

// Where each field lies and how many characters a text field holds.
struct TTextField
{
    int offset;
    int capacity;
    QString TKupRow::*member;
};

const TTextField kTextFields[] = {
    {16, 3, &TKupRow::Code},  {20, 3, &TKupRow::EE},         {24, 40, &TKupRow::Home},
    {65, 40, &TKupRow::Away}, {106, 40, &TKupRow::TimeText}, {147, 10, &TKupRow::Diorg},
    {158, 10, &TKupRow::HT},  {169, 10, &TKupRow::AS},       {180, 10, &TKupRow::Score},
    {191, 10, &TKupRow::PG},  {202, 10, &TKupRow::PF},       {224, 8, &TKupRow::DE12},
    {233, 8, &TKupRow::OddX}, {242, 8, &TKupRow::Odd2},      {251, 8, &TKupRow::Odd1},
    {260, 8, &TKupRow::DE1X}, {269, 8, &TKupRow::DEX2},      {312, 1, &TKupRow::Sign},
};

constexpr int kDateFromAt = 0;
constexpr int kDateToAt = 8;
constexpr int kMatchDateAt = 216;
constexpr int kKupTagAt = 308;

QString ReadText(const QByteArray &bytes, int offset, int capacity)
{
    const int length = qMin(int(quint8(bytes[offset])), capacity);
    return FromCodePage(bytes.mid(offset + 1, length), CodePage::Windows1253);
}

void PutText(QByteArray &bytes, int offset, int capacity, const QString &text)
{
    const QByteArray encoded = ToCodePage(text, CodePage::Windows1253).left(capacity);
    std::memset(bytes.data() + offset, 0, capacity + 1);
    bytes[offset] = char(encoded.size());
    std::memcpy(bytes.data() + offset + 1, encoded.constData(), encoded.size());
}

double ReadDouble(const QByteArray &bytes, int offset)
{
    return qFromLittleEndian<double>(bytes.constData() + offset);
}

void PutDouble(QByteArray &bytes, int offset, double value)
{
    qToLittleEndian<double>(value, bytes.data() + offset);
}

} // namespace

double DateToKupDays(const QDate &date)
{
    return double(kDayZero.daysTo(date));
}

double DateTimeToKupDays(const QDateTime &moment)
{
    return DateToKupDays(moment.date()) + moment.time().msecsSinceStartOfDay() / 1000.0 / kSecondsPerDay;
}

QDate KupDaysToDate(double days)
{
    if (!std::isfinite(days) || std::fabs(days) > 3.0e6)
        return {};
    return kDayZero.addDays(qint64(std::trunc(days)));
}

QDateTime KupDaysToDateTime(double days)
{
    const QDate date = KupDaysToDate(days);
    if (!date.isValid())
        return {};
    const double fraction = std::fabs(days - std::trunc(days));
    return QDateTime(date, QTime(0, 0).addMSecs(int(std::round(fraction * kSecondsPerDay * 1000.0))));
}

TKupRecord DecodeKupRecord(const QByteArray &bytes)
{
    TKupRecord record;
    record.Bytes = bytes.left(kKupRecordSize);
    record.Bytes.resize(kKupRecordSize, '\0');
    for (const TTextField &field : kTextFields)
        record.Row.*field.member = ReadText(record.Bytes, field.offset, field.capacity);
    record.DateFrom = ReadDouble(record.Bytes, kDateFromAt);
    record.DateTo = ReadDouble(record.Bytes, kDateToAt);
    record.MatchDate = ReadDouble(record.Bytes, kMatchDateAt);
    record.Row.MatchDate = KupDaysToDate(record.MatchDate);
    record.KupTag = qFromLittleEndian<qint32>(record.Bytes.constData() + kKupTagAt);
    return record;
}

QByteArray EncodeKupRecord(const TKupRecord &record, const TKupRow &row)
{
    QByteArray bytes = record.Bytes;
    if (bytes.size() != kKupRecordSize)
        bytes = QByteArray(kKupRecordSize, '\0');
    if (!row.MatchDate.isValid())
        throw EConvertError(QString::fromUtf8(kBadMatchDate).arg(row.Code.trimmed()));
    for (const TTextField &field : kTextFields) {
        const QString &text = row.*field.member;
        if (ReadText(bytes, field.offset, field.capacity) != text.left(field.capacity))
            PutText(bytes, field.offset, field.capacity, text);
    }
    if (KupDaysToDate(ReadDouble(bytes, kMatchDateAt)) != row.MatchDate)
        PutDouble(bytes, kMatchDateAt, DateToKupDays(row.MatchDate));
    PutDouble(bytes, kDateFromAt, record.DateFrom);
    PutDouble(bytes, kDateToAt, record.DateTo);
    qToLittleEndian<qint32>(record.KupTag, bytes.data() + kKupTagAt);
    return bytes;
}

} // namespace tav::coupons
