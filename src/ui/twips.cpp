#include "ui/twips.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace ui {

double screenDotsPerInch()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInch() : 96.0;
}

int twipsToPixels(int twips, double dotsPerInch)
{
    return static_cast<int>(std::lround(twips * dotsPerInch / kTwipsPerInch));
}

QRect twipsToPixels(const TwipsRect& rect, double dotsPerInch)
{
    return QRect(twipsToPixels(rect.left, dotsPerInch), twipsToPixels(rect.top, dotsPerInch),
                 twipsToPixels(rect.width, dotsPerInch), twipsToPixels(rect.height, dotsPerInch));
}

} // namespace ui
