#pragma once

#include "platform/db/dataset.h"

#include <QObject>

#include <functional>

// Links a dataset to the controls that show it: tells them when the dataset's state, its
// records or the current record change, and asks them to write their pending input into the
// fields before a post. Master-detail links listen to it too.
class TDataSource : public QObject
{
    Q_OBJECT

public:
    explicit TDataSource(QObject *parent = nullptr);
    ~TDataSource() override;

    TDataSet *DataSet() const { return dataSet_; }
    void SetDataSet(TDataSet *dataSet);
    // A disabled source passes nothing on.
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    // Whether a control may put the dataset into edit state when the user starts typing.
    bool AutoEdit() const { return autoEdit_; }
    void SetAutoEdit(bool autoEdit) { autoEdit_ = autoEdit; }
    // The dataset's state, inactive without a dataset.
    TDataSetState State() const;
    // What a control calls before changing a field: edit state when AutoEdit allows it.
    void Edit();

    std::function<void(TDataSource &, TField *field)> OnDataChange;
    std::function<void(TDataSource &)> OnStateChange;
    std::function<void(TDataSource &)> OnUpdateData;

    // Called by the dataset.
    void NotifyDataEvent(TDataEvent event, TField *field);

signals:
    // Open, close, edit, insert, post, cancel.
    void StateChanged();
    // A field's value changed (field set), or the current record changed (field null).
    void DataChanged(TField *field);
    // The records in view changed (open, refresh, range, filter, post, delete).
    void DataSetChanged();
    // The cursor moved to another record.
    void Scrolled();
    // A post is about to happen: controls write their pending input now.
    void UpdateData();

private:
    TDataSet *dataSet_ = nullptr;
    bool enabled_ = true;
    bool autoEdit_ = true;
};
