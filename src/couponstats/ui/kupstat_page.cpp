#include "couponstats/ui/kupstat_page.h"

#include "coupons/proposal_file.h"
#include "coupons/ui/check_column.h"
#include "coupons/ui/grid_row_sorter.h"
#include "coupons/ui/print_range_dlg.h"
#include "couponstats/operations/ui/protaseis_grid.h"
#include "couponstats/ui/key_press_filter.h"
#include "couponstats/ui/kup_stat_all_frm.h"
#include "couponstats/ui/kup_stat_param_frm.h"
#include "couponstats/ui/prn_options_frm.h"
#include "couponstats/ui/range_dlg.h"
#include "couponstats/ui/stat_options_forma_b_frm.h"
#include "couponstats/ui/stat_options_frm.h"
#include "platform/core/file_copy.h"
#include "platform/core/format.h"
#include "platform/core/message_service.h"
#include "platform/core/paths.h"
#include "platform/core/registry.h"
#include "platform/core/rounding.h"
#include "platform/ui/modal_runner.h"
#include "platform/ui/paged_print.h"
#include "platform/ui/printer.h"
#include "platform/ui/progress_dialog.h"
#include "platform/ui/showing_errors.h"
#include "platform/ui/string_grid.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

using namespace tav::couponstats;

namespace {

const char *const kCredit = "Tavrolin - Στατιστική ανάλυση κουπονιών";
constexpr int kAutoInterval = 45000;
// While an engine fills a page the AUTO step looks again this soon.
constexpr int kEngineWait = 1000;

QList<TKupstatPage *> &Pages()
{
    static QList<TKupstatPage *> pages;
    return pages;
}

QString Text(const char *text)
{
    return QString::fromUtf8(text);
}

bool Blank(const QString &text)
{
    return text.trimmed().isEmpty();
}

// Watches a grid's viewport and hands the cell a mouse button was released over to the handler;
// the event goes on to the grid.
class CellReleaseFilter : public QObject
{
public:
    CellReleaseFilter(TStringGrid &grid, std::function<void(int col, int row)> released)
        : QObject(&grid), grid_(grid), released_(std::move(released))
    {
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::MouseButtonRelease) {
            const QPoint at = static_cast<const QMouseEvent *>(event)->position().toPoint();
            int col = -1;
            int row = -1;
            grid_.MouseToCell(at.x(), at.y(), col, row);
            if (col >= 0 && row >= 0)
                released_(col, row);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    const TStringGrid &grid_;
    std::function<void(int col, int row)> released_;
};

// A statistics cell filled with the canvas's brush and written a little in from its corner.
void WriteCell(TCanvas &canvas, const TRect &rect, const QString &text)
{
    canvas.FillRect(rect);
    canvas.TextOut(rect.Left + 4, rect.Top + 2, text);
}

} // namespace

QList<TKupstatPage *> LiveKupstatPages()
{
    return Pages();
}

QString OptionsLabel(const TStatOptionsDialog &options)
{
    const QString n = options.EdtParam->text();
    return options.ItemCaption() + QStringLiteral("   ") + options.Label1->text() + QStringLiteral(" ") +
           (n == QStringLiteral("0") ? Text("ΟΛΟΙ") : n);
}

void CheckWholeNumbers(std::initializer_list<const QLineEdit *> edits)
{
    for (const QLineEdit *edit : edits) {
        if (!Blank(edit->text()))
            StrToInt(edit->text().trimmed());
    }
}

void LayOutStatWindow(QDialog &window, QWidget &panel, QGroupBox &group, TStringGrid &grid)
{
    auto *box = new QVBoxLayout(&group);
    box->addWidget(&grid);
    auto *layout = new QVBoxLayout(&window);
    layout->addWidget(&panel);
    layout->addWidget(&group, 1);
}

void SetUpStatGrid(TStringGrid &grid, std::function<void(int col, int row)> mouseUp)
{
    grid.SetFixedCols(0);
    grid.SetDefaultRowHeight(20);
    grid.SetOptions({goVertLine, goHorzLine, goEditing});
    grid.viewport()->installEventFilter(new CellReleaseFilter(grid, std::move(mouseUp)));
}

TPageRows GridRows(const TStringGrid &grid, int colCount)
{
    TPageRows rows;
    for (int r = grid.FixedRows(); r < grid.RowCount(); ++r) {
        QStringList row;
        for (int c = 0; c < colCount; ++c)
            row.append(grid.Cells(c, r));
        rows.append(row);
    }
    return rows;
}

void SetGridRows(TStringGrid &grid, const TPageRows &rows)
{
    for (int r = 1; r < grid.RowCount(); ++r)
        for (int c = 0; c < grid.ColCount(); ++c)
            grid.SetCell(c, r, QString());
    grid.SetRowCount(int(rows.size()) + 1);
    for (qsizetype r = 0; r < rows.size(); ++r)
        for (qsizetype c = 0; c < rows[r].size(); ++c)
            grid.SetCell(int(c), int(r) + 1, rows[r][c]);
}

void SetGridColumns(TStringGrid &grid, const TPageColumnSet &set)
{
    grid.SetColCount(int(set.columns.size()));
    SetGridRows(grid, {});
    grid.SetRowCount(2);
    for (qsizetype c = 0; c < set.columns.size(); ++c) {
        grid.SetCell(int(c), 0, set.columns[c].title);
        grid.SetColWidth(int(c), set.columns[c].width);
    }
}

void SortStatGrid(TStringGrid &grid, const TPageColumnSet &set, int column, bool renumber, QByteArray &checks)
{
    tav::coupons::SortGridRows(grid, column, set.sortRule);
    TPageRows rows = GridRows(grid, grid.ColCount());
    if (renumber)
        Renumber(rows, set.numberColumn);
    SetGridRows(grid, rows);
    checks = ChecksOf(rows);
}

void StatGridMouseUp(TStringGrid &grid, const TPageColumnSet &set, int col, int row, QByteArray &checks)
{
    if (col == kCheckColumn && row > 0 && row < grid.RowCount()) {
        grid.SetCell(col, row, tav::coupons::CheckText(!tav::coupons::IsChecked(grid.Cells(col, row))));
    } else if (col == kCheckColumn && row == 0) {
        for (int r = 1; r < grid.RowCount(); ++r)
            grid.SetCell(col, r, tav::coupons::CheckText(!tav::coupons::IsChecked(grid.Cells(col, r))));
    } else if (row == 0) {
        SortStatGrid(grid, set, col, true, checks);
        return;
    }
    checks = ChecksOf(GridRows(grid, grid.ColCount()));
    grid.viewport()->update();
}

QFileDialog *TextFileDialog(QWidget *parent, QFileDialog::AcceptMode mode)
{
    auto *dialog = new QFileDialog(parent);
    dialog->setAcceptMode(mode);
    dialog->setNameFilter(Text("Αρχεία Κειμένου (*.txt)"));
    dialog->setDefaultSuffix(QStringLiteral("txt"));
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    return dialog;
}

QString ChosenProposalFile(QFileDialog &dialog)
{
    const QString folder = tav::coupons::ProposalFolder();
    QDir().mkpath(folder);
    dialog.setDirectory(folder);
    if (RunModal(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

void ShowProposalMismatch(const QString &number)
{
    ApplicationMessageBox(Text("Η πρόταση αφορά το κουπόνι %1 και δεν συμφωνεί με αυτό που έχετε φορτώσει!"
                               "Παρακαλώ κάντε ανάλυση στο κουπόνι %1 και μετά φορτώστε την πρόταση.")
                              .arg(number),
                          Text("Ενημέρωση"), MB_OK);
}

void ScoreChosenRows(const TStringGrid &grid, int proposalColumn)
{
    CalcRangeDlg()->RunOverRows(grid.RowCount() - 1, [&](int from, int to) {
        tav::operations::ScoreProtaseis(from, to, proposalColumn, kSignColumn, kOdd1Column, kOddXColumn,
                                        kOdd2Column, grid);
    });
}

void DrawProposalCell(TCanvas &canvas, const TRect &rect, const QString &text, const QString &sign)
{
    canvas.Font.Style = {fsBold};
    const QString played = sign.trimmed();
    if (text.trimmed() == played)
        canvas.Brush.Color = QColor(155, 241, 153);
    else if (!played.isEmpty())
        canvas.Brush.Color = QColor(247, 179, 105);
    WriteCell(canvas, rect, text);
}

TGridPageDescription StatWindowDocument(QWidget &window, const QString &groupTitle)
{
    TGridPageDescription document;
    document.Title = window.windowTitle();
    document.FirstHead = {window.windowTitle() + Text("    ΗΜ/ΝΙΑ ΕΚΤΥΠΩΣΗΣ:") +
                              FormatDateTime(QStringLiteral("dd/mm/yyyy"), QDate::currentDate()),
                          groupTitle, Text(kCredit)};
    document.LaterHead = document.FirstHead;
    document.EnableWindow = [&window](bool enabled) { window.setEnabled(enabled); };
    document.BeforeRow = [] { QCoreApplication::processEvents(); };
    return document;
}

TKupstatPage::TKupstatPage(QWidget *parent)
    : QDialog(parent), Panel1(new QWidget(this)), BBtnBack(new QPushButton(Text("&ΠΡΟΗΓΟΥΜΕΝΗ"), Panel1)),
      BtnNext(new QPushButton(Text("&ΕΠΟΜΕΝΗ"), Panel1)), Button1(new QPushButton(Text("&AUTO"), Panel1)),
      BBtnSave(new QPushButton(Text("ΑΠΟΘΗΚΕΥΣΗ &ΠΡΟΤΑΣΗΣ"), Panel1)),
      BtnPrint(new QPushButton(Text("Ε&ΚΤΥΠΩΣΗ"), Panel1)),
      BBtnStatAll(new QPushButton(Text("ΣΥΓΚΕΝΤΡΩΤΙΚΑ"), Panel1)),
      BBtnClear(new QPushButton(Text("&ΚΑΘΑΡΙΣΜΟΣ"), Panel1)),
      BBtnCalc(new QPushButton(Text("&ΥΠΟΛΟΓΙΣΜΟΣ"), Panel1)),
      SpdBtnApply(new QPushButton(Text("ΕΦΑΡΜΟΓΗ ΦΙΛΤΡΟΥ"), Panel1)), LblFilter(new QLabel(Panel1)),
      EdtApo(NewRangeEdit(Panel1, QStringLiteral("1"))), EdtEos(NewRangeEdit(Panel1, QStringLiteral("2"))),
      EdtAp1(NewRangeEdit(Panel1, QStringLiteral("0"))), EdtAp2(NewRangeEdit(Panel1, QStringLiteral("-1"))),
      EdtApX(NewRangeEdit(Panel1, QStringLiteral("0"))), GrpBoxKup(new QGroupBox(Text("KOYΠONI"), this)),
      SGrd(new TStringGrid(GrpBoxKup)), SaveDialog1(TextFileDialog(this, QFileDialog::AcceptSave)),
      Timer1(new QTimer(this))
{
    setWindowTitle(Text("ΣΤΑΤΙΣΤIΚΗ ΚΟΥΠΟΝΙΟΥ"));
    SpdBtnApply->setToolTip(SpdBtnApply->text());
    auto *top = new QHBoxLayout(Panel1);
    for (QWidget *w : std::initializer_list<QWidget *>{BBtnBack, BtnNext, Button1, BBtnSave, BBtnStatAll,
                                                       BtnPrint, BBtnClear, BBtnCalc, SpdBtnApply})
        top->addWidget(w);
    const std::pair<const char *, QLineEdit *> edits[] = {{"ΑΠΟ ΓΡΑΜΜΗ ", EdtApo},
                                                          {"ΕΩΣ", EdtEos},
                                                          {"ΔΒ1 >= ", EdtAp1},
                                                          {"ΔΒ2 <=", EdtAp2},
                                                          {"ΔΒΧ >= ", EdtApX}};
    for (const auto &[caption, edit] : edits) {
        top->addWidget(new QLabel(Text(caption), Panel1));
        top->addWidget(edit);
    }
    top->addWidget(LblFilter, 1);
    LayOutStatWindow(*this, *Panel1, *GrpBoxKup, *SGrd);

    SetUpStatGrid(*SGrd, [this](int col, int row) { SGrdMouseUp(col, row); });
    SGrd->OnSelectCell = [this](int col, int row) { return SGrdSelectCell(col, row); };
    SGrd->OnDrawCell = [this](int col, int row, const TRect &rect, TGridDrawState, TCanvas &canvas) {
        DrawCell(col, row, rect, canvas);
    };

    connect(BBtnBack, &QPushButton::clicked, this, [this] { done(mrOk); });
    connect(BtnNext, &QPushButton::clicked, this, &TKupstatPage::BtnNextClick);
    connect(Button1, &QPushButton::clicked, this, &TKupstatPage::BitBtn1Click);
    connect(BBtnSave, &QPushButton::clicked, this, &TKupstatPage::BBtnSaveClick);
    connect(BtnPrint, &QPushButton::clicked, this, &TKupstatPage::BtnPrintClick);
    connect(BBtnStatAll, &QPushButton::clicked, this, &TKupstatPage::BBtnStatAllClick);
    connect(BBtnClear, &QPushButton::clicked, this, &TKupstatPage::BBtnClearClick);
    connect(BBtnCalc, &QPushButton::clicked, this, &TKupstatPage::BBtnCalcClick);
    connect(SpdBtnApply, &QPushButton::clicked, this, &TKupstatPage::SpdBtnApplyClick);
    Timer1->setSingleShot(true);
    connect(Timer1, &QTimer::timeout, this, &TKupstatPage::Timer1Timer);
    Timer1->start(kAutoInterval);

    Params = ReadThresholdTexts(kDefaultsA);
    Pages().append(this);
}

TKupstatPage::~TKupstatPage()
{
    Pages().removeOne(this);
}

void TKupstatPage::InitPageGrid()
{
    Checks = QByteArray(1, 0);
    GrpBoxKup->setTitle(Text("ΚΟΥΠΟΝΙ  ") + CouponName);
    SetGridColumns(*SGrd, Columns());
}

void TKupstatPage::CopyCheckedRows()
{
    // Rows read first: a number or bound that is no number leaves the page as it was.
    const TPageRows source = GridRows(*SourceGrid, SourceGrid->ColCount());
    const TPageRows rows = tav::couponstats::CopyCheckedRows(source, SourceChecks, RowFrom, RowTo, Bounds,
                                                             *SourceColumns, Columns());
    InitPageGrid();
    SetRows(rows);
    RowFrom = 1;
    RowTo = int(rows.size());
    EdtApo->setText(QStringLiteral("1"));
    EdtEos->setText(QString::number(rows.size()));
}

TPageRows TKupstatPage::Rows() const
{
    return GridRows(*SGrd, SGrd->ColCount());
}

void TKupstatPage::SetRows(const TPageRows &rows)
{
    SetGridRows(*SGrd, rows);
    Checks = ChecksOf(rows);
}

void TKupstatPage::SortPageGrid(int column, bool renumber)
{
    SortStatGrid(*SGrd, Columns(), column, renumber, Checks);
}

void TKupstatPage::showEvent(QShowEvent *event)
{
    FormShow();
    QDialog::showEvent(event);
}

void TKupstatPage::FormShow()
{
    // Only the pages whose values the summary lays side by side offer it.
    BBtnStatAll->setVisible(Columns().summaryColumn >= 0);
    TPageRows rows = Rows();
    Renumber(rows, Columns().numberColumn);
    SetRows(rows);
}

TKupstatPage *TKupstatPage::Successor(const QString &name)
{
    auto *next = findChild<TKupstatPage *>(name, Qt::FindDirectChildrenOnly);
    if (!next) {
        next = CreateSuccessor();
        next->setObjectName(name);
        next->PageNo = PageNo + 1;
    }
    return next;
}

void TKupstatPage::HandOver(TKupstatPage &next)
{
    const int rowFrom = Blank(EdtApo->text()) ? 1 : StrToInt(EdtApo->text());
    const int rowTo = Blank(EdtEos->text()) ? SGrd->RowCount() - 1 : StrToInt(EdtEos->text());
    next.SourceChecks = Checks;
    next.SourceGrid = SGrd;
    next.SourceColumns = &Columns();
    next.CouponName = CouponName;
    next.Periods = Periods;
    next.RowFrom = rowFrom;
    next.RowTo = rowTo;
    next.Bounds = {EdtAp1->text(), EdtAp2->text(), EdtApX->text()};
    next.CopyCheckedRows();
}

TKupstatPage *TKupstatPage::FillSuccessor(const QString &baseName, TStatOptionsFormaBFrm &options, int &N)
{
    CheckWholeNumbers({EdtApo, EdtEos, EdtAp1, EdtAp2, EdtApX});
    SortPageGrid(Columns().diorgColumn, false);
    if (!options.Ask(N))
        return nullptr;
    // Every page names its successor after page 1, so the chain reuses one successor per page.
    TKupstatPage *next = Successor(baseName + QString::number(PageNo + 1));
    HandOver(*next);
    next->PageNo = 1;
    return next;
}

void TKupstatPage::BtnNextClick()
{
    TKupstatPage *next = Successor(QStringLiteral("KupStat_Nextfrm") + QString::number(PageNo + 1));
    ShowingErrors([&] {
        SortPageGrid(kDiorgColumn, false);
        TStatOptionsFrm &options = *StatOptionsFrm();
        if (!options.AutoMode && RunModal(options) == mrCancel)
            return;
        const int kind = options.ItemIndex();
        if (KindHasStatistic(kind))
            next->FilterCode =
                FilterCodeFor(kind, options.EdtParam->text(), options.ChkAll->isChecked(), false);
        HandOver(*next);
        if (KindHasStatistic(kind))
            next->RunStatistic(kind, StrToInt(options.EdtParam->text()), OptionsLabel(options));
        RunModal(*next);
    });
}

void TKupstatPage::ShowRunProgress()
{
    TProgressDlg &progress = *ProgressDlg();
    progress.hide();
    progress.SetModalResult(mrNone);
    progress.setWindowTitle(Text("ΠΑΡΑΚΑΛΩ ΠΕΡΙΜΕΝΕΤΕ"));
    progress.Label1->setText(Text("ΠΑΡΑΚΑΛΩ ΠΕΡΙΜΕΝΕΤΕ ΤΑ ΑΠΟΤΕΛΕΣΜΑΤΑ..."));
    progress.ProgBar->SetMin(0);
    progress.ProgBar->SetMax(SGrd->RowCount());
    progress.ProgBar->SetPosition(0);
    progress.show();
}

void TKupstatPage::RunAndShowPage(int kind, int N, const TStatOptionsFormaBFrm &options)
{
    ShowRunProgress();
    RunStatistic(kind, N, OptionsLabel(options));
    RunModal(*this);
}

void TKupstatPage::RunStatistic(int kind, int n, const QString &label)
{
    LblFilter->setText(label);
    const TPageEngine engine = EngineFor(kind);
    TProgressDlg &progress = *ProgressDlg();
    if (!engine) {
        progress.hide();
        MessageDlg(Text("Η στατιστική \"%1\" δεν είναι διαθέσιμη.").arg(StatOptionsFrm()->ItemCaption()),
                   mtInformation, {mbOK});
        return;
    }
    TPageRows rows = Rows();
    TPageRun run{rows, Checks, Periods, Params, kind, n, [&progress] {
                     progress.ProgBar->StepIt();
                     QCoreApplication::processEvents();
                     return progress.ModalResult() != mrCancel;
                 }};
    const auto finish = [&] {
        SetRows(rows);
        progress.hide();
        progress.SetModalResult(mrNone);
    };
    try {
        RunPageEngine(engine, run);
    } catch (...) {
        finish();
        throw;
    }
    finish();
}

void TKupstatPage::BitBtn1Click()
{
    if (StatOptionsFrm()->TakeAutoStep())
        BtnNextClick();
}

void TKupstatPage::Timer1Timer()
{
    // A step on a page that an engine is still filling would pass half a page on.
    if (EngineRunning()) {
        Timer1->start(kEngineWait);
        return;
    }
    Timer1->stop();
    if (StatOptionsFrm()->AutoMode)
        BitBtn1Click();
}

TProposalThresholds TKupstatPage::Thresholds() const
{
    return ThresholdsFromTexts(Params);
}

void TKupstatPage::SpdBtnApplyClick()
{
    Tkup_StatParamFrm &dialog = *kup_StatParamFrm();
    if (RunModal(dialog) == mrCancel)
        return;
    Params = dialog.Texts();
    ShowingErrors([&] {
        const TDifferenceBounds bounds{EdtAp1->text(), EdtAp2->text(), EdtApX->text()};
        TPageRows rows = FilterRows(Rows(), Checks, bounds, Columns());
        SetRows(rows);
        ProposeKeptRows(rows);
        SetRows(rows);
    });
}

void TKupstatPage::ProposeKeptRows(TPageRows &rows) const
{
    ProposeRows(rows, Thresholds(), Columns());
}

tav::coupons::TProposalFile TKupstatPage::PageProposalFile() const
{
    return ProposalFileOf(CouponName, Rows(), Columns());
}

void TKupstatPage::BBtnClearClick()
{
    const int count = SGrd->RowCount() - 1;
    ClearRangeDlg()->RunOverRows(count, [&](int from, int to) {
        for (int r = std::max(from, 1); r <= to && r <= count; ++r)
            SGrd->SetCell(Columns().proposalColumn, r, QString());
    });
}

void TKupstatPage::BBtnCalcClick()
{
    ScoreChosenRows(*SGrd, Columns().proposalColumn);
}

void TKupstatPage::BBtnSaveClick()
{
    SortPageGrid(Columns().codeColumn, false);
    const QString fileName = ChosenProposalFile(*SaveDialog1);
    if (fileName.isEmpty())
        return;
    ShowingErrors([&] { WriteProposalFile(fileName); });
}

void TKupstatPage::WriteProposalFile(const QString &fileName)
{
    tav::coupons::WriteProposalFile(fileName, PageProposalFile());
    const QString drumlane =
        TRegIniFile(QStringLiteral("Software\\Tavrolin\\Directories")).ReadString("Options", "Drumlane", "");
    if (!Blank(drumlane)) {
        const QString folder = JoinPath(drumlane.trimmed(), QStringLiteral("Dys"));
        const FileCopyResult copy = CopyFiles(fileName, folder);
        if (!copy.failures.isEmpty()) {
            const FileCopyFailure &failure = copy.failures.constFirst();
            MessageDlg(Text("Η πρόταση %1 δεν αντιγράφηκε στον φάκελο %2: %3")
                           .arg(QDir::toNativeSeparators(fileName), QDir::toNativeSeparators(folder),
                                failure.reason),
                       mtError, {mbOK});
            return;
        }
    }
    ShowMessage(Text("Η αποθήκευση ολοκληρώθηκε!"));
}

void TKupstatPage::BtnPrintClick()
{
    TPrnOptionsfrm &options = *PrnOptionsfrm();
    if (RunModal(options) == mrCancel)
        return;
    ShowingErrors([&] {
        int from = -1;
        int to = -1;
        const bool proposalsOnly = options.ItemIndex() == 1;
        if (proposalsOnly) {
            SortPageGrid(Columns().codeColumn, true);
        } else {
            TPrintRangeDlg &range = *PrintRangeDlg();
            range.Edit1->setText(QStringLiteral("1"));
            range.Edit2->setText(QString::number(SGrd->RowCount() - 1));
            range.ChkAll->setChecked(false);
            if (RunModal(range) == mrCancel)
                return;
            if (!range.ChkAll->isChecked()) {
                from = StrToInt(range.Edit1->text());
                to = StrToInt(range.Edit2->text());
            }
        }
        if (ExecutePrintDialog(this))
            PrintPage(proposalsOnly, from, to);
    });
}

void TKupstatPage::BBtnStatAllClick()
{
    TKupStatAllFrm &summary = *KupStatAllFrm();
    summary.CouponName = CouponName;
    summary.FillStatAllGrid();
    RunModal(summary);
}

void TKupstatPage::PrintPage(bool proposalsOnly, int fromRow, int toRow)
{
    const TPageColumnSet &set = Columns();
    const auto tenths = [&](int col) { return int(Round(SGrd->ColWidths(col) * set.printFactor)); };
    TGridPageDescription document = StatWindowDocument(*this, GrpBoxKup->title());
    // Rows at least a line apart, so that the cells of one row never run into the next.
    document.Layout = glRuledRowsClear;
    TGridLine titles;
    // A column of no width keeps a row's data off screen and off paper.
    for (int col = set.firstPrintedColumn; col < SGrd->ColCount(); ++col)
        if (SGrd->ColWidths(col) > 0)
            titles.append({SGrd->Cells(col, 0), tenths(col)});
    document.Header = {titles};
    const int last = toRow < 0 ? SGrd->RowCount() - 1 : std::min(toRow, SGrd->RowCount() - 1);
    for (int row = std::max(fromRow, 1); row <= last; ++row) {
        const int tested = !proposalsOnly              ? kCodeColumn
                           : set.printedRowColumn >= 0 ? set.printedRowColumn
                                                       : set.proposalColumn;
        if (SGrd->Cells(tested, row).isEmpty())
            continue;
        TGridLine cells;
        for (int col = set.firstPrintedColumn; col < SGrd->ColCount(); ++col)
            if (SGrd->ColWidths(col) > 0)
                cells.append({SGrd->Cells(col, row), tenths(col)});
        document.Rows.append(cells);
    }
    TGridPrintState state;
    // The page's 18 columns take more than a portrait page's width.
    TPrinter &printer = Printer();
    const bool landscape = printer.Landscape();
    printer.SetLandscape(true);
    try {
        PrintGridPages(printer, document, state);
    } catch (...) {
        printer.SetLandscape(landscape);
        throw;
    }
    printer.SetLandscape(landscape);
}

void TKupstatPage::SGrdMouseUp(int col, int row)
{
    StatGridMouseUp(*SGrd, Columns(), col, row, Checks);
}

bool TKupstatPage::SGrdSelectCell(int col, int)
{
    return Columns().editableColumns.contains(col);
}

void TKupstatPage::DrawCell(int col, int row, const TRect &rect, TCanvas &canvas)
{
    if (row == 0)
        return;
    const QString text = SGrd->Cells(col, row);
    const TPageColumnSet &set = Columns();
    if (col == kCheckColumn) {
        canvas.FillRect(rect);
        tav::coupons::DrawCheckCell(canvas, rect, text);
        return;
    }
    if (Blank(text) || (col != set.differenceColumn && col != set.proposalColumn))
        return;
    if (col != set.differenceColumn) {
        DrawProposalCell(canvas, rect, text, SGrd->Cells(kSignColumn, row));
        return;
    }
    canvas.Font.Style = {fsBold};
    TProposalThresholds thresholds;
    try {
        thresholds = Thresholds();
    } catch (const EConvertError &) {
        return;
    }
    const TDifferenceBand band = DifferenceBandOf(text, thresholds);
    canvas.Font.Color = band == TDifferenceBand::Two ? QColor(Qt::red)
                        : band == TDifferenceBand::X ? QColor(Qt::blue)
                                                     : QColor(Qt::darkGreen);
    WriteCell(canvas, rect, text);
}
