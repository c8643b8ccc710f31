#include "site/htmlpage.h"
#include "site/pages.h"

namespace radiane::site {

namespace {} // namespace

QStringList split(QStringView text) {
    QStringList list;
    for (QChar c : text)
        list << QString(c);
    return list;
}

namespace {

QString wordRow(SiteData& data, const QString& word) {
    QStringList codes;
    QStringList parts;
    for (const QString& c : split(word)) {
        const std::optional<lookup::CodeRecord> record = data.codes(c);
        if (!record)
            return {};
        codes << record->code1.trimmed();
        parts << esc(c) + u' ' + markedCode(record->code1.trimmed());
    }
    return QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td></tr>")
        .arg(esc(word), parts.join(QStringLiteral("，")), markedCode(wordCodeOf(codes)));
}

// Drilled characters whose code takes `radicals` radicals, the last letter an
// identification code when fewer than four, with the pictures of their parts.
QString splitExamples(SiteData& data, int radicals, int count) {
    QString rows;
    int shown = 0;
    for (const QString& c : data.drilledCharacters()) {
        if (shown == count)
            break;
        const std::optional<lookup::CodeRecord> record = data.codes(c);
        const QString code = record ? record->code1.trimmed() : QString();
        const int expectedLength = radicals < 4 ? radicals + 1 : 4;
        if (code.size() != expectedLength)
            continue;
        int parts = 0;
        while (parts < 4 && !record->seeds[parts].trimmed().isEmpty())
            ++parts;
        const bool fits = radicals < 4 ? parts == radicals : parts == 4;
        if (!fits)
            continue;
        ++shown;
        rows += QStringLiteral("<tr><td class=\"big-cell\"><a href=\"%1\">%2</a></td><td>")
                    .arg(lookupAddress(c), esc(c));
        for (int part = 1; part <= parts; ++part)
            rows += QStringLiteral("<img class=\"part\" src=\"%1\" alt=\"%2 第 %3 个字根\">")
                        .arg(pictureAddress(c + u'-' + QString::number(part)), esc(c))
                        .arg(part);
        rows += QStringLiteral("</td><td>%1%2</td></tr>")
                    .arg(markedCode(code, radicals < 4 ? expectedLength : 0),
                         radicals < 4 ? QStringLiteral("（末位是识别码）") : QString());
    }
    return QStringLiteral("<table><tr><th>字</th><th>字根（黑色）</th><th>编码</th></tr>%1</table>")
        .arg(rows);
}

// Drilled characters with a short code of length letters.
QStringList shortCoded(SiteData& data, int length, int count) {
    QStringList found;
    for (const QString& c : data.drilledCharacters()) {
        if (found.size() == count)
            break;
        for (const QString& code : data.tables().shortCodesOf(c))
            if (code.size() == length) {
                found << c;
                break;
            }
    }
    return found;
}

QString zonesTable(SiteData& data) {
    QString table =
        QStringLiteral("<table><tr><th>区</th><th>起笔</th><th>键位（区位号）与键名字根</th></tr>");
    for (int zone = 1; zone <= 5; ++zone) {
        table += QStringLiteral("<tr class=\"z%1\"><td>%1 区</td><td>%2</td><td>")
                     .arg(zone)
                     .arg(esc(zoneStroke(zone)));
        for (QChar key : zoneKeys(zone))
            table += QStringLiteral("<a href=\"%1\">%2（%3）%4</a> ")
                         .arg(keyAddress(key), QString(key.toUpper()), zoneNumber(key),
                              esc(keyNameOf(data, key)));
        table += QStringLiteral("</td></tr>");
    }
    return table + QStringLiteral("</table>");
}

QString identificationTable() {
    static const QString shapes[] = {QStringLiteral("左右型 1"), QStringLiteral("上下型 2"),
                                     QStringLiteral("杂合型 3")};
    QString table = QStringLiteral("<table><tr><th>末笔 \\ 字型</th>");
    for (const QString& shape : shapes)
        table += QStringLiteral("<th>%1</th>").arg(esc(shape));
    table += QStringLiteral("</tr>");
    for (int zone = 1; zone <= 5; ++zone) {
        table += QStringLiteral("<tr><th>%1 %2</th>").arg(esc(zoneStroke(zone))).arg(zone);
        for (int shape = 0; shape < 3; ++shape) {
            const QChar key = zoneKeys(zone)[shape];
            table += QStringLiteral("<td class=\"z%1\">%2 <span class=\"code\">%3</span></td>")
                         .arg(zone)
                         .arg(zoneNumber(key), QString(key.toUpper()));
        }
        table += QStringLiteral("</tr>");
    }
    return table + QStringLiteral("</table>");
}

} // namespace

QByteArray tutorialPage(SiteData& data) {
    QStringList keyNames;
    for (int zone = 1; zone <= 5; ++zone)
        for (QChar key : zoneKeys(zone))
            keyNames << keyNameOf(data, key);
    keyNames.removeAll(QString());

    QString words;
    for (const QString& word :
         {QStringLiteral("中国"), QStringLiteral("汉字"), QStringLiteral("学习"),
          QStringLiteral("计算机"), QStringLiteral("办公室"), QStringLiteral("人民政府"),
          QStringLiteral("中华人民共和国")})
        words += wordRow(data, word);

    QString body = QStringLiteral("<h1>五笔 86 版教程</h1>");
    body += QStringLiteral(
        "<p>本页所有编码都取自程序自带的编码库，点任一个字可查看它的全部编码和拆字图。</p>");
    body += QStringLiteral(
                "<h2>一、五区二十五键</h2><p>汉字的笔画归为横、竖、撇、捺（点）、折五种。"
                "键盘上 A 到 Y 的 25 个字母键按起笔分成五个区，每区五个键；区号和位号合成区位号，"
                "例如 G 键是 11，Y 键是 41。Z 键不放字根。</p>") +
            zonesTable(data) + strokesSection(data);
    body += QStringLiteral("<h2>三、键名字</h2><p>每个键的第一个字根叫键名，"
                           "键名本身是字，连打四下该键即可：</p><p>%1</p>")
                .arg(codedList(data, keyNames));
    body += QStringLiteral("<h2>四、成字字根</h2><p>本身是一个字的字根（键名以外）叫成字字根。"
                           "编码是：字根所在键（报户口），再加第一、第二和最后一笔的笔画键，"
                           "不足四码时就此结束。</p><p>%1</p>"
                           "<p>五种单笔画也按此规则，后面补两个 L：%2</p>")
                .arg(codedList(data, split(u"五士干十寸雨犬古石厂丁西戈七上止早虫川甲四车力手")),
                     codedList(data, split(u"一丨丿丶乙")));
    body += QStringLiteral("<h2>五、单字的取码规则</h2><p>一个字按书写顺序拆成字根，"
                           "取第一、第二、第三和最后一个字根所在的键，共四码。</p>") +
            splitExamples(data, 4, 6);
    body +=
        QStringLiteral("<p>不足四个字根的字，先打完全部字根，再补一个<b>末笔字型识别码</b>："
                       "末笔笔画的区号作区，字型作位。字型分左右型（1）、上下型（2）、杂合型（3）。"
                       "仍不足四码时就此结束（也可再加空格）。</p>") +
        identificationTable();
    body += QStringLiteral("<p>两个字根的字：</p>") + splitExamples(data, 2, 4);
    body += QStringLiteral("<p>三个字根的字：</p>") + splitExamples(data, 3, 4);
    body += principlesSection(data) + lastStrokeSection(data) + shapesSection(data);
    body +=
        QStringLiteral("<h2>六、简码</h2><p>常用字可以只打前一、二或三码，再加空格。</p>"
                       "<p><b>一级简码</b>：25 个最常用的字，各占一键，打一码：</p><p>%1</p>"
                       "<p><b>二级简码</b>：打前两码，例如：%2</p>"
                       "<p><b>三级简码</b>：打前三码，例如：%3</p>")
            .arg(codedList(data, split(u"一地在要工上是中国同和的有人我主产不为这民了发以经"), 1),
                 codedList(data, shortCoded(data, 2, 12), 2),
                 codedList(data, split(u"华想能意部党段通选错备楼读落"), 3));
    body +=
        QStringLiteral("<h2>七、词组</h2><p>词组一律打四码，每个字取它全码的前几码："
                       "二字词各取前两码；三字词取前两字的第一码和第三字的前两码；"
                       "四字及以上取第一、二、三字和最后一字的第一码。</p><table><tr><th>词</th>"
                       "<th>各字全码</th><th>词码</th></tr>%1</table>")
            .arg(words);
    return htmlDocument(QStringLiteral("五笔教程"), body, data.unusableFiles());
}

} // namespace radiane::site
