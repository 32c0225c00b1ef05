#include "couponstats/ui/kupstat_forma_o_frm.h"

#include "coupons/ui/filter_kup_frm.h"
#include "couponstats/final_score_update.h"
#include "couponstats/ui/kupstat_next_forma_o_frm.h"
#include "couponstats/ui/stat_options_forma_b_frm.h"
#include "data/data_module.h"
#include "platform/core/format.h"
#include "platform/core/long_lived.h"
#include "platform/ui/showing_errors.h"
#include "platform/ui/string_grid.h"

#include <QLayout>
#include <QLineEdit>
#include <QPushButton>

using namespace tav::couponstats;

namespace {

const char *const kCaption = "ΑΝΑΛΥΣΗ OVER_UNDER ΚΟΥΠΟΝΙΟΥ";

bool Blank(const QString &text)
{
    return text.trimmed().isEmpty();
}

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
        TKupstat_NextFormaOFrm::CheckWholeNumbers({EdtApo, EdtEos});
        TTavrolinDM &dm = TavrolinDM();
        if (!dm.Agvnes.Active())
            dm.Agvnes.Open();
        SortPageGrid(kDiorgColumn, false);
        TKupstat_NextFormaOFrm &page = *Kupstat_NextFormaOFrm();
        int n = 0;
        if (!TKupstat_NextFormaOFrm::AskOptions(n))
            return;
        page.Periods = FilterKupFrm()->Periods;
        page.SourceChecks = Checks;
        page.SourceGrid = SGrd;
        // The bounds of the fill read ΔB and the proposal where the pages keep them; this page
        // leaves those columns blank, so every row in the range passes.
        page.SourceColumns = &page.Columns();
        page.CouponName = KupFileName;
        page.RowFrom = Blank(EdtApo->text()) ? 1 : StrToInt(EdtApo->text().trimmed());
        page.RowTo = Blank(EdtEos->text()) ? SGrd->RowCount() - 1 : StrToInt(EdtEos->text().trimmed());
        page.Bounds = {QStringLiteral("0"), QStringLiteral("-1"), QStringLiteral("0")};
        page.CopyCheckedRows();
        page.PageNo = 1;
        page.RunAndShow(*StatOptionsFormaBFrm(), n);
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
