#include "app/main_form.h"

#include "data/data_module.h"
#include "editors/ui/convert_pr_dlg.h"
#include "editors/ui/get_files_frm.h"
#include "editors/ui/sporting_enhm_frm.h"
#include "platform/ui/application.h"

using namespace tav::data;

// "Δεδομένα από Internet" and "Αρχεία μέσω Internet": the result pages of the ticked categories
// fetched into their text result files, maximised and modal.
void TFrmMain::Internet1Click()
{
    TTavrolinDM &dm = TavrolinDM();
    for (TTable *table : {&dm.Agvnes, &dm.Diorganvseis})
        OpenIfClosed(*table);
    TGetFilesFrm *form = GetFilesFrm();
    AssignMainFont(form);
    form->setWindowState(form->windowState() | Qt::WindowMaximized);
    form->exec();
}

// "Μετατροπή Αρχείων ΑΓΓΛΙΑΣ,ΣΚΩΤΙΑΣ": a results page saved from a web site turned into result
// rows, modal.
void TFrmMain::N47Click()
{
    TConvertPRDlg *dialog = ConvertPRDlg();
    AssignMainFont(dialog);
    dialog->exec();
}

// "Ενημέρωση Αρχείων ΑΓΓΛΙΑΣ, ΣΚΩΤΙΑΣ,ΕΛΛΑΔΑΣ": one results page read into text result lines,
// maximised and modal.
void TFrmMain::N52Click()
{
    TSportingEnhmFrm *form = SportingEnhmFrm();
    AssignMainFont(form);
    form->setWindowState(form->windowState() | Qt::WindowMaximized);
    form->exec();
}
