#include "radicaltable.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>
#include <stdexcept>

namespace datagen {

namespace {

[[noreturn]] void fail(const QString& origin, int line, const QString& what) {
    throw std::runtime_error(
        QStringLiteral("%1:%2: %3").arg(origin).arg(line).arg(what).toStdString());
}

// True when s is exactly one Unicode code point (a surrogate pair counts as one).
bool isOneCodePoint(const QString& s) {
    if (s.size() == 1)
        return !s.at(0).isSurrogate();
    return s.size() == 2 && s.at(0).isHighSurrogate() && s.at(1).isLowSurrogate();
}

bool isPictureName(const QString& s) {
    if (s.size() != 3)
        return false;
    for (QChar c : s) {
        const ushort u = c.unicode();
        // Printable ASCII; comma would end the drill list's field, and path characters
        // would escape the picture folder.
        if (u < 0x21 || u > 0x7e || u == ',' || u == '/' || u == '\\' || u == '.' || u == '"')
            return false;
    }
    return true;
}

} // namespace

std::vector<Radical> parseRadicalTable(const QString& text, const QString& origin) {
    static const QRegularExpression strokeForm(QStringLiteral("^(\\S+) (\\d+)-(\\d+)( in full)?$"));
    std::vector<Radical> rows;
    QSet<QString> names;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const int lineNo = i + 1;
        QString line = lines.at(i);
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList cols = line.split(QLatin1Char('\t'));
        if (cols.size() != 6 && cols.size() != 7)
            fail(
                origin, lineNo,
                QStringLiteral("expected 6 or 7 tab-separated columns, found %1").arg(cols.size()));

        Radical r;
        r.key = cols.at(0);
        if (r.key.size() != 1 || r.key.at(0) < QLatin1Char('a') || r.key.at(0) > QLatin1Char('y'))
            fail(origin, lineNo, QStringLiteral("key \"%1\" is not a letter a..y").arg(r.key));
        r.text = cols.at(1);
        if (!isOneCodePoint(r.text))
            fail(origin, lineNo, QStringLiteral("radical \"%1\" is not one character").arg(r.text));

        r.source = cols.at(2);
        const QString drawing = cols.at(3);
        if (r.fromGlyph()) {
            if (!isOneCodePoint(drawing))
                fail(origin, lineNo,
                     QStringLiteral("glyph \"%1\" is not one character").arg(drawing));
            r.glyph = drawing;
        } else if (r.fromStrokes()) {
            const auto m = strokeForm.match(drawing);
            if (!m.hasMatch() || !isOneCodePoint(m.captured(1)))
                fail(origin, lineNo,
                     QStringLiteral("stroke form \"%1\" is not \"<character> <first>-<last>\"")
                         .arg(drawing));
            r.exampleChar = m.captured(1);
            r.firstStroke = m.captured(2).toInt();
            r.lastStroke = m.captured(3).toInt();
            r.inFull = m.hasCaptured(4);
            if (r.firstStroke > r.lastStroke)
                fail(origin, lineNo,
                     QStringLiteral("stroke range %1-%2 runs backwards")
                         .arg(r.firstStroke)
                         .arg(r.lastStroke));
        } else {
            fail(origin, lineNo,
                 QStringLiteral("source \"%1\" is neither glyph nor strokes").arg(r.source));
        }

        bool ok = false;
        r.strokeCount = cols.at(4).toInt(&ok);
        if (!ok || r.strokeCount < 1 || r.strokeCount > 30)
            fail(origin, lineNo,
                 QStringLiteral("stroke count \"%1\" is not a number 1..30").arg(cols.at(4)));
        if (r.fromStrokes() && r.strokeCount != r.lastStroke - r.firstStroke + 1)
            fail(origin, lineNo,
                 QStringLiteral("stroke count %1 does not match the range %2-%3")
                     .arg(r.strokeCount)
                     .arg(r.firstStroke)
                     .arg(r.lastStroke));

        r.name = cols.at(5);
        if (!isPictureName(r.name))
            fail(origin, lineNo,
                 QStringLiteral(
                     "picture name \"%1\" is not 3 printable ASCII characters without comma")
                     .arg(r.name));
        if (names.contains(r.name))
            fail(origin, lineNo, QStringLiteral("picture name \"%1\" is used twice").arg(r.name));
        names.insert(r.name);
        r.note = cols.size() == 7 ? cols.at(6) : QString();
        rows.push_back(std::move(r));
    }
    if (rows.empty())
        fail(origin, lines.size(), QStringLiteral("the table holds no radical"));
    return rows;
}

std::vector<Radical> loadRadicalTable(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error(
            QStringLiteral("%1: cannot read: %2").arg(path, file.errorString()).toStdString());
    return parseRadicalTable(QString::fromUtf8(file.readAll()), path);
}

} // namespace datagen
