#pragma once

#include "platform/ui/db_data_link.h"
#include "platform/ui/db_grid_columns.h"

#include <QAbstractTableModel>

// The rows of a dataset as a table model for a data grid: each row is a record of the dataset's
// view, read on demand through ValueAt/DisplayTextAt (only the rows a view paints are read),
// plus the record being inserted while the dataset is in insert state. The columns are those of
// a TDBGridColumns. The vertical header marks the current record.
class TDBGridModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit TDBGridModel(TDBGridColumns &columns, QObject *parent = nullptr);

    TDataSource *DataSource() const { return source_.Source(); }
    void SetDataSource(TDataSource *source);
    TDataSet *DataSet() const;
    bool Active() const;
    // Whether cells may be edited at all (the grid's options and read-only switch).
    void SetEditing(bool editing);

    // The row of the dataset's current record (the new row while inserting); -1 when none.
    int CurrentRow() const;
    // The row of the record being inserted; -1 outside insert state.
    int InsertRow() const { return insertRow_; }
    // The record of the dataset's view shown in a row; -1 for the new row or outside the rows.
    int RecordOfRow(int row) const;
    // Whether the cell's field may be changed from the grid.
    bool CanEditCell(int row, int column) const;
    // Writes a typed text into the current record's field of the column (edit state first);
    // nothing for a column that is not there. Raises the dataset's errors (EDatabaseError for a
    // text the field does not take).
    void SetCellText(int column, const QString &text);

    // Reads the records again (the dataset's records or columns changed).
    void Reload();

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    void StateChanged();
    void RecordChanged(TField *field);
    QString CellText(int row, const TColumn &column) const;

    TDBGridColumns &columns_;
    TSourceConnections source_;
    int recordCount_ = 0;
    int insertRow_ = -1;
    bool editing_ = true;
    int markedRow_ = -1;
};
