#include "app/main_form.h"

#include "analysis/ui/baum_form.h"
#include "analysis/ui/baum_form_date.h"
#include "analysis/ui/pin_form.h"
#include "analysis/ui/plegma_a_form.h"
#include "analysis/ui/stat_frm.h"
#include "app/window_links.h"
#include "data/competition_choice.h"
#include "data/data_module.h"
#include "editors/ui/agvnes_form.h"
#include "platform/core/errors.h"
#include "platform/core/message_service.h"
#include "platform/ui/application.h"
#include "platform/ui/modal_runner.h"

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

// "ΒΑΣΕΙ ΗΜΕΡΟΜΗΝΙΩΝ": the league table of the remembered competition between two dates.
void TFrmMain::N69Click()
{
    TTavrolinDM &dm = TavrolinDM();
    try {
        for (TTable *table : {&dm.Krath, &dm.Kathgories, &dm.Diorganvseis, &dm.Agvnes})
            OpenIfClosed(*table);
    } catch (const Exception &error) {
        MessageDlg(error.Message(), mtError, {mbOK});
        return;
    }
    const CompetitionChoice remembered = CurrentChoice();
    dm.CurrDiorgName = remembered.Category;
    dm.CurrPeriodos = remembered.Season;
    TBaumFormDate &form = BaumFormDate();
    AssignMainFont(&form);
    // Closing the table brings the match list up on its own choice and matchday.
    form.InitForm(remembered.Category, remembered.Season, LinkedAgvnesForm()->Chooser->Lists(),
                  [](QObject *caller) { LinkedAgvnesForm()->ShowForCaller(caller); });
}

// "Πλέγμα Αποτελεσμάτων" and the toolbar's "ΠΛΕΓΜΑ ΑΠΟΤΕΛΕΣΜΑΤΩΝ": the results cross-table of the
// remembered competition up to its next matchday; closing it brings the match list up on its choice.
void TFrmMain::N20Click()
{
    try {
        OpenIfClosed(TavrolinDM().Agvnes);
    } catch (const Exception &error) {
        MessageDlg(error.Message(), mtError, {mbOK});
        return;
    }
    TPlegmaAForm *form = PlegmaAForm();
    AssignMainFont(form);
    form->ShowGrid(std::nullopt, ReturnToMatchList);
}

// "Στατιστικά Διοργάνωσης": the results of a competition beside its older season, modal.
void TFrmMain::N33Click()
{
    TStatFrm *form = StatFrm();
    AssignMainFont(form);
    RunModal(*form);
}

// "Πίνακας Φόρμας Ομάδας" and its toolbar button: two teams' form side by side, modal.
void TFrmMain::N24Click()
{
    TPinForm *form = PinForm();
    AssignMainFont(form);
    form->ShowModalWith(std::nullopt);
}
