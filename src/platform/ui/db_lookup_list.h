#pragma once

#include "platform/ui/db_lookup_control.h"

#include <QListWidget>

#include <functional>

// A list of the records of ListSource, shown by ListField and keyed by KeyField; with a
// DataSource and DataField the selected row follows and sets that field's key.
class TDBLookupListBox : public TDBLookupControl<QListWidget>
{
    Q_OBJECT

public:
    explicit TDBLookupListBox(QWidget *parent = nullptr);

    // The text of the selected row; "" when none.
    QString SelectedText() const;

    // The user chose a row (after the key was written).
    std::function<void()> OnClick;

protected:
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    // The rows are read again when the stored data changed since they were read.
    void showEvent(QShowEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;

private:
    void FillItems();
    void ShowKey();

    bool showing_ = false;
};
