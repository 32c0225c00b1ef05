#include "couponstats/ui/scorstat_next_forma_frm.h"

#include "couponstats/score_proposal.h"
#include "couponstats/ui/range_dlg.h"
#include "couponstats/ui/scor_options_frm.h"
#include "platform/core/format.h"
#include "platform/core/long_lived.h"
#include "platform/core/message_service.h"
#include "platform/ui/modal_runner.h"
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

const char *const kCaption = "ΑΝΑΛΥΣΗ ΣΚΟΡ ΚΟΥΠΟΝΙΟΥ";
const char *const kExport = "Σωσιμο σε Acs";
const char *const kSuccessorName = "Scorstat_NextFormaFrm";

TPageConnection &Connected()
{
    static TPageConnection pages;
    return pages;
}

bool Blank(const QString &text)
{
    return text.trimmed().isEmpty();
}

} // namespace

void ConnectScorePages(const TPageColumnSet &columns, TPageEngine engine)
{
    TPageColumnSet set = columns;
    // The grid's design: the running number before the code and the competition, the first
    // page's number in a column of no width after the visible ones, carried from page to page.
    set.numberColumn = kScoreNumberColumn;
    set.codeColumn = kScoreCodeColumn;
    set.diorgColumn = kScoreDiorgColumn;
    set.printedRowColumn = kScoreHomeDifferenceColumn;
    set.proposalColumn = kScoreProposalColumn;
    set.summaryColumn = -1;
    while (set.columns.size() < kScoreFirstNumberColumn)
        set.columns.append({QString(), 0});
    set.columns.append({QString(), 0});
    if (!set.carriedColumns.contains(kScoreFirstNumberColumn))
        set.carriedColumns.append(kScoreFirstNumberColumn);
    Connected() = {set, std::move(engine)};
}

TScorstat_NextFormaFrm::TScorstat_NextFormaFrm(QWidget *parent)
    : TKupstatPage(parent), BitBtn2(new QPushButton(QString::fromUtf8(kExport), Panel1))
{
    setWindowTitle(QString::fromUtf8(kCaption));
    static_cast<QBoxLayout *>(Panel1->layout())
        ->insertWidget(Panel1->layout()->indexOf(SpdBtnApply) + 1, BitBtn2);
    BitBtn2->setEnabled(false);
    Button1->hide();
    Timer1->stop();
    InitPageGrid();
}

const TPageColumnSet &TScorstat_NextFormaFrm::Columns() const
{
    return Connected().columns;
}

TKupstatPage *TScorstat_NextFormaFrm::CreateSuccessor()
{
    return new TScorstat_NextFormaFrm(this);
}

TPageEngine TScorstat_NextFormaFrm::EngineFor(int) const
{
    return Connected().engine;
}

void TScorstat_NextFormaFrm::TakeOverRows()
{
    CopyCheckedRows();
    KeepFirstNumbers();
}

void TScorstat_NextFormaFrm::KeepFirstNumbers()
{
    // Until the page is shown, "A/A" is still the source's: on the first page that is the number
    // the proposal file names the row by.
    TPageRows rows = Rows();
    for (QStringList &row : rows) {
        if (Blank(row[kScoreFirstNumberColumn]))
            row[kScoreFirstNumberColumn] = row[kScoreNumberColumn].trimmed();
    }
    SetRows(rows);
}

void TScorstat_NextFormaFrm::BtnNextClick()
{
    ShowingErrors([&] {
        TScorOptionsFrm &options = *ScorOptionsFrm();
        int n = 0;
        if (auto *next = static_cast<TScorstat_NextFormaFrm *>(
                FillSuccessor(QString::fromUtf8(kSuccessorName), options, n))) {
            next->KeepFirstNumbers();
            next->RunAndShow(options);
        }
    });
}

void TScorstat_NextFormaFrm::RunAndShow(const TScorOptionsFrm &options)
{
    const int item = options.ItemIndex();
    if (item == 0 || item == 1) {
        RunAndShowPage(item, StrToInt(options.EdtParam->text()), options);
        return;
    }
    LblFilter->setText(OptionsLabel(options));
    RunModal(*this);
}

void TScorstat_NextFormaFrm::BBtnCalcClick()
{
    CalcRangeDlg()->RunOverRows(SGrd->RowCount() - 1,
                                [this](int from, int to) { ShowScoreSummary(from, to); });
}

void TScorstat_NextFormaFrm::ShowScoreSummary(int fromRow, int toRow)
{
    const TPageRows rows = Rows();
    QList<int> proposed;
    for (int r = std::max(fromRow, 1); r <= toRow && r <= rows.size(); ++r) {
        if (!Blank(rows[r - 1].value(kScoreProposalColumn)))
            proposed.append(r - 1);
    }
    ShowMessage(ScoreSummaryText(TallyScoreRows(rows, proposed, kScoreProposalColumn)));
}

void TScorstat_NextFormaFrm::SaveScoreProposal(const QString &fileName)
{
    WriteProposalFile(fileName);
}

tav::coupons::TProposalFile TScorstat_NextFormaFrm::PageProposalFile() const
{
    return ScoreProposalFile(CouponName, Rows());
}

TScorstat_NextFormaFrm *Scorstat_NextFormaFrm()
{
    static TScorstat_NextFormaFrm *page = nullptr;
    return LongLived(page, [] {
        auto *first = new TScorstat_NextFormaFrm;
        first->setObjectName(QStringLiteral("Scorstat_NextFormaFrm"));
        return first;
    });
}
