#pragma once

#include "platform/ui/db_data_link.h"

#include <QCheckBox>

#include <functional>

// A check box over one field. A logical field is checked when true; any other field is checked
// when its text equals one of the ";"-separated ValueChecked texts (without case) and unchecked
// otherwise. Clicking writes true/false, or the first ValueChecked / ValueUnchecked text.
class TDBCheckBox : public QCheckBox, public TDataEditor
{
    Q_OBJECT

public:
    explicit TDBCheckBox(QWidget *parent = nullptr);

    TDataSource *DataSource() const { return link_.DataSource(); }
    void SetDataSource(TDataSource *source) { link_.SetDataSource(source); }
    QString DataField() const { return link_.FieldName(); }
    void SetDataField(const QString &name) { link_.SetFieldName(name); }
    TField *Field() const { return link_.Field(); }
    bool FocusToEdit(const TDataSource *source) override
    {
        return !readOnly_ && link_.EditsRecordOf(source) && TakeEditFocus(*this);
    }

    QString ValueChecked() const { return valueChecked_; }
    void SetValueChecked(const QString &value);
    QString ValueUnchecked() const { return valueUnchecked_; }
    void SetValueUnchecked(const QString &value);
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool readOnly);

    std::function<void()> OnClick;

protected:
    void nextCheckState() override;

private:
    void ShowField();
    void UpdateEnabled();

    TFieldDataLink link_;
    QString valueChecked_ = QStringLiteral("True");
    QString valueUnchecked_ = QStringLiteral("False");
    bool readOnly_ = false;
};
