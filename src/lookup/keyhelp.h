#pragma once

#include "lookup/websettings.h"

#include <QChar>
#include <QString>
#include <QStringView>
#include <QUrl>
#include <array>
#include <optional>

namespace radiane::lookup {

// The click areas Label10(0..24) over the letter keys of the keyboard picture.
// Index i belongs to the letter with code 97 + i, so the indices run a..y while
// the areas lie in keyboard order. z has no area.
inline constexpr int kKeyAreaCount = 25;
inline constexpr int kKeyAreaWidth = 975; // twips
inline constexpr int kKeyAreaHeight = 915;

struct KeyArea {
    QChar letter;
    int left = 0; // twips inside the keyboard picture
    int top = 0;
};

const std::array<KeyArea, kKeyAreaCount>& keyAreas();

// The caption of the hint line under the keyboard; also the M area's tooltip.
inline constexpr QStringView kKeyHelpHint = u"点击键盘相应键位查看示例编码和拆字图↑";

// The tooltip of area index: the hint for M (index 12), none for the others.
QString keyAreaToolTip(int index);

// The help page of the key at index ("/wbwz/a.htm" on the product site);
// nothing outside 0..24.
std::optional<QUrl> keyPageAddress(int index, const WebSettings& settings = webSettings());

// The hint line leads to the page of key a.
QUrl hintLineAddress(const WebSettings& settings = webSettings());

} // namespace radiane::lookup
