#include "editors/ui/agvnes_form.h"

#include "data/data_module.h"
#include "editors/match_list_engine.h"
#include "platform/core/format.h"
#include "platform/core/modal_result.h"
#include "platform/ui/showing_errors.h"
#include "platform/ui/up_down_edit.h"
#include "platform/ui/wait_cursor.h"
#include "report/export_folders.h"
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

namespace {

bool Ticked(const TFileSaveForm &options, TExportLanguage language)
{
    switch (language) {
    case TExportLanguage::Greek:
        return options.CheckBoxGR->isChecked();
    case TExportLanguage::English:
        return options.CheckBoxEn->isChecked();
    case TExportLanguage::Italian:
        return options.CheckBoxIt->isChecked();
    }
    return false;
}

QString InFolder(const QString &folder, const QString &name)
{
    return folder + QLatin1Char('/') + name;
}

} // namespace

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
        const QString name = CheckedFileName(options.FNameEdit->text());
        // League matches have no group; a cup's group also names its pages.
        const QString group = listedTypos_ == CupTypos ? OmilosEdit->Text() : QString();
        const QVariant groupKey = listedTypos_ == CupTypos ? QVariant(StrToInt(group)) : QVariant();
        TNameLanguageSwitch names(dm, TExportLanguage::Greek);
        for (const TExportLanguage language : ExportLanguages) {
            if (!Ticked(options, language))
                continue;
            names.Switch(language);
            ApplyMatchdayRange(dm.Agvnes, listedDNo_, StrToInt(matchday), groupKey);
            const TMatchdayExport files = ReadMatchdayExport(dm, matchday);
            if (options.CheckBoxTxt->isChecked()) {
                WriteMatchdayText(InFolder(TextFolder(language), name + ".txt"), language, files);
                if (language == TExportLanguage::Greek)
                    WriteMatchdayDosText(InFolder(DosFolder(), name + ".txt"), files);
            }
            if (options.CheckBoxHtm->isChecked()) {
                // The Greek page lower-cases the category's letter, the others keep it as stored.
                const QString code = CompetitionFileCode(
                    dm, group,
                    language == TExportLanguage::Greek ? TSubLetterCase::Lower : TSubLetterCase::AsStored);
                WriteMatchdayPage(
                    InFolder(PageFolder(), PageFileName(language, code, TPageKind::MatchList, matchday)),
                    language, files, true);
            }
            if (options.CheckBoxDoc->isChecked())
                WriteMatchdayListing(InFolder(QXpressFolder(language), name + ".doc"), files);
        }
    });
}
