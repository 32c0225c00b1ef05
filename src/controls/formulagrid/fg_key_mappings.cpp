#include "controls/formulagrid/fg_key_mappings.h"

#include <QStringList>

namespace {

struct NamedKey
{
    int qtKey;
    int virtualKey;
    const char *name;
};

const NamedKey kNamedKeys[] = {
    {Qt::Key_Backspace, 8, "BkSp"}, {Qt::Key_Tab, 9, "Tab"},        {Qt::Key_Return, 13, "Enter"},
    {Qt::Key_Enter, 13, "Enter"},   {Qt::Key_Escape, 27, "Esc"},    {Qt::Key_Space, 32, "Space"},
    {Qt::Key_PageUp, 33, "PgUp"},   {Qt::Key_PageDown, 34, "PgDn"}, {Qt::Key_End, 35, "End"},
    {Qt::Key_Home, 36, "Home"},     {Qt::Key_Left, 37, "Left"},     {Qt::Key_Up, 38, "Up"},
    {Qt::Key_Right, 39, "Right"},   {Qt::Key_Down, 40, "Down"},     {Qt::Key_Insert, 45, "Ins"},
    {Qt::Key_Delete, 46, "Del"},
};

} // namespace

int VirtualKeyOf(int qtKey)
{
    for (const NamedKey &key : kNamedKeys)
        if (key.qtKey == qtKey)
            return key.virtualKey;
    if ((qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) || (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z))
        return qtKey; // the codes of digits and letters are their capitals
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return 112 + (qtKey - Qt::Key_F1);
    return 0;
}

TShortCut ShortCutOf(int qtKey, Qt::KeyboardModifiers modifiers)
{
    const int key = VirtualKeyOf(qtKey);
    if (key == 0)
        return 0;
    TShortCut shortCut = TShortCut(key);
    if (modifiers & Qt::ShiftModifier)
        shortCut |= scShift;
    if (modifiers & Qt::ControlModifier)
        shortCut |= scCtrl;
    if (modifiers & Qt::AltModifier)
        shortCut |= scAlt;
    return shortCut;
}

TShortCut TextToShortCut(const QString &text)
{
    QStringList parts = text.split(u'+');
    const QString keyName = parts.takeLast();
    TShortCut modifiers = 0;
    for (const QString &part : parts) {
        if (part.compare(u"Shift", Qt::CaseInsensitive) == 0)
            modifiers |= scShift;
        else if (part.compare(u"Ctrl", Qt::CaseInsensitive) == 0)
            modifiers |= scCtrl;
        else if (part.compare(u"Alt", Qt::CaseInsensitive) == 0)
            modifiers |= scAlt;
        else
            return 0;
    }
    int key = 0;
    for (const NamedKey &named : kNamedKeys)
        if (keyName.compare(QLatin1String(named.name), Qt::CaseInsensitive) == 0)
            key = named.virtualKey;
    if (keyName.size() == 1 && keyName[0].isLetterOrNumber() && keyName[0].unicode() < 128)
        key = keyName[0].toUpper().unicode();
    if (keyName.size() > 1 && keyName[0].toUpper() == u'F') {
        bool ok = false;
        const int number = keyName.mid(1).toInt(&ok);
        if (ok && number >= 1 && number <= 24)
            key = 111 + number;
    }
    return key == 0 ? 0 : TShortCut(key | modifiers);
}

TGridKeyMappings::TGridKeyMappings(QObject *parent) : QObject(parent) {}
