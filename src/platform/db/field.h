#pragma once

#include "platform/db/field_type.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QVariant>

#include <functional>

class TDataSet;
class TField;

enum class TFieldKind
{
    fkData,
    fkCalculated,
    fkLookup,
};

using TFieldGetTextEvent = std::function<void(TField &sender, QString &text, bool displayText)>;

// One value a lookup field offers: the key it stands for and the text it shows.
struct TLookupItem
{
    QVariant key;
    QString text;
    friend bool operator==(const TLookupItem &, const TLookupItem &) = default;
};

// One field of a dataset: a column of the table or query, a calculated field (filled by the
// dataset's OnCalcFields) or a lookup field (the result field of the lookup dataset's record
// whose key fields equal this record's key fields). The value is read from and written to the
// dataset's active record; NULL stays distinct from 0 and "".
class TField
{
public:
    TField(TDataSet &dataSet, const QString &fieldName, TFieldType dataType, int size, TFieldKind kind);
    TField(const TField &) = delete;
    TField &operator=(const TField &) = delete;

    TDataSet &DataSet() const { return *dataSet_; }
    QString FieldName() const { return fieldName_; }
    TFieldType DataType() const { return dataType_; }
    int Size() const { return size_; }
    TFieldKind FieldKind() const { return kind_; }
    // The position in the dataset's Fields.
    int Index() const { return index_; }
    bool IsDataField() const { return kind_ == TFieldKind::fkData; }

    bool Required() const { return required_; }
    void SetRequired(bool required) { required_ = required; }
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool readOnly) { readOnly_ = readOnly; }
    bool Visible() const { return visible_; }
    void SetVisible(bool visible) { visible_ = visible; }
    QString DisplayLabel() const { return displayLabel_.isEmpty() ? fieldName_ : displayLabel_; }
    void SetDisplayLabel(const QString &label) { displayLabel_ = label; }
    // Characters shown in a grid column; 0 means "as the data type suggests".
    int DisplayWidth() const;
    void SetDisplayWidth(int width) { displayWidth_ = width; }
    QString EditMask() const { return editMask_; }
    void SetEditMask(const QString &mask) { editMask_ = mask; }
    // FormatDateTime picture for date/time fields, FormatFloat picture for numbers.
    QString DisplayFormat() const { return displayFormat_; }
    void SetDisplayFormat(const QString &format) { displayFormat_ = format; }

    TFieldGetTextEvent OnGetText;

    // Lookup definition. The result field may change while the dataset is open: the values
    // are looked up again when records are next read. With several key fields, those before the
    // last name what the record already knows (the competition of a match): the field shows and
    // offers only the lookup records that agree with them, and a choice sets the last key field.
    QString KeyFields() const { return keyFields_; }
    void SetKeyFields(const QString &fields) { keyFields_ = fields; }
    TDataSet *LookupDataSet() const { return lookupDataSet_; }
    void SetLookupDataSet(TDataSet *dataSet) { lookupDataSet_ = dataSet; }
    QString LookupKeyFields() const { return lookupKeyFields_; }
    void SetLookupKeyFields(const QString &fields) { lookupKeyFields_ = fields; }
    QString LookupResultField() const { return lookupResultField_; }
    void SetLookupResultField(const QString &field);
    // The values a lookup field may take in the active record, read from the stored data as it
    // is now (see TDataSet::LookupList).
    QList<TLookupItem> LookupList() const;

    // The value in the field's own type: int (integer kinds), bool, double, QString, QDate,
    // QTime, QDateTime or QByteArray; a null QVariant when the field is empty.
    QVariant Value() const;
    // Converts to the field's type; raises EDatabaseError when the value does not convert or
    // does not fit, or the dataset is not editing.
    void SetValue(const QVariant &value);
    bool IsNull() const;
    void Clear() { SetValue(QVariant()); }

    QString AsString() const;
    void SetAsString(const QString &text) { SetValue(text); }
    // Empty fields read as 0, false or an invalid date-time.
    int AsInteger() const;
    void SetAsInteger(int value) { SetValue(value); }
    double AsFloat() const;
    void SetAsFloat(double value) { SetValue(value); }
    QDateTime AsDateTime() const;
    void SetAsDateTime(const QDateTime &value) { SetValue(value); }
    bool AsBoolean() const;
    void SetAsBoolean(bool value) { SetValue(value); }

    // The text shown for the field (OnGetText, else DisplayFormat, else AsString) and the text
    // offered for editing.
    QString DisplayText() const;
    QString Text() const;

    // The value converted to this field's type (see SetValue), without storing it.
    QVariant Convert(const QVariant &value) const;
    // The text of a value of this field's type, as AsString shows it.
    static QString ValueToText(const QVariant &value, TFieldType type);

private:
    friend class TDataSet;
    [[noreturn]] void RaiseInvalid(const QVariant &value) const;
    QString TableLabel() const;

    TDataSet *dataSet_;
    QString fieldName_;
    TFieldType dataType_;
    int size_;
    TFieldKind kind_;
    int index_ = -1;
    // Declared by the program before Open, not made from the table's columns.
    bool declared_ = false;
    bool required_ = false;
    bool readOnly_ = false;
    bool visible_ = true;
    QString displayLabel_;
    int displayWidth_ = 0;
    QString editMask_;
    QString displayFormat_;
    QString keyFields_;
    TDataSet *lookupDataSet_ = nullptr;
    QString lookupKeyFields_;
    QString lookupResultField_;
};

// The longest beginning of text that fits a text field of the given size, which counts UTF-16
// units (as TField::SetValue and the edit controls count it): whole characters only, so that a
// character made of several units (an emoji, a letter with a combining accent, a flag) is kept
// whole or left out, never split. The whole text for size 0 (no limit).
QString TextCutToSize(const QString &text, int size);

// Storage of field values in SQLite: dates as ISO text, times as HH:MM:SS, booleans as 0/1.
QVariant FieldValueToStorage(const QVariant &value, TFieldType type);
