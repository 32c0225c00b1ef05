#include "controls/formulagrid/fg_string_grid.h"

#include "platform/core/errors.h"
#include "platform/core/format.h"

#include <QEvent>
#include <QFontMetrics>

#include <algorithm>
#include <climits>

namespace {

const char *const kFontName = "Arial";
constexpr int kFontSize = 8;
constexpr int kTitleColumnWidth = 20;
constexpr int kTextIndent = 2;

bool IsLink(const QString &text)
{
    const QString lower = text.toLower();
    return lower.startsWith(u"mailto:") || lower.startsWith(u"http:");
}

} // namespace

TfgStringGrid::TfgStringGrid(QWidget *parent)
    : TStringGrid(parent), printOptions_(new TPrintOptions(this)), keyMappings_(new TGridKeyMappings(this)),
      numberFormat_(QStringLiteral("%.2f"))
{
    parser_.OnGetVar = [this](const QString &name, long double &value, bool &found) {
        ResolveVariable(name, value, found);
    };
    parser_.OnParseError = [this](int) { calcError_ = true; };
    keyMappings_->RowInsert = TextToShortCut(QStringLiteral("Shift+Ins"));
    keyMappings_->RowDelete = TextToShortCut(QStringLiteral("Shift+Del"));
    keyMappings_->ColumnInsert = TextToShortCut(QStringLiteral("Ctrl+Shift+Ins"));
    keyMappings_->ColumnDelete = TextToShortCut(QStringLiteral("Ctrl+Shift+Del"));
    keyMappings_->PrintPreview = TextToShortCut(QStringLiteral("Ctrl+P"));
    keyMappings_->QueryDialog = TextToShortCut(QStringLiteral("Ctrl+Q"));
    keyMappings_->FormuleDialog = TextToShortCut(QStringLiteral("F3"));
    SetColWidth(0, kTitleColumnWidth);
    setFont(QFont(QString::fromLatin1(kFontName), kFontSize));
    printOptions_->HeaderSize = kFontSize + 2;
    printOptions_->FooterSize = kFontSize - 1;
    savedColWidths_.assign(ColCount(), DefaultColWidth());
    rowSized_.assign(RowCount(), false);
    PrepareValueTable();
}

TfgStringGrid::~TfgStringGrid() = default;

void TfgStringGrid::Repaint()
{
    viewport()->update();
}

void TfgStringGrid::SetNumbersalRight(bool on)
{
    if (on != numbersalRight_) {
        numbersalRight_ = on;
        Repaint();
    }
}

void TfgStringGrid::SetBandsShow(bool on)
{
    if (on != bandsShow_) {
        bandsShow_ = on;
        Repaint();
    }
}

void TfgStringGrid::SetBandsColor(int color)
{
    if (color != bandsColor_) {
        bandsColor_ = color;
        Repaint();
    }
}

void TfgStringGrid::SetBandsInterval(int interval)
{
    if (interval != bandsInterval_) {
        bandsInterval_ = interval;
        Repaint();
    }
}

void TfgStringGrid::SetHighlightURL(bool on)
{
    if (on != highlightURL_) {
        highlightURL_ = on;
        Repaint();
    }
}

void TfgStringGrid::SetNumberFormat(const QString &format)
{
    if (format != numberFormat_) {
        numberFormat_ = format;
        Recalculate();
    }
}

void TfgStringGrid::SetAutoCalculate(bool on)
{
    if (on == autoCalculate_)
        return;
    autoCalculate_ = on;
    if (on)
        Recalculate();
}

void TfgStringGrid::SetShowValues(bool on)
{
    if (on == showValues_)
        return;
    showValues_ = on;
    if (on)
        Recalculate();
    else
        Repaint();
}

void TfgStringGrid::SetWordWrap(bool on)
{
    if (on != wordWrap_) {
        wordWrap_ = on;
        Repaint();
    }
}

QStringList TfgStringGrid::ColumnHeaders() const
{
    QStringList headers;
    for (int col = 0; col < ColCount(); ++col)
        headers.append(Cells(col, 0));
    return headers;
}

void TfgStringGrid::SetColumnHeaders(const QStringList &headers)
{
    for (int col = 0; col < ColCount(); ++col)
        SetCell(col, 0, col < headers.size() ? headers[col] : QString());
}

void TfgStringGrid::InsertRowAtCursor()
{
    const int row = Row();
    SetRowCount(RowCount() + 1);
    for (int from = RowCount() - 2; from >= row; --from)
        for (int col = 0; col < ColCount(); ++col)
            SetCell(col, from + 1, Cells(col, from));
    for (int col = 0; col < ColCount(); ++col)
        SetCell(col, row, QString());
    SetRow(row);
}

void TfgStringGrid::DeleteCurrentRow()
{
    const int row = Row();
    ShowAllRows();
    if (RowCount() <= 2)
        return;
    rowSized_.erase(rowSized_.begin() + row);
    DeleteRow(row);
    if (row < RowCount())
        SetRow(row);
}

void TfgStringGrid::InsertColumnAtCursor()
{
    RestoreColumnWidths();
    const int col = Col();
    SetColCount(ColCount() + 1);
    savedColWidths_.resize(ColCount(), DefaultColWidth());
    for (int from = ColCount() - 2; from >= col; --from) {
        for (int row = 0; row < RowCount(); ++row)
            SetCell(from + 1, row, Cells(from, row));
        savedColWidths_[from + 1] = savedColWidths_[from];
    }
    SetColWidth(col, DefaultColWidth());
    savedColWidths_[col] = DefaultColWidth();
    for (int row = 0; row < RowCount(); ++row)
        SetCell(col, row, QString());
    SetCol(col);
}

void TfgStringGrid::DeleteCurrentColumn()
{
    const int col = Col();
    RestoreColumnWidths();
    if (ColCount() <= 2)
        return;
    savedColWidths_.erase(savedColWidths_.begin() + col);
    DeleteColumn(col);
    if (col < ColCount())
        SetCol(col);
}

void TfgStringGrid::RestoreColumnWidths()
{
    for (int col = 1; col < ColCount() && col < int(savedColWidths_.size()); ++col)
        SetColWidth(col, savedColWidths_[col]);
    std::fill(rowSized_.begin(), rowSized_.end(), false);
}

void TfgStringGrid::SaveColumnWidths()
{
    savedColWidths_.resize(ColCount(), DefaultColWidth());
    for (int col = 0; col < ColCount(); ++col)
        if (ColWidths(col) != 0)
            savedColWidths_[col] = ColWidths(col);
}

void TfgStringGrid::AutoSizeRow(int row)
{
    AutoSizeRow(row, QFontMetrics(font()));
}

void TfgStringGrid::AutoSizeRow(int row, const QFontMetrics &metrics)
{
    if (row < 0 || row >= RowCount())
        return;
    int height = DefaultRowHeight();
    for (int col = 0; col < ColCount(); ++col) {
        QString text = Cells(col, row);
        if (showValues_ && text.startsWith(u'='))
            text = FloatToStr(double(CellValue(col, row)));
        if (text.isEmpty())
            continue;
        const int textHeight = WrappedHeight(text, std::max(ColWidths(col), 1), metrics);
        height = std::max(height, textHeight + 1);
    }
    if (RowHeights(row) != height)
        SetRowHeight(row, height);
    if (row < int(rowSized_.size()))
        rowSized_[row] = true;
}

int TfgStringGrid::WordWidth(const QString &word, const QFontMetrics &metrics)
{
    // Rows share most of their words, and measuring a word means shaping it: each is measured once.
    constexpr qsizetype kMaxKeptWords = 20000;
    const auto known = wordWidths_.constFind(word);
    if (known != wordWidths_.cend())
        return *known;
    if (wordWidths_.size() >= kMaxKeptWords)
        wordWidths_.clear();
    const int width = metrics.horizontalAdvance(word);
    wordWidths_.insert(word, width);
    return width;
}

int TfgStringGrid::WrappedHeight(const QString &text, int width, const QFontMetrics &metrics)
{
    const int space = WordWidth(QStringLiteral(" "), metrics);
    int lines = 0;
    for (const QString &paragraph : text.split(u'\n')) {
        int lineWidth = -1; // nothing on the line yet
        for (const QString &word : paragraph.split(u' ')) {
            const int wordWidth = WordWidth(word, metrics);
            if (lineWidth < 0) {
                lineWidth = wordWidth;
            } else if (lineWidth + space + wordWidth <= width) {
                lineWidth += space + wordWidth;
            } else {
                ++lines;
                lineWidth = wordWidth;
            }
        }
        ++lines;
    }
    return lines == 1 ? metrics.height() : lines * metrics.lineSpacing();
}

void TfgStringGrid::AutoSizeAllRows()
{
    rowSized_.resize(RowCount(), false);
    const QFontMetrics metrics(font());
    for (int row = 1; row < RowCount(); ++row)
        if (!rowSized_[row])
            AutoSizeRow(row, metrics);
}

void TfgStringGrid::ShowAllRows()
{
    for (int row = 1; row < RowCount(); ++row)
        if (RowHeights(row) == 0)
            AutoSizeRow(row);
}

void TfgStringGrid::SizeChanged(int oldColCount, int oldRowCount)
{
    SaveColumnWidths();
    if (ColCount() != oldColCount)
        std::fill(rowSized_.begin(), rowSized_.end(), false);
    AutoSizeAllRows();
    PrepareValueTable();
    if (onSizeChanged)
        onSizeChanged(oldColCount, oldRowCount);
}

void TfgStringGrid::CellTextChanged(int, int row)
{
    if (row < int(rowSized_.size()))
        rowSized_[row] = false;
}

void TfgStringGrid::changeEvent(QEvent *event)
{
    TStringGrid::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        std::fill(rowSized_.begin(), rowSized_.end(), false);
        wordWidths_.clear();
    }
}

QString TfgStringGrid::FormatValue(long double value) const
{
    try {
        return Format(numberFormat_, {double(value)});
    } catch (const Exception &) {
        return FloatToStr(double(value));
    }
}

QString TfgStringGrid::DisplayText(int col, int row, bool &isNumber) const
{
    QString text = Cells(col, row);
    isNumber = false;
    if (showValues_ && text.startsWith(u'=')) {
        text = FormatValue(CellValue(col, row));
        isNumber = numbersalRight_;
    }
    if (numbersalRight_ && !isNumber && row != 0 && col != 0) {
        try {
            text = FormatValue(StrToFloat(text));
            isNumber = true;
        } catch (const Exception &) {
            // A text that is no number is simply not drawn as one.
        }
    }
    return text;
}

void TfgStringGrid::DrawCell(int col, int row, const TRect &rect, TGridDrawState state, TCanvas &canvas)
{
    canvas.Font.Style.Exclude(fsBold);
    canvas.Font.Style.Exclude(fsUnderline);
    canvas.Font.Color = clBlack;
    if (bandsShow_ && col != 0 && row != 0 && bandsInterval_ > 0 && row % bandsInterval_ == 0) {
        canvas.Brush.Color = ColorFromNumber(quint32(bandsColor_));
        canvas.FillRect(rect);
    }
    if (showValues_ && Cells(col, row).startsWith(u'='))
        canvas.Font.Color = clRed;
    bool isNumber = false;
    const QString text = DisplayText(col, row, isNumber);
    if (highlightURL_ && IsLink(text)) {
        canvas.Font.Color = clBlue;
        canvas.Font.Style.Include(fsUnderline);
    }
    const bool titleCell = col == 0 || row == 0;
    if (wordWrap_ && !titleCell)
        canvas.FillRect(rect);
    if (isNumber && !titleCell) {
        canvas.TextRect(rect, rect.Right - kTextIndent - canvas.TextWidth(text), rect.Top + kTextIndent,
                        text);
    } else if (!OnDrawCell) {
        // With no owner drawing the grid writes plain texts itself, so that it is usable alone.
        canvas.TextRect(rect, rect.Left + kTextIndent, rect.Top + kTextIndent, text);
    }
    if (OnDrawCell)
        OnDrawCell(col, row, rect, state, canvas);
}

bool TfgStringGrid::RunKeyMapping(int key, Qt::KeyboardModifiers shift)
{
    const TShortCut pressed = ShortCutOf(key, shift);
    if (pressed == 0)
        return false;
    const std::pair<int, std::function<void()>> actions[] = {
        {keyMappings_->RowInsert, [this] { InsertRowAtCursor(); }},
        {keyMappings_->RowDelete, [this] { DeleteCurrentRow(); }},
        {keyMappings_->ColumnInsert, [this] { InsertColumnAtCursor(); }},
        {keyMappings_->ColumnDelete, [this] { DeleteCurrentColumn(); }},
        {keyMappings_->PrintPreview, [this] { ShowPrintPreview(); }},
        {keyMappings_->QueryDialog, [this] { ShowQueryDialog(); }},
        {keyMappings_->FormuleDialog, [this] { ShowFormulaDialog(); }},
    };
    for (const auto &[shortCut, action] : actions) {
        if (shortCut == pressed) {
            action();
            return true;
        }
    }
    return false;
}

void TfgStringGrid::KeyDown(int &key, Qt::KeyboardModifiers shift)
{
    if (KeyMappingsEnabled && RunKeyMapping(key, shift)) {
        TStringGrid::KeyDown(key, shift);
        key = 0; // the shortcut has acted; the grid does not move on it as well
        return;
    }
    TStringGrid::KeyDown(key, shift);
}

void TfgStringGrid::KeyPress(QChar &key)
{
    const bool enter = key == u'\r';
    if (enter) {
        if (autoCalculate_)
            Recalculate();
        for (int row = 1; row < RowCount(); ++row)
            if (RowHeights(row) != 0)
                AutoSizeRow(row);
        if (AdvanceDirection == right) {
            if (Col() < ColCount() - 1) {
                SetCol(Col() + 1);
            } else if (Row() < RowCount() - 1) {
                SetCol(1);
                SetRow(Row() + 1);
            }
        } else if (AdvanceDirection == down) {
            if (Row() < RowCount() - 1) {
                SetRow(Row() + 1);
            } else if (Col() < ColCount() - 1) {
                SetRow(1);
                SetCol(Col() + 1);
            }
        }
    }
    TStringGrid::KeyPress(key);
    if (enter)
        key = QChar(); // Enter has done its work here
}

void TfgStringGrid::MoveOffHiddenRow(int key)
{
    const int row = Row();
    if (row < 0 || RowHeights(row) != 0)
        return;
    const auto firstVisible = [this](int from, int step) {
        for (int r = from; r >= 1 && r < RowCount(); r += step)
            if (RowHeights(r) != 0)
                return r;
        return -1;
    };
    const int step = key == Qt::Key_Up ? -1 : 1;
    int target = firstVisible(row, step);
    if (target < 0)
        target = firstVisible(row, -step);
    if (target >= 0)
        SetRow(target);
}

void TfgStringGrid::MoveOffHiddenColumn(int key)
{
    const int col = Col();
    if (col < 0 || ColWidths(col) != 0)
        return;
    const auto firstVisible = [this](int from, int step) {
        for (int c = from; c >= 1 && c < ColCount(); c += step)
            if (ColWidths(c) != 0)
                return c;
        return -1;
    };
    const int step = key == Qt::Key_Left ? -1 : 1;
    int target = firstVisible(col, step);
    if (target < 0)
        target = firstVisible(col, -step);
    if (target >= 0)
        SetCol(target);
}

void TfgStringGrid::KeyUp(int key, Qt::KeyboardModifiers shift)
{
    if (key == Qt::Key_Down || key == Qt::Key_Up)
        MoveOffHiddenRow(key);
    if (key == Qt::Key_Right || key == Qt::Key_Left)
        MoveOffHiddenColumn(key);
    TStringGrid::KeyUp(key, shift);
}
