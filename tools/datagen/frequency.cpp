// frequency.txt: the GB2312 characters of the code table, most frequent first, for the code
// drill's order. The weight column of the code table is the frequency.
#include "codetable.h"
#include "command.h"

#include "common/fatalerror.h"
#include "common/gbk.h"

#include <QDir>
#include <QFile>
#include <QTextStream>

namespace {

bool isGb2312(const QString& c) {
    const auto bytes = radiane::encodeGbk(c);
    if (!bytes || bytes->size() != 2)
        return false;
    const auto lead = uchar(bytes->at(0));
    const auto trail = uchar(bytes->at(1));
    return lead >= 0xA1 && lead <= 0xF7 && trail >= 0xA1 && trail <= 0xFE;
}

} // namespace

DATAGEN_COMMAND(frequency, "frequency", "<data-folder>: frequency.txt") {
    if (args.size() != 1) {
        QTextStream(stderr) << "usage: datagen frequency <data-folder>\n";
        return 2;
    }
    const datagen::CodeTable table = datagen::CodeTable::read(datagen::CodeTable::defaultPath());
    QByteArray text = "# GB2312 characters, most frequent first (weights of the Wubi 86 code "
                      "table), one a line\n";
    int count = 0;
    for (const QString& c : table.byFrequency()) {
        if (!isGb2312(c))
            continue;
        text += c.toUtf8() + '\n';
        ++count;
    }
    const QString path = QDir(args[0]).filePath(QStringLiteral("frequency.txt"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(text) != text.size())
        throw radiane::FatalError(path, file.errorString());
    QTextStream(stdout) << "frequency.txt: " << count << " characters\n";
    return 0;
}
