#include "platform/ui/db_grid.h"

#include "platform/core/message_service.h"
#include "platform/db/db_errors.h"
#include "platform/ui/field_size_validator.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QScopedValueRollback>
#include <QStyledItemDelegate>
#include <QTimer>

#include <algorithm>

namespace {

const QString DeleteQuestion = QStringLiteral("Διαγραφή εγγραφής;");
// Set on an editor once it shows the field, so that later changes of the record do not
// overwrite what the user is typing.
const char *const FilledProperty = "tavrolinFilled";

class GridDelegate : public QStyledItemDelegate
{
public:
    explicit GridDelegate(TDBGrid *grid) : QStyledItemDelegate(grid), grid_(grid) {}

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        grid_->PaintCell(painter, option, index);
    }

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &,
                          const QModelIndex &index) const override
    {
        return grid_->CreateEditor(parent, index);
    }

    void setEditorData(QWidget *editor, const QModelIndex &index) const override
    {
        if (editor->property(FilledProperty).toBool())
            return;
        editor->setProperty(FilledProperty, true);
        const QString text = index.data(Qt::EditRole).toString();
        // An empty field shows no choice, so that nothing is offered as if it were chosen.
        if (auto *combo = qobject_cast<QComboBox *>(editor))
            combo->setCurrentIndex(text.isEmpty() ? -1 : combo->findText(text));
        else if (auto *line = qobject_cast<QLineEdit *>(editor))
            line->setText(text);
    }

    // The grid writes the editor itself (see TDBGrid::commitData).
    void setModelData(QWidget *, QAbstractItemModel *, const QModelIndex &) const override {}

    void destroyEditor(QWidget *editor, const QModelIndex &index) const override
    {
        grid_->EditorDestroyed(editor);
        QStyledItemDelegate::destroyEditor(editor, index);
    }

protected:
    bool eventFilter(QObject *object, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress && grid_->EditorKeyPress(static_cast<QKeyEvent *>(event)))
            return true;
        // The focus leaving for the message about a refused text (or after it) neither writes the
        // text again nor closes the editor: the text stays for correction.
        if (event->type() == QEvent::FocusOut && grid_->EditorRefused())
            return false;
        return QStyledItemDelegate::eventFilter(object, event);
    }

private:
    TDBGrid *grid_;
};

QString EditorText(QWidget *editor)
{
    if (auto *combo = qobject_cast<QComboBox *>(editor))
        return combo->currentText();
    if (auto *line = qobject_cast<QLineEdit *>(editor))
        return line->text();
    return QString();
}

// The texts a lookup field may take in the record being edited, as stored now.
QStringList LookupTexts(const TField &field)
{
    QStringList texts;
    for (const TLookupItem &item : field.LookupList())
        texts.append(item.text);
    return texts;
}

} // namespace

// Every move of the current cell, by mouse, keys or code, goes through the grid, which first
// writes an open edit and moves the dataset; the cell then follows the dataset.
class TDBGrid::SelectionModel : public QItemSelectionModel
{
public:
    SelectionModel(TDBGrid *grid, QAbstractItemModel *model) : QItemSelectionModel(model, grid), grid_(grid)
    {
    }

    void setCurrentIndex(const QModelIndex &index, QItemSelectionModel::SelectionFlags) override
    {
        if (placing_)
            return;
        grid_->UserMove(index);
    }

    void select(const QItemSelection &selection, QItemSelectionModel::SelectionFlags command) override
    {
        if (placing_)
            QItemSelectionModel::select(selection, command);
    }

    void Place(const QModelIndex &index, bool rows)
    {
        placing_ = true;
        if (index.isValid())
            QItemSelectionModel::setCurrentIndex(index, rows ? ClearAndSelect | Rows : ClearAndSelect);
        else
            clear();
        placing_ = false;
    }

private:
    TDBGrid *grid_;
    bool placing_ = false;
};

TDBGrid::TDBGrid(QWidget *parent) : QTableView(parent), model_(new TDBGridModel(columns_, this))
{
    setModel(model_);
    QItemSelectionModel *defaultSelection = selectionModel();
    selection_ = new SelectionModel(this, model_);
    setSelectionModel(selection_);
    delete defaultSelection;
    setItemDelegate(new GridDelegate(this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setWordWrap(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    verticalHeader()->setMinimumWidth(14);
    horizontalHeader()->setHighlightSections(false);
    verticalHeader()->setHighlightSections(false);
    columns_.SetOnChange([this]() { model_->Reload(); });
    // The records are read again after a post, a cancel or a change of the view: the record under
    // the editor is gone, and its text, if it was a change, went into the post.
    connect(model_, &QAbstractItemModel::modelAboutToBeReset, this, &TDBGrid::DropEditor);
    connect(model_, &QAbstractItemModel::modelReset, this, [this]() {
        LayoutColumns();
        PlaceCurrent();
    });
    connect(qApp, &QApplication::focusChanged, this, &TDBGrid::FocusChanged);
    ApplyOptions();
}

TDBGrid::~TDBGrid()
{
    // Once this destructor ends the widget is no grid: no focus change or closing editor may
    // reach it then.
    disconnect(qApp, &QApplication::focusChanged, this, &TDBGrid::FocusChanged);
    DropEditor();
    // The columns go before the model that reads them.
    columns_.SetOnChange({});
}

void TDBGrid::SetDataSource(TDataSource *source)
{
    for (const QMetaObject::Connection &connection : std::as_const(sourceConnections_))
        disconnect(connection);
    sourceConnections_.clear();
    columns_.SetDataSet(source ? source->DataSet() : nullptr);
    model_->SetDataSource(source);
    if (!source)
        return;
    auto followDataSet = [this]() { columns_.SetDataSet(DataSource() ? DataSource()->DataSet() : nullptr); };
    sourceConnections_ << connect(source, &TDataSource::Scrolled, this, &TDBGrid::PlaceCurrent)
                       << connect(source, &TDataSource::UpdateData, this, &TDBGrid::WriteEditorForPost)
                       << connect(source, &TDataSource::StateChanged, this, [this, followDataSet]() {
                              // Default columns are made again when the dataset opens.
                              if (columns_.IsDefault() && model_->Active() != (columns_.Count() > 0))
                                  followDataSet();
                              viewport()->update();
                          });
}

void TDBGrid::SetOptions(TDBGridOptions options)
{
    options_ = options;
    ApplyOptions();
}

void TDBGrid::SetReadOnly(bool readOnly)
{
    readOnly_ = readOnly;
    ApplyOptions();
}

void TDBGrid::SetDefaultDrawing(bool on)
{
    defaultDrawing_ = on;
    viewport()->update();
}

bool TDBGrid::CanEdit() const
{
    return options_.Contains(dgEditing) && !options_.Contains(dgRowSelect) && !readOnly_;
}

void TDBGrid::ApplyOptions()
{
    horizontalHeader()->setVisible(options_.Contains(dgTitles));
    verticalHeader()->setVisible(options_.Contains(dgIndicator));
    horizontalHeader()->setSectionResizeMode(options_.Contains(dgColumnResize) ? QHeaderView::Interactive
                                                                               : QHeaderView::Fixed);
    setShowGrid(options_.Contains(dgColLines) || options_.Contains(dgRowLines));
    setSelectionBehavior(options_.Contains(dgRowSelect) ? SelectRows : SelectItems);
    setTabKeyNavigation(options_.Contains(dgTabs));
    model_->SetEditing(CanEdit());
    setEditTriggers(CanEdit() ? (DoubleClicked | EditKeyPressed | AnyKeyPressed) : NoEditTriggers);
    PlaceCurrent();
}

void TDBGrid::LayoutColumns()
{
    const QFontMetrics metrics = fontMetrics();
    for (int i = 0; i < columns_.Count(); ++i) {
        const TColumn &column = columns_[i];
        int width = column.Width;
        if (width <= 0) {
            const TField *field = column.Field();
            const int chars = field ? field->DisplayWidth() : 10;
            width = std::max(chars * metrics.horizontalAdvance(QLatin1Char('0')),
                             metrics.horizontalAdvance(column.Caption())) +
                    6;
        }
        horizontalHeader()->resizeSection(i, width);
        setColumnHidden(i, !column.Visible);
    }
}

void TDBGrid::showEvent(QShowEvent *event)
{
    LayoutColumns();
    QTableView::showEvent(event);
}

// --- current cell ---------------------------------------------------------------------------

int TDBGrid::Row() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() : -1;
}

TField *TDBGrid::SelectedField() const
{
    return selectedIndex_ >= 0 && selectedIndex_ < columns_.Count() ? columns_[selectedIndex_].Field()
                                                                    : nullptr;
}

void TDBGrid::SetSelectedIndex(int column)
{
    if (column < 0 || column >= columns_.Count())
        return;
    const int row = model_->CurrentRow();
    if (row < 0) {
        SetCurrentColumn(column);
        return;
    }
    UserMove(model_->index(row, column));
}

void TDBGrid::SetCurrentColumn(int column)
{
    if (column == selectedIndex_)
        return;
    if (OnColExit)
        OnColExit();
    selectedIndex_ = column;
    if (OnColEnter)
        OnColEnter();
}

void TDBGrid::UserMove(const QModelIndex &target)
{
    if (!target.isValid() || !CommitEditor())
        return;
    if (target.row() != model_->CurrentRow() && !MoveDataSet(target.row())) {
        PlaceCurrent();
        return;
    }
    SetCurrentColumn(target.column());
    PlaceCurrent();
}

// Moves the dataset to the record of a row, posting (or dropping, when unchanged) the record
// being edited first. False, with the error shown, when the dataset would not move.
bool TDBGrid::MoveDataSet(int row)
{
    TDataSet *data = model_->DataSet();
    const int current = model_->CurrentRow();
    if (!data || current < 0)
        return false;
    try {
        const int insertRow = model_->InsertRow();
        if (insertRow >= 0 && !data->Modified()) {
            const int record = row < insertRow ? row : row - 1;
            data->Cancel();
            if (record >= 0)
                data->SetRecNo(record + 1);
            return true;
        }
        data->CheckBrowseMode();
        if (data->State() != TDataSetState::dsBrowse)
            return false;
        // After a post the record may have moved; the move is counted from where it is now.
        data->MoveBy(row - current);
    } catch (const EAbort &) {
        return false;
    } catch (const Exception &error) {
        ShowError(error.Message());
        return false;
    }
    return true;
}

void TDBGrid::PlaceCurrent()
{
    const int row = model_->CurrentRow();
    const int column = std::clamp(selectedIndex_, 0, std::max(columns_.Count() - 1, 0));
    const QModelIndex target = row >= 0 && columns_.Count() > 0 ? model_->index(row, column) : QModelIndex();
    if (currentIndex() != target)
        // The record under the editor is gone (moved by the program): its text was written by
        // the dataset's update request if it was a change.
        DropEditor();
    selection_->Place(target, options_.Contains(dgRowSelect));
    if (target.isValid())
        scrollTo(target);
    viewport()->update();
}

// --- editing --------------------------------------------------------------------------------

bool TDBGrid::edit(const QModelIndex &index, EditTrigger trigger, QEvent *event)
{
    if (index != currentIndex())
        return false;
    return QTableView::edit(index, trigger, event);
}

void TDBGrid::ShowEditor()
{
    if (!editor_)
        edit(currentIndex(), EditKeyPressed, nullptr);
}

int TDBGrid::FirstEditableColumn() const
{
    const int row = model_->CurrentRow();
    for (int column = 0; column < columns_.Count(); ++column)
        if (!isColumnHidden(column) && model_->CanEditCell(row, column))
            return column;
    return -1;
}

bool TDBGrid::FocusToEdit(const TDataSource *source)
{
    const int row = model_->CurrentRow();
    if (!source || source != DataSource() || row < 0)
        return false;
    const bool keepColumn = row != model_->InsertRow() && !isColumnHidden(selectedIndex_) &&
                            model_->CanEditCell(row, selectedIndex_);
    const int column = keepColumn ? selectedIndex_ : FirstEditableColumn();
    if (column < 0 || !TakeEditFocus(*this))
        return false;
    SetSelectedIndex(column);
    return true;
}

QWidget *TDBGrid::CreateEditor(QWidget *parent, const QModelIndex &index)
{
    const TColumn &column = columns_[index.column()];
    const TField *field = column.Field();
    QWidget *editor = nullptr;
    QStringList choices = column.PickList;
    const bool lookup = field && field->FieldKind() == TFieldKind::fkLookup;
    if (lookup)
        choices = LookupTexts(*field);
    // The user's first change of the text or choice puts the record into edit state; a refusal
    // ends the edit.
    auto begin = [this]() {
        editorChanged_ = true;
        editorRefused_ = false;
        TDataSet *data = model_->DataSet();
        if (!data || data->State() == TDataSetState::dsEdit || data->State() == TDataSetState::dsInsert)
            return;
        try {
            DataSource()->Edit();
        } catch (const Exception &error) {
            ShowError(error.Message());
        }
        if (data->State() != TDataSetState::dsEdit)
            DropEditor();
    };
    if (lookup || !choices.isEmpty()) {
        auto *combo = new QComboBox(parent);
        combo->setEditable(!lookup);
        combo->addItems(choices);
        combo->setCurrentIndex(-1);
        combo->setMaxVisibleItems(column.DropDownRows);
        connect(combo, &QComboBox::activated, this, begin);
        if (combo->lineEdit())
            connect(combo->lineEdit(), &QLineEdit::textEdited, this, begin);
        editor = combo;
    } else {
        auto *line = new QLineEdit(parent);
        line->setFrame(false);
        if (field && field->DataType() == TFieldType::ftString && field->Size() > 0)
            line->setValidator(new TFieldSizeValidator(field->Size(), line));
        connect(line, &QLineEdit::textEdited, this, begin);
        editor = line;
    }
    editor_ = editor;
    editorChanged_ = false;
    editorRefused_ = false;
    return editor;
}

void TDBGrid::EditorDestroyed(QWidget *editor)
{
    if (editor == editor_)
        editor_ = nullptr;
}

bool TDBGrid::WriteEditor(QWidget *editor)
{
    if (!editorChanged_)
        return true;
    // A message box shown while the text is written takes the focus from the editor; that must
    // neither write the same text again nor close the editor.
    const QScopedValueRollback writing(committing_, true);
    try {
        model_->SetCellText(currentIndex().column(), EditorText(editor));
    } catch (const EAbort &) {
        return false;
    } catch (const Exception &error) {
        editorRefused_ = true;
        ShowError(error.Message());
        return false;
    }
    return true;
}

void TDBGrid::commitData(QWidget *editor)
{
    if (editor != editor_ || committing_)
        return;
    editFailed_ = !WriteEditor(editor);
}

void TDBGrid::closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint)
{
    if (editor != editor_ || committing_)
        return;
    if (editFailed_) {
        // The text the field refused stays in the editor for correction.
        editFailed_ = false;
        editor->setFocus();
        return;
    }
    QTableView::closeEditor(editor, hint);
}

bool TDBGrid::CommitEditor()
{
    if (!editor_)
        return true;
    QWidget *editor = editor_;
    if (committing_ || !WriteEditor(editor)) {
        editor->setFocus();
        return false;
    }
    DropEditor();
    return true;
}

// The dataset is about to post: the open editor's text goes into the field first, and a text
// the field refuses stops the post with the field's error (the poster shows it).
void TDBGrid::WriteEditorForPost()
{
    if (!editor_ || !editorChanged_ || committing_)
        return;
    const QScopedValueRollback writing(committing_, true);
    try {
        model_->SetCellText(currentIndex().column(), EditorText(editor_));
    } catch (const EAbort &) {
        // A silent stop is no refusal of the text.
        throw;
    } catch (const Exception &) {
        editorRefused_ = true;
        throw;
    }
}

// Closes the open editor without writing it: its text went in already, or its record is gone.
void TDBGrid::DropEditor()
{
    if (!editor_)
        return;
    QWidget *editor = editor_;
    editor_ = nullptr;
    editorChanged_ = false;
    editorRefused_ = false;
    editFailed_ = false;
    QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
}

void TDBGrid::ShowError(const QString &message)
{
    MessageDlg(message, mtError, {mbOK});
}

// --- keys and mouse -------------------------------------------------------------------------

bool TDBGrid::RunKeyHandlers(QKeyEvent *event)
{
    // A key the editor did not use goes on to the grid: its handlers ran already.
    if (event == handledKey_)
        return false;
    handledKey_ = event;
    QTimer::singleShot(0, this, [this]() { handledKey_ = nullptr; });
    if (OnKeyDown) {
        int key = event->key();
        OnKeyDown(key, event->modifiers());
        if (key == 0)
            return true;
    }
    if (OnKeyPress && !event->text().isEmpty()) {
        QChar key = event->text().at(0);
        OnKeyPress(key);
        if (key.isNull())
            return true;
    }
    return false;
}

bool TDBGrid::EditorKeyPress(QKeyEvent *event)
{
    if (RunKeyHandlers(event))
        return true;
    // A handler that moved to another cell has closed the editor: the key is spent.
    return editor_ == nullptr;
}

void TDBGrid::keyPressEvent(QKeyEvent *event)
{
    if (RunKeyHandlers(event) || HandleGridKey(event->key(), event->modifiers())) {
        event->accept();
        return;
    }
    // A key the open editor passed on moves off the cell: the editor is written first, and a text
    // the field refuses keeps the editor, and the cell, with one message.
    const bool moves = event->key() == Qt::Key_Up || event->key() == Qt::Key_Down ||
                       event->key() == Qt::Key_PageUp || event->key() == Qt::Key_PageDown;
    if (moves && !CommitEditor()) {
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

bool TDBGrid::HandleGridKey(int key, Qt::KeyboardModifiers modifiers)
{
    TDataSet *data = model_->DataSet();
    if (!model_->Active())
        return false;
    switch (key) {
    case Qt::Key_Down:
        if (model_->CurrentRow() != model_->rowCount() - 1 || !CanEdit() || !data->CanModify())
            return false;
        // An unchanged new record at the end stays as it is.
        if (!(model_->InsertRow() >= 0 && !data->Modified()))
            AppendRecord();
        return true;
    case Qt::Key_Insert:
        if (!CanEdit() || !data->CanModify())
            return false;
        AppendRecord();
        return true;
    case Qt::Key_Delete:
        if (!(modifiers & Qt::ControlModifier) || readOnly_ || !data->CanModify())
            return false;
        DeleteRecord();
        return true;
    case Qt::Key_Escape:
        if (data->State() != TDataSetState::dsEdit && data->State() != TDataSetState::dsInsert)
            return false;
        data->Cancel();
        return true;
    default:
        return false;
    }
}

void TDBGrid::AppendRecord()
{
    if (!CommitEditor())
        return;
    TDataSet *data = model_->DataSet();
    try {
        data->CheckBrowseMode();
        if (data->State() == TDataSetState::dsBrowse)
            data->Append();
    } catch (const EAbort &) {
    } catch (const Exception &error) {
        ShowError(error.Message());
    }
    PlaceCurrent();
}

void TDBGrid::DeleteRecord()
{
    TDataSet *data = model_->DataSet();
    if (data->IsEmpty() && data->State() != TDataSetState::dsInsert)
        return;
    if (options_.Contains(dgConfirmDelete) &&
        MessageDlg(DeleteQuestion, mtConfirmation, {mbYes, mbNo}) != mrYes)
        return;
    DropEditor();
    try {
        data->Delete();
    } catch (const EAbort &) {
    } catch (const Exception &error) {
        ShowError(error.Message());
    }
}

void TDBGrid::mouseReleaseEvent(QMouseEvent *event)
{
    QTableView::mouseReleaseEvent(event);
    const QModelIndex cell = indexAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && cell.isValid() && cell.column() < columns_.Count() &&
        OnCellClick)
        OnCellClick(columns_[cell.column()]);
}

void TDBGrid::mouseDoubleClickEvent(QMouseEvent *event)
{
    QTableView::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton && OnDblClick)
        OnDblClick();
}

void TDBGrid::FocusChanged(QWidget *old, QWidget *now)
{
    const bool wasInside = old && (old == this || isAncestorOf(old));
    const bool isInside = now && (now == this || isAncestorOf(now));
    if (!wasInside || isInside || !options_.Contains(dgCancelOnExit) || !model_->Active())
        return;
    TDataSet *data = model_->DataSet();
    if (data->State() == TDataSetState::dsInsert && !data->Modified() && !editor_)
        data->Cancel();
}

// --- drawing --------------------------------------------------------------------------------

QString TDBGrid::CellText(int row, int column) const
{
    return model_->data(model_->index(row, column), Qt::DisplayRole).toString();
}

TRect TDBGrid::CellRect(int column, int row) const
{
    return TRect::FromQRect(visualRect(model_->index(row, column)));
}

void TDBGrid::DefaultDrawColumnCell(const TRect &rect, int dataCol, TColumn &column, TGridDrawState,
                                    TCanvas &canvas)
{
    const QString text = CellText(DrawingRow(), dataCol);
    canvas.FillRect(rect);
    const int width = canvas.TextWidth(text);
    int x = rect.Left + 2;
    if (column.Alignment & Qt::AlignRight)
        x = rect.Right - width - 2;
    else if (column.Alignment & Qt::AlignHCenter)
        x = rect.Left + (rect.Width() - width) / 2;
    const int y = rect.Top + std::max((rect.Height() - canvas.TextHeight(text)) / 2, 0);
    canvas.TextRect(rect, x, y, text);
}

void TDBGrid::PaintCell(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index)
{
    if (index.column() >= columns_.Count())
        return;
    TGridDrawState state;
    const bool current = index == currentIndex();
    const bool selected = current || selectionModel()->isSelected(index);
    if (selected)
        state.Include(gdSelected);
    if (current && hasFocus())
        state.Include(gdFocused);
    painter->save();
    painter->setClipRect(option.rect);
    TCanvas canvas(painter);
    canvas.Font = TFont::FromQFont(font(), palette().color(QPalette::Text), logicalDpiY());
    canvas.Brush.Color = palette().color(QPalette::Base);
    if (selected && (!state.Contains(gdFocused) || options_.Contains(dgRowSelect))) {
        canvas.Brush.Color = palette().color(QPalette::Highlight);
        canvas.Font.Color = palette().color(QPalette::HighlightedText);
    }
    const TRect rect = TRect::FromQRect(option.rect);
    TColumn &column = columns_[index.column()];
    drawingRow_ = index.row();
    try {
        if (defaultDrawing_)
            DefaultDrawColumnCell(rect, index.column(), column, state, canvas);
        if (OnDrawColumnCell)
            OnDrawColumnCell(rect, index.column(), column, state, canvas);
    } catch (const Exception &) {
        // A cell that cannot be drawn stays as far as it got; painting goes on.
    }
    drawingRow_ = -1;
    painter->restore();
}
