#include "app/window_links.h"

#include "analysis/ui/agvn_pososta_form.h"
#include "analysis/ui/agvn_proistoria_form.h"
#include "analysis/ui/baum_form.h"
#include "analysis/ui/pin_form.h"
#include "analysis/ui/plegma_a_form.h"
#include "analysis/ui/proistoria_form.h"
#include "editors/ui/agvnes_form.h"

namespace tav::app {

TAgvnesForm *LinkedAgvnesForm()
{
    TAgvnesForm *list = AgvnesForm();
    list->SetOpeners(
        {[](const tav::shared::ChooserLists &lists, int DNo, int matchday, tav::shared::ReturnToCaller back) {
             BaumForm().ShowForCompetition(lists, DNo, matchday, std::move(back));
         },
         [] { ProistoriaForm()->ShowHomeHistory(); }, [] { ProistoriaForm()->ShowAllHistory(); },
         [](const QString &matchday, const QString &group) {
             AgvnPosostaForm()->ShowAnalysis(matchday, group);
         },
         [](const QString &matchday, const QString &group) {
             AgvnProistoriaForm()->ShowHistory(matchday, group);
         },
         [](const QString &matchday, tav::shared::ReturnToCaller back) {
             PlegmaAForm()->ShowGrid(matchday, std::move(back));
         },
         [](const tav::shared::ChooserLists &lists) { return PinForm()->ShowModalWith(lists); }});
    return list;
}

void ReturnToMatchList(QObject *caller, const tav::shared::CompetitionHandover &handover)
{
    LinkedAgvnesForm()->ShowForCaller(caller, handover);
}

} // namespace tav::app
