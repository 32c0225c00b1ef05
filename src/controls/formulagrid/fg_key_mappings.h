#pragma once

#include <QObject>
#include <Qt>

// A keyboard shortcut in its 16-bit form: the key's virtual-key code plus 0x2000 for Shift,
// 0x4000 for Ctrl and 0x8000 for Alt ("Shift+Ins" is 8237).
using TShortCut = quint16;

constexpr TShortCut scShift = 0x2000;
constexpr TShortCut scCtrl = 0x4000;
constexpr TShortCut scAlt = 0x8000;

// The virtual-key code of a Qt key (Ins 45, Del 46, letters 65..90, F1 112 ...); 0 for a key
// that has none.
int VirtualKeyOf(int qtKey);
// The shortcut of a pressed key with its modifiers (Ctrl, Shift and Alt; others are ignored).
TShortCut ShortCutOf(int qtKey, Qt::KeyboardModifiers modifiers);
// The shortcut written as text ("Ctrl+Shift+Ins", "F3"); 0 for a text that names no key.
TShortCut TextToShortCut(const QString &text);

// The seven shortcuts of the formula grid, edited in place.
class TGridKeyMappings : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int RowInsert MEMBER RowInsert)
    Q_PROPERTY(int RowDelete MEMBER RowDelete)
    Q_PROPERTY(int ColumnInsert MEMBER ColumnInsert)
    Q_PROPERTY(int ColumnDelete MEMBER ColumnDelete)
    Q_PROPERTY(int PrintPreview MEMBER PrintPreview)
    Q_PROPERTY(int QueryDialog MEMBER QueryDialog)
    Q_PROPERTY(int FormuleDialog MEMBER FormuleDialog)
public:
    explicit TGridKeyMappings(QObject *parent = nullptr);

    int RowInsert = 0;
    int RowDelete = 0;
    int ColumnInsert = 0;
    int ColumnDelete = 0;
    int PrintPreview = 0;
    int QueryDialog = 0;
    int FormuleDialog = 0;
};
