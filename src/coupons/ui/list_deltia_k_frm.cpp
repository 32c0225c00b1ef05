#include "coupons/ui/list_deltia_k_frm.h"

#include "controls/styled/sty_button.h"
#include "controls/styled/sty_glyph_stock.h"
#include "controls/styled/sty_image_lists.h"
#include "coupons/kup_file.h"
#include "platform/core/long_lived.h"

#include <QFileInfo>

using namespace tav::coupons;

namespace {

const char *const kOk = "&OK";
constexpr int kCheckMarkGlyph = 1;

} // namespace

TListDeltiaKFrm::TListDeltiaKFrm(QWidget *parent) : TCouponPicker(parent), BBtnOK(new TStyButton(this))
{
    BBtnOK->setText(QString::fromUtf8(kOk));
    BBtnOK->setDefault(true);
    QImage glyph;
    tav::styled::LoadStockGlyph(&glyph, kCheckMarkGlyph);
    BBtnOK->SetGlyph(glyph);
    PlaceOkButton(BBtnOK);
    // The handler closes with OK itself, so that a click without a chosen coupon keeps it open.
    BBtnOK->OnClick = [this](QObject *) { BBtnOKClick(); };
}

void TListDeltiaKFrm::BBtnOKClick()
{
    OkClick();
}

void TListDeltiaKFrm::Choose(const QString &path, int page)
{
    KupFileName = QFileInfo(path).fileName();
    KupDir = (page == 0 ? KouponiaFolder() : MyKouponiaFolder()) + '/';
    int kupTag = 0;
    ReadKupDateRange(path, KupDateFrom, KupDateTo, kupTag);
}

TListDeltiaKFrm *ListDeltiaKFrm()
{
    static TListDeltiaKFrm *form = nullptr;
    return LongLived(form, [] { return new TListDeltiaKFrm; });
}
