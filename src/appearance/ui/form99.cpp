#include "appearance/ui/form99.h"

#include "appearance/ui/skinengine.h"

namespace radiane::appearance {

Form99::Form99(ProgramFolder folder, std::unique_ptr<SkinLibrary> library, QWidget* parent)
    : QWidget(parent), library_(library ? std::move(library) : std::make_unique<SkinEngine>()),
      skins_(std::move(folder), *library_) {
    setObjectName(QStringLiteral("Form99"));
    face = new QMenu(QStringLiteral("换肤"), this);
    face->setObjectName(QStringLiteral("face"));
    noface = face->addAction(QStringLiteral("取消皮肤"));
    noface->setObjectName(QStringLiteral("noface"));
    connect(noface, &QAction::triggered, this, [this] { skins_.nofaceClick(); });
    for (std::size_t i = 0; i < fff.size(); ++i) {
        fff[i] = face->addAction(QString::fromLatin1(kSkinCaptions[i]));
        fff[i]->setObjectName(QStringLiteral("fff_%1").arg(i));
        connect(fff[i], &QAction::triggered, this, [this, i] { fff_Click(int(i)); });
    }
}

Form99::~Form99() = default;

void Form99::fff_Click(int index) {
    // The caption at the moment of the click names the skin file.
    skins_.fffClick(fff[std::size_t(index)]->text());
}

void Form99::popupFace(const QPoint& globalPos) {
    face->exec(globalPos);
}

} // namespace radiane::appearance
