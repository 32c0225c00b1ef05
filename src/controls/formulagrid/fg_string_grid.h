#pragma once

#include "controls/formulagrid/fg_key_mappings.h"
#include "controls/formulagrid/fg_math_parser.h"
#include "controls/formulagrid/fg_print_options.h"
#include "platform/ui/string_grid.h"

#include <QFontMetrics>
#include <QImage>
#include <QStringList>

#include <functional>
#include <vector>

// A string grid whose cells may hold formulas ("=" and an expression over cell references such as
// r2c3, "pi" and the row and column aggregates), with a value table that shows in place of the
// formulas, a row filter over the column titles, printing with a page preview, banded rows,
// right-aligned numbers, highlighted links, rows as tall as their text, an Enter key that
// recalculates and moves on, and shortcuts that insert and delete rows and columns and open the
// preview, the query builder and the formula editor. A row of height 0 is hidden (the filter
// hides rows that way), and so is a column of width 0.
class TfgStringGrid : public TStringGrid
{
    Q_OBJECT
    Q_PROPERTY(bool KeyMappingsEnabled MEMBER KeyMappingsEnabled)
    Q_PROPERTY(TGridKeyMappings *KeyMappings READ KeyMappings)
    Q_PROPERTY(bool NumbersalRight READ NumbersalRight WRITE SetNumbersalRight)
    Q_PROPERTY(bool BandsShow READ BandsShow WRITE SetBandsShow)
    Q_PROPERTY(int BandsColor READ BandsColor WRITE SetBandsColor)
    Q_PROPERTY(int BandsInterval READ BandsInterval WRITE SetBandsInterval)
    Q_PROPERTY(bool HighlightURL READ HighlightURL WRITE SetHighlightURL)
    Q_PROPERTY(TAdvanceDirection AdvanceDirection MEMBER AdvanceDirection)
    Q_PROPERTY(QString NumberFormat READ NumberFormat WRITE SetNumberFormat)
    Q_PROPERTY(bool AutoCalculate READ AutoCalculate WRITE SetAutoCalculate)
    Q_PROPERTY(bool ShowValues READ ShowValues WRITE SetShowValues)
    Q_PROPERTY(QStringList ColumnHeaders READ ColumnHeaders WRITE SetColumnHeaders)
    Q_PROPERTY(int StartIndex MEMBER StartIndex)
    Q_PROPERTY(int EndIndex MEMBER EndIndex)
    Q_PROPERTY(int SortIndex MEMBER SortIndex)
    Q_PROPERTY(ToSortType SortType MEMBER SortType)
    Q_PROPERTY(bool CaseSensitiv MEMBER CaseSensitiv)
    Q_PROPERTY(SortDirType SortDirection MEMBER SortDirection)
    Q_PROPERTY(TSortBy HowToSort MEMBER HowToSort)
    Q_PROPERTY(bool ShowMessageOnError MEMBER ShowMessageOnError)
    Q_PROPERTY(TPrintOptions *PrintOptions READ PrintOptions)
    Q_PROPERTY(int AutoSizemargin MEMBER AutoSizemargin)
    Q_PROPERTY(bool WordWrap READ WordWrap WRITE SetWordWrap)
    Q_PROPERTY(bool FormuleMode MEMBER FormuleMode)
public:
    enum TAdvanceDirection
    {
        none,
        right,
        down
    };
    Q_ENUM(TAdvanceDirection)
    enum ToSortType
    {
        Character,
        Numeric,
        Date
    };
    Q_ENUM(ToSortType)
    enum SortDirType
    {
        Ascending,
        Descending
    };
    Q_ENUM(SortDirType)
    // Sorting by rows or by columns.
    enum TSortBy
    {
        stRow,
        stColumn
    };
    Q_ENUM(TSortBy)

    explicit TfgStringGrid(QWidget *parent = nullptr);
    ~TfgStringGrid() override;

    bool KeyMappingsEnabled = true;
    TGridKeyMappings *KeyMappings() const { return keyMappings_; }
    bool NumbersalRight() const { return numbersalRight_; }
    void SetNumbersalRight(bool on);
    bool BandsShow() const { return bandsShow_; }
    void SetBandsShow(bool on);
    // The band colour as a colour number (blue in the high byte).
    int BandsColor() const { return bandsColor_; }
    void SetBandsColor(int color);
    int BandsInterval() const { return bandsInterval_; }
    void SetBandsInterval(int interval);
    bool HighlightURL() const { return highlightURL_; }
    void SetHighlightURL(bool on);
    TAdvanceDirection AdvanceDirection = none;
    QString NumberFormat() const { return numberFormat_; }
    void SetNumberFormat(const QString &format);
    bool AutoCalculate() const { return autoCalculate_; }
    void SetAutoCalculate(bool on);
    bool ShowValues() const { return showValues_; }
    void SetShowValues(bool on);
    QStringList ColumnHeaders() const;
    void SetColumnHeaders(const QStringList &headers);
    // Sort settings kept with the grid for its owner; the grid itself does not sort.
    int StartIndex = 0;
    int EndIndex = 0;
    int SortIndex = 0;
    ToSortType SortType = Character;
    bool CaseSensitiv = false;
    SortDirType SortDirection = Ascending;
    TSortBy HowToSort = stRow;
    bool ShowMessageOnError = false;
    TPrintOptions *PrintOptions() const { return printOptions_; }
    int AutoSizemargin = 0;
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool on);
    // True while the formula editor is open: a cell chosen then is written into the formula.
    bool FormuleMode = false;

    // Raised at the end of every change of ColCount or RowCount with the counts before it.
    std::function<void(int oldColCount, int oldRowCount)> onSizeChanged;

    // Rows and columns at the cursor. A grid never gets fewer than two rows or columns.
    void InsertRowAtCursor();
    void DeleteCurrentRow();
    void InsertColumnAtCursor();
    void DeleteCurrentColumn();
    // Gives every column its last width that was not 0 again, so hidden columns show.
    void RestoreColumnWidths();
    // Makes the row as tall as the tallest of its texts, word-wrapped in its column's width, and
    // no lower than the default height.
    void AutoSizeRow(int row);
    // Sizes the data rows whose texts changed since they were last sized.
    void AutoSizeAllRows();
    // Gives every hidden data row its height back.
    void ShowAllRows();

    // Formulas.
    void Recalculate();
    // The value of a cell in the value table; 0 outside the grid.
    long double CellValue(int col, int row) const;
    // Reads a cell reference (r2c3 or C3R2 both mean column 3, row 2).
    static bool ParseCellReference(const QString &name, int &col, int &row);
    // Opens the program's formula editor on the current cell, modeless.
    void ShowFormulaDialog();

    // The row filter: a condition such as [Team] = "x" [City] like "y" over the column titles;
    // every term must hold (the words between terms are ignored). Rows that fail are hidden.
    // A condition that does not read hides nothing and says which term failed.
    void SetFilter(const QString &text);
    // Reads a condition into the program's filter table; false when it does not read, and
    // FilterError then says why (empty for an empty condition).
    bool ParseFilter(const QString &text);
    QString FilterError() const { return filterError_; }
    // Hides the rows that fail the filter table's terms; hidden rows stay hidden.
    void ApplyFilter();
    void ShowQueryDialog();

    // Printing. Pages carry the title (and logo) and the column titles at the top, the footer at
    // the bottom and the rows between, in bands of as many columns as fit across the page.
    enum class TPaintMode
    {
        Print,
        Preview,
        Count
    };
    // Prints rows FromRow to ToRow of PrintOptions (both 0: every data row) with all rows shown.
    void PrintGrid();
    // Paints page PrintOptions->PreviewPage into image, sized to the page at screen resolution.
    void PaintPreviewPage(QImage &image);
    // The number of pages the preview has.
    int CountPreviewPages();
    // Shows the preview dialog on the first page.
    void ShowPrintPreview();
    // Pages counted by the last page run.
    int PageCount() const { return pageCount_; }

    // The text a cell shows: a formula's value in NumberFormat when ShowValues is on.
    QString DisplayText(int col, int row, bool &isNumber) const;

protected:
    void DrawCell(int col, int row, const TRect &rect, TGridDrawState state, TCanvas &canvas) override;
    bool SelectCell(int col, int row) override;
    void KeyDown(int &key, Qt::KeyboardModifiers shift) override;
    void KeyPress(QChar &key) override;
    void KeyUp(int key, Qt::KeyboardModifiers shift) override;
    void SizeChanged(int oldColCount, int oldRowCount) override;
    void CellTextChanged(int col, int row) override;
    void changeEvent(QEvent *event) override;

private:
    class PageRun;

    // One run over the pages: printing on the printer, painting the preview page into preview, or
    // counting. Ends after lastRow; an empty range paints nothing.
    void PaintPages(TPaintMode mode, int firstRow, int lastRow, QImage *preview = nullptr);
    void PaintPageHeader(PageRun &run);
    void PaintGridRow(PageRun &run, int row);
    void ResolveVariable(const QString &varName, long double &value, bool &found);
    long double Aggregate(const QString &name) const;
    void PrepareValueTable();
    void LoadPlainNumbers();
    void SaveColumnWidths();
    void AutoSizeRow(int row, const QFontMetrics &metrics);
    // The height of a text broken into lines at its blanks within width.
    int WrappedHeight(const QString &text, int width, const QFontMetrics &metrics);
    int WordWidth(const QString &word, const QFontMetrics &metrics);
    // Formats a value with NumberFormat; a format that does not take it shows the plain number.
    QString FormatValue(long double value) const;
    bool RunKeyMapping(int key, Qt::KeyboardModifiers shift);
    void MoveOffHiddenRow(int key);
    void MoveOffHiddenColumn(int key);
    void Repaint();

    TPrintOptions *printOptions_;
    TfgMathParser parser_;
    TGridKeyMappings *keyMappings_;
    bool numbersalRight_ = false;
    bool bandsShow_ = false;
    int bandsColor_ = 0x00FDFACE;
    int bandsInterval_ = 2;
    bool highlightURL_ = false;
    QString numberFormat_;
    bool autoCalculate_ = true;
    bool showValues_ = false;
    bool wordWrap_ = false;
    QString filterError_;
    int pageCount_ = 0;

    std::vector<std::vector<long double>> cellValues_; // [column][row]
    std::vector<int> savedColWidths_;
    // Rows whose height fits their texts as they are; others are measured again when rows are sized.
    std::vector<bool> rowSized_;
    QHash<QString, int> wordWidths_;
    int calcRow_ = 0;
    int calcCol_ = 0;
    bool calcError_ = false;
};
