#include "../data/wubitable.h"
#include "lookup/codedatabase.h"
#include "site/server/siteserver.h"
#include "site/site.h"

#include <QEventLoop>
#include <QRegularExpression>
#include <QSet>
#include <QTcpSocket>
#include <QUrl>
#include <condition_variable>
#include <gtest/gtest.h>
#include <mutex>
#include <thread>
#include <vector>

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
    int status = 0;
    QByteArray contentType;
    QByteArray body;
};

// One GET on a kept-alive connection; status 0 when the answer did not come whole.
Answer get(QTcpSocket& socket, const QByteArray& target) {
    socket.write("GET " + target + " HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n");
    QByteArray bytes;
    qsizetype headEnd = -1;
    qsizetype length = -1;
    while (length < 0 || bytes.size() < headEnd + 4 + length) {
        if (!socket.waitForReadyRead(10000))
            return {};
        bytes += socket.readAll();
        headEnd = bytes.indexOf("\r\n\r\n");
        if (headEnd < 0 || length >= 0)
            continue;
        for (const QByteArray& field : bytes.first(headEnd).split('\n')) {
            if (field.toLower().startsWith("content-length:"))
                length = field.mid(15).trimmed().toLongLong();
        }
    }
    Answer answer{bytes.mid(9, 3).toInt(), {}, bytes.sliced(headEnd + 4)};
    for (const QByteArray& field : bytes.first(headEnd).split('\n'))
        if (field.toLower().startsWith("content-type:"))
            answer.contentType = field.mid(13).trimmed();
    return answer;
}

// What the crawl found; guarded by the crawl's lock.
struct Crawl {
    QStringList queue{QStringLiteral("/")};
    QSet<QString> seen{QStringLiteral("/")};
    int busy = 0;
    int pages = 0;
    int pictures = 0;
    int codesChecked = 0;
    int formsWithout = 0;
    QStringList faults;
};

// Fetches every page and picture the site links to, from the home page on, from the
// server listening on the loopback address (several clients at once), and checks each
// page's links and codes.
TEST(SiteCrawl, EveryLinkAnswersAndEveryCodeShownIsTheCharacters) {
    SiteServer server(builtFolder());
    ASSERT_TRUE(server.listen()) << server.errorString().toStdString();
    const quint16 port = server.port();
    const QHash<QString, QStringList> codes = knownCodes();
    const QRegularExpression link(QStringLiteral("(?:href|src)=\"(/[^\"]*)\""));
    // A character linked to its lookup or captioned, then its code.
    const QRegularExpression coded(
        QStringLiteral("(?:searchtxt=[^\"]*\">|<figcaption>|<div class=\"big\">)([^<\\s]+)"
                       "(?:</a>|</div><dl class=\"facts\"><dt>全码</dt><dd>)?\\s?"
                       "<span class=\"code\">(.*?)</span>"));
    Crawl crawl;
    std::mutex lock;
    std::condition_variable changed;
    auto client = [&] {
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, port);
        if (!socket.waitForConnected(10000)) {
            const std::lock_guard held(lock);
            crawl.faults << QStringLiteral("no connection: %1").arg(socket.errorString());
            return;
        }
        std::unique_lock held(lock);
        while (true) {
            changed.wait(held, [&] { return !crawl.queue.isEmpty() || crawl.busy == 0; });
            if (crawl.queue.isEmpty())
                break;
            const QString target = crawl.queue.takeFirst();
            ++crawl.busy;
            held.unlock();
            const Answer answer = get(socket, target.toUtf8());
            QStringList links;
            QStringList faults;
            int checked = 0;
            int without = 0;
            const bool page = answer.contentType.startsWith("text/html");
            if (answer.status != 200)
                faults << QStringLiteral("%1: status %2").arg(target).arg(answer.status);
            const QString body = page ? QString::fromUtf8(answer.body) : QString();
            for (auto m = link.globalMatch(body); m.hasNext();)
                links << m.next().captured(1).replace(QStringLiteral("&amp;"), QStringLiteral("&"));
            for (auto m = coded.globalMatch(body); m.hasNext();) {
                const QRegularExpressionMatch match = m.next();
                const QString character = match.captured(1);
                if (character.size() > 2 || !codes.contains(character))
                    continue; // a word: its code is checked by the routes
                const QString code = plain(match.captured(2));
                if (!codes.value(character).contains(code))
                    faults << QStringLiteral("%1: %2 %3").arg(target, character, code);
                ++checked;
            }
            if (target.startsWith(u"/wbwz/") && target.size() == 11)
                without = int(body.count(QStringLiteral("暂无例字")));
            held.lock();
            --crawl.busy;
            crawl.pages += page ? 1 : 0;
            crawl.pictures += answer.contentType == "image/png" ? 1 : 0;
            crawl.codesChecked += checked;
            crawl.formsWithout += without;
            crawl.faults << faults;
            for (const QString& next : links)
                if (!crawl.seen.contains(next)) {
                    crawl.seen.insert(next);
                    crawl.queue << next;
                }
            changed.notify_all();
        }
        changed.notify_all();
    };
    // The server answers on this thread's event loop while the clients crawl.
    QEventLoop serving;
    std::vector<std::thread> clients;
    int running = 3;
    for (int n = 0; n < running; ++n)
        clients.emplace_back([&] {
            client();
            const std::lock_guard held(lock);
            if (--running == 0)
                QMetaObject::invokeMethod(&serving, &QEventLoop::quit, Qt::QueuedConnection);
        });
    serving.exec();
    for (std::thread& t : clients)
        t.join();

    for (const QString& fault : crawl.faults.first(std::min<qsizetype>(crawl.faults.size(), 20)))
        ADD_FAILURE() << fault.toStdString();
    EXPECT_TRUE(crawl.faults.isEmpty()) << crawl.faults.size() << " faults";
    EXPECT_GT(crawl.pages, 1200);
    EXPECT_GT(crawl.pictures, 3500);
    EXPECT_GT(crawl.codesChecked, 2500);
    EXPECT_EQ(crawl.formsWithout, 0);
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
