#include "platform/ui/db_lookup_combo.h"

#include <QKeyEvent>

TDBLookupComboBox::TDBLookupComboBox(QWidget *parent) : TDBLookupControl(parent)
{
    link_.OnItemsChanged = [this]() { FillItems(); };
    link_.OnKeyChanged = [this]() { ShowKey(); };
    link_.DataLink().OnStateChange = [this]() { ShowKey(); };
    connect(this, &QComboBox::activated, this, [this](int index) {
        if (filling_)
            return;
        if (link_.Choose(index) && OnClick)
            OnClick();
        ShowKey();
    });
}

void TDBLookupComboBox::FillItems()
{
    filling_ = true;
    clear();
    addItems(link_.Texts());
    filling_ = false;
}

void TDBLookupComboBox::ShowKey()
{
    filling_ = true;
    setCurrentIndex(link_.IndexOfKey(link_.KeyValue()));
    filling_ = false;
}

void TDBLookupComboBox::showPopup()
{
    link_.RefreshIfOutdated();
    QComboBox::showPopup();
}

void TDBLookupComboBox::hidePopup()
{
    QComboBox::hidePopup();
    if (OnCloseUp)
        OnCloseUp();
}

void TDBLookupComboBox::keyPressEvent(QKeyEvent *event)
{
    // A field that cannot be changed keeps its key: the keys that would choose are dropped.
    if (!link_.CanChoose() && event->key() != Qt::Key_Tab && event->key() != Qt::Key_Backtab) {
        event->accept();
        return;
    }
    QComboBox::keyPressEvent(event);
}

void TDBLookupComboBox::wheelEvent(QWheelEvent *event)
{
    if (!link_.CanChoose())
        return;
    QComboBox::wheelEvent(event);
}
