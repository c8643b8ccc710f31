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

TEST(WebSettings, LinksShowTheAddressWithoutSchemeAndOpenTheirPage) {
    const WebSettings settings{u"http://one.example"_qs, u"http://two.example"_qs,
                               u"me@three.example"_qs};
    struct Case {
        SiteLink link;
        QString caption;
        QString address;
    };
    const Case cases[] = {
        {SiteLink::Site, u"one.example"_qs, u"http://one.example"_qs},
        {SiteLink::Site2, u"two.example"_qs, u"http://two.example"_qs},
        {SiteLink::Forum, u"one.example/wb"_qs, u"http://one.example/wb"_qs},
        {SiteLink::Email, u"me@three.example"_qs, u"mailto:me@three.example"_qs},
        {SiteLink::CodeLookup, u"one.example/wbcx"_qs, u"http://one.example/wbcx"_qs},
        // The caption names the folder, the click opens the tutorial's index page.
        {SiteLink::Tutorial, u"one.example/wbwz"_qs, u"http://one.example/wbwz/86help.htm"_qs},
    };
    for (const Case& c : cases) {
        const LinkTarget target = siteLink(c.link, settings);
        EXPECT_EQ(target.caption, c.caption);
        EXPECT_EQ(target.address.toString(QUrl::FullyEncoded), c.address)
            << c.caption.toStdString();
        EXPECT_TRUE(target.address.isValid()) << c.caption.toStdString();
    }
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
    EXPECT_EQ(siteLink(SiteLink::Site).caption, withoutScheme(settings.siteUrl));
}

} // namespace
} // namespace radiane::lookup
