#include "couponstats/ui/stat_options_dialog.h"

#include "platform/core/modal_result.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const char *const kCaption = "ΕΠΙΛΕΞΤΕ";
const char *const kFilter = "ΦΙΛΤΡΟ";
const char *const kAll = "ΟΛΟΙ ΟΙ ΑΓΩΝΕΣ";
const char *const kOk = "OK";
const char *const kCancel = "&ΑΚΥΡΟ";

} // namespace

TStatOptionsDialog::TStatOptionsDialog(QWidget *parent)
    : QDialog(parent), GroupBox1(new QGroupBox(kFilter, this)), RadioGroup1(new QGroupBox(GroupBox1)),
      RadioButtons(new QButtonGroup(this)), Label1(new QLabel(RecentCaption, GroupBox1)),
      EdtParam(new QLineEdit(DefaultParam, GroupBox1)), ChkAll(new QCheckBox(kAll, GroupBox1)),
      BBtnOK(new QPushButton(kOk, this)), BBtnCancel(new QPushButton(kCancel, this))
{
    setWindowTitle(kCaption);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);

    auto *param = new QHBoxLayout;
    param->addWidget(Label1);
    param->addWidget(EdtParam);
    param->addWidget(ChkAll);
    param->addStretch();
    auto *filter = new QVBoxLayout(GroupBox1);
    filter->addWidget(RadioGroup1);
    filter->addLayout(param);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BBtnOK);
    buttons->addWidget(BBtnCancel);
    auto *form = new QVBoxLayout(this);
    form->addWidget(GroupBox1);
    form->addLayout(buttons);
    form->setSizeConstraint(QLayout::SetFixedSize);

    BBtnOK->setDefault(true);
    connect(BBtnOK, &QPushButton::clicked, this, [this] { done(mrOk); });
    connect(BBtnCancel, &QPushButton::clicked, this, [this] { done(mrCancel); });
    connect(RadioButtons, &QButtonGroup::idClicked, this, [this] { RadioGroup1Click(); });
}

void TStatOptionsDialog::FormClose()
{
    if (ChkAll->isChecked())
        EdtParam->setText(QStringLiteral("0"));
}

int TStatOptionsDialog::ItemIndex() const
{
    return RadioButtons->checkedId();
}

QString TStatOptionsDialog::ItemCaption() const
{
    return RadioButtons->checkedButton()->text();
}

void TStatOptionsDialog::done(int result)
{
    FormClose();
    QDialog::done(result);
}

void TStatOptionsDialog::reject()
{
    done(mrCancel);
}
