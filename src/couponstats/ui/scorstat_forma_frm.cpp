#include "couponstats/ui/scorstat_forma_frm.h"

#include "coupons/proposal_file.h"
#include "coupons/ui/filter_kup_frm.h"
#include "couponstats/score_columns.h"
#include "couponstats/score_proposal.h"
#include "couponstats/ui/scor_options_frm.h"
#include "couponstats/ui/scorstat_next_forma_frm.h"
#include "data/data_module.h"
#include "platform/core/format.h"
#include "platform/core/long_lived.h"
#include "platform/core/message_service.h"
#include "platform/ui/showing_errors.h"
#include "platform/ui/string_grid.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

using namespace tav::couponstats;

namespace {

const char *const kCaption = "ΠΡΟΒΛΕΨΗ ΣΚΟΡ ΑΓΩΝΩΝ ΚΟΥΠΟΝΙΟΥ";

int RangeValue(const QLineEdit &edit, int blankValue)
{
    const QString text = edit.text().trimmed();
    return text.isEmpty() ? blankValue : StrToInt(text);
}

} // namespace

TScorStatFormaFrm::TScorStatFormaFrm(QWidget *parent) : TKupstatFirstPage(TFirstPageKind::Score, parent)
{
    setWindowTitle(QString::fromUtf8(kCaption));
    // The score page marks no rows by proposal.
    ChkProt->hide();
    connect(BtnNext, &QPushButton::clicked, this, &TScorStatFormaFrm::BtnNextClick);
}

void TScorStatFormaFrm::BtnNextClick()
{
    ShowingErrors([&] {
        // The range is read before anything changes: one that is no number leaves both pages.
        const int rowFrom = RangeValue(*EdtApo, 1);
        const int rowTo = RangeValue(*EdtEos, SGrd->RowCount() - 1);
        TTavrolinDM &dm = TavrolinDM();
        if (!dm.Agvnes.Active())
            dm.Agvnes.Open();
        SortPageGrid(ScDiorg, false);
        TScorstat_NextFormaFrm &page = *Scorstat_NextFormaFrm();
        page.Periods = FilterKupFrm()->Periods;
        int n = 0;
        if (!TScorstat_NextFormaFrm::AskOptions(n))
            return;
        page.SourceChecks = Checks;
        page.SourceGrid = SGrd;
        page.SourceColumns = &Columns();
        page.CouponName = KupFileName;
        page.RowFrom = rowFrom;
        page.RowTo = rowTo;
        page.Bounds = {QStringLiteral("0"), QStringLiteral("-1"), QStringLiteral("0")};
        page.TakeOverRows();
        page.PageNo = 1;
        page.RunAndShow(*ScorOptionsFrm());
    });
}

void TScorStatFormaFrm::LoadProposalFile(const QString &path)
{
    LoadScoreProposal(path);
}

void TScorStatFormaFrm::LoadScoreProposal(const QString &path)
{
    ShowingErrors([&] {
        const tav::coupons::TProposalFile proposal = tav::coupons::ReadProposalFile(path);
        if (!ProposalOfLoadedCoupon(proposal.couponNumber))
            return;
        TPageRows rows = Rows();
        const QList<int> received = ApplyScoreProposal(rows, proposal);
        // Tallied before the grid changes: a winning odd that is no number leaves it as it was.
        const TScoreTally tally = TallyScoreRows(rows, received, kScoreFirstPageProposalColumn);
        SetRows(rows);
        SGrd->SetRow(1);
        ShowMessage(LoadSummaryText(tally));
    });
}

TScorStatFormaFrm *ScorStatFormaFrm()
{
    static TScorStatFormaFrm *page = nullptr;
    return LongLived(page, [] { return new TScorStatFormaFrm; });
}
