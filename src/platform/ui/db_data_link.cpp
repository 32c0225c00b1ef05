#include "platform/ui/db_data_link.h"

TFieldDataLink::TFieldDataLink(QObject *parent) : QObject(parent) {}

void TFieldDataLink::SetDataSource(TDataSource *source)
{
    if (source_ == source)
        return;
    for (const QMetaObject::Connection &connection : std::as_const(connections_))
        disconnect(connection);
    connections_.clear();
    source_ = source;
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
    if (!source_)
        return;
    connections_ << connect(source_, &TDataSource::DataChanged, this, &TFieldDataLink::DataChanged)
                 << connect(source_, &TDataSource::StateChanged, this, &TFieldDataLink::StateChanged)
                 << connect(source_, &TDataSource::UpdateData, this, &TFieldDataLink::UpdateRecord)
                 << connect(source_, &QObject::destroyed, this, [this]() {
                        connections_.clear();
                        StateChanged();
                        Reset();
                    });
}

TDataSet *TFieldDataLink::DataSet() const
{
    return source_ ? source_->DataSet() : nullptr;
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
    const TDataSetState state = source_ ? source_->State() : TDataSetState::dsInactive;
    return state == TDataSetState::dsEdit || state == TDataSetState::dsInsert;
}

bool TFieldDataLink::CanModify() const
{
    const TField *field = Field();
    return field && !field->ReadOnly() && field->FieldKind() != TFieldKind::fkCalculated &&
           DataSet()->CanModify();
}

bool TFieldDataLink::Edit()
{
    if (!CanModify())
        return false;
    if (!Editing())
        source_->Edit();
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
