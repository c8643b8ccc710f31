#include "site/htmlpage.h"
#include "site/pages.h"

namespace radiane::site {

namespace {

// The letter keys as they lie on the keyboard, row by row.
const char* const kRows[] = {"qwertyuiop", "asdfghjkl", "xcvbnm"};
const char* const kRowClasses[] = {"row", "row home", "row bottom"};

} // namespace

QByteArray homePage(SiteData& data) {
    QString body = QStringLiteral("<h1>Radiane 五笔字根帮助</h1>"
                                  "<p>五笔 86 版把汉字拆成字根，字根分在 25 个字母键上。点一个键，"
                                  "看它的字根、口诀和例字的拆字图。</p><div class=\"keyboard\">");
    for (int r = 0; r < 3; ++r) {
        body += QStringLiteral("<div class=\"%1\">").arg(QLatin1String(kRowClasses[r]));
        for (const char* c = kRows[r]; *c; ++c) {
            const QChar key = QLatin1Char(*c);
            body += keyCap(key, keyNameOf(data, key));
        }
        body += QStringLiteral("</div>");
    }
    body += QStringLiteral(
        "</div><h2>学习</h2><ul>"
        "<li><a href=\"/wbwz/86help.htm\">五笔 86 版教程</a>：五区、键名、"
        "成字字根、单字与词组的取码规则、简码</li>"
        "<li><a href=\"/wb\">练习指南</a>：按什么顺序学、怎样用本程序练</li>"
        "<li><a href=\"/wbcx\">编码查询</a>：任一汉字的全码、简码和拆字图</li>"
        "<li><a href=\"/chart\">字根总表</a>：可打印的整张字根表</li></ul>"
        "<h2>25 键字根口诀</h2><table><tr><th>键</th><th>区位</th><th>口诀</th></tr>");
    for (int zone = 1; zone <= 5; ++zone)
        for (QChar key : zoneKeys(zone))
            body += QStringLiteral("<tr><td><a href=\"%1\">%2</a></td><td>%3</td><td>%4</td></tr>")
                        .arg(keyAddress(key), QString(key.toUpper()), zoneNumber(key),
                             esc(verseOf(key)));
    body += QStringLiteral("</table>");
    return htmlDocument(QStringLiteral("首页"), body, data.unusableFiles());
}

QByteArray practicePage(SiteData& data) {
    QString keys;
    for (int zone = 1; zone <= 5; ++zone) {
        keys += QStringLiteral("<li>第 %1 区（%2）：").arg(zone).arg(esc(zoneStroke(zone)));
        for (QChar key : zoneKeys(zone))
            keys += QStringLiteral("<a href=\"%1\">%2 %3</a> ")
                        .arg(keyAddress(key), QString(key.toUpper()), esc(keyNameOf(data, key)));
        keys += QStringLiteral("</li>");
    }
    const QString body =
        QStringLiteral(
            "<h1>五笔练习指南</h1><p>按下面的顺序学，每一步都在程序里练到不假思索再往下走。</p><ol>"
            "<li><b>五个区。</b>横、竖、撇、捺、折五种笔画各占一区：横区 GFDSA，竖区 HJKLM，"
            "撇区 TREWQ，捺区 YUIOP，折区 NBVCX。区号加位号就是区位号，如 G 是 11，X 是 55。"
            "<a href=\"/wbwz/86help.htm\">详见教程</a>。</li>"
            "<li><b>键名字根。</b>每键的第一个字根是键名，连打四下该键就是这个字：<ul>%1</ul></li>"
            "<li><b>字根和口诀。</b>一天一区，读每个键页上的字根图和口诀，口诀念熟，字根就记住了。"
            "程序里按 F1 可打开字根表。</li>"
            "<li><b>单个字根练习。</"
            "b>在程序里选“单个字根图”：看图按键，连错时程序会显示这个键的口诀。</li>"
            "<li><b>汉字中的字根练习。</b>选“汉字中的字根图”：汉字里涂黑的部分是一个字根，"
            "按它所在的键。键页的例字就是这些图。</li>"
            "<li><b>取码规则和简码。</b>学会单字取码、末笔字型识别码和三级简码，再学词组："
            "<a href=\"/wbwz/86help.htm\">五笔教程</a>。</li>"
            "<li><b>查字。</b>遇到拆不出的字，用<a "
            "href=\"/wbcx\">编码查询</a>看它的编码和拆字图。</li>"
            "</ol>")
            .arg(keys);
    return htmlDocument(QStringLiteral("练习指南"), body, data.unusableFiles());
}

QByteArray chartPage(SiteData& data) {
    QString body = QStringLiteral("<div class=\"chartsheet\"><h1>五笔 86 版字根总表</h1><p>共 %1 "
                                  "个字根。用浏览器的打印功能"
                                  "可把整张表打印出来。</p><div class=\"chart\">")
                       .arg(data.radicals().size());
    for (int zone = 1; zone <= 5; ++zone)
        for (QChar key : zoneKeys(zone)) {
            body +=
                QStringLiteral("<section class=\"chartkey z%1%2\"><h3><a href=\"%3\">%4 键 %5</a>"
                               "</h3><p class=\"verse\">%6</p><div class=\"tiles\">")
                    .arg(zone)
                    .arg(key == zoneKeys(zone).front() ? QStringLiteral(" first") : QString())
                    .arg(keyAddress(key), QString(key.toUpper()), zoneNumber(key),
                         esc(verseOf(key)));
            for (const RadicalRow* row : data.radicalsOf(key))
                body += QStringLiteral("<figure><img src=\"%1\" alt=\"%2\"><figcaption>%2"
                                       "</figcaption></figure>")
                            .arg(pictureAddress(row->picture), esc(radicalCaption(*row)));
            body += QStringLiteral("</div></section>");
        }
    body += QStringLiteral("</div></div>");
    return htmlDocument(QStringLiteral("字根总表"), body, data.unusableFiles());
}

} // namespace radiane::site
