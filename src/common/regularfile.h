#pragma once

#include <QByteArray>
#include <QString>

namespace radiane {

// The program reads only regular files: a pipe would block the read, a device
// such as /dev/zero would never end, a folder has nothing to read. Every read
// is bounded.
struct FileBytes {
    enum class Status {
        Ok,
        Missing,    // no such file
        Unreadable, // a folder, a pipe or device, no permission, a failed read
        TooLarge,   // larger than the reader accepts
    };
    Status status = Status::Ok;
    QByteArray bytes;
    QString reason; // set when status is not Ok, in the program's voice

    bool ok() const { return status == Status::Ok; }
};

// Why path is not a regular file, with the status a read of it gets; Ok and an
// empty reason when it is one.
FileBytes checkRegularFile(const QString& path);

// The whole of the regular file at path when it holds at most maxBytes.
FileBytes readRegularFile(const QString& path, qint64 maxBytes);

} // namespace radiane
