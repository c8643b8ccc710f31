#include "fuzzsupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace radiane::fuzz {

QString scratchDir() {
    // Kept alive to the end of the process; its destructor removes the folder.
    static const auto dir = [] {
        auto made = std::make_unique<QTemporaryDir>(QDir::tempPath() + "/radiane-fuzz-XXXXXX");
        if (!made->isValid())
            fail("cannot make a scratch folder");
        return made;
    }();
    return dir->path();
}

void writeFile(const QString& path, QByteArrayView bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes.data(), bytes.size()) != bytes.size())
        fail("cannot write a scratch file");
}

void fail(const char* what) {
    std::fprintf(stderr, "fuzz property failed: %s\n", what);
    std::abort();
}

} // namespace radiane::fuzz
