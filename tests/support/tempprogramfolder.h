#pragma once

#include "common/programfolder.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace radiane::test {

// A fresh, empty program folder for one test; removed afterwards.
class TempProgramFolder {
public:
    TempProgramFolder();

    ProgramFolder folder() const { return ProgramFolder(dir_.path()); }
    QString path() const { return dir_.path(); }
    QString file(const QString& name) const { return folder().file(name); }

    // Writes raw bytes; creates sub-folders as needed.
    void write(const QString& name, const QByteArray& bytes) const;
    // Writes text encoded in GBK, exactly as given (add "\r\n" yourself).
    void writeGbk(const QString& name, const QString& text) const;
    QByteArray read(const QString& name) const;
    bool exists(const QString& name) const;
    // Copies a file of the built program folder (the shipped data), writable.
    void copyFromProgram(const QString& name) const;

private:
    QTemporaryDir dir_;
};

// The built program folder (build folder with the shipped data beside it).
QString builtProgramDir();
// The source tree.
QString sourceDir();

QByteArray gbk(const QString& text);

} // namespace radiane::test
