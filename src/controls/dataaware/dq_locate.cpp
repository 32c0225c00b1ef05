#include "controls/dataaware/dq_locate.h"

#include "controls/dataaware/dq_common.h"
#include "controls/dataaware/dq_rtf.h"
#include "controls/dataaware/dq_table.h"
#include "platform/core/format.h"
#include "platform/core/message_service.h"
#include "platform/db/greek_collation.h"
#include "platform/db/schema.h"
#include "platform/ui/wait_cursor.h"

#include <optional>

namespace tav::controls {

namespace {

bool IsNumberType(TFieldType type)
{
    return type == TFieldType::ftFloat || type == TFieldType::ftCurrency;
}

bool IsMemoType(TFieldType type)
{
    return type == TFieldType::ftMemo || type == TFieldType::ftBlob;
}

std::optional<double> AsNumber(const QString &text)
{
    try {
        return StrToFloat(text);
    } catch (const EConvertError &) {
        return std::nullopt;
    }
}

// The index path: a table ordered on the field finds the value by its key.
std::optional<bool> SearchByIndex(TTable &table, TField &field, bool fromFirst, bool caseSensitive,
                                  TdqMatchType matchType, const QString &value, const QString &folded)
{
    if (auto *dqTable = dynamic_cast<TdqTable *>(&table); dqTable && !dqTable->Query().isEmpty())
        return std::nullopt;
    if (IsMemoType(field.DataType()) || !field.IsDataField())
        return std::nullopt;
    const QStringList order = table.IndexFieldList();
    if (order.isEmpty() || order.first().compare(field.FieldName(), Qt::CaseInsensitive) != 0)
        return std::nullopt;
    const bool text = IsTextType(field.DataType());
    const bool sameCase = !text || table.IndexFolded() != caseSensitive;
    const bool currentMatches =
        !table.IsEmpty() && dqTextMatches(field.AsString(), folded, matchType, caseSensitive);
    if (matchType == dqMatchExact && field.DataType() != TFieldType::ftBoolean && sameCase &&
        (fromFirst || !currentMatches))
        return table.FindKey({value});
    if (matchType == dqMatchStart && text && sameCase && (fromFirst || !currentMatches)) {
        table.FindNearest({value});
        return !table.IsEmpty() && dqTextMatches(field.AsString(), folded, matchType, caseSensitive);
    }
    return std::nullopt;
}

} // namespace

bool dqTextMatches(const QString &fieldText, const QString &value, TdqMatchType matchType, bool caseSensitive)
{
    const QString text = caseSensitive ? fieldText : FoldForCompare(fieldText);
    switch (matchType) {
    case dqMatchExact:
        return text == value;
    case dqMatchStart:
        return text.startsWith(value);
    default:
        return text.contains(value);
    }
}

QString dqRawFieldText(const QVariant &value, TFieldType type)
{
    if (value.isNull())
        return QString();
    switch (type) {
    case TFieldType::ftBoolean:
        return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case TFieldType::ftFloat:
    case TFieldType::ftCurrency:
        return FloatToStr(value.toDouble());
    case TFieldType::ftDate:
        return DateToStr(value.toDate());
    case TFieldType::ftTime:
        return TimeToStr(value.toTime());
    case TFieldType::ftDateTime:
        return DateToStr(value.toDateTime().date());
    default:
        return value.toString();
    }
}

bool dqLocateValue(bool fromFirst, TDataSet &dataSet, const QString &fieldName, bool caseSensitive,
                   TdqMatchType matchType, const QString &value)
{
    dataSet.CheckBrowseMode();
    TField *field = dataSet.FindField(fieldName);
    if (!field) {
        MessageDlg(QStringLiteral("Field ") + fieldName + QStringLiteral(" not found."), mtWarning, {mbOK});
        return false;
    }
    const QString folded = caseSensitive ? value : FoldForCompare(value);
    if (auto *table = dynamic_cast<TTable *>(&dataSet))
        if (const std::optional<bool> found =
                SearchByIndex(*table, *field, fromFirst, caseSensitive, matchType, value, folded))
            return *found;

    TWaitCursor wait;
    const TFieldType type = field->DataType();
    const std::optional<double> number =
        matchType == dqMatchExact && IsNumberType(type) ? AsNumber(value) : std::nullopt;
    // Memos are searched by their text: rich text as plain text, marked so or by its start.
    const bool memo = IsMemoType(type);
    const bool markedRich = memo && dqIsRichTextField(*field, false);
    // The records are read where they are, without moving the dataset or redrawing its controls.
    const int row =
        dataSet.ScanFieldValues(fromFirst ? 0 : dataSet.RecNo(), field->Index(), [&](const QVariant &stored) {
            if (number)
                return !stored.isNull() && stored.toDouble() == *number;
            if (memo && (markedRich || stored.toByteArray().startsWith("{\\rtf")))
                return dqTextMatches(dqRichTextToPlain(stored.toByteArray()), folded, matchType,
                                     caseSensitive);
            return dqTextMatches(dqRawFieldText(stored, type), folded, matchType, caseSensitive);
        });
    if (row < 0)
        return false;
    dataSet.SetRecNo(row + 1);
    return true;
}

} // namespace tav::controls
