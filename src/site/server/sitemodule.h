#pragma once

#include <QtGlobal>

// The entry point of the server module (radiane-site plus the platform's module
// suffix, in the program folder). Starts the help site's server for the program
// folder (UTF-16, length characters) once per process, owned by the application
// object, and returns its port. When it cannot listen it returns 0 and points
// failure at the reason (UTF-16, NUL-terminated, valid until the next call).
extern "C" Q_DECL_EXPORT quint16 radiane_site_start(const char16_t* folder, qsizetype length,
                                                    const char16_t** failure);

inline constexpr char kSiteModuleBaseName[] = "radiane-site";
inline constexpr char kSiteStartSymbol[] = "radiane_site_start";
using SiteStartFunction = quint16 (*)(const char16_t*, qsizetype, const char16_t**);
