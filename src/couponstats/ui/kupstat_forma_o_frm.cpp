#include "couponstats/ui/kupstat_forma_o_frm.h"

#include "couponstats/final_score_update.h"
#include "couponstats/ui/kupstat_next_forma_o_frm.h"
#include "couponstats/ui/stat_options_forma_b_frm.h"
#include "platform/core/long_lived.h"
#include "platform/ui/showing_errors.h"
#include "platform/ui/string_grid.h"

#include <QLayout>
#include <QLineEdit>
#include <QPushButton>

using namespace tav::couponstats;

namespace {

const char *const kCaption = "ΑΝΑΛΥΣΗ OVER_UNDER ΚΟΥΠΟΝΙΟΥ";

} // namespace

TKupstatFormaOFrm::TKupstatFormaOFrm(QWidget *parent)
    : TKupstatFirstPage(TFirstPageKind::OverUnder, parent),
      BitBtn2(new QPushButton(QStringLiteral("UPDATE"), Panel1))
{
    setWindowTitle(QString::fromUtf8(kCaption));
    Panel1->layout()->addWidget(BitBtn2);
    connect(BtnNext, &QPushButton::clicked, this, &TKupstatFormaOFrm::BtnNextClick);
    connect(BitBtn2, &QPushButton::clicked, this, &TKupstatFormaOFrm::BitBtn2Click);
}

void TKupstatFormaOFrm::BtnNextClick()
{
    ShowingErrors([&] {
        TKupstat_NextFormaOFrm &page = *Kupstat_NextFormaOFrm();
        TStatOptionsFormaBFrm &options = *StatOptionsFormaBFrm();
        int n = 0;
        // The bounds of the fill read ΔB and the proposal where the pages keep them; this page
        // leaves those columns blank, so every row in the range passes.
        if (!PreparePageOne(page, options, n, page.Columns()))
            return;
        page.CopyCheckedRows();
        page.RunAndShow(options, n);
    });
}

void TKupstatFormaOFrm::BitBtn2Click()
{
    UpdateFinalScores(TScoreUpdateTarget::OverUnder, KupFileName, Rows());
}

TKupstatFormaOFrm *KupstatFormaOFrm()
{
    static TKupstatFormaOFrm *page = nullptr;
    return LongLived(page, [] { return new TKupstatFormaOFrm; });
}
