#pragma once

#include "platform/ui/db_lookup_control.h"

#include <QComboBox>

#include <functional>

// A drop-down list of the records of ListSource, shown by ListField and keyed by KeyField. With
// a DataSource and DataField it shows and sets that field's key; without them it only selects a
// key (KeyValue).
class TDBLookupComboBox : public TDBLookupControl<QComboBox>
{
    Q_OBJECT

public:
    explicit TDBLookupComboBox(QWidget *parent = nullptr);

    // The text shown for the key; "" when the key is not in the list.
    QString Text() const { return currentText(); }
    int DropDownRows() const { return maxVisibleItems(); }
    void SetDropDownRows(int rows) { setMaxVisibleItems(rows); }

    // The user chose an item (after the key was written).
    std::function<void()> OnClick;
    // The drop-down list closed.
    std::function<void()> OnCloseUp;

    void showPopup() override;
    void hidePopup() override;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    void FillItems();
    void ShowKey();

    bool filling_ = false;
};
