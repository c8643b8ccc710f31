#include "support/tempprogramfolder.h"

#include "common/gbk.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace radiane::test {

TempProgramFolder::TempProgramFolder() {
    EXPECT_TRUE(dir_.isValid());
}

void TempProgramFolder::write(const QString& name, const QByteArray& bytes) const {
    const QString path = file(name);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    f.write(bytes);
}

void TempProgramFolder::writeGbk(const QString& name, const QString& text) const {
    write(name, gbk(text));
}

QByteArray TempProgramFolder::read(const QString& name) const {
    QFile f(file(name));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

bool TempProgramFolder::exists(const QString& name) const {
    return QFileInfo::exists(file(name));
}

void TempProgramFolder::copyFromProgram(const QString& name) const {
    const QString from = builtProgramDir() + u'/' + name;
    QFile::remove(file(name));
    EXPECT_TRUE(QFile::copy(from, file(name))) << "cannot copy " << from.toStdString();
    QFile(file(name)).setPermissions(QFile(file(name)).permissions() | QFileDevice::WriteOwner);
}

QString builtProgramDir() {
    return qEnvironmentVariable("RADIANE_PROGRAM_DIR");
}
QString sourceDir() {
    return qEnvironmentVariable("RADIANE_SOURCE_DIR");
}

QByteArray gbk(const QString& text) {
    const auto bytes = encodeGbk(text);
    EXPECT_TRUE(bytes.has_value()) << "not encodable in GBK: " << text.toStdString();
    return bytes.value_or(QByteArray());
}

} // namespace radiane::test
