#include "platform/ui/db_data_link.h"

#include "platform/core/message_service.h"
#include "platform/db/db_errors.h"

#include <QWidget>

bool TakeEditFocus(QWidget &control)
{
    if (!control.isVisible() || !control.isEnabled() || control.focusPolicy() == Qt::NoFocus)
        return false;
    control.setFocus(Qt::OtherFocusReason);
    return true;
}

bool TSourceConnections::Switch(TDataSource *source)
{
    if (source_ == source)
        return false;
    Disconnect();
    source_ = source;
    return true;
}

void TSourceConnections::Disconnect()
{
    for (const QMetaObject::Connection &connection : std::as_const(connections_))
        QObject::disconnect(connection);
    connections_.clear();
}

TFieldDataLink::TFieldDataLink(QObject *parent) : QObject(parent) {}

void TFieldDataLink::SetDataSource(TDataSource *source)
{
    if (!source_.Switch(source))
        return;
    Attach();
    StateChanged();
    Reset();
}

void TFieldDataLink::SetFieldName(const QString &name)
{
    if (fieldName_ == name)
        return;
    fieldName_ = name;
    StateChanged();
    Reset();
}

void TFieldDataLink::Attach()
{
    TDataSource *source = DataSource();
    if (!source)
        return;
    source_ << connect(source, &TDataSource::DataChanged, this, &TFieldDataLink::DataChanged)
            << connect(source, &TDataSource::StateChanged, this, &TFieldDataLink::StateChanged)
            << connect(source, &TDataSource::UpdateData, this, &TFieldDataLink::UpdateRecord)
            << connect(source, &QObject::destroyed, this, [this]() {
                   source_.Disconnect();
                   StateChanged();
                   Reset();
               });
}

TDataSet *TFieldDataLink::DataSet() const
{
    return DataSource() ? DataSource()->DataSet() : nullptr;
}

bool TFieldDataLink::Active() const
{
    return DataSet() && DataSet()->Active();
}

TField *TFieldDataLink::Field() const
{
    return Active() && !fieldName_.isEmpty() ? DataSet()->FindField(fieldName_) : nullptr;
}

bool TFieldDataLink::Editing() const
{
    const TDataSetState state = DataSource() ? DataSource()->State() : TDataSetState::dsInactive;
    return state == TDataSetState::dsEdit || state == TDataSetState::dsInsert;
}

bool TFieldDataLink::CanModify() const
{
    const TField *field = Field();
    return field && !field->ReadOnly() && field->FieldKind() != TFieldKind::fkCalculated &&
           DataSet()->CanModify();
}

bool TFieldDataLink::CanEdit() const
{
    return CanModify() && (Editing() || DataSource()->AutoEdit());
}

bool TFieldDataLink::Edit()
{
    if (!CanModify())
        return false;
    if (!Editing())
        DataSource()->Edit();
    return Editing();
}

void TFieldDataLink::Reset()
{
    modified_ = false;
    if (OnDataChange)
        OnDataChange();
}

void TFieldDataLink::UpdateRecord()
{
    if (!modified_ || !OnUpdateData || !Field())
        return;
    // The field change this write causes must not show the old text again half-way.
    writing_ = true;
    try {
        OnUpdateData();
    } catch (...) {
        writing_ = false;
        throw;
    }
    writing_ = false;
    modified_ = false;
}

bool TFieldDataLink::UpdateRecordOnExit()
{
    if (!modified_ || !Editing())
        return true;
    try {
        UpdateRecord();
    } catch (const EAbort &) {
    } catch (const Exception &error) {
        MessageDlg(error.Message(), mtError, {mbOK});
        return false;
    }
    return true;
}

void TFieldDataLink::DataChanged(TField *field)
{
    if (writing_ || (field && field != Field()))
        return;
    Reset();
}

void TFieldDataLink::StateChanged()
{
    if (OnStateChange)
        OnStateChange();
}
