#include "command.h"

#include <QGuiApplication>
#include <QTextStream>
#include <map>

namespace datagen {

namespace {

struct Entry {
    QString help;
    CommandFn fn;
};

std::map<QString, Entry>& registry() {
    static std::map<QString, Entry> commands;
    return commands;
}

} // namespace

CommandRegistrar::CommandRegistrar(const char* name, const char* help, CommandFn fn) {
    registry()[QString::fromUtf8(name)] = Entry{QString::fromUtf8(help), std::move(fn)};
}

} // namespace datagen

int main(int argc, char** argv) {
    // Fonts are needed to draw text into pictures; no display is.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    QTextStream err(stderr);
    const auto& commands = datagen::registry();
    if (args.isEmpty() || !commands.count(args.first())) {
        err << "usage: datagen <command> [args...]\ncommands:\n";
        for (const auto& [name, entry] : commands)
            err << "  " << name << "  " << entry.help << "\n";
        return 2;
    }
    const QString name = args.takeFirst();
    return commands.at(name).fn(args);
}
