#pragma once

#include "controls/dataaware/dq_dataset.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class TdqTable;

namespace tav::controls {

// The PictureMasks / ControlType list of a dataset of the library; null for any other.
QStringList *dqPictureMasksOf(TDataSet *dataSet);
QStringList *dqControlTypesOf(TDataSet *dataSet);
// ofoEnabled of a dataset of the library (false for any other), and its change through the
// dataset's own setter.
bool dqFilterEnabled(TDataSet *dataSet);
void dqSetFilterEnabled(TDataSet *dataSet, bool enabled);
// Whether the user pressed Escape since the last look; if so filtering of the dataset ends.
// Other input pressed meanwhile is delivered after the scan.
bool dqEscapePending(TDataSet &dataSet);

bool dqFieldExists(const TDataSet *dataSet, const QString &name);
// A memo or blob field of rich text: marked "field;RichEdit" in ControlType, or, when
// checkContent, beginning with "{\rtf".
bool dqIsRichTextField(const TField &field, bool checkContent);

// The field's mask and flags from PictureMasks (mask empty and both flags true when it has none).
void dqPictureMaskOf(TDataSet &dataSet, const QString &fieldName, bool withTableMasks, bool &flagB,
                     bool &flagA, QString &mask);
// Writes the field's entry: values whose keep switch is false come from the existing entry; an
// empty mask deletes the entry.
void dqSetPictureMask(TDataSet &dataSet, const QString &fieldName, QString mask, bool keepFlagB,
                      bool keepFlagA, bool keepMask, bool flagB, bool flagA);
// True for an empty value or one that fits the mask completely.
bool dqPictureAccepts(const QString &mask, const QString &value);
// The check before a post: the first field (not read-only) whose value fails its mask is told
// to onInvalidValue and raises EDatabaseError naming it.
void dqCheckPictureFields(TDataSet &dataSet, const TdqInvalidValueEvent &onInvalidValue);

// Drops the entries of LookupFields (with their LookupLinks) and ControlType whose field is gone.
void dqPruneFieldEntries(TDataSet &dataSet, QStringList &lookupFields, QStringList &lookupLinks,
                         QStringList &controlType);
// Gives the lookup fields of the record being calculated their texts; a table shared by several
// lookup fields with the same links is searched once per record.
void dqCalcLookupFields(TDataSet &dataSet, const QStringList &lookupFields, const QStringList &lookupLinks,
                        std::vector<std::unique_ptr<TdqTable>> &tables);
// Moves the lookup table to the record that the links name.
bool dqFindLookupRecord(TdqTable &table, TDataSet &dataSet, const QString &links);

// The PATH of an alias; empty for an unknown alias.
QString dqAliasPath(const QString &alias);
// Keeps the records of an open dataset as a new table: "name" in the dataset's database or
// ":alias:name" in the alias's. An existing table is never replaced. False after a message
// when the table cannot be made.
bool dqKeepAnswerTable(TDataSet &dataSet, const QString &name);

} // namespace tav::controls
