// The text-field reader over arbitrary bytes: GBK decoding, the first field,
// and the same bytes read back from a file.
#include "common/gbk.h"
#include "common/textfield.h"
#include "fuzzsupport.h"

using namespace radiane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

    const QString text = decodeGbk(bytes);
    const FieldRead field = firstFieldOfBytes(bytes);
    fuzz::check(field.status == FieldRead::Status::Ok || field.status == FieldRead::Status::Empty,
                "bytes read as neither a field nor empty");
    fuzz::check(field.ok() == field.reason.isEmpty(), "a reason goes with every failure only");
    const FieldRead again = firstFieldOfText(text);
    fuzz::check(again.status == field.status && again.value == field.value,
                "reading the decoded text differs from reading the bytes");
    if (field.ok()) {
        fuzz::check(text.contains(field.value), "the field is not part of the text");
        // A field written back in GBK reads as itself.
        if (const auto encoded = encodeGbk(field.value))
            fuzz::check(decodeGbk(*encoded) == field.value, "GBK round trip changed the field");
    }

    // The file reader gives what the byte reader gives.
    static const QString path = fuzz::scratchDir() + "/field.txt";
    fuzz::writeFile(path, bytes);
    const FieldRead fromFile = readFirstField(path);
    fuzz::check(fromFile.status == field.status && fromFile.value == field.value,
                "the file reader differs from the byte reader");
    return 0;
}
