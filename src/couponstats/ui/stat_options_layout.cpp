#include "couponstats/ui/stat_options_layout.h"

#include "platform/core/modal_result.h"

#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

void LayOutStatOptions(QDialog &dialog, const TStatOptionsParts &parts)
{
    auto *param = new QHBoxLayout;
    param->addWidget(parts.label);
    param->addWidget(parts.param);
    param->addWidget(parts.all);
    param->addStretch();
    auto *filter = new QVBoxLayout(parts.filter);
    filter->addWidget(parts.kinds);
    filter->addLayout(param);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(parts.ok);
    buttons->addWidget(parts.cancel);
    auto *form = new QVBoxLayout(&dialog);
    form->addWidget(parts.filter);
    form->addLayout(buttons);
    form->setSizeConstraint(QLayout::SetFixedSize);

    parts.ok->setDefault(true);
    QObject::connect(parts.ok, &QPushButton::clicked, &dialog, [&dialog] { dialog.done(mrOk); });
    QObject::connect(parts.cancel, &QPushButton::clicked, &dialog, [&dialog] { dialog.done(mrCancel); });
}
