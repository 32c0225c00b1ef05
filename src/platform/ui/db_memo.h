#pragma once

#include "platform/ui/db_data_link.h"

#include <QPlainTextEdit>

// A multi-line edit of a memo or text field: typing puts the dataset into edit state, the text
// is written when the memo loses focus or the record is posted.
class TDBMemo : public QPlainTextEdit, public TDataEditor
{
    Q_OBJECT

public:
    explicit TDBMemo(QWidget *parent = nullptr);

    TDataSource *DataSource() const { return link_.DataSource(); }
    void SetDataSource(TDataSource *source) { link_.SetDataSource(source); }
    QString DataField() const { return link_.FieldName(); }
    void SetDataField(const QString &name) { link_.SetFieldName(name); }
    TField *Field() const { return link_.Field(); }
    bool FocusToEdit(const TDataSource *source) override
    {
        return !readOnly_ && link_.EditsRecordOf(source) && TakeEditFocus(*this);
    }
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool readOnly);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void ShowField();
    void UpdateReadOnly();

    TFieldDataLink link_;
    bool readOnly_ = false;
    bool showing_ = false;
};
