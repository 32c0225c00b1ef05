#include "coupons/ui/opap_frm.h"

#include "coupons/opap_update.h"
#include "coupons/ui/list_deltia_frm.h"
#include "coupons/ui/opap_edt_scor_dlg.h"
#include "coupons/ui/opap_sel_rounds_frm.h"
#include "data/data_module.h"
#include "platform/core/long_lived.h"
#include "platform/core/message_service.h"
#include "platform/core/modal_result.h"
#include "platform/ui/application.h"
#include "platform/ui/modal_runner.h"
#include "platform/ui/progress_dialog.h"
#include "platform/ui/string_grid.h"
#include "shared/dialog_parts.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QShowEvent>

#include <algorithm>

using namespace tav::coupons;

namespace {

const char *const kCaption = "ΕΝΗΜΕΡΩΣΗ ΑΓΩΝΩΝ ΑΠΟ KΟYΠΟΝΙ";
const char *const kKup = "KOYΠΟΝΙ";
const char *const kEnhm = "ΕΝΗΜΕΡΩΣΗ ΑΓΩΝΩΝ";
const char *const kBack = "&ΕΠΙΣΤΡΟΦΗ";
const char *const kSeason = "Περίοδος";
const char *const kSeasonsSql = "Select Periodos from Periodos order by Periodos.Periodos desc";
const char *const kChooseSeason = "Πρέπει να επιλέξετε μία περίοδο!";
const char *const kUpdating = "ΕΝΗΜΕΡΩΣΗ ";
const char *const kFinished =
    "Η ενημέρωση ολοκληρώθηκε , τώρα μπορείτε να κάνετε Ανάλυση Κουπονιού και πολλά άλλα.";
const char *const kFailed = "Η ενημέρωση παρουσίασε σφάλμα! ";
const char *const kReadFailed = "Σφάλμα στην ανάγνωση του αρχείου ";
constexpr int kCheckedSeasons = 2;

struct TGridTitle
{
    const char *title;
    int width;
};

const TGridTitle kTitles[kOpapColumnCount] = {
    {"A/A", 35},  {"ΔΙΟΡ", 35}, {"Η/Μ", 65},  {"ΩΡΑ", 60},  {"ΓΗΠΕΔΟΥΧΟΣ", 120}, {"ΦΙΛΟΞΕΝΟΥΜΕΝΗ", 120},
    {"ΑΠ 1", 35}, {"ΑΠ Χ", 35}, {"ΑΠ 2", 35}, {"ΣΚΟΡ", 40},
};

QList<QStringList> GridRows(const TStringGrid &grid)
{
    QList<QStringList> rows;
    for (int row = 1; row < grid.RowCount(); ++row) {
        QStringList cells;
        for (int col = 0; col < kOpapColumnCount; ++col)
            cells.append(grid.Cells(col, row));
        rows.append(cells);
    }
    return rows;
}

void PutRows(TStringGrid &grid, const QList<QStringList> &rows)
{
    for (int i = 0; i < rows.size(); ++i) {
        for (int col = 0; col < kOpapColumnCount; ++col)
            grid.SetCell(col, i + 1, rows[i].value(col));
    }
}

TOpapScoreAnswer AskScore(const TOpapScoreQuestion &question)
{
    TEdtSCORDlg &dialog = *EdtSCORDlg();
    dialog.GroupBox1->setTitle(question.match);
    dialog.ChkOPAP->setText(question.coupon);
    dialog.ChkTavrolin->setText(question.stored);
    if (RunModal(dialog) != mrOk)
        return TOpapScoreAnswer::Cancel;
    return dialog.ChkOPAP->isChecked() ? TOpapScoreAnswer::Coupon : TOpapScoreAnswer::Stored;
}

} // namespace

TOPAPFrm::TOPAPFrm(QWidget *parent)
    : QDialog(parent), Panel1(new QFrame(this)), BBtnKup(new QPushButton(QString::fromUtf8(kKup), Panel1)),
      BBtnEnhm(new QPushButton(QString::fromUtf8(kEnhm), Panel1)),
      BBtnBack(new QPushButton(QString::fromUtf8(kBack), Panel1)),
      Label1(new QLabel(QString::fromUtf8(kSeason), Panel1)), PeriodCombo(new QListWidget(Panel1)),
      SGrd(new TStringGrid(this))
{
    setWindowTitle(QString::fromUtf8(kCaption));
    resize(640, 480);
    BBtnKup->setGeometry(8, 16, 120, 30);
    BBtnEnhm->setGeometry(136, 16, 160, 30);
    BBtnBack->setGeometry(304, 16, 120, 30);
    Label1->setGeometry(436, 22, 60, 16);
    PeriodCombo->setGeometry(500, 4, 130, 54);
    SGrd->SetColCount(kOpapColumnCount);
    SGrd->SetRowCount(2);
    SGrd->SetFixedRows(1);
    SGrd->SetFixedCols(0);
    SGrd->SetDefaultRowHeight(19);
    SGrd->OnSelectCell = [](int col, int row) { return col == 1 && row == 1; };
    connect(BBtnKup, &QPushButton::clicked, this, &TOPAPFrm::BBtnKupClick);
    connect(BBtnEnhm, &QPushButton::clicked, this, &TOPAPFrm::BBtnEnhmClick);
    connect(BBtnBack, &QPushButton::clicked, this, [this] { done(mrCancel); });
    FormResize();
}

void TOPAPFrm::FormShow()
{
    InitOpapGrid();
}

void TOPAPFrm::InitOpapGrid()
{
    for (int row = 0; row < SGrd->RowCount(); ++row) {
        for (int col = 0; col < kOpapColumnCount; ++col)
            SGrd->SetCell(col, row, QString());
    }
    for (int col = 0; col < kOpapColumnCount; ++col) {
        SGrd->SetCell(col, 0, QString::fromUtf8(kTitles[col].title));
        SGrd->SetColWidth(col, kTitles[col].width);
    }
    TTavrolinDM &dm = TavrolinDM();
    for (TDataSet *table : {static_cast<TDataSet *>(&dm.Agvnes), static_cast<TDataSet *>(&dm.Kathgories),
                            static_cast<TDataSet *>(&dm.Periodos), static_cast<TDataSet *>(&dm.Diorganvseis),
                            static_cast<TDataSet *>(&dm.POmades)})
        tav::data::OpenIfClosed(*table);
    FillPeriodCombo();
}

void TOPAPFrm::FillPeriodCombo()
{
    PeriodCombo->clear();
    const QStringList seasons = tav::shared::ListTexts({QString::fromUtf8(kSeasonsSql)});
    for (int index = 0; index < seasons.size(); ++index) {
        auto *item = new QListWidgetItem(seasons[index], PeriodCombo);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(index < kCheckedSeasons ? Qt::Checked : Qt::Unchecked);
    }
}

void TOPAPFrm::BBtnKupClick()
{
    TListDeltiaFrm &picker = *ListDeltiaFrm();
    if (RunModal(picker) == mrCancel)
        return;
    KupFilePath = picker.KupFilePath;
    LoadKupGrid(KupFilePath);
    QList<QStringList> rows = GridRows(*SGrd);
    SortGridRows(rows, OpapDiorg);
    PutRows(*SGrd, rows);
    setWindowTitle(QString::fromUtf8(kCaption) + QLatin1Char(' ') + picker.KupFileName);
}

void TOPAPFrm::LoadKupGrid(const QString &path)
{
    const TOpapLoad load = tav::coupons::LoadKupGrid(path);
    if (load.rangeRead) {
        KupDateFrom = load.dateFrom;
        KupDateTo = load.dateTo;
    }
    if (!load.rows.isEmpty()) {
        SGrd->SetRowCount(int(load.rows.size()) + 1);
        PutRows(*SGrd, load.rows);
    }
    if (load.failed)
        ShowMessage(QString::fromUtf8(kReadFailed) + QFileInfo(path).fileName());
}

void TOPAPFrm::BBtnEnhmClick()
{
    BBtnEnhm->setEnabled(false);
    QStringList seasons;
    for (int index = 0; index < PeriodCombo->count(); ++index) {
        if (PeriodCombo->item(index)->checkState() == Qt::Checked)
            seasons.append(PeriodCombo->item(index)->text());
    }
    TProgressDlg &progress = *ProgressDlg();
    TOpapCallbacks callbacks;
    callbacks.started = [&progress](int maximum, const QString &code) {
        progress.SetModalResult(mrNone);
        progress.ProgBar->SetMin(0);
        progress.ProgBar->SetPosition(0);
        progress.ProgBar->SetMax(maximum);
        progress.Label1->setText(QString::fromUtf8(kUpdating) + code);
        progress.show();
    };
    callbacks.groupStarted = [&progress](const QString &code) {
        progress.Label1->setText(QString::fromUtf8(kUpdating) + code);
        progress.raise();
    };
    callbacks.stepped = [&progress] {
        progress.ProgBar->StepBy(1);
        ProcessMessages();
        return progress.ModalResult() == mrCancel;
    };
    callbacks.cancelled = [&progress] {
        ProcessMessages();
        return progress.ModalResult() == mrCancel;
    };
    callbacks.chooseMatch = [](TQuery &candidates, const QString &caption) {
        return SelRoundsFrm()->Choose(candidates, caption);
    };
    callbacks.chooseScore = AskScore;

    QList<QStringList> rows = GridRows(*SGrd);
    TOpapUpdate update(TavrolinDM(), callbacks);
    const TOpapResult result = update.Run(rows, seasons, KupDateFrom);
    PutRows(*SGrd, rows);
    if (result.outcome == TOpapOutcome::NoSeason) {
        BBtnEnhm->setEnabled(true);
        ShowMessage(QString::fromUtf8(kChooseSeason));
        return;
    }
    if (result.outcome == TOpapOutcome::OtherSeason) {
        BBtnEnhm->setEnabled(true);
        return;
    }
    progress.hide();
    progress.SetModalResult(mrNone);
    BBtnEnhm->setEnabled(true);
    if (result.outcome == TOpapOutcome::Failed)
        ShowMessage(QString::fromUtf8(kFailed) + result.error);
    else
        ShowMessage(QString::fromUtf8(kFinished));
}

void TOPAPFrm::FormClose()
{
    TTable &matches = TavrolinDM().Agvnes;
    matches.SetFilter(QString());
    matches.SetFiltered(false);
}

void TOPAPFrm::FormResize()
{
    // The panel above holds one row of buttons with a margin of 16 pixels above and below.
    const int gridHeight = std::max(0, height() - BBtnKup->height() - 32);
    Panel1->setGeometry(0, 0, width(), height() - gridHeight);
    SGrd->setGeometry(0, height() - gridHeight, width(), gridHeight);
}

void TOPAPFrm::done(int result)
{
    QDialog::done(result);
    FormClose();
    deleteLater();
}

void TOPAPFrm::showEvent(QShowEvent *event)
{
    if (!event->spontaneous())
        FormShow();
    QDialog::showEvent(event);
}

void TOPAPFrm::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    FormResize();
}

TOPAPFrm *OPAPFrm()
{
    static QPointer<TOPAPFrm> form;
    return LongLived(form, [] { return new TOPAPFrm; });
}
