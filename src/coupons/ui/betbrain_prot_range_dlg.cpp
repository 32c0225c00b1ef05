#include "coupons/ui/betbrain_prot_range_dlg.h"

#include "platform/core/long_lived.h"

#include <QCheckBox>

TProtRangeDlg::TProtRangeDlg(QWidget *parent) : TPrintRangeDlg(parent)
{
    setWindowTitle(QStringLiteral("ΠΕΡΙΟΧΗ ΑΠΟΘΗΚΕΥΣΗΣ"));
    ChkAll->setText(QStringLiteral("Αποθήκευση Όλων των γραμμών"));
}

TProtRangeDlg *ProtRangeDlg()
{
    static TProtRangeDlg *dialog = nullptr;
    return LongLived(dialog, [] { return new TProtRangeDlg; });
}
