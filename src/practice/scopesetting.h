#pragma once

#include "common/linewriter.h"
#include "common/programfolder.h"
#include "practice/scope.h"

#include <optional>

namespace radiane::practice {

inline constexpr auto kScopeFile = "practice.txt";

// The practice scope chosen last, kept in practice.txt of the program folder:
// one line, the keys, a blank and the content number, e.g. "gfdsa 1".
struct ScopeRead {
    Scope scope; // the default when the file is missing or unusable
    // Set when the file exists but cannot be used, naming the file and why.
    std::optional<QString> problem;
};

ScopeRead readScope(const ProgramFolder& folder);
WriteResult writeScope(const ProgramFolder& folder, const Scope& scope);

} // namespace radiane::practice
