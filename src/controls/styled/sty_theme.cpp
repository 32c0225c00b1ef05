#include "controls/styled/sty_theme.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QWidget>

namespace tav::styled {
namespace {

bool useThemes = true;

const QStringList bound = {QStringLiteral("DrawThemeBackground"), QStringLiteral("DrawThemeParentBackground"),
                           QStringLiteral("OpenThemeData"),       QStringLiteral("CloseThemeData"),
                           QStringLiteral("IsThemeActive"),       QStringLiteral("IsAppThemed")};

QStyle *StyleOf(const QWidget *widget)
{
    return widget ? widget->style() : QApplication::style();
}

void FillOption(QStyleOption &option, const QWidget *widget, int state, const QRect &rect)
{
    if (widget)
        option.initFrom(widget);
    else
        option.palette = QApplication::palette();
    option.rect = rect;
    option.state = QStyle::State_Raised;
    if (state != TS_DISABLED)
        option.state |= QStyle::State_Enabled;
    if (state == TS_HOT)
        option.state |= QStyle::State_MouseOver;
    if (state == TS_PRESSED)
        option.state = (option.state & ~QStyle::State_Raised) | QStyle::State_Sunken | QStyle::State_On;
}

void SendThemeChanged(QWidget *widget)
{
    for (QObject *child : widget->children())
        if (child->isWidgetType())
            SendThemeChanged(static_cast<QWidget *>(child));
    QEvent event(ThemeChangedEventType());
    QCoreApplication::sendEvent(widget, &event);
}

} // namespace

const QStringList &ThemeFunctionNames()
{
    static const QStringList names = {QStringLiteral("DrawThemeEdge"),
                                      QStringLiteral("DrawThemeBackground"),
                                      QStringLiteral("DrawThemeParentBackground"),
                                      QStringLiteral("DrawThemeText"),
                                      QStringLiteral("DrawThemeIcon"),
                                      QStringLiteral("OpenThemeData"),
                                      QStringLiteral("CloseThemeData"),
                                      QStringLiteral("IsThemeBackgroundPartiallyTransparent"),
                                      QStringLiteral("GetThemeBackgroundContentRect"),
                                      QStringLiteral("SetWindowTheme"),
                                      QStringLiteral("SetThemeAppProperties"),
                                      QStringLiteral("IsThemePartDefined"),
                                      QStringLiteral("GetThemeColor"),
                                      QStringLiteral("GetThemeMetric"),
                                      QStringLiteral("GetThemeString"),
                                      QStringLiteral("GetThemeBool"),
                                      QStringLiteral("GetThemeInt"),
                                      QStringLiteral("GetThemeEnumValue"),
                                      QStringLiteral("GetThemePosition"),
                                      QStringLiteral("GetThemeFont"),
                                      QStringLiteral("GetThemeRect"),
                                      QStringLiteral("GetThemeFilename"),
                                      QStringLiteral("GetThemeSysColor"),
                                      QStringLiteral("GetThemeSysColorBrush"),
                                      QStringLiteral("GetThemeSysBool"),
                                      QStringLiteral("IsThemeActive"),
                                      QStringLiteral("IsAppThemed"),
                                      QStringLiteral("GetWindowTheme"),
                                      QStringLiteral("EnableThemeDialogTexture"),
                                      QStringLiteral("IsThemeDialogTextureEnabled"),
                                      QStringLiteral("EnableTheming")};
    return names;
}

bool ThemeFunctionBound(const QString &name)
{
    return bound.contains(name);
}

bool ThemesAvailable()
{
    QStyle *style =
        qobject_cast<QApplication *>(QCoreApplication::instance()) ? QApplication::style() : nullptr;
    return style && style->name().compare(QLatin1String("windows"), Qt::CaseInsensitive) != 0;
}

bool UseThemes()
{
    return useThemes;
}

bool GetUseThemes()
{
    return useThemes && ThemesAvailable();
}

void SetUseThemes(bool value)
{
    if (value == useThemes || (value && !ThemesAvailable()))
        return;
    useThemes = value;
    for (QWidget *form : QApplication::topLevelWidgets())
        if (form->isVisible())
            SendThemeChanged(form);
}

QEvent::Type ThemeChangedEventType()
{
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

bool IsThemeActive()
{
    return ThemesAvailable();
}

bool IsAppThemed()
{
    return ThemesAvailable();
}

std::optional<TStyTheme> OpenThemeData(const QWidget *widget, const QString &classList)
{
    if (!GetUseThemes())
        return std::nullopt;
    static const QStringList known = {QStringLiteral("BUTTON"), QStringLiteral("COMBOBOX"),
                                      QStringLiteral("TOOLBAR"), QStringLiteral("EDIT")};
    for (const QString &name : classList.split(QLatin1Char(';')))
        if (known.contains(name.trimmed().toUpper()))
            return TStyTheme{name.trimmed().toUpper(), widget};
    return std::nullopt;
}

void CloseThemeData(TStyTheme &theme)
{
    theme = TStyTheme{};
}

void DrawThemeBackground(const TStyTheme &theme, QPainter &painter, int part, int state, const QRect &rect)
{
    QStyle *style = StyleOf(theme.widget);
    if (theme.className == QLatin1String("BUTTON") && part == BP_GROUPBOX) {
        QStyleOptionFrame option;
        FillOption(option, theme.widget, state, rect);
        style->drawPrimitive(QStyle::PE_FrameGroupBox, &option, &painter, theme.widget);
    } else if (theme.className == QLatin1String("BUTTON")) {
        QStyleOptionButton option;
        FillOption(option, theme.widget, state, rect);
        style->drawControl(QStyle::CE_PushButtonBevel, &option, &painter, theme.widget);
    } else if (theme.className == QLatin1String("COMBOBOX")) {
        QStyleOptionComboBox option;
        FillOption(option, theme.widget, state, rect);
        option.subControls = QStyle::SC_ComboBoxArrow;
        option.activeSubControls = state == TS_PRESSED ? QStyle::SC_ComboBoxArrow : QStyle::SC_None;
        style->drawComplexControl(QStyle::CC_ComboBox, &option, &painter, theme.widget);
    } else if (theme.className == QLatin1String("TOOLBAR")) {
        QStyleOptionToolButton option;
        FillOption(option, theme.widget, state, rect);
        option.state |= QStyle::State_AutoRaise;
        style->drawPrimitive(QStyle::PE_PanelButtonTool, &option, &painter, theme.widget);
        if (part == TP_SPLITBUTTONDROPDOWN)
            style->drawPrimitive(QStyle::PE_IndicatorArrowDown, &option, &painter, theme.widget);
    } else if (theme.className == QLatin1String("EDIT")) {
        QStyleOptionFrame option;
        FillOption(option, theme.widget, state, rect);
        option.lineWidth = 1;
        style->drawPrimitive(QStyle::PE_FrameLineEdit, &option, &painter, theme.widget);
    }
}

void DrawThemeParentBackground(const QWidget *widget, QPainter &painter, const QRect &rect)
{
    const QWidget *parent = widget ? widget->parentWidget() : nullptr;
    const QPalette palette = parent ? parent->palette() : QApplication::palette();
    const QPalette::ColorRole role = parent ? parent->backgroundRole() : QPalette::Window;
    painter.fillRect(rect, palette.brush(role));
}

} // namespace tav::styled
