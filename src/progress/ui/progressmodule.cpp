#include "progress/ui/progressmodule.h"

#include "progress/ui/progresscontroller.h"

#include <QWidget>

QObject* radiane_progress_start(const char16_t* folder, qsizetype length, QWidget* mainWindow,
                                radiane::drill::JudgedKeyObserver** observer) {
    auto* controller = new radiane::progress::ProgressController(
        radiane::ProgramFolder(QString(reinterpret_cast<const QChar*>(folder), length)),
        mainWindow);
    controller->setParent(mainWindow);
    controller->start();
    *observer = &controller->recorder();
    return controller;
}
