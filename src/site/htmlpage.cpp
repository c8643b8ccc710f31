#include "site/htmlpage.h"

#include <QUrl>

namespace radiane::site {

QString esc(const QString& text) {
    QString escaped = text.toHtmlEscaped();
    escaped.replace(u'\'', QStringLiteral("&#39;"));
    return escaped;
}

QByteArray htmlDocument(const QString& title, const QString& body,
                        const QStringList& unusableFiles) {
    QString page =
        QStringLiteral("<!DOCTYPE html>\n<html lang=\"zh-CN\"><head><meta charset=\"utf-8\">"
                       "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">"
                       "<title>%1 - Radiane 五笔帮助</title>"
                       "<link rel=\"stylesheet\" href=\"/site.css\"></head><body>"
                       "<nav><a href=\"/\">首页</a><a href=\"/wbwz/86help.htm\">五笔教程</a>"
                       "<a href=\"/wb\">练习指南</a><a href=\"/wbcx\">编码查询</a>"
                       "<a href=\"/chart\">字根总表</a></nav><main>")
            .arg(esc(title));
    if (!unusableFiles.isEmpty()) {
        page += QStringLiteral("<div class=\"notice\"><p>程序文件夹里有数据文件无法使用，本页因此"
                               "不完整：</p><ul>");
        for (const QString& message : unusableFiles)
            page += QStringLiteral("<li>%1</li>").arg(esc(message));
        page += QStringLiteral("</ul></div>");
    }
    page += body;
    page +=
        QStringLiteral("</main><footer>Radiane 1.6 本机帮助 · 无需联网</footer></body></html>\n");
    return page.toUtf8();
}

int zoneOf(QChar key) {
    for (int zone = 1; zone <= 5; ++zone)
        if (zoneKeys(zone).contains(key))
            return zone;
    return 0;
}

QString zoneNumber(QChar key) {
    const int zone = zoneOf(key);
    if (zone == 0)
        return {};
    return QString::number(zone) + QString::number(zoneKeys(zone).indexOf(key) + 1);
}

QString zoneStroke(int zone) {
    static const QString strokes[] = {QString(),
                                      QStringLiteral("横"),
                                      QStringLiteral("竖"),
                                      QStringLiteral("撇"),
                                      QStringLiteral("捺"),
                                      QStringLiteral("折")};
    return zone >= 1 && zone <= 5 ? strokes[zone] : QString();
}

QString zoneKeys(int zone) {
    static const QString keys[] = {QString(),
                                   QStringLiteral("gfdsa"),
                                   QStringLiteral("hjklm"),
                                   QStringLiteral("trewq"),
                                   QStringLiteral("yuiop"),
                                   QStringLiteral("nbvcx")};
    return zone >= 1 && zone <= 5 ? keys[zone] : QString();
}

QString pictureAddress(const QString& name) {
    return QStringLiteral("/pic/") + QString::fromLatin1(QUrl::toPercentEncoding(name)) +
           QStringLiteral(".png");
}

QString keyAddress(QChar key) {
    return QStringLiteral("/wbwz/%1.htm").arg(key);
}

QString lookupAddress(const QString& character) {
    return QStringLiteral("/wbcx/search.asp?page=1&amp;type=title&amp;searchtxt=") +
           QString::fromLatin1(QUrl::toPercentEncoding(character));
}

QString keyCap(QChar key, const QString& label) {
    return QStringLiteral("<a class=\"cap z%1\" href=\"%2\"><b>%3</b>%4</a>")
        .arg(zoneOf(key))
        .arg(keyAddress(key), QString(key.toUpper()),
             label.isEmpty() ? QString() : QStringLiteral("<span>%1</span>").arg(esc(label)));
}

} // namespace radiane::site
