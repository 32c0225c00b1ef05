#pragma once

#include "platform/db/data_source.h"

#include <QObject>
#include <QPointer>

#include <functional>

class QWidget;

// A control's hold on a data source: the source (null once it is destroyed) and the control's
// signal connections to it, dropped when the control moves to another source.
class TSourceConnections
{
public:
    TDataSource *Source() const { return source_; }
    // Drops the connections to the old source and keeps the new one; false when it is the same.
    bool Switch(TDataSource *source);
    void Disconnect();
    TSourceConnections &operator<<(const QMetaObject::Connection &connection)
    {
        connections_ << connection;
        return *this;
    }

private:
    QPointer<TDataSource> source_;
    QList<QMetaObject::Connection> connections_;
};

// A data-aware control that can take the keyboard to change the current record of a data source.
// The navigator's insert and edit buttons hand the keyboard to the first such control of their
// window, in tab order, so that typing goes into the record at once.
class TDataEditor
{
public:
    // Takes the focus when the control changes the current record of the source and may do so
    // now; false otherwise.
    virtual bool FocusToEdit(const TDataSource *source) = 0;

protected:
    ~TDataEditor() = default;
};

// Gives a data editor the focus, if it is shown, enabled and takes focus at all.
bool TakeEditFocus(QWidget &control);

// The tie between one data-aware control and one field of the dataset behind a data source: tells
// the control when to show the field again and when to write what the user typed, and puts the
// dataset into edit state when the user starts changing the value.
class TFieldDataLink : public QObject
{
    Q_OBJECT

public:
    explicit TFieldDataLink(QObject *parent = nullptr);

    TDataSource *DataSource() const { return source_.Source(); }
    void SetDataSource(TDataSource *source);
    QString FieldName() const { return fieldName_; }
    void SetFieldName(const QString &name);

    // The dataset of the source; nullptr without one.
    TDataSet *DataSet() const;
    bool Active() const;
    // The field on the open dataset; nullptr while it is closed or has no such field.
    TField *Field() const;
    bool Editing() const;
    // Whether the user may change the field: an open dataset that can be modified and a field
    // that is not read-only.
    bool CanModify() const;
    // Whether the user may change the field now: it can be modified, and the record is being
    // edited or the source puts it into edit state on a change.
    bool CanEdit() const;
    // Whether the control may change the current record of the source now (see TDataEditor).
    bool EditsRecordOf(const TDataSource *source) const
    {
        return source && source == DataSource() && CanEdit();
    }

    // What a control calls when the user starts changing the value: edit state when the source
    // allows it. True when the dataset is then being edited.
    bool Edit();
    // The user changed the value; it is written by UpdateRecord.
    void Modified() { modified_ = true; }
    bool IsModified() const { return modified_; }
    // Shows the field again and forgets the pending change.
    void Reset();
    // Writes the pending change through OnUpdateData (the source asks for it before a post).
    void UpdateRecord();
    // Writes the pending change as the user leaves the control. A value the field refuses is
    // shown in an error message and false returned: the control keeps the focus, with the text
    // as typed, so that the user can correct it.
    bool UpdateRecordOnExit();

    // Show the field's value (record, field or dataset changed).
    std::function<void()> OnDataChange;
    // Write the control's value into the field.
    std::function<void()> OnUpdateData;
    // Open, close or edit state changed: the control may become read-only or editable.
    std::function<void()> OnStateChange;

private:
    void Attach();
    void DataChanged(TField *field);
    void StateChanged();

    TSourceConnections source_;
    QString fieldName_;
    bool modified_ = false;
    bool writing_ = false;
};
