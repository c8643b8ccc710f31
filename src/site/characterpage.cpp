#include "site/htmlpage.h"
#include "site/pages.h"

namespace radiane::site {

namespace {

// The five strokes as the codes name them: the zone's stroke, its sign and its key.
struct Stroke {
    QChar key;
    QString sign;
    QString name;
};
const Stroke kStrokes[] = {{u'g', QStringLiteral("一"), QStringLiteral("横")},
                           {u'h', QStringLiteral("丨"), QStringLiteral("竖")},
                           {u't', QStringLiteral("丿"), QStringLiteral("撇")},
                           {u'y', QStringLiteral("丶"), QStringLiteral("点")},
                           {u'n', QStringLiteral("乙"), QStringLiteral("折")}};

const QString kShapes[] = {QStringLiteral("左右型"), QStringLiteral("上下型"),
                           QStringLiteral("杂合型")};

const Stroke* strokeOfKey(QChar key) {
    for (const Stroke& s : kStrokes)
        if (s.key == key.toLower())
            return &s;
    return nullptr;
}

const RadicalRow* rowOfPicture(SiteData& data, const QString& picture) {
    for (const RadicalRow& row : data.radicals())
        if (row.picture == picture)
            return &row;
    return nullptr;
}

// The radical row a character is itself, drawn from its own glyph.
const RadicalRow* rowOfCharacter(SiteData& data, const QString& character) {
    for (const RadicalRow& row : data.radicals())
        if (!row.fromExample && row.form == character)
            return &row;
    return nullptr;
}

QString capLink(QChar key) {
    return QStringLiteral("<a class=\"keyname\" href=\"%1\">%2</a>")
        .arg(keyAddress(key), QString(key.toUpper()));
}

int drilledParts(SiteData& data, const QString& character, const lookup::CodeRecord& record) {
    int parts = 0;
    while (parts < 4 && !record.seeds[parts].trimmed().isEmpty() &&
           data.hasPicture(character + u'-' + QString::number(parts + 1)))
        ++parts;
    return parts;
}

// The chart form of each radical, by picture name (empty where not told apart): a drilled
// character's from its painted parts, another's from its checked split of the same code.
struct Radicals {
    QStringList forms;
    bool painted = false; // the drill's pictures of the character paint them
};

Radicals radicalsOf(SiteData& data, const QString& character, const lookup::CodeRecord& record) {
    Radicals radicals;
    if (const int parts = drilledParts(data, character, record); parts > 0) {
        for (int part = 1; part <= parts; ++part)
            radicals.forms << data.formOf({character, part});
        radicals.painted = true;
    } else if (const std::optional<Split> split = data.tables().splitOf(character);
               split && split->code == record.code1.trimmed()) {
        radicals.forms = split->forms;
    }
    return radicals;
}

} // namespace

QString identificationText(QChar letter) {
    const int zone = zoneOf(letter.toLower());
    const int place = int(zoneKeys(zone).indexOf(letter.toLower())) + 1;
    if (zone == 0 || place < 1 || place > 3)
        return {};
    const Stroke& stroke = kStrokes[zone - 1];
    return QStringLiteral("%1：末笔%2（%3，第 %4 区），%5（第 %6 位）")
        .arg(QString(letter.toUpper()), stroke.sign, stroke.name)
        .arg(zone)
        .arg(kShapes[place - 1])
        .arg(place);
}

QString shortCodeLevels(SiteData& data, const QString& character,
                        const lookup::CodeRecord& record) {
    static const QString levels[] = {QStringLiteral("一级简码"), QStringLiteral("二级简码"),
                                     QStringLiteral("三级简码")};
    QStringList codes = data.tables().shortCodesOf(character);
    if (!data.tables().hasShortCodes())
        for (const QString& code : {record.code2.trimmed(), record.code3.trimmed()})
            if (!code.isEmpty() && code != record.code1.trimmed())
                codes << code;
    QStringList items;
    for (const QString& code : codes)
        if (code.size() >= 1 && code.size() <= 3)
            items << QStringLiteral("%1 %2").arg(levels[code.size() - 1], markedCode(code));
    return items.isEmpty() ? QStringLiteral("无（须打全码）") : items.join(QStringLiteral("；"));
}

// What the result page teaches about one character: its rule, radicals, identification
// letter and stroke order.
QString characterLessons(SiteData& data, const QString& character,
                         const lookup::CodeRecord& record) {
    const QString code = record.code1.trimmed();
    QString body;
    const QChar first = code.isEmpty() ? QChar() : code.front();
    const RadicalRow* own = rowOfCharacter(data, character);
    if (!code.isEmpty() && code.count(first) == code.size() &&
        keyNameOf(data, first) == character) {
        body += QStringLiteral("<h2>键名字</h2><p>“%1”是 %2 键的键名字根。键名字连打四下所在键："
                               "%3。</p>")
                    .arg(esc(character), capLink(first), markedCode(code));
    } else if (own && code.size() >= 2) {
        QStringList steps{QStringLiteral("%1 报户口（字根所在键）").arg(QString(first.toUpper()))};
        static const QString which[] = {QStringLiteral("首笔"), QStringLiteral("次笔"),
                                        QStringLiteral("末笔")};
        for (qsizetype i = 1; i < code.size(); ++i) {
            const Stroke* s = strokeOfKey(code[i]);
            if (code[i] == u'l' && !s)
                steps << QStringLiteral("L 补足四码");
            else if (s && i <= 3)
                steps << QStringLiteral("%1 %2%3（%4）")
                             .arg(QString(code[i].toUpper()), which[i - 1], s->sign, s->name);
        }
        body += QStringLiteral("<h2>成字字根</h2><p>“%1”本身是 %2 键上的字根。成字字根的编码："
                               "先打所在键（报户口），再打首笔、次笔和末笔的笔画键，不足四码"
                               "就此结束；单笔画后补 LL。</p><p>%3：%4。</p>")
                    .arg(esc(character), capLink(first), markedCode(code),
                         steps.join(QStringLiteral("，")));
    }

    const Radicals radicals = radicalsOf(data, character, record);
    const int parts = int(radicals.forms.size());
    if (parts > 0) {
        body += QStringLiteral("<h2>字根</h2><p>按书写顺序拆成字根，取第一、二、三和最后一个字根"
                               "所在的键。%1</p><div class=\"tiles\">")
                    .arg(radicals.painted ? QStringLiteral("图中黑色部分是这个字根。") : QString());
        for (int part = 1; part <= parts; ++part) {
            const QChar key = part <= code.size() ? code[part - 1] : QChar();
            const RadicalRow* row = rowOfPicture(data, radicals.forms[part - 1]);
            body += QStringLiteral("<figure class=\"part\">");
            if (radicals.painted)
                body += QStringLiteral("<img src=\"%1\" alt=\"%2 第 %3 个字根\">")
                            .arg(pictureAddress(character + u'-' + QString::number(part)),
                                 esc(character))
                            .arg(part);
            if (row)
                body += QStringLiteral("<img class=\"form\" src=\"%1\" alt=\"%2\">")
                            .arg(pictureAddress(row->picture), esc(radicalCaption(*row)));
            body +=
                QStringLiteral("<figcaption>第 %1 个：%2 <span class=\"keyto\">→ %3 "
                               "键</span></figcaption></figure>")
                    .arg(part)
                    .arg(row ? esc(radicalCaption(*row)) : QStringLiteral("字根"), capLink(key));
        }
        body += QStringLiteral("</div>");
    } else if (!own) {
        body += QStringLiteral("<h2>字根</h2><p>这个字没有拆字图（拆字图只收练习里的字和最常用的"
                               "字）。</p>");
    }

    // The identification letter follows the radicals when they are fewer than four; a
    // three-letter code of a character that is no radical is two radicals and that letter.
    const int counted = parts > 0 ? parts : (!own && code.size() == 3 ? 2 : 0);
    if (counted > 0 && counted < 4 && code.size() == counted + 1) {
        body += QStringLiteral("<h2>识别码</h2><p>只有 %1 个字根，补末笔字型识别码 %2。</p>")
                    .arg(counted)
                    .arg(esc(identificationText(code.back())));
        for (const QString& form : radicals.forms) {
            if (form == u"p04" || form == u"p05") {
                body += QStringLiteral("<p>辶、廴 包围的字，末笔取被包围部分的末笔。</p>");
                break;
            }
        }
    }

    const QList<QList<QPoint>> strokes = data.tables().strokesOf(character);
    if (!strokes.isEmpty())
        body += QStringLiteral("<h2>笔顺（%1 画）</h2>").arg(strokes.size()) + strokeOrder(strokes);
    return body;
}

} // namespace radiane::site
