#include "lookup/onlinequery.h"

#include <gtest/gtest.h>

namespace radiane::lookup {
namespace {

const WebSettings kSettings{QStringLiteral("http://site.example"),
                            QStringLiteral("http://other.example"),
                            QStringLiteral("me@site.example")};

TEST(OnlineQuery, TakesTheFirstCharacterOfTheTrimmedText) {
    struct Case {
        const char* name;
        QString text;
        QString character;
    };
    // Blanks around, two characters and nothing to ask for: see form16_test.
    const Case cases[] = {
        {"empty", QString(), QString()},
        {"latin letter", QStringLiteral("abc"), QStringLiteral("a")},
        {"only spaces are trimmed", QStringLiteral("\t凹"), QStringLiteral("\t")},
        {"surrogate pair is one character", QStringLiteral(" 𠀀凹"), QStringLiteral("𠀀")},
    };
    for (const Case& c : cases)
        EXPECT_EQ(queryCharacter(c.text), c.character) << c.name;
}

TEST(OnlineQuery, AddressCarriesTheGbkBytesEscaped) {
    const QByteArray prefix = "http://site.example/wbcx/search.asp?page=1&type=title&searchtxt=";
    struct Case {
        const char* name;
        QString text;
        QByteArray value; // the exact bytes after "searchtxt="
    };
    const Case cases[] = {
        {"percent", QStringLiteral("%"), "%25"},
        {"plus", QStringLiteral("+"), "%2B"},
        {"punctuation in GBK", QStringLiteral("·"), "%A1%A4"},
    };
    for (const Case& c : cases) {
        const std::optional<QUrl> address = onlineQueryAddress(c.text, kSettings);
        ASSERT_TRUE(address) << c.name;
        EXPECT_TRUE(address->isValid()) << c.name;
        EXPECT_EQ(address->toEncoded(), prefix + c.value) << c.name;
    }
}

TEST(OnlineQuery, EveryExampleCharacterCanBeAskedFor) {
    for (const QString& character : exampleCharacters())
        EXPECT_TRUE(onlineQueryAddress(character, kSettings)) << character.toStdString();
}

} // namespace
} // namespace radiane::lookup
