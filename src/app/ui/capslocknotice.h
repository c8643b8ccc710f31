#pragma once

#include <QLabel>
#include <QString>

namespace radiane::app {

// A short line in the main window telling the learner that Caps Lock is on,
// shown while the last key typed was the upper-case form of the key asked
// for. It leaves the drill's marks and hint bar alone.
class CapsLockNotice : public QLabel {
    Q_OBJECT
public:
    explicit CapsLockNotice(QWidget* parent);

    // The answer box went from before to after while expectedKey was asked
    // for. Only a longer text means a key was typed; a Backspace, or the
    // drill's own clearing of the box, changes nothing here.
    void answerChanged(const QString& before, const QString& after, const QString& expectedKey);
};

} // namespace radiane::app
