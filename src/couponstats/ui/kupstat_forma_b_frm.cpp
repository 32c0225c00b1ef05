#include "couponstats/ui/kupstat_forma_b_frm.h"

#include "couponstats/final_score_update.h"
#include "couponstats/points_columns.h"
#include "couponstats/ui/kupstat_next_forma_b_frm.h"
#include "couponstats/ui/stat_options_forma_b_frm.h"
#include "platform/core/long_lived.h"
#include "platform/ui/showing_errors.h"
#include "platform/ui/string_grid.h"

#include <QLayout>
#include <QLineEdit>
#include <QPushButton>

using namespace tav::couponstats;

namespace {

} // namespace

TKupstatFormaBFrm::TKupstatFormaBFrm(QWidget *parent)
    : TKupstatFirstPage(TFirstPageKind::Points, parent),
      BitBtn2(new QPushButton(QStringLiteral("UPDATE"), Panel1))
{
    Panel1->layout()->addWidget(BitBtn2);
    connect(BitBtn2, &QPushButton::clicked, this, &TKupstatFormaBFrm::BitBtn2Click);
    connect(BtnNext, &QPushButton::clicked, this, &TKupstatFormaBFrm::BtnNextClick);
}

void TKupstatFormaBFrm::BtnNextClick()
{
    ShowingErrors([&] {
        TKupstat_NextFormaBFrm &page = *Kupstat_NextFormaBFrm();
        TStatOptionsFormaBFrm &options = *StatOptionsFormaBFrm();
        int n = 0;
        // The bounds test of the fill reads ΔB and the proposal where the points pages keep them;
        // this page leaves those columns blank.
        if (!PreparePageOne(page, options, n, PointsPageColumns()))
            return;
        page.CopyCheckedRows();
        page.RunAndShow(options, n);
    });
}

void TKupstatFormaBFrm::BitBtn2Click()
{
    UpdateFinalScores(TScoreUpdateTarget::Points, KupFileName, Rows());
}

TKupstatFormaBFrm *KupstatFormaBFrm()
{
    static TKupstatFormaBFrm *page = nullptr;
    return LongLived(page, [] { return new TKupstatFormaBFrm; });
}
