#include "platform/ui/db_radio_group.h"

#include "platform/core/message_service.h"
#include "platform/db/db_errors.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

TDBRadioGroup::TDBRadioGroup(QWidget *parent)
    : QGroupBox(parent), buttons_(new QButtonGroup(this)), layout_(new QGridLayout(this))
{
    buttons_->setExclusive(false);
    link_.OnDataChange = [this]() { ShowField(); };
    link_.OnStateChange = [this]() { UpdateEnabled(); };
    connect(buttons_, &QButtonGroup::idClicked, this, [this](int id) { SetItemIndex(id); });
    UpdateEnabled();
}

void TDBRadioGroup::SetItems(const QStringList &items)
{
    items_ = items;
    BuildButtons();
    ShowField();
}

void TDBRadioGroup::SetValues(const QStringList &values)
{
    values_ = values;
    ShowField();
}

void TDBRadioGroup::SetColumns(int columns)
{
    columns_ = std::max(columns, 1);
    BuildButtons();
    ShowIndex(itemIndex_);
}

void TDBRadioGroup::SetReadOnly(bool readOnly)
{
    readOnly_ = readOnly;
    UpdateEnabled();
}

QString TDBRadioGroup::ItemValue(int index) const
{
    if (index < 0 || index >= items_.size())
        return QString();
    return index < values_.size() ? values_.at(index) : items_.at(index);
}

QString TDBRadioGroup::Value() const
{
    return ItemValue(itemIndex_);
}

void TDBRadioGroup::BuildButtons()
{
    for (QAbstractButton *button : buttons_->buttons()) {
        buttons_->removeButton(button);
        delete button;
    }
    const int rows = int((items_.size() + columns_ - 1) / columns_);
    for (int i = 0; i < items_.size(); ++i) {
        auto *button = new QRadioButton(items_.at(i), this);
        buttons_->addButton(button, i);
        layout_->addWidget(button, rows > 0 ? i % rows : 0, rows > 0 ? i / rows : 0);
    }
}

void TDBRadioGroup::ShowIndex(int index)
{
    itemIndex_ = index >= 0 && index < items_.size() ? index : -1;
    for (QAbstractButton *button : buttons_->buttons())
        button->setChecked(buttons_->id(button) == itemIndex_);
}

void TDBRadioGroup::ShowField()
{
    const int before = itemIndex_;
    const TField *field = Field();
    int index = -1;
    if (field) {
        const QString text = field->Text();
        for (int i = 0; i < items_.size() && index < 0; ++i)
            if (ItemValue(i).compare(text, Qt::CaseInsensitive) == 0)
                index = i;
    }
    ShowIndex(index);
    UpdateEnabled();
    if (itemIndex_ != before && OnChange)
        OnChange();
}

void TDBRadioGroup::SetItemIndex(int index)
{
    if (index < 0 || index >= items_.size()) {
        ShowIndex(itemIndex_);
        return;
    }
    try {
        if (index != itemIndex_ && link_.Edit())
            Field()->SetAsString(ItemValue(index));
    } catch (const EAbort &) {
    } catch (const Exception &error) {
        MessageDlg(error.Message(), mtError, {mbOK});
    }
    // The buttons show the field, whether or not it took the value.
    ShowField();
    if (OnClick)
        OnClick();
}

void TDBRadioGroup::UpdateEnabled()
{
    const bool enabled = !readOnly_ && link_.CanEdit();
    for (QAbstractButton *button : buttons_->buttons())
        button->setEnabled(enabled);
}
