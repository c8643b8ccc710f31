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
