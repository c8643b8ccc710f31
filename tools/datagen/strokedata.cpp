#include "strokedata.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace datagen {

namespace {

constexpr double kTop = 900.0; // the package's top edge; its bottom edge is -124

QPointF flip(double x, double y) {
    return {x, kTop - y};
}

} // namespace

QPainterPath CharStrokes::outline(int first, int last) const {
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    for (int i = std::max(0, first); i <= last && i < count(); ++i)
        path.addPath(strokes[i]);
    return path;
}

QPainterPath parseStrokePath(const QString& svg) {
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    const QStringList tokens = svg.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    qsizetype i = 0;
    auto number = [&](bool& ok) -> double {
        if (i >= tokens.size()) {
            ok = false;
            return 0;
        }
        return tokens[i++].toDouble(&ok);
    };
    auto point = [&](bool& ok) {
        const double x = number(ok);
        const double y = ok ? number(ok) : 0;
        return flip(x, y);
    };
    QChar command;
    while (i < tokens.size()) {
        const QString& t = tokens[i];
        if (t.size() == 1 && t[0].isLetter()) {
            command = t[0];
            ++i;
        }
        bool ok = true;
        switch (command.unicode()) {
        case 'M':
            path.moveTo(point(ok));
            break;
        case 'L':
            path.lineTo(point(ok));
            break;
        case 'Q': {
            const QPointF c = point(ok);
            const QPointF e = point(ok);
            path.quadTo(c, e);
            break;
        }
        case 'C': {
            const QPointF c1 = point(ok);
            const QPointF c2 = point(ok);
            const QPointF e = point(ok);
            path.cubicTo(c1, c2, e);
            break;
        }
        case 'Z':
        case 'z':
            path.closeSubpath();
            command = QChar();
            break;
        default:
            return path;
        }
        if (!ok)
            return path;
    }
    return path;
}

StrokeData::StrokeData(QString folder) : folder_(std::move(folder)) {
    if (folder_.isEmpty())
        folder_ = qEnvironmentVariable("RADIANE_STROKES");
}

bool StrokeData::isValid() const {
    return !folder_.isEmpty() && QDir(folder_).exists();
}

std::optional<CharStrokes> StrokeData::load(const QString& character) const {
    QFile file(QDir(folder_).filePath(character + QStringLiteral(".json")));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QJsonObject root = QJsonDocument::fromJson(file.readAll()).object();
    CharStrokes out;
    out.character = character;
    for (const QJsonValue& s : root.value(QLatin1String("strokes")).toArray())
        out.strokes.append(parseStrokePath(s.toString()));
    for (const QJsonValue& m : root.value(QLatin1String("medians")).toArray()) {
        QList<QPointF> line;
        for (const QJsonValue& p : m.toArray()) {
            const QJsonArray xy = p.toArray();
            line.append(flip(xy.at(0).toDouble(), xy.at(1).toDouble()));
        }
        out.medians.append(line);
    }
    for (const QJsonValue& r : root.value(QLatin1String("radStrokes")).toArray())
        out.radStrokes.append(r.toInt());
    if (out.strokes.isEmpty() || out.strokes.size() != out.medians.size())
        return std::nullopt;
    return out;
}

} // namespace datagen
