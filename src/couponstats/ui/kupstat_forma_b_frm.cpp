#include "couponstats/ui/kupstat_forma_b_frm.h"

#include "coupons/ui/filter_kup_frm.h"
#include "couponstats/final_score_update.h"
#include "couponstats/points_columns.h"
#include "couponstats/ui/kupstat_next_forma_b_frm.h"
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

bool Blank(const QString &text)
{
    return text.trimmed().isEmpty();
}

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
        // The range is read before anything changes: one that is no number leaves both pages.
        const int rowFrom = Blank(EdtApo->text()) ? 1 : StrToInt(EdtApo->text().trimmed());
        const int rowTo = Blank(EdtEos->text()) ? SGrd->RowCount() - 1 : StrToInt(EdtEos->text().trimmed());
        TTavrolinDM &dm = TavrolinDM();
        if (!dm.Agvnes.Active())
            dm.Agvnes.Open();
        SortPageGrid(kDiorgColumn, false);
        TKupstat_NextFormaBFrm &page = *Kupstat_NextFormaBFrm();
        page.Periods = FilterKupFrm()->Periods;
        int n = 0;
        if (!TKupstat_NextFormaBFrm::AskOptions(n))
            return;
        page.SourceChecks = Checks;
        page.SourceGrid = SGrd;
        // The bounds test of the fill reads ΔB and the proposal where the points pages keep them;
        // this page leaves those columns blank.
        page.SourceColumns = &PointsPageColumns();
        page.CouponName = KupFileName;
        page.RowFrom = rowFrom;
        page.RowTo = rowTo;
        page.Bounds = {QStringLiteral("0"), QStringLiteral("-1"), QStringLiteral("0")};
        page.CopyCheckedRows();
        page.PageNo = 1;
        page.RunAndShow(*StatOptionsFormaBFrm(), n);
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
