#include "platform/ui/db_grid_model.h"

#include "platform/core/errors.h"

namespace {

// The marks of the current row in the vertical header: browsing, editing, inserting.
const QString BrowseMark = QStringLiteral("▶");
const QString EditMark = QStringLiteral("I");
const QString InsertMark = QStringLiteral("*");

} // namespace

TDBGridModel::TDBGridModel(TDBGridColumns &columns, QObject *parent)
    : QAbstractTableModel(parent), columns_(columns)
{
}

void TDBGridModel::SetDataSource(TDataSource *source)
{
    if (!source_.Switch(source))
        return;
    if (source)
        source_ << connect(source, &TDataSource::DataSetChanged, this, &TDBGridModel::Reload)
                << connect(source, &TDataSource::StateChanged, this, &TDBGridModel::StateChanged)
                << connect(source, &TDataSource::DataChanged, this, &TDBGridModel::RecordChanged)
                << connect(source, &QObject::destroyed, this, &TDBGridModel::Reload, Qt::QueuedConnection);
    Reload();
}

TDataSet *TDBGridModel::DataSet() const
{
    return DataSource() ? DataSource()->DataSet() : nullptr;
}

bool TDBGridModel::Active() const
{
    return DataSet() && DataSet()->Active() && DataSource()->Enabled();
}

void TDBGridModel::SetEditing(bool editing)
{
    editing_ = editing;
}

void TDBGridModel::Reload()
{
    beginResetModel();
    recordCount_ = 0;
    insertRow_ = -1;
    if (Active()) {
        TDataSet &data = *DataSet();
        recordCount_ = data.RecordCount();
        if (data.State() == TDataSetState::dsInsert)
            // An appended record shows after the last one, an inserted one before the current.
            insertRow_ = data.Eof() || recordCount_ == 0 ? recordCount_ : std::max(data.RecNo() - 1, 0);
    }
    markedRow_ = CurrentRow();
    endResetModel();
}

void TDBGridModel::StateChanged()
{
    const bool inserting = Active() && DataSet()->State() == TDataSetState::dsInsert;
    if (inserting != (insertRow_ >= 0) || !Active())
        Reload();
    else
        RecordChanged(nullptr);
}

void TDBGridModel::RecordChanged(TField *field)
{
    const int row = CurrentRow();
    if (markedRow_ != row) {
        const int previous = markedRow_;
        markedRow_ = row;
        if (previous >= 0 && previous < rowCount())
            emit headerDataChanged(Qt::Vertical, previous, previous);
    }
    if (row < 0 || row >= rowCount())
        return;
    emit headerDataChanged(Qt::Vertical, row, row);
    if (!field) {
        emit dataChanged(index(row, 0), index(row, columnCount() - 1));
        return;
    }
    for (int column = 0; column < columns_.Count(); ++column)
        if (columns_[column].Field() == field)
            emit dataChanged(index(row, column), index(row, column));
}

int TDBGridModel::CurrentRow() const
{
    if (!Active())
        return -1;
    if (insertRow_ >= 0)
        return insertRow_;
    return recordCount_ == 0 ? -1 : std::clamp(DataSet()->RecNo() - 1, 0, recordCount_ - 1);
}

int TDBGridModel::RecordOfRow(int row) const
{
    if (row < 0 || row >= rowCount() || row == insertRow_)
        return -1;
    return insertRow_ >= 0 && row > insertRow_ ? row - 1 : row;
}

int TDBGridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : recordCount_ + (insertRow_ >= 0 ? 1 : 0);
}

int TDBGridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : columns_.Count();
}

QString TDBGridModel::CellText(int row, const TColumn &column) const
{
    const TField *field = column.Field();
    if (!field)
        return QString();
    if (row == insertRow_)
        return field->DisplayText();
    const int record = RecordOfRow(row);
    TDataSet &data = *DataSet();
    // While inserting, the record the cursor stood on is read from the view, not from the
    // record being inserted.
    if (insertRow_ >= 0 && record == data.RecNo() - 1)
        return TField::ValueToText(data.ValueAt(record, field->Index()), field->DataType());
    return data.DisplayTextAt(record, field->Index());
}

QVariant TDBGridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || !Active() || index.column() >= columns_.Count())
        return {};
    const TColumn &column = columns_[index.column()];
    switch (role) {
    case Qt::DisplayRole:
        try {
            return CellText(index.row(), column);
        } catch (const Exception &) {
            // A record that cannot be read shows empty rather than breaking the painting.
            return QString();
        }
    case Qt::EditRole: {
        const TField *field = column.Field();
        return field && index.row() == CurrentRow() ? field->Text() : QString();
    }
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(column.Alignment | Qt::AlignVCenter);
    default:
        return {};
    }
}

QVariant TDBGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal) {
        if (section < 0 || section >= columns_.Count())
            return {};
        if (role == Qt::DisplayRole)
            return columns_[section].Caption();
        if (role == Qt::TextAlignmentRole)
            return QVariant::fromValue(columns_[section].Title.Alignment | Qt::AlignVCenter);
        return {};
    }
    // Only the text is answered: the header reads other roles (the font among them) as values of
    // their own type, and an empty text is no font.
    if (role != Qt::DisplayRole)
        return {};
    if (section != CurrentRow())
        return QString();
    switch (DataSet()->State()) {
    case TDataSetState::dsEdit:
        return EditMark;
    case TDataSetState::dsInsert:
        return InsertMark;
    default:
        return BrowseMark;
    }
}

bool TDBGridModel::CanEditCell(int row, int column) const
{
    if (!editing_ || !Active() || column < 0 || column >= columns_.Count() || row != CurrentRow())
        return false;
    const TColumn &col = columns_[column];
    const TField *field = col.Field();
    const TDataSet &data = *DataSet();
    const bool editing = data.State() == TDataSetState::dsEdit || data.State() == TDataSetState::dsInsert;
    return field && !col.ReadOnly && !field->ReadOnly() && field->FieldKind() != TFieldKind::fkCalculated &&
           data.CanModify() && (editing || DataSource()->AutoEdit());
}

Qt::ItemFlags TDBGridModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (CanEditCell(index.row(), index.column()))
        flags |= Qt::ItemIsEditable;
    return flags;
}

void TDBGridModel::SetCellText(int column, const QString &text)
{
    // No column (the columns were made again) or no open dataset: there is no cell to write.
    if (column < 0 || column >= columns_.Count() || !Active())
        return;
    TField *field = columns_[column].Field();
    if (!field)
        return;
    TDataSet &data = *DataSet();
    const bool editing = data.State() == TDataSetState::dsEdit || data.State() == TDataSetState::dsInsert;
    if (!editing && text == field->Text())
        return;
    DataSource()->Edit();
    if (text.isEmpty())
        field->Clear();
    else
        field->SetAsString(text);
}
