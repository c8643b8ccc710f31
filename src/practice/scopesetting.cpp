#include "practice/scopesetting.h"

#include "common/textfield.h"

#include <QStringList>

namespace radiane::practice {

ScopeRead readScope(const ProgramFolder& folder) {
    const QString path = folder.file(QString::fromLatin1(kScopeFile));
    const FieldRead read = readFirstField(path);
    if (read.status == FieldRead::Status::Missing)
        return {};
    const auto refuse = [&](const QString& reason) {
        return ScopeRead{Scope{},
                         QStringLiteral("%1：%2，专项练习改用横区的字根。").arg(path, reason)};
    };
    if (!read.ok())
        return refuse(read.reason);
    const QStringList fields = read.value.split(u' ', Qt::SkipEmptyParts);
    const std::optional<QString> keys = fields.isEmpty() ? std::nullopt : parseKeys(fields[0]);
    bool numeric = false;
    const int content = fields.size() == 2 ? fields[1].toInt(&numeric) : 0;
    if (!keys || !numeric || content < 1 || content > 3)
        return refuse(QStringLiteral("内容“%1”不是“键位 内容号”（如“gfdsa 1”）").arg(read.value));
    return {Scope{*keys, static_cast<Content>(content)}, std::nullopt};
}

WriteResult writeScope(const ProgramFolder& folder, const Scope& scope) {
    return writeLine(folder.file(QString::fromLatin1(kScopeFile)),
                     QStringLiteral("%1 %2").arg(scope.keys).arg(static_cast<int>(scope.content)));
}

} // namespace radiane::practice
