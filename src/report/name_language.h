#pragma once

#include "report/export_language.h"

class TTavrolinDM;

namespace tav::report {

// Switches the names the data module shows to the language an export writes: the category name
// of the competitions (Diorganvseis.KatName, and with it Onomasia) in Greek, English or Italian,
// and the team names of the matches (Agvnes.GName and FName, and with them Omades) in Greek or
// Latin letters; English and Italian pages take the Latin team names, as teams have no Italian
// name. The datasets keep their records. Greek comes back when the switch leaves its scope, on
// every way out, exceptions included, so the windows never go on showing foreign names.
class TNameLanguageSwitch
{
public:
    TNameLanguageSwitch(TTavrolinDM &dm, TExportLanguage language);
    ~TNameLanguageSwitch();
    TNameLanguageSwitch(const TNameLanguageSwitch &) = delete;
    TNameLanguageSwitch &operator=(const TNameLanguageSwitch &) = delete;

    // The next language of an export that writes several in one scope.
    void Switch(TExportLanguage language);

private:
    TTavrolinDM &dm_;
};

} // namespace tav::report
