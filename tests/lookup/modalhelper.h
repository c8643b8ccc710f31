#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace radiane::test {

// Calls inspect on the next modal window that opens while open() runs, then
// closes that window, so that open() returns. The window is closed even when
// inspect fails an assertion, and a window that never shows can't hang the test.
inline void whileModal(const std::function<void()>& open,
                       const std::function<void(QWidget*)>& inspect) {
    bool done = false;
    QTimer poll;
    poll.setInterval(10);
    int ticks = 0;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!done && modal && modal->isVisible()) {
            done = true;
            inspect(modal);
            if (QApplication::activeModalWidget() == modal)
                modal->close();
        } else if (++ticks > 500 && modal) {
            modal->close(); // something else is modal: give up rather than hang
        }
    });
    poll.start();
    open();
    poll.stop();
}

} // namespace radiane::test
