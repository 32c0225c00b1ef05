#include "coupons/ui/print_range_dlg.h"

#include "coupons/ui/key_filter.h"
#include "platform/core/long_lived.h"
#include "platform/core/modal_result.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const char *const kCaption = "ΠΕΡΙΟΧΗ ΕΚΤΥΠΩΣΗΣ";
const char *const kAll = "Εκτύπωση Όλων των γραμμών";
const char *const kFrom = "Από γραμμή";
const char *const kTo = "Έως γραμμή";
const char *const kOk = "&ΟΚ";

} // namespace

TPrintRangeDlg::TPrintRangeDlg(QWidget *parent)
    : QDialog(parent), ChkAll(new QCheckBox(QString::fromUtf8(kAll), this)),
      Label1(new QLabel(QString::fromUtf8(kFrom), this)), Edit1(new QLineEdit(QStringLiteral("1"), this)),
      Label2(new QLabel(QString::fromUtf8(kTo), this)), Edit2(new QLineEdit(QStringLiteral("10"), this)),
      BtnOK(new QPushButton(QString::fromUtf8(kOk), this))
{
    setWindowTitle(QString::fromUtf8(kCaption));
    setFixedSize(280, 160);
    ChkAll->setGeometry(12, 10, 256, 22);
    Label1->setGeometry(12, 44, 120, 20);
    Edit1->setGeometry(140, 42, 80, 24);
    Label2->setGeometry(12, 76, 120, 20);
    Edit2->setGeometry(140, 74, 80, 24);
    BtnOK->setGeometry(90, 118, 100, 30);
    BtnOK->setDefault(true);
    tav::coupons::AcceptDigits(Edit1);
    tav::coupons::AcceptDigits(Edit2);
    connect(BtnOK, &QPushButton::clicked, this, [this] { done(mrOk); });
}

void TPrintRangeDlg::reject()
{
    done(mrCancel);
}

TPrintRangeDlg *PrintRangeDlg()
{
    static TPrintRangeDlg *dialog = nullptr;
    return LongLived(dialog, [] { return new TPrintRangeDlg; });
}
