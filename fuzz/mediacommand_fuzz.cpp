// The media command language over arbitrary text: the parser, and the
// interpreter's handling of a run of commands (one per line). The commands run
// in an empty folder and any open of a file that exists is left out, so no
// media is ever loaded: what is fuzzed is the parsing, the device table and
// the refusals.
#include "fuzzsupport.h"
#include "media/mediacommandinterpreter.h"
#include "media/mediacommandparser.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <cstring>
#include <vector>

using namespace radiane;
using namespace radiane::media;

namespace {

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

void checkSplit(const QString& command) {
    const auto words = splitMediaCommand(command);
    if (!words)
        return;
    for (const QString& word : *words)
        fuzz::check(word.isEmpty() || command.contains(word), "a word that is not in the command");
    // Without quotes, the words are the blank-separated pieces.
    if (!command.contains(u'"')) {
        QStringList pieces;
        QString piece;
        for (const QChar c : command) {
            if (isBlank(c)) {
                if (!piece.isEmpty())
                    pieces.append(piece);
                piece.clear();
            } else {
                piece += c;
            }
        }
        if (!piece.isEmpty())
            pieces.append(piece);
        fuzz::check(*words == pieces, "unquoted words split wrongly");
    }
}

bool opensExistingFile(const QString& command) {
    const auto parsed = parseMediaCommand(command);
    const auto* open = std::get_if<MediaCommand>(&parsed);
    return open && open->verb == MediaCommand::Verb::Open && QFileInfo(open->path).exists();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication app(*argc, *argv);
    // An empty folder of our own: relative paths in the commands name nothing.
    QDir::setCurrent(fuzz::scratchDir());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Input input(data, size);
    const unsigned replySize = input.byte() % 12;
    const QByteArray text = input.rest().toByteArray();

    MediaCommandInterpreter interpreter;
    for (const QByteArray& line : text.split('\n')) {
        const QString command = QString::fromLocal8Bit(line);
        checkSplit(command);
        const auto parsed = parseMediaCommand(command);
        if (const auto* c = std::get_if<MediaCommand>(&parsed)) {
            fuzz::check(c->verb != MediaCommand::Verb::Open ||
                            (!c->path.isEmpty() && !c->alias.isEmpty()),
                        "an open without path or alias");
        }
        if (line.contains('\0') || opensExistingFile(command))
            continue;

        // The caller's buffer, with a guard byte past its end.
        std::vector<char> reply(replySize + 1, '\x5a');
        const std::uint32_t result =
            interpreter.send(line.constData(), replySize ? reply.data() : nullptr, replySize);
        fuzz::check(reply[replySize] == '\x5a', "the reply ran past the buffer");
        if (replySize > 0) {
            fuzz::check(std::memchr(reply.data(), '\0', replySize) != nullptr,
                        "the reply is not NUL-terminated");
            fuzz::check(result == 0 || reply[0] == '\0', "a refusal with a reply");
        }
        // No file exists, so nothing is ever opened.
        fuzz::check(interpreter.deviceCount() == 0, "a device opened from no file");
        fuzz::check(result != 0 || !std::get_if<MediaError>(&parsed), "a bad command accepted");
    }
    return 0;
}
