#include "couponstats/ui/kupstat_first_page.h"

#include "coupons/kup_file.h"
#include "coupons/proposal_file.h"
#include "coupons/ui/check_column.h"
#include "coupons/ui/filter_kup_frm.h"
#include "coupons/ui/list_deltia_k_frm.h"
#include "coupons/ui/sel_period_frm.h"
#include "couponstats/operations/ui/protaseis_grid.h"
#include "couponstats/over_under_columns.h"
#include "couponstats/score_columns.h"
#include "couponstats/ui/key_press_filter.h"
#include "couponstats/ui/kup_stat_param_frm.h"
#include "couponstats/ui/kupstat_page.h"
#include "couponstats/ui/stat_options_forma_b_frm.h"
#include "data/data_module.h"
#include "platform/core/errors.h"
#include "platform/core/format.h"
#include "platform/core/message_service.h"
#include "platform/core/paths.h"
#include "platform/ui/modal_runner.h"
#include "platform/ui/showing_errors.h"
#include "platform/ui/string_grid.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSet>
#include <QVBoxLayout>

#include <optional>

using namespace tav::couponstats;

namespace {

QString Text(const char *text)
{
    return QString::fromUtf8(text);
}

bool AskYes(const QString &question)
{
    return ApplicationMessageBox(question, Text("Ενημέρωση"), MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) ==
           IDYES;
}

} // namespace

TKupstatFirstPage::TKupstatFirstPage(TFirstPageKind kind, QWidget *parent)
    : QDialog(parent), Panel1(new QWidget(this)),
      BBtnOpen(new QPushButton(Text("ΕΠΙΛΟΓΗ ΚΟΥΠΟΝΙΟΥ"), Panel1)),
      BBtnBack(new QPushButton(Text("Ε&ΞΟΔΟΣ"), Panel1)), BtnNext(new QPushButton(Text("&ΕΠΟΜΕΝΗ"), Panel1)),
      EdtApo(NewRangeEdit(Panel1, QStringLiteral("1"))), EdtEos(NewRangeEdit(Panel1, QStringLiteral("2"))),
      EdtAp1(NewRangeEdit(Panel1, QStringLiteral("0"))), EdtAp2(NewRangeEdit(Panel1, QStringLiteral("-1"))),
      EdtApX(NewRangeEdit(Panel1, QStringLiteral("0"))),
      BitBtn1(new QPushButton(Text("&ΠΑΡΑΜΕΤΡΟΙ"), Panel1)),
      BtnOpen(new QPushButton(Text("&ΦΟΡΤΩΜΑ ΠΡΟΤΑΣΗΣ"), Panel1)),
      ChkProt(new QCheckBox(Text("ΠΡΟΤΑΣΕΙΣ ΟΝ"), Panel1)), GrpBoxKup(new QGroupBox(Text("KOYΠONI"), this)),
      SGrd(new TStringGrid(GrpBoxKup)), OpenDialog1(new QFileDialog(this)), kind_(kind)
{
    auto *top = new QHBoxLayout(Panel1);
    for (QWidget *w : std::initializer_list<QWidget *>{BBtnOpen, BBtnBack, BtnNext})
        top->addWidget(w);
    const std::pair<const char *, QLineEdit *> edits[] = {{"Από Γραμμή ", EdtApo},
                                                          {"έως", EdtEos},
                                                          {"ΔΒ1 >= ", EdtAp1},
                                                          {"ΔΒ2 <=", EdtAp2},
                                                          {"ΔΒΧ >= ", EdtApX}};
    for (const auto &[caption, edit] : edits) {
        top->addWidget(new QLabel(Text(caption), Panel1));
        top->addWidget(edit);
    }
    for (QWidget *w : std::initializer_list<QWidget *>{BitBtn1, BtnOpen, ChkProt})
        top->addWidget(w);
    LayOutStatWindow(*this, *Panel1, *GrpBoxKup, *SGrd);

    OpenDialog1->setFileMode(QFileDialog::ExistingFile);
    OpenDialog1->setNameFilter(Text("Αρχεία Κειμένου (*.txt)"));
    OpenDialog1->setOption(QFileDialog::DontUseNativeDialog);

    SetUpStatGrid(*SGrd, [this](int col, int row) { SGrdMouseUp(col, row); });
    SGrd->OnSelectCell = [this](int col, int) { return Columns().editableColumns.contains(col); };
    SGrd->OnDrawCell = [this](int col, int row, const TRect &rect, TGridDrawState, TCanvas &canvas) {
        if (col == kCheckColumn && row > 0) {
            canvas.FillRect(rect);
            tav::coupons::DrawCheckCell(canvas, rect, SGrd->Cells(col, row));
        }
    };

    connect(BBtnOpen, &QPushButton::clicked, this, &TKupstatFirstPage::BBtnOpenClick);
    connect(BBtnBack, &QPushButton::clicked, this, [this] { done(mrOk); });
    connect(BitBtn1, &QPushButton::clicked, this, &TKupstatFirstPage::BitBtn1Click);
    connect(BtnOpen, &QPushButton::clicked, this, &TKupstatFirstPage::BtnOpenClick);
    connect(ChkProt, &QCheckBox::clicked, this, &TKupstatFirstPage::ChkProtClick);
}

const TPageColumnSet &TKupstatFirstPage::Columns() const
{
    switch (kind_) {
    case TFirstPageKind::Points:
        return PointsFirstPageColumns();
    case TFirstPageKind::OverUnder:
        return OverUnderFirstPageColumns();
    case TFirstPageKind::Score:
        return ScoreFirstPageColumns();
    case TFirstPageKind::Special:
        break;
    }
    return FirstPageColumns();
}

void TKupstatFirstPage::InitGrid()
{
    TTavrolinDM &dm = TavrolinDM();
    if (!dm.Kathgories.Active())
        dm.Kathgories.Open();
    Checks = QByteArray(1, 0);
    KupFileName.clear();
    GrpBoxKup->setTitle(Text("ΚΟΥΠΟΝΙ"));
    SetGridColumns(*SGrd, Columns());
    EdtAp1->setText(QStringLiteral("0"));
    EdtAp2->setText(QStringLiteral("-1"));
    EdtApX->setText(QStringLiteral("0"));
    for (QLineEdit *edit : {EdtAp1, EdtAp2, EdtApX})
        edit->setEnabled(false);
}

TPageRows TKupstatFirstPage::Rows() const
{
    return GridRows(*SGrd, SGrd->ColCount());
}

void TKupstatFirstPage::SetRows(const TPageRows &rows)
{
    SetGridRows(*SGrd, rows);
    Checks = ChecksOf(rows);
}

bool TKupstatFirstPage::ChooseCoupon()
{
    TListDeltiaKFrm &picker = *ListDeltiaKFrm();
    if (RunModal(picker) != mrCancel) {
        KupDateFrom = picker.KupDateFrom;
        KupDateTo = picker.KupDateTo;
        GrpBoxKup->setTitle(Text("ΑΝΑΛΥΣΗ ΚΟΥΠΟΝΙΟΥ ") + picker.KupFileName);
        KupFileName = picker.KupFileName;
    }
    if (KupFileName.trimmed().isEmpty() && !AskYes(Text("Δεν έχετε επιλέξει κουπονι!Να συνεχίσω;")))
        return false;
    if (!AskYes(Text("Πρόκειται να κάνετε ανάλυση του κουπονιου ") + KupFileName +
                Text(". Βεβαιωθήτε ότι έχετε κάνει ενημέρωση του κουπονιού πρώτα.")))
        return false;
    SetRows({});
    return true;
}

void TKupstatFirstPage::BBtnOpenClick()
{
    if (!ChooseCoupon())
        return;
    LoadKupFile(false);
    SortPageGrid(Columns().codeColumn, true);
    TFilterKupFrm &filter = *FilterKupFrm();
    filter.FromMyKouponia = ListDeltiaKFrm()->PageControl1->currentIndex() == 1;
    TSelPeriodFrm &periods = *SelPeriodFrm();
    if (RunModal(periods) == mrCancel)
        return;
    filter.Periods = periods.Periods;
    if (RunModal(filter) != mrCancel)
        LoadKupFile(true);
}

TKupLoadFilter TKupstatFirstPage::FilterOfDialog() const
{
    const TFilterKupFrm &dialog = *FilterKupFrm();
    TKupLoadFilter filter;
    filter.dateFrom = dialog.DateFrom->date();
    filter.dateTo = dialog.DateTo->date();
    filter.codeFrom = StrToInt(dialog.EdtKvdApo->text());
    filter.codeTo = StrToInt(dialog.EdtKvdEos->text());
    filter.odd1From = StrToFloat(dialog.EdtAp1From->text());
    filter.odd1To = StrToFloat(dialog.EdtAp1To->text());
    filter.oddXFrom = StrToFloat(dialog.EdtApXFrom->text());
    filter.oddXTo = StrToFloat(dialog.EdtApXTo->text());
    filter.odd2From = StrToFloat(dialog.EdtAp2From->text());
    filter.odd2To = StrToFloat(dialog.EdtAp2To->text());
    QSet<QString> checked;
    for (int i = 0; i < dialog.ChkLstDior->count(); ++i) {
        if (dialog.ChkLstDior->item(i)->checkState() == Qt::Checked)
            checked.insert(dialog.ChkLstDior->item(i)->text().trimmed());
    }
    filter.competitionTaken = [checked](const QString &diorg) {
        TTable &categories = TavrolinDM().Kathgories;
        return categories.Locate(QStringLiteral("OPAP"), {diorg}) &&
               checked.contains(categories.FieldByName(QStringLiteral("GrName")).AsString().trimmed());
    };
    return filter;
}

void TKupstatFirstPage::LoadKupFile(bool filtered)
{
    const QString path = ListDeltiaKFrm()->KupDir + KupFileName;
    ShowingErrors([&] {
        int tag = 0;
        tav::coupons::ReadKupDateRange(path, KupDateFrom, KupDateTo, tag);
        std::optional<TKupLoadFilter> filter;
        if (filtered) {
            SetRows({});
            filter = FilterOfDialog();
        } else {
            FilterKupFrm()->DateFrom->setDate(KupDateFrom.date());
            FilterKupFrm()->DateTo->setDate(KupDateTo.date());
            FilterKupFrm()->KupFileName = KupFileName;
        }
        const TKupLoadResult loaded = LoadKupRows(path, filter ? &*filter : nullptr, kind_);
        // A filter that takes nothing leaves the one blank, unchecked row of an empty grid.
        SetRows(loaded.rows.isEmpty() ? TPageRows{BlankRow(Columns())} : loaded.rows);
        EdtApo->setText(QStringLiteral("1"));
        EdtEos->setText(QString::number(loaded.rows.size()));
        if (loaded.failed)
            ShowMessage(tav::coupons::KupReadErrorText(path));
    });
}

void TKupstatFirstPage::BtnOpenClick()
{
    const QString path = ChosenProposalFile(*OpenDialog1);
    if (!path.isEmpty())
        LoadProposalFile(path);
}

void TKupstatFirstPage::LoadProposalFile(const QString &path)
{
    ShowingErrors([&] {
        const tav::coupons::TProposalFile proposal = tav::coupons::ReadProposalFile(path);
        if (!ProposalOfLoadedCoupon(proposal.couponNumber))
            return;
        TPageRows rows = Rows();
        LoadProposalRows(rows, proposal);
        SetRows(rows);
        SGrd->SetRow(1);
        tav::operations::ScoreProtaseis(1, SGrd->RowCount() - 1, 12, kSignColumn, kOdd1Column, kOddXColumn,
                                        kOdd2Column, *SGrd);
    });
}

bool TKupstatFirstPage::ProposalOfLoadedCoupon(const QString &number) const
{
    // Some pages write the number with the "_" that follows it in the coupon's name. A file
    // without a number names no coupon: "_*.kup" would match whatever happens to start so.
    const QString bare = number.endsWith(QChar('_')) ? number.chopped(1) : number;
    if (!bare.trimmed().isEmpty() && !KupFileName.isEmpty()) {
        for (const QString &folder : {tav::coupons::KouponiaFolder(), tav::coupons::MyKouponiaFolder()}) {
            if (tav::coupons::FindCouponFile(folder, bare) == KupFileName)
                return true;
        }
    }
    ShowProposalMismatch(number);
    return false;
}

bool TKupstatFirstPage::PreparePageOne(TKupstatPage &page, TStatOptionsFormaBFrm &options, int &N,
                                       const TPageColumnSet &sourceColumns)
{
    CheckWholeNumbers({EdtApo, EdtEos});
    TTavrolinDM &dm = TavrolinDM();
    if (!dm.Agvnes.Active())
        dm.Agvnes.Open();
    SortPageGrid(Columns().diorgColumn, false);
    page.Periods = FilterKupFrm()->Periods;
    if (!options.Ask(N))
        return false;
    page.SourceChecks = Checks;
    page.SourceGrid = SGrd;
    page.SourceColumns = &sourceColumns;
    page.CouponName = KupFileName;
    const QString from = EdtApo->text().trimmed();
    const QString to = EdtEos->text().trimmed();
    page.RowFrom = from.isEmpty() ? 1 : StrToInt(from);
    page.RowTo = to.isEmpty() ? SGrd->RowCount() - 1 : StrToInt(to);
    page.Bounds = {QStringLiteral("0"), QStringLiteral("-1"), QStringLiteral("0")};
    page.PageNo = 1;
    return true;
}

void TKupstatFirstPage::BitBtn1Click()
{
    RunModal(*kup_StatParamFrm());
}

void TKupstatFirstPage::ChkProtClick()
{
    TPageRows rows = Rows();
    CheckProposalRows(rows, ChkProt->isChecked());
    SetRows(rows);
    SGrd->viewport()->update();
}

void TKupstatFirstPage::SortPageGrid(int column, bool renumber)
{
    SortStatGrid(*SGrd, Columns(), column, renumber, Checks);
}

void TKupstatFirstPage::SGrdMouseUp(int col, int row)
{
    StatGridMouseUp(*SGrd, Columns(), col, row, Checks);
}
