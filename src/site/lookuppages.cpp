#include "lookup/onlinequery.h"
#include "site/htmlpage.h"
#include "site/pages.h"
#include "site/requesttarget.h"

namespace radiane::site {

namespace {

QString lookupForm(const QString& value) {
    QString form =
        QStringLiteral("<form action=\"/wbcx/search.asp\" method=\"get\" accept-charset=\"utf-8\">"
                       "<input type=\"hidden\" name=\"page\" value=\"1\">"
                       "<input type=\"hidden\" name=\"type\" value=\"title\">"
                       "<label>查询汉字：<input type=\"text\" name=\"searchtxt\" maxlength=\"8\" "
                       "value=\"%1\"></label> <button type=\"submit\">查 询</button></form>"
                       "<p>例字：")
            .arg(esc(value));
    for (const QString& example : lookup::exampleCharacters())
        form += QStringLiteral("<a href=\"%1\">%2</a> ").arg(lookupAddress(example), esc(example));
    return form + QStringLiteral("</p>");
}

// A code with its first `lead` letters marked.
QString leadMarked(const QString& code, int lead) {
    return QStringLiteral("<span class=\"code\"><em>%1</em>%2</span>")
        .arg(esc(code.left(lead)), esc(code.mid(lead)));
}

QByteArray wordPage(SiteData& data, const QString& word, const QString& code) {
    QStringList fullCodes;
    QList<QString> characters;
    for (qsizetype i = 0; i < word.size(); ++i) {
        characters << word.mid(i, 1);
        const std::optional<lookup::CodeRecord> record = data.codes(characters.back());
        fullCodes << (record ? record->code1.trimmed() : QString());
    }
    QList<int> taken;
    wordCodeOf(fullCodes, &taken);
    QString rows;
    for (qsizetype i = 0; i < characters.size(); ++i)
        rows +=
            QStringLiteral("<tr><td class=\"pair\"><a href=\"%1\">%2</a> %3</td><td>%4</td></tr>")
                .arg(lookupAddress(characters[i]), esc(characters[i]),
                     leadMarked(fullCodes[i], taken.value(i)),
                     taken.value(i) ? QStringLiteral("取前 %1 码").arg(taken.value(i))
                                    : QStringLiteral("不取码"));
    static const QString rules[] = {
        QStringLiteral("二字词各取两字全码的前两码。"),
        QStringLiteral("三字词取前两字的第一码和第三字的前两码。"),
        QStringLiteral("四字及以上的词取第一、二、三字和最后一字的第一码。")};
    const QString body =
        QStringLiteral("<h1>“%1”的五笔编码</h1><div class=\"big\">%1</div>"
                       "<dl class=\"facts\"><dt>词码</dt><dd>%2</dd></dl><h2>取码</h2><p>%3"
                       "标红的字母组成词码。</p><table><tr><th>字 全码</th><th>取码</th></tr>%4"
                       "</table><h2>再查一个</h2>")
            .arg(esc(word), markedCode(code), rules[std::min<qsizetype>(word.size(), 4) - 2],
                 rows) +
        lookupForm(QString());
    return htmlDocument(word + QStringLiteral(" 的五笔编码"), body);
}

} // namespace

QByteArray lookupFormPage(const QString& message) {
    QString body = QStringLiteral("<h1>五笔编码查询</h1>");
    if (!message.isEmpty())
        body += QStringLiteral("<p class=\"notice\">%1</p>").arg(esc(message));
    body += QStringLiteral("<p>输入一个汉字，查看它的五笔 86 版全码、简码和拆字图。</p>");
    body += lookupForm(QString());
    return htmlDocument(QStringLiteral("编码查询"), body);
}

QString wordCodeOf(const QStringList& codes, QList<int>* taken) {
    QList<int> lead(codes.size(), 0);
    if (codes.size() == 2) {
        lead = {2, 2};
    } else if (codes.size() == 3) {
        lead = {1, 1, 2};
    } else if (codes.size() > 3) {
        lead[0] = lead[1] = lead[2] = 1;
        lead.back() = 1;
    }
    QString code;
    for (qsizetype i = 0; i < codes.size(); ++i)
        code += codes[i].left(lead[i]);
    if (taken)
        *taken = lead;
    return code;
}

QByteArray lookupResultPage(SiteData& data, const QString& query, bool* found) {
    if (query.size() >= 2) {
        const QString code = data.tables().wordCode(query);
        *found = !code.isEmpty();
        if (*found)
            return wordPage(data, query, code);
    }
    const QString character = firstCharacter(query);
    const std::optional<lookup::CodeRecord> record = data.codes(character);
    *found = record.has_value();
    if (character.isEmpty()) {
        *found = true;
        return lookupFormPage(QStringLiteral("请输入一个查询汉字！"));
    }
    if (!record) {
        const QString body = QStringLiteral("<h1>查无此字：%1</h1><p class=\"notice\">编码库里没有"
                                            "“%1”。编码库收有 %2 个汉字（国标 GB 2312 的汉字）；"
                                            "请换一个字再查。</p>")
                                 .arg(esc(character))
                                 .arg(data.characterCount()) +
                             lookupForm(character);
        return htmlDocument(QStringLiteral("查无此字"), body, data.unusableFiles());
    }
    QString body = QStringLiteral("<h1>“%1”的五笔编码</h1><div class=\"big\">%1</div>"
                                  "<dl class=\"facts\"><dt>全码</dt><dd>%2</dd>"
                                  "<dt>简码</dt><dd>%3</dd></dl>")
                       .arg(esc(character), markedCode(record->code1.trimmed()),
                            shortCodeLevels(data, character, *record));
    body += characterLessons(data, character, *record);
    body += QStringLiteral("<h2>再查一个字</h2>") + lookupForm(QString());
    return htmlDocument(character + QStringLiteral(" 的五笔编码"), body, data.unusableFiles());
}

QByteArray errorPage(int status) {
    QString heading;
    QString text;
    switch (status) {
    case 404:
        heading = QStringLiteral("找不到这一页");
        text = QStringLiteral("本机帮助里没有这个地址。");
        break;
    case 405:
        heading = QStringLiteral("不支持的请求方式");
        text = QStringLiteral("本机帮助只回答 GET 和 HEAD 请求。");
        break;
    case 414:
        heading = QStringLiteral("地址太长");
        text = QStringLiteral("请求的地址超过了 %1 个字节。").arg(2048);
        break;
    default:
        heading = QStringLiteral("地址无法识别");
        text =
            QStringLiteral("地址里有残缺的百分号编码、空字符、“..”或既非 UTF-8 也非 GBK 的文字。");
        break;
    }
    const QString body =
        QStringLiteral("<h1>%1（%2）</h1><p>%3</p><p><a href=\"/\">回到帮助首页</a></p>")
            .arg(esc(heading))
            .arg(status)
            .arg(esc(text));
    return htmlDocument(heading, body);
}

} // namespace radiane::site
