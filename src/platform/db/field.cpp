#include "platform/db/field.h"

#include "platform/core/format.h"
#include "platform/db/dataset.h"
#include "platform/db/db_errors.h"

#include <QTextBoundaryFinder>

#include <cmath>
#include <limits>

namespace {

const QString IsoTime = QStringLiteral("HH:mm:ss");
const QString IsoDateTime = QStringLiteral("yyyy-MM-dd HH:mm:ss");
// The day the platform's date-times count from; a time alone is a date-time on that day.
// Date-times are plain calendar values (the platform's had no time zone), kept in UTC so that
// no time-zone rules are consulted.
const QDate ZeroDate(1899, 12, 30);

bool IsNumericVariant(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Bool:
        return true;
    default:
        return false;
    }
}

QDate TextToDate(const QString &text, bool &ok)
{
    ok = true;
    const QDate iso = QDate::fromString(text.left(10), Qt::ISODate);
    if (iso.isValid() && text.size() >= 10 && text.at(4) == '-')
        return iso;
    try {
        return StrToDate(text.trimmed().section(' ', 0, 0));
    } catch (const EConvertError &) {
        ok = false;
        return QDate();
    }
}

QTime TextToTime(const QString &text, bool &ok)
{
    ok = true;
    try {
        return StrToTime(text.trimmed());
    } catch (const EConvertError &) {
        ok = false;
        return QTime();
    }
}

} // namespace

TField::TField(TDataSet &dataSet, const QString &fieldName, TFieldType dataType, int size, TFieldKind kind)
    : dataSet_(&dataSet), fieldName_(fieldName), dataType_(dataType), size_(size), kind_(kind)
{
    readOnly_ = dataType == TFieldType::ftAutoInc;
}

int TField::DisplayWidth() const
{
    if (displayWidth_ > 0)
        return displayWidth_;
    switch (dataType_) {
    case TFieldType::ftString:
        return size_ > 0 ? size_ : 20;
    case TFieldType::ftSmallint:
    case TFieldType::ftWord:
        return 6;
    case TFieldType::ftDate:
    case TFieldType::ftTime:
        return 10;
    case TFieldType::ftDateTime:
        return 18;
    case TFieldType::ftBoolean:
        return 5;
    default:
        return 10;
    }
}

void TField::SetLookupResultField(const QString &field)
{
    if (lookupResultField_ == field)
        return;
    lookupResultField_ = field;
    dataSet_->InvalidateCalculatedFields();
}

QList<TLookupItem> TField::LookupList() const
{
    return dataSet_->LookupList(*this);
}

QVariant TField::Value() const
{
    return index_ < 0 ? QVariant() : dataSet_->ActiveValue(index_);
}

void TField::SetValue(const QVariant &value)
{
    dataSet_->SetFieldValue(*this, value);
}

bool TField::IsNull() const
{
    return Value().isNull();
}

QString TField::AsString() const
{
    return ValueToText(Value(), dataType_);
}

int TField::AsInteger() const
{
    const QVariant value = Value();
    if (value.isNull())
        return 0;
    if (value.typeId() == QMetaType::Double)
        return int(std::lround(value.toDouble()));
    if (value.typeId() == QMetaType::QString) {
        int number = 0;
        if (!TryStrToInt(value.toString(), number))
            throw EDatabaseError(QStringLiteral("'%1' δεν είναι έγκυρη τιμή για το πεδίο '%2'")
                                     .arg(value.toString(), fieldName_));
        return number;
    }
    return value.toInt();
}

double TField::AsFloat() const
{
    const QVariant value = Value();
    if (value.isNull())
        return 0;
    if (value.typeId() == QMetaType::QString) {
        try {
            return StrToFloat(value.toString());
        } catch (const EConvertError &) {
            throw EDatabaseError(QStringLiteral("'%1' δεν είναι έγκυρη τιμή για το πεδίο '%2'")
                                     .arg(value.toString(), fieldName_));
        }
    }
    return value.toDouble();
}

QDateTime TField::AsDateTime() const
{
    const QVariant value = Value();
    switch (value.typeId()) {
    case QMetaType::QDate:
        return QDateTime(value.toDate(), QTime(0, 0), Qt::UTC);
    case QMetaType::QTime:
        return QDateTime(ZeroDate, value.toTime(), Qt::UTC);
    case QMetaType::QDateTime:
        return value.toDateTime();
    case QMetaType::QString: {
        const QVariant converted = Convert(value);
        return converted.toDateTime();
    }
    default:
        return QDateTime();
    }
}

bool TField::AsBoolean() const
{
    const QVariant value = Value();
    if (value.typeId() == QMetaType::QString) {
        const QString text = value.toString().trimmed().toUpper();
        return text.startsWith('T') || text == QLatin1String("1");
    }
    return !value.isNull() && value.toBool();
}

QString TField::DisplayText() const
{
    QString text;
    const QVariant value = Value();
    if (!displayFormat_.isEmpty() && !value.isNull()) {
        switch (dataType_) {
        case TFieldType::ftDate:
        case TFieldType::ftTime:
        case TFieldType::ftDateTime:
            text = FormatDateTime(displayFormat_, AsDateTime());
            break;
        case TFieldType::ftFloat:
        case TFieldType::ftCurrency:
        case TFieldType::ftInteger:
        case TFieldType::ftSmallint:
        case TFieldType::ftWord:
        case TFieldType::ftAutoInc:
            text = FormatFloat(displayFormat_, AsFloat());
            break;
        default:
            text = AsString();
        }
    } else {
        text = AsString();
    }
    if (OnGetText)
        OnGetText(const_cast<TField &>(*this), text, true);
    return text;
}

QString TField::Text() const
{
    QString text = AsString();
    if (OnGetText)
        OnGetText(const_cast<TField &>(*this), text, false);
    return text;
}

QString TField::ValueToText(const QVariant &value, TFieldType type)
{
    if (value.isNull())
        return QString();
    switch (value.typeId()) {
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case QMetaType::Double:
        return FloatToStr(value.toDouble());
    case QMetaType::QDate:
        return DateToStr(value.toDate());
    case QMetaType::QTime:
        return TimeToStr(value.toTime());
    case QMetaType::QDateTime: {
        const QDateTime dateTime = value.toDateTime();
        if (type == TFieldType::ftTime)
            return TimeToStr(dateTime.time());
        if (dateTime.time() == QTime(0, 0))
            return DateToStr(dateTime.date());
        return DateToStr(dateTime.date()) + ' ' + TimeToStr(dateTime.time());
    }
    case QMetaType::QByteArray:
        return QString::fromUtf8(value.toByteArray());
    default:
        return value.toString();
    }
}

QString TField::TableLabel() const
{
    return dataSet_->DisplayTableName();
}

void TField::RaiseInvalid(const QVariant &value) const
{
    throw EDatabaseError(QStringLiteral("'%1' δεν είναι έγκυρη τιμή για το πεδίο '%2'")
                             .arg(ValueToText(value, dataType_), fieldName_));
}

QVariant TField::Convert(const QVariant &value) const
{
    if (!value.isValid() || value.isNull())
        return QVariant();
    const bool isText = value.typeId() == QMetaType::QString;
    const QString text = isText ? value.toString() : QString();
    // An empty text empties a field that holds no text.
    if (isText && dataType_ != TFieldType::ftString && dataType_ != TFieldType::ftMemo &&
        text.trimmed().isEmpty())
        return QVariant();
    auto tooLarge = [&]() {
        throw EDatabaseError(QStringLiteral("Η τιμή είναι πολύ μεγάλη για το πεδίο '%1' του πίνακα %2")
                                 .arg(fieldName_, TableLabel()));
    };
    switch (dataType_) {
    case TFieldType::ftAutoInc:
    case TFieldType::ftInteger:
    case TFieldType::ftSmallint:
    case TFieldType::ftWord: {
        qint64 number = 0;
        if (isText) {
            int parsed = 0;
            if (!TryStrToInt(text, parsed))
                RaiseInvalid(value);
            number = parsed;
        } else if (value.typeId() == QMetaType::Double || value.typeId() == QMetaType::Float) {
            const double real = value.toDouble();
            if (!std::isfinite(real) || std::fabs(real) > 9.2e18)
                tooLarge();
            number = std::llround(real);
        } else if (IsNumericVariant(value)) {
            number = value.toLongLong();
        } else {
            RaiseInvalid(value);
        }
        qint64 low = std::numeric_limits<qint32>::min();
        qint64 high = std::numeric_limits<qint32>::max();
        if (dataType_ == TFieldType::ftSmallint) {
            low = -32768;
            high = 32767;
        } else if (dataType_ == TFieldType::ftWord) {
            low = 0;
            high = 65535;
        }
        if (number < low || number > high)
            tooLarge();
        return QVariant(int(number));
    }
    case TFieldType::ftFloat:
    case TFieldType::ftCurrency: {
        if (isText) {
            try {
                return QVariant(StrToFloat(text));
            } catch (const EConvertError &) {
                RaiseInvalid(value);
            }
        }
        if (!IsNumericVariant(value))
            RaiseInvalid(value);
        return QVariant(value.toDouble());
    }
    case TFieldType::ftBoolean: {
        if (isText) {
            const QString upper = text.trimmed().toUpper();
            if (upper == QLatin1String("TRUE") || upper == QLatin1String("T") || upper == QLatin1String("1"))
                return QVariant(true);
            if (upper == QLatin1String("FALSE") || upper == QLatin1String("F") || upper == QLatin1String("0"))
                return QVariant(false);
            RaiseInvalid(value);
        }
        if (!IsNumericVariant(value))
            RaiseInvalid(value);
        return QVariant(value.toBool());
    }
    case TFieldType::ftDate: {
        QDate date;
        if (isText) {
            bool ok = false;
            date = TextToDate(text, ok);
            if (!ok)
                RaiseInvalid(value);
        } else if (value.typeId() == QMetaType::QDate) {
            date = value.toDate();
        } else if (value.typeId() == QMetaType::QDateTime) {
            date = value.toDateTime().date();
        } else {
            RaiseInvalid(value);
        }
        if (!date.isValid())
            RaiseInvalid(value);
        return QVariant(date);
    }
    case TFieldType::ftTime: {
        QTime time;
        if (isText) {
            bool ok = false;
            time = TextToTime(text, ok);
            if (!ok)
                RaiseInvalid(value);
        } else if (value.typeId() == QMetaType::QTime) {
            time = value.toTime();
        } else if (value.typeId() == QMetaType::QDateTime) {
            time = value.toDateTime().time();
        } else {
            RaiseInvalid(value);
        }
        if (!time.isValid())
            RaiseInvalid(value);
        return QVariant(time);
    }
    case TFieldType::ftDateTime: {
        QDateTime dateTime;
        if (isText) {
            dateTime = QDateTime::fromString(text.trimmed(), IsoDateTime);
            dateTime.setTimeSpec(Qt::UTC);
            if (!dateTime.isValid()) {
                bool dateOk = false;
                bool timeOk = true;
                const QString trimmed = text.trimmed();
                const QDate date = TextToDate(trimmed.section(' ', 0, 0), dateOk);
                const QString timeText = trimmed.section(' ', 1).trimmed();
                const QTime time = timeText.isEmpty() ? QTime(0, 0) : TextToTime(timeText, timeOk);
                if (!dateOk || !timeOk)
                    RaiseInvalid(value);
                dateTime = QDateTime(date, time, Qt::UTC);
            }
        } else if (value.typeId() == QMetaType::QDateTime) {
            dateTime = value.toDateTime();
        } else if (value.typeId() == QMetaType::QDate) {
            dateTime = QDateTime(value.toDate(), QTime(0, 0), Qt::UTC);
        } else {
            RaiseInvalid(value);
        }
        if (!dateTime.isValid())
            RaiseInvalid(value);
        return QVariant(dateTime);
    }
    case TFieldType::ftString:
    case TFieldType::ftMemo: {
        const QString converted = isText ? text : ValueToText(value, dataType_);
        if (dataType_ == TFieldType::ftString && size_ > 0 && converted.size() > size_)
            tooLarge();
        return QVariant(converted);
    }
    case TFieldType::ftBlob:
    case TFieldType::ftGraphic:
        return QVariant(value.typeId() == QMetaType::QByteArray ? value.toByteArray()
                                                                : value.toString().toUtf8());
    case TFieldType::ftUnknown:
        break;
    }
    return value;
}

QString TextCutToSize(const QString &text, int size)
{
    if (size <= 0 || text.size() <= size)
        return text;
    QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, text);
    characters.setPosition(size);
    if (!characters.isAtBoundary())
        characters.toPreviousBoundary();
    return text.left(characters.position());
}

QVariant FieldValueToStorage(const QVariant &value, TFieldType type)
{
    if (value.isNull())
        return QVariant();
    switch (value.typeId()) {
    case QMetaType::Bool:
        return QVariant(qint64(value.toBool() ? 1 : 0));
    case QMetaType::QDate:
        return QVariant(value.toDate().toString(Qt::ISODate));
    case QMetaType::QTime:
        return QVariant(value.toTime().toString(IsoTime));
    case QMetaType::QDateTime:
        if (type == TFieldType::ftDate)
            return QVariant(value.toDateTime().date().toString(Qt::ISODate));
        if (type == TFieldType::ftTime)
            return QVariant(value.toDateTime().time().toString(IsoTime));
        return QVariant(value.toDateTime().toString(IsoDateTime));
    default:
        return value;
    }
}
