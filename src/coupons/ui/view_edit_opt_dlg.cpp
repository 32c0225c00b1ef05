#include "coupons/ui/view_edit_opt_dlg.h"

#include "platform/core/format.h"
#include "platform/core/long_lived.h"
#include "platform/core/modal_result.h"
#include "platform/core/rounding.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include <cmath>

namespace {

const char *const kCaption = "ΕΠΙΛΕΞΤΕ";
const char *const kTime = "Μεταβολή Ώρας";
const char *const kOdds = "Μεταβολή Αποδόσεων";
const char *const kOk = "&ΟΚ";
const char *const kCancel = "ΑΚΥΡΟ";

void FillSteps(QComboBox *list, double low, double high, double step)
{
    list->clear();
    const auto count = Round(std::abs(high - low) / step);
    for (std::int64_t i = 0; i <= count; ++i)
        list->addItem(FloatToStr(low + double(i) * step));
    list->setCurrentIndex(list->findText(QStringLiteral("0")));
}

} // namespace

TViewEditOptDlg::TViewEditOptDlg(QWidget *parent)
    : QDialog(parent), Label1(new QLabel(QString::fromUtf8(kTime), this)),
      Label2(new QLabel(QString::fromUtf8(kOdds), this)), CmbTime(new QComboBox(this)),
      CmbAp(new QComboBox(this)), BtnOK(new QPushButton(QString::fromUtf8(kOk), this)),
      BtnCancel(new QPushButton(QString::fromUtf8(kCancel), this))
{
    setWindowTitle(QString::fromUtf8(kCaption));
    setFixedSize(300, 130);
    Label1->setGeometry(12, 14, 150, 20);
    CmbTime->setGeometry(170, 12, 110, 24);
    Label2->setGeometry(12, 48, 150, 20);
    CmbAp->setGeometry(170, 46, 110, 24);
    BtnOK->setGeometry(50, 88, 90, 30);
    BtnCancel->setGeometry(160, 88, 90, 30);
    BtnOK->setDefault(true);
    connect(BtnOK, &QPushButton::clicked, this, [this] { done(mrOk); });
    connect(BtnCancel, &QPushButton::clicked, this, &TViewEditOptDlg::reject);
}

void TViewEditOptDlg::FormShow()
{
    FillSteps(CmbTime, TimeShiftMin, TimeShiftMax, 1.0);
    FillSteps(CmbAp, OddsShiftMin, OddsShiftMax, 0.05);
}

void TViewEditOptDlg::reject()
{
    done(mrCancel);
}

void TViewEditOptDlg::showEvent(QShowEvent *event)
{
    FormShow();
    QDialog::showEvent(event);
}

TViewEditOptDlg *ViewEditOptDlg()
{
    static TViewEditOptDlg *dialog = nullptr;
    return LongLived(dialog, [] { return new TViewEditOptDlg; });
}
