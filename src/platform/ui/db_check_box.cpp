#include "platform/ui/db_check_box.h"

#include "platform/core/message_service.h"
#include "platform/db/db_errors.h"

namespace {

bool ListContains(const QString &list, const QString &text)
{
    for (const QString &item : list.split(';'))
        if (item.compare(text, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

QString FirstOf(const QString &list)
{
    return list.section(';', 0, 0);
}

} // namespace

TDBCheckBox::TDBCheckBox(QWidget *parent) : QCheckBox(parent)
{
    link_.OnDataChange = [this]() { ShowField(); };
    link_.OnStateChange = [this]() { UpdateEnabled(); };
    UpdateEnabled();
}

void TDBCheckBox::SetValueChecked(const QString &value)
{
    valueChecked_ = value;
    ShowField();
}

void TDBCheckBox::SetValueUnchecked(const QString &value)
{
    valueUnchecked_ = value;
    ShowField();
}

void TDBCheckBox::SetReadOnly(bool readOnly)
{
    readOnly_ = readOnly;
    UpdateEnabled();
}

void TDBCheckBox::UpdateEnabled()
{
    setEnabled(!readOnly_ && link_.CanEdit());
}

void TDBCheckBox::ShowField()
{
    const TField *field = Field();
    bool checked = false;
    if (field && !field->IsNull())
        checked = field->DataType() == TFieldType::ftBoolean ? field->AsBoolean()
                                                             : ListContains(valueChecked_, field->AsString());
    const bool blocked = blockSignals(true);
    setChecked(checked);
    blockSignals(blocked);
    UpdateEnabled();
}

void TDBCheckBox::nextCheckState()
{
    const bool checked = !isChecked();
    try {
        if (!link_.Edit())
            return;
        TField *field = Field();
        if (field->DataType() == TFieldType::ftBoolean)
            field->SetAsBoolean(checked);
        else
            field->SetAsString(FirstOf(checked ? valueChecked_ : valueUnchecked_));
    } catch (const EAbort &) {
        return;
    } catch (const Exception &error) {
        MessageDlg(error.Message(), mtError, {mbOK});
        return;
    }
    ShowField();
    if (OnClick)
        OnClick();
}
