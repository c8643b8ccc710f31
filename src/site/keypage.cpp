#include "drill/keyhinttable.h"
#include "site/htmlpage.h"
#include "site/pages.h"

#include <QSet>
#include <algorithm>

namespace radiane::site {

QString markedCode(const QString& code, int part) {
    QString marked;
    for (qsizetype i = 0; i < code.size(); ++i) {
        const QString letter = esc(code.mid(i, 1));
        marked += i + 1 == part ? QStringLiteral("<em>%1</em>").arg(letter) : letter;
    }
    return QStringLiteral("<span class=\"code\">%1</span>").arg(marked);
}

QString keyNameOf(SiteData& data, QChar key) {
    const std::vector<const RadicalRow*> rows = data.radicalsOf(key);
    return rows.empty() ? QString() : rows.front()->form;
}

QString verseOf(QChar key) {
    const drill::KeyHintRow* row = drill::findKeyHint(QString(key));
    if (!row)
        return {};
    // The site's own copy punctuates in full width throughout; the drill keeps its texts.
    QString verse = row->verse;
    static const std::pair<char16_t, char16_t> kFullWidth[] = {
        {u',', u'，'}, {u';', u'；'}, {u':', u'：'}, {u'(', u'（'},
        {u')', u'）'}, {u'!', u'！'}, {u'?', u'？'}};
    for (const auto& [half, full] : kFullWidth)
        verse.replace(QChar(half), QChar(full));
    return verse;
}

QString noteText(const QString& note) {
    if (note == u"key name")
        return QStringLiteral("键名字根");
    // Notes are "<Chinese name>, <explanation>": the name is what a learner says.
    const QString name = note.section(u',', 0, 0).trimmed();
    const bool chinese = !name.isEmpty() && std::all_of(name.cbegin(), name.cend(), [](QChar c) {
        return c.unicode() >= 0x2E80 || c.isSurrogate();
    });
    return chinese ? name : QString();
}

QString radicalCaption(const RadicalRow& row) {
    if (!row.fromExample || row.form != row.example)
        return row.form;
    const QString note = noteText(row.note);
    return note.isEmpty() ? QStringLiteral("取自“%1”").arg(row.form) : note;
}

constexpr int kExamplesPerForm = 8;

QString radicalFigure(const RadicalRow& row, int zone) {
    const QString caption = radicalCaption(row);
    QString note = noteText(row.note);
    if (note == caption)
        note.clear();
    return QStringLiteral("<figure class=\"z%1\"><img src=\"%2\" alt=\"%3\"><figcaption>%3%4"
                          "</figcaption></figure>")
        .arg(zone)
        .arg(pictureAddress(row.picture), esc(caption),
             note.isEmpty() ? QString()
                            : QStringLiteral("<span class=\"note\">%1</span>").arg(esc(note)));
}

// The example's character with its radical painted black and its code; empty when the data
// lack its code or picture.
QString exampleFigure(SiteData& data, const Example& example, const QString& radical = QString()) {
    const std::optional<lookup::CodeRecord> record = data.codes(example.character);
    const QString picture = example.character + u'-' + QString::number(example.part);
    if (!record || !data.hasPicture(picture))
        return {};
    return QStringLiteral("<figure><a href=\"%1\"><img src=\"%2\" alt=\"%3\"></a>"
                          "<figcaption>%3 %4%5</figcaption></figure>")
        .arg(lookupAddress(example.character), pictureAddress(picture), esc(example.character),
             markedCode(record->code1.trimmed(), example.part),
             radical.isEmpty()
                 ? QString()
                 : QStringLiteral("<span class=\"radical\">%1</span>").arg(esc(radical)));
}

// A form no drilled character paints: the character it is, or is taken from, or characters
// that begin or end with it, each with its code.
QString formCharacters(SiteData& data, const RadicalRow& row) {
    QStringList characters{row.fromExample ? row.example : row.form};
    if (!data.codes(characters.front()))
        characters = split(data.tables().formExamples(row.picture));
    QString html;
    for (const QString& c : characters)
        if (const std::optional<lookup::CodeRecord> record = data.codes(c))
            html += QStringLiteral("<figure class=\"word\"><a class=\"glyph\" href=\"%1\">%2</a>"
                                   "<figcaption>%2 %3<span class=\"radical\">%4</span></figcaption>"
                                   "</figure>")
                        .arg(lookupAddress(c), esc(c), markedCode(record->code1.trimmed()),
                             esc(radicalCaption(row)));
    if (html.isEmpty())
        return QStringLiteral("<p class=\"none\">暂无例字</p>");
    QString twin;
    for (const RadicalRow& other : data.radicals())
        if (other.picture == data.tables().formTwin(row.picture))
            twin = QStringLiteral("<p class=\"twin\">这个字形与“%1”写法相同，拆字数据分不出二者；"
                                  "下面的例字是按五笔 86 编码手选的。</p>")
                       .arg(esc(radicalCaption(other)));
    const QString shown = QStringLiteral("<div class=\"tiles\">%1</div>").arg(html);
    return twin.isEmpty() ? shown : QStringLiteral("<div>%1%2</div>").arg(twin, shown);
}

QString tiles(SiteData& data, const QList<Example>& examples, int cap,
              const QString& radical = QString()) {
    QString html;
    int shown = 0;
    for (const Example& example : examples) {
        if (shown >= cap)
            break;
        const QString figure = exampleFigure(data, example, radical);
        html += figure;
        shown += figure.isEmpty() ? 0 : 1;
    }
    return shown == 0 ? QStringLiteral("<p class=\"none\">暂无例字</p>")
                      : QStringLiteral("<div class=\"tiles\">%1</div>").arg(html);
}

// Each radical with the examples that paint it, then the examples whose form is not known.
QString radicalsWithExamples(SiteData& data, QChar key, int zone,
                             const std::vector<const RadicalRow*>& rows) {
    const QList<Example> examples = data.examplesOf(key);
    const QString upper = key.toUpper();
    QString body =
        QStringLiteral("<p>每个字根右边是含有它的例字（最多 %1 个，常用字在前）：黑色部分是这个"
                       "字根，编码中标红的字母就是它。点字可查看该字的全部编码。</p>")
            .arg(kExamplesPerForm);
    QStringList forms;
    for (const Example& example : examples)
        forms << data.formOf(example);
    QSet<QString> placed;
    for (const RadicalRow* row : rows) {
        QList<Example> own;
        for (qsizetype n = 0; n < examples.size(); ++n)
            if (forms[n] == row->picture) {
                own.append(examples[n]);
                placed.insert(examples[n].character);
            }
        const QString shown = own.isEmpty()
                                  ? formCharacters(data, *row)
                                  : tiles(data, own, kExamplesPerForm, radicalCaption(*row));
        body +=
            QStringLiteral("<div class=\"form\">%1%2</div>").arg(radicalFigure(*row, zone), shown);
    }
    QList<Example> others;
    for (qsizetype n = 0; n < examples.size(); ++n)
        if (!placed.contains(examples[n].character) && forms[n].isEmpty())
            others.append(examples[n]);
    if (!others.isEmpty())
        body += QStringLiteral("<h2>其他例字（%1 个）</h2><p>这些字里落在 %2 "
                               "键上的字根（黑色部分）未归到上面的某一个字形。</p>%3")
                    .arg(others.size())
                    .arg(upper, tiles(data, others, int(others.size())));
    return body;
}

QByteArray keyPage(SiteData& data, QChar key) {
    const QString upper = key.toUpper();
    const int zone = zoneOf(key);
    QString body = QStringLiteral("<h1>%1 键（%2）</h1>").arg(upper, zoneNumber(key));
    body +=
        QStringLiteral("<dl class=\"facts\"><dt>区位</dt><dd>第 %1 区（%2起笔区）第 %3 位，区位号 "
                       "%4</dd><dt>键名字根</dt><dd class=\"verse\">%5</dd><dt>字根口诀</dt>"
                       "<dd class=\"verse\">%6</dd></dl>")
            .arg(zone)
            .arg(esc(zoneStroke(zone)))
            .arg(zoneKeys(zone).indexOf(key) + 1)
            .arg(zoneNumber(key), esc(keyNameOf(data, key)), esc(verseOf(key)));

    const std::vector<const RadicalRow*> rows = data.radicalsOf(key);
    body += QStringLiteral("<h2>%1 键的字根（%2 个）</h2>").arg(upper).arg(rows.size());
    // A table that could not be read is named at the top of the page.
    if (rows.empty() && !data.radicals().empty())
        body += QStringLiteral("<p class=\"notice\">字根表 radicals.tsv 里没有 %1 键的字根。</p>")
                    .arg(upper);
    if (data.hasForms()) {
        body += radicalsWithExamples(data, key, zone, rows);
        return htmlDocument(upper + QStringLiteral(" 键"), body, data.unusableFiles());
    }
    body += QStringLiteral("<div class=\"tiles\">");
    for (const RadicalRow* row : rows)
        body += radicalFigure(*row, zone);
    body += QStringLiteral("</div>");

    const QList<Example> examples = data.examplesOf(key);
    body += QStringLiteral("<h2>例字：%1 键的字根在汉字中（%2 个）</h2>"
                           "<p>黑色部分是落在 %1 "
                           "键上的字根，编码中标红的字母就是它。点字可查看该字的全部编码。</p>"
                           "<div class=\"tiles\">")
                .arg(upper)
                .arg(examples.size());
    for (const Example& example : examples)
        body += exampleFigure(data, example);
    body += QStringLiteral("</div>");
    return htmlDocument(upper + QStringLiteral(" 键"), body, data.unusableFiles());
}

} // namespace radiane::site
