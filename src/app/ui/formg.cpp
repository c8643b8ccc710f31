#include "app/ui/formg.h"

#include "app/drillmodesetting.h"
#include "app/ui/capslocknotice.h"
#include "app/ui/fatal.h"
#include "chart/ui/form4.h"
#include "common/linewriter.h"
#include "common/picturefile.h"
#include "common/picturescale.h"
#include "common/songfont.h"
#include "common/twips.h"
#include "lookup/ui/form16.h"
#include "lookup/ui/keyhelpareas.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QFontMetrics>
#include <QFrame>
#include <QKeyEvent>
#include <QMouseEvent>
#include <algorithm>

namespace radiane::app {

namespace {

const QColor kOrange(255, 128, 0);
constexpr int kHintBarHeight = 240; // twips
// The designed client area, twips.
constexpr int kClientWidth = 11970;
constexpr int kClientHeight = 6855;
// Outer heights of the window with the keyboard panel shown and folded, twips.
constexpr int kPanelShownHeight = 6960;
constexpr int kPanelFoldedHeight = 3315;
// The largest outer size, pixels: the designed client area and the frame of the
// platform it was designed on.
constexpr int kMaxOuterWidth = 808;
constexpr int kMaxOuterHeight = 490;
const QColor kDarkGrey(128, 128, 128);

// The picture at path; throws, naming the file, when it is missing or broken.
QImage readPicture(const QString& path) {
    PictureRead read = readPictureFile(path);
    if (!read.ok())
        throw FatalError(path, read.reason);
    return std::move(read.image);
}

// A picture the window cannot do without, at a scale.
QImage programPicture(const ProgramFolder& folder, const QString& name, int scale) {
    QImage picture = readPicture(folder.file(scaledPictureName(name, scale)));
    picture.setDevicePixelRatio(scale);
    return picture;
}

} // namespace

Formg::Formg(ProgramFolder folder, drill::RandomSource& random, appearance::Form99* form99,
             QWidget* parent)
    : QWidget(parent), folder_(std::move(folder)), form99_(form99),
      drill_(std::make_unique<drill::DrillEngine>(folder_.path(),
                                                  static_cast<drill::DrillHost&>(*this), random)) {
    setObjectName(QStringLiteral("Formg"));
    setWindowTitle(QStringLiteral("Radiane　（F1键出字根表和口诀）"));
    setFont(songFont(9));
    buildLayout();

    // Gives the answer box the focus right after the window has appeared.
    Timer1 = new QTimer(this);
    Timer1->setSingleShot(true);
    Timer1->setInterval(2);
    connect(Timer1, &QTimer::timeout, this, [this] {
        focusText1();
        Timer1->stop();
    });
    Timer1->start();

    SizeLimit1 = new appearance::SizeLimit(this);
    SizeLimit1->setMinWidth(0);
    SizeLimit1->setMinHeight(0);
    SizeLimit1->setMaxWidth(kMaxOuterWidth);
    SizeLimit1->setMaxHeight(kMaxOuterHeight);

    connect(Command3, &QPushButton::clicked, this, [this] {
        lookup::Form16::showModal(this);
        focusText1();
    });
    connect(Command2, &QPushButton::clicked, this, [this] {
        if (form99_)
            form99_->popupFace(QCursor::pos());
        focusText1();
    });
}

Formg::~Formg() = default;

void Formg::buildLayout() {
    resize(pxSize(kClientWidth, kClientHeight));

    Frame2 = new QFrame(this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Frame2->setGeometry(pxRect(-270, -230, 12675, 645));
    Command2 = new QPushButton(QStringLiteral("换 肤"), Frame2);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command2->setGeometry(pxRect(390, 260, 1035, 330));
    Command3 = new QPushButton(QStringLiteral("关 于"), Frame2);
    Command3->setObjectName(QStringLiteral("Command3"));
    Command3->setGeometry(pxRect(1545, 260, 1035, 330));

    const auto pathButton = [this](const QString& caption, const QString& name, const QString& tip,
                                   int left) {
        auto* button = new QPushButton(caption, Frame2);
        button->setObjectName(name);
        button->setToolTip(tip);
        button->setGeometry(pxRect(left, 260, 900, 330));
        return button;
    };
    progressButton = pathButton(QStringLiteral("进 度"), QStringLiteral("progressButton"),
                                QStringLiteral("学习进度（F2）"), 9150);
    practiceButton = pathButton(QStringLiteral("专 项"), QStringLiteral("practiceButton"),
                                QStringLiteral("专项练习（F3）"), 10110);
    codesButton = pathButton(QStringLiteral("编 码"), QStringLiteral("codesButton"),
                             QStringLiteral("编码练习（F4）"), 11070);
    // The answer box takes the focus back from the button, also when a dialog
    // opened by the signal was cancelled.
    const auto request = [this](QPushButton* button, void (Formg::*signal)()) {
        connect(button, &QPushButton::clicked, this, [this, signal] {
            emit(this->*signal)();
            focusText1();
        });
    };
    request(progressButton, &Formg::progressRequested);
    request(practiceButton, &Formg::practiceRequested);
    request(codesButton, &Formg::codesRequested);

    Option1 = new QRadioButton(QStringLiteral("单个字根图"), this);
    Option1->setObjectName(QStringLiteral("Option1"));
    Option1->setGeometry(pxRect(3960, 90, 1700, 240));
    Option1->setChecked(true);
    Option2 = new QRadioButton(QStringLiteral("汉字中的字根图"), this);
    Option2->setObjectName(QStringLiteral("Option2"));
    Option2->setGeometry(pxRect(6150, 90, 2200, 240));

    auto* line1 = new ShapeWidget(kDarkGrey, 1, kDarkGrey, this);
    line1->setObjectName(QStringLiteral("Line1"));
    line1->setGeometry(px(30), px(330), px(10050) - px(30), 1);
    auto* line2 = new ShapeWidget(Qt::white, 1, QColor(Qt::white), this);
    line2->setObjectName(QStringLiteral("Line2"));
    line2->setGeometry(px(30), px(360), px(10050) - px(30), 1);

    Shape11 = new ShapeWidget(Qt::white, 1, kOrange, this);
    Shape11->setObjectName(QStringLiteral("Shape11"));
    Shape11->setGeometry(pxRect(drill::kFrameLeft0, drill::kFrameTop, 1815, 1830));

    for (int i = 0; i < drill::kSlotCount; ++i) {
        auto* picture = new QLabel(this);
        picture->setObjectName(QStringLiteral("Picture1_%1").arg(i));
        picture->setGeometry(pxRect(1155 + drill::kSlotStep * i, 780, 1680, 1695));
        picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        picture->setAutoFillBackground(true);
        QPalette palette = picture->palette();
        palette.setColor(QPalette::Window, Qt::white);
        picture->setPalette(palette);
        Picture1[i] = picture;
    }

    Label3 = new QLabel(QStringLiteral("↑"), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setFont(songFont(15.75, true));
    Label3->setStyleSheet(QStringLiteral("color: rgb(255, 0, 0); background: transparent;"));
    Label3->move(pxPoint(drill::kArrowLeft0, drill::kArrowTop));
    Label3->adjustSize();

    // Below the top bar's line, right-aligned above the slot row; under the hint bar.
    practiceLine = new QLabel(this);
    practiceLine->setObjectName(QStringLiteral("practiceLine"));
    practiceLine->setGeometry(pxRect(2400, 400, 9400, 300));
    practiceLine->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    practiceLine->hide();

    Label4 = new QLabel(this);
    Label4->setObjectName(QStringLiteral("Label4"));
    Label4->setFont(songFont(12));
    Label4->setStyleSheet(
        QStringLiteral("color: white; background-color: rgb(255, 128, 0); padding: 0px;"));
    Label4->setGeometry(pxRect(2895, 450, 6120, kHintBarHeight));
    Label4->hide();
    // Right of the hint bar, which stands centred in the same row.
    capsLockNotice = new CapsLockNotice(this);
    capsLockNotice->setFont(songFont(9));
    capsLockNotice->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    capsLockNotice->setGeometry(pxRect(8760, 450, 3090, kHintBarHeight));

    buildKeyboardPanel();

    Image1 = new lookup::ClickableLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(pxRect(11280, 2540, 315, 285));
    Image1->setAlignment(Qt::AlignCenter);
    Image1->setToolTip(QStringLiteral("打开/隐藏键盘提示"));
    Image1->setCursor(Qt::PointingHandCursor);
    connect(Image1, &lookup::ClickableLabel::clicked, this, &Formg::togglePanel);

    // The working area below the window's bottom edge: the answer box lives here,
    // out of sight but holding the keyboard focus.
    Frame888 = new QWidget(this);
    Frame888->setObjectName(QStringLiteral("Frame888"));
    Frame888->setGeometry(pxRect(1650, 7770, 3000, 600));
    Text1 = new QLineEdit(Frame888);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setGeometry(0, 0, px(1500), px(300));
    // Letters must arrive as plain letters even while a Chinese input method is on.
    Text1->setAttribute(Qt::WA_InputMethodEnabled, false);
    Text1->setInputMethodHints(Qt::ImhLatinOnly | Qt::ImhNoPredictiveText);
    Text1->installEventFilter(this);
    connect(Text1, &QLineEdit::textChanged, this, &Formg::onText1Changed);

    connect(Option1, &QRadioButton::toggled, this,
            [this](bool checked) { onOptionToggled(drill::Mode::SingleRadicals, checked); });
    connect(Option2, &QRadioButton::toggled, this,
            [this](bool checked) { onOptionToggled(drill::Mode::RadicalsInCharacters, checked); });
    // After the button has taken the click: moving the focus during the release
    // would cancel the click, and the mode would not change.
    connect(Option1, &QRadioButton::released, this, &Formg::focusText1);
    connect(Option2, &QRadioButton::released, this, &Formg::focusText1);

    // The answer box comes first in the tab order.
    setTabOrder(Text1, Command2);
    setTabOrder(Command2, Command3);
    setTabOrder(Command3, progressButton);
    setTabOrder(progressButton, practiceButton);
    setTabOrder(practiceButton, codesButton);
    setTabOrder(codesButton, Option1);
    setTabOrder(Option1, Option2);
}

void Formg::buildKeyboardPanel() {
    Picture5 = new QLabel(this);
    Picture5->setObjectName(QStringLiteral("Picture5"));
    Picture5->setGeometry(pxRect(180, 2940, 11610, 3510));
    Picture5->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    for (const drill::KeyHintRow& row : drill::keyHintTable()) {
        auto* red = new ShapeWidget(QColor(255, 0, 0), 4, std::nullopt, Picture5);
        red->setObjectName(QStringLiteral("Shape1_%1").arg(row.markIndex));
        red->setGeometry(pxRect(row.red.left, row.red.top, row.red.width, row.red.height));
        red->hide();
        auto* white = new ShapeWidget(Qt::white, 1, std::nullopt, Picture5);
        white->setObjectName(QStringLiteral("Shape2_%1").arg(row.markIndex));
        white->setGeometry(
            pxRect(row.white.left, row.white.top, row.white.width, row.white.height));
        white->hide();
        Shape1[row.markIndex] = red;
        Shape2[row.markIndex] = white;
    }

    // Click areas over the keys (on top of the marks) open each key's help page;
    // the prompt under the keyboard opens key A's.
    const auto areas = lookup::createKeyHelpAreas(Picture5, this);
    std::copy(areas.begin(), areas.end(), Label10.begin());
    const lookup::HintLine hint = lookup::createHintLine(this);
    Label9 = hint.Label9;
    Label11 = hint.Label11;
}

void Formg::load() {
    pictureRatio_ = devicePixelRatioF();
    loadPanelPictures();

    const SetupRead setup = readDrillMode(folder_);
    if (setup.failure)
        throw FatalError(folder_.file(kSetupFile), *setup.failure);
    Label8 = setup.Label8;

    // A missing database is created empty: lookups miss and nothing is painted.
    const QString database = folder_.file(QStringLiteral("wwbb11.dat"));
    if (database_.open(database) == lookup::CodeDatabase::OpenResult::Failed)
        throw FatalError(database, database_.errorString());

    SizeLimit1->setFormhwnd(this);
    SizeLimit1->setEnabled(true);
    // Installed after the limiter's filter, so it runs first and the limiter
    // never sees limits narrower than the window's frame allows.
    installEventFilter(this);

    if (Label8 == u"1") {
        Option1->setChecked(true);
        drill_->startSingleRadicals();
    }
    if (Label8 == u"2")
        Option2->setChecked(true); // its toggle starts the drill
    Option2->repaint();
    Image1->setPixmap(Image3);
    drill_->setSlotNo(1);
    drill_->keytisi();
    showView();
}

void Formg::startPractice(drill::ItemSource& source) {
    if (drill_->mode() != drill::Mode::Practice)
        option1BeforePractice_ = Option1->isChecked();
    for (QRadioButton* option : {Option1, Option2}) {
        const QSignalBlocker block(option);
        option->setAutoExclusive(false);
        option->setChecked(false);
        option->setAutoExclusive(true);
    }
    guarded([&] { drill_->startPractice(source); });
    showView();
    focusText1();
}

bool Formg::formClose() {
    database_.close();
    if (form99_) {
        const QString face = form99_->skins().faceFilePath();
        const WriteResult written = writeLine(face, form99_->skinName());
        if (!written.ok) {
            endWithError(FatalError(face, written.reason).message());
            return false;
        }
    }
    const bool practising = drill_->mode() == drill::Mode::Practice;
    const WriteResult setup =
        writeDrillMode(folder_, practising ? option1BeforePractice_ : Option1->isChecked());
    if (!setup.ok) {
        endWithError(FatalError(folder_.file(kSetupFile), setup.reason).message());
        return false;
    }
    if (form99_)
        form99_->SkinRemove();
    return true;
}

void Formg::closeEvent(QCloseEvent* event) {
    if (closing_) {
        event->accept();
        return;
    }
    closing_ = true;
    if (!formClose()) {
        event->accept();
        return;
    }
    event->accept();
    if (onClosed_)
        onClosed_();
}

void Formg::togglePanel() {
    if (Label116 == u"1") {
        // Never less than the designed client area: under a frame taller than
        // 105 twips the outer height alone would cut off the prompt line.
        setOuterHeight(kPanelShownHeight, px(kClientHeight));
        Label116 = QStringLiteral("2");
        Image1->setPixmap(Image3);
    } else {
        // Folded, the toggle picture stays in view whatever the frame.
        setOuterHeight(kPanelFoldedHeight, Image1->geometry().bottom() + 1);
        Label116 = QStringLiteral("1");
        Image1->setPixmap(Image4);
    }
    focusText1();
}

void Formg::setOuterHeight(int twipsHeight, int minClientHeight) {
    const int frameExtra = frameGeometry().height() - geometry().height();
    resize(width(), std::max(px(twipsHeight) - frameExtra, minClientHeight));
}

void Formg::fitSizeLimits() {
    // Under a frame larger than the designed one, the fixed limits would cut off
    // the bottom of the designed client area.
    const QSize frame = frameGeometry().size() - geometry().size();
    const float width = float(std::max(kMaxOuterWidth, px(kClientWidth) + frame.width()));
    const float height = float(std::max(kMaxOuterHeight, px(kClientHeight) + frame.height()));
    if (SizeLimit1->MaxWidth() != width)
        SizeLimit1->setMaxWidth(width);
    if (SizeLimit1->MaxHeight() != height)
        SizeLimit1->setMaxHeight(height);
}

void Formg::mousePressEvent(QMouseEvent* event) {
    // A click on the window background or on the keyboard picture.
    focusText1();
    QWidget::mousePressEvent(event);
}

bool Formg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == this) {
        switch (event->type()) {
        case QEvent::Show:
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::WindowStateChange:
            fitSizeLimits();
            break;
        default:
            break;
        }
        return false;
    }
    if (watched == Text1 && event->type() == QEvent::KeyRelease) {
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_F1:
            showChart();
            break;
        case Qt::Key_F2:
            emit progressRequested();
            break;
        case Qt::Key_F3:
            emit practiceRequested();
            break;
        case Qt::Key_F4:
            emit codesRequested();
            break;
        default:
            break;
        }
        return false;
    }
    return QWidget::eventFilter(watched, event);
}

void Formg::showChart() {
    guarded([&] { chart::Form4::showChart(this, folder_); });
}

void Formg::onText1Changed(const QString& text) {
    const QString before = drill_->view().Text1;
    const QString expected = drill_->view().Label2;
    guarded([&] { drill_->text1Changed(text); });
    capsLockNotice->answerChanged(before, text, expected);
    showView();
}

void Formg::onOptionToggled(drill::Mode mode, bool checked) {
    if (!checked)
        return;
    drill_->setMode(mode);
    guarded([&] {
        if (mode == drill::Mode::SingleRadicals)
            drill_->startSingleRadicals();
        else
            drill_->startRadicalsInCharacters();
    });
    showView();
}

void Formg::showView() {
    const drill::DrillView& view = drill_->view();
    if (Text1->text() != view.Text1) {
        const QSignalBlocker block(Text1);
        Text1->setText(view.Text1);
    }
    Label3->setText(view.Label3Caption);
    Label3->move(pxPoint(view.Label3Left, view.Label3Top));
    Label3->adjustSize();
    Shape11->move(pxPoint(view.Shape11Left, view.Shape11Top));

    Label4->setText(view.Label4Caption);
    const QSize hint = hintSize(view.Label4Caption);
    Label4->setGeometry(px(view.Label4Left), px(view.Label4Top), hint.width(), hint.height());
    Label4->setVisible(view.Label4Visible);

    for (int i = 0; i < drill::kMarkCount; ++i) {
        if (Shape1[i])
            Shape1[i]->setVisible(view.Shape1Visible[i]);
        if (Shape2[i])
            Shape2[i]->setVisible(view.Shape2Visible[i]);
    }
}

void Formg::focusText1() {
    Text1->setFocus(Qt::OtherFocusReason);
}

QSize Formg::hintSize(const QString& caption) const {
    // As wide as the caption, as tall as designed: the font's line spacing would
    // reach over the top of the orange frame below.
    const QFontMetrics metrics(Label4->font());
    return {metrics.horizontalAdvance(caption), px(kHintBarHeight)};
}

void Formg::loadPanelPictures() {
    const int scale = pictureScale(pictureRatio_);
    Picture5->setPixmap(QPixmap::fromImage(pictureForRatio(
        programPicture(folder_, QStringLiteral("keyboard.png"), scale), pictureRatio_)));
    Image3 = QPixmap::fromImage(pictureForRatio(
        programPicture(folder_, QStringLiteral("panel-shown.png"), scale), pictureRatio_));
    Image4 = QPixmap::fromImage(pictureForRatio(
        programPicture(folder_, QStringLiteral("panel-folded.png"), scale), pictureRatio_));
    if (Image1->pixmap().isNull())
        return;
    Image1->setPixmap(Label116 == u"1" ? Image4 : Image3);
}

void Formg::updatePictureRatio() {
    const double ratio = devicePixelRatioF();
    if (qFuzzyCompare(ratio, pictureRatio_) || !drill_)
        return;
    pictureRatio_ = ratio;
    guarded([&] {
        loadPanelPictures();
        // Each slot again at the new scale, with the radical painted as before.
        lookup::CodeLookup replay(database_);
        for (int slot = 0; slot < drill::kSlotCount; ++slot) {
            if (slotNames_[slot].isEmpty())
                continue;
            loadSlotPicture(slot);
            if (slotLookups_[slot])
                replay.run(slotLookups_[slot]->first, slotLookups_[slot]->second,
                           slotImages_[slot]);
            showSlotPicture(slot);
        }
    });
}

bool Formg::event(QEvent* event) {
    if (event->type() == QEvent::ScreenChangeInternal || event->type() == QEvent::Show)
        updatePictureRatio();
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
    if (event->type() == QEvent::DevicePixelRatioChange)
        updatePictureRatio();
#endif
    return QWidget::event(event);
}

void Formg::showSlotPicture(int slot) {
    Picture1[slot]->setPixmap(
        QPixmap::fromImage(pictureForRatio(slotImages_[slot], pictureRatio_)));
}

void Formg::loadPicture(int slot, const QString& name) {
    slotNames_[slot] = name;
    slotLookups_[slot].reset();
    loadSlotPicture(slot);
    showSlotPicture(slot);
}

void Formg::loadSlotPicture(int slot) {
    const QString& name = slotNames_[slot];
    const int scale = pictureScale(pictureRatio_);
    const QString path =
        folder_.file(scaledPictureName(QStringLiteral("bmp/%1.bmp").arg(name), scale));
    // A picture name never leads out of the picture folder.
    const bool plainName = !name.contains(u'/') && !name.contains(u'\\') && name != u"..";
    if (!plainName)
        throw FatalError(path, QStringLiteral("找不到图片文件"));
    slotImages_[slot] = readPicture(path).convertToFormat(QImage::Format_RGB32);
    slotImages_[slot].setDevicePixelRatio(scale);
}

void Formg::runLookup() {
    const int slot = drill_->slotIndex();
    if (slot < 0 || slot >= drill::kSlotCount)
        return;
    const drill::DrillView& view = drill_->view();
    slotLookups_[slot] = std::make_pair(view.Text23, view.Label7[slot]);
    Command1_.run(view.Text23, view.Label7[slot], slotImages_[slot]);
    showSlotPicture(slot);
}

void Formg::repaintOptionButton(drill::Mode mode) {
    (mode == drill::Mode::SingleRadicals ? Option1 : Option2)->repaint();
}

void Formg::postBackspace() {
    QCoreApplication::postEvent(Text1,
                                new QKeyEvent(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier));
    QCoreApplication::postEvent(
        Text1, new QKeyEvent(QEvent::KeyRelease, Qt::Key_Backspace, Qt::NoModifier));
}

int Formg::hintWidthFor(const QString& caption) {
    return twips(hintSize(caption).width());
}

int Formg::windowOuterWidth() {
    return twips(frameGeometry().width());
}

} // namespace radiane::app
