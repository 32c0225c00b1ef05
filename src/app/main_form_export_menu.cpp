#include "app/main_form.h"

#include "analysis/ui/agvn_pososta_form.h"
#include "analysis/ui/agvn_proistoria_form.h"
#include "analysis/ui/baum_form.h"
#include "analysis/ui/plegma_a_form.h"
#include "app/mass_export.h"
#include "app/window_links.h"
#include "data/data_module.h"
#include "editors/ui/agvnes_form.h"
#include "platform/core/modal_result.h"
#include "shared/mass_save_form.h"

#include <QCheckBox>

using namespace tav::app;
using tav::data::OpenIfClosed;
using tav::report::TMassExportContent;

namespace {

// The contents ticked in the dialog.
QSet<TMassExportContent> TickedContents(const TMassSaveForm &form)
{
    const std::pair<TMassExportContent, const QCheckBox *> boxes[] = {
        {TMassExportContent::Baum, form.BaumCheckBox},
        {TMassExportContent::Sxara, form.SxaraCheckBox},
        {TMassExportContent::CurrAgvn, form.CurrAgvnCheckBox},
        {TMassExportContent::Proistoria, form.ProistoriaCheckBox},
        {TMassExportContent::CurrAgvnAnal, form.CurrAgvnAnalCheckBox},
        {TMassExportContent::Odds, form.OddsCheckBox},
        {TMassExportContent::Program, form.ProgramCheckBox},
    };
    QSet<TMassExportContent> ticked;
    for (const auto &[content, box] : boxes) {
        if (box->isChecked())
            ticked.insert(content);
    }
    return ticked;
}

} // namespace

// "Μαζικό σώσιμο HTML": the pages of many competitions of one season in one run, as chosen in
// the bulk-export dialog. Each exporter reads the dialog itself; a failed file ends the run with
// the files written before it kept.
void TFrmMain::HTML1Click()
{
    TTavrolinDM &dm = TavrolinDM();
    OpenIfClosed(dm.Agvnes);
    OpenIfClosed(dm.Diorganvseis);
    TMassSaveForm &form = *MassSaveForm();
    if (form.exec() != mrOk)
        return;
    const bool specialOrderings = form.ChkE->isChecked();
    RunMassExportUnderHourglass(
        TickedContents(form),
        {
            {TMassExportContent::Baum, [specialOrderings] { BaumForm().ExportAll(specialOrderings); }},
            {TMassExportContent::Sxara, [] { PlegmaAForm()->ExportAll(); }},
            {TMassExportContent::CurrAgvn, [] { LinkedAgvnesForm()->ExportCurrentMatchdays(); }},
            {TMassExportContent::Proistoria, [] { AgvnProistoriaForm()->ExportAll(); }},
            {TMassExportContent::CurrAgvnAnal, [] { AgvnPosostaForm()->ExportPredictionsAll(); }},
            {TMassExportContent::Odds, [] { AgvnPosostaForm()->ExportOddsAll(); }},
            {TMassExportContent::Program, [] { LinkedAgvnesForm()->ExportAllMatchdays(); }},
        });
}
