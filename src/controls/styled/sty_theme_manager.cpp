#include "controls/styled/sty_theme_manager.h"

#include "controls/styled/sty_theme.h"

#include <QEvent>

using namespace tav::styled;

bool TStyXPThemeManager::WindowProc(QEvent &event)
{
    if (event.type() == QEvent::Polish) {
        SetUseThemes(ThemesAvailable());
    } else if (event.type() == QEvent::StyleChange) {
        if (GetUseThemes()) {
            SetUseThemes(false);
            SetUseThemes(true);
        } else {
            SetUseThemes(ThemesAvailable());
        }
    }
    // The form goes on handling its own events.
    return false;
}
