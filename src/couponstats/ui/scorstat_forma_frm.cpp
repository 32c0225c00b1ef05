#include "couponstats/ui/scorstat_forma_frm.h"

#include "coupons/proposal_file.h"
#include "couponstats/score_columns.h"
#include "couponstats/score_proposal.h"
#include "couponstats/ui/scor_options_frm.h"
#include "couponstats/ui/scorstat_next_forma_frm.h"
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
        TScorstat_NextFormaFrm &page = *Scorstat_NextFormaFrm();
        TScorOptionsFrm &options = *ScorOptionsFrm();
        int n = 0;
        if (!PreparePageOne(page, options, n, Columns()))
            return;
        page.TakeOverRows();
        page.RunAndShow(options);
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
