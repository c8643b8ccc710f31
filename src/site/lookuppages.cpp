#include "lookup/onlinequery.h"
#include "site/htmlpage.h"
#include "site/pages.h"

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

QString shortCodes(const lookup::CodeRecord& record) {
    QStringList codes;
    for (const QString& code : {record.code2, record.code3})
        if (!code.trimmed().isEmpty() && code.trimmed() != record.code1)
            codes << markedCode(code.trimmed());
    return codes.isEmpty() ? QStringLiteral("无（须打全码）") : codes.join(QStringLiteral("、"));
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

QByteArray lookupResultPage(SiteData& data, const QString& character, bool* found) {
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
                       .arg(esc(character), markedCode(record->code1), shortCodes(*record));
    QString pictures;
    for (int part = 1; part <= 4; ++part) {
        const QString name = character + u'-' + QString::number(part);
        if (record->seeds[part - 1].trimmed().isEmpty() || !data.hasPicture(name))
            continue;
        const QChar key = part <= record->code1.size() ? record->code1[part - 1] : QChar();
        pictures +=
            QStringLiteral("<figure><img src=\"%1\" alt=\"%2 第 %3 个字根\"><figcaption>第 %3 "
                           "个字根 → <a href=\"%4\">%5 键</a></figcaption></figure>")
                .arg(pictureAddress(name), esc(character))
                .arg(part)
                .arg(keyAddress(key), esc(QString(key.toUpper())));
    }
    body += QStringLiteral("<h2>拆字图</h2>");
    body += pictures.isEmpty()
                ? QStringLiteral("<p>这个字没有拆字图（拆字图只收练习里的常用字）。</p>")
                : QStringLiteral("<p>每张图里黑色的部分是一个字根，灰色是其余部分。</p><div "
                                 "class=\"tiles\">") +
                      pictures + QStringLiteral("</div>");
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
