#include "editors/ui/agvnes_form.h"

#include "data/data_module.h"
#include "editors/match_list_engine.h"
#include "platform/core/modal_result.h"
#include "platform/ui/showing_errors.h"
#include "platform/ui/up_down_edit.h"
#include "platform/ui/wait_cursor.h"
#include "report/matchday_export.h"
#include "report/name_language.h"
#include "report/page_names.h"
#include "shared/file_save_form.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QScopeGuard>

using namespace tav::editors;
using namespace tav::report;

void TAgvnesForm::SaveButtonClick()
{
    if (listedDNo_.isNull())
        return;
    TTavrolinDM &dm = TavrolinDM();
    const QString matchday = AgvnEdit->Text();
    TFileSaveForm &options = *FileSaveForm();
    if (options.ExecuteSave(dm.Diorganvseis.FieldByName(QStringLiteral("FileName")).AsString() +
                            QLatin1Char('a') + matchday) != mrOk)
        return;
    TWaitCursor wait;
    // Whatever happens, the list shows its own matchday again, in Greek (the names' guard).
    const auto showList = qScopeGuard([this] {
        try {
            SetMatchdayRange(MatchdaySeasonRange(PeriodCombo->currentText(), DiorgCombo->currentText()),
                             listedTypos_);
        } catch (const std::exception &) {
            // A list that cannot be ranged again keeps the export's range of the same matchday.
        }
    });
    ShowingErrors([&] {
        // A cup's group also names its pages.
        const TMatchdayChoice listed{listedDNo_, matchday,
                                     listedTypos_ == CupTypos ? OmilosEdit->Text() : QString()};
        TMatchdayFileKinds kinds;
        kinds.FileName = CheckedFileName(options.FNameEdit->text());
        kinds.Text = options.CheckBoxTxt->isChecked();
        kinds.DosCopy = true;
        kinds.Page = options.CheckBoxHtm->isChecked();
        kinds.Keywords = true;
        kinds.Listing = options.CheckBoxDoc->isChecked();
        TNameLanguageSwitch names(dm, TExportLanguage::Greek);
        for (const TExportLanguage language : ExportLanguages)
            if (options.LanguageTicked(language))
                WriteMatchdayFiles(dm, names, language, listed, kinds);
    });
}
