#include "appearance/skinformat.h"

#include "appearance/skinstylesheet.h"
#include "common/regularfile.h"

#include <QSet>
#include <QStringDecoder>
#include <QStringList>

namespace radiane::appearance {

const std::array<SkinColorKey, kSkinColorCount>& skinColorKeys() {
    static const std::array<SkinColorKey, kSkinColorCount> keys = {{
        {SkinColor::Window, "window", true},
        {SkinColor::WindowText, "window-text", true},
        {SkinColor::Base, "base", true},
        {SkinColor::AlternateBase, "alternate-base", false},
        {SkinColor::Text, "text", true},
        {SkinColor::Button, "button", true},
        {SkinColor::ButtonText, "button-text", true},
        {SkinColor::Highlight, "highlight", true},
        {SkinColor::HighlightedText, "highlighted-text", true},
        {SkinColor::ToolTipBase, "tooltip-base", false},
        {SkinColor::ToolTipText, "tooltip-text", false},
        {SkinColor::PlaceholderText, "placeholder-text", false},
        {SkinColor::BrightText, "bright-text", false},
        {SkinColor::Link, "link", false},
        {SkinColor::LinkVisited, "link-visited", false},
        {SkinColor::Light, "light", false},
        {SkinColor::Midlight, "midlight", false},
        {SkinColor::Mid, "mid", false},
        {SkinColor::Dark, "dark", false},
        {SkinColor::Shadow, "shadow", false},
    }};
    return keys;
}

namespace {

SkinParse refuse(QString reason) {
    return SkinParse{std::nullopt, std::move(reason)};
}

int hexDigit(QChar c) {
    if (c >= u'0' && c <= u'9')
        return c.unicode() - u'0';
    if (c >= u'a' && c <= u'f')
        return c.unicode() - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c.unicode() - u'A' + 10;
    return -1;
}

// "#rrggbb" or "#rgb".
std::optional<std::uint32_t> parseColor(const QString& text) {
    if (!text.startsWith(u'#') || (text.size() != 7 && text.size() != 4))
        return std::nullopt;
    std::uint32_t rgb = 0;
    for (qsizetype i = 1; i < text.size(); ++i) {
        const int d = hexDigit(text[i]);
        if (d < 0)
            return std::nullopt;
        rgb = text.size() == 7 ? (rgb << 4) | std::uint32_t(d) : (rgb << 8) | std::uint32_t(d * 17);
    }
    return rgb;
}

} // namespace

SkinParse parseSkin(QByteArrayView bytes) {
    if (bytes.size() > kMaxSkinFileBytes)
        return refuse(QStringLiteral("文件太大，不是皮肤文件"));
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return refuse(QStringLiteral("不是 UTF-8 文本，不是皮肤文件"));
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    if (text.contains(QChar(0)))
        return refuse(QStringLiteral("含有空字符，不是皮肤文件"));

    const QStringList lines = text.split(u'\n');
    const QString header = lines.first().trimmed();
    if (header != QLatin1String(kSkinHeader)) {
        if (header.startsWith(QStringLiteral("RADIANE-SKIN ")))
            return refuse(
                atSkinLine(1, QStringLiteral("不支持的皮肤格式版本“%1”").arg(header.mid(13))));
        return refuse(
            atSkinLine(1, QStringLiteral("缺少文件头“%1”，不是皮肤文件").arg(kSkinHeader)));
    }

    SkinDescription skin;
    QSet<QString> seen;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const int lineNo = int(i) + 1;
        const QString line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        if (line.compare(QLatin1String(kStyleSheetSection), Qt::CaseInsensitive) == 0) {
            skin.styleSheet = lines.mid(i + 1).join(u'\n');
            if (const QString error = checkSkinStyleSheet(skin.styleSheet, lineNo + 1);
                !error.isEmpty())
                return refuse(error);
            break;
        }
        const qsizetype eq = line.indexOf(u'=');
        if (eq < 0)
            return refuse(atSkinLine(lineNo, QStringLiteral("应为“键 = 值”：%1").arg(line)));
        const QString key = line.left(eq).trimmed().toLower();
        const QString value = line.mid(eq + 1).trimmed();
        if (seen.contains(key))
            return refuse(atSkinLine(lineNo, QStringLiteral("“%1”重复出现").arg(key)));
        seen.insert(key);

        if (key == u"name") {
            if (value.isEmpty())
                return refuse(atSkinLine(lineNo, QStringLiteral("皮肤名称是空的")));
            skin.name = value;
            continue;
        }
        if (key == u"style") {
            bool known = false;
            for (const char* style : kSkinStyles) {
                if (value.compare(QLatin1String(style), Qt::CaseInsensitive) == 0) {
                    skin.style = QLatin1String(style);
                    known = true;
                }
            }
            if (!known)
                return refuse(atSkinLine(lineNo, QStringLiteral("未知的窗口风格“%1”").arg(value)));
            continue;
        }
        bool known = false;
        for (const SkinColorKey& entry : skinColorKeys()) {
            if (key == QLatin1String(entry.key)) {
                const auto rgb = parseColor(value);
                if (!rgb)
                    return refuse(atSkinLine(
                        lineNo, QStringLiteral("颜色“%1”无效，应写作 #rrggbb").arg(value)));
                skin.colors[static_cast<std::size_t>(entry.color)] = rgb;
                known = true;
            }
        }
        if (!known)
            return refuse(atSkinLine(lineNo, QStringLiteral("未知的键“%1”").arg(key)));
    }

    if (skin.name.isEmpty())
        return refuse(QStringLiteral("缺少皮肤名称（name）"));
    for (const SkinColorKey& entry : skinColorKeys()) {
        if (entry.required && !skin.color(entry.color))
            return refuse(QStringLiteral("缺少颜色“%1”").arg(QLatin1String(entry.key)));
    }
    return SkinParse{std::move(skin), {}};
}

SkinParse loadSkinFile(const QString& path) {
    const FileBytes read = readRegularFile(path, kMaxSkinFileBytes);
    if (read.status == FileBytes::Status::Missing)
        return refuse(QStringLiteral("找不到皮肤文件"));
    if (!read.ok())
        return refuse(read.reason);
    return parseSkin(read.bytes);
}

} // namespace radiane::appearance
