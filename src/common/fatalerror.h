#pragma once

#include <QString>
#include <stdexcept>

namespace radiane {

// "文件 <file>：<reason>": how the program names a file it cannot use, and why.
QString fileMessage(const QString& file, const QString& reason);

// A failure that ends the program: bad or missing outside data that the program
// cannot run without. The window layer catches it at the event boundary, shows
// message() and ends the process without writing anything back.
class FatalError : public std::runtime_error {
public:
    FatalError(QString file, QString reason);

    const QString& file() const { return file_; }
    const QString& reason() const { return reason_; }
    // "file: reason", in the program's own (Chinese) voice.
    QString message() const;

private:
    QString file_;
    QString reason_;
};

} // namespace radiane
