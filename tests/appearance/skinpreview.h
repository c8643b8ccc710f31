#pragma once

#include <QImage>
#include <QString>
#include <QWidget>

class QLabel;
class QFrame;

namespace radiane::test {

// A window laid out like the main window (top bar with two buttons and two
// option buttons, hint bar, five white slot pictures, the orange marker with
// the red arrow, a keyboard picture, the shadowed prompt), built the way the
// main window builds it, for looking at skins and checking what they leave.
struct PreviewWindow {
    QWidget* window = nullptr;
    QFrame* frame2 = nullptr;
    QLabel* hint = nullptr;     // Label4
    QLabel* picture1[5] = {};   // Picture1(0..4)
    QWidget* marker = nullptr;  // Shape11
    QLabel* arrow = nullptr;    // Label3
    QLabel* keyboard = nullptr; // Picture5
};
PreviewWindow makePreviewWindow();

// A dialog like the about dialog: labels, a line edit, a combo box, buttons.
QWidget* makePreviewDialog();

// Main window, dialog, message box and skin menu side by side, as one image.
QImage renderPreview(const QString& title);

} // namespace radiane::test
