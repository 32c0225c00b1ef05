#pragma once

#include "platform/db/dataset.h"

#include <QString>

namespace tav::controls {

enum TdqMatchType : quint8
{
    dqMatchExact,
    dqMatchStart,
    dqMatchAnywhere,
};

// Moves the dataset to the next record (or the first, fromFirst) whose field matches the value:
// exactly, at its start or anywhere in its text; without case and accents unless caseSensitive.
// An exact search of a number field compares numbers (12 finds 12.0); a date-time field is
// matched by the text of its date. False, and the dataset stays where it was, when none does;
// after a warning when the field is unknown.
bool dqLocateValue(bool fromFirst, TDataSet &dataSet, const QString &fieldName, bool caseSensitive,
                   TdqMatchType matchType, const QString &value);
// The field text against a value that the caller folded once when not caseSensitive.
bool dqTextMatches(const QString &fieldText, const QString &value, TdqMatchType matchType,
                   bool caseSensitive);
// The text of a stored value as the search compares it.
QString dqRawFieldText(const QVariant &value, TFieldType type);

} // namespace tav::controls
