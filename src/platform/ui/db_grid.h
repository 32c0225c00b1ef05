#pragma once

#include "platform/core/enum_set.h"
#include "platform/ui/canvas.h"
#include "platform/ui/db_grid_model.h"
#include "platform/ui/string_grid.h"

#include <QPointer>
#include <QTableView>

#include <functional>

class QStyleOptionViewItem;

enum TDBGridOption
{
    dgEditing,       // cells may be edited in place
    dgTitles,        // a title row above the columns
    dgIndicator,     // a mark before the current record
    dgColumnResize,  // the user may resize columns
    dgColLines,      // lines between the columns
    dgRowLines,      // lines between the rows
    dgTabs,          // Tab moves between the cells
    dgRowSelect,     // the whole row is selected (no editing)
    dgConfirmDelete, // Ctrl+Delete asks before it deletes the record
    dgCancelOnExit   // an unchanged new record is dropped when the grid loses focus
};
using TDBGridOptions = EnumSet<TDBGridOption>;

inline const TDBGridOptions DefaultDBGridOptions{dgEditing,       dgTitles,       dgIndicator,
                                                 dgColumnResize,  dgColLines,     dgRowLines,
                                                 dgConfirmDelete, dgCancelOnExit, dgTabs};

// A grid over the dataset of a data source: one row per record, read on demand, and the columns
// of Columns. The current row and the dataset's current record follow each other. Cells are
// edited in place and written through the dataset (errors are shown and the edit stays); an
// editor the user did not change writes nothing. A post writes the open editor first; when the
// record is posted, cancelled or left by the program, the editor closes without writing. Down on
// the last row or the Insert key appends a record, and a new record left unchanged is dropped
// when the user leaves it. Cells may be owner-drawn.
class TDBGrid : public QTableView, public TDataEditor
{
    Q_OBJECT

public:
    explicit TDBGrid(QWidget *parent = nullptr);
    ~TDBGrid() override;

    TDataSource *DataSource() const { return model_->DataSource(); }
    void SetDataSource(TDataSource *source);
    TDBGridColumns &Columns() { return columns_; }
    TDBGridModel &Model() const { return *model_; }

    TDBGridOptions Options() const { return options_; }
    void SetOptions(TDBGridOptions options);
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool readOnly);
    // With default drawing every cell is filled and its text written before OnDrawColumnCell.
    bool DefaultDrawing() const { return defaultDrawing_; }
    void SetDefaultDrawing(bool on);

    // The current column (0-based); moving it writes an open edit first.
    int SelectedIndex() const { return selectedIndex_; }
    void SetSelectedIndex(int column);
    TField *SelectedField() const;
    // The current row; -1 when there is none.
    int Row() const;
    TRect CellRect(int column, int row) const;
    // The text a cell shows.
    QString CellText(int row, int column) const;
    // The row being drawn inside OnDrawColumnCell; the current row otherwise.
    int DrawingRow() const { return drawingRow_ >= 0 ? drawingRow_ : Row(); }
    bool EditorMode() const { return editor_ != nullptr; }
    // Opens the in-place editor on the current cell.
    void ShowEditor();
    // Takes the focus on the current row: a new record at its first editable cell, a record
    // being edited at the current cell when that is editable, else at the first editable one.
    bool FocusToEdit(const TDataSource *source) override;

    // Fills the cell with the canvas's brush and writes the cell's text in the column's
    // alignment with the canvas's font.
    void DefaultDrawColumnCell(const TRect &rect, int dataCol, TColumn &column, TGridDrawState state,
                               TCanvas &canvas);

    std::function<void(const TRect &rect, int dataCol, TColumn &column, TGridDrawState state,
                       TCanvas &canvas)>
        OnDrawColumnCell;
    // A key pressed in the grid or its editor; setting key to 0 keeps it from both.
    std::function<void(int &key, Qt::KeyboardModifiers shift)> OnKeyDown;
    // A typed character (Enter arrives as '\r'); a null character keeps it from the grid.
    std::function<void(QChar &key)> OnKeyPress;
    std::function<void()> OnColEnter;
    std::function<void()> OnColExit;
    std::function<void(TColumn &column)> OnCellClick;
    std::function<void()> OnDblClick;

    // Used by the grid's delegate and selection model.
    void PaintCell(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index);
    QWidget *CreateEditor(QWidget *parent, const QModelIndex &index);
    void EditorDestroyed(QWidget *editor);
    bool EditorKeyPress(QKeyEvent *event);
    // Whether the field refused the open editor's text, unchanged since.
    bool EditorRefused() const { return editorRefused_; }
    void UserMove(const QModelIndex &target);

protected:
    bool edit(const QModelIndex &index, EditTrigger trigger, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void showEvent(QShowEvent *event) override;

protected slots:
    void commitData(QWidget *editor) override;
    void closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    class SelectionModel;

    bool RunKeyHandlers(QKeyEvent *event);
    bool HandleGridKey(int key, Qt::KeyboardModifiers modifiers);
    void AppendRecord();
    void DeleteRecord();
    bool CommitEditor();
    bool WriteEditor(QWidget *editor);
    void WriteEditorForPost();
    void DropEditor();
    int FirstEditableColumn() const;
    bool MoveDataSet(int row);
    void SetCurrentColumn(int column);
    void PlaceCurrent();
    void LayoutColumns();
    void ApplyOptions();
    void FocusChanged(QWidget *old, QWidget *now);
    bool CanEdit() const;
    void ShowError(const QString &message);

    TDBGridColumns columns_;
    TDBGridModel *model_;
    SelectionModel *selection_;
    QList<QMetaObject::Connection> sourceConnections_;
    TDBGridOptions options_ = DefaultDBGridOptions;
    bool readOnly_ = false;
    bool defaultDrawing_ = true;
    int selectedIndex_ = 0;
    int drawingRow_ = -1;
    QPointer<QWidget> editor_;
    // Whether the user changed the open editor's text or choice.
    bool editorChanged_ = false;
    bool editorRefused_ = false;
    bool editFailed_ = false;
    bool committing_ = false;
    const QKeyEvent *handledKey_ = nullptr;
};
