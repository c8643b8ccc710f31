#include "codes/ui/codeswindow.h"

#include "common/fatalerror.h"
#include "common/picturescale.h"
#include "common/twips.h"
#include "drill/keyhinttable.h"

#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPixmap>
#include <QRadioButton>

#include <cmath>

namespace radiane::codes {

namespace {

constexpr QRect kPictureRect{24, 48, 112, 113};
// The radical of a hint stands where the last character done does.
constexpr QRect kSideRect{536, 48, 112, 113};
constexpr QPoint kKeyboardAt{13, 200};
const QColor kOrange(255, 128, 0);

QFont sized(const QFont& base, double points, bool bold = false) {
    QFont font(base);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QLabel* whiteBox(QWidget* parent, const QRect& rect) {
    auto* label = new QLabel(parent);
    label->setGeometry(rect);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, Qt::white);
    label->setPalette(palette);
    return label;
}

// A picture of the program folder for a window of this device pixel ratio; a
// null image when it is missing or unreadable.
QImage folderPicture(const ProgramFolder& folder, const QString& name, double ratio) {
    const int scale = pictureScale(ratio);
    const QString path = folder.file(scaledPictureName(name, scale));
    QImage picture;
    if (QFileInfo(path).isFile() && picture.load(path))
        picture.setDevicePixelRatio(scale);
    return pictureForRatio(picture, ratio);
}

} // namespace

CodesWindow::CodesWindow(ProgramFolder folder, lookup::CodeDatabase& database, CodeSet set,
                         CodeItemOrder* order, QWidget* parent)
    : QWidget(parent, Qt::Window), folder_(std::move(folder)), set_(std::move(set)),
      drill_(set_, order ? *order : frequencyOrder_), picture_(folder_, database),
      previous_(folder_, database) {
    setObjectName(QStringLiteral("CodesWindow"));
    setWindowTitle(QStringLiteral("编码练习　（Esc键返回）"));
    // Letters must arrive as plain letters even while a Chinese input method is on.
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setFocusPolicy(Qt::StrongFocus);
    buildLayout();
}

void CodesWindow::buildLayout() {
    setFixedSize(800, 445);
    const QStringList levels{QStringLiteral("一级简码"), QStringLiteral("二级简码"),
                             QStringLiteral("常用字全码")};
    for (int i = 0; i < 3; ++i) {
        auto* button = new QRadioButton(levels[i], this);
        button->setObjectName(QStringLiteral("level%1").arg(i + 1));
        button->setGeometry(24 + 120 * i, 12, 112, 24);
        // The keys stay with the drill.
        button->setFocusPolicy(Qt::NoFocus);
        connect(button, &QRadioButton::clicked, this,
                [this, i] { startLevel(static_cast<Level>(i)); });
        levelButtons[i] = button;
    }
    statusLabel = new QLabel(this);
    statusLabel->setObjectName(QStringLiteral("status"));
    statusLabel->setGeometry(400, 12, 376, 24);
    statusLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    characterLabel = whiteBox(this, kPictureRect);
    characterLabel->setObjectName(QStringLiteral("character"));
    typedLabel = new QLabel(this);
    typedLabel->setObjectName(QStringLiteral("typed"));
    typedLabel->setFont(sized(font(), 26, true));
    typedLabel->setGeometry(160, 48, 320, 56);
    noteLabel = new QLabel(this);
    noteLabel->setObjectName(QStringLiteral("note"));
    noteLabel->setFont(sized(font(), 14));
    noteLabel->setGeometry(160, 112, 480, 32);
    hintLabel = new QLabel(this);
    hintLabel->setObjectName(QStringLiteral("hint"));
    hintLabel->setFont(sized(font(), 12));
    hintLabel->setStyleSheet(QStringLiteral("color: white; background-color: rgb(%1, %2, %3);")
                                 .arg(kOrange.red())
                                 .arg(kOrange.green())
                                 .arg(kOrange.blue()));
    hintLabel->setGeometry(24, 168, 640, 24);
    hintLabel->hide();
    radicalLabel = whiteBox(this, kSideRect);
    radicalLabel->setObjectName(QStringLiteral("radical"));
    radicalLabel->hide();
    previousLabel = whiteBox(this, kSideRect);
    previousLabel->setObjectName(QStringLiteral("previous"));
    previousLabel->hide();
    previousText = new QLabel(this);
    previousText->setObjectName(QStringLiteral("previousText"));
    previousText->setGeometry(kSideRect.right() + 10, kSideRect.top(), 130, kSideRect.height());
    previousText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    previousText->setWordWrap(true);

    keyboardLabel = new QLabel(this);
    keyboardLabel->setObjectName(QStringLiteral("keyboard"));
    keyboardLabel->setGeometry(QRect(kKeyboardAt, pxSize(11610, 3510)));
    keyboardLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    keyFrame = new QLabel(keyboardLabel);
    keyFrame->setObjectName(QStringLiteral("keyFrame"));
    keyFrame->setStyleSheet(
        QStringLiteral("border: 4px solid rgb(255, 0, 0); background: transparent;"));
    keyFrame->hide();
}

void CodesWindow::startLevel(Level level) {
    levelButtons[static_cast<int>(level)]->setChecked(true);
    drill_.start(level);
    refresh();
}

void CodesWindow::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    // Shortcuts are no keys of a code.
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (key == Qt::Key_Escape) {
        close();
    } else if (key == Qt::Key_Backspace) {
        drill_.backspace();
    } else if (key == Qt::Key_Space || (key >= Qt::Key_A && key <= Qt::Key_Z)) {
        drill_.type(key == Qt::Key_Space ? kSpace : QChar(u'a' + (key - Qt::Key_A)));
    } else {
        QWidget::keyPressEvent(event);
        return;
    }
    refresh();
}

bool CodesWindow::event(QEvent* event) {
    if (event->type() == QEvent::Show || event->type() == QEvent::ScreenChangeInternal) {
        if (std::abs(ratio_ - devicePixelRatioF()) > 1e-9) {
            ratio_ = devicePixelRatioF();
            loadKeyboard();
            showPictures();
        }
    }
    return QWidget::event(event);
}

void CodesWindow::loadKeyboard() {
    keyboardLabel->setPixmap(QPixmap::fromImage(
        folderPicture(folder_, QStringLiteral("keyboard.png"), devicePixelRatioF())));
}

bool CodesWindow::showPicture(CodePicture& picture, QLabel* label, const QString& character,
                              const std::vector<int>& painted) {
    label->clear();
    if (character.isEmpty())
        return false;
    try {
        picture.show(character, painted, pictureScale(devicePixelRatioF()));
    } catch (const FatalError& error) {
        QMessageBox::warning(this, QStringLiteral("Radiane"), error.message());
        return false;
    }
    label->setPixmap(QPixmap::fromImage(pictureForRatio(picture.image(), devicePixelRatioF())));
    return true;
}

void CodesWindow::showPictures() {
    const CodeDrillView& view = drill_.view();
    const FinishedCode& done = view.previous;
    // The character just finished is on show: the last radical is all it lacks.
    if (!done.character.isEmpty() && picture_.character() == done.character &&
        view.character != done.character)
        previous_.showAs(picture_);
    showPicture(picture_, characterLabel, view.character, view.painted);
    const bool previous = view.hintPicture.isEmpty() &&
                          showPicture(previous_, previousLabel, done.character, done.painted);
    previousLabel->setVisible(previous);
    previousText->setText(previous
                              ? QStringLiteral("上一字\n%1\n%2").arg(done.code.toUpper(), done.note)
                              : QString());
}

void CodesWindow::refresh() {
    const CodeDrillView& view = drill_.view();
    if (view.character.isEmpty()) {
        typedLabel->setText(QStringLiteral("这一级没有可练的字"));
        noteLabel->clear();
    } else {
        // The keys typed, then a mark for the one asked for: a letter or the space bar.
        const QString next =
            view.expected == kSpace ? QStringLiteral("＋空格") : QStringLiteral("＿");
        typedLabel->setText(view.typed.toUpper() + next +
                            (view.wrong ? QStringLiteral(" ×") : QString()));
        noteLabel->setText(view.note);
    }
    showPictures();

    hintLabel->setText(view.hint);
    hintLabel->adjustSize();
    hintLabel->setVisible(!view.hint.isEmpty());
    const QImage radical =
        view.hintPicture.isEmpty()
            ? QImage()
            : folderPicture(folder_, QStringLiteral("bmp/%1.bmp").arg(view.hintPicture),
                            devicePixelRatioF());
    radicalLabel->setPixmap(QPixmap::fromImage(radical));
    radicalLabel->setVisible(!radical.isNull());

    const drill::KeyHintRow* row =
        view.wrong ? drill::findKeyHint(QString(view.expected)) : nullptr;
    if (row)
        keyFrame->setGeometry(pxRect(row->red.left, row->red.top, row->red.width, row->red.height));
    keyFrame->setVisible(row != nullptr);

    const int keys = view.keysRight + view.keysWrong;
    statusLabel->setText(QStringLiteral("已练 %1 字　按键 %2　正确率 %3%")
                             .arg(view.charactersDone)
                             .arg(keys)
                             .arg(keys == 0 ? 100 : 100 * view.keysRight / keys));
}

} // namespace radiane::codes
