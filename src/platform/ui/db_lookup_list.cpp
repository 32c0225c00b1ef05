#include "platform/ui/db_lookup_list.h"

#include <QFocusEvent>
#include <QShowEvent>

TDBLookupListBox::TDBLookupListBox(QWidget *parent) : TDBLookupControl(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    link_.OnItemsChanged = [this]() { FillItems(); };
    link_.OnKeyChanged = [this]() { ShowKey(); };
}

QString TDBLookupListBox::SelectedText() const
{
    const QListWidgetItem *item = currentItem();
    return item && item->isSelected() ? item->text() : QString();
}

void TDBLookupListBox::FillItems()
{
    showing_ = true;
    clear();
    addItems(link_.Texts());
    showing_ = false;
}

void TDBLookupListBox::ShowKey()
{
    showing_ = true;
    const int row = link_.IndexOfKey(link_.KeyValue());
    setCurrentRow(row);
    if (row < 0)
        clearSelection();
    showing_ = false;
}

void TDBLookupListBox::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QListWidget::currentChanged(current, previous);
    if (showing_ || !current.isValid())
        return;
    const bool chosen = link_.Choose(current.row());
    // A refused choice goes back to the key the field holds.
    ShowKey();
    if (chosen && OnClick)
        OnClick();
}

void TDBLookupListBox::showEvent(QShowEvent *event)
{
    link_.RefreshIfOutdated();
    QListWidget::showEvent(event);
}

void TDBLookupListBox::focusInEvent(QFocusEvent *event)
{
    link_.RefreshIfOutdated();
    QListWidget::focusInEvent(event);
}
