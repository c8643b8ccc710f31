#pragma once

#include <QtGlobal>

// The entry point of the server module (radiane-site.so in the program folder).
// Starts the help site's server for the program folder (UTF-16, length
// characters) once per process, owned by the application object; returns its
// port, 0 when it could not listen.
extern "C" Q_DECL_EXPORT quint16 radiane_site_start(const char16_t* folder, qsizetype length);

inline constexpr char kSiteModuleName[] = "radiane-site.so";
inline constexpr char kSiteStartSymbol[] = "radiane_site_start";
using SiteStartFunction = quint16 (*)(const char16_t*, qsizetype);
