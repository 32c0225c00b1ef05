#include "platform/ui/string_grid.h"

#include <QAbstractTableModel>
#include <QCoreApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QScopedValueRollback>
#include <QStyledItemDelegate>

#include <algorithm>

namespace {

// Cells are kept by column and row together in one key.
quint64 CellKey(int col, int row)
{
    return (quint64(quint32(col)) << 32) | quint32(row);
}

int KeyCol(quint64 key)
{
    return int(key >> 32);
}

int KeyRow(quint64 key)
{
    return int(key & 0xFFFFFFFFu);
}

class CellDelegate : public QStyledItemDelegate
{
public:
    explicit CellDelegate(TStringGrid *grid) : QStyledItemDelegate(grid), grid_(grid) {}

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        grid_->PaintCell(painter, option, index);
    }

protected:
    bool eventFilter(QObject *editor, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress &&
            grid_->EditorKeyPress(editor, static_cast<QKeyEvent *>(event)))
            return true;
        return QStyledItemDelegate::eventFilter(editor, event);
    }

private:
    TStringGrid *grid_;
};

} // namespace

// The view's window on the grid's cells.
class TStringGrid::Model : public QAbstractTableModel
{
public:
    explicit Model(TStringGrid *grid) : QAbstractTableModel(grid), grid_(grid) {}

    int rowCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : grid_->rowCount_;
    }
    int columnCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : grid_->colCount_;
    }

    QVariant data(const QModelIndex &index, int role) const override
    {
        if (role != Qt::DisplayRole && role != Qt::EditRole)
            return {};
        return grid_->Cells(index.column(), index.row());
    }

    bool setData(const QModelIndex &index, const QVariant &value, int role) override
    {
        if (role != Qt::EditRole)
            return false;
        grid_->SetCell(index.column(), index.row(), value.toString());
        return true;
    }

    Qt::ItemFlags flags(const QModelIndex &index) const override
    {
        if (grid_->IsFixed(index.column(), index.row()))
            return Qt::ItemIsEnabled;
        Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
        if (grid_->options_.Contains(goEditing))
            flags |= Qt::ItemIsEditable;
        return flags;
    }

    void CellChanged(int col, int row)
    {
        const QModelIndex cell = index(row, col);
        emit dataChanged(cell, cell);
    }

    // Takes one row or column out of the view; moveCells shifts the texts meanwhile.
    void RemoveOne(int &count, int at, bool rows, const std::function<void()> &moveCells)
    {
        rows ? beginRemoveRows({}, at, at) : beginRemoveColumns({}, at, at);
        --count;
        moveCells();
        rows ? endRemoveRows() : endRemoveColumns();
    }

    void Resize(int &count, int newCount, bool rows, const std::function<void()> &dropCells)
    {
        if (newCount > count) {
            rows ? beginInsertRows({}, count, newCount - 1) : beginInsertColumns({}, count, newCount - 1);
            count = newCount;
            rows ? endInsertRows() : endInsertColumns();
        } else if (newCount < count) {
            rows ? beginRemoveRows({}, newCount, count - 1) : beginRemoveColumns({}, newCount, count - 1);
            count = newCount;
            dropCells();
            rows ? endRemoveRows() : endRemoveColumns();
        }
    }

private:
    TStringGrid *grid_;
};

// Keeps the selection to the current cell (or its row) and asks the grid before the current
// cell moves, whoever moves it.
class TStringGrid::SelectionModel : public QItemSelectionModel
{
public:
    SelectionModel(TStringGrid *grid, Model *model) : QItemSelectionModel(model, grid), grid_(grid) {}

    using QItemSelectionModel::select;

    void setCurrentIndex(const QModelIndex &index, QItemSelectionModel::SelectionFlags) override
    {
        if (index.isValid() && index != currentIndex() && !grid_->CanSelect(index.column(), index.row()))
            return;
        Place(index);
    }

    void select(const QItemSelection &selection, QItemSelectionModel::SelectionFlags command) override
    {
        if (placing_)
            QItemSelectionModel::select(selection, command);
    }

    // Moves the current cell without asking.
    void Place(const QModelIndex &index)
    {
        placing_ = true;
        if (index.isValid()) {
            QItemSelectionModel::SelectionFlags flags = ClearAndSelect;
            if (grid_->options_.Contains(goRowSelect))
                flags |= Rows;
            QItemSelectionModel::setCurrentIndex(index, flags);
        } else {
            clear();
        }
        placing_ = false;
    }

private:
    TStringGrid *grid_;
    bool placing_ = false;
};

TStringGrid::TStringGrid(QWidget *parent)
    : QTableView(parent), model_(new Model(this)), color_(palette().color(QPalette::Base)),
      fixedColor_(palette().color(QPalette::Button))
{
    setModel(model_);
    QItemSelectionModel *defaultSelection = selectionModel();
    selection_ = new SelectionModel(this, model_);
    setSelectionModel(selection_);
    delete defaultSelection;
    setItemDelegate(new CellDelegate(this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setWordWrap(false);
    for (QHeaderView *header : {horizontalHeader(), verticalHeader()}) {
        header->hide();
        header->setMinimumSectionSize(0);
        header->setSectionResizeMode(QHeaderView::Fixed);
    }
    ApplyOptions();
    SetDefaultColWidth(defaultColWidth_);
    SetDefaultRowHeight(defaultRowHeight_);
    EnsureCurrentCell();
}

TStringGrid::~TStringGrid() = default;

int TStringGrid::GridLine() const
{
    return showGrid() ? 1 : 0;
}

void TStringGrid::SetColCount(int count)
{
    const int oldColCount = colCount_;
    count = std::max(count, 0);
    model_->Resize(colCount_, count, false, [&] { DropCellsBeyond(colCount_, rowCount_); });
    Resized(oldColCount, rowCount_);
}

void TStringGrid::SetRowCount(int count)
{
    const int oldRowCount = rowCount_;
    count = std::max(count, 0);
    model_->Resize(rowCount_, count, true, [&] { DropCellsBeyond(colCount_, rowCount_); });
    Resized(colCount_, oldRowCount);
}

void TStringGrid::Resized(int oldColCount, int oldRowCount)
{
    fixedCols_ = std::min(fixedCols_, colCount_);
    fixedRows_ = std::min(fixedRows_, rowCount_);
    EnsureCurrentCell();
    if (oldColCount != colCount_ || oldRowCount != rowCount_)
        SizeChanged(oldColCount, oldRowCount);
}

void TStringGrid::DeleteRow(int row)
{
    if (row < 0 || row >= rowCount_)
        return;
    const int oldRowCount = rowCount_;
    model_->RemoveOne(rowCount_, row, true, [&] {
        QHash<quint64, QString> moved;
        for (auto cell = cells_.cbegin(); cell != cells_.cend(); ++cell) {
            const int cellRow = KeyRow(cell.key());
            if (cellRow != row)
                moved.insert(CellKey(KeyCol(cell.key()), cellRow > row ? cellRow - 1 : cellRow),
                             cell.value());
        }
        cells_.swap(moved);
    });
    Resized(colCount_, oldRowCount);
}

void TStringGrid::DeleteColumn(int col)
{
    if (col < 0 || col >= colCount_)
        return;
    const int oldColCount = colCount_;
    model_->RemoveOne(colCount_, col, false, [&] {
        QHash<quint64, QString> moved;
        for (auto cell = cells_.cbegin(); cell != cells_.cend(); ++cell) {
            const int cellCol = KeyCol(cell.key());
            if (cellCol != col)
                moved.insert(CellKey(cellCol > col ? cellCol - 1 : cellCol, KeyRow(cell.key())),
                             cell.value());
        }
        cells_.swap(moved);
    });
    Resized(oldColCount, rowCount_);
}

void TStringGrid::SizeChanged(int, int) {}

void TStringGrid::CellTextChanged(int, int) {}

void TStringGrid::SetFixedCols(int count)
{
    fixedCols_ = std::clamp(count, 0, colCount_);
    viewport()->update();
    EnsureCurrentCell();
}

void TStringGrid::SetFixedRows(int count)
{
    fixedRows_ = std::clamp(count, 0, rowCount_);
    viewport()->update();
    EnsureCurrentCell();
}

void TStringGrid::DropCellsBeyond(int colCount, int rowCount)
{
    cells_.removeIf([&](const QHash<quint64, QString>::iterator &cell) {
        return KeyCol(cell.key()) >= colCount || KeyRow(cell.key()) >= rowCount;
    });
}

QString TStringGrid::Cells(int col, int row) const
{
    if (col < 0 || row < 0 || col >= colCount_ || row >= rowCount_)
        return {};
    return cells_.value(CellKey(col, row));
}

void TStringGrid::SetCell(int col, int row, const QString &text)
{
    if (col < 0 || row < 0)
        return;
    if (text.isEmpty())
        cells_.remove(CellKey(col, row));
    else
        cells_.insert(CellKey(col, row), text);
    if (col < colCount_ && row < rowCount_) {
        model_->CellChanged(col, row);
        CellTextChanged(col, row);
    }
}

void TStringGrid::SetDefaultColWidth(int width)
{
    defaultColWidth_ = std::max(width, 0);
    horizontalHeader()->setDefaultSectionSize(defaultColWidth_ + GridLine());
    for (int col = 0; col < colCount_; ++col)
        SetColWidth(col, defaultColWidth_);
}

void TStringGrid::SetDefaultRowHeight(int height)
{
    defaultRowHeight_ = std::max(height, 0);
    verticalHeader()->setDefaultSectionSize(defaultRowHeight_ + GridLine());
    for (int row = 0; row < rowCount_; ++row)
        SetRowHeight(row, defaultRowHeight_);
}

int TStringGrid::ColWidths(int col) const
{
    if (col < 0 || col >= colCount_ || isColumnHidden(col))
        return 0;
    return columnWidth(col) - GridLine();
}

void TStringGrid::SetColWidth(int col, int width)
{
    if (col < 0 || col >= colCount_)
        return;
    setColumnHidden(col, width <= 0);
    if (width > 0)
        horizontalHeader()->resizeSection(col, width + GridLine());
}

int TStringGrid::RowHeights(int row) const
{
    if (row < 0 || row >= rowCount_ || isRowHidden(row))
        return 0;
    return rowHeight(row) - GridLine();
}

void TStringGrid::SetRowHeight(int row, int height)
{
    if (row < 0 || row >= rowCount_)
        return;
    setRowHidden(row, height <= 0);
    if (height > 0)
        verticalHeader()->resizeSection(row, height + GridLine());
}

int TStringGrid::Col() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.column() : -1;
}

int TStringGrid::Row() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() : -1;
}

bool TStringGrid::SetCol(int col)
{
    return FocusCell(col, Row());
}

bool TStringGrid::SetRow(int row)
{
    return FocusCell(Col(), row);
}

bool TStringGrid::FocusCell(int col, int row)
{
    const QModelIndex cell = model_->index(row, col);
    if (!cell.isValid())
        return false;
    selection_->setCurrentIndex(cell, QItemSelectionModel::ClearAndSelect);
    return currentIndex() == cell;
}

bool TStringGrid::CanSelect(int col, int row)
{
    if (col < 0 || row < 0 || col >= colCount_ || row >= rowCount_ || IsFixed(col, row))
        return false;
    return SelectCell(col, row);
}

bool TStringGrid::SelectCell(int col, int row)
{
    return !OnSelectCell || OnSelectCell(col, row);
}

// The first cell after the titles is current from the start, without asking, as long as the
// current cell is missing or has become a title cell.
void TStringGrid::EnsureCurrentCell()
{
    const QModelIndex current = currentIndex();
    if (current.isValid() && !IsFixed(current.column(), current.row()))
        return;
    selection_->Place(model_->index(fixedRows_, fixedCols_));
}

void TStringGrid::SetOptions(TGridOptions options)
{
    QList<int> widths;
    QList<int> heights;
    for (int col = 0; col < colCount_; ++col)
        widths.append(ColWidths(col));
    for (int row = 0; row < rowCount_; ++row)
        heights.append(RowHeights(row));
    options_ = options;
    ApplyOptions();
    // The grid line belongs to the section, so sizes are set again when it comes or goes.
    horizontalHeader()->setDefaultSectionSize(defaultColWidth_ + GridLine());
    verticalHeader()->setDefaultSectionSize(defaultRowHeight_ + GridLine());
    for (int col = 0; col < colCount_; ++col)
        SetColWidth(col, widths[col]);
    for (int row = 0; row < rowCount_; ++row)
        SetRowHeight(row, heights[row]);
    selection_->Place(currentIndex());
    viewport()->update();
}

void TStringGrid::ApplyOptions()
{
    setShowGrid(options_.Contains(goVertLine) || options_.Contains(goHorzLine));
    setSelectionBehavior(options_.Contains(goRowSelect) ? SelectRows : SelectItems);
    setEditTriggers(options_.Contains(goEditing) ? (DoubleClicked | EditKeyPressed | AnyKeyPressed)
                                                 : NoEditTriggers);
    setTabKeyNavigation(options_.Contains(goTabs));
}

void TStringGrid::SetDefaultDrawing(bool on)
{
    defaultDrawing_ = on;
    viewport()->update();
}

void TStringGrid::SetColor(const QColor &color)
{
    color_ = color;
    viewport()->update();
}

void TStringGrid::SetFixedColor(const QColor &color)
{
    fixedColor_ = color;
    viewport()->update();
}

void TStringGrid::MouseToCell(int x, int y, int &col, int &row) const
{
    const QModelIndex cell = indexAt(QPoint(x, y));
    col = cell.isValid() ? cell.column() : -1;
    row = cell.isValid() ? cell.row() : -1;
}

TRect TStringGrid::CellRect(int col, int row) const
{
    return TRect::FromQRect(visualRect(model_->index(row, col)));
}

void TStringGrid::PaintCell(QPainter *painter, const QStyleOptionViewItem &option,
                            const QModelIndex &index) const
{
    const int col = index.column();
    const int row = index.row();
    TGridDrawState state;
    if (IsFixed(col, row)) {
        state.Include(gdFixed);
    } else {
        if (index == currentIndex() || selectionModel()->isSelected(index))
            state.Include(gdSelected);
        if (index == currentIndex() && hasFocus())
            state.Include(gdFocused);
    }
    // The focused cell shows as a normal cell; selected cells of a grid without focus, and the
    // rest of a selected row, show highlighted.
    const bool highlighted = state.Contains(gdSelected) && !state.Contains(gdFocused);

    painter->save();
    painter->setClipRect(option.rect);
    TCanvas canvas(painter);
    canvas.Font = TFont::FromQFont(font(), palette().color(QPalette::Text), logicalDpiY());
    canvas.Brush.Color = state.Contains(gdFixed) ? fixedColor_ : color_;
    if (highlighted) {
        canvas.Brush.Color = palette().color(QPalette::Highlight);
        canvas.Font.Color = palette().color(QPalette::HighlightedText);
    }
    const TRect rect = TRect::FromQRect(option.rect);
    if (defaultDrawing_)
        canvas.FillRect(rect);
    // Painting is a const act of the view; a derived grid's drawing changes nothing of the grid.
    const_cast<TStringGrid *>(this)->DrawCell(col, row, rect, state, canvas);
    painter->restore();
}

void TStringGrid::DrawCell(int col, int row, const TRect &rect, TGridDrawState state, TCanvas &canvas)
{
    if (defaultDrawing_)
        canvas.TextOut(rect.Left + 2, rect.Top + 2, Cells(col, row));
    if (OnDrawCell)
        OnDrawCell(col, row, rect, state, canvas);
}

bool TStringGrid::edit(const QModelIndex &index, EditTrigger trigger, QEvent *event)
{
    // Only the current cell is edited, so a cell that refused to become current stays read-only.
    if (index != currentIndex())
        return false;
    return QTableView::edit(index, trigger, event);
}

void TStringGrid::KeyDown(int &key, Qt::KeyboardModifiers shift)
{
    if (OnKeyDown)
        OnKeyDown(key, shift);
}

void TStringGrid::KeyPress(QChar &key)
{
    if (OnKeyPress)
        OnKeyPress(key);
}

void TStringGrid::KeyUp(int key, Qt::KeyboardModifiers shift)
{
    if (OnKeyUp)
        OnKeyUp(key, shift);
}

void TStringGrid::keyReleaseEvent(QKeyEvent *event)
{
    QTableView::keyReleaseEvent(event);
    if (!event->isAutoRepeat())
        KeyUp(event->key(), event->modifiers());
}

void TStringGrid::keyPressEvent(QKeyEvent *event)
{
    int key = event->key();
    KeyDown(key, event->modifiers());
    if (key == 0) {
        event->accept();
        return;
    }
    if (!event->text().isEmpty()) {
        const QChar typed = event->text().at(0);
        QChar character = typed;
        KeyPress(character);
        if (character.isNull()) {
            event->accept();
            return;
        }
        if (character != typed) {
            QKeyEvent replaced(event->type(), event->key(), event->modifiers(), QString(character));
            const QScopedValueRollback passing(passingKeyOn_, true);
            QTableView::keyPressEvent(&replaced);
            return;
        }
    }
    const QScopedValueRollback passing(passingKeyOn_, true);
    QTableView::keyPressEvent(event);
}

bool TStringGrid::EditorKeyPress(QObject *editor, QKeyEvent *event)
{
    if (event->text().isEmpty() || passingKeyOn_)
        return false;
    const QChar typed = event->text().at(0);
    QChar character = typed;
    KeyPress(character);
    if (character.isNull())
        return true;
    if (character == typed)
        return false;
    QKeyEvent replaced(event->type(), event->key(), event->modifiers(), QString(character));
    QCoreApplication::sendEvent(editor, &replaced);
    return true;
}

void TStringGrid::mouseReleaseEvent(QMouseEvent *event)
{
    QTableView::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && OnClick)
        OnClick();
}

void TStringGrid::mouseDoubleClickEvent(QMouseEvent *event)
{
    QTableView::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton && OnDblClick)
        OnDblClick();
}
