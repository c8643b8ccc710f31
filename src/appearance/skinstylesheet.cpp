#include "appearance/skinstylesheet.h"

#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <array>
#include <initializer_list>
#include <optional>
#include <vector>

namespace radiane::appearance {

QString atSkinLine(int line, const QString& what) {
    return QStringLiteral("第 %1 行：%2").arg(line).arg(what);
}

namespace {

// The line of each position of the sheet.
class LineIndex {
public:
    LineIndex(const QString& text, int firstLine) : firstLine_(firstLine) {
        for (qsizetype i = 0; i < text.size(); ++i)
            if (text[i] == u'\n')
                newlines_.push_back(i);
    }
    int at(qsizetype pos) const {
        return firstLine_ +
               int(std::lower_bound(newlines_.begin(), newlines_.end(), pos) - newlines_.begin());
    }

private:
    int firstLine_;
    std::vector<qsizetype> newlines_;
};

const QString kUrlRefused = QStringLiteral("皮肤不能引用外部文件（url(...)）");
const QString kBackslashRefused = QStringLiteral("样式表中不能有反斜杠（\\）");

// Closed comments and strings, balanced braces, and no outside resources: no
// url(...), no escape that could spell one, no widget properties.
QString checkStructure(const QString& sheet, const LineIndex& lines) {
    int depth = 0;
    qsizetype openAt = 0;
    for (qsizetype i = 0; i < sheet.size(); ++i) {
        const QChar c = sheet[i];
        if (c == u'/' && i + 1 < sheet.size() && sheet[i + 1] == u'*') {
            const qsizetype end = sheet.indexOf(QStringLiteral("*/"), i + 2);
            if (end < 0)
                return atSkinLine(lines.at(i), QStringLiteral("样式表中的注释没有结束（缺少 */）"));
            i = end + 1;
        } else if (c == u'\\') {
            // An escape can spell anything, "\75rl(" for "url(" among them.
            return atSkinLine(lines.at(i), kBackslashRefused);
        } else if (c == u'"' || c == u'\'') {
            const qsizetype end = sheet.indexOf(c, i + 1);
            const qsizetype eol = sheet.indexOf(u'\n', i + 1);
            if (end < 0 || (eol >= 0 && eol < end))
                return atSkinLine(lines.at(i), QStringLiteral("样式表中的字符串没有结束"));
            // A string can carry a whole style sheet into a widget property.
            const QStringView text = QStringView(sheet).mid(i + 1, end - i - 1);
            if (text.contains(u'\\'))
                return atSkinLine(lines.at(i), kBackslashRefused);
            if (text.contains(u"url(", Qt::CaseInsensitive))
                return atSkinLine(lines.at(i), kUrlRefused);
            i = end;
        } else if (c == u'{') {
            if (depth == 0)
                openAt = i;
            if (++depth > 1)
                return atSkinLine(lines.at(i), QStringLiteral("样式表中的花括号不能嵌套"));
        } else if (c == u'}') {
            if (--depth < 0)
                return atSkinLine(lines.at(i), QStringLiteral("样式表中多了一个“}”"));
        } else if ((c == u'u' || c == u'U') &&
                   QStringView(sheet).mid(i, 4).compare(u"url(", Qt::CaseInsensitive) == 0) {
            return atSkinLine(lines.at(i), kUrlRefused);
        } else if ((c == u'q' || c == u'Q') &&
                   QStringView(sheet).mid(i, 10).compare(u"qproperty-", Qt::CaseInsensitive) == 0) {
            // Widget properties hold the drill's texts and pictures: not a skin's.
            return atSkinLine(lines.at(i), QStringLiteral("皮肤不能设置控件属性（qproperty-…）"));
        }
    }
    if (depth != 0)
        return atSkinLine(lines.at(openAt), QStringLiteral("样式表中的“{”没有对应的“}”"));
    return {};
}

// The sheet with comments and the insides of strings blanked out (line ends
// kept): what is left are selectors, braces and declarations. The structure
// has been checked.
QString blankCommentsAndStrings(QString sheet) {
    auto blank = [&](qsizetype from, qsizetype to) {
        for (qsizetype k = from; k < to; ++k)
            if (sheet[k] != u'\n')
                sheet[k] = u' ';
    };
    for (qsizetype i = 0; i < sheet.size(); ++i) {
        if (sheet[i] == u'/' && i + 1 < sheet.size() && sheet[i + 1] == u'*') {
            const qsizetype end = sheet.indexOf(QStringLiteral("*/"), i + 2) + 2;
            blank(i, end);
            i = end - 1;
        } else if (sheet[i] == u'"' || sheet[i] == u'\'') {
            const qsizetype end = sheet.indexOf(sheet[i], i + 1);
            blank(i + 1, end);
            i = end;
        }
    }
    return sheet;
}

// The controls a skin dresses. QFrame only as the top bar: every label is a QFrame.
constexpr std::array<const char*, 8> kStyledControls = {
    "QDialog",   "QMessageBox", "QPushButton", "QRadioButton",
    "QLineEdit", "QComboBox",   "QMenu",       "QToolTip",
};
// Parts inside a styled control, reached only through it.
constexpr std::array<std::pair<const char*, const char*>, 2> kInnerParts = {{
    {"QMessageBox", "QLabel"},
    {"QComboBox", "QAbstractItemView"},
}};

const QString kSelectorRefused =
    QStringLiteral("皮肤只能装饰 QDialog、QMessageBox、QFrame#Frame2、QPushButton、QRadioButton、"
                   "QLineEdit、QComboBox、QMenu、QToolTip，不能用选择器“%1”");

// Type, optional #name, then sub-controls and pseudo-states: "QMenu::item:selected".
const QRegularExpression& compoundPattern() {
    static const QRegularExpression pattern(QStringLiteral(
        "^\\.?([A-Za-z_]\\w*)(#[A-Za-z_][\\w-]*)?(?:::[A-Za-z][\\w-]*|:!?[A-Za-z][\\w-]*)*$"));
    return pattern;
}

bool allowedSelector(const QString& selector) {
    QString spaced = selector;
    spaced.replace(u'>', QStringLiteral(" > "));
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    const QStringList tokens = spaced.split(blanks, Qt::SkipEmptyParts);
    QString previousType;
    bool expectCompound = true;
    for (qsizetype k = 0; k < tokens.size(); ++k) {
        if (tokens[k] == u">") {
            if (expectCompound)
                return false;
            expectCompound = true;
            continue;
        }
        expectCompound = false;
        const QRegularExpressionMatch match = compoundPattern().match(tokens[k]);
        if (!match.hasMatch())
            return false;
        const QString type = match.captured(1);
        const bool last = k == tokens.size() - 1;
        const bool styled =
            std::any_of(kStyledControls.begin(), kStyledControls.end(),
                        [&](const char* name) { return type == QLatin1String(name); });
        const bool topBar = type == u"QFrame" && match.captured(2) == u"#Frame2";
        const bool innerPart =
            last && std::any_of(kInnerParts.begin(), kInnerParts.end(), [&](const auto& part) {
                return previousType == QLatin1String(part.first) &&
                       type == QLatin1String(part.second);
            });
        if (!styled && !topBar && !innerPart)
            return false;
        previousType = type;
    }
    return !tokens.isEmpty() && !expectCompound;
}

enum class Bound { Extent, MaxExtent, Spacing };

// Which bound a property's lengths keep to; none for properties without sizes
// that cost anything.
std::optional<Bound> boundOf(const QString& property) {
    static const QStringList extents = {
        QStringLiteral("width"),      QStringLiteral("height"),    QStringLiteral("min-width"),
        QStringLiteral("min-height"), QStringLiteral("icon-size"), QStringLiteral("top"),
        QStringLiteral("left"),       QStringLiteral("right"),     QStringLiteral("bottom")};
    if (extents.contains(property))
        return Bound::Extent;
    if (property == u"max-width" || property == u"max-height")
        return Bound::MaxExtent;
    auto startsWithAny = [&](std::initializer_list<const char16_t*> words) {
        return std::any_of(words.begin(), words.end(),
                           [&](const char16_t* word) { return property.startsWith(word); });
    };
    auto containsAny = [&](std::initializer_list<const char16_t*> words) {
        return std::any_of(words.begin(), words.end(),
                           [&](const char16_t* word) { return property.contains(word); });
    };
    if (startsWithAny({u"padding", u"margin", u"border", u"outline", u"spacing", u"font"}) &&
        !containsAny({u"color", u"style", u"radius", u"image", u"family", u"weight"}))
        return Bound::Spacing;
    return std::nullopt;
}

// Why value breaks the bound of property; empty when it keeps to it.
QString checkLengths(const QString& property, const QString& value, Bound bound) {
    // Arguments of functions (colours, gradients, nested too) are no lengths.
    QString outside;
    int depth = 0;
    for (const QChar c : value) {
        if (c == u'(' || c == u')') {
            depth = c == u'(' ? depth + 1 : std::max(depth - 1, 0);
            outside += u' ';
        } else if (depth == 0) {
            outside += c;
        }
    }
    static const QRegularExpression length(
        QStringLiteral("(?<![\\w#.-])([+-]?(?:\\d+\\.?\\d*|\\.\\d+))([A-Za-z%]*)"));
    const double low = bound == Bound::MaxExtent ? kMinSkinMaxExtentPx : 0;
    const double high = bound == Bound::Spacing ? kMaxSkinSpacingPx : kMaxSkinExtentPx;
    for (const QRegularExpressionMatch& m : length.globalMatch(outside)) {
        const QString unit = m.captured(2).toLower();
        if (!unit.isEmpty() && unit != u"px" && unit != u"pt")
            return QStringLiteral("“%1”的尺寸只能以 px 或 pt 为单位：%2")
                .arg(property, m.captured(0));
        const double px = m.captured(1).toDouble() * (unit == u"pt" ? 4.0 / 3.0 : 1.0);
        if (px < low || px > high)
            return QStringLiteral("“%1”的值 %2 超出皮肤允许的范围（%3 到 %4 px）")
                .arg(property, m.captured(0))
                .arg(low)
                .arg(high);
    }
    return {};
}

// Each rule: selectors that reach only the styled controls, sizes in bounds.
QString checkRules(const QString& sheet, const LineIndex& lines) {
    const QString plain = blankCommentsAndStrings(sheet);
    qsizetype i = 0;
    while (true) {
        while (i < plain.size() && plain[i].isSpace())
            ++i;
        if (i >= plain.size())
            return {};
        const qsizetype open = plain.indexOf(u'{', i);
        if (open < 0)
            return atSkinLine(lines.at(i), QStringLiteral("样式表的结尾不是一条完整的规则"));
        const qsizetype close = plain.indexOf(u'}', open);
        // The line where the text from pos on starts.
        auto lineOf = [&](qsizetype pos) {
            while (pos < close && plain[pos].isSpace())
                ++pos;
            return lines.at(pos);
        };
        qsizetype at = i;
        for (const QString& selector : plain.mid(i, open - i).split(u',')) {
            if (!allowedSelector(selector))
                return atSkinLine(lineOf(at), kSelectorRefused.arg(selector.simplified()));
            at += selector.size() + 1;
        }
        at = open + 1;
        for (const QString& declaration : plain.mid(open + 1, close - open - 1).split(u';')) {
            const qsizetype colon = declaration.indexOf(u':');
            const QString property = declaration.left(colon).trimmed().toLower();
            if (const auto bound = colon < 0 ? std::nullopt : boundOf(property)) {
                if (const QString error =
                        checkLengths(property, declaration.mid(colon + 1), *bound);
                    !error.isEmpty())
                    return atSkinLine(lineOf(at), error);
            }
            at += declaration.size() + 1;
        }
        i = close + 1;
    }
}

} // namespace

QString checkSkinStyleSheet(const QString& sheet, int firstLine) {
    const LineIndex lines(sheet, firstLine);
    qsizetype start = 0;
    while (start < sheet.size() && (sheet[start].isSpace() || sheet[start] == QChar(0xFEFF)))
        ++start;
    if (QStringView(sheet).mid(start).startsWith(u"file:", Qt::CaseInsensitive))
        return atSkinLine(lines.at(start),
                          QStringLiteral("样式表不能以“file:”开头（那会被当作要读入的文件名）"));
    if (QString error = checkStructure(sheet, lines); !error.isEmpty())
        return error;
    return checkRules(sheet, lines);
}

QString styleSheetForQt(const QString& sheet) {
    // Qt loads a sheet that starts with "file:///" from that file.
    return sheet.isEmpty() ? sheet : QStringLiteral("/* skin */\n") + sheet;
}

} // namespace radiane::appearance
