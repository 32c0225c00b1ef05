#include "couponstats/ui/kupstat_next_frm.h"

#include "platform/core/long_lived.h"

using namespace tav::couponstats;

TKupstat_NextFrm::TKupstat_NextFrm(QWidget *parent) : TKupstatPage(parent)
{
    InitPageGrid();
}

const TPageColumnSet &TKupstat_NextFrm::Columns() const
{
    return SpecialPageColumns();
}

TKupstatPage *TKupstat_NextFrm::CreateSuccessor()
{
    return new TKupstat_NextFrm(this);
}

TPageEngine TKupstat_NextFrm::EngineFor(int kind) const
{
    return SpecialEngine(kind);
}

TKupstat_NextFrm *Kupstat_NextFrm()
{
    static TKupstat_NextFrm *page = nullptr;
    return LongLived(page, [] {
        auto *first = new TKupstat_NextFrm;
        first->setObjectName(QStringLiteral("KupStat_Nextfrm1"));
        return first;
    });
}
