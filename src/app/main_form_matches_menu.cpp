#include "app/main_form.h"
#include "app/window_links.h"

#include "data/data_module.h"
#include "editors/ui/agvn_enhm_form.h"
#include "editors/ui/agvn_save_form.h"
#include "editors/ui/agvnes_form.h"
#include "editors/ui/auto_enhm_form.h"
#include "platform/ui/application.h"

#include <QFrame>

using namespace tav::app;

using namespace tav::data;

// "Εμφάνιση" and the toolbar's "ΕΜΦΑΝΙΣΗ ΑΓΩΝΩΝ": the match list on the remembered competition
// and season, at the competition's current matchday. The logo gives way until the list closes.
void TFrmMain::N18Click()
{
    TTavrolinDM &dm = TavrolinDM();
    for (TTable *table : {&dm.Krath, &dm.Diorganvseis, &dm.Agvnes})
        OpenIfClosed(*table);
    // Only a list that can open takes the logo's place.
    Panel1->hide();
    TAgvnesForm *form = LinkedAgvnesForm();
    AssignMainFont(form);
    form->ShowForCaller(Item(QStringLiteral("N18")));
}

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

// "Σώσιμο" and the toolbar's "ΣΩΣΙΜΟ ΑΓΩΝΩΝ": a matchday range saved as a text result file,
// maximised and without blocking the main window.
void TFrmMain::N10Click()
{
    TAgvnSaveForm *form = AgvnSaveForm();
    AssignMainFont(form);
    form->showMaximized();
    form->raise();
    form->activateWindow();
}

// "Ενημέρωση Αρχείων": the results import from text files, without blocking the main window.
void TFrmMain::N6Click()
{
    TTavrolinDM &dm = TavrolinDM();
    for (TTable *table : {&dm.Diorganvseis, &dm.Omades, &dm.TeamNames})
        OpenIfClosed(*table);
    TAutoEnhmForm *form = AutoEnhmForm();
    AssignMainFont(form);
    form->show();
    form->raise();
    form->activateWindow();
}
