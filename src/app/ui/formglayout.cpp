// Where each control of the main window stands: the design's layout, in twips.
#include "app/ui/capslocknotice.h"
#include "app/ui/formg.h"
#include "app/ui/formgmetrics.h"
#include "common/songfont.h"
#include "common/twips.h"
#include "lookup/ui/keyhelpareas.h"

#include <QFrame>
#include <algorithm>

namespace radiane::app {

using namespace metrics;

namespace {

const QColor kOrange(255, 128, 0);
const QColor kDarkGrey(128, 128, 128);

} // namespace

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

} // namespace radiane::app
