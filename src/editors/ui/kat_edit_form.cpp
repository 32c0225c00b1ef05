#include "editors/ui/kat_edit_form.h"

#include "data/data_module.h"
#include "editors/pending_edit.h"
#include "editors/ui/reference_editor_parts.h"
#include "platform/core/long_lived.h"
#include "platform/db/data_source.h"
#include "platform/ui/db_grid.h"
#include "platform/ui/db_navigator.h"

#include <QShowEvent>
#include <QVBoxLayout>

#include <utility>

using namespace tav::data;

using namespace tav::editors;

namespace {

const QString Caption = QStringLiteral("Κατηγορίες");

const QList<TEditorColumn> Columns = {
    {QStringLiteral("GrName"), QStringLiteral("Ελληνική Ονομασία"), 180},
    {QStringLiteral("EnName"), QStringLiteral("Αγγλική Ονομασία"), 180},
    {QStringLiteral("ItName"), QStringLiteral("Ιταλική Ονομασία"), 180},
    {QStringLiteral("KratosName"), QStringLiteral("Κράτος"), 110},
    {QStringLiteral("Kode"), QStringLiteral("Κωδικός"), 0},
    {QStringLiteral("Isxys"), QStringLiteral("Ισχύς"), 45},
    {QStringLiteral("Symbol"), QStringLiteral("Σύμβολο"), 35},
    {QStringLiteral("TyposKathg"), QStringLiteral("Τύπος"), 0},
};

} // namespace

TKatEditForm::TKatEditForm(QWidget *parent)
    : QDialog(parent), DataSource1(new TDataSource(this)), DBNavigator1(new TDBNavigator(this)),
      DBGrid1(new TDBGrid(this)), ImageList1(NavigatorImageList(*this))
{
    setWindowTitle(Caption);
    setWindowState(Qt::WindowMaximized);
    LinkEditor(*DataSource1, TavrolinDM().Kathgories, *DBNavigator1,
               {nbFirst, nbPrior, nbNext, nbLast, nbInsert, nbEdit, nbPost, nbCancel, nbRefresh}, *DBGrid1,
               Columns, false);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(DBNavigator1, 0, Qt::AlignLeft);
    layout->addWidget(DBGrid1);
}

void TKatEditForm::FormShow()
{
    TTavrolinDM &dm = TavrolinDM();
    OpenIfClosed(dm.Kathgories);
    // The competition editor may have narrowed the categories to one country.
    dm.Kathgories.SetFilter(QString());
    // The type and country columns look their names up in these (and offer them as lists).
    const bool typesOpened = OpenIfClosed(dm.TyposKathg);
    const bool countriesOpened = OpenIfClosed(dm.Krath);
    if (typesOpened || countriesOpened)
        dm.Kathgories.InvalidateCalculatedFields();
    SetNavigatorGlyphs(*DBNavigator1, ImageList1);
}

void TKatEditForm::done(int result)
{
    if (EndPendingEdit(TavrolinDM().Kathgories))
        QDialog::done(result);
}

void TKatEditForm::showEvent(QShowEvent *event)
{
    if (!event->spontaneous())
        FormShow();
    QDialog::showEvent(event);
}

TKatEditForm *KatEditForm()
{
    // Destroyed only by a test's reset: a window must not outlive the application object in a destructor.
    static TKatEditForm *form = nullptr;
    return LongLived(form, [] { return new TKatEditForm; });
}
