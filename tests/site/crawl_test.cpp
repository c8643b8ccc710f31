#include "../data/wubitable.h"
#include "lookup/codedatabase.h"
#include "site/site.h"

#include <QRegularExpression>
#include <QSet>
#include <QUrl>
#include <gtest/gtest.h>

namespace radiane::site {
namespace {

ProgramFolder builtFolder() {
    return ProgramFolder(qEnvironmentVariable("RADIANE_PROGRAM_DIR"));
}

// Every code of each character: the code table's when installed, else the database's own.
QHash<QString, QStringList> knownCodes() {
    if (std::optional<QHash<QString, QStringList>> table = test::readWubiCodes())
        return *table;
    QHash<QString, QStringList> codes;
    lookup::CodeDatabase database;
    database.open(builtFolder().file(QStringLiteral("wwbb11.dat")));
    for (int n = 1; n <= database.recordCount(); ++n)
        if (const std::optional<lookup::CodeRecord> r = database.read(n))
            codes[r->hanzi] << r->code1.trimmed() << r->code2.trimmed() << r->code3.trimmed();
    return codes;
}

QString plain(QString html) {
    return html.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
}

// Fetches every page and picture the site links to, from the home page on, through its
// router (the same answers the server sends), and checks each page's links and codes.
TEST(SiteCrawl, EveryLinkAnswersAndEveryCodeShownIsTheCharacters) {
    Site site(builtFolder());
    const QHash<QString, QStringList> codes = knownCodes();
    const QRegularExpression link(QStringLiteral("(?:href|src)=\"(/[^\"]*)\""));
    // A character linked to its lookup or captioned, then its code.
    const QRegularExpression coded(
        QStringLiteral("(?:searchtxt=[^\"]*\">|<figcaption>|<div class=\"big\">)([^<\\s]+)"
                       "(?:</a>|</div><dl class=\"facts\"><dt>全码</dt><dd>)?\\s?"
                       "<span class=\"code\">(.*?)</span>"));
    QStringList queue{QStringLiteral("/")};
    QSet<QString> seen(queue.cbegin(), queue.cend());
    int pages = 0;
    int pictures = 0;
    int codesChecked = 0;
    int formsWithout = 0;
    while (!queue.isEmpty()) {
        const QString target = queue.takeFirst();
        const Response response = site.respond("GET", target.toUtf8());
        ASSERT_EQ(response.status, 200) << target.toStdString();
        if (response.contentType == "image/png") {
            ++pictures;
            continue;
        }
        ++pages;
        const QString body = QString::fromUtf8(response.body);
        for (auto m = link.globalMatch(body); m.hasNext();) {
            const QString next =
                m.next().captured(1).replace(QStringLiteral("&amp;"), QStringLiteral("&"));
            if (!seen.contains(next)) {
                seen.insert(next);
                queue << next;
            }
        }
        for (auto m = coded.globalMatch(body); m.hasNext();) {
            const QRegularExpressionMatch match = m.next();
            const QString character = match.captured(1);
            if (character.size() > 2 || !codes.contains(character))
                continue; // a word: its code is checked by the routes
            const QString code = plain(match.captured(2));
            EXPECT_TRUE(codes.value(character).contains(code))
                << target.toStdString() << ": " << character.toStdString() << " "
                << code.toStdString();
            ++codesChecked;
        }
        if (target.startsWith(u"/wbwz/") && target.size() == 11)
            formsWithout += int(body.count(QStringLiteral("暂无例字")));
    }
    EXPECT_GT(pages, 1200);
    EXPECT_GT(pictures, 3500);
    EXPECT_GT(codesChecked, 2500);
    // Only forms the stroke data cannot draw (⺲, コ, 𠃌, 𠃊, ㇏) lack an example.
    EXPECT_LE(formsWithout, 5);
}

// The first and the last record of the database, looked up through the site.
TEST(SiteCrawl, LookupShowsTheRecordFound) {
    lookup::CodeDatabase database;
    database.open(builtFolder().file(QStringLiteral("wwbb11.dat")));
    ASSERT_GT(database.recordCount(), 1);
    Site site(builtFolder());
    for (const int n : {1, database.recordCount()}) {
        const std::optional<lookup::CodeRecord> record = database.read(n);
        ASSERT_TRUE(record);
        const QByteArray target =
            "/wbcx/search.asp?searchtxt=" + QUrl::toPercentEncoding(record->hanzi);
        const QString body = QString::fromUtf8(site.respond("GET", target).body);
        EXPECT_TRUE(body.contains(QStringLiteral("<dt>全码</dt><dd><span class=\"code\">%1</span>")
                                      .arg(record->code1.trimmed())))
            << "record " << n << " " << record->hanzi.toStdString();
    }
}

} // namespace
} // namespace radiane::site
