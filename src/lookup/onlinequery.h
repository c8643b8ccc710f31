#pragma once

#include "lookup/websettings.h"

#include <QString>
#include <QStringList>
#include <QUrl>
#include <optional>

namespace radiane::lookup {

// The example characters offered in the lookup's list, in their order
// (尬 twice, at positions 8 and 9).
const QStringList& exampleCharacters();

// The character the online lookup asks for: the first character of text once
// spaces (0x20) are trimmed from both ends. A surrogate pair counts as one
// character. Empty when nothing is left.
QString queryCharacter(const QString& text);

// The search page of the product site for the query character of text:
//   <site>/wbcx/search.asp?page=1&type=title&searchtxt=<GBK bytes, percent-encoded>
// The site expects the character's GBK bytes; escaping them keeps '&', '#', '%',
// '+' or a space from cutting the address short. Nothing when there is no
// character to ask for or GBK has no form for it.
std::optional<QUrl> onlineQueryAddress(const QString& text,
                                       const WebSettings& settings = webSettings());

} // namespace radiane::lookup
