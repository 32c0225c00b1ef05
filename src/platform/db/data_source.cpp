#include "platform/db/data_source.h"

TDataSource::TDataSource(QObject *parent) : QObject(parent) {}

TDataSource::~TDataSource()
{
    if (dataSet_)
        dataSet_->DetachDataSource(this);
}

void TDataSource::SetDataSet(TDataSet *dataSet)
{
    if (dataSet_ == dataSet)
        return;
    if (dataSet_)
        dataSet_->DetachDataSource(this);
    dataSet_ = dataSet;
    if (dataSet_)
        dataSet_->AttachDataSource(this);
    NotifyDataEvent(TDataEvent::deUpdateState, nullptr);
    NotifyDataEvent(TDataEvent::deDataSetChange, nullptr);
}

void TDataSource::SetEnabled(bool enabled)
{
    if (enabled_ == enabled)
        return;
    enabled_ = enabled;
    if (enabled_) {
        NotifyDataEvent(TDataEvent::deUpdateState, nullptr);
        NotifyDataEvent(TDataEvent::deDataSetChange, nullptr);
    }
}

TDataSetState TDataSource::State() const
{
    return dataSet_ ? dataSet_->State() : TDataSetState::dsInactive;
}

void TDataSource::Edit()
{
    if (autoEdit_ && dataSet_ && dataSet_->State() == TDataSetState::dsBrowse)
        dataSet_->Edit();
}

void TDataSource::NotifyDataEvent(TDataEvent event, TField *field)
{
    if (!enabled_)
        return;
    switch (event) {
    case TDataEvent::deUpdateState:
        emit StateChanged();
        if (OnStateChange)
            OnStateChange(*this);
        break;
    case TDataEvent::deFieldChange:
        emit DataChanged(field);
        if (OnDataChange)
            OnDataChange(*this, field);
        break;
    case TDataEvent::deRecordChange:
        emit DataChanged(nullptr);
        if (OnDataChange)
            OnDataChange(*this, nullptr);
        break;
    case TDataEvent::deDataSetChange:
        emit DataSetChanged();
        emit DataChanged(nullptr);
        if (OnDataChange)
            OnDataChange(*this, nullptr);
        break;
    case TDataEvent::deDataSetScroll:
        emit Scrolled();
        emit DataChanged(nullptr);
        if (OnDataChange)
            OnDataChange(*this, nullptr);
        break;
    case TDataEvent::deUpdateRecord:
        emit UpdateData();
        if (OnUpdateData)
            OnUpdateData(*this);
        break;
    }
}
