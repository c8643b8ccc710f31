#include "site/site.h"
#include "support/tempprogramfolder.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace radiane::site {
namespace {

// The routes and the request decoding on the built program folder's real data.
TEST(SiteRoutes, AnswerEachTarget) {
    struct Case {
        const char* name;
        QByteArray method;
        QByteArray target;
        int status;
        QByteArray contains; // in the body (UTF-8)
    };
    const QByteArray png("\x89PNG");
    const Case cases[] = {
        {"home", "GET", "/", 200, "Radiane 五笔字根帮助"},
        {"key page g", "GET", "/wbwz/g.htm", 200, "G 键（11）"},
        {"key page, capital letter", "GET", "/wbwz/X.htm", 200, "X 键（55）"},
        {"key page z does not exist", "GET", "/wbwz/z.htm", 404, "回到帮助首页"},
        {"tutorial", "GET", "/wbwz/86help.htm", 200, "五笔 86 版教程"},
        {"tutorial folder", "GET", "/wbwz/", 200, "五笔 86 版教程"},
        {"practice guide", "GET", "/wb", 200, "五笔练习指南"},
        {"lookup form", "GET", "/wbcx", 200, "name=\"searchtxt\""},
        {"chart", "GET", "/chart", 200, "五笔 86 版字根总表"},
        {"style sheet", "GET", "/site.css", 200, "@media print"},
        {"query in GBK", "GET", "/wbcx/search.asp?page=1&type=title&searchtxt=%B0%BC", 200,
         "“凹”的五笔编码"},
        {"query in UTF-8", "GET", "/wbcx/search.asp?page=1&type=title&searchtxt=%E5%87%B9", 200,
         "“凹”的五笔编码"},
        {"first character only", "GET", "/wbcx/search.asp?searchtxt=%E5%B0%B4%E5%87%B9", 200,
         "“尴”的五笔编码"},
        {"GBK bytes that are also UTF-8", "GET", "/wbcx/search.asp?searchtxt=%C2%A1", 200,
         "“隆”的五笔编码"},
        {"a word", "GET", "/wbcx/search.asp?searchtxt=%E4%B8%AD%E5%9B%BD", 200,
         "<dt>词码</dt><dd><span class=\"code\">khlg</span>"},
        {"identification letter", "GET", "/wbcx/search.asp?searchtxt=%E6%8B%9C", 200,
         "H：末笔丨（竖，第 2 区），左右型（第 1 位）"},
        {"short codes by level", "GET", "/wbcx/search.asp?searchtxt=%E4%B8%BA", 200,
         "一级简码 <span class=\"code\">o</span>；二级简码 <span class=\"code\">yl</span>；"
         "三级简码 <span class=\"code\">yly</span>"},
        {"key-name character", "GET", "/wbcx/search.asp?searchtxt=%E5%A4%A7", 200, "键名字"},
        {"radical that is a character", "GET", "/wbcx/search.asp?searchtxt=%E4%BA%94", 200,
         "成字字根"},
        {"radicals of a character split, not drilled", "GET",
         "/wbcx/search.asp?searchtxt=%E6%B1%AA", 200,
         "src=\"/pic/g01.png\" alt=\"王\"><figcaption>第 2 个：王 <span class=\"keyto\">→ "},
        {"its identification letter", "GET", "/wbcx/search.asp?searchtxt=%E6%B1%AA", 200,
         "只有 2 个字根，补末笔字型识别码 G：末笔一（横，第 1 区），左右型（第 1 位）"},
        {"blanks around", "GET", "/wbcx/search.asp?searchtxt=+%B0%BC+", 200, "“凹”的五笔编码"},
        {"character not in the database", "GET", "/wbcx/search.asp?searchtxt=%F0%A0%80%80", 404,
         "查无此字"},
        {"letter", "GET", "/wbcx/search.asp?searchtxt=a", 404, "查无此字"},
        {"empty query", "GET", "/wbcx/search.asp?page=1&type=title&searchtxt=", 200,
         "请输入一个查询汉字"},
        {"markup escaped", "GET", "/wbcx/search.asp?searchtxt=%3Cb%3E", 404, "查无此字：&lt;"},
        {"radical picture", "GET", "/pic/g01.png", 200, png},
        {"painted character", "GET", "/pic/%E5%B8%85-1.png", 200, png},
        {"picture not in the table", "GET", "/pic/zg2.png", 404, "找不到这一页"},
        {"unknown path", "GET", "/wbwz/index.asp", 404, "回到帮助首页"},
        {"broken escape in the query", "GET", "/wbcx/search.asp?searchtxt=%B", 400, "地址无法识别"},
        {"broken escape in the path", "GET", "/wb%zz", 400, "地址无法识别"},
        {"broken escape in another field", "GET", "/wbcx/search.asp?page=%G1&searchtxt=a", 400,
         "地址无法识别"},
        {"NUL in the path", "GET", "/wb%00", 400, "地址无法识别"},
        {"NUL after a fragment mark", "GET", QByteArray("/wb#\0", 5), 400, "地址无法识别"},
        {"NUL in the query", "GET", "/wbcx/search.asp?searchtxt=%00", 400, "地址无法识别"},
        {"neither GBK nor UTF-8", "GET", "/wbcx/search.asp?searchtxt=%FF%FF", 400, "地址无法识别"},
        {"dot-dot segment", "GET", "/wbwz/../zg2.txt", 400, "地址无法识别"},
        {"escaped dot-dot", "GET", "/pic/%2E%2E/wwbb11.dat", 400, "地址无法识别"},
        {"backslash", "GET", "/pic/..%5Cg01.png", 400, "地址无法识别"},
        {"not a path", "GET", "wbwz/g.htm", 400, "地址无法识别"},
        {"too long", "GET", "/wbcx/search.asp?searchtxt=" + QByteArray(3000, 'a'), 414, "地址太长"},
        {"HEAD", "HEAD", "/wbwz/a.htm", 200, "A 键（15）"},
        {"POST", "POST", "/wbcx/search.asp?searchtxt=a", 405, "GET 和 HEAD"},
    };
    Site site(ProgramFolder(qEnvironmentVariable("RADIANE_PROGRAM_DIR")));
    for (const Case& c : cases) {
        const Response response = site.respond(c.method, c.target);
        EXPECT_EQ(response.status, c.status) << c.name;
        EXPECT_TRUE(response.body.contains(c.contains)) << c.name;
        EXPECT_FALSE(response.body.contains("<script")) << c.name;
    }
}

// A data file that is missing or no regular file is named on the pages, with
// the reason; nothing blocks on a pipe or reads a device without end.
TEST(SiteRoutes, UnusableDataFilesAreNamed) {
    enum Change { Remove, Pipe, DevZero, Oversized };
    const struct {
        const char* file;
        Change change;
        QByteArray target;
        int status;
        const char* contains;
    } cases[] = {
        {"radicals.tsv", Remove, "/wbwz/g.htm", 200, "radicals.tsv：找不到文件"},
        {"radicals.tsv", Pipe, "/wbwz/g.htm", 200, "radicals.tsv：这不是一个普通文件"},
        {"radicals.tsv", DevZero, "/", 200, "radicals.tsv：这不是一个普通文件"},
        {"radicals.tsv", Oversized, "/chart", 200, "radicals.tsv：文件太大"},
        {"zg2forms.txt", Pipe, "/wbwz/g.htm", 200, "zg2forms.txt：这不是一个普通文件"},
        {"zg2.txt", Pipe, "/wbwz/g.htm", 200, "zg2.txt：这不是一个普通文件"},
        {"wwbb11.dat", Pipe, "/wbcx/search.asp?searchtxt=%E5%87%B9", 404,
         "wwbb11.dat：这不是一个普通文件"},
        {"splits.txt", Pipe, "/", 200, "splits.txt：这不是一个普通文件"},
        {"bmp/g01.bmp", Pipe, "/pic/g01.png", 404, "找不到这一页"},
        {"bmp/g01.bmp", DevZero, "/pic/g01.png", 404, "找不到这一页"},
    };
    const QString program = test::builtProgramDir();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        test::TempProgramFolder folder;
        QDir().mkpath(folder.file(QStringLiteral("bmp")));
        for (const char* name :
             {"radicals.tsv", "zg2.txt", "zg2forms.txt", "wwbb11.dat", "splits.txt", "bmp/g01.bmp"})
            ASSERT_TRUE(QFile::link(program + u'/' + QLatin1String(name),
                                    folder.file(QLatin1String(name))));
        const QString path = folder.file(QLatin1String(c.file));
        QFile::remove(path);
        if (c.change == Pipe) {
            ASSERT_EQ(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        }
        if (c.change == DevZero) {
            ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), path));
        }
        if (c.change == Oversized) {
            QFile big(path);
            ASSERT_TRUE(big.open(QIODevice::WriteOnly) && big.resize(64 * 1024 * 1024));
        }
        Site site(folder.folder());
        const Response response = site.respond("GET", c.target);
        EXPECT_EQ(response.status, c.status);
        EXPECT_TRUE(response.body.contains(QByteArray(c.contains)))
            << response.body.left(2000).constData();
    }
}

// A split is shown only for the database's code; a last form not told apart still counts.
TEST(SiteRoutes, SplitsAgreeWithTheCodes) {
    const char* const cases[][3] = {
        // name, line of splits.txt, on the page
        {"last form not told apart", "汪\tigg\t1-3|4-7\ti02 ",
         "第 2 个：字根 <span class=\"keyto\">→ "},
        {"another code", "汪\tiggg\t1-3|4-7\ti02 g01", "这个字没有拆字图"}};
    for (const auto& c : cases) {
        test::TempProgramFolder folder;
        for (const char* name : {"radicals.tsv", "wwbb11.dat"})
            ASSERT_TRUE(QFile::link(test::builtProgramDir() + u'/' + QLatin1String(name),
                                    folder.file(QLatin1String(name))));
        folder.write(QStringLiteral("splits.txt"), c[1]);
        const Response response =
            Site(folder.folder()).respond("GET", "/wbcx/search.asp?searchtxt=%E6%B1%AA");
        EXPECT_TRUE(response.body.contains(c[2])) << c[0];
    }
}

} // namespace
} // namespace radiane::site
