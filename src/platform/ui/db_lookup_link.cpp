#include "platform/ui/db_lookup_link.h"

#include "platform/core/message_service.h"
#include "platform/db/db_errors.h"

namespace {

bool IsNumber(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Short:
    case QMetaType::UShort:
        return true;
    default:
        return false;
    }
}

bool SameKey(const QVariant &a, const QVariant &b)
{
    if (a.isNull() || b.isNull())
        return false;
    if (IsNumber(a) && IsNumber(b))
        return a.toDouble() == b.toDouble();
    return a.toString() == b.toString();
}

} // namespace

TDBLookupLink::TDBLookupLink(QObject *parent) : QObject(parent)
{
    dataLink_.OnDataChange = [this]() { ReadKey(); };
}

void TDBLookupLink::SetListSource(TDataSource *source)
{
    if (!listSource_.Switch(source))
        return;
    if (source)
        listSource_ << connect(source, &TDataSource::DataSetChanged, this, &TDBLookupLink::ReadItems)
                    << connect(source, &TDataSource::StateChanged, this, &TDBLookupLink::ReadItems);
    ReadItems();
}

void TDBLookupLink::SetKeyField(const QString &name)
{
    keyField_ = name;
    ReadItems();
}

void TDBLookupLink::SetListField(const QString &name)
{
    listField_ = name;
    ReadItems();
}

int TDBLookupLink::IndexOfKey(const QVariant &key) const
{
    for (int i = 0; i < keys_.size(); ++i)
        if (SameKey(keys_.at(i), key))
            return i;
    return -1;
}

void TDBLookupLink::ReadItems()
{
    texts_.clear();
    keys_.clear();
    TDataSet *list = ListSource() ? ListSource()->DataSet() : nullptr;
    const QString shown = listField_.section(';', 0, 0).trimmed();
    const TField *key = list && list->Active() ? list->FindField(keyField_) : nullptr;
    const TField *text =
        list && list->Active() ? list->FindField(shown.isEmpty() ? keyField_ : shown) : nullptr;
    if (key && text) {
        const int count = list->RecordCount();
        for (int row = 0; row < count; ++row) {
            keys_.append(list->ValueAt(row, key->Index()));
            texts_.append(list->DisplayTextAt(row, text->Index()));
        }
    }
    if (OnItemsChanged)
        OnItemsChanged();
    KeyChanged();
}

void TDBLookupLink::ReadKey()
{
    const TField *field = dataLink_.Field();
    if (!dataLink_.FieldName().isEmpty())
        keyValue_ = field ? field->Value() : QVariant();
    KeyChanged();
}

void TDBLookupLink::SetKeyValue(const QVariant &key)
{
    keyValue_ = key;
    KeyChanged();
}

void TDBLookupLink::KeyChanged()
{
    if (OnKeyChanged)
        OnKeyChanged();
}

bool TDBLookupLink::CanChoose() const
{
    if (dataLink_.FieldName().isEmpty())
        return true;
    return dataLink_.CanEdit();
}

void TDBLookupLink::RefreshIfOutdated()
{
    TDataSet *list = ListSource() ? ListSource()->DataSet() : nullptr;
    // A record being edited is the user's: the list waits until it is stored or given up.
    if (!list || list->State() != TDataSetState::dsBrowse || list->ControlsDisabled() ||
        !list->ViewOutdated())
        return;
    try {
        list->Refresh();
    } catch (const Exception &error) {
        MessageDlg(error.Message(), mtError, {mbOK});
    }
}

bool TDBLookupLink::Choose(int index)
{
    if (index < 0 || index >= keys_.size())
        return false;
    const QVariant key = keys_.at(index);
    try {
        if (!dataLink_.FieldName().isEmpty()) {
            if (!dataLink_.Edit()) {
                ReadKey();
                return false;
            }
            dataLink_.Field()->SetValue(key);
        }
        if (TDataSet *list = ListSource() ? ListSource()->DataSet() : nullptr)
            list->Locate(keyField_, {key});
    } catch (const EAbort &) {
        ReadKey();
        return false;
    } catch (const Exception &error) {
        MessageDlg(error.Message(), mtError, {mbOK});
        ReadKey();
        return false;
    }
    keyValue_ = key;
    KeyChanged();
    return true;
}
