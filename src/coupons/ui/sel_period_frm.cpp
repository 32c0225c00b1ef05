#include "coupons/ui/sel_period_frm.h"

#include "platform/core/long_lived.h"
#include "platform/core/message_service.h"
#include "platform/core/modal_result.h"
#include "shared/dialog_parts.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>

namespace {

const char *const kCaption = "ΕΠΙΛΟΓΗ ΠΕΡΙΟΔΟΥ";
const char *const kSeason = "Περίοδος";
const char *const kOk = "&OK";
const char *const kCancel = "ΑΚΥΡΟ";
const char *const kChooseOne = "Πρέπει να επιλέξετε μία περίοδο!";
const char *const kSeasonsSql = "Select Periodos from Periodos order by Periodos.Periodos desc";
constexpr int kCheckedAtShow = 2;

} // namespace

TSelPeriodFrm::TSelPeriodFrm(QWidget *parent)
    : QDialog(parent), Label1(new QLabel(QString::fromUtf8(kSeason), this)),
      PeriodCombo(new QListWidget(this)), BBtnOK(new QPushButton(QString::fromUtf8(kOk), this)),
      BitBtn1(new QPushButton(QString::fromUtf8(kCancel), this))
{
    setWindowTitle(QString::fromUtf8(kCaption));
    setFixedSize(260, 300);
    Label1->setGeometry(12, 8, 236, 18);
    PeriodCombo->setGeometry(12, 28, 236, 220);
    BBtnOK->setGeometry(24, 258, 100, 30);
    BBtnOK->setDefault(true);
    BitBtn1->setGeometry(136, 258, 100, 30);
    connect(BBtnOK, &QPushButton::clicked, this, &TSelPeriodFrm::BBtnOKClick);
    connect(BitBtn1, &QPushButton::clicked, this, &TSelPeriodFrm::reject);
}

void TSelPeriodFrm::FormShow()
{
    FillPeriodList();
}

void TSelPeriodFrm::FillPeriodList()
{
    PeriodCombo->clear();
    const QStringList seasons = tav::shared::ListTexts({QString::fromUtf8(kSeasonsSql)});
    for (int index = 0; index < seasons.size(); ++index) {
        auto *item = new QListWidgetItem(seasons[index], PeriodCombo);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(index < kCheckedAtShow ? Qt::Checked : Qt::Unchecked);
    }
}

void TSelPeriodFrm::BBtnOKClick()
{
    Periods.clear();
    for (int index = 0; index < PeriodCombo->count(); ++index) {
        if (PeriodCombo->item(index)->checkState() == Qt::Checked)
            Periods.append(PeriodCombo->item(index)->text());
    }
    if (Periods.isEmpty()) {
        ShowMessage(QString::fromUtf8(kChooseOne));
        return;
    }
    done(mrOk);
}

void TSelPeriodFrm::reject()
{
    done(mrCancel);
}

void TSelPeriodFrm::showEvent(QShowEvent *event)
{
    if (!event->spontaneous())
        FormShow();
    QDialog::showEvent(event);
}

TSelPeriodFrm *SelPeriodFrm()
{
    static TSelPeriodFrm *form = nullptr;
    return LongLived(form, [] { return new TSelPeriodFrm; });
}
