#include "coupons/ui/opap_edt_scor_dlg.h"

#include "platform/core/long_lived.h"
#include "platform/core/modal_result.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const char *const kCaption = "ΔΙΑΦΟΡΑ ΣΚΟΡ";
const char *const kOk = "&ΟΚ";
const char *const kCancel = "&ΑΚΥΡΟ";

} // namespace

TEdtSCORDlg::TEdtSCORDlg(QWidget *parent)
    : QDialog(parent), GroupBox1(new QGroupBox(this)), ChkOPAP(new QCheckBox(GroupBox1)),
      ChkTavrolin(new QCheckBox(GroupBox1)), OKBtn(new QPushButton(QString::fromUtf8(kOk), this)),
      CancelBtn(new QPushButton(QString::fromUtf8(kCancel), this))
{
    setWindowTitle(QString::fromUtf8(kCaption));
    QFont bold = ChkOPAP->font();
    bold.setBold(true);
    ChkOPAP->setFont(bold);
    ChkTavrolin->setFont(bold);
    auto *boxes = new QVBoxLayout(GroupBox1);
    boxes->addWidget(ChkOPAP);
    boxes->addWidget(ChkTavrolin);
    OKBtn->setDefault(true);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(GroupBox1);
    layout->addLayout(buttons);
    connect(ChkOPAP, &QCheckBox::clicked, this, &TEdtSCORDlg::ChkOPAPClick);
    connect(ChkTavrolin, &QCheckBox::clicked, this, &TEdtSCORDlg::ChkTavrolinClick);
    connect(OKBtn, &QPushButton::clicked, this, [this] { done(mrOk); });
    connect(CancelBtn, &QPushButton::clicked, this, [this] { done(mrCancel); });
}

void TEdtSCORDlg::ChkOPAPClick()
{
    ChkTavrolin->setChecked(!ChkOPAP->isChecked());
}

void TEdtSCORDlg::ChkTavrolinClick()
{
    ChkOPAP->setChecked(!ChkTavrolin->isChecked());
}

TEdtSCORDlg *EdtSCORDlg()
{
    static TEdtSCORDlg *dialog = nullptr;
    return LongLived(dialog, [] { return new TEdtSCORDlg; });
}
