#include "couponstats/ui/prn_options_frm.h"

#include "platform/core/long_lived.h"
#include "platform/core/modal_result.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

const char *const kCaption = "ΕΠΙΛΕΞΤΕ ΤΥΠΟ ΕΚΤΥΠΩΣΗΣ";
const char *const kItems[2] = {"ΓΡΑΜΜΩΝ ΚΟΥΠΟΝΙΟΥ", "ΠΡΟΤΑΣΕΙΣ ΚΟΥΠΟΝΙΟΥ"};
const char *const kOk = "OK";
const char *const kCancel = "&ΑΚΥΡΟ";

} // namespace

TPrnOptionsfrm::TPrnOptionsfrm(QWidget *parent)
    : QDialog(parent), RadioGroup1(new QGroupBox(this)), RadioButtons(new QButtonGroup(this)),
      BBtnOK(new QPushButton(kOk, this)), BBtnCancel(new QPushButton(kCancel, this))
{
    setWindowTitle(kCaption);
    auto *items = new QVBoxLayout(RadioGroup1);
    for (int item = 0; item < 2; ++item) {
        auto *radio = new QRadioButton(kItems[item], RadioGroup1);
        RadioButtons->addButton(radio, item);
        items->addWidget(radio);
    }
    RadioButtons->button(0)->setChecked(true);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BBtnOK);
    buttons->addWidget(BBtnCancel);
    auto *form = new QVBoxLayout(this);
    form->addWidget(RadioGroup1);
    form->addLayout(buttons);
    form->setSizeConstraint(QLayout::SetFixedSize);
    BBtnOK->setDefault(true);
    connect(BBtnOK, &QPushButton::clicked, this, [this] { done(mrOk); });
    connect(BBtnCancel, &QPushButton::clicked, this, [this] { done(mrCancel); });
}

int TPrnOptionsfrm::ItemIndex() const
{
    return RadioButtons->checkedId();
}

void TPrnOptionsfrm::reject()
{
    done(mrCancel);
}

TPrnOptionsfrm *PrnOptionsfrm()
{
    static TPrnOptionsfrm *dialog = nullptr;
    return LongLived(dialog, [] { return new TPrnOptionsfrm; });
}
