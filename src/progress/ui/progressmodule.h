#pragma once

#include "drill/judgedkey.h"

#include <QtGlobal>

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

inline constexpr char kProgressModuleName[] = "radiane-progress.so";
inline constexpr char kProgressStartSymbol[] = "radiane_progress_start";
using ProgressStartFunction = QObject* (*)(const char16_t*, qsizetype, QWidget*,
                                           radiane::drill::JudgedKeyObserver**);
