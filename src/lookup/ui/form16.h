#pragma once

#include "lookup/websettings.h"

#include <QDialog>

class QComboBox;
class QPushButton;

namespace radiane::lookup {

class ClickableLabel;

// The about and online-lookup dialog: the program's name and version, links to
// the product sites, the forum, the code lookup, the tutorial and the contact
// address, and a lookup row that opens the site's search page for a character.
// Controls carry their names as object names (Combo1, Command4, Label36, ...).
class Form16 : public QDialog {
    Q_OBJECT
public:
    explicit Form16(QWidget* owner = nullptr, const WebSettings& settings = webSettings());

    // Opens a fresh dialog modally, centred on the screen, and destroys it once
    // the user closes it. Nothing carries over from one opening to the next.
    static void showModal(QWidget* owner);

private:
    void placeOnScreenCentre();
    void Command4_Click(); // the online lookup

    WebSettings settings_;
    QComboBox* Combo1 = nullptr;
    QPushButton* Command4 = nullptr;
};

} // namespace radiane::lookup
