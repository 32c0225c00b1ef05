#pragma once

#include "platform/ui/db_lookup_link.h"

#include <QListWidget>

#include <functional>

// A list of the records of ListSource, shown by ListField and keyed by KeyField; with a
// DataSource and DataField the selected row follows and sets that field's key.
class TDBLookupListBox : public QListWidget
{
    Q_OBJECT

public:
    explicit TDBLookupListBox(QWidget *parent = nullptr);

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

    QVariant KeyValue() const { return link_.KeyValue(); }
    void SetKeyValue(const QVariant &key) { link_.SetKeyValue(key); }
    // The text of the selected row; "" when none.
    QString SelectedText() const;

    // The user chose a row (after the key was written).
    std::function<void()> OnClick;

protected:
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;

private:
    void FillItems();
    void ShowKey();

    TDBLookupLink link_;
    bool showing_ = false;
};
