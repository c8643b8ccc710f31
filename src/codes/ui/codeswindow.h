#pragma once

#include "codes/codedrill.h"
#include "codes/codepicture.h"
#include "codes/codeset.h"
#include "common/programfolder.h"
#include "lookup/codedatabase.h"

#include <QWidget>
#include <array>
#include <memory>

class QLabel;
class QRadioButton;

namespace radiane::codes {

// The code drill's window: the character, the keys typed so far, what the last
// key stands for, the keyboard picture with the expected key framed after a
// wrong key, and the level choice. Keys typed anywhere in it go to the drill.
class CodesWindow : public QWidget {
    Q_OBJECT
public:
    // database is open and outlives the window; order (not owned) may be null
    // for frequency order.
    CodesWindow(ProgramFolder folder, lookup::CodeDatabase& database, CodeSet set,
                CodeItemOrder* order, QWidget* parent = nullptr);

    void setObserver(drill::JudgedKeyObserver* observer) { drill_.setObserver(observer); }
    // Starts a level at its most frequent character and selects its button.
    void startLevel(Level level);
    const CodeDrill& drill() const { return drill_; }
    const QImage& characterImage() const { return picture_.image(); }

    std::array<QRadioButton*, 3> levelButtons{}; // 一级简码, 二级简码, 常用字全码
    QLabel* characterLabel = nullptr;
    QLabel* typedLabel = nullptr;
    QLabel* noteLabel = nullptr;
    QLabel* hintLabel = nullptr;
    QLabel* radicalLabel = nullptr;  // the radical of the expected key, with the hint
    QLabel* previousLabel = nullptr; // the last character done, all painted
    QLabel* previousText = nullptr;
    QLabel* statusLabel = nullptr;
    QLabel* keyboardLabel = nullptr;
    QLabel* keyFrame = nullptr;

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildLayout();
    void loadKeyboard();
    void refresh();
    void showPictures();
    // Shows character with radicals painted in label; false when its picture failed.
    bool showPicture(CodePicture& picture, QLabel* label, const QString& character,
                     const std::vector<int>& painted);

    ProgramFolder folder_;
    CodeSet set_;
    FrequencyOrder frequencyOrder_;
    CodeDrill drill_;
    CodePicture picture_;
    CodePicture previous_;
    double ratio_ = 0;
};

} // namespace radiane::codes
