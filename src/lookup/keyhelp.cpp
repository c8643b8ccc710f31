#include "lookup/keyhelp.h"

namespace radiane::lookup {

namespace {

constexpr int kToolTipIndex = 12; // M

} // namespace

const std::array<KeyArea, kKeyAreaCount>& keyAreas() {
    // Left and top of each area, placed over the key images of the keyboard picture.
    static const std::array<KeyArea, kKeyAreaCount> areas = [] {
        constexpr int positions[kKeyAreaCount][2] = {
            {930, 1260},  {5850, 2310}, {3660, 2340}, {3150, 1260}, {2550, 180},
            {4230, 1230}, {5340, 1260}, {6450, 1230}, {8010, 180},  {7530, 1260},
            {8640, 1260}, {9720, 1230}, {8040, 2340}, {6930, 2340}, {9120, 180},
            {10200, 180}, {330, 180},   {3630, 180},  {2040, 1260}, {4740, 150},
            {6900, 180},  {4770, 2340}, {1440, 180},  {2580, 2340}, {5790, 180},
        };
        std::array<KeyArea, kKeyAreaCount> table{};
        for (int i = 0; i < kKeyAreaCount; ++i)
            table[i] = {QChar(u'a' + i), positions[i][0], positions[i][1]};
        return table;
    }();
    return areas;
}

QString keyAreaToolTip(int index) {
    return index == kToolTipIndex ? kKeyHelpHint.toString() : QString();
}

std::optional<QUrl> keyPageAddress(int index, const WebSettings& settings) {
    if (index < 0 || index >= kKeyAreaCount)
        return std::nullopt;
    return siteAddress(QStringLiteral("/wbwz/%1.htm").arg(keyAreas()[index].letter), settings);
}

QUrl hintLineAddress(const WebSettings& settings) {
    return *keyPageAddress(0, settings);
}

} // namespace radiane::lookup
