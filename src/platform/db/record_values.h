#pragma once

#include "platform/db/field_type.h"

#include <QByteArray>
#include <QList>
#include <QVariant>
#include <QVector>

class SqliteStatement;

// The field values of one record. Values read from the database are kept as SQLite gave them
// (a number, or the bytes of a text) and turned into the field's type only when read: a walk
// that reads a few fields of each record pays for those alone. Copies share their data.
class TRecordValues
{
public:
    int size() const { return int(cells_.size()); }
    // New places are empty (null).
    void resize(int count);
    // The value in the field's own type (see TField::Value); null out of range.
    QVariant at(int index) const { return value(index); }
    QVariant value(int index) const;
    bool isNull(int index) const;
    void set(int index, const QVariant &value);
    // Keeps column `column` of the statement's current row for a field of this type.
    void setStored(int index, const SqliteStatement &statement, int column, TFieldType type);

private:
    enum class Kind : quint8
    {
        Empty,
        Integer,
        Real,
        Text,
        Blob,
        Value,
    };
    // Texts this short stay in their cell (dates, times, short names).
    static constexpr int InlineText = 16;
    struct Cell
    {
        Kind kind = Kind::Empty;
        TFieldType type = TFieldType::ftUnknown;
        // Longer texts and blobs: where their bytes are in bytes_; a set value: its place in values_.
        int offset = 0;
        int length = 0;
        union {
            qint64 integer = 0;
            double real;
            char text[InlineText];
        };
        const char *Bytes(const QByteArray &bytes) const
        {
            return length <= InlineText && kind == Kind::Text ? text : bytes.constData() + offset;
        }
    };

    QVector<Cell> cells_;
    QByteArray bytes_;
    QList<QVariant> values_;
};
