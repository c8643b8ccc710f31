#pragma once

#include "lookup/keyhelp.h"

#include <array>

class QLabel;
class QWidget;

namespace radiane::lookup {

class ClickableLabel;

// Label10(0..24): transparent, captionless click areas over the letter keys,
// created inside keyboardPicture (Picture5) at their places, 975 x 915 twips
// each, in index order (0 is a). A click opens the key's help page with owner
// (the main window) as the owner window. The M area carries the hint as its
// tooltip. Create them after the key marks so they lie on top and get the clicks.
std::array<ClickableLabel*, kKeyAreaCount> createKeyHelpAreas(QWidget* keyboardPicture,
                                                              QWidget* owner);

// The click handler of Label10(index): opens that key's help page; an index
// outside 0..24 does nothing.
void openKeyHelp(QWidget* owner, int index);

// The click handler of Label9: opens the page of key a.
void openHintLineHelp(QWidget* owner);

// The hint line under the keyboard: Label9 in the window text colour at
// (4290, 6525) twips and its white copy Label11 15 twips up and left, so the
// caption reads as engraved. Label9 lies on top and takes the clicks; Label11
// lets every click through, so the white edge it shows around Label9 opens
// nothing.
struct HintLine {
    ClickableLabel* Label9 = nullptr;
    QLabel* Label11 = nullptr;
};

// Creates the hint line on window (the main window's client area); a click on
// it opens the page of key a with window as owner.
HintLine createHintLine(QWidget* window);

} // namespace radiane::lookup
