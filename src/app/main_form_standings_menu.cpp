#include "app/main_form.h"

#include "analysis/ui/baum_form.h"
#include "app/window_links.h"
#include "data/data_module.h"
#include "platform/core/errors.h"
#include "platform/core/message_service.h"
#include "platform/ui/application.h"

using namespace tav::app;

using namespace tav::data;

// "ΒΑΣΕΙ ΑΓΩΝΙΣΤΙΚΩΝ" and the toolbar's "ΒΑΘΜΟΛΟΓΙΕΣ": the league table of the remembered
// competition at its current matchday.
void TFrmMain::N7Click()
{
    TTavrolinDM &dm = TavrolinDM();
    try {
        for (TTable *table : {&dm.Krath, &dm.Kathgories, &dm.Diorganvseis, &dm.Agvnes})
            OpenIfClosed(*table);
    } catch (const Exception &error) {
        MessageDlg(error.Message(), mtError, {mbOK});
        return;
    }
    TBaumForm &form = BaumForm();
    AssignMainFont(&form);
    // Closing the table brings the match list up on the table's choice.
    form.ShowForCompetition(ReturnToMatchList);
}
