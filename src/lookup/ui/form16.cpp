#include "lookup/ui/form16.h"

#include "common/songfont.h"
#include "lookup/onlinequery.h"
#include "lookup/ui/clickablelabel.h"
#include "lookup/ui/shellopen.h"
#include "lookup/ui/twipsplacement.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

namespace radiane::lookup {

namespace {

constexpr int kClientWidth = 6300; // twips
constexpr int kClientHeight = 2325;

// The link area: two columns of caption and link on the white panel.
constexpr int kRightColumn = 3330; // twips, left of the right column's captions
constexpr int kPanelRight = 60 + 6165;
constexpr int kColumnGap = 60;
constexpr qreal kSmallestLinkPoints = 7.5;

const QColor kLinkBlue(0, 0, 192);
const QColor kEmailBlue(0, 0, 255);

struct LinkPlace {
    const char* name;
    SiteLink link;
    int left, top, width; // twips; all are 210 high
};

const LinkPlace kLinks[] = {
    {"Label36", SiteLink::Site, 1140, 660, 1260},
    {"Label58", SiteLink::Email, 4200, 660, 1470},
    {"Label21", SiteLink::Site2, 1140, 945, 1260},
    {"Label16", SiteLink::Forum, 4200, 945, 1575},
    {"Label1", SiteLink::CodeLookup, 1140, 1230, 1785},
    {"Label2", SiteLink::Tutorial, 4200, 1230, 1785},
};

// The room a link has up to the next caption or the panel's edge, in pixels.
int linkRoom(const LinkPlace& place) {
    const int right = place.left < kRightColumn ? kRightColumn : kPanelRight;
    return px(right - kColumnGap) - px(place.left);
}

// The links are set in underlined 10.5-point Song. Their captions are configured
// addresses of any length: if one doesn't fit its room, all of them are set
// smaller alike, rather than one running over its neighbour.
QFont linkFont(const WebSettings& settings) {
    QFont font = songFont(10.5);
    font.setUnderline(true);
    auto fits = [&] {
        for (const LinkPlace& place : kLinks) {
            const QString caption = siteLink(place.link, settings).caption;
            if (QFontMetrics(font).horizontalAdvance(caption) > linkRoom(place))
                return false;
        }
        return true;
    };
    while (font.pointSizeF() > kSmallestLinkPoints && !fits())
        font.setPointSizeF(font.pointSizeF() - 0.5);
    return font;
}

void setTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

void fillWhite(QWidget* widget) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, Qt::white);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

// A white filled panel behind a group of controls.
QFrame* whitePanel(QWidget* parent, const char* name) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(QLatin1String(name));
    fillWhite(panel);
    return panel;
}

QLabel* captionLabel(QWidget* parent, const char* name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

// A caption on a white panel: black, whatever text colour a skin gives the dialog.
QLabel* panelCaption(QWidget* parent, const char* name, const QString& text) {
    QLabel* label = captionLabel(parent, name, text);
    setTextColour(label, Qt::black);
    return label;
}

void addLink(QDialog* dialog, const WebSettings& settings, const LinkPlace& place,
             const QFont& font) {
    const LinkTarget target = siteLink(place.link, settings);
    auto* label = new ClickableLabel(target.caption, dialog);
    label->setObjectName(QLatin1String(place.name));
    label->setFont(font);
    setTextColour(label, place.link == SiteLink::Email ? kEmailBlue : kLinkBlue);
    label->setCursor(Qt::PointingHandCursor);
    placeTwips(label, place.left, place.top, place.width, 210);
    label->resize(std::min(label->width(), linkRoom(place)), label->height());
    QObject::connect(label, &ClickableLabel::clicked, dialog,
                     [dialog, address = target.address] { shellOpen(dialog, address); });
}

} // namespace

Form16::Form16(QWidget* owner, const WebSettings& settings) : QDialog(owner), settings_(settings) {
    setObjectName(QStringLiteral("Form16"));
    setWindowTitle(QStringLiteral("关于 Radiane"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(px(kClientWidth), px(kClientHeight));
    setFont(songFont(9));

    auto* Label4 = captionLabel(this, "Label4", QStringLiteral("Radiane 1.6"));
    Label4->setFont(songFont(12));
    setTextColour(Label4, Qt::red);
    Label4->setAlignment(Qt::AlignCenter);
    placeTwips(Label4, 1920, 90, 2160, 240);

    placeTwips(whitePanel(this, "Shape12"), 60, 480, 6165, 1155);
    placeTwips(panelCaption(this, "Label17_0", QStringLiteral("软件主页1:")), 210, 705, 900, 180);
    placeTwips(panelCaption(this, "Label18", QStringLiteral("联系邮箱:")), 3330, 705, 810, 180);
    placeTwips(panelCaption(this, "Label17_1", QStringLiteral("软件主页2:")), 210, 990, 900, 180);
    placeTwips(panelCaption(this, "Label17_2", QStringLiteral("五笔论坛:")), 3330, 990, 810, 180);
    placeTwips(panelCaption(this, "Label17_3", QStringLiteral("编码查询:")), 210, 1275, 810, 180);
    placeTwips(panelCaption(this, "Label17_4", QStringLiteral("五笔教程:")), 3330, 1275, 810, 180);

    const QFont font = linkFont(settings_);
    for (const LinkPlace& place : kLinks)
        addLink(this, settings_, place, font);

    placeTwips(whitePanel(this, "Shape1"), 60, 1770, 6165, 465);
    auto* Label5 = panelCaption(this, "Label5", QStringLiteral("在线查询汉字五笔编码和拆字图："));
    fillWhite(Label5);
    placeTwips(Label5, 210, 1905, 2700, 180);

    Combo1 = new QComboBox(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setEditable(true);
    // Typing a character and pressing Enter must not grow the example list.
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    Combo1->addItems(exampleCharacters());
    Combo1->setCurrentIndex(-1); // the query starts empty
    placeTwips(Combo1, 3000, 1845, 1515, 300);

    Command4 = new QPushButton(QStringLiteral("查 询"), this);
    Command4->setObjectName(QStringLiteral("Command4"));
    placeTwips(Command4, 4740, 1830, 1245, 315);
    connect(Command4, &QPushButton::clicked, this, &Form16::Command4_Click);

    setTabOrder(Combo1, Command4);
    Combo1->setFocus();
}

void Form16::showModal(QWidget* owner) {
    Form16 dialog(owner);
    dialog.placeOnScreenCentre();
    dialog.exec();
}

void Form16::placeOnScreenCentre() {
    QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect placed = rect();
    placed.moveCenter(screen->availableGeometry().center());
    move(placed.topLeft());
}

void Form16::Command4_Click() {
    const QString character = queryCharacter(Combo1->currentText());
    const std::optional<QUrl> address = onlineQueryAddress(Combo1->currentText(), settings_);
    if (!address) {
        // Nothing typed: the text is cleared. A character the site cannot be
        // asked for: the learner's text stays, to be corrected.
        const QString message =
            character.isEmpty()
                ? QStringLiteral("请输入一个查询汉字！")
                : QStringLiteral("“%1”不在 GBK 字符集中，无法查询它的五笔编码。").arg(character);
        QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Quillet"), message, QMessageBox::Ok,
                        this);
        box.exec();
        if (character.isEmpty()) {
            Combo1->setCurrentIndex(-1);
            Combo1->clearEditText();
        }
        Combo1->setFocus();
        return;
    }
    shellOpen(this, *address);
}

} // namespace radiane::lookup
