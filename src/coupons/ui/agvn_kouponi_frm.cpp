#include "coupons/ui/agvn_kouponi_frm.h"

#include "analysis/match_analysis.h"
#include "coupons/analysis_export.h"
#include "coupons/analysis_grid.h"
#include "coupons/analysis_proposal.h"
#include "coupons/coupon_analysis.h"
#include "coupons/neural_score.h"
#include "coupons/ui/analysis_grid_paint.h"
#include "coupons/ui/analysis_grid_print.h"
#include "coupons/ui/filter_kup_frm.h"
#include "coupons/ui/list_deltia_k_frm.h"
#include "coupons/ui/sel_period_frm.h"
#include "data/data_module.h"
#include "platform/core/long_lived.h"
#include "platform/core/message_service.h"
#include "platform/core/modal_result.h"
#include "platform/ui/command_guard.h"
#include "platform/ui/modal_runner.h"
#include "platform/ui/progress_bar.h"
#include "platform/ui/wait_cursor.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDateEdit>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace tav::coupons;

namespace {

const QString kCaption = QStringLiteral("ΑΝΑΛΥΣΗ ΚΟΥΠΟΝΙΟΥ");
const QString kFromLabel = QStringLiteral("Από Ημερομηνία :");
const QString kToLabel = QStringLiteral("Έως Ημερομηνία :");
const QString kAnalysisDate = QStringLiteral("ΑΝΑΛΥΣΗ &ΗΜ/ΝΙΩΝ");
const QString kAnalysis = QStringLiteral("&ΑΝΑΛΥΣΗ ΚΟΥΠΟΝΙΟΥ");
const QString kSaveProposal = QStringLiteral("ΑΠΟΘΗΚΕΥΣΗ &ΠΡΟΤΑΣΗΣ");
const QString kLoadProposal = QStringLiteral("&ΦΟΡΤΩΜΑ ΠΡΟΤΑΣΗΣ");
const QString kExport = QStringLiteral("S_acs");
const QString kWithScore = QStringLiteral("Αγώνες με σκορ");
const QString kWithoutScore = QStringLiteral("Αγώνες χωρίς σκορ");
const QString kExtra = QStringLiteral("Εκτίμηση από βαθμολογία");
const QString kNeural = QStringLiteral("ΝΕΥΡΩΝΙΚΑ");
const QString kPrint = QStringLiteral("&ΕΚΤΥΠΩΣΗ");
const QString kBack = QStringLiteral("Ε&ΠΙΣΤΡΟΦΗ");
const QString kQuestionCaption = QStringLiteral("Ενημέρωση");
const QString kNoCoupon = QStringLiteral("Δεν έχετε επιλέξει κουπονι!Να συνεχίσω;");
const QString kAnalyseCoupon = QStringLiteral("Πρόκειται να κάνετε ανάλυση του κουπονιου %1. Βεβαιωθήτε ότι "
                                              "έχετε κάνει ενημέρωση του κουπονιού πρώτα.");
const QString kTextFiles = QStringLiteral("Αρχεία Κειμένου (*.txt)");
const QString kDateFormat = QStringLiteral("dd/MM/yyyy");
constexpr int kPanelHeight = 89;
constexpr int kProgressHeight = 16;
constexpr int kRowHeight = 20;
constexpr int kDesignRows = 2;
constexpr int kAnalysisSteps = 10;

QDateEdit *NewDatePicker(QWidget *parent)
{
    auto *picker = new QDateEdit(parent);
    picker->setCalendarPopup(true);
    picker->setDisplayFormat(kDateFormat);
    return picker;
}

QFileDialog *NewTextFileDialog(QWidget *parent, QFileDialog::AcceptMode mode)
{
    auto *dialog = new QFileDialog(parent);
    dialog->setAcceptMode(mode);
    dialog->setNameFilter(kTextFiles);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    if (mode == QFileDialog::AcceptSave)
        dialog->setDefaultSuffix(QStringLiteral("txt"));
    else
        dialog->setFileMode(QFileDialog::ExistingFile);
    return dialog;
}

// Dates the program sets are no choice of the user's: they do not run the change handler.
void SetPickerDate(QDateEdit *picker, const QDate &date)
{
    const QSignalBlocker quiet(picker);
    picker->setDate(date);
}

// The chosen file of a file dialog run through the modal runner; empty when it was cancelled.
QString ChosenFile(QFileDialog &dialog)
{
    if (RunModal(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

} // namespace

TAgvnKouponiFrm::TAgvnKouponiFrm(std::function<QDate()> today, QWidget *parent)
    : QWidget(parent, Qt::Window), Panel1(new QFrame(this)), GroupBox1(new QGroupBox(Panel1)),
      Label1(new QLabel(kFromLabel, GroupBox1)), DateFrom(NewDatePicker(GroupBox1)),
      Label2(new QLabel(kToLabel, GroupBox1)), DateTo(NewDatePicker(GroupBox1)),
      BtnAnalysisDate(new QPushButton(kAnalysisDate, GroupBox1)),
      BtnAnalysis(new QPushButton(kAnalysis, Panel1)), BitBtn4(new QPushButton(kSaveProposal, Panel1)),
      BtnOpen(new QPushButton(kLoadProposal, Panel1)), BitBtn1(new QPushButton(kExport, Panel1)),
      Chkskor(new QCheckBox(kWithScore, Panel1)), ChkxSkor(new QCheckBox(kWithoutScore, Panel1)),
      ChkExtra(new QCheckBox(kExtra, Panel1)), BtnNeural(new QPushButton(kNeural, Panel1)),
      BtnPrint(new QPushButton(kPrint, Panel1)), BtnBack(new QPushButton(kBack, Panel1)),
      Panel2(new QFrame(this)), SGrd1(new TStringGrid(Panel2)), ProgBar(new TProgressBar(Panel2)),
      SaveDialog1(NewTextFileDialog(this, QFileDialog::AcceptSave)),
      OpenDialog1(NewTextFileDialog(this, QFileDialog::AcceptOpen)),
      Today(today ? std::move(today) : [] { return QDate::currentDate(); })
{
    setWindowTitle(kCaption);
    resize(788, 478);
    BuildPanel();

    SGrd1->SetFixedCols(0);
    SGrd1->SetFixedRows(1);
    SGrd1->SetDefaultRowHeight(kRowHeight);
    SGrd1->SetColCount(kAnalysisColumns);
    SGrd1->SetRowCount(kDesignRows);
    SGrd1->SetOptions({goVertLine, goHorzLine, goEditing});
    SGrd1->OnSelectCell = [this](int col, int row) { return SGrd1SelectCell(col, row); };
    SGrd1->OnDrawCell = [this](int col, int row, const TRect &rect, TGridDrawState state, TCanvas &canvas) {
        SGrd1DrawCell(col, row, rect, state, canvas);
    };
    SGrd1->viewport()->installEventFilter(this);
    ProgBar->setFixedHeight(kProgressHeight);
    ProgBar->SetMin(0);
    ProgBar->SetMax(100);
    ProgBar->setTextVisible(false);

    const std::pair<QPushButton *, void (TAgvnKouponiFrm::*)()> handlers[] = {
        {BtnAnalysisDate, &TAgvnKouponiFrm::BtnAnalysisDateClick},
        {BtnAnalysis, &TAgvnKouponiFrm::BtnAnalysisClick},
        {BitBtn4, &TAgvnKouponiFrm::BitBtn4Click},
        {BtnOpen, &TAgvnKouponiFrm::BtnOpenClick},
        {BitBtn1, &TAgvnKouponiFrm::BitBtn1Click},
        {BtnNeural, &TAgvnKouponiFrm::BtnNeuralClick},
        {BtnPrint, &TAgvnKouponiFrm::BtnPrintClick},
        {BtnBack, &TAgvnKouponiFrm::BtnBackClick},
    };
    for (const auto &[button, handler] : handlers)
        connect(button, &QPushButton::clicked, this,
                [this, handler] { RunGuarded([this, handler] { (this->*handler)(); }); });
    FormCreate();
    connect(DateFrom, &QDateEdit::dateChanged, this, &TAgvnKouponiFrm::DateFromChange);
}

TAgvnKouponiFrm::~TAgvnKouponiFrm() = default;

void TAgvnKouponiFrm::BuildPanel()
{
    Panel1->setFixedHeight(kPanelHeight);
    auto *dates = new QGridLayout(GroupBox1);
    dates->addWidget(Label1, 0, 0);
    dates->addWidget(DateFrom, 0, 1);
    dates->addWidget(Label2, 1, 0);
    dates->addWidget(DateTo, 1, 1);
    dates->addWidget(BtnAnalysisDate, 0, 2, 2, 1);
    auto *proposals = new QVBoxLayout;
    proposals->addWidget(BtnAnalysis);
    proposals->addWidget(BitBtn4);
    proposals->addWidget(BtnOpen);
    auto *boxes = new QVBoxLayout;
    for (QCheckBox *box : {Chkskor, ChkxSkor, ChkExtra})
        boxes->addWidget(box);
    auto *commands = new QVBoxLayout;
    for (QPushButton *button : {BtnPrint, BtnBack, BitBtn1, BtnNeural})
        commands->addWidget(button);
    auto *panel = new QHBoxLayout(Panel1);
    panel->setContentsMargins(4, 2, 4, 2);
    panel->addWidget(GroupBox1);
    panel->addLayout(proposals);
    panel->addLayout(boxes);
    panel->addStretch(1);
    panel->addLayout(commands);

    Panel2->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto *grid = new QVBoxLayout(Panel2);
    grid->setContentsMargins(4, 4, 4, 4);
    grid->setSpacing(0);
    grid->addWidget(SGrd1, 1);
    grid->addWidget(ProgBar);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Panel1);
    layout->addWidget(Panel2, 1);
}

void TAgvnKouponiFrm::FormCreate()
{
    ChkExtra->setVisible(true);
    ChkExtra->setChecked(true);
    const tav::analysis::TAnalysisDays days = tav::analysis::DefaultAnalysisDays(Today());
    SetPickerDate(DateFrom, days.From);
    SetPickerDate(DateTo, days.To);
    Chkskor->setChecked(true);
    ChkxSkor->setChecked(true);
    BtnNeural->setVisible(false);
    // The analysis reads the matches through its own queries; the shared table is only released
    // from any filter, and left open for the windows that show it.
    ReleaseMatchesFilter();
    TTavrolinDM &dm = TavrolinDM();
    if (!dm.Kathgories.Active())
        dm.Kathgories.Open();
    const QStringList titles = AnalysisTitles(false);
    const QList<int> widths = AnalysisWidths(false);
    for (int col = 0; col < kAnalysisColumns; ++col) {
        SGrd1->SetCell(col, 0, titles[col]);
        SGrd1->SetColWidth(col, widths[col]);
    }
}

void TAgvnKouponiFrm::ShowAnalysis()
{
    showMaximized();
    raise();
    activateWindow();
}

void TAgvnKouponiFrm::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TAgvnKouponiFrm::FormShow()
{
    ProgBar->SetMin(0);
    ProgBar->SetPosition(0);
    BitBtn1->setVisible(true);
}

void TAgvnKouponiFrm::hideEvent(QHideEvent *event)
{
    ReleaseMatchesFilter();
    QWidget::hideEvent(event);
}

void TAgvnKouponiFrm::closeEvent(QCloseEvent *event)
{
    ReleaseMatchesFilter();
    QWidget::closeEvent(event);
}

void TAgvnKouponiFrm::ReleaseMatchesFilter()
{
    TTavrolinDM &dm = TavrolinDM();
    dm.Agvnes.SetFiltered(false);
    dm.Agvnes.SetFilter(QString());
}

void TAgvnKouponiFrm::BtnBackClick()
{
    close();
}

bool TAgvnKouponiFrm::SGrd1SelectCell(int col, int row)
{
    return row > 0 && (col == AnProposal || col == AnExtProposal);
}

bool TAgvnKouponiFrm::ConfirmCouponAnalysis()
{
    ChooseKupForAnalysis();
    if (QString(KupFileName).remove(QLatin1Char(' ')).isEmpty() &&
        ApplicationMessageBox(kNoCoupon, kQuestionCaption, MB_YESNO | MB_DEFBUTTON2) != IDYES)
        return false;
    if (ApplicationMessageBox(kAnalyseCoupon.arg(KupFileName), kQuestionCaption, MB_YESNO | MB_DEFBUTTON2) !=
        IDYES)
        return false;
    ClearMatchRows();
    return true;
}

void TAgvnKouponiFrm::ChooseKupForAnalysis()
{
    TListDeltiaKFrm &picker = *ListDeltiaKFrm();
    if (RunModal(picker) != mrOk)
        return;
    SetPickerDate(DateFrom, picker.KupDateFrom.date());
    SetPickerDate(DateTo, picker.KupDateTo.date());
    setWindowTitle(kCaption + QLatin1Char(' ') + picker.KupFileName);
    GroupBox1->setTitle(picker.KupFileName);
    TFilterKupFrm &filter = *FilterKupFrm();
    filter.DateFrom->setDate(DateFrom->date());
    filter.DateTo->setDate(DateTo->date());
    filter.KupFileName = picker.KupFileName;
    KupFileName = QFileInfo(picker.KupFileName).fileName();
}

void TAgvnKouponiFrm::BtnAnalysisClick()
{
    ResetProgress(kAnalysisSteps);
    TFilterKupFrm &filter = *FilterKupFrm();
    filter.Periods.clear();
    if (!ConfirmCouponAnalysis())
        return;
    TSelPeriodFrm &seasons = *SelPeriodFrm();
    if (RunModal(seasons) != mrOk)
        return;
    filter.FromMyKouponia = ListDeltiaKFrm()->PageControl1->currentIndex() == 1;
    filter.Periods = seasons.Periods;
    if (RunModal(filter) != mrOk)
        return;
    AnalyseWith(BtnAnalysis);
}

// The range is the one on the screen: it goes to the match filter, whose other settings (codes,
// odds, competitions) stay as last left.
void TAgvnKouponiFrm::BtnAnalysisDateClick()
{
    ResetProgress(kAnalysisSteps);
    TFilterKupFrm &filter = *FilterKupFrm();
    filter.DateFrom->setDate(DateFrom->date());
    filter.DateTo->setDate(DateTo->date());
    AnalyseWith(BtnAnalysisDate);
}

void TAgvnKouponiFrm::AnalyseWith(QPushButton *button)
{
    button->setEnabled(false);
    try {
        // Training lines and scores come only from a grid this run filled, never again from an
        // earlier one left standing.
        if (RunCouponAnalysis()) {
            AppendNeuralInput(GridRows());
            BtnNeuralClick();
        }
    } catch (const std::exception &) {
        // The training file and the weights are the user's own optional files: without them the
        // analysis stands as it is, unscored.
    }
    button->setEnabled(true);
}

bool TAgvnKouponiFrm::RunCouponAnalysis()
{
    const TFilterKupFrm &filter = *FilterKupFrm();
    TCouponAnalysisInput input;
    input.DateFrom = filter.DateFrom->date();
    input.DateTo = filter.DateTo->date();
    input.EdtKvdApo = filter.EdtKvdApo->text();
    input.EdtKvdEos = filter.EdtKvdEos->text();
    input.EdtAp1From = filter.EdtAp1From->text();
    input.EdtAp1To = filter.EdtAp1To->text();
    input.EdtApXFrom = filter.EdtApXFrom->text();
    input.EdtApXTo = filter.EdtApXTo->text();
    input.EdtAp2From = filter.EdtAp2From->text();
    input.EdtAp2To = filter.EdtAp2To->text();
    input.Competitions = filter.CheckedDiorg();
    input.Chkskor = Chkskor->isChecked();
    input.ChkxSkor = ChkxSkor->isChecked();
    input.ChkExtra = ChkExtra->isChecked();

    TCouponAnalysisResult result;
    {
        TWaitCursor busy(BusyCursor());
        result = tav::coupons::RunCouponAnalysis(TavrolinDM(), input, [this](int position, int maximum) {
            ProgBar->SetMax(maximum);
            ProgBar->SetPosition(position);
        });
    }
    if (result.status == TCouponAnalysisStatus::NoResultKind) {
        ShowMessage(result.message);
        return false;
    }
    SetPickerDate(DateFrom, input.DateFrom);
    SetPickerDate(DateTo, input.DateTo);
    switch (result.status) {
    case TCouponAnalysisStatus::Failed:
        MessageDlg(result.message, mtError, {mbOK});
        return false;
    case TCouponAnalysisStatus::NoMatch:
        ClearMatchRows();
        ShowMessage(result.message);
        return false;
    default:
        break;
    }
    SetGridRows(result.rows);
    const QList<int> widths = AnalysisWidths(input.ChkExtra);
    for (int col = 0; col < widths.size(); ++col)
        SGrd1->SetColWidth(col, widths[col]);
    return true;
}

void TAgvnKouponiFrm::ResetProgress(int maximum)
{
    ProgBar->SetMin(0);
    ProgBar->SetMax(maximum);
    ProgBar->SetPosition(0);
}

void TAgvnKouponiFrm::ClearMatchRows()
{
    for (int row = 1; row < SGrd1->RowCount(); ++row)
        for (int col = 0; col < SGrd1->ColCount(); ++col)
            SGrd1->SetCell(col, row, QString());
}

QList<QStringList> TAgvnKouponiFrm::GridRows() const
{
    QList<QStringList> rows;
    for (int row = 0; row < SGrd1->RowCount(); ++row) {
        QStringList cells;
        for (int col = 0; col < SGrd1->ColCount(); ++col)
            cells.append(SGrd1->Cells(col, row));
        rows.append(cells);
    }
    return rows;
}

// Row 0 of the rows is the titles; the grid takes their size.
void TAgvnKouponiFrm::SetGridRows(const QList<QStringList> &rows)
{
    if (rows.isEmpty())
        return;
    SGrd1->SetColCount(int(rows.first().size()));
    SGrd1->SetRowCount(int(rows.size()));
    for (int row = 0; row < rows.size(); ++row)
        for (int col = 0; col < SGrd1->ColCount(); ++col)
            SGrd1->SetCell(col, row, rows[row].value(col));
}

// Whatever the new first date, both kinds of match are asked for again.
void TAgvnKouponiFrm::DateFromChange()
{
    Chkskor->setChecked(true);
    ChkxSkor->setChecked(true);
}

void TAgvnKouponiFrm::SGrd1DrawCell(int col, int row, const TRect &rect, TGridDrawState, TCanvas &canvas)
{
    DrawAnalysisCell(*SGrd1, col, row, rect, canvas);
}

void TAgvnKouponiFrm::SGrd1MouseUp(Qt::MouseButton button, int x, int y)
{
    AnalysisGridMouseUp(*SGrd1, button, x, y);
}

bool TAgvnKouponiFrm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == SGrd1->viewport() && event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        const QPoint at = mouse->position().toPoint();
        SGrd1MouseUp(mouse->button(), at.x(), at.y());
    }
    return QWidget::eventFilter(watched, event);
}

void TAgvnKouponiFrm::BitBtn4Click()
{
    SaveDialog1->setDirectory(ProposalDialogFolder());
    const QString path = ChosenFile(*SaveDialog1);
    if (!path.isEmpty())
        SaveProposal(path, GridRows(), KupFileName);
}

void TAgvnKouponiFrm::BtnOpenClick()
{
    OpenDialog1->setDirectory(ProposalDialogFolder());
    const QString path = ChosenFile(*OpenDialog1);
    if (path.isEmpty())
        return;
    QList<QStringList> rows = GridRows();
    if (!LoadProposal(path, rows, KupFileName))
        return;
    SetGridRows(rows);
    SGrd1->FocusCell(ProposalColumn(SGrd1->ColCount()), 1);
}

void TAgvnKouponiFrm::BtnNeuralClick()
{
    TWaitCursor hourglass;
    QList<QStringList> rows = GridRows();
    try {
        RunNeuralScoring(rows);
    } catch (...) {
        SetGridRows(rows);
        throw;
    }
    SetGridRows(rows);
}

void TAgvnKouponiFrm::BitBtn1Click()
{
    ExportAnalysisGrid(GroupBox1->title(), GridRows());
}

void TAgvnKouponiFrm::BtnPrintClick()
{
    PrintAnalysisGridAsked(*SGrd1, windowTitle(), PrintState, this);
}

TAgvnKouponiFrm &AgvnKouponiFrm()
{
    // Destroyed only by a test's reset: the screen lives to the end of the program.
    static TAgvnKouponiFrm *form = nullptr;
    return *LongLived(form, [] { return new TAgvnKouponiFrm; });
}
