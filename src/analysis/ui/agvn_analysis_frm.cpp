#include "analysis/ui/agvn_analysis_frm.h"

#include "analysis/competition_filter.h"
#include "analysis/match_analysis.h"
#include "analysis/match_analysis_grid.h"
#include "data/data_module.h"
#include "platform/core/errors.h"
#include "platform/core/format.h"
#include "platform/core/long_lived.h"
#include "platform/core/message_service.h"
#include "platform/ui/printer.h"
#include "platform/ui/wait_cursor.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDateEdit>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

using namespace tav::analysis;

namespace {

const QString kCaption = QStringLiteral("Ανάλυση Αγώνων");
const QString kFromLabel = QStringLiteral("Από Ημερομηνία :");
const QString kToLabel = QStringLiteral("Έως Ημερομηνία :");
const QString kCompetitions = QStringLiteral("Διοργανώσεις");
const QString kWithScore = QStringLiteral("Αγώνες με σκορ");
const QString kWithoutScore = QStringLiteral("Αγώνες χωρίς σκορ");
const QString kExtra = QStringLiteral("Εκτίμηση από βαθμολογία");
const QString kRun = QStringLiteral("Ανάλυση");
const QString kPrint = QStringLiteral("&Εκτύπωση");
const QString kHelp = QStringLiteral("&Βοήθεια");
const QString kQuestionCaption = QStringLiteral("Ενημέρωση");
const QString kFutureQuestion =
    QStringLiteral("Προσοχή!Έχετε επιλέξει ημερομηνία μεταγενέστερη από σήμερα ,πιθανόν "
                   "δεν υπάρχουν αγώνες με σκορ ,να συνεχίσω; ");
const QString kNoResultKind = QStringLiteral("Δεν έχετε επιλέξει αγώνες με σκορ ή χωρίς σκορ");
const QString kNoMatch = QStringLiteral("Δεν υπάρχουν στοιχεία για τις διοργανώσεις που επιλέξατε.");
const QString kDateFormat = QStringLiteral("dd/MM/yyyy");

const char kSeasonsSql[] = "SELECT Periodos FROM Periodos ORDER BY Periodos DESC";
const char kCategoriesSql[] = "SELECT GrName FROM Kathgories ORDER BY GrName";

// On screen the A and O of "A/A OΠΑΠ", "AΠ 1", "AΠ Χ", "AΠ 2" and "A/A" are Latin letters.
const char *const kHeadings[] = {"ΗΜ/ΝΙΑ", "ΩΡΑ",  "ΔΙΟΡ", "ΟΜΑΔΕΣ",   "Τελ. Φ.", "Τελ. Γ.", "1",
                                 "Χ",      "2",    "ΣΗΜ",  "A/A OΠΑΠ", "Π1",      "ΠΧ",      "Π2",
                                 "AΠ 1",   "AΠ Χ", "AΠ 2", "A/A",      "Τ-1",     "Τ-Χ",     "Τ-2"};
const int kWidths[] = {62, 30, 32, 200, 30, 30, 30, 30, 30, 20, 30, 30, 30, 30, 35, 35, 35, 30, 30, 30, 30};
// On paper every letter is Greek.
const char *const kPrintHeadings[] = {"ΗΜ/ΝΙΑ", "ΩΡΑ", "ΔΙΟΡ.", "ΟΜΑΔΕΣ", "Τελ.Φ",     "Τελ.Γ",
                                      "1",      "Χ",   "2",     "ΣΗΜ",    "ΚΩΔ. ΟΠΑΠ", "Π1",
                                      "ΠΧ",     "Π2",  "ΑΠ 1",  "ΑΠ Χ",   "ΑΠ 2",      "Α/Α"};

QColor MarkColour(TAnalysisMark mark, const QColor &usual)
{
    switch (mark) {
    case TAnalysisMark::First:
        return QColor(0, 255, 0);
    case TAnalysisMark::Second:
        return QColor(33, 138, 255);
    case TAnalysisMark::Third:
        return QColor(255, 0, 0);
    case TAnalysisMark::FavouriteWon:
        return QColor(0, 128, 0);
    case TAnalysisMark::None:
        break;
    }
    return usual;
}

QStringList Lines(const char *sql)
{
    QStringList lines;
    DbConnection::Lease statement = TavrolinDM().TavrolinDb.Connection().Statement(QString::fromUtf8(sql));
    while (statement->Step())
        lines.append(statement->Text(0));
    return lines;
}

QStringList CheckedTexts(const QListWidget *list)
{
    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
        if (list->item(row)->checkState() == Qt::Checked)
            texts.append(list->item(row)->text());
    return texts;
}

void Fill(QListWidget *list, const QStringList &texts)
{
    list->clear();
    for (const QString &text : texts) {
        auto *item = new QListWidgetItem(text, list);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
}

QDateEdit *NewDatePicker(QWidget *parent)
{
    auto *picker = new QDateEdit(parent);
    picker->setCalendarPopup(true);
    picker->setDisplayFormat(kDateFormat);
    return picker;
}

} // namespace

TAgvnAnalysisFrm::TAgvnAnalysisFrm(std::function<QDate()> today, QWidget *parent)
    : QWidget(parent, Qt::Window), Panel1(new QFrame(this)), DateFrom(NewDatePicker(Panel1)),
      DateTo(NewDatePicker(Panel1)), PeriodCombo(new QListWidget(Panel1)),
      DiorgListBox(new QListWidget(Panel1)), DCheckBox(new QCheckBox(kCompetitions, Panel1)),
      Chkskor(new QCheckBox(kWithScore, Panel1)), ChkxSkor(new QCheckBox(kWithoutScore, Panel1)),
      ChkExtra(new QCheckBox(kExtra, Panel1)), Button2(new QPushButton(kRun, Panel1)),
      BtnPrint(new QPushButton(kPrint, Panel1)), BitBtn1(new QPushButton(kHelp, Panel1)),
      SGrd1(new TStringGrid(this)), StatusBar1(new QStatusBar(this)),
      Today(today ? std::move(today) : [] { return QDate::currentDate(); })
{
    setWindowTitle(kCaption);
    BuildPanel();
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Panel1);
    layout->addWidget(SGrd1, 1);
    layout->addWidget(StatusBar1);

    SGrd1->SetFixedCols(0);
    SGrd1->SetFixedRows(1);
    SGrd1->SetDefaultRowHeight(20);
    SGrd1->SetColCount(kMatchAnalysisColumns);
    SGrd1->SetRowCount(2);
    SGrd1->OnDrawCell = [this](int col, int row, const TRect &rect, TGridDrawState state, TCanvas &canvas) {
        SGrd1DrawCell(col, row, rect, state, canvas);
    };
    SGrd1->viewport()->installEventFilter(this);
    connect(Button2, &QPushButton::clicked, this, &TAgvnAnalysisFrm::Button2Click);
    connect(BtnPrint, &QPushButton::clicked, this, &TAgvnAnalysisFrm::BtnPrintClick);
    FormCreate();
    connect(DateFrom, &QDateEdit::dateChanged, this, &TAgvnAnalysisFrm::DateFromChange);
}

TAgvnAnalysisFrm::~TAgvnAnalysisFrm() = default;

void TAgvnAnalysisFrm::BuildPanel()
{
    Panel1->setFixedHeight(121);
    auto *dates = new QVBoxLayout;
    dates->addWidget(new QLabel(kFromLabel, Panel1));
    dates->addWidget(DateFrom);
    dates->addWidget(new QLabel(kToLabel, Panel1));
    dates->addWidget(DateTo);
    auto *boxes = new QVBoxLayout;
    for (QCheckBox *box : {DCheckBox, Chkskor, ChkxSkor, ChkExtra})
        boxes->addWidget(box);
    auto *buttons = new QVBoxLayout;
    for (QPushButton *button : {Button2, BtnPrint, BitBtn1})
        buttons->addWidget(button);
    auto *panel = new QHBoxLayout(Panel1);
    panel->addLayout(dates);
    panel->addWidget(PeriodCombo);
    panel->addWidget(DiorgListBox, 1);
    panel->addLayout(boxes);
    panel->addLayout(buttons);
}

void TAgvnAnalysisFrm::FormCreate()
{
    const TAnalysisDays days = DefaultAnalysisDays(Today());
    DateFrom->setDate(days.From);
    DateTo->setDate(days.To);
    Chkskor->setChecked(true);
    ChkxSkor->setChecked(true);
    DCheckBox->setChecked(true);
    FillSeasonList();
    FillCategoryList();
    for (int col = 0; col < kMatchAnalysisColumns; ++col) {
        SGrd1->SetCell(col, 0, QString::fromUtf8(kHeadings[col]));
        SGrd1->SetColWidth(col, kWidths[col]);
    }
}

void TAgvnAnalysisFrm::FillSeasonList()
{
    Fill(PeriodCombo, Lines(kSeasonsSql));
    for (int row = 0; row < std::min(2, PeriodCombo->count()); ++row)
        PeriodCombo->item(row)->setCheckState(Qt::Checked);
}

void TAgvnAnalysisFrm::FillCategoryList()
{
    Fill(DiorgListBox, Lines(kCategoriesSql));
    if (DiorgListBox->count() > 0)
        DiorgListBox->setCurrentRow(0);
}

void TAgvnAnalysisFrm::ShowAnalysis()
{
    showMaximized();
    raise();
    activateWindow();
}

void TAgvnAnalysisFrm::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TAgvnAnalysisFrm::closeEvent(QCloseEvent *event)
{
    FormClose();
    QWidget::closeEvent(event);
}

// The remembered categories are ticked besides those ticked already.
void TAgvnAnalysisFrm::FormShow()
{
    QStringList items;
    for (int row = 0; row < DiorgListBox->count(); ++row)
        items.append(DiorgListBox->item(row)->text());
    try {
        for (int row : TCheckListMemory(QString::fromUtf8(MatchAnalysisSelectionFile)).TickedRows(items))
            DiorgListBox->item(row)->setCheckState(Qt::Checked);
    } catch (const Exception &error) {
        MessageDlg(error.Message(), mtError, {mbOK});
    }
}

void TAgvnAnalysisFrm::FormClose()
{
    try {
        TCheckListMemory(QString::fromUtf8(MatchAnalysisSelectionFile)).Save(CheckedTexts(DiorgListBox));
    } catch (const Exception &error) {
        MessageDlg(error.Message(), mtError, {mbOK});
    }
}

// A window that starts after today has no results yet.
void TAgvnAnalysisFrm::DateFromChange()
{
    const bool ahead = DateFrom->date() > Today();
    ChkxSkor->setChecked(ahead);
    Chkskor->setChecked(!ahead);
}

void TAgvnAnalysisFrm::Button2Click()
{
    if (Chkskor->isChecked() && DateFrom->date() > Today() &&
        ApplicationMessageBox(kFutureQuestion, kQuestionCaption, MB_YESNO | MB_DEFBUTTON2) != IDYES)
        return;
    RunMatchAnalysis();
}

void TAgvnAnalysisFrm::RunMatchAnalysis()
{
    TMatchAnalysisRequest request{DateFrom->date(), DateTo->date(), Chkskor->isChecked(),
                                  ChkxSkor->isChecked()};
    request.Extra = ChkExtra->isChecked();
    TMatchAnalysisResult result;
    try {
        TWaitCursor wait;
        if (DCheckBox->isChecked() && (request.WithScore || request.WithoutScore))
            request.Competitions =
                BuildCompetitionFilter(TavrolinDM(), CheckedTexts(DiorgListBox), CheckedTexts(PeriodCombo));
        result = tav::analysis::RunMatchAnalysis(TavrolinDM(), request);
    } catch (const Exception &error) {
        MessageDlg(error.Message(), mtError, {mbOK});
        return;
    }
    switch (result.Status) {
    case TMatchAnalysisStatus::NoResultKind:
        ShowMessage(kNoResultKind);
        return;
    case TMatchAnalysisStatus::NoMatch:
        ClearRows(kMatchAnalysisColumns);
        ShowMessage(kNoMatch);
        return;
    case TMatchAnalysisStatus::Done:
        break;
    }
    ClearRows(request.Extra ? kMatchAnalysisExtraColumns : kMatchAnalysisColumns);
    SGrd1->SetRowCount(int(result.Rows.size()) + 1);
    SetGridRows(result.Rows);
}

// Sets the columns, their headings and widths, and empties the rows below the headings.
void TAgvnAnalysisFrm::ClearRows(int columns)
{
    SGrd1->SetColCount(columns);
    for (int col = kMatchAnalysisColumns; col < columns; ++col) {
        SGrd1->SetCell(col, 0, QString::fromUtf8(kHeadings[col]));
        SGrd1->SetColWidth(col, kWidths[col]);
    }
    for (int row = 1; row < SGrd1->RowCount(); ++row)
        for (int col = 0; col < columns; ++col)
            SGrd1->SetCell(col, row, QString());
}

QList<QStringList> TAgvnAnalysisFrm::GridRows() const
{
    QList<QStringList> rows;
    for (int row = 1; row < SGrd1->RowCount(); ++row) {
        QStringList cells;
        for (int col = 0; col < SGrd1->ColCount(); ++col)
            cells.append(SGrd1->Cells(col, row));
        rows.append(cells);
    }
    return rows;
}

void TAgvnAnalysisFrm::SetGridRows(const QList<QStringList> &rows)
{
    for (int row = 0; row < rows.size(); ++row)
        for (int col = 0; col < std::min(int(rows[row].size()), SGrd1->ColCount()); ++col)
            SGrd1->SetCell(col, row + 1, rows[row][col]);
}

void TAgvnAnalysisFrm::SGrd1DrawCell(int col, int row, const TRect &rect, TGridDrawState, TCanvas &canvas)
{
    if (row < 1 || !IsMarkedColumn(col))
        return;
    QStringList cells;
    for (int c = 0; c < SGrd1->ColCount(); ++c)
        cells.append(SGrd1->Cells(c, row));
    canvas.Font.Style = {fsBold};
    canvas.Brush.Color = MarkColour(AnalysisCellMark(cells, col), canvas.Brush.Color);
    canvas.FillRect(rect);
    canvas.TextOut(rect.Left + 2, rect.Top + 2, cells[col]);
}

void TAgvnAnalysisFrm::SGrd1MouseUp(Qt::MouseButton button, int x, int y)
{
    if (button != Qt::LeftButton)
        return;
    int col = -1;
    int row = -1;
    SGrd1->MouseToCell(x, y, col, row);
    if (row != 0 || !IsSortColumn(col) || col >= SGrd1->ColCount())
        return;
    QList<QStringList> rows = GridRows();
    SortGridByColumn(rows, col, SortKindOf(col));
    SetGridRows(rows);
}

bool TAgvnAnalysisFrm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == SGrd1->viewport() && event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        SGrd1MouseUp(mouse->button(), mouse->position().toPoint().x(), mouse->position().toPoint().y());
    }
    return QWidget::eventFilter(watched, event);
}

void TAgvnAnalysisFrm::BtnPrintClick()
{
    if (!ExecutePrintDialog(this))
        return;
    TGridPageDescription page;
    page.Title = kCaption;
    page.FirstHead = {kCaption + QStringLiteral("    ") +
                      FormatDateTime(QStringLiteral("dd/mm/yyyy"), Today())};
    page.LaterHead = page.FirstHead;
    page.HeadFont = TFont::FromQFont(SGrd1->font(), clBlack, SGrd1->logicalDpiY());
    TGridLine header;
    for (int col = 0; col < kMatchAnalysisColumns; ++col)
        header.append({QString::fromUtf8(kPrintHeadings[col]), ScreenWidthTenths(SGrd1->ColWidths(col))});
    page.Header = {header};
    for (int row = 1; row < SGrd1->RowCount(); ++row) {
        TGridLine line;
        for (int col = 0; col < kMatchAnalysisColumns; ++col)
            line.append({SGrd1->Cells(col, row), ScreenWidthTenths(SGrd1->ColWidths(col))});
        page.Rows.append(line);
    }
    page.EndAtBlankSecondCell = true;
    page.EnableWindow = [this](bool enabled) { setEnabled(enabled); };
    page.BeforeRow = [] { QCoreApplication::processEvents(); };
    try {
        PrintGridPages(Printer(), page, PrintState);
    } catch (const Exception &error) {
        MessageDlg(error.Message(), mtError, {mbOK});
    }
}

TAgvnAnalysisFrm &AgvnAnalysisFrm()
{
    // Destroyed only by a test's reset: the window lives to the end of the program.
    static TAgvnAnalysisFrm *form = nullptr;
    return *LongLived(form, [] { return new TAgvnAnalysisFrm; });
}
