#include "coupons/ui/opap_sel_rounds_frm.h"

#include "platform/core/long_lived.h"
#include "platform/core/modal_result.h"
#include "platform/db/data_source.h"
#include "platform/db/query.h"
#include "platform/ui/db_grid.h"
#include "platform/ui/db_grid_columns.h"
#include "platform/ui/modal_runner.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const char *const kCaption = "Επιλέξτε αγώνα για ενημέρωση";
const char *const kOk = "&OK";
const char *const kCancel = "&ΑΚΥΡΟ";

struct TRoundsColumn
{
    const char *field;
    const char *title;
    int width;
};

const TRoundsColumn kColumns[] = {
    {"Date", "ΗΜ/ΝΙΑ", 117},
    {"TelGGoals", "ΤΕΛ.ΓΗΠ", 64},
    {"TelFGoals", "ΤΕΛ.ΦΙΛ", 64},
};

} // namespace

TSelRoundsFrm::TSelRoundsFrm(QWidget *parent)
    : QDialog(parent), Panel2(new QLabel(this)), DataSource1(new TDataSource(this)),
      DBGrid1(new TDBGrid(this)), Panel1(new QFrame(this)),
      BBtnOK(new QPushButton(QString::fromUtf8(kOk), Panel1)),
      BBtnCancel(new QPushButton(QString::fromUtf8(kCancel), Panel1))
{
    setWindowTitle(QString::fromUtf8(kCaption));
    resize(420, 300);
    Panel2->setFrameShape(QFrame::Panel);
    Panel2->setAlignment(Qt::AlignCenter);
    Panel2->setMinimumHeight(32);
    DBGrid1->SetDataSource(DataSource1);
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    for (const TRoundsColumn &entry : kColumns) {
        TColumn &column = DBGrid1->Columns().Add();
        column.SetFieldName(QString::fromUtf8(entry.field));
        column.Title.Caption = QString::fromUtf8(entry.title);
        column.Width = entry.width;
    }
    DBGrid1->OnDblClick = [this] { DBGrid1DblClick(); };
    auto *buttons = new QHBoxLayout(Panel1);
    buttons->addStretch(1);
    buttons->addWidget(BBtnOK);
    buttons->addWidget(BBtnCancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Panel2);
    layout->addWidget(DBGrid1, 1);
    layout->addWidget(Panel1);
    connect(BBtnOK, &QPushButton::clicked, this, [this] { done(mrOk); });
    connect(BBtnCancel, &QPushButton::clicked, this, [this] { done(mrCancel); });
}

bool TSelRoundsFrm::Choose(TQuery &candidates, const QString &caption)
{
    Panel2->setText(caption);
    DataSource1->SetDataSet(&candidates);
    const int result = RunModal(*this);
    DataSource1->SetDataSet(nullptr);
    return result == mrOk;
}

void TSelRoundsFrm::DBGrid1DblClick()
{
    done(mrOk);
}

TSelRoundsFrm *SelRoundsFrm()
{
    static TSelRoundsFrm *form = nullptr;
    return LongLived(form, [] { return new TSelRoundsFrm; });
}
