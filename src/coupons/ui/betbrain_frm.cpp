#include "coupons/ui/betbrain_frm.h"

#include "coupons/betbrain_compare.h"
#include "coupons/kup_file.h"
#include "coupons/ui/betbrain_notes_dlg.h"
#include "coupons/ui/betbrain_prot_range_dlg.h"
#include "coupons/ui/grid_row_sorter.h"
#include "coupons/ui/list_deltia_frm.h"
#include "data/data_module.h"
#include "platform/core/errors.h"
#include "platform/core/format.h"
#include "platform/core/long_lived.h"
#include "platform/core/message_service.h"
#include "platform/core/modal_result.h"
#include "platform/core/paths.h"
#include "platform/core/registry.h"
#include "platform/core/text_file.h"
#include "platform/ui/application.h"
#include "platform/ui/modal_runner.h"
#include "platform/ui/progress_dialog.h"
#include "platform/ui/showing_errors.h"
#include "platform/ui/string_grid.h"

#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>

using namespace tav::coupons;
namespace bb = tav::coupons::betbrain;

namespace {

const char *const kCaption = "ΕΝΗΜΕΡΩΣΗ ΜΕΣΩΝ ΑΠΟΔΟΣΕΩΝ ΑΓΩΝΩΝ ΑΠΟ BETBRAIN";
const char *const kLoadedCaption = "ΕΝΗΜΕΡΩΣΗ ΜΕΣΩΝ ΑΠΟΔΟΣΕΩΝ ΑΓΩΝΩΝ ΑΠΟ KΟYΠΟΝΙ ";
const char *const kDirectories = "Software\\Tavrolin\\Directories";
const char *const kGreekSite = "DeRerUzive";
const char *const kEnglishSite = "VuVavUdova";
const char *const kPageName = "comparisons.htm";
const char *const kTipFileName = "pelvorans.txt";
const char *const kHeaderName = "HeaderBetBrain.txt";

struct TColumn
{
    const char *title;
    int width;
};

const TColumn kColumns[bb::ColumnCount] = {
    {"ΚΩΔ", 35},         {"ΔΙΟΡ", 35},           {"Η/Μ", 65},     {"ΩΡΑ", 60},
    {"ΓΗΠΕΔΟΥΧΟΣ", 120}, {"ΦΙΛΟΞΕΝΟΥΜΕΝΗ", 120}, {"ΑΠ 1", 35},    {"ΑΠ Χ", 35},
    {"ΑΠ 2", 35},        {"Μ.ΑΠ.1", 40},         {"Μ.ΑΠ.Χ", 40},  {"Μ.ΑΠ.2", 40},
    {"ΣΚΟΡ", 40},        {"N.Σ.", 40},           {"ΠΡ.", 30},     {"ΑΠΟΚ.1", 45},
    {"ΑΠΟΚ.Χ", 45},      {"ΑΠΟΚ.2", 45},         {"ΓΚ.ΟΠΑΠ", 45}, {"ΓΚ.BOOK", 45},
    {"Α/Α", 35},
};

QPointer<TBETBRAINFrm> &Instance()
{
    static QPointer<TBETBRAINFrm> form;
    return form;
}

QString SiteFolder(const char *value)
{
    return TRegIniFile(QString::fromUtf8(kDirectories))
        .ReadString(QStringLiteral("Options"), QString::fromUtf8(value), QString());
}

// The odds columns, the averages, the deviations and the margins sort by value.
TRowSortRule BetBrainSortRule()
{
    TRowSortRule rule;
    rule.numericColumns = {6, 7, 8, 9, 10, 11, 15, 16, 17, 18, 19};
    return rule;
}

// An odds text of the coupon: blank shows "1", the other decimal mark becomes the locale's.
QString OddsCell(const QString &text)
{
    if (text.trimmed().isEmpty())
        return QStringLiteral("1");
    const QChar decimal = GreekFormatSettings().DecimalSeparator;
    QString cell = text;
    return cell.replace(decimal == QLatin1Char(',') ? QLatin1Char('.') : QLatin1Char(','), decimal);
}

// Copies over an existing file; a failed copy leaves things as they were.
void CopyReplacing(const QString &from, const QString &to)
{
    if (QFileInfo(from).absoluteFilePath() == QFileInfo(to).absoluteFilePath())
        return;
    QFile::remove(to);
    QFile::copy(from, to);
}

} // namespace

TBETBRAINFrm::TBETBRAINFrm(QWidget *parent)
    : QDialog(parent), SGrd(new TStringGrid(this)), Label1(new QLabel(this)),
      BitBtn1(new QPushButton(QStringLiteral("KOYΠΟΝΙ ΟΠΑΠ"), this)),
      BitBtn2(new QPushButton(QStringLiteral("ΔΗΜΙΟΥΡΓΙΑ ΗΤΜ"), this)),
      BitBtn4(new QPushButton(QStringLiteral("ΑΠΟΘΗΚΕΥΣΗ ΠΡΟΤΑΣΗΣ"), this)),
      BitBtn3(new QPushButton(QStringLiteral("&ΕΠΙΣΤΡΟΦΗ"), this))
{
    setObjectName(QStringLiteral("BETBRAINFrm"));
    setWindowTitle(QString::fromUtf8(kCaption));
    resize(1000, 560);
    SGrd->SetColCount(bb::ColumnCount);
    SGrd->SetRowCount(2);
    SGrd->SetFixedCols(0);
    SGrd->SetFixedRows(1);
    SGrd->SetDefaultRowHeight(19);
    SGrd->SetOptions({goVertLine, goHorzLine});
    SGrd->viewport()->installEventFilter(this);
    SGrd->OnSelectCell = [](int, int row) { return row == 0; };
    SGrd->OnDrawCell = [this](int col, int row, const TRect &rect, TGridDrawState, TCanvas &canvas) {
        if (col != bb::Proposal || row == 0)
            return;
        const QString mark = SGrd->Cells(col, row).trimmed();
        if (!mark.isEmpty() && mark == SGrd->Cells(bb::Sign, row).trimmed())
            canvas.Brush.Color = QColor(155, 241, 153);
        canvas.FillRect(rect);
        canvas.TextOut(rect.Left + 2, rect.Top + 2, SGrd->Cells(col, row));
    };
    connect(BitBtn1, &QPushButton::clicked, this, &TBETBRAINFrm::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TBETBRAINFrm::BitBtn2Click);
    connect(BitBtn4, &QPushButton::clicked, this, &TBETBRAINFrm::BitBtn4Click);
    connect(BitBtn3, &QPushButton::clicked, this, [this] { done(mrCancel); });
}

TBETBRAINFrm::~TBETBRAINFrm()
{
    if (Instance() == this)
        Instance() = nullptr;
}

void TBETBRAINFrm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TBETBRAINFrm::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    FormResize();
}

bool TBETBRAINFrm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == SGrd->viewport() && event->type() == QEvent::MouseButtonRelease) {
        const QPoint at = static_cast<QMouseEvent *>(event)->position().toPoint();
        if (at.y() < SGrd->RowHeights(0)) {
            int col = -1;
            int row = -1;
            SGrd->MouseToCell(at.x(), at.y(), col, row);
            if (col >= 0)
                SortBetBrainGrid(col);
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TBETBRAINFrm::FormResize()
{
    const int buttonHeight = 30;
    const int gridHeight = std::max(0, height() - buttonHeight - 32);
    SGrd->setGeometry(0, 0, width(), gridHeight);
    int x = 8;
    for (QPushButton *button : {BitBtn1, BitBtn2, BitBtn4, BitBtn3}) {
        button->setGeometry(x, gridHeight + 8, 160, buttonHeight);
        x += 168;
    }
    Label1->setGeometry(x, gridHeight + 8, std::max(0, width() - x - 8), buttonHeight);
}

void TBETBRAINFrm::FormShow()
{
    InitBetBrainGrid();
}

void TBETBRAINFrm::InitBetBrainGrid()
{
    for (int r = 0; r < SGrd->RowCount(); ++r)
        for (int c = 0; c < SGrd->ColCount(); ++c)
            SGrd->SetCell(c, r, QString());
    for (int c = 0; c < bb::ColumnCount; ++c) {
        SGrd->SetCell(c, 0, QString::fromUtf8(kColumns[c].title));
        SGrd->SetColWidth(c, kColumns[c].width);
    }
    TTavrolinDM &dm = TavrolinDM();
    for (TTable *table : {&dm.Agvnes, &dm.Kathgories, &dm.Periodos, &dm.Diorganvseis})
        if (!table->Active())
            table->Open();
    SavedOmadesFilter = dm.Omades.Filter();
    dm.Omades.SetFilter(QString());
    dm.Omades.SetFiltered(false);
    Label1->clear();
}

void TBETBRAINFrm::FormClose()
{
    TTavrolinDM &dm = TavrolinDM();
    dm.Agvnes.SetFilter(QString());
    dm.Agvnes.SetFiltered(false);
    dm.Omades.SetFilter(SavedOmadesFilter);
    dm.Omades.SetFiltered(true);
    Instance() = nullptr;
    deleteLater();
}

void TBETBRAINFrm::done(int result)
{
    QDialog::done(result);
    FormClose();
}

void TBETBRAINFrm::ClearDataRows()
{
    for (int r = 1; r < SGrd->RowCount(); ++r)
        for (int c = 0; c < SGrd->ColCount(); ++c)
            SGrd->SetCell(c, r, QString());
}

QStringList TBETBRAINFrm::GridRow(int row) const
{
    QStringList cells;
    for (int c = 0; c < SGrd->ColCount(); ++c)
        cells << SGrd->Cells(c, row);
    return cells;
}

void TBETBRAINFrm::SetGridRow(int row, const QStringList &cells)
{
    for (int c = 0; c < SGrd->ColCount(); ++c)
        SGrd->SetCell(c, row, cells.value(c));
}

QList<QStringList> TBETBRAINFrm::DataRows() const
{
    QList<QStringList> rows;
    for (int r = 1; r < SGrd->RowCount(); ++r)
        rows << GridRow(r);
    return rows;
}

void TBETBRAINFrm::BitBtn1Click()
{
    ClearDataRows();
    TListDeltiaFrm *picker = ListDeltiaFrm();
    if (RunModal(*picker) == mrCancel)
        return;
    KupFilePath = picker->KupFilePath;
    KupFileName = QFileInfo(picker->KupFilePath).fileName();
    LoadKupGrid(KupFilePath);
    SortBetBrainGrid(bb::Diorg);
    setWindowTitle(QString::fromUtf8(kLoadedCaption) + picker->KupFileName);
    ShowingErrors([this] {
        for (int r = 1; r < SGrd->RowCount(); ++r)
            CompareRowOdds(r);
    });
    ShowingErrors([this] { ShowProposalScore(); });
}

void TBETBRAINFrm::LoadKupGrid(const QString &path)
{
    const TKupReadResult read = ReadKupRecords(path);
    QList<TKupRow> values;
    for (const TKupRecord &record : read.records)
        values << record.Row;
    FillDownKupRows(values);
    SGrd->SetRowCount(std::max(2, int(values.size()) + 1));
    for (int i = 0; i < values.size(); ++i) {
        const TKupRow &v = values.at(i);
        QStringList row(bb::ColumnCount);
        row[bb::RunNo] = QString::number(i + 1);
        row[bb::Time] = v.TimeText;
        row[bb::Diorg] = v.Diorg;
        row[bb::Code] = v.Code;
        row[bb::Date] = FormatDateTime(QStringLiteral("dd/mm/yyyy"), v.MatchDate);
        row[bb::Home] = v.Home;
        row[bb::Away] = v.Away;
        row[bb::Odd1] = OddsCell(v.Odd1);
        row[bb::OddX] = OddsCell(v.OddX);
        row[bb::Odd2] = OddsCell(v.Odd2);
        row[bb::Score] = v.Score;
        row[bb::Sign] = v.Sign;
        SetGridRow(i + 1, row);
    }
    if (read.failed)
        ShowMessage(KupReadErrorText(path));
}

void TBETBRAINFrm::CompareRowOdds(int row)
{
    QStringList cells = GridRow(row);
    TBetBrainLookup lookup(TavrolinDM());
    if (const auto averages = lookup.FindRow(cells)) {
        CompareRow(cells, *averages);
        SetGridRow(row, cells);
    }
}

void TBETBRAINFrm::ShowProposalScore()
{
    Label1->setText(ProposalScoreText(DataRows()));
}

void TBETBRAINFrm::SortBetBrainGrid(int column)
{
    SortGridRows(*SGrd, column, BetBrainSortRule());
    for (int r = 1; r < SGrd->RowCount(); ++r)
        SGrd->SetCell(bb::RunNo, r, QString::number(r));
}

void TBETBRAINFrm::BitBtn2Click()
{
    QString folder = SiteFolder(kGreekSite).trimmed();
    if (folder.isEmpty()) {
        folder = JoinPath(ProgramFolder(), QStringLiteral("htm"));
        EnsureFolder(folder);
    }
    if (MessageDlg(QStringLiteral("Να ταξινομήσω το κουπόνι κατά κωδικό πριν την αποθήκευση;"),
                   mtConfirmation, {mbYes, mbNo}) == mrYes)
        SortBetBrainGrid(bb::Code);
    const QString page = JoinPath(folder, QString::fromUtf8(kPageName));
    TProgressDlg *progress = ProgressDlg();
    try {
        WriteComparisonPage(page);
    } catch (const Exception &) {
        progress->hide();
        progress->SetModalResult(mrNone);
        BitBtn2->setEnabled(true);
        ShowMessage(QStringLiteral("Η ενημέρωση παρουσίασε σφάλμα!"));
        return;
    }
    const QString htm = JoinPath(ProgramFolder(), QStringLiteral("htm"));
    EnsureFolder(htm);
    CopyReplacing(page, JoinPath(htm, KupPrefix(KupFileName) + QString::fromUtf8(kPageName)));
    ShowMessage(QStringLiteral("Η ενημέρωση ολοκληρώθηκε."));
}

void TBETBRAINFrm::WriteComparisonPage(const QString &path)
{
    TextFileWriter page(path);
    const QString header = JoinPath(ProgramFolder(), QString::fromUtf8(kHeaderName));
    if (QFileInfo::exists(header)) {
        for (const QString &line : ReadTextLines(header))
            page.WriteLine(line);
    } else {
        ShowMessage(QStringLiteral("Δεν βρέθηκε το αρχείο HeaderBetBrain.txt στον φάκελο ") +
                    ProgramFolder());
    }
    BitBtn2->setEnabled(false);
    TProgressDlg *progress = ProgressDlg();
    progress->SetModalResult(mrNone);
    progress->ProgBar->SetMin(0);
    progress->ProgBar->SetPosition(0);
    progress->ProgBar->SetMax(SGrd->RowCount());
    progress->Label1->setText(QStringLiteral("ΕΝΗΜΕΡΩΣΗ "));
    progress->show();
    TBetBrainLookup lookup(TavrolinDM());
    for (int r = 1; r < SGrd->RowCount(); ++r) {
        const QStringList row = GridRow(r);
        progress->Label1->setText(QStringLiteral("ΕΝΗΜΕΡΩΣΗ ") + row.value(bb::Diorg).trimmed());
        progress->raise();
        ProcessMessages();
        for (const QString &line : ComparisonPageRow(row, lookup.FindRow(row)))
            page.WriteLine(line);
        progress->ProgBar->StepBy(1);
        if (progress->ModalResult() == mrCancel)
            break;
    }
    for (const char *line : {"</table>", "</body>", "</html>"})
        page.WriteLine(QString::fromLatin1(line));
    progress->ProgBar->StepBy(1);
    progress->hide();
    progress->SetModalResult(mrNone);
    BitBtn2->setEnabled(true);
    page.Close();
}

void TBETBRAINFrm::BitBtn4Click()
{
    SortBetBrainGrid(bb::Code);
    const QString folder = SiteFolder(kGreekSite).trimmed();
    if (folder.isEmpty()) {
        ShowMessage(
            QStringLiteral("Παρακαλώ δηλώστε στους ΚΑΤΑΛΟΓΟΥΣ ΕΝΗΜΕΡΩΣΗΣ το Site(Ελληνικό και αγγλικό)"));
        return;
    }
    TProtRangeDlg *range = ProtRangeDlg();
    range->Edit1->setText(QStringLiteral("1"));
    range->Edit2->setText(QString::number(SGrd->RowCount()));
    range->ChkAll->setChecked(false);
    RunModal(*range);
    const bool ranged = ShowingErrors([this, range] {
        if (range->ChkAll->isChecked()) {
            RangeFrom = 1;
            RangeTo = SGrd->RowCount() - 1;
        } else {
            RangeFrom = StrToInt(range->Edit1->text());
            RangeTo = StrToInt(range->Edit2->text());
        }
    });
    if (!ranged)
        return;
    const QString path = JoinPath(folder, QString::fromUtf8(kTipFileName));
    if (QFileInfo::exists(path) &&
        MessageDlg(QStringLiteral("Το αρχείο pelvorans.txt υπάρχει!Να το επανεγγράψω;"), mtWarning,
                   {mbYes, mbNo}) != mrYes)
        return;
    QList<QStringList> proposed;
    for (int r = std::max(1, RangeFrom); r <= RangeTo && r < SGrd->RowCount(); ++r)
        if (!SGrd->Cells(bb::Proposal, r).trimmed().isEmpty())
            proposed << GridRow(r);
    TNotesDlg *notes = NotesDlg();
    notes->FillRows(GridRow(0), proposed);
    RunModal(*notes);
    if (WriteBetBrainProposal(path))
        ShowMessage(QStringLiteral("Η αποθήκευση ολοκληρώθηκε!"));
}

bool TBETBRAINFrm::WriteBetBrainProposal(const QString &path)
{
    const QString english = SiteFolder(kEnglishSite).trimmed();
    try {
        tav::coupons::WriteBetBrainProposal(path, KupFileName, DataRows(), RangeFrom, RangeTo,
                                            NotesDlg()->Notes());
    } catch (const Exception &error) {
        ShowMessage(QStringLiteral("Η αποθήκευση του αρχείου pelvorans.txt απέτυχε.\n") + error.Message());
        return false;
    }
    if (!english.isEmpty())
        CopyReplacing(path, JoinPath(english, QFileInfo(path).fileName()));
    return true;
}

TBETBRAINFrm *BETBRAINFrm()
{
    return Instance();
}

TBETBRAINFrm *CreateBETBRAINFrm()
{
    return LongLived(Instance(), [] { return new TBETBRAINFrm; });
}
