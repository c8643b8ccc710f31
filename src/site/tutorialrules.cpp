#include "site/htmlpage.h"
#include "site/pages.h"

#include <initializer_list>

namespace radiane::site {

namespace {

// A character drawn by its radicals, black one at a time, when the drill has its pictures;
// else the character itself.
QString partPictures(SiteData& data, const QString& character) {
    QString html;
    for (int part = 1; part <= 4; ++part) {
        const QString name = character + u'-' + QString::number(part);
        const std::optional<lookup::CodeRecord> record = data.codes(character);
        if (!record || record->seeds[part - 1].trimmed().isEmpty() || !data.hasPicture(name))
            break;
        html += QStringLiteral("<img class=\"part\" src=\"%1\" alt=\"%2 第 %3 个字根\">")
                    .arg(pictureAddress(name), esc(character))
                    .arg(part);
    }
    return html.isEmpty()
               ? QStringLiteral("<span class=\"glyphcell\">%1</span>").arg(esc(character))
               : html;
}

struct Case {
    const char16_t* character;
    const char16_t* text;
};

QString caseTable(SiteData& data, std::initializer_list<Case> cases) {
    QString rows;
    for (const Case& c : cases) {
        const QString character = QString::fromUtf16(c.character);
        rows += QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td></tr>")
                    .arg(coded(data, character), partPictures(data, character),
                         esc(QString::fromUtf16(c.text)));
    }
    return QStringLiteral("<table class=\"cases\"><tr><th>字 编码</th><th>字根（黑色）</th>"
                          "<th>说明</th></tr>%1</table>")
        .arg(rows);
}

} // namespace

QString coded(SiteData& data, const QString& character, int level) {
    const std::optional<lookup::CodeRecord> record = data.codes(character);
    QString code = record ? record->code1.trimmed() : QString();
    if (level > 0) {
        code.clear();
        for (const QString& c : data.tables().shortCodesOf(character))
            if (c.size() == level)
                code = c;
    }
    return QStringLiteral("<span class=\"pair\"><a href=\"%1\">%2</a> %3</span>")
        .arg(lookupAddress(character), esc(character),
             code.isEmpty() ? QStringLiteral("（编码库缺此码）") : markedCode(code));
}

QString codedList(SiteData& data, const QStringList& characters, int level) {
    QStringList items;
    for (const QString& c : characters)
        items << coded(data, c, level);
    return items.join(QStringLiteral("，"));
}

QString strokesSection(SiteData& data) {
    struct Kind {
        const char16_t* sign;
        const char16_t* name;
        QChar key;
        const char16_t* covers;
    };
    const Kind kinds[] = {
        {u"一", u"横", u'g', u"横，以及从左下向右上的提（如“现”左边的末笔）"},
        {u"丨", u"竖", u'h', u"竖，以及竖钩"},
        {u"丿", u"撇", u't', u"从右上向左下的撇"},
        {u"丶", u"点", u'y', u"点和捺"},
        {u"乙", u"折", u'n', u"一切带转折的笔画（竖钩除外），如 乛 乚 𠃋 ㄣ"},
    };
    QString rows;
    for (const Kind& k : kinds) {
        const QString sign = QString::fromUtf16(k.sign);
        rows +=
            QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td><td>%4</td><td>%5</td></tr>")
                .arg(strokeOrder(data.tables().strokesOf(sign)), esc(QString::fromUtf16(k.name)),
                     keyCap(k.key), esc(QString::fromUtf16(k.covers)), coded(data, sign));
    }
    return QStringLiteral(
               "<h2>二、五种笔画</h2><p>五笔只认五种笔画，每种对应一个区的第一个键。"
               "识别码和成字字根都按它们打。单个笔画本身也是字：报户口（它所在的键）再打一次，"
               "补两个 L。</p><table "
               "class=\"strokekinds\"><tr><th>笔画</th><th>名称</th><th>键</th>"
               "<th>包括</th><th>单笔画的编码</th></tr>%1</table>")
        .arg(rows);
}

QString principlesSection(SiteData& data) {
    return QStringLiteral("<h3>拆分的四个原则</h3><p>同一个字常有几种拆法，按下面四条取舍："
                          "</p>") +
           caseTable(data,
                     {
                         {u"世", u"取大优先：拆出的字根越大越好、个数越少越好。"
                                 u"“世”拆成 廿 乙，不拆成 一 凵 乙。"},
                         {u"夫", u"取大优先：“夫”是 二 人，不是 一 大 或 一 一 人。"},
                         {u"自", u"兼顾直观：拆得看起来自然。“自”是 丿 目，"
                                 u"不是 白 三（那样 白 的撇和 目 共用笔画）。"},
                         {u"国", u"兼顾直观：照书写顺序先取外框 囗，再取里面的 王 丶；三个字根，"
                                 u"补识别码 I（末笔点，杂合型）。"},
                         {u"占", u"能散不连：字根之间能分开就当作分开（散），"
                                 u"“占”是上 卜 下 口，上下型。"},
                         {u"卡", u"能散不连：上 卜 两部分上下排开，按上下型取识别码 U（末笔点）。"},
                         {u"天", u"能连不交：字根能相连就不让它们相交。"
                                 u"“天”是 一 大（相连），不是 二 人（相交）。"},
                         {u"于", u"能连不交：“于”是 一 十，不是 二 丨。"},
                     });
}

QString lastStrokeSection(SiteData& data) {
    return QStringLiteral("<h3>末笔的特殊情况</h3><p>识别码的末笔一般是整个字最后写的一笔，"
                          "有两类例外：</p>") +
           caseTable(data, {
                               {u"迫", u"辶 和 廴 包围的字，末笔取被包围部分的末笔："
                                       u"“白”末笔横，杂合型，识别码 D。"},
                               {u"连", u"“车”末笔竖，杂合型，识别码 K。"},
                               {u"延", u"廴 同样：里面的 止 末笔横。"},
                               {u"劝", u"力 刀 九 匕 作末字根时，末笔一律取折（乙）："
                                       u"“劝”左右型，识别码 N。"},
                               {u"男", u"末字根 力，末笔折，上下型，识别码 B。"},
                               {u"切", u"末字根 刀，末笔折，左右型，识别码 N。"},
                               {u"化", u"末字根 匕，末笔折，左右型，识别码 N。"},
                               {u"仇", u"末字根 九，末笔折，左右型，识别码 N。"},
                           });
}

QString shapesSection(SiteData& data) {
    return QStringLiteral(
               "<h3>怎样分辨三种字型</h3><ul>"
               "<li><b>左右型（1）</b>：字根左右排开，或左中右三部分，彼此之间有空隙。</li>"
               "<li><b>上下型（2）</b>：字根上下排开，或上中下三部分，彼此之间有空隙。</li>"
               "<li><b>杂合型（3）</b>：其余的都是，包括一个字根包住另一个（全包围、半包围，"
               "含 辶 廴 的字）、字根相交、字根相连（单笔画连着字根，或带点的字）、"
               "以及不能再分的独体字。</li></ul><p>拿不准时先问：各部分之间有没有空隙？"
               "有，再看它们是左右还是上下排列；没有，就是杂合型。</p>") +
           caseTable(data, {
                               {u"汉", u"左右型：氵 和 又 左右分开。末笔捺，识别码 Y。"},
                               {u"字", u"上下型：宀 和 子 上下分开。末笔横，识别码 F。"},
                               {u"困", u"杂合型：囗 包住 木。识别码取 木 的末笔点：I。"},
                               {u"自", u"杂合型：丿 和 目 相连。末笔横，识别码 D。"},
                               {u"本", u"杂合型：木 和 一 相交。末笔横，识别码 D。"},
                           });
}

} // namespace radiane::site
