#include "platform/ui/qt_translation.h"

#include <QCoreApplication>
#include <QTranslator>

bool InstallQtTranslation()
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QStringLiteral(":/translations/qtbase_el.qm"))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}
