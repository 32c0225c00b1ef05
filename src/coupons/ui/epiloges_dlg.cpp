#include "coupons/ui/epiloges_dlg.h"

#include "platform/core/long_lived.h"
#include "platform/core/modal_result.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

const char *const kCaption = "ΕΠΙΛΕΞΤΕ";
const char *const kGroup = "ΧΡΩΜΑ ΕΚΤΥΠΩΣΗΣ";
const char *const kItems[] = {"ΕΓΧΡΩΜΗ", "ΑΣΠΡΟΜΑΥΡΗ"};
const char *const kOk = "&ΟΚ";
const char *const kCancel = "&ΑΚΥΡΟ";
const QColor kFormColour(215, 207, 179);
constexpr int kBlackAndWhite = 1;

} // namespace

TEpilogesDlg::TEpilogesDlg(QWidget *parent)
    : QDialog(parent), RadioGroup1(new QGroupBox(QString::fromUtf8(kGroup), this)),
      RadioItems(new QButtonGroup(this)), BitBtn1(new QPushButton(QString::fromUtf8(kOk), this)),
      BitBtn2(new QPushButton(QString::fromUtf8(kCancel), this))
{
    setWindowTitle(QString::fromUtf8(kCaption));
    setFixedSize(260, 150);
    RadioGroup1->setGeometry(12, 8, 236, 90);
    auto *layout = new QVBoxLayout(RadioGroup1);
    for (int index = 0; index < 2; ++index) {
        auto *item = new QRadioButton(QString::fromUtf8(kItems[index]), RadioGroup1);
        layout->addWidget(item);
        RadioItems->addButton(item, index);
    }
    SetItemIndex(kBlackAndWhite);
    BitBtn1->setGeometry(20, 108, 100, 30);
    BitBtn1->setDefault(true);
    BitBtn2->setGeometry(140, 108, 100, 30);
    connect(BitBtn1, &QPushButton::clicked, this, [this] { done(mrOk); });
    connect(BitBtn2, &QPushButton::clicked, this, &TEpilogesDlg::reject);
    FormCreate();
}

void TEpilogesDlg::FormCreate()
{
    QPalette colours = palette();
    colours.setColor(QPalette::Window, kFormColour);
    setPalette(colours);
    setAutoFillBackground(true);
}

int TEpilogesDlg::ItemIndex() const
{
    return RadioItems->checkedId();
}

void TEpilogesDlg::SetItemIndex(int index)
{
    if (QAbstractButton *item = RadioItems->button(index))
        item->setChecked(true);
}

void TEpilogesDlg::reject()
{
    done(mrCancel);
}

TEpilogesDlg *EpilogesDlg()
{
    static TEpilogesDlg *dialog = nullptr;
    return LongLived(dialog, [] { return new TEpilogesDlg; });
}
