#pragma once

#include "platform/ui/db_lookup_link.h"

#include <QComboBox>

#include <functional>

// A drop-down list of the records of ListSource, shown by ListField and keyed by KeyField. With
// a DataSource and DataField it shows and sets that field's key; without them it only selects a
// key (KeyValue).
class TDBLookupComboBox : public QComboBox
{
    Q_OBJECT

public:
    explicit TDBLookupComboBox(QWidget *parent = nullptr);

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
    // The text shown for the key; "" when the key is not in the list.
    QString Text() const { return currentText(); }
    int DropDownRows() const { return maxVisibleItems(); }
    void SetDropDownRows(int rows) { setMaxVisibleItems(rows); }

    // The user chose an item (after the key was written).
    std::function<void()> OnClick;
    // The drop-down list closed.
    std::function<void()> OnCloseUp;

    void hidePopup() override;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    void FillItems();
    void ShowKey();

    TDBLookupLink link_;
    bool filling_ = false;
};
