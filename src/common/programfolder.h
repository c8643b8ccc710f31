#pragma once

#include <QString>

namespace radiane {

// The folder that holds the program and all its data files. Every data file is
// this folder joined with its name; nothing else is searched.
class ProgramFolder {
public:
    explicit ProgramFolder(QString path);

    // The folder of the running executable (needs a QCoreApplication).
    static ProgramFolder ofExecutable();

    const QString& path() const { return path_; }
    QString file(const QString& name) const;

private:
    QString path_;
};

} // namespace radiane
