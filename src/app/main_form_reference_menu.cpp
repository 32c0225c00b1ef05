// The menu commands of the reference-data editors: each opens its editor modally with the main
// window's font.

#include "app/main_form.h"
#include "editors/ui/kat_edit_form.h"
#include "editors/ui/krath_form.h"
#include "editors/ui/omades_form.h"
#include "editors/ui/period_form.h"
#include "platform/ui/application.h"

namespace {

void ShowModal(QDialog *editor)
{
    AssignMainFont(editor);
    editor->exec();
}

} // namespace

void TFrmMain::N3Click()
{
    ShowModal(OmadesForm());
}

void TFrmMain::N5Click()
{
    ShowModal(PeriodForm());
}

void TFrmMain::N9Click()
{
    ShowModal(KatEditForm());
}

void TFrmMain::N11Click()
{
    ShowModal(KrathForm());
}
