#include "appearance/ui/skinengine.h"

#include "appearance/skinstylesheet.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>

namespace radiane::appearance {

namespace {

QColor colorOf(std::uint32_t rgb) {
    return QColor::fromRgb(QRgb(0xff000000u | rgb));
}

QColor mix(const QColor& a, const QColor& b, double t) {
    return QColor::fromRgbF(float(a.redF() * (1 - t) + b.redF() * t),
                            float(a.greenF() * (1 - t) + b.greenF() * t),
                            float(a.blueF() * (1 - t) + b.blueF() * t));
}

void setStyle(const QString& name) {
    if (QApplication::style() &&
        QApplication::style()->name().compare(name, Qt::CaseInsensitive) == 0)
        return;
    if (QStyle* style = QStyleFactory::create(name))
        QApplication::setStyle(style);
}

} // namespace

SkinEngine::SkinEngine()
    : plainStyle_(QApplication::style() ? QApplication::style()->name() : QString()),
      plainPalette_(QApplication::palette()), plainStyleSheet_(qApp->styleSheet()) {}

SkinEngine::~SkinEngine() = default;

QPalette SkinEngine::paletteOf(const SkinDescription& skin) {
    auto given = [&](SkinColor c) { return colorOf(*skin.color(c)); };
    const QColor window = given(SkinColor::Window);
    const QColor button = given(SkinColor::Button);
    // Derives light, mid, dark and shadow from the button colour.
    QPalette palette(button, window);
    palette.setColor(QPalette::WindowText, given(SkinColor::WindowText));
    palette.setColor(QPalette::Base, given(SkinColor::Base));
    palette.setColor(QPalette::Text, given(SkinColor::Text));
    palette.setColor(QPalette::ButtonText, given(SkinColor::ButtonText));
    palette.setColor(QPalette::Highlight, given(SkinColor::Highlight));
    palette.setColor(QPalette::HighlightedText, given(SkinColor::HighlightedText));
    palette.setColor(QPalette::AlternateBase,
                     mix(given(SkinColor::Base), given(SkinColor::Window), 0.5));
    palette.setColor(QPalette::ToolTipBase, given(SkinColor::Base));
    palette.setColor(QPalette::ToolTipText, given(SkinColor::Text));
    palette.setColor(QPalette::PlaceholderText,
                     mix(given(SkinColor::Text), given(SkinColor::Base), 0.5));
    palette.setColor(QPalette::Link, given(SkinColor::Highlight));
    palette.setColor(QPalette::LinkVisited, given(SkinColor::Highlight).darker(130));

    static const std::pair<SkinColor, QPalette::ColorRole> optional[] = {
        {SkinColor::AlternateBase, QPalette::AlternateBase},
        {SkinColor::ToolTipBase, QPalette::ToolTipBase},
        {SkinColor::ToolTipText, QPalette::ToolTipText},
        {SkinColor::PlaceholderText, QPalette::PlaceholderText},
        {SkinColor::BrightText, QPalette::BrightText},
        {SkinColor::Link, QPalette::Link},
        {SkinColor::LinkVisited, QPalette::LinkVisited},
        {SkinColor::Light, QPalette::Light},
        {SkinColor::Midlight, QPalette::Midlight},
        {SkinColor::Mid, QPalette::Mid},
        {SkinColor::Dark, QPalette::Dark},
        {SkinColor::Shadow, QPalette::Shadow},
    };
    for (const auto& [color, role] : optional) {
        if (const auto rgb = skin.color(color))
            palette.setColor(role, colorOf(*rgb));
    }

    // Greyed-out text: halfway between the text and what it stands on.
    const QPalette active = palette;
    auto dim = [&](QPalette::ColorRole text, QPalette::ColorRole ground) {
        palette.setColor(QPalette::Disabled, text,
                         mix(active.color(QPalette::Active, text),
                             active.color(QPalette::Active, ground), 0.55));
    };
    dim(QPalette::WindowText, QPalette::Window);
    dim(QPalette::Text, QPalette::Base);
    dim(QPalette::ButtonText, QPalette::Button);
    palette.setColor(QPalette::Disabled, QPalette::Highlight,
                     mix(active.color(QPalette::Highlight), active.color(QPalette::Window), 0.6));
    return palette;
}

void SkinEngine::apply(const SkinDescription& skin) {
    // Style first: a new style resets the palette to its own.
    setStyle(skin.style);
    QApplication::setPalette(paletteOf(skin));
    qApp->setStyleSheet(styleSheetForQt(skin.styleSheet));
    currentSkin_ = skin.name;
}

void SkinEngine::restorePlain() {
    qApp->setStyleSheet(plainStyleSheet_);
    if (!plainStyle_.isEmpty())
        setStyle(plainStyle_);
    QApplication::setPalette(plainPalette_);
    currentSkin_.clear();
}

std::int16_t SkinEngine::SkinStart(const QString& path, int mode, const QString&, int, int,
                                   int* out) {
    if (out)
        *out = 0;
    lastFailure_.clear();
    switch (mode) {
    case 2: {
        const SkinParse parsed = loadSkinFile(path);
        if (!parsed.ok()) {
            lastFailure_ = parsed.error;
            return 0;
        }
        apply(*parsed.skin);
        return 1;
    }
    case 0:
        restorePlain();
        return 1;
    case 1:
        // Start-up without a skin: the plain look is already in force.
        return 1;
    default:
        lastFailure_ = QStringLiteral("未知的换肤方式 %1").arg(mode);
        return 0;
    }
}

void SkinEngine::SkinRemove() {
    if (!currentSkin_.isEmpty())
        restorePlain();
}

} // namespace radiane::appearance
