#include "ui/fonts.h"

#include <QStringList>

namespace ui {

void installFontSubstitutions()
{
    QFont::insertSubstitutions(kFixedPitchFamily, {QStringLiteral("IPAGothic"), QStringLiteral("IPAゴシック"),
                                                   QStringLiteral("Noto Sans Mono CJK JP"),
                                                   QStringLiteral("TakaoGothic"), QStringLiteral("VL Gothic")});
    QFont::insertSubstitutions(kWindowFamily, {QStringLiteral("IPAPGothic"), QStringLiteral("IPAPゴシック"),
                                               QStringLiteral("Noto Sans CJK JP"), QStringLiteral("TakaoPGothic"),
                                               QStringLiteral("VL PGothic"), QStringLiteral("IPAGothic")});
}

QFont fixedPitchFont()
{
    QFont font(kFixedPitchFamily, kWindowPointSize);
    font.setStyleHint(QFont::TypeWriter);
    return font;
}

QFont windowFont()
{
    return QFont(kWindowFamily, kWindowPointSize);
}

} // namespace ui
