#include "platform/ui/db_grid_columns.h"

#include "platform/db/dataset.h"

void TColumn::SetFieldName(const QString &name)
{
    fieldName_ = name;
    if (changed_)
        changed_();
}

TField *TColumn::Field() const
{
    return dataSet_ && dataSet_->Active() && !fieldName_.isEmpty() ? dataSet_->FindField(fieldName_)
                                                                   : nullptr;
}

QString TColumn::Caption() const
{
    if (!Title.Caption.isEmpty())
        return Title.Caption;
    const TField *field = Field();
    return field ? field->DisplayLabel() : fieldName_;
}

TColumn &TDBGridColumns::Add()
{
    if (default_) {
        columns_.clear();
        default_ = false;
    }
    columns_.push_back(std::make_unique<TColumn>());
    TColumn &column = *columns_.back();
    column.dataSet_ = dataSet_;
    column.index_ = Count() - 1;
    column.changed_ = [this]() { Changed(); };
    Changed();
    return column;
}

void TDBGridColumns::Clear()
{
    columns_.clear();
    default_ = true;
    RebuildDefault();
}

TColumn *TDBGridColumns::ColumnOfField(const QString &fieldName) const
{
    for (const auto &column : columns_)
        if (column->FieldName().compare(fieldName, Qt::CaseInsensitive) == 0)
            return column.get();
    return nullptr;
}

void TDBGridColumns::SetDataSet(TDataSet *dataSet)
{
    dataSet_ = dataSet;
    for (const auto &column : columns_)
        column->dataSet_ = dataSet;
    RebuildDefault();
}

void TDBGridColumns::RebuildDefault()
{
    if (!default_) {
        Changed();
        return;
    }
    columns_.clear();
    if (dataSet_ && dataSet_->Active())
        for (int i = 0; i < dataSet_->FieldCount(); ++i) {
            const TField &field = dataSet_->Fields()[i];
            if (!field.Visible())
                continue;
            columns_.push_back(std::make_unique<TColumn>());
            TColumn &column = *columns_.back();
            column.fieldName_ = field.FieldName();
            column.dataSet_ = dataSet_;
            column.index_ = Count() - 1;
        }
    Changed();
}

void TDBGridColumns::Changed()
{
    if (changed_)
        changed_();
}
