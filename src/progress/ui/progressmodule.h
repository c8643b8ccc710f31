#pragma once

#include "drill/judgedkey.h"
#include "progress/keyrecord.h"

#include <QtGlobal>
#include <vector>

class QObject;
class QWidget;

// The entry point of the progress module (radiane-progress.so in the program
// folder), loaded after the main window's first frame so that start-up neither
// links nor loads Qt SQL and Qt Charts. Starts recording into the program
// folder's progress file (UTF-16, length characters) and returns the progress
// controller, a child of mainWindow whose slot showWindow() opens the progress
// window; observer is set to the recorder to hand the drill.
extern "C" Q_DECL_EXPORT QObject*
radiane_progress_start(const char16_t* folder, qsizetype length, QWidget* mainWindow,
                       radiane::drill::JudgedKeyObserver** observer);

// The keys the progress file of the folder holds from before the time `before`
// (ms since the epoch), oldest first, appended to keys. False when the file
// cannot be read; a missing file holds none.
extern "C" Q_DECL_EXPORT bool
radiane_progress_read_earlier(const char16_t* folder, qsizetype length, qint64 before,
                              std::vector<radiane::progress::KeyRecord>* keys);

// By its base name: the loader adds the platform's suffix.
inline constexpr char kProgressModuleName[] = "radiane-progress";
inline constexpr char kProgressStartSymbol[] = "radiane_progress_start";
inline constexpr char kProgressReadEarlierSymbol[] = "radiane_progress_read_earlier";
using ProgressStartFunction = QObject* (*)(const char16_t*, qsizetype, QWidget*,
                                           radiane::drill::JudgedKeyObserver**);
using ProgressReadEarlierFunction = bool (*)(const char16_t*, qsizetype, qint64,
                                             std::vector<radiane::progress::KeyRecord>*);
