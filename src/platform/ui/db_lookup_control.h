#pragma once

#include "platform/ui/db_lookup_link.h"

// The properties the lookup combo box and the lookup list box share, all kept by their link: the
// list (ListSource, KeyField, ListField), the optional field that holds the key (DataSource,
// DataField) and the key shown.
template <class Widget> class TDBLookupControl : public Widget, public TDataEditor
{
public:
    using Widget::Widget;

    TDataSource *ListSource() const { return link_.ListSource(); }
    void SetListSource(TDataSource *source) { link_.SetListSource(source); }
    QString KeyField() const { return link_.KeyField(); }
    void SetKeyField(const QString &name) { link_.SetKeyField(name); }
    QString ListField() const { return link_.ListField(); }
    void SetListField(const QString &name) { link_.SetListField(name); }
    TDataSource *DataSource() const { return link_.DataLink().DataSource(); }
    void SetDataSource(TDataSource *source) { link_.DataLink().SetDataSource(source); }
    QString DataField() const { return link_.DataLink().FieldName(); }
    void SetDataField(const QString &name) { link_.DataLink().SetFieldName(name); }
    TField *Field() const { return link_.DataLink().Field(); }
    bool FocusToEdit(const TDataSource *source) override
    {
        return link_.DataLink().EditsRecordOf(source) && TakeEditFocus(*this);
    }

    QVariant KeyValue() const { return link_.KeyValue(); }
    void SetKeyValue(const QVariant &key) { link_.SetKeyValue(key); }

protected:
    TDBLookupLink link_;
};
