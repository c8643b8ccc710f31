#include "radicalart.h"

#include <QFontInfo>
#include <QPainter>
#include <QRawFont>
#include <algorithm>
#include <stdexcept>

namespace datagen {

QFont songFont(double pixelSize, bool bold) {
    QFont font(QStringLiteral("Noto Serif CJK SC"));
    font.setPixelSize(qRound(pixelSize));
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    font.setStyleStrategy(QFont::StyleStrategy(QFont::PreferOutline | QFont::NoFontMerging));
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

RadicalArt radicalArt(const Radical& radical, const StrokeData& strokes) {
    RadicalArt art;
    if (radical.fromGlyph()) {
        constexpr double kEm = 1000.0;
        const QFont font = songFont(kEm);
        if (!QFontInfo(font).family().contains(QLatin1String("Noto Serif CJK")))
            throw std::runtime_error(
                "the font Noto Serif CJK SC is not installed (fonts-noto-cjk)");
        const QRawFont raw = QRawFont::fromFont(font);
        if (!raw.supportsCharacter(radical.glyph.toUcs4().value(0)))
            throw std::runtime_error(QStringLiteral("the font has no glyph for %1 (%2)")
                                         .arg(radical.glyph, radical.name)
                                         .toStdString());
        // The baseline sits at the ascent, so that the em square spans y 0..em like the strokes.
        art.path.addText(0, raw.ascent() - (raw.ascent() + raw.descent() - kEm) / 2, font,
                         radical.glyph);
        art.em = kEm;
    } else {
        const auto chars = strokes.load(radical.exampleChar);
        if (!chars)
            throw std::runtime_error(QStringLiteral("no stroke data for %1 (%2)")
                                         .arg(radical.exampleChar, radical.name)
                                         .toStdString());
        if (radical.lastStroke >= chars->count())
            throw std::runtime_error(QStringLiteral("%1 has %2 strokes, %3 asks for %4-%5")
                                         .arg(radical.exampleChar)
                                         .arg(chars->count())
                                         .arg(radical.name)
                                         .arg(radical.firstStroke)
                                         .arg(radical.lastStroke)
                                         .toStdString());
        art.path = chars->outline(radical.firstStroke, radical.lastStroke);
        for (int s = 0; radical.inFull && s < chars->count(); ++s)
            if (s < radical.firstStroke || s > radical.lastStroke)
                art.faint.addPath(chars->strokes[s]);
        art.em = kStrokeBox;
    }
    if (art.path.isEmpty())
        throw std::runtime_error(
            QStringLiteral("empty outline for %1").arg(radical.name).toStdString());
    return art;
}

QTransform fitTransform(const RadicalArt& art, const QRectF& box, const Fit& fit) {
    const QRectF ink = art.path.boundingRect().united(art.faint.boundingRect());
    double scale = fit.emPx / art.em;
    const double longer = std::max(ink.width(), ink.height()) * scale;
    if (longer > fit.maxInk)
        scale *= fit.maxInk / longer;
    else if (longer < fit.minInk && longer > 0)
        scale *= fit.minInk / longer;
    QTransform t;
    t.translate(box.center().x(), box.center().y());
    t.scale(scale, scale);
    t.translate(-ink.center().x(), -ink.center().y());
    return t;
}

void drawRadical(QPainter& painter, const RadicalArt& art, const QRectF& box, const Fit& fit,
                 const QColor& colour) {
    painter.save();
    const QTransform t = fitTransform(art, box, fit);
    painter.setTransform(t, true);
    if (fit.bolden > 0)
        painter.setPen(
            QPen(colour, fit.bolden / t.m11(), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    else
        painter.setPen(Qt::NoPen);
    if (!art.faint.isEmpty()) {
        // A light tint of the ink: seen as the rest of the glyph, not as part of the radical.
        auto tint = [](int c) { return c + (255 - c) * 11 / 20; };
        const QColor light(tint(colour.red()), tint(colour.green()), tint(colour.blue()));
        painter.setBrush(light);
        if (fit.bolden > 0)
            painter.setPen(
                QPen(light, fit.bolden / t.m11(), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPath(art.faint);
        if (fit.bolden > 0)
            painter.setPen(
                QPen(colour, fit.bolden / t.m11(), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    }
    painter.setBrush(colour);
    painter.drawPath(art.path);
    painter.restore();
}

std::vector<Radical> radicalsOfKey(const std::vector<Radical>& table, const QString& key) {
    std::vector<Radical> out;
    std::copy_if(table.begin(), table.end(), std::back_inserter(out),
                 [&](const Radical& r) { return r.key == key; });
    return out;
}

} // namespace datagen
