#include "editors/ui/period_form.h"

#include "data/data_module.h"
#include "editors/pending_edit.h"
#include "editors/ui/reference_editor_parts.h"
#include "platform/core/long_lived.h"
#include "platform/db/data_source.h"
#include "platform/ui/db_grid.h"
#include "platform/ui/db_navigator.h"

#include <QShowEvent>
#include <QVBoxLayout>

using namespace tav::editors;

namespace {

const QString Caption = QStringLiteral("Περίοδος");
const QString SeasonTitle = QStringLiteral("Αγωνιστική Περίοδος");

} // namespace

TPeriodForm::TPeriodForm(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      DataSource1(new TDataSource(this)), DBNavigator1(new TDBNavigator(this)), DBGrid1(new TDBGrid(this)),
      ImageList1(NavigatorImageList(*this))
{
    setWindowTitle(Caption);
    LinkEditor(*DataSource1, TavrolinDM().Periodos, *DBNavigator1,
               {nbPrior, nbNext, nbInsert, nbDelete, nbPost, nbCancel}, *DBGrid1,
               {{QStringLiteral("Periodos"), SeasonTitle, 185}}, true);
    DBNavigator1->SetConfirmDelete(true);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(DBNavigator1, 0, Qt::AlignLeft);
    layout->addWidget(DBGrid1);
    setFixedSize(260, 300);
}

void TPeriodForm::FormShow()
{
    TTable &periodos = TavrolinDM().Periodos;
    if (!periodos.Active())
        periodos.Open();
    SetNavigatorGlyphs(*DBNavigator1, ImageList1);
}

void TPeriodForm::done(int result)
{
    if (EndPendingEdit(TavrolinDM().Periodos))
        QDialog::done(result);
}

void TPeriodForm::showEvent(QShowEvent *event)
{
    if (!event->spontaneous())
        FormShow();
    QDialog::showEvent(event);
}

TPeriodForm *PeriodForm()
{
    // Destroyed only by a test's reset: a window must not outlive the application object in a destructor.
    static TPeriodForm *form = nullptr;
    return LongLived(form, [] { return new TPeriodForm; });
}
