#include "app/main_form.h"

#include "editors/ui/agvn_enhm_form.h"
#include "platform/ui/application.h"

// "Ενημέρωση" and the toolbar's "ΕΝΗΜΕΡΩΣΗ ΑΓΩΝΩΝ": the results entry by date range, maximised and
// without blocking the main window.
void TFrmMain::N19Click()
{
    TAgvnEnhmForm *form = AgvnEnhmForm();
    AssignMainFont(form);
    form->showMaximized();
    form->raise();
    form->activateWindow();
}
