#pragma once

#include "platform/core/enum_set.h"
#include "platform/ui/canvas.h"

#include <QHash>
#include <QTableView>

#include <functional>

class QStyleOptionViewItem;

enum TGridDrawStateItem
{
    gdSelected,
    gdFocused,
    gdFixed
};
using TGridDrawState = EnumSet<TGridDrawStateItem>;

enum TGridOption
{
    goVertLine, // grid lines between the cells (either line option shows them)
    goHorzLine,
    goRowSelect, // the whole row of the current cell is selected
    goEditing,   // the current cell can be edited in place
    goTabs       // Tab moves to the next cell instead of the next control
};
using TGridOptions = EnumSet<TGridOption>;

// A grid of texts addressed (column, row) from 0, as the windows fill and paint it. The first
// FixedRows rows and FixedCols columns are title cells: painted in the fixed colour, never
// current, never edited; RowCount and ColCount count them. Cells are kept apart from the counts:
// a text written beyond the current size shows once the grid grows to it, while shrinking drops
// the texts of the removed rows and columns. Positions (MouseToCell, CellRect, the rectangle
// given to OnDrawCell) are in the pixels of the grid's cell area; ColWidths and RowHeights are
// the sizes of the cells without the one-pixel grid line; a row or column of size 0 is hidden
// (it takes no room, and the arrow keys pass over it).
//
// A derived grid takes part through the virtual hooks: DrawCell paints a cell, SelectCell answers
// whether a cell may become current, KeyDown, KeyUp and KeyPress see the keys before the grid
// moves, SizeChanged follows every change of RowCount or ColCount and CellTextChanged every
// change of a cell's text.
class TStringGrid : public QTableView
{
    Q_OBJECT
public:
    explicit TStringGrid(QWidget *parent = nullptr);
    ~TStringGrid() override;

    int ColCount() const { return colCount_; }
    void SetColCount(int count);
    int RowCount() const { return rowCount_; }
    void SetRowCount(int count);
    int FixedCols() const { return fixedCols_; }
    void SetFixedCols(int count);
    int FixedRows() const { return fixedRows_; }
    void SetFixedRows(int count);

    // The text of a cell; "" outside the grid.
    QString Cells(int col, int row) const;
    void SetCell(int col, int row, const QString &text);

    int DefaultColWidth() const { return defaultColWidth_; }
    // Sets every column to the new width, as it does the default.
    void SetDefaultColWidth(int width);
    int DefaultRowHeight() const { return defaultRowHeight_; }
    void SetDefaultRowHeight(int height);
    int ColWidths(int col) const;
    void SetColWidth(int col, int width);
    int RowHeights(int row) const;
    void SetRowHeight(int row, int height);

    // Removes one row or column: the cells and sizes after it move one place up or left, and the
    // count shrinks by one.
    void DeleteRow(int row);
    void DeleteColumn(int col);

    // The current cell; -1 when the grid has no cell that can be current.
    int Col() const;
    int Row() const;
    // Moves the current cell; OnSelectCell may refuse, and then false comes back.
    bool SetCol(int col);
    bool SetRow(int row);
    bool FocusCell(int col, int row);

    TGridOptions Options() const { return options_; }
    void SetOptions(TGridOptions options);
    // With default drawing the grid fills each cell and writes its text 2 pixels in from the
    // top-left corner before OnDrawCell runs; without it only OnDrawCell paints.
    bool DefaultDrawing() const { return defaultDrawing_; }
    void SetDefaultDrawing(bool on);
    QColor Color() const { return color_; }
    void SetColor(const QColor &color);
    QColor FixedColor() const { return fixedColor_; }
    void SetFixedColor(const QColor &color);

    // The cell under (x, y), or -1 and -1 off the cells.
    void MouseToCell(int x, int y, int &col, int &row) const;
    TRect CellRect(int col, int row) const;

    // Runs for every cell painted. The canvas arrives with the cell's brush (fixed colour,
    // highlight for a selected cell without focus, else the grid colour) and the grid's font,
    // and draws only inside the cell.
    std::function<void(int col, int row, const TRect &rect, TGridDrawState state, TCanvas &canvas)>
        OnDrawCell;
    // Asked before a cell becomes current (mouse, keys or code); false refuses the move.
    std::function<bool(int col, int row)> OnSelectCell;
    std::function<void()> OnClick;
    std::function<void()> OnDblClick;
    // A key pressed in the grid; setting key to 0 keeps it from the grid.
    std::function<void(int &key, Qt::KeyboardModifiers shift)> OnKeyDown;
    // A typed character (Enter arrives as '\r'); a null character keeps it from the grid, another
    // character replaces it.
    std::function<void(QChar &key)> OnKeyPress;
    // A key let go in the grid, after the grid has moved.
    std::function<void(int key, Qt::KeyboardModifiers shift)> OnKeyUp;

    // Paints one cell: used by the grid's item delegate.
    void PaintCell(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const;
    // A key typed into the in-place editor passes through KeyPress as the grid's own keys do: true
    // when it is kept from the editor (a replaced character is typed into the editor instead).
    bool EditorKeyPress(QObject *editor, QKeyEvent *event);
    bool IsFixed(int col, int row) const { return col < fixedCols_ || row < fixedRows_; }
    bool CanSelect(int col, int row);

    using QTableView::edit;

protected:
    // Paints one cell after the grid has filled it (with default drawing): writes the text when
    // drawing by default, then runs OnDrawCell.
    virtual void DrawCell(int col, int row, const TRect &rect, TGridDrawState state, TCanvas &canvas);
    // OnSelectCell's answer, true without one.
    virtual bool SelectCell(int col, int row);
    // Raise OnKeyDown, OnKeyPress and OnKeyUp.
    virtual void KeyDown(int &key, Qt::KeyboardModifiers shift);
    virtual void KeyPress(QChar &key);
    virtual void KeyUp(int key, Qt::KeyboardModifiers shift);
    // After RowCount or ColCount changed, with the counts before the change.
    virtual void SizeChanged(int oldColCount, int oldRowCount);
    virtual void CellTextChanged(int col, int row);

    void keyReleaseEvent(QKeyEvent *event) override;
    bool edit(const QModelIndex &index, EditTrigger trigger, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    class Model;
    class SelectionModel;

    int GridLine() const;
    void ApplyOptions();
    void EnsureCurrentCell();
    void DropCellsBeyond(int colCount, int rowCount);
    void Resized(int oldColCount, int oldRowCount);

    Model *model_;
    SelectionModel *selection_;
    QHash<quint64, QString> cells_;
    int colCount_ = 5;
    int rowCount_ = 5;
    int fixedCols_ = 1;
    int fixedRows_ = 1;
    int defaultColWidth_ = 64;
    int defaultRowHeight_ = 24;
    TGridOptions options_{goVertLine, goHorzLine};
    bool defaultDrawing_ = true;
    bool passingKeyOn_ = false; // the key that opens the editor has been through KeyPress already
    QColor color_;
    QColor fixedColor_;
};
