#include "controls/dataaware/dq_common.h"

#include "controls/dataaware/dq_input_hold.h"
#include "controls/dataaware/dq_intl.h"
#include "controls/dataaware/dq_locate.h"
#include "controls/dataaware/dq_pict.h"
#include "controls/dataaware/dq_str.h"
#include "controls/dataaware/dq_table.h"
#include "platform/core/message_service.h"
#include "platform/db/alias_store.h"
#include "platform/db/database.h"
#include "platform/db/db_errors.h"
#include "platform/db/schema.h"

namespace tav::controls {

namespace {

constexpr int MaxLookupKeys = 6;

// The entry of the list whose first item (before the separator) is the field.
int EntryOf(const QStringList &list, const QString &fieldName, QChar separator)
{
    for (int i = 0; i < list.size(); ++i)
        if (dqSameText(list.at(i).section(separator, 0, 0), fieldName))
            return i;
    return -1;
}

QString Flag(bool value)
{
    return value ? QStringLiteral("T") : QStringLiteral("F");
}

} // namespace

QStringList *dqPictureMasksOf(TDataSet *dataSet)
{
    TdqDataSetExtras *extras = dqExtrasOf(dataSet);
    return extras ? &extras->PictureMasks() : nullptr;
}

QStringList *dqControlTypesOf(TDataSet *dataSet)
{
    TdqDataSetExtras *extras = dqExtrasOf(dataSet);
    return extras ? &extras->ControlType() : nullptr;
}

bool dqFilterEnabled(TDataSet *dataSet)
{
    TdqDataSetExtras *extras = dqExtrasOf(dataSet);
    return extras && extras->OnFilterOptions().Contains(ofoEnabled);
}

void dqSetFilterEnabled(TDataSet *dataSet, bool enabled)
{
    TdqDataSetExtras *extras = dqExtrasOf(dataSet);
    if (!extras)
        return;
    TdqOnFilterOptions options = extras->OnFilterOptions();
    if (enabled)
        options.Include(ofoEnabled);
    else
        options.Exclude(ofoEnabled);
    extras->SetOnFilterOptions(options);
}

bool dqEscapePending(TDataSet &dataSet)
{
    if (!TdqInputHold::Instance().EscapePressed())
        return false;
    dqSetFilterEnabled(&dataSet, false);
    return true;
}

bool dqFieldExists(const TDataSet *dataSet, const QString &name)
{
    return dataSet && dataSet->FindField(name);
}

bool dqIsRichTextField(const TField &field, bool checkContent)
{
    if (field.DataType() != TFieldType::ftMemo && field.DataType() != TFieldType::ftBlob)
        return false;
    if (const QStringList *types = dqControlTypesOf(&field.DataSet()))
        for (const QString &entry : *types)
            if (entry.startsWith(field.FieldName() + QStringLiteral(";RichEdit"), Qt::CaseInsensitive))
                return true;
    if (!checkContent)
        return false;
    const QVariant value = field.Value();
    const QByteArray start = value.typeId() == QMetaType::QByteArray ? value.toByteArray().left(5)
                                                                     : value.toString().left(5).toLatin1();
    return start == "{\\rtf";
}

void dqPictureMaskOf(TDataSet &dataSet, const QString &fieldName, bool withTableMasks, bool &flagB,
                     bool &flagA, QString &mask)
{
    mask.clear();
    flagA = flagB = true;
    if (const QStringList *masks = dqPictureMasksOf(&dataSet)) {
        const int entry = EntryOf(*masks, fieldName, '\t');
        if (entry >= 0) {
            const QStringList items = masks->at(entry).split('\t');
            mask = items.value(1);
            flagA = items.value(2) != QStringLiteral("F");
            flagB = items.value(3) != QStringLiteral("F");
        }
    }
    auto *table = dynamic_cast<TdqTable *>(&dataSet);
    if (!withTableMasks || !table)
        return;
    const QString own = table->dqTablePictureOf(fieldName);
    if (own.isEmpty())
        return;
    if (!mask.isEmpty())
        dqSetPictureMask(dataSet, fieldName, own, false, true, true, flagB, flagA);
    mask = own;
}

void dqSetPictureMask(TDataSet &dataSet, const QString &fieldName, QString mask, bool keepFlagB,
                      bool keepFlagA, bool keepMask, bool flagB, bool flagA)
{
    QStringList *masks = dqPictureMasksOf(&dataSet);
    if (!masks)
        return;
    if (auto *table = dynamic_cast<TdqTable *>(&dataSet)) {
        const QString own = table->dqTablePictureOf(fieldName);
        if (!own.isEmpty())
            mask = own;
    }
    const int entry = EntryOf(*masks, fieldName, '\t');
    if (entry >= 0) {
        const QStringList items = masks->at(entry).split('\t');
        if (!keepMask)
            mask = items.value(1);
        if (!keepFlagA)
            flagA = items.value(2) != QStringLiteral("F");
        if (!keepFlagB)
            flagB = items.value(3) != QStringLiteral("F");
    }
    const QString line = fieldName + '\t' + mask + '\t' + Flag(flagA) + '\t' + Flag(flagB);
    if (entry >= 0 && mask.isEmpty())
        masks->removeAt(entry);
    else if (entry >= 0)
        (*masks)[entry] = line;
    else if (!mask.isEmpty())
        masks->append(line);
}

bool dqPictureAccepts(const QString &mask, const QString &value)
{
    if (value.isEmpty())
        return true;
    TdqPictureValidator validator(mask, false);
    QString copy = value;
    return validator.CheckPicture(copy, false) == picComplete;
}

void dqCheckPictureFields(TDataSet &dataSet, const TdqInvalidValueEvent &onInvalidValue)
{
    for (int i = 0; i < dataSet.FieldCount(); ++i) {
        TField &field = dataSet.Fields()[i];
        bool flagA = true;
        bool flagB = true;
        QString mask;
        dqPictureMaskOf(dataSet, field.FieldName(), true, flagB, flagA, mask);
        if (mask.isEmpty() || field.ReadOnly() || dqPictureAccepts(mask, field.AsString()))
            continue;
        if (onInvalidValue)
            onInvalidValue(dataSet, field);
        throw EDatabaseError(dqIntl().UserMessages.PictureValidateError + field.DisplayLabel());
    }
}

void dqPruneFieldEntries(TDataSet &dataSet, QStringList &lookupFields, QStringList &lookupLinks,
                         QStringList &controlType)
{
    for (int i = int(lookupFields.size()) - 1; i >= 0; --i)
        if (!dqFieldExists(&dataSet, lookupFields.at(i).section(';', 0, 0))) {
            lookupFields.removeAt(i);
            if (i < lookupLinks.size())
                lookupLinks.removeAt(i);
        }
    for (int i = int(controlType.size()) - 1; i >= 0; --i)
        if (!dqFieldExists(&dataSet, controlType.at(i).section(';', 0, 0)))
            controlType.removeAt(i);
}

void dqCalcLookupFields(TDataSet &dataSet, const QStringList &lookupFields, const QStringList &lookupLinks,
                        std::vector<std::unique_ptr<TdqTable>> &tables)
{
    for (const auto &table : tables)
        table->LookupSearched = false;
    for (int i = 0; i < lookupFields.size(); ++i) {
        const QStringList items = dqSplitList(lookupFields.at(i), ';');
        const QString links = lookupLinks.value(i);
        const bool shortName = items.size() >= 6 && items.last() == QStringLiteral("N");
        const QString tableName = shortName ? items.value(2).section('.', 0, 0) : items.value(2);
        TdqTable *table = nullptr;
        for (const auto &candidate : tables)
            if (candidate->DatabaseName() == items.value(1) && candidate->TableName() == tableName &&
                dqSameText(candidate->LookupLinksText, links))
                table = candidate.get();
        if (!table) {
            auto made = std::make_unique<TdqTable>();
            made->SetSessionName(dataSet.SessionName());
            made->SetDatabaseName(items.value(1));
            made->SetTableName(tableName);
            if (items.size() <= 5) {
                made->SetIndexName(items.value(4));
            } else {
                const QString fields =
                    items.size() <= 7 ? items.value(5) : items.mid(5, items.size() - 6).join(';');
                const QString index = made->dqIndexForFields(fields);
                if (index != QStringLiteral("?"))
                    made->SetIndexName(index);
            }
            made->SetReadOnly(true);
            made->LookupLinksText = links;
            made->Open();
            table = made.get();
            tables.push_back(std::move(made));
        } else if (!table->Active()) {
            table->Open();
        }
        const QStringList pairs = dqSplitList(links, ';');
        TField &shown = dataSet.FieldByName(items.value(0));
        for (int p = 0; p < pairs.size(); p += 2)
            if (!dqFieldExists(&dataSet, pairs.at(p))) {
                shown.SetVisible(false);
                return;
            }
        if (!table->LookupSearched) {
            table->InLookup = true;
            try {
                table->LookupFound = dqFindLookupRecord(*table, dataSet, links);
            } catch (...) {
                table->InLookup = false;
                throw;
            }
            table->InLookup = false;
        }
        table->LookupSearched = true;
        shown.SetAsString(table->LookupFound ? table->FieldByName(items.value(3)).DisplayText() : QString());
    }
}

bool dqFindLookupRecord(TdqTable &table, TDataSet &dataSet, const QString &links)
{
    const QStringList pairs = dqSplitList(links, ';');
    if (!table.IndexFieldList().isEmpty()) {
        QVariantList keys;
        for (int p = 0; p + 1 < pairs.size(); p += 2)
            keys.append(dataSet.FieldByName(pairs.at(p)).AsString());
        if (keys.isEmpty() || keys.size() > MaxLookupKeys)
            return false;
        return table.dqLookupKeySearch(keys);
    }
    if (pairs.size() < 2)
        return false;
    const QString wanted = dataSet.FieldByName(pairs.at(0)).AsString();
    if (!table.IsEmpty() && dqSameText(table.FieldByName(pairs.at(1)).AsString(), wanted))
        return true;
    return dqLocateValue(true, table, pairs.at(1), false, dqMatchExact, wanted);
}

QString dqAliasPath(const QString &alias)
{
    const std::optional<AliasDefinition> definition = AliasStore().Find(alias);
    if (!definition)
        return QString();
    try {
        return AliasParams(*definition).value(QStringLiteral("PATH"));
    } catch (const EDatabaseError &) {
        return QString();
    }
}

bool dqKeepAnswerTable(TDataSet &dataSet, const QString &name)
{
    if (name.isEmpty())
        return false;
    QString tableName = name;
    QString alias;
    if (name.startsWith(':')) {
        alias = name.section(':', 1, 1);
        tableName = name.section(':', 2);
        if (dqAliasPath(alias).isEmpty()) {
            MessageDlg(QStringLiteral("Invalid Alias in QBE"), mtError, {mbOK});
            return false;
        }
    }
    try {
        TDatabase &target =
            alias.isEmpty() ? dataSet.Database() : TSession::DefaultSession().OpenDatabase(alias);
        // A table of that name stays as it is: the answer never replaces stored data.
        if (target.TableExists(tableName))
            throw EDatabaseError(tableName);
        TTableDef def{tableName, {}, {}};
        QList<int> columns;
        for (int i = 0; i < dataSet.FieldCount(); ++i) {
            const TField &field = dataSet.Fields()[i];
            if (!field.IsDataField())
                continue;
            columns.append(i);
            const TFieldType type =
                field.DataType() == TFieldType::ftAutoInc ? TFieldType::ftInteger : field.DataType();
            def.Fields.append({field.FieldName(), type, field.Size(), false});
        }
        // The table and its records are made together or not at all.
        target.StartTransaction();
        try {
            target.CreateTable(def);
            TTable answer;
            answer.SetDatabase(&target);
            answer.SetTableName(tableName);
            answer.Open();
            const int count = dataSet.RecordCount();
            for (int row = 0; row < count; ++row) {
                answer.Append();
                for (int c = 0; c < columns.size(); ++c)
                    answer.Fields()[c].SetValue(dataSet.ValueAt(row, columns.at(c)));
                answer.Post();
            }
            answer.Close();
            target.Commit();
        } catch (...) {
            target.Rollback();
            throw;
        }
        return true;
    } catch (const Exception &) {
        MessageDlg(QStringLiteral("Unable to create answer table ") + name, mtWarning, {mbOK});
        return false;
    }
}

} // namespace tav::controls
