// The skin file reader over arbitrary bytes, and the same bytes read from a file.
#include "appearance/skinformat.h"
#include "fuzzsupport.h"

#include <cstring>

using namespace radiane;
using namespace radiane::appearance;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const SkinParse parse = parseSkin(bytes);
    fuzz::check(parse.ok() == parse.error.isEmpty(), "a reason goes with every refusal only");
    if (parse.ok()) {
        const SkinDescription& skin = *parse.skin;
        fuzz::check(!skin.name.isEmpty(), "a skin without a name");
        bool knownStyle = false;
        for (const char* style : kSkinStyles)
            knownStyle = knownStyle || skin.style == QLatin1String(style);
        fuzz::check(knownStyle, "a skin of an unknown style");
        for (const SkinColorKey& entry : skinColorKeys()) {
            const auto rgb = skin.color(entry.color);
            fuzz::check(!entry.required || rgb.has_value(), "a required colour is missing");
            fuzz::check(!rgb || *rgb <= 0xffffffu, "a colour out of range");
        }
        fuzz::check(!skin.styleSheet.contains(QChar(0)), "a style sheet with a NUL");
    }

    static const QString path = fuzz::scratchDir() + "/skin.urf";
    fuzz::writeFile(path, bytes);
    const SkinParse fromFile = loadSkinFile(path);
    fuzz::check(fromFile.ok() == parse.ok() && fromFile.error == parse.error,
                "the file reader differs from the byte reader");
    return 0;
}
