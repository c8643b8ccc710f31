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
        {"as given", u"http://www.example.org"_qs, u"http://www.example.org"_qs},
        {"scheme added", u"www.example.org"_qs, u"http://www.example.org"_qs},
        {"trailing slashes dropped", u"http://example.org//"_qs, u"http://example.org"_qs},
        {"blanks dropped", u"  http://example.org/ "_qs, u"http://example.org"_qs},
        {"other scheme kept", u"https://example.org"_qs, u"https://example.org"_qs},
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
        {"built in", makeWebSettings({}, {}, u"a@b.c"_qs), true,
         u"http://127.0.0.1/wbwz/86help.htm"_qs, u"本机五笔教程"_qs, true},
        {"configured", makeWebSettings(u"example.org/"_qs, {}, u"a@b.c"_qs), false,
         u"http://example.org/wbwz/86help.htm"_qs, u"example.org/wbwz"_qs, false},
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
    EXPECT_FALSE(isBuiltInSiteAddress(QUrl(u"http://127.0.0.1:8080/wb"_qs), builtIn));
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
