#include "editors/ui/agvnes_form.h"

#include "data/data_module.h"
#include "platform/ui/up_down_edit.h"
#include "report/matchday_mass_export.h"
#include "shared/mass_save_form.h"

#include <QCheckBox>
#include <QScopeGuard>

using namespace tav::report;

namespace {

TMassMatchdayChoice ChoiceOf(const TMassSaveForm &dialog)
{
    TMassMatchdayChoice choice;
    choice.Season = dialog.Season();
    choice.Competitions = dialog.TickedCompetitions();
    for (const TExportLanguage language : ExportLanguages)
        if (dialog.LanguageTicked(language))
            choice.Languages.append(language);
    choice.Text = dialog.CheckBoxTxt->isChecked();
    choice.Pages = dialog.CheckBoxHtm->isChecked();
    choice.Listing = dialog.CheckBoxDoc->isChecked();
    choice.NumberedPages = dialog.NumberedPages();
    return choice;
}

} // namespace

void TAgvnesForm::ExportCurrentMatchdays()
{
    ExportMatchdays(TMassMatchdays::Current);
}

void TAgvnesForm::ExportAllMatchdays()
{
    ExportMatchdays(TMassMatchdays::All);
}

void TAgvnesForm::ExportMatchdays(TMassMatchdays span)
{
    TMassMatchdayChoice choice = ChoiceOf(*MassSaveForm());
    choice.CupGroup = OmilosEdit->Text();
    const QString ownMatchday = AgvnEdit->Text();
    bulkExporting_ = true;
    // The export leaves the competitions' cursor where it found it; the list takes back its own
    // matchday and, when it is shown, lists it again.
    const auto showList = qScopeGuard([this, ownMatchday] {
        bulkExporting_ = false;
        SetMatchdayText(ownMatchday);
        LoadMatchday(this);
    });
    ExportMassMatchdays(TavrolinDM(), span, choice,
                        [this](const QString &matchday) { SetMatchdayText(matchday); });
}
