#pragma once

#include "app/ui/shapewidget.h"
#include "app/ui/slotpictures.h"
#include "appearance/ui/form99.h"
#include "appearance/ui/sizelimit.h"
#include "common/programfolder.h"
#include "drill/drillengine.h"
#include "lookup/codedatabase.h"
#include "lookup/codelookup.h"
#include "lookup/keyhelp.h"
#include "lookup/ui/clickablelabel.h"

#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <utility>

class QFrame;

namespace radiane::app {

class CapsLockNotice;

// The main window: the drill row, the keyboard panel and the top bar. It shows
// the state of the drill engine and forwards the learner's events to it.
// Control names follow the window layout they were designed in.
class Formg : public QWidget, private drill::DrillHost {
    Q_OBJECT
public:
    // form99 owns the skin menu and the skin state; without it (tests) the skin
    // button only returns the focus and the close leaves face.txt alone.
    Formg(ProgramFolder folder, drill::RandomSource& random, appearance::Form99* form99 = nullptr,
          QWidget* parent = nullptr);
    ~Formg() override;

    // Restores the saved drill mode and starts the drill. Throws FatalError.
    void load();
    // Practice on items from source (not owned, kept until the next start):
    // neither mode option stays selected, and choosing one leaves practice.
    void startPractice(drill::ItemSource& source);
    // Told of every judged key; not owned.
    void setDrillObserver(drill::JudgedKeyObserver* observer) { drill_->setObserver(observer); }
    // Writes the settings back; called when the learner closes the window.
    // Returns false when a settings file could not be written (already reported).
    bool formClose();
    // Called after a successful close; program entry ends the process there.
    void setOnClosed(std::function<void()> onClosed) { onClosed_ = std::move(onClosed); }

    const drill::DrillEngine& drill() const { return *drill_; }
    const ProgramFolder& programFolder() const { return folder_; }
    const QImage& slotImage(int slot) const { return pictures_.image(slot); }
    const lookup::CodeLookup& Command1() const { return Command1_; }

    // Controls, public for the tests that drive the window.
    QFrame* Frame2 = nullptr;
    QPushButton* Command2 = nullptr; // "换 肤"
    QPushButton* Command3 = nullptr; // "关 于"
    // The learner's path, right of the mode choice; each asks the app to open
    // its window through a signal (also F2, F3, F4).
    QPushButton* progressButton = nullptr; // "进 度"
    QPushButton* practiceButton = nullptr; // "专 项"
    QPushButton* codesButton = nullptr;    // "编 码"
    QRadioButton* Option1 = nullptr;
    QRadioButton* Option2 = nullptr;
    QLabel* Label4 = nullptr;                 // hint bar
    QLabel* practiceLine = nullptr;           // where a practice stands; hidden outside practice
    CapsLockNotice* capsLockNotice = nullptr; // "Caps Lock is on"
    ShapeWidget* Shape11 = nullptr;
    std::array<QLabel*, drill::kSlotCount> Picture1{};
    QLabel* Label3 = nullptr; // arrow
    QLabel* Picture5 = nullptr;
    std::array<ShapeWidget*, drill::kMarkCount> Shape1{};
    std::array<ShapeWidget*, drill::kMarkCount> Shape2{};
    std::array<lookup::ClickableLabel*, lookup::kKeyAreaCount>
        Label10{}; // key help click areas, a..y
    lookup::ClickableLabel* Label9 = nullptr;
    QLabel* Label11 = nullptr;
    lookup::ClickableLabel* Image1 = nullptr;
    QWidget* Frame888 = nullptr;
    QLineEdit* Text1 = nullptr;
    QTimer* Timer1 = nullptr;
    appearance::SizeLimit* SizeLimit1 = nullptr; // keeps the outer size within the designed size

    // Hidden holders that are plain fields here.
    QString Label8 = QStringLiteral("1");   // drill mode read from setup.txt
    QString Label116 = QStringLiteral("2"); // "2" panel shown, "1" folded
    QPixmap Image3;                         // toggle picture while the panel is shown
    QPixmap Image4;                         // toggle picture while the panel is folded

    // Panel toggle (click on Image1).
    void togglePanel();

signals:
    void progressRequested();
    void practiceRequested();
    void codesRequested();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // DrillHost
    void loadPicture(int slot, const QString& name) override;
    void runLookup() override;
    void repaintOptionButton(drill::Mode mode) override;
    void postBackspace() override;
    int hintWidthFor(const QString& caption) override;
    int windowOuterWidth() override;

    void loadPanelPictures();
    // Loads the pictures again when the window's device pixel ratio has changed.
    void updatePictureRatio();
    void buildLayout();
    void buildKeyboardPanel();
    void onText1Changed(const QString& text);
    void onOptionToggled(drill::Mode mode, bool checked);
    void showView();
    void focusText1();
    void showChart();
    // Outer height in twips, but at least minClientHeight pixels of client area.
    void setOuterHeight(int twipsHeight, int minClientHeight);
    // The size limits, widened to the designed client area under this frame.
    void fitSizeLimits();
    QSize hintSize(const QString& caption) const;

    ProgramFolder folder_;
    appearance::Form99* form99_ = nullptr;
    std::unique_ptr<drill::DrillEngine> drill_;
    lookup::CodeDatabase database_; // wwbb11.dat, open from load to close
    lookup::CodeLookup Command1_{database_};
    SlotPictures pictures_{folder_, Picture1};
    std::function<void()> onClosed_;
    bool closing_ = false;
    bool option1BeforePractice_ = true; // the mode setup.txt keeps while practising
};

} // namespace radiane::app
