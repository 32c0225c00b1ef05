#pragma once

#include "platform/ui/db_data_link.h"
#include "platform/ui/db_edit_mask.h"
#include "platform/ui/field_size_validator.h"

#include <QLineEdit>

#include <functional>

// A one-line edit of one field. Typing puts the dataset into edit state (when the source allows
// it); the text is written into the field when the edit loses focus or the record is posted.
// An edit mask (its own, else the field's) shapes the input.
class TDBEdit : public QLineEdit, public TDataEditor
{
    Q_OBJECT

public:
    explicit TDBEdit(QWidget *parent = nullptr);

    TDataSource *DataSource() const { return link_.DataSource(); }
    void SetDataSource(TDataSource *source) { link_.SetDataSource(source); }
    QString DataField() const { return link_.FieldName(); }
    void SetDataField(const QString &name) { link_.SetFieldName(name); }
    TField *Field() const { return link_.Field(); }
    bool FocusToEdit(const TDataSource *source) override
    {
        return !readOnly_ && link_.EditsRecordOf(source) && TakeEditFocus(*this);
    }

    QString EditMask() const { return editMask_; }
    void SetEditMask(const QString &mask);
    // The control's own read-only switch; the edit is read-only as well while the field cannot
    // be changed.
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool readOnly);

    // The text in the mask's shape (see TEditMask), the plain text without a mask.
    QString Text() const;
    // Replaces the text as the program does from a handler: marks the field changed.
    void SetText(const QString &text);

    std::function<void()> OnChange;
    // A typed character; a null character keeps it from the edit.
    std::function<void(QChar &key)> OnKeyPress;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void ShowField();
    void WriteField();
    void UpdateReadOnly();
    void ApplyMask();

    TFieldDataLink link_;
    // A text field's size (without a mask, which sets the length itself).
    TFieldSizeValidator sizeLimit_{0};
    QString editMask_;
    TEditMask mask_;
    bool readOnly_ = false;
    bool showing_ = false;
};
