#include "app/main_form.h"

#include "analysis/ui/auto_baum_form.h"
#include "data/data_module.h"
#include "editors/ui/agvn_util_frm.h"
#include "editors/ui/chk_agvn_frm.h"
#include "platform/ui/application.h"
#include "platform/ui/modal_runner.h"

#include <QFrame>
#include <QMdiArea>
#include <QMdiSubWindow>

// "Έλεγχος αρχείου Αγώνων": the matches-file check, a child window brought to the front where it
// stands and as large as it is. The logo gives way until the check closes.
void TFrmMain::N38Click()
{
    TAgvnUtilFrm *form = AgvnUtilFrm();
    if (!form) {
        form = new TAgvnUtilFrm;
        connect(form, &TAgvnUtilFrm::Closed, Panel1, &QWidget::show);
    }
    // Only a check that could be built takes the logo's place.
    Panel1->hide();
    AssignMainFont(form);
    auto *frame = qobject_cast<QMdiSubWindow *>(form->parentWidget());
    if (!frame) {
        frame = ClientArea->addSubWindow(form);
        frame->setAttribute(Qt::WA_DeleteOnClose);
    }
    frame->show();
    frame->raise();
    ClientArea->setActiveSubWindow(frame);
}

// "Μεταφορά εγγραφών αρχείου αγώνων": the season copy of the matches.
void TFrmMain::N43Click()
{
    ChkAgvnFrm()->exec();
}

// "Αυτόματη ενημέρωση βαθμολογιών": the league tables of the ticked leagues stored, modal.
void TFrmMain::N25Click()
{
    TTavrolinDM &dm = TavrolinDM();
    for (TTable *table : {&dm.Agvnes, &dm.Diorganvseis})
        tav::data::OpenIfClosed(*table);
    RunModal(*AutoBaumForm());
}
