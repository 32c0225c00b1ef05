#include "platform/ui/fonts.h"

#include <QFont>
#include <QStringList>

namespace {

struct FontSubstitute
{
    const char *designName;
    const char *family;
};

// Liberation fonts are drawn to the widths of the Windows core fonts. The bitmap sans serif of
// dialogs and the system font have no metric twin; the sans serif one is the nearest.
const FontSubstitute kSubstitutes[] = {
    {"Arial", "Liberation Sans"},
    {"MS Sans Serif", "Liberation Sans"},
    {"Microsoft Sans Serif", "Liberation Sans"},
    {"System", "Liberation Sans"},
    {"Times New Roman", "Liberation Serif"},
    {"Courier New", "Liberation Mono"},
};

} // namespace

void InstallFontSubstitutes()
{
    for (const FontSubstitute &substitute : kSubstitutes) {
        const QString name = QString::fromLatin1(substitute.designName);
        const QString family = QString::fromLatin1(substitute.family);
        // Ours goes first, ahead of any substitute the platform registered for the name.
        QStringList families = QFont::substitutes(name);
        families.removeAll(family);
        families.prepend(family);
        QFont::removeSubstitutions(name);
        QFont::insertSubstitutions(name, families);
    }
}
