#pragma once

#include "platform/ui/db_data_link.h"

#include <QGroupBox>
#include <QStringList>

#include <functional>

class QButtonGroup;
class QGridLayout;

// A group of radio buttons over one field: item i stands for Values[i] (its caption Items[i]
// when there is no value for it). The field's text chooses the item; clicking an item writes
// its value. A value that no item has leaves every button unchecked.
class TDBRadioGroup : public QGroupBox
{
    Q_OBJECT

public:
    explicit TDBRadioGroup(QWidget *parent = nullptr);

    TDataSource *DataSource() const { return link_.DataSource(); }
    void SetDataSource(TDataSource *source) { link_.SetDataSource(source); }
    QString DataField() const { return link_.FieldName(); }
    void SetDataField(const QString &name) { link_.SetFieldName(name); }
    TField *Field() const { return link_.Field(); }

    QStringList Items() const { return items_; }
    void SetItems(const QStringList &items);
    QStringList Values() const { return values_; }
    void SetValues(const QStringList &values);
    int Columns() const { return columns_; }
    void SetColumns(int columns);
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool readOnly);

    // The checked item, -1 when none.
    int ItemIndex() const { return itemIndex_; }
    // Checks an item as a click does (writes the field).
    void SetItemIndex(int index);
    // The value the checked item stands for; "" when none is checked.
    QString Value() const;

    std::function<void()> OnChange;
    std::function<void()> OnClick;

private:
    QString ItemValue(int index) const;
    void BuildButtons();
    void ShowField();
    void ShowIndex(int index);
    void UpdateEnabled();

    TFieldDataLink link_;
    QStringList items_;
    QStringList values_;
    int columns_ = 1;
    int itemIndex_ = -1;
    bool readOnly_ = false;
    QButtonGroup *buttons_;
    QGridLayout *layout_;
};
