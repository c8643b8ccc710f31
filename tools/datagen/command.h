#pragma once

#include <QStringList>
#include <functional>

namespace datagen {

// A sub-command of the generator: `datagen <name> [args...]`. Returns the exit code.
using CommandFn = std::function<int(const QStringList& args)>;

struct CommandRegistrar {
    CommandRegistrar(const char* name, const char* help, CommandFn fn);
};

} // namespace datagen

// Registers a sub-command from any source file of the generator.
#define DATAGEN_COMMAND(id, name, help)                                                            \
    static int datagen_cmd_##id(const QStringList& args);                                          \
    static const datagen::CommandRegistrar datagen_reg_##id(name, help, datagen_cmd_##id);         \
    static int datagen_cmd_##id(const QStringList& args)
