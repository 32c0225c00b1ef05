#include "app/main_form.h"

#include "data/data_module.h"
#include "editors/ui/diorg_show_form.h"
#include "editors/ui/diorganvsh_form.h"
#include "platform/ui/application.h"

#include <QFrame>
#include <QMdiArea>
#include <QMdiSubWindow>

using namespace tav::data;

namespace {

// Shows a child window maximised in front of the others, in the frame it already has.
void ShowChild(QMdiArea *area, QWidget *form)
{
    auto *frame = qobject_cast<QMdiSubWindow *>(form->parentWidget());
    if (!frame)
        frame = area->addSubWindow(form);
    frame->setAttribute(Qt::WA_DeleteOnClose);
    // Maximising a frame shows its child twice, and the child reads its data on every showing:
    // the child is shown once, into the maximised frame.
    form->hide();
    frame->showMaximized();
    form->show();
    area->setActiveSubWindow(frame);
}

} // namespace

// "Συγκεντρωτικός Πίνακας": the competitions summary of a season. The logo gives way until the
// summary closes.
void TFrmMain::N21Click()
{
    TTavrolinDM &dm = TavrolinDM();
    for (TTable *table : {&dm.Agvnes, &dm.Diorganvseis})
        OpenIfClosed(*table);
    // Only a summary that can open takes the logo's place.
    Panel1->hide();
    TDiorgShowForm *form = DiorgShowForm();
    if (!form) {
        form = new TDiorgShowForm;
        connect(form, &TDiorgShowForm::Closed, Panel1, &QWidget::show);
    }
    AssignMainFont(form);
    ShowChild(ClientArea, form);
}

// "Ενημέρωση" of the competitions: the competition editor. The logo gives way until it closes.
void TFrmMain::N22Click()
{
    TDiorganvshForm *form = DiorganvshForm();
    if (!form) {
        form = new TDiorganvshForm;
        connect(form, &TDiorganvshForm::Closed, Panel1, &QWidget::show);
    }
    // Only an editor that could be built takes the logo's place.
    Panel1->hide();
    AssignMainFont(form);
    ShowChild(ClientArea, form);
}
