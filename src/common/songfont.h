#pragma once

#include <QFont>
#include <QStringList>

namespace radiane {

// Chinese text is set in a Song (serif) typeface: the first of these that is
// installed, else whatever serif face the system substitutes.
inline QFont songFont(qreal pointSize, bool bold = false) {
    QFont font;
    font.setFamilies({QStringLiteral("Noto Serif CJK SC"), QStringLiteral("Source Han Serif SC"),
                      QStringLiteral("SimSun"), QStringLiteral("AR PL UMing CN")});
    font.setStyleHint(QFont::Serif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

} // namespace radiane
