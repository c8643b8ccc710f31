#pragma once

#include <QString>
#include <QStringView>
#include <array>
#include <optional>

namespace radiane::practice {

// What the learner practises: which keys, and radicals alone, radicals inside
// characters, or both.
enum class Content { Radicals = 1, Characters = 2, Both = 3 };

struct Scope {
    QString keys = QStringLiteral("gfdsa"); // lower case, each once, in keyboard order
    Content content = Content::Radicals;
    friend bool operator==(const Scope&, const Scope&) = default;
};

struct Zone {
    const char16_t* name;
    const char16_t* keys;
};

// The five zones of the keyboard, each in key-number order.
const std::array<Zone, 5>& zones();

// The keys of text (letters a..y, any case, any order, repeats allowed) in
// keyboard order; none for an empty text or any other character.
std::optional<QString> parseKeys(QStringView text);

bool includesRadicals(Content content);
bool includesCharacters(Content content);

} // namespace radiane::practice
