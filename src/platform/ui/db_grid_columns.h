#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

class TDataSet;
class TField;

struct TColumnTitle
{
    // Empty: the field's display label.
    QString Caption;
    Qt::Alignment Alignment = Qt::AlignLeft;
};

// One column of a data grid: the field it shows, its title, width in pixels (0: from the field's
// display width), alignment of the cells and whether it may be edited.
class TColumn
{
public:
    QString FieldName() const { return fieldName_; }
    void SetFieldName(const QString &name);
    TColumnTitle Title;
    int Width = 0;
    Qt::Alignment Alignment = Qt::AlignLeft;
    bool ReadOnly = false;
    bool Visible = true;
    // Rows of the drop-down list of a lookup column.
    int DropDownRows = 7;
    // Texts offered in a drop-down list when editing (empty: a plain edit).
    QStringList PickList;

    // The column's field on the grid's open dataset; nullptr otherwise.
    TField *Field() const;
    // The caption shown: Title.Caption, else the field's display label, else the field name.
    QString Caption() const;
    // The position among the grid's columns.
    int Index() const { return index_; }

private:
    friend class TDBGridColumns;
    QString fieldName_;
    TDataSet *dataSet_ = nullptr;
    int index_ = -1;
    std::function<void()> changed_;
};

// The columns of a data grid. When no column was added, the grid shows one default column per
// visible field of its dataset, rebuilt whenever the dataset opens.
class TDBGridColumns
{
public:
    int Count() const { return int(columns_.size()); }
    TColumn &operator[](int index) const { return *columns_.at(size_t(index)); }
    TColumn &Items(int index) const { return (*this)[index]; }
    TColumn &Add();
    void Clear();
    // Whether the columns are the default ones made from the fields.
    bool IsDefault() const { return default_; }
    // The column of a field (without case); nullptr when none shows it.
    TColumn *ColumnOfField(const QString &fieldName) const;

    // Called by the grid: the dataset the columns' fields come from, and what to do when the
    // columns change.
    void SetDataSet(TDataSet *dataSet);
    void SetOnChange(std::function<void()> changed) { changed_ = std::move(changed); }
    // Rebuilds default columns from the dataset's visible fields.
    void RebuildDefault();
    void Changed();

private:
    std::vector<std::unique_ptr<TColumn>> columns_;
    TDataSet *dataSet_ = nullptr;
    bool default_ = true;
    std::function<void()> changed_;
};
