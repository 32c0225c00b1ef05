#include "report/name_language.h"

#include "data/data_module.h"
#include "platform/core/errors.h"

#include <QList>

#include <utility>

namespace tav::report {

namespace {

QString CategoryNameField(TExportLanguage language)
{
    switch (language) {
    case TExportLanguage::English:
        return QStringLiteral("EnName");
    case TExportLanguage::Italian:
        return QStringLiteral("ItName");
    case TExportLanguage::Greek:
        break;
    }
    return QStringLiteral("GrName");
}

QString TeamNameField(TExportLanguage language)
{
    return language == TExportLanguage::Greek ? QStringLiteral("GrName") : QStringLiteral("EnName");
}

// The name lookups of the module with the field each takes its text from in the language.
QList<std::pair<TField *, QString>> NameLookups(TTavrolinDM &dm, TExportLanguage language)
{
    return {{&dm.Diorganvseis.FieldByName(QStringLiteral("KatName")), CategoryNameField(language)},
            {&dm.Agvnes.FieldByName(QStringLiteral("GName")), TeamNameField(language)},
            {&dm.Agvnes.FieldByName(QStringLiteral("FName")), TeamNameField(language)}};
}

} // namespace

TNameLanguageSwitch::TNameLanguageSwitch(TTavrolinDM &dm, TExportLanguage language) : dm_(dm)
{
    Switch(language);
}

TNameLanguageSwitch::~TNameLanguageSwitch()
{
    for (const auto &[lookup, greek] : NameLookups(dm_, TExportLanguage::Greek)) {
        try {
            lookup->SetLookupResultField(greek);
        } catch (const Exception &) {
            // The lookup names its Greek field before its dataset rereads the record: a failed
            // reread shows on the next read, and a destructor cannot report it. The other
            // lookups still go back to Greek.
        }
    }
}

void TNameLanguageSwitch::Switch(TExportLanguage language)
{
    for (const auto &[lookup, field] : NameLookups(dm_, language))
        lookup->SetLookupResultField(field);
}

} // namespace tav::report
