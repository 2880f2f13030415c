#include "ui/surfacefont.h"

#include "ui/twips.h"

#include <QFontMetrics>
#include <QGuiApplication>

namespace ui {

QFont surfaceFont()
{
    return QGuiApplication::font();
}

double printedLineHeightTwips(const QFont& font)
{
    return QFontMetrics(font).lineSpacing() * twipsPerPixel;
}

} // namespace ui
