#include "controls/styled/sty_resources.h"

namespace tav::styled {

QImage LoadBitmapResource(int ident)
{
    return QImage(QStringLiteral(":/styled/bitmaps/%1.bmp").arg(ident), "BMP");
}

} // namespace tav::styled
