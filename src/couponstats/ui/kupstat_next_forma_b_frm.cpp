#include "couponstats/ui/kupstat_next_forma_b_frm.h"

#include "couponstats/points_analysis.h"
#include "couponstats/points_columns.h"
#include "couponstats/points_export.h"
#include "couponstats/ui/stat_options_forma_b_frm.h"
#include "platform/core/long_lived.h"
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

void TKupstat_NextFormaBFrm::BtnNextClick()
{
    auto *next = static_cast<TKupstat_NextFormaBFrm *>(
        Successor(QStringLiteral("KupStat_NextFormaBfrm") + QString::number(PageNo + 1)));
    ShowingErrors([&] {
        SortPageGrid(kDiorgColumn, false);
        int n = 0;
        if (!StatOptionsFormaBFrm()->Ask(n))
            return;
        HandOver(*next);
        next->RunAndShow(*StatOptionsFormaBFrm(), n);
    });
}

void TKupstat_NextFormaBFrm::RunAndShow(const TStatOptionsFormaBFrm &options, int N)
{
    FilterCode = options.FilterCode();
    RunAndShowPage(0, N, options);
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
