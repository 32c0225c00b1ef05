#include "couponstats/ui/scor_options_frm.h"

#include "platform/core/long_lived.h"

TScorOptionsFrm::TScorOptionsFrm(QWidget *parent)
    : TStatOptionsFormaBFrm({QStringLiteral("ΔΙΑΦΟΡΑ ΤΕΡΜΑΤΩΝ (ΕΝΤΟΣ,ΕΚΤΟΣ)"),
                             QStringLiteral("ΔΙΑΦΟΡΑ ΤΕΡΜΑΤΩΝ (ΕΝΤΟΣ+ΕΚΤΟΣ)")},
                            parent)
{
}

TScorOptionsFrm *ScorOptionsFrm()
{
    static TScorOptionsFrm *dialog = nullptr;
    return LongLived(dialog, [] { return new TScorOptionsFrm; });
}
