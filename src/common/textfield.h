#pragma once

#include <QByteArrayView>
#include <QString>

namespace radiane {

// The first field of a text file, as the program's settings and list files are
// read: GBK decoded; leading blanks skipped; the field runs to the first comma
// or line end; a field that opens with a double quote runs to the next double
// quote and is taken without the quotes.
struct FieldRead {
    enum class Status {
        Ok,
        Missing,    // no such file
        Empty,      // nothing to read: no bytes, or only blanks
        Unreadable, // exists but cannot be read (a folder, no permission, ...)
        TooLarge,   // larger than the reader accepts
        NotGbk,     // with GbkCheck::Strict: the bytes are not a GBK text
    };
    Status status = Status::Ok;
    QString value;
    QString reason; // set when status is not Ok, in the program's voice

    bool ok() const { return status == Status::Ok; }
};

// Files larger than this are refused: no list or setting comes near it.
inline constexpr qint64 kMaxTextFileBytes = 16 * 1024 * 1024;

// Parses already decoded text. An absent field (only blanks) yields Empty.
FieldRead firstFieldOfText(const QString& text);
FieldRead firstFieldOfBytes(QByteArrayView bytes);
// Settings files are read leniently (a stray byte decodes to U+FFFD); the drill
// lists strictly, since a list saved in another encoding would drill nonsense.
enum class GbkCheck { Lenient, Strict };
FieldRead readFirstField(const QString& path, GbkCheck check = GbkCheck::Lenient);

} // namespace radiane
