#include "progress/ui/progressmodule.h"

#include "progress/progressstore.h"
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

bool radiane_progress_read_earlier(const char16_t* folder, qsizetype length, qint64 before,
                                   std::vector<radiane::progress::KeyRecord>* keys) {
    const radiane::ProgramFolder programFolder(
        QString(reinterpret_cast<const QChar*>(folder), length));
    radiane::progress::ProgressStore store(
        programFolder.file(QString::fromLatin1(radiane::progress::kProgressFileName)));
    return !store.open(radiane::progress::ProgressStore::Access::ReadOnly) &&
           !store.readKeys(before, *keys);
}
