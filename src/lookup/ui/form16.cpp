#include "lookup/ui/form16.h"

#include "lookup/onlinequery.h"
#include "lookup/ui/clickablelabel.h"
#include "lookup/ui/shellopen.h"
#include "lookup/ui/songfont.h"
#include "lookup/ui/twipsplacement.h"

#include <QComboBox>
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

const QColor kLinkBlue(0, 0, 192);
const QColor kEmailBlue(0, 0, 255);

void setTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

// A white filled panel behind a group of controls.
QFrame* whitePanel(QWidget* parent, const char* name) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(QLatin1String(name));
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, Qt::white);
    panel->setPalette(palette);
    panel->setAutoFillBackground(true);
    return panel;
}

QLabel* captionLabel(QWidget* parent, const char* name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

} // namespace

Form16::Form16(QWidget* owner, const WebSettings& settings) : QDialog(owner), settings_(settings) {
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
    placeTwips(captionLabel(this, "Label17_0", QStringLiteral("软件主页1:")), 210, 705, 900, 180);
    addLink("Label36", SiteLink::Site, kLinkBlue, 1140, 660, 1260);
    placeTwips(captionLabel(this, "Label18", QStringLiteral("联系邮箱:")), 3330, 705, 810, 180);
    addLink("Label58", SiteLink::Email, kEmailBlue, 4200, 660, 1470);
    placeTwips(captionLabel(this, "Label17_1", QStringLiteral("软件主页2:")), 210, 990, 900, 180);
    addLink("Label21", SiteLink::Site2, kLinkBlue, 1140, 945, 1260);
    placeTwips(captionLabel(this, "Label17_2", QStringLiteral("五笔论坛:")), 3330, 990, 810, 180);
    addLink("Label16", SiteLink::Forum, kLinkBlue, 4200, 945, 1575);
    placeTwips(captionLabel(this, "Label17_3", QStringLiteral("编码查询:")), 210, 1275, 810, 180);
    addLink("Label1", SiteLink::CodeLookup, kLinkBlue, 1140, 1230, 1785);
    placeTwips(captionLabel(this, "Label17_4", QStringLiteral("五笔教程:")), 3330, 1275, 810, 180);
    addLink("Label2", SiteLink::Tutorial, kLinkBlue, 4200, 1230, 1785);

    placeTwips(whitePanel(this, "Shape1"), 60, 1770, 6165, 465);
    auto* Label5 = captionLabel(this, "Label5", QStringLiteral("在线查询汉字五笔编码和拆字图："));
    Label5->setAutoFillBackground(true);
    Label5->setBackgroundRole(QPalette::Base);
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

void Form16::addLink(const char* name, SiteLink link, QColor colour, int left, int top, int width) {
    const LinkTarget target = siteLink(link, settings_);
    auto* label = new ClickableLabel(target.caption, this);
    label->setObjectName(QLatin1String(name));
    QFont font = songFont(10.5);
    font.setUnderline(true);
    label->setFont(font);
    setTextColour(label, colour);
    label->setCursor(Qt::PointingHandCursor);
    placeTwips(label, left, top, width, 210);
    connect(label, &ClickableLabel::clicked, this,
            [this, address = target.address] { shellOpen(this, address); });
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
    const std::optional<QUrl> address = onlineQueryAddress(Combo1->currentText(), settings_);
    if (!address) {
        QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Quillet"),
                        QStringLiteral("请输入一个查询汉字！"), QMessageBox::Ok, this);
        box.exec();
        Combo1->setCurrentIndex(-1);
        Combo1->clearEditText();
        Combo1->setFocus();
        return;
    }
    shellOpen(this, *address);
}

} // namespace radiane::lookup
