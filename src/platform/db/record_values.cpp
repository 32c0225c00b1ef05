#include "platform/db/record_values.h"

#include "platform/db/sqlite_statement.h"

#include <QDate>
#include <QDateTime>
#include <QTime>

#include <sqlite3.h>

#include <cstring>

namespace {

const QString IsoTime = QStringLiteral("HH:mm:ss");
const QString IsoDateTime = QStringLiteral("yyyy-MM-dd HH:mm:ss");

int Digits(const char *text, int count)
{
    int number = 0;
    for (int i = 0; i < count; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return -1;
        number = number * 10 + (text[i] - '0');
    }
    return number;
}

// Stored dates are "YYYY-MM-DD" (a date-time text starts so): read straight from the bytes.
QDate StoredDate(const char *text, int length)
{
    if (length >= 10 && text[4] == '-' && text[7] == '-') {
        const int year = Digits(text, 4);
        const int month = Digits(text + 5, 2);
        const int day = Digits(text + 8, 2);
        if (year >= 0 && month >= 0 && day >= 0)
            return QDate(year, month, day);
    }
    return QDate::fromString(QString::fromUtf8(text, length).left(10), Qt::ISODate);
}

QVariant TextValue(const char *text, int length, TFieldType type)
{
    switch (type) {
    case TFieldType::ftDate: {
        const QDate date = StoredDate(text, length);
        return date.isValid() ? QVariant(date) : QVariant();
    }
    case TFieldType::ftTime: {
        const QString value = QString::fromUtf8(text, length);
        QTime time = QTime::fromString(value, IsoTime);
        if (!time.isValid())
            time = QTime::fromString(value, QStringLiteral("HH:mm"));
        return time.isValid() ? QVariant(time) : QVariant();
    }
    case TFieldType::ftDateTime: {
        const QString value = QString::fromUtf8(text, length);
        QDateTime dateTime = QDateTime::fromString(value, IsoDateTime);
        dateTime.setTimeSpec(Qt::UTC);
        if (!dateTime.isValid())
            dateTime = QDateTime(QDate::fromString(value.left(10), Qt::ISODate), QTime(0, 0), Qt::UTC);
        return dateTime.isValid() ? QVariant(dateTime) : QVariant();
    }
    default:
        return QVariant(QString::fromUtf8(text, length));
    }
}

} // namespace

void TRecordValues::resize(int count)
{
    cells_.resize(count);
}

bool TRecordValues::isNull(int index) const
{
    if (index < 0 || index >= cells_.size())
        return true;
    const Cell &cell = cells_.at(index);
    return cell.kind == Kind::Empty || (cell.kind == Kind::Value && values_.at(cell.offset).isNull());
}

QVariant TRecordValues::value(int index) const
{
    if (index < 0 || index >= cells_.size())
        return QVariant();
    const Cell &cell = cells_.at(index);
    switch (cell.kind) {
    case Kind::Empty:
        return QVariant();
    case Kind::Integer:
        switch (cell.type) {
        case TFieldType::ftBoolean:
            return QVariant(cell.integer != 0);
        case TFieldType::ftUnknown:
            return QVariant(cell.integer);
        default:
            return QVariant(int(cell.integer));
        }
    case Kind::Real:
        return QVariant(cell.real);
    case Kind::Text:
        return TextValue(cell.Bytes(bytes_), cell.length, cell.type);
    case Kind::Blob:
        return QVariant(bytes_.mid(cell.offset, cell.length));
    case Kind::Value:
        return values_.at(cell.offset);
    }
    return QVariant();
}

void TRecordValues::set(int index, const QVariant &value)
{
    Cell &cell = cells_[index];
    if (cell.kind != Kind::Value) {
        cell.kind = Kind::Value;
        cell.offset = int(values_.size());
        values_.append(value);
        return;
    }
    values_[cell.offset] = value;
}

void TRecordValues::setStored(int index, const SqliteStatement &statement, int column, TFieldType type)
{
    Cell &cell = cells_[index];
    cell.type = type;
    // One call finds the column; reading its kind and value from it takes no further checks.
    sqlite3_value *value = sqlite3_column_value(statement.Handle(), column);
    const int stored = sqlite3_value_type(value);
    if (stored == SQLITE_NULL) {
        cell.kind = Kind::Empty;
        return;
    }
    // The value is taken in the kind the field reads, SQLite converting as it does for a
    // column of another kind.
    switch (type) {
    case TFieldType::ftAutoInc:
    case TFieldType::ftInteger:
    case TFieldType::ftSmallint:
    case TFieldType::ftWord:
    case TFieldType::ftBoolean:
        cell.kind = Kind::Integer;
        cell.integer = sqlite3_value_int64(value);
        return;
    case TFieldType::ftFloat:
    case TFieldType::ftCurrency:
        cell.kind = Kind::Real;
        cell.real = sqlite3_value_double(value);
        return;
    case TFieldType::ftBlob:
    case TFieldType::ftGraphic: {
        const auto *data = static_cast<const char *>(sqlite3_value_blob(value));
        cell.kind = Kind::Blob;
        cell.length = sqlite3_value_bytes(value);
        cell.offset = int(bytes_.size());
        bytes_.append(data, cell.length);
        return;
    }
    case TFieldType::ftUnknown:
        if (stored == SQLITE_INTEGER) {
            cell.kind = Kind::Integer;
            cell.integer = sqlite3_value_int64(value);
            return;
        }
        if (stored == SQLITE_FLOAT) {
            cell.kind = Kind::Real;
            cell.real = sqlite3_value_double(value);
            return;
        }
        if (stored == SQLITE_BLOB) {
            setStored(index, statement, column, TFieldType::ftBlob);
            cell.type = TFieldType::ftUnknown;
            return;
        }
        break;
    default:
        break;
    }
    const auto *text = reinterpret_cast<const char *>(sqlite3_value_text(value));
    cell.kind = Kind::Text;
    cell.length = sqlite3_value_bytes(value);
    if (cell.length <= InlineText) {
        std::memcpy(cell.text, text, size_t(cell.length));
        return;
    }
    cell.offset = int(bytes_.size());
    bytes_.append(text, cell.length);
}
