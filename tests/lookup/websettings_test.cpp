#include "lookup/websettings.h"

#include <gtest/gtest.h>

namespace radiane::lookup {
namespace {

TEST(WebSettings, NormalisesBaseAddresses) {
    struct Case {
        const char* name;
        QString configured;
        QString expected;
    };
    const Case cases[] = {
        {"as given", QStringLiteral("http://www.example.org"),
         QStringLiteral("http://www.example.org")},
        {"scheme added", QStringLiteral("www.example.org"),
         QStringLiteral("http://www.example.org")},
        {"trailing slashes dropped", QStringLiteral("http://example.org//"),
         QStringLiteral("http://example.org")},
        {"blanks dropped", QStringLiteral("  http://example.org/ "),
         QStringLiteral("http://example.org")},
        {"other scheme kept", QStringLiteral("https://example.org"),
         QStringLiteral("https://example.org")},
        {"empty stays empty", QString(), QString()},
    };
    for (const Case& c : cases)
        EXPECT_EQ(normaliseBaseUrl(c.configured), c.expected) << c.name;
}

TEST(WebSettings, EmptySiteAddressMeansTheBuiltInSite) {
    struct Case {
        const char* name;
        WebSettings settings;
        bool builtIn;
        QString opened;  // what the tutorial link opens
        QString caption; // what it says
        bool rewritten;  // whether the built-in site gives it its port
    };
    const Case cases[] = {
        {"built in", makeWebSettings({}, {}, QStringLiteral("a@b.c")), true,
         QStringLiteral("http://127.0.0.1/wbwz/86help.htm"), QStringLiteral("本机五笔教程"), true},
        {"configured", makeWebSettings(QStringLiteral("example.org/"), {}, QStringLiteral("a@b.c")),
         false, QStringLiteral("http://example.org/wbwz/86help.htm"),
         QStringLiteral("example.org/wbwz"), false},
    };
    for (const Case& c : cases) {
        const LinkTarget tutorial = siteLink(SiteLink::Tutorial, c.settings);
        EXPECT_EQ(c.settings.builtIn, c.builtIn) << c.name;
        EXPECT_EQ(tutorial.address.toString(), c.opened) << c.name;
        EXPECT_EQ(tutorial.caption, c.caption) << c.name;
        EXPECT_EQ(isBuiltInSiteAddress(tutorial.address, c.settings), c.rewritten) << c.name;
    }
    const WebSettings builtIn = makeWebSettings({}, {}, {});
    EXPECT_EQ(siteLink(SiteLink::Site2, builtIn).address.toString(), u"http://127.0.0.1/chart");
    EXPECT_FALSE(isBuiltInSiteAddress(QUrl(QStringLiteral("http://127.0.0.1:8080/wb")), builtIn));
}

TEST(WebSettings, BuiltInSettingsArePlainHttpAddresses) {
    const WebSettings& settings = webSettings();
    for (const QString& base : {settings.siteUrl, settings.site2Url}) {
        const QUrl url(base);
        EXPECT_TRUE(url.isValid()) << base.toStdString();
        EXPECT_EQ(url.scheme(), u"http") << base.toStdString();
        EXPECT_FALSE(url.host().isEmpty()) << base.toStdString();
        EXPECT_FALSE(base.endsWith(u'/')) << base.toStdString();
    }
    EXPECT_TRUE(settings.contactEmail.contains(u'@'));
}

} // namespace
} // namespace radiane::lookup
