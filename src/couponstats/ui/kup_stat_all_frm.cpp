#include "couponstats/ui/kup_stat_all_frm.h"

#include "coupons/kup_file.h"
#include "coupons/proposal_file.h"
#include "coupons/ui/print_range_dlg.h"
#include "couponstats/stat_all.h"
#include "couponstats/stat_all_export.h"
#include "couponstats/ui/kupstat_next_frm.h"
#include "couponstats/ui/kupstat_page.h"
#include "couponstats/ui/prn_options_frm.h"
#include "platform/core/file_copy.h"
#include "platform/core/format.h"
#include "platform/core/long_lived.h"
#include "platform/core/message_service.h"
#include "platform/core/paths.h"
#include "platform/core/registry.h"
#include "platform/ui/modal_runner.h"
#include "platform/ui/paged_print.h"
#include "platform/ui/printer.h"
#include "platform/ui/showing_errors.h"
#include "platform/ui/string_grid.h"
#include "platform/ui/wait_cursor.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

using namespace tav::couponstats;

namespace {

const char *const kCaption = "ΣΥΓΚΕΝΤΡΩΤΙΚΟΣ ΠΙΝΑΚΑΣ ΑΠΟΤΕΛΕΣΜΑΤΩΝ";
const char *const kSaved = "Η αποθήκευση ολοκληρώθηκε!";
const char *const kSaveFailed = "Παρουσιάστηκε σφάλμα στην αποθήκευση του ";
constexpr double kPrintFactor = 0.104;

QString Text(const char *text)
{
    return QString::fromUtf8(text);
}

bool SameFile(const QString &a, const QString &b)
{
    return QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath();
}

// The sister program's copy: a failure is told, our own file stays as saved.
void CopyToDrumlane(const QString &fileName)
{
    const QString drumlane =
        TRegIniFile(QStringLiteral("Software\\TAVROLIN\\Directories")).ReadString("Options", "Drumlane", "");
    if (drumlane.trimmed().isEmpty())
        return;
    const FileCopyResult copy = CopyFiles(fileName, JoinPath(drumlane.trimmed(), QStringLiteral("Dys")));
    for (const FileCopyFailure &failure : copy.failures)
        MessageDlg(failure.reason, mtError, {mbOK});
}

} // namespace

TKupStatAllFrm::TKupStatAllFrm(QWidget *parent)
    : QDialog(parent), Panel1(new QWidget(this)),
      BitBtn4(new QPushButton(Text("ΑΠΟΘΗΚΕΥΣΗ &ΠΡΟΤΑΣΗΣ"), Panel1)),
      BtnOpen(new QPushButton(Text("&ΦΟΡΤΩΜΑ ΠΡΟΤΑΣΗΣ"), Panel1)),
      BtnPrint(new QPushButton(Text("Ε&ΚΤΥΠΩΣΗ"), Panel1)), APSQL(new QPushButton(Text("ΑΠ. SQL"), Panel1)),
      APACS(new QPushButton(Text("ΑΠ. ACS"), Panel1)),
      BBtnCalc(new QPushButton(Text("&ΥΠΟΛΟΓΙΣΜΟΣ"), Panel1)),
      BBtnBack(new QPushButton(Text("&ΕΠΙΣΤΡΟΦΗ"), Panel1)), GrpBoxKup(new QGroupBox(this)),
      SGrd(new TStringGrid(GrpBoxKup)), OpenDialog1(TextFileDialog(this, QFileDialog::AcceptOpen)),
      SaveDialog1(TextFileDialog(this, QFileDialog::AcceptSave))
{
    setWindowTitle(Text(kCaption));
    setWindowState(Qt::WindowMaximized);
    Panel1->setAutoFillBackground(true);
    QPalette palette = Panel1->palette();
    // The design's colour 9551284, a BGR value.
    palette.setColor(QPalette::Window, QColor(0xB4, 0xBD, 0x91));
    Panel1->setPalette(palette);
    auto *top = new QHBoxLayout(Panel1);
    for (QWidget *w :
         std::initializer_list<QWidget *>{BitBtn4, BtnOpen, BtnPrint, APSQL, APACS, BBtnCalc, BBtnBack})
        top->addWidget(w);
    top->addStretch(1);
    QFont bold = GrpBoxKup->font();
    bold.setBold(true);
    GrpBoxKup->setFont(bold);
    SGrd->setFont(font());
    LayOutStatWindow(*this, *Panel1, *GrpBoxKup, *SGrd);

    SetUpStatGrid(*SGrd, [this](int col, int row) { SGrdMouseUp(col, row); });
    SGrd->OnSelectCell = [this](int col, int row) { return SGrdSelectCell(col, row); };
    SGrd->OnDrawCell = [this](int col, int row, const TRect &rect, TGridDrawState, TCanvas &canvas) {
        DrawCell(col, row, rect, canvas);
    };

    connect(BBtnBack, &QPushButton::clicked, this, [this] { done(mrOk); });
    connect(BitBtn4, &QPushButton::clicked, this, &TKupStatAllFrm::BitBtn4Click);
    connect(BtnOpen, &QPushButton::clicked, this, &TKupStatAllFrm::BtnOpenClick);
    connect(BtnPrint, &QPushButton::clicked, this, &TKupStatAllFrm::BtnPrintClick);
    connect(BBtnCalc, &QPushButton::clicked, this, &TKupStatAllFrm::BBtnCalcClick);
    connect(APACS, &QPushButton::clicked, this, &TKupStatAllFrm::APACSClick);
    connect(APSQL, &QPushButton::clicked, this, &TKupStatAllFrm::APSQLClick);

    Params = ReadThresholdTexts(kDefaultsA);
}

TPageRows TKupStatAllFrm::Rows() const
{
    return GridRows(*SGrd, SGrd->ColCount());
}

void TKupStatAllFrm::SetRows(const TPageRows &rows)
{
    SetGridRows(*SGrd, rows);
}

QStringList TKupStatAllFrm::PageTitles() const
{
    QStringList titles;
    for (int col = kStatAllFirstPageColumn; col < SGrd->ColCount(); ++col)
        titles.append(SGrd->Cells(col, 0));
    return titles;
}

void TKupStatAllFrm::FillStatAllGrid()
{
    GrpBoxKup->setTitle(CouponName);
    QList<TStatAllPage> pages;
    for (TKupstatPage *page : LiveKupstatPages()) {
        if (page->isVisible() && page->Columns().summaryColumn >= 0)
            pages.append({page->FilterCode, page->Rows(), &page->Columns()});
    }
    QList<TPageColumn> columns = StatAllBaseColumns();
    for (const TStatAllPage &page : pages)
        columns.append({page.title, kStatAllPageWidth});
    SetGridRows(*SGrd, {});
    SGrd->SetColCount(int(columns.size()));
    for (qsizetype c = 0; c < columns.size(); ++c) {
        SGrd->SetCell(int(c), 0, columns[c].title);
        SGrd->SetColWidth(int(c), columns[c].width);
    }
    SetRows(StatAllRows(Kupstat_NextFrm()->Rows(), pages));
    SGrd->SetRowCount(std::max(SGrd->RowCount(), 2));
    SortStatAllGrid(kNumberColumn, true);
    SetConsensusProposals();
}

void TKupStatAllFrm::SortStatAllGrid(int col, bool renumber)
{
    const TWaitCursor hourglass;
    TPageRows rows = Rows();
    SortStatAllRows(rows, col, SGrd->ColCount());
    if (renumber)
        Renumber(rows);
    SetRows(rows);
    if (SGrd->RowCount() > 1)
        SGrd->SetRow(1);
}

void TKupStatAllFrm::SetConsensusProposals()
{
    ShowingErrors([&] {
        TPageRows rows = Rows();
        tav::couponstats::SetConsensusProposals(rows, ThresholdsFromTexts(Params));
        SetRows(rows);
    });
}

void TKupStatAllFrm::BitBtn4Click()
{
    SortStatAllGrid(kCodeColumn, false);
    const QString fileName = ChosenProposalFile(*SaveDialog1);
    if (fileName.isEmpty() || !SaveProposal(fileName))
        return;
    CopyToDrumlane(fileName);
    ShowMessage(Text(kSaved));
}

bool TKupStatAllFrm::SaveProposal(const QString &fileName)
{
    try {
        tav::coupons::WriteProposalFile(fileName, StatAllProposalFile(CouponName, Rows()));
        // A file saved in the proposal folder is already its own copy there.
        const QString copy = JoinPath(tav::coupons::ProposalFolder(), QFileInfo(fileName).fileName());
        if (!SameFile(fileName, copy)) {
            const FileCopyResult result = CopyFiles(fileName, tav::coupons::ProposalFolder());
            if (!result.failures.isEmpty())
                throw EInOutError(result.failures.constFirst().reason);
        }
    } catch (const Exception &) {
        ShowMessage(Text(kSaveFailed) + fileName);
        return false;
    }
    return true;
}

void TKupStatAllFrm::BtnOpenClick()
{
    const QString fileName = ChosenProposalFile(*OpenDialog1);
    if (!fileName.isEmpty())
        LoadStatAllProposal(fileName);
}

void TKupStatAllFrm::LoadStatAllProposal(const QString &fileName)
{
    ShowingErrors([&] {
        const tav::coupons::TProposalFile file = tav::coupons::ReadProposalFile(fileName);
        const QString found = tav::coupons::FindCouponFile(tav::coupons::KouponiaFolder(), file.couponNumber);
        if (found.isEmpty() || found != CouponName) {
            ShowProposalMismatch(file.couponNumber);
            return;
        }
        SGrd->SetRow(std::min(1, SGrd->RowCount() - 1));
        TPageRows rows = Rows();
        const tav::coupons::TProposalScore score = ApplyStatAllProposals(file, rows);
        SetRows(rows);
        ShowMessage(tav::coupons::ProposalScoreSummary(score));
    });
}

void TKupStatAllFrm::BBtnCalcClick()
{
    ScoreChosenRows(*SGrd, kStatAllProposalColumn);
}

void TKupStatAllFrm::APACSClick()
{
    ExportStatAllAcs(CouponName, PageTitles(), Rows());
}

void TKupStatAllFrm::APSQLClick()
{
    ExportStatAllSql(CouponName, PageTitles(), Rows());
}

void TKupStatAllFrm::BtnPrintClick()
{
    TPrnOptionsfrm &options = *PrnOptionsfrm();
    if (RunModal(options) == mrCancel)
        return;
    ShowingErrors([&] {
        if (options.ItemIndex() == 1) {
            SortStatAllGrid(kCodeColumn, true);
            if (ExecutePrintDialog(this))
                PrintStatAll(kStatAllProposalColumn, -1, -1);
            return;
        }
        TPrintRangeDlg &range = *PrintRangeDlg();
        range.Edit1->setText(QStringLiteral("1"));
        range.Edit2->setText(QString::number(SGrd->RowCount()));
        range.ChkAll->setChecked(false);
        if (RunModal(range) == mrCancel)
            return;
        int from = -1;
        int to = -1;
        if (!range.ChkAll->isChecked()) {
            from = StrToInt(range.Edit1->text());
            to = StrToInt(range.Edit2->text());
        }
        if (ExecutePrintDialog(this))
            PrintStatAll(kCodeColumn, from, to);
    });
}

void TKupStatAllFrm::PrintStatAll(int keyColumn, int fromRow, int toRow)
{
    const auto tenths = [&](int col) { return int(std::lround(SGrd->ColWidths(col) * kPrintFactor)); };
    TGridPageDescription document = StatWindowDocument(*this, GrpBoxKup->title());
    document.Layout = glRuledRows;
    TGridLine titles;
    for (int col = 0; col < SGrd->ColCount(); ++col)
        titles.append({SGrd->Cells(col, 0), tenths(col)});
    document.Header = {titles};
    const int last = toRow < 0 ? SGrd->RowCount() - 1 : std::min(toRow, SGrd->RowCount() - 1);
    for (int row = std::max(fromRow, 1); row <= last; ++row) {
        if (SGrd->Cells(keyColumn, row).trimmed().isEmpty())
            continue;
        TGridLine cells;
        for (int col = 0; col < SGrd->ColCount(); ++col)
            cells.append({SGrd->Cells(col, row), tenths(col)});
        document.Rows.append(cells);
    }
    TGridPrintState state;
    PrintGridPages(Printer(), document, state);
}

void TKupStatAllFrm::SGrdMouseUp(int col, int row)
{
    if (row == 0)
        SortStatAllGrid(col, true);
}

bool TKupStatAllFrm::SGrdSelectCell(int col, int)
{
    return col == kStatAllProp0Column || col == kStatAllProposalColumn;
}

void TKupStatAllFrm::DrawCell(int col, int row, const TRect &rect, TCanvas &canvas)
{
    const QString text = SGrd->Cells(col, row);
    if (row == 0 || (col != kStatAllProp0Column && col != kStatAllProposalColumn) || text.trimmed().isEmpty())
        return;
    DrawProposalCell(canvas, rect, text, SGrd->Cells(kSignColumn, row));
}

TKupStatAllFrm *KupStatAllFrm()
{
    static TKupStatAllFrm *window = nullptr;
    return LongLived(window, [] { return new TKupStatAllFrm; });
}
