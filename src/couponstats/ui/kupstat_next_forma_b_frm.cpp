#include "couponstats/ui/kupstat_next_forma_b_frm.h"

#include "couponstats/points_analysis.h"
#include "couponstats/points_columns.h"
#include "couponstats/points_export.h"
#include "couponstats/ui/stat_options_forma_b_frm.h"
#include "platform/core/format.h"
#include "platform/core/long_lived.h"
#include "platform/ui/modal_runner.h"
#include "platform/ui/progress_dialog.h"
#include "platform/ui/showing_errors.h"
#include "platform/ui/string_grid.h"
#include "platform/ui/wait_cursor.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

using namespace tav::couponstats;

namespace {

const char *const kCaption = "ΑΝΑΛΥΣΗ ΒΑΘΜΟΛΟΓΙΩΝ ΚΟΥΠΟΝΙΟΥ";
const char *const kExport = "Σωσιμο σε Acs";
const char *const kExportHint = "Σωσιμο των αποτελεσματω σε ACS";
const char *const kWait = "ΠΑΡΑΚΑΛΩ ΠΕΡΙΜΕΝΕΤΕ";
const char *const kWaitResults = "ΠΑΡΑΚΑΛΩ ΠΕΡΙΜΕΝΕΤΕ ΤΑ ΑΠΟΤΕΛΕΣΜΑΤΑ...";
const char *const kAllMatches = "ΟΛΟΙ";

} // namespace

TKupstat_NextFormaBFrm::TKupstat_NextFormaBFrm(QWidget *parent)
    : TKupstatPage(parent), BitBtn1(new QPushButton(kExport, Panel1))
{
    setWindowTitle(kCaption);
    BitBtn1->setToolTip(kExportHint);
    static_cast<QBoxLayout *>(Panel1->layout())
        ->insertWidget(Panel1->layout()->indexOf(SpdBtnApply) + 1, BitBtn1);
    connect(BitBtn1, &QPushButton::clicked, this, &TKupstat_NextFormaBFrm::BitBtn1Click);
    Button1->hide();
    Timer1->stop();
    Params = ReadThresholdTexts(kDefaultsB);
    InitPageGrid();
}

const TPageColumnSet &TKupstat_NextFormaBFrm::Columns() const
{
    return PointsPageColumns();
}

TKupstatPage *TKupstat_NextFormaBFrm::CreateSuccessor()
{
    return new TKupstat_NextFormaBFrm(this);
}

TPageEngine TKupstat_NextFormaBFrm::EngineFor(int) const
{
    return PointsEngine();
}

bool TKupstat_NextFormaBFrm::AskOptions(int &N)
{
    TStatOptionsFormaBFrm &options = *StatOptionsFormaBFrm();
    if (RunModal(options) == mrCancel)
        return false;
    N = StrToInt(options.EdtParam->text());
    return true;
}

void TKupstat_NextFormaBFrm::BtnNextClick()
{
    auto *next = static_cast<TKupstat_NextFormaBFrm *>(
        Successor(QStringLiteral("KupStat_NextFormaBfrm") + QString::number(PageNo + 1)));
    ShowingErrors([&] {
        SortPageGrid(kDiorgColumn, false);
        int n = 0;
        if (!AskOptions(n))
            return;
        HandOver(*next);
        next->RunAndShow(*StatOptionsFormaBFrm(), n);
    });
}

void TKupstat_NextFormaBFrm::RunAndShow(const TStatOptionsFormaBFrm &options, int N)
{
    const QString param = options.EdtParam->text();
    FilterCode = options.ChkAll->isChecked() ? QStringLiteral("BA") : QStringLiteral("B") + param;
    TProgressDlg &progress = *ProgressDlg();
    progress.hide();
    progress.SetModalResult(mrNone);
    progress.setWindowTitle(kWait);
    progress.Label1->setText(kWaitResults);
    progress.ProgBar->SetMin(0);
    progress.ProgBar->SetMax(SGrd->RowCount());
    progress.ProgBar->SetPosition(0);
    progress.show();
    const QString nText = param == QStringLiteral("0") ? QString::fromUtf8(kAllMatches) : param;
    LblFilter->setText(options.ItemCaption() + QStringLiteral("   ") + options.Label1->text() +
                       QStringLiteral(" ") + nText);
    RunPointsAnalysis(N);
    RunModal(*this);
}

void TKupstat_NextFormaBFrm::RunPointsAnalysis(int N)
{
    RunStatistic(0, N, LblFilter->text());
}

void TKupstat_NextFormaBFrm::BitBtn1Click()
{
    const TWaitCursor wait;
    ExportPointsRows(CouponName, Rows());
}

TKupstat_NextFormaBFrm *Kupstat_NextFormaBFrm()
{
    static TKupstat_NextFormaBFrm *page = nullptr;
    return LongLived(page, [] {
        auto *first = new TKupstat_NextFormaBFrm;
        first->setObjectName(QStringLiteral("KupStat_NextFormaBfrm1"));
        return first;
    });
}
