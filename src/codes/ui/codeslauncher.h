#pragma once

#include "codes/itemorder.h"
#include "common/programfolder.h"
#include "drill/judgedkey.h"
#include "lookup/codedatabase.h"

#include <QPointer>
#include <functional>

class QWidget;

namespace radiane::codes {

class CodesWindow;

// Opens the code drill's window, once: the first open reads the data (a file
// that cannot be used is reported and the window does not open); later ones
// bring the same window, with its drill, to the front.
class CodesLauncher {
public:
    // parent is the main window: the code drill's window closes with it.
    CodesLauncher(ProgramFolder folder, QWidget* parent);
    ~CodesLauncher();
    CodesLauncher(const CodesLauncher&) = delete;
    CodesLauncher& operator=(const CodesLauncher&) = delete;

    // Both take effect from the next window made; not owned.
    void setObserver(drill::JudgedKeyObserver* observer) { observer_ = observer; }
    void setItemOrder(CodeItemOrder* order) { order_ = order; }
    // Runs once, before the first window is made: where the keys of earlier runs
    // are read in.
    void setBeforeFirstOpen(std::function<void()> beforeFirstOpen) {
        beforeFirstOpen_ = std::move(beforeFirstOpen);
    }

    // The window, or null when its data could not be read (already reported).
    CodesWindow* open();

private:
    ProgramFolder folder_;
    QWidget* parent_;
    drill::JudgedKeyObserver* observer_ = nullptr;
    CodeItemOrder* order_ = nullptr;
    std::function<void()> beforeFirstOpen_;
    lookup::CodeDatabase database_;
    QPointer<CodesWindow> window_;
};

} // namespace radiane::codes
