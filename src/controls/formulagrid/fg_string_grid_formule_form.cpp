#include "controls/formulagrid/fg_string_grid_formule_form.h"

#include "controls/formulagrid/fg_string_grid.h"
#include "platform/core/long_lived.h"

#include <QFont>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const char *const kCaption = "Formule Editor";
// Operators carry a blank in front, so that they stand apart in the formula.
const char *const kItems[] = {" +",     " -",     " *",     " /",     " ^",     " (",     " )",
                              " =",     "ABS(",   "ATAN(",  "COS(",   "EXP(",   "LN(",    "ROUND(",
                              "SIN(",   "SQRT(",  "SQR(",   "TRUNC(", "MOD",    "PI",     "SUMROW",
                              "SUMCOL", "AVGROW", "AVGCOL", "MINROW", "MAXROW", "MINCOL", "MAXCOL"};
constexpr int kListHeight = 185;
constexpr int kListColumns = 3;
const QSize kClientSize(267, 347);

QPointer<TfgStringGridFormuleF> editor;

} // namespace

TfgStringGridFormuleF::TfgStringGridFormuleF(QWidget *parent)
    : QDialog(parent), ops(new QListWidget(this)), formule(new QPlainTextEdit(this)),
      btnapply(new QPushButton(QStringLiteral("Apply"), this)),
      btnclose(new QPushButton(QStringLiteral("Close"), this))
{
    setWindowTitle(QString::fromLatin1(kCaption));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::WindowStaysOnTopHint);
    resize(kClientSize);
    QFont bold = ops->font();
    bold.setBold(true);
    ops->setFont(bold);
    ops->setFixedHeight(kListHeight);
    ops->setFlow(QListView::TopToBottom);
    ops->setWrapping(true);
    ops->setGridSize(QSize((kClientSize.width() - 20) / kListColumns, ops->fontMetrics().height() + 4));
    for (const char *item : kItems)
        ops->addItem(QString::fromLatin1(item));
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(btnapply);
    buttons->addWidget(btnclose);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(ops);
    layout->addWidget(formule);
    layout->addLayout(buttons);
    connect(ops, &QListWidget::itemClicked, this, [this] { opsClick(); });
    connect(btnapply, &QPushButton::clicked, this, [this] { btnapplyClick(); });
    connect(btnclose, &QPushButton::clicked, this, [this] { btncloseClick(); });
}

void TfgStringGridFormuleF::opsClick()
{
    if (!ops->currentItem())
        return;
    formule->insertPlainText(ops->currentItem()->text().trimmed());
    formule->setFocus();
}

void TfgStringGridFormuleF::btnapplyClick()
{
    if (Grid) {
        Grid->SetCell(Cell.x(), Cell.y(), formule->toPlainText());
        Grid->FormuleMode = false;
        Grid->Recalculate();
    }
    close();
}

void TfgStringGridFormuleF::btncloseClick()
{
    if (Grid)
        Grid->FormuleMode = false;
    close();
}

TfgStringGridFormuleF *FgStringGridFormuleF()
{
    return LongLived(editor, [] { return new TfgStringGridFormuleF; });
}

bool FgStringGridFormuleFMade()
{
    return !editor.isNull();
}
