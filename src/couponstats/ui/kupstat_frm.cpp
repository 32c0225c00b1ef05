#include "couponstats/ui/kupstat_frm.h"

#include "coupons/ui/filter_kup_frm.h"
#include "couponstats/ui/kupstat_next_frm.h"
#include "couponstats/ui/stat_options_frm.h"
#include "data/data_module.h"
#include "platform/core/format.h"
#include "platform/core/long_lived.h"
#include "platform/ui/modal_runner.h"
#include "platform/ui/showing_errors.h"
#include "platform/ui/string_grid.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace tav::couponstats;

namespace {

QString Text(const char *text)
{
    return QString::fromUtf8(text);
}

bool Blank(const QString &text)
{
    return text.trimmed().isEmpty();
}

} // namespace

TKupstatFrm::TKupstatFrm(QWidget *parent) : TKupstatFirstPage(TFirstPageKind::Special, parent)
{
    setWindowTitle(Text("ΕΙΔΙΚΗ ΑΝΑΛΥΣΗ"));
    connect(BtnNext, &QPushButton::clicked, this, &TKupstatFrm::BtnNextClick);
}

void TKupstatFrm::BtnNextClick()
{
    ShowingErrors([&] {
        TTavrolinDM &dm = TavrolinDM();
        if (!dm.Agvnes.Active())
            dm.Agvnes.Open();
        SortPageGrid(kDiorgColumn, false);
        TKupstat_NextFrm &page = *Kupstat_NextFrm();
        page.Periods = FilterKupFrm()->Periods;
        TStatOptionsFrm &options = *StatOptionsFrm();
        if (RunModal(options) == mrCancel)
            return;
        const int kind = options.ItemIndex();
        if (KindHasStatistic(kind))
            page.FilterCode =
                FilterCodeFor(kind, options.EdtParam->text(), options.ChkAll->isChecked(), true);
        page.SourceChecks = Checks;
        page.SourceGrid = SGrd;
        page.SourceColumns = &Columns();
        page.CouponName = KupFileName;
        page.RowFrom = Blank(EdtApo->text()) ? 1 : StrToInt(EdtApo->text());
        page.RowTo = Blank(EdtEos->text()) ? SGrd->RowCount() - 1 : StrToInt(EdtEos->text());
        page.Bounds = {QStringLiteral("0"), QStringLiteral("-1"), QStringLiteral("0")};
        page.CopyCheckedRows();
        page.PageNo = 1;

        if (KindHasStatistic(kind)) {
            page.ShowRunProgress();
            page.RunStatistic(kind, StrToInt(options.EdtParam->text()), OptionsLabel(options));
        }
        RunModal(page);
    });
}

TKupstatFrm *KupstatFrm()
{
    static TKupstatFrm *page = nullptr;
    return LongLived(page, [] { return new TKupstatFrm; });
}
