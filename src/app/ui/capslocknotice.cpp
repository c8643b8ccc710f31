#include "app/ui/capslocknotice.h"

#include "drill/capslock.h"

namespace radiane::app {

CapsLockNotice::CapsLockNotice(QWidget* parent)
    : QLabel(QStringLiteral("大写锁定（Caps Lock）已打开"), parent) {
    setObjectName(QStringLiteral("CapsLockNotice"));
    setStyleSheet(QStringLiteral("color: rgb(255, 0, 0); background: transparent;"));
    hide();
}

void CapsLockNotice::answerChanged(const QString& before, const QString& after,
                                   const QString& expectedKey) {
    if (after.size() <= before.size())
        return;
    const QChar expected = expectedKey.isEmpty() ? QChar() : expectedKey.front();
    setVisible(drill::isUpperCaseOfExpected(after.back(), expected));
}

} // namespace radiane::app
