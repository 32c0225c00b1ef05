#pragma once

#include <QEvent>
#include <QRect>
#include <QString>
#include <QStringList>

#include <optional>

class QPainter;
class QWidget;

// The visual-styles look of the controls is drawn through the application's QStyle. The names of
// the theme functions the controls know are kept, and those the controls call are bound to the
// style; "themes available" means the application does not run the classic "Windows" style.
namespace tav::styled {

// The 31 theme function names, in their fixed order.
const QStringList &ThemeFunctionNames();
// Whether the binding gives the named function (those the controls call).
bool ThemeFunctionBound(const QString &name);

// True while the application's style draws a themed look (any style but the classic "Windows").
bool ThemesAvailable();
// Whether the controls want the themed look; on after start-up.
bool UseThemes();
// Themed drawing is done only when this is true: wanted and available.
bool GetUseThemes();
// Switches the themed look on or off and tells every visible form; switching on is refused while
// themes are not available.
void SetUseThemes(bool value);
// The event sent to every control of every visible form, children first, when the look switches.
QEvent::Type ThemeChangedEventType();

// An open theme: the class of window it draws for ("BUTTON", "COMBOBOX", "TOOLBAR", "EDIT") and
// the widget whose style and palette it uses (none: the application's).
struct TStyTheme
{
    QString className;
    const QWidget *widget = nullptr;
};

// Theme part and state numbers the controls use.
inline constexpr int BP_PUSHBUTTON = 1;
inline constexpr int BP_GROUPBOX = 4;
inline constexpr int CP_DROPDOWNBUTTON = 1;
inline constexpr int TP_BUTTON = 1;
inline constexpr int TP_SPLITBUTTON = 3;
inline constexpr int TP_SPLITBUTTONDROPDOWN = 4;
inline constexpr int EP_EDITTEXT = 1;
inline constexpr int TS_NORMAL = 1;
inline constexpr int TS_HOT = 2;
inline constexpr int TS_PRESSED = 3;
inline constexpr int TS_DISABLED = 4;

bool IsThemeActive();
bool IsAppThemed();
// The theme for the first known class of a ";"-separated class list; none when themes are off.
std::optional<TStyTheme> OpenThemeData(const QWidget *widget, const QString &classList);
void CloseThemeData(TStyTheme &theme);
void DrawThemeBackground(const TStyTheme &theme, QPainter &painter, int part, int state, const QRect &rect);
// Paints what the widget's parent shows behind rect (rect in the widget's coordinates).
void DrawThemeParentBackground(const QWidget *widget, QPainter &painter, const QRect &rect);

} // namespace tav::styled
