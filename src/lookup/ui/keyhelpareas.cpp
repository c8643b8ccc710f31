#include "lookup/ui/keyhelpareas.h"

#include "common/songfont.h"
#include "common/twips.h"
#include "lookup/ui/clickablelabel.h"
#include "lookup/ui/shellopen.h"
#include "lookup/ui/twipsplacement.h"

#include <QPointer>

namespace radiane::lookup {

std::array<ClickableLabel*, kKeyAreaCount> createKeyHelpAreas(QWidget* keyboardPicture,
                                                              QWidget* owner) {
    std::array<ClickableLabel*, kKeyAreaCount> areas{};
    for (int i = 0; i < kKeyAreaCount; ++i) {
        const KeyArea& key = keyAreas()[i];
        auto* area = new ClickableLabel(keyboardPicture);
        area->setObjectName(QStringLiteral("Label10_%1").arg(i));
        area->setGeometry(pxRect(key.left, key.top, kKeyAreaWidth, kKeyAreaHeight));
        area->setToolTip(keyAreaToolTip(i));
        QObject::connect(area, &ClickableLabel::clicked, area,
                         [owner = QPointer<QWidget>(owner), i] { openKeyHelp(owner, i); });
        area->show();
        areas[i] = area;
    }
    return areas;
}

void openKeyHelp(QWidget* owner, int index) {
    if (const std::optional<QUrl> address = keyPageAddress(index))
        shellOpen(owner, *address);
}

void openHintLineHelp(QWidget* owner) {
    shellOpen(owner, hintLineAddress());
}

HintLine createHintLine(QWidget* window) {
    const QString caption = kKeyHelpHint.toString();
    const QFont font = songFont(9);

    // Created first, so it lies under Label9.
    auto* Label11 = new QLabel(caption, window);
    Label11->setObjectName(QStringLiteral("Label11"));
    Label11->setFont(font);
    QPalette white = Label11->palette();
    white.setColor(QPalette::WindowText, Qt::white);
    Label11->setPalette(white);
    Label11->setAttribute(Qt::WA_TransparentForMouseEvents);
    placeTwips(Label11, 4275, 6510, 3420, 180);
    Label11->show();

    auto* Label9 = new ClickableLabel(caption, window);
    Label9->setObjectName(QStringLiteral("Label9"));
    Label9->setFont(font);
    placeTwips(Label9, 4290, 6525, 3420, 180);
    QObject::connect(Label9, &ClickableLabel::clicked, window,
                     [window] { openHintLineHelp(window); });
    Label9->show();

    return {Label9, Label11};
}

} // namespace radiane::lookup
