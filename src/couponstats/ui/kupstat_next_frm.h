#pragma once

#include "couponstats/ui/kupstat_page.h"

// An analysis page of the special analysis: the statistic of the kind chosen for it (kinds 0 to
// 10) by the engine connected for that kind.
class TKupstat_NextFrm : public TKupstatPage
{
    Q_OBJECT
public:
    explicit TKupstat_NextFrm(QWidget *parent = nullptr);

    const tav::couponstats::TPageColumnSet &Columns() const override;

protected:
    TKupstatPage *CreateSuccessor() override;
    tav::couponstats::TPageEngine EngineFor(int kind) const override;
};

// Analysis page 1 of the special analysis, created on first use; it lives to the end of the program.
TKupstat_NextFrm *Kupstat_NextFrm();
