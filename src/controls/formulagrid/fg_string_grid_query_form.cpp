#include "controls/formulagrid/fg_string_grid_query_form.h"

#include "controls/formulagrid/fg_string_grid.h"

#include <QFrame>
#include <QGridLayout>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const char *const kCaption = "Query Builder";
const char *const kOperators[] = {"=", "<>", ">", "<", "LIKE"};
const QSize kClientSize(586, 229);

} // namespace

TfgStringGridQueryF::TfgStringGridQueryF(QWidget *parent)
    : QDialog(parent), FieldsList(new QListWidget(this)), oplist(new QListWidget(this)),
      querymemo(new QPlainTextEdit(this)), btnApply(new QPushButton(QStringLiteral("&Apply"))),
      btnall(new QPushButton(QStringLiteral("&Show All"), this)),
      btnClose(new QPushButton(QStringLiteral("&Close"), this)), Shape1(new QFrame(this))
{
    setWindowTitle(QString::fromLatin1(kCaption));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    resize(kClientSize);
    for (const char *op : kOperators)
        oplist->addItem(QString::fromLatin1(op));
    querymemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Shape1->setStyleSheet(QStringLiteral("QFrame { border: 1px solid red; }"));
    auto *frameLayout = new QVBoxLayout(Shape1);
    frameLayout->setContentsMargins(2, 2, 2, 2);
    frameLayout->addWidget(btnApply);
    btnApply->setStyleSheet(QStringLiteral("border: none;"));
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(Shape1);
    buttons->addWidget(btnall);
    buttons->addWidget(btnClose);
    buttons->addStretch();
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(FieldsList, 2);
    layout->addWidget(oplist, 1);
    layout->addWidget(querymemo, 4);
    layout->addLayout(buttons);
    connect(FieldsList, &QListWidget::itemClicked, this, [this] { FieldsListClick(); });
    connect(oplist, &QListWidget::itemClicked, this, [this] { oplistClick(); });
    connect(btnApply, &QPushButton::clicked, this, [this] { btnApplyClick(); });
    connect(btnall, &QPushButton::clicked, this, [this] { btnallClick(); });
    connect(btnClose, &QPushButton::clicked, this, [this] { btnCloseClick(); });
}

void TfgStringGridQueryF::FieldsListClick()
{
    if (!FieldsList->currentItem())
        return;
    querymemo->insertPlainText("[" + FieldsList->currentItem()->text() + "]");
    querymemo->setFocus();
}

void TfgStringGridQueryF::oplistClick()
{
    if (!oplist->currentItem())
        return;
    querymemo->insertPlainText(" " + oplist->currentItem()->text() + " ");
    querymemo->setFocus();
}

void TfgStringGridQueryF::btnApplyClick()
{
    if (Grid)
        Grid->SetFilter(querymemo->toPlainText().replace(u'\n', u' '));
}

void TfgStringGridQueryF::btnallClick()
{
    if (Grid)
        Grid->ShowAllRows();
}

void TfgStringGridQueryF::btnCloseClick()
{
    accept();
}
