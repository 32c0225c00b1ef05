#include "couponstats/ui/kupstat_next_forma_o_frm.h"

#include "couponstats/over_under_export.h"
#include "couponstats/ui/stat_options_forma_b_frm.h"
#include "platform/core/format.h"
#include "platform/core/long_lived.h"
#include "platform/ui/showing_errors.h"
#include "platform/ui/string_grid.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

using namespace tav::couponstats;

namespace {

const char *const kCaption = "ΑΝΑΛΥΣΗ Over-Under ΚΟΥΠΟΝΙΟΥ";
const char *const kExport = "Σωσιμο σε Acs1";
const char *const kSuccessorName = "KupStat_NextFormaOfrm";

TPageConnection &Connected()
{
    static TPageConnection pages;
    return pages;
}

} // namespace

void ConnectOverUnderPages(const TPageColumnSet &columns, TPageEngine engine)
{
    Connected() = {columns, std::move(engine)};
}

TKupstat_NextFormaOFrm::TKupstat_NextFormaOFrm(QWidget *parent)
    : TKupstatPage(parent), BitBtn2(new QPushButton(QString::fromUtf8(kExport), Panel1))
{
    setWindowTitle(QString::fromUtf8(kCaption));
    static_cast<QBoxLayout *>(Panel1->layout())
        ->insertWidget(Panel1->layout()->indexOf(SpdBtnApply) + 1, BitBtn2);
    connect(BitBtn2, &QPushButton::clicked, this, &TKupstat_NextFormaOFrm::BitBtn2Click);
    Button1->hide();
    Timer1->stop();
    Params = ReadThresholdTexts(kDefaultsB);
    InitPageGrid();
}

const TPageColumnSet &TKupstat_NextFormaOFrm::Columns() const
{
    return Connected().columns;
}

TKupstatPage *TKupstat_NextFormaOFrm::CreateSuccessor()
{
    return new TKupstat_NextFormaOFrm(this);
}

TPageEngine TKupstat_NextFormaOFrm::EngineFor(int) const
{
    return Connected().engine;
}

void TKupstat_NextFormaOFrm::BtnNextClick()
{
    ShowingErrors([&] {
        TStatOptionsFormaBFrm &options = *StatOptionsFormaBFrm();
        int n = 0;
        if (auto *next = static_cast<TKupstat_NextFormaOFrm *>(
                FillSuccessor(QString::fromUtf8(kSuccessorName), options, n)))
            next->RunAndShow(options, n);
    });
}

void TKupstat_NextFormaOFrm::RunAndShow(const TStatOptionsFormaBFrm &options, int N)
{
    FilterCode = options.FilterCode();
    RunAndShowPage(0, N, options);
}

void TKupstat_NextFormaOFrm::ProposeKeptRows(TPageRows &rows) const
{
    const TPageColumnSet &set = Columns();
    const TProposalThresholds thresholds = ThresholdsFromTexts(Params);
    for (QStringList &row : rows) {
        int home = 0;
        int away = 0;
        if (!TryStrToInt(row[set.homeColumn].trimmed(), home) ||
            !TryStrToInt(row[set.awayColumn].trimmed(), away))
            continue;
        row[set.proposalColumn] = ProposalFor(home - away, thresholds);
    }
}

void TKupstat_NextFormaOFrm::BitBtn2Click()
{
    ExportOverUnderRows(CouponName, FilterCode, Rows());
}

tav::coupons::TProposalFile TKupstat_NextFormaOFrm::PageProposalFile() const
{
    tav::coupons::TProposalFile file = TKupstatPage::PageProposalFile();
    const qsizetype underscore = CouponName.indexOf(QChar('_'));
    file.couponNumber = underscore < 0 ? QString() : CouponName.left(underscore + 1);
    return file;
}

void TKupstat_NextFormaOFrm::showEvent(QShowEvent *event)
{
    SortPageGrid(kAwayMatches, true);
    TKupstatPage::showEvent(event);
}

TKupstat_NextFormaOFrm *Kupstat_NextFormaOFrm()
{
    static TKupstat_NextFormaOFrm *page = nullptr;
    return LongLived(page, [] {
        auto *first = new TKupstat_NextFormaOFrm;
        first->setObjectName(QStringLiteral("Kupstat_NextFormaOFrm"));
        return first;
    });
}
