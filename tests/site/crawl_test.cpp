#include "../data/wubitable.h"
#include "lookup/codedatabase.h"
#include "site/site.h"

#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTcpSocket>
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

struct Answer {
    QByteArray contentType;
    QByteArray body;
    int status = 0; // 0: no whole answer came
};

// The next answer on a kept-alive connection: its head, then Content-Length bytes.
Answer readAnswer(QTcpSocket& socket, QByteArray& bytes) {
    while (!bytes.contains("\r\n\r\n")) {
        if (!socket.waitForReadyRead(10000))
            return {};
        bytes += socket.readAll();
    }
    const qsizetype end = bytes.indexOf("\r\n\r\n");
    Answer answer{{}, {}, bytes.mid(9, 3).toInt()};
    qsizetype length = 0;
    for (const QByteArray& field : bytes.first(end).split('\n')) {
        const qsizetype colon = field.indexOf(':');
        const QByteArray name = field.first(std::max<qsizetype>(colon, 0)).toLower();
        if (name == "content-length")
            length = field.sliced(colon + 1).trimmed().toLongLong();
        else if (name == "content-type")
            answer.contentType = field.sliced(colon + 1).trimmed();
    }
    while (bytes.size() < end + 4 + length && socket.waitForReadyRead(10000))
        bytes += socket.readAll();
    answer.body = bytes.mid(end + 4, length);
    bytes.remove(0, end + 4 + length);
    return answer.body.size() == length ? answer : Answer{};
}

// Fetches every page and picture the site links to, from the home page on, from the server in
// a process of its own on the loopback address (each round of links sent at once, pipelined),
// and checks each page's links and codes.
TEST(SiteCrawl, EveryLinkAnswersAndEveryCodeShownIsTheCharacters) {
    QProcess server;
    server.start(QStringLiteral(SERVER_HOST), {builtFolder().path(), QStringLiteral("60000")});
    ASSERT_TRUE(server.waitForReadyRead(20000));
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, server.readLine().trimmed().toUShort());
    ASSERT_TRUE(socket.waitForConnected(10000));
    const QHash<QString, QStringList> codes = knownCodes();
    const QRegularExpression link(QStringLiteral("(?:href|src)=\"(/[^\"]*)\""));
    // A character linked to its lookup or captioned, then its code.
    const QRegularExpression coded(
        QStringLiteral("(?:searchtxt=[^\"]*\">|<figcaption>|<div class=\"big\">)([^<\\s]+)"
                       "(?:</a>|</div><dl class=\"facts\"><dt>全码</dt><dd>)?\\s?"
                       "<span class=\"code\">(.*?)</span>"));
    QStringList round{QStringLiteral("/")};
    QSet<QString> seen(round.cbegin(), round.cend());
    QByteArray bytes;
    int pages = 0;
    int pictures = 0;
    int codesChecked = 0;
    int formsWithout = 0;
    while (!round.isEmpty()) {
        for (const QString& target : round)
            socket.write("GET " + target.toUtf8() + " HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n");
        QStringList next;
        for (const QString& target : round) {
            const Answer answer = readAnswer(socket, bytes);
            ASSERT_EQ(answer.status, 200) << target.toStdString();
            if (answer.contentType == "image/png") {
                ++pictures;
                continue;
            }
            ++pages;
            const QString body = QString::fromUtf8(answer.body);
            for (auto m = link.globalMatch(body); m.hasNext();) {
                const QString to =
                    m.next().captured(1).replace(QStringLiteral("&amp;"), QStringLiteral("&"));
                if (!seen.contains(to)) {
                    seen.insert(to);
                    next << to;
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
        round = next;
    }
    server.kill(), server.waitForFinished();
    EXPECT_GT(pages, 1200);
    EXPECT_GT(pictures, 3500);
    EXPECT_GT(codesChecked, 2500);
    EXPECT_EQ(formsWithout, 0);
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
