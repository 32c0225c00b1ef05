#include "couponstats/ui/kupstat_forma_b_frm.h"

#include "platform/core/long_lived.h"

#include <QPushButton>

TKupstatFormaBFrm::TKupstatFormaBFrm(QWidget *parent)
    : TKupstatFirstPage(tav::couponstats::TFirstPageKind::Points, parent)
{
    BtnNext->setEnabled(false);
}

TKupstatFormaBFrm *KupstatFormaBFrm()
{
    static TKupstatFormaBFrm *page = nullptr;
    return LongLived(page, [] { return new TKupstatFormaBFrm; });
}
