#include "skinpreview.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

namespace radiane::test {

namespace {

// The marker: solid orange with a white border, painted like the main
// window's shapes (not styled by skins).
class Marker : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), QColor(0xff, 0x80, 0x00));
        p.setPen(Qt::white);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
};

QPixmap keyboardPicture(QSize size) {
    QPixmap pixmap(size);
    pixmap.fill(QColor(0xd8, 0xd8, 0xd8));
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const char* rows[] = {"QWERTYUIOP", "ASDFGHJKL", "ZXCVBNM"};
    const int key = 66;
    for (int r = 0; r < 3; ++r) {
        const QString row = QLatin1String(rows[r]);
        for (int i = 0; i < row.size(); ++i) {
            const QRect box(14 + r * 30 + i * (key + 8), 10 + r * 74, key, 66);
            p.setBrush(QColor(0xfa, 0xfa, 0xfa));
            p.setPen(QColor(0x80, 0x80, 0x80));
            p.drawRoundedRect(box, 5, 5);
            p.setPen(Qt::black);
            p.drawText(box.adjusted(6, 4, 0, 0), Qt::AlignLeft | Qt::AlignTop, row.mid(i, 1));
            p.setPen(QColor(0x20, 0x40, 0xa0));
            p.drawText(box.adjusted(0, 0, -6, -4), Qt::AlignRight | Qt::AlignBottom,
                       QStringLiteral("王"));
        }
    }
    // The framed key (red outside, white inside).
    const QRect g(14 + 30 + 4 * (key + 8), 10 + 74, key, 66);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::red, 4));
    p.drawRect(g.adjusted(-3, -3, 3, 3));
    return pixmap;
}

QPixmap slotPicture(const QString& text) {
    QPixmap pixmap(112, 113);
    pixmap.fill(Qt::white);
    QPainter p(&pixmap);
    QFont font = p.font();
    font.setPixelSize(72);
    p.setFont(font);
    p.setPen(QColor(0x30, 0x30, 0x30));
    p.drawText(pixmap.rect(), Qt::AlignCenter, text);
    return pixmap;
}

} // namespace

PreviewWindow makePreviewWindow() {
    PreviewWindow w;
    w.window = new QWidget;
    w.window->setWindowTitle(QStringLiteral("Radiane　（F1键出字根表和口诀）"));
    w.window->resize(798, 457);

    w.frame2 = new QFrame(w.window);
    w.frame2->setObjectName(QStringLiteral("Frame2"));
    w.frame2->setGeometry(-18, -15, 845, 43);
    auto* command2 = new QPushButton(QStringLiteral("换 肤"), w.frame2);
    command2->setGeometry(32, 17, 72, 24);
    auto* command3 = new QPushButton(QStringLiteral("关 于"), w.frame2);
    command3->setGeometry(112, 17, 72, 24);

    auto* option1 = new QRadioButton(QStringLiteral("单个字根图"), w.window);
    option1->setGeometry(264, 4, 130, 18);
    option1->setChecked(true);
    auto* option2 = new QRadioButton(QStringLiteral("汉字中的字根图"), w.window);
    option2->setGeometry(410, 4, 150, 18);

    auto* line1 = new QFrame(w.window);
    line1->setGeometry(2, 22, 668, 1);
    line1->setAutoFillBackground(true);
    line1->setPalette(QPalette(QColor(0x80, 0x80, 0x80)));
    line1->setObjectName(QStringLiteral("Line1"));
    auto* line2 = new QFrame(w.window);
    line2->setGeometry(2, 24, 668, 1);
    line2->setStyleSheet(QStringLiteral("background: white;"));
    line2->setObjectName(QStringLiteral("Line2"));

    w.hint =
        new QLabel(QStringLiteral("提示：a　口诀：王旁青头戋（兼）五笔　例字：表　青　"), w.window);
    w.hint->setObjectName(QStringLiteral("Label4"));
    w.hint->setGeometry(193, 30, 408, 16);
    w.hint->setStyleSheet(QStringLiteral("background: #ff8000; color: white;"));

    const int current = 1;
    w.marker = new Marker(w.window);
    w.marker->setObjectName(QStringLiteral("Shape11"));
    w.marker->setGeometry(77 + 132 * current - 5, 52 - 5, 121, 122);
    const QString chars = QStringLiteral("王土大木工");
    for (int i = 0; i < 5; ++i) {
        auto* slot = new QLabel(w.window);
        slot->setObjectName(QStringLiteral("Picture1"));
        slot->setGeometry(77 + 132 * i, 52, 112, 113);
        slot->setAutoFillBackground(true);
        QPalette white = slot->palette();
        white.setColor(QPalette::Window, Qt::white);
        slot->setPalette(white);
        slot->setPixmap(slotPicture(chars.mid(i, 1)));
        w.picture1[i] = slot;
    }
    w.arrow = new QLabel(QStringLiteral("↑"), w.window);
    w.arrow->setObjectName(QStringLiteral("Label3"));
    w.arrow->setGeometry(77 + 132 * current + 46, 170, 24, 24);
    QFont bold = w.arrow->font();
    bold.setPointSizeF(15.75);
    bold.setBold(true);
    w.arrow->setFont(bold);
    QPalette red = w.arrow->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    w.arrow->setPalette(red);

    w.keyboard = new QLabel(w.window);
    w.keyboard->setObjectName(QStringLiteral("Picture5"));
    w.keyboard->setGeometry(12, 196, 774, 234);
    w.keyboard->setPixmap(keyboardPicture(w.keyboard->size()));

    auto* label9 = new QLabel(QStringLiteral("点击键盘相应键位查看示例编码和拆字图↑"), w.window);
    label9->setObjectName(QStringLiteral("Label9"));
    label9->setGeometry(286, 435, 240, 16);
    auto* label11 = new QLabel(QStringLiteral("点击键盘相应键位查看示例编码和拆字图↑"), w.window);
    label11->setObjectName(QStringLiteral("Label11"));
    label11->setGeometry(285, 434, 240, 16);
    QPalette whiteText = label11->palette();
    whiteText.setColor(QPalette::WindowText, Qt::white);
    label11->setPalette(whiteText);
    return w;
}

QWidget* makePreviewDialog() {
    auto* dialog = new QDialog;
    dialog->setWindowTitle(QStringLiteral("关于"));
    dialog->resize(360, 200);
    auto* title = new QLabel(QStringLiteral("在线查询汉字编码"), dialog);
    title->setGeometry(16, 12, 300, 20);
    auto* edit = new QLineEdit(QStringLiteral("青"), dialog);
    edit->setGeometry(16, 40, 150, 26);
    auto* combo = new QComboBox(dialog);
    combo->addItems({QStringLiteral("86 版"), QStringLiteral("98 版")});
    combo->setGeometry(176, 40, 100, 26);
    auto* link = new QLabel(QStringLiteral("<a href=\"x\">访问网站</a>　联系我们"), dialog);
    link->setGeometry(16, 80, 300, 20);
    auto* query = new QPushButton(QStringLiteral("查 询"), dialog);
    query->setGeometry(16, 150, 90, 28);
    query->setDefault(true);
    auto* disabled = new QPushButton(QStringLiteral("打 印"), dialog);
    disabled->setGeometry(116, 150, 90, 28);
    disabled->setEnabled(false);
    auto* close = new QPushButton(QStringLiteral("关 闭"), dialog);
    close->setGeometry(254, 150, 90, 28);
    return dialog;
}

QImage renderPreview(const QString& title) {
    PreviewWindow main = makePreviewWindow();
    main.window->show();
    QWidget* dialog = makePreviewDialog();
    dialog->show();
    QMessageBox box(QMessageBox::Information, QStringLiteral("Keyloom！"),
                    QStringLiteral("请登录http://www.radiane.org了解详情"), QMessageBox::Ok);
    box.show();
    QMenu menu(QStringLiteral("换肤"));
    for (const char* caption : {"取消皮肤", "PixOS", "CoronaLaST", "XP-Metallic", "XP-Luna", "LE4",
                                "MacOS", "Slate", "OpusOS", "RhodiumX"})
        menu.addAction(QString::fromUtf8(caption));
    menu.adjustSize();
    menu.show();
    menu.setActiveAction(menu.actions().at(3));
    QApplication::processEvents();

    const QPixmap mainShot = main.window->grab();
    const QPixmap dialogShot = dialog->grab();
    const QPixmap boxShot = box.grab();
    const QPixmap menuShot = menu.grab();

    const int gap = 12;
    const int width = mainShot.width() + 2 * gap;
    const int height = 24 + mainShot.height() + gap +
                       std::max({dialogShot.height(), boxShot.height(), menuShot.height()}) +
                       2 * gap;
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(0x60, 0x60, 0x60));
    QPainter p(&image);
    p.setPen(Qt::white);
    p.drawText(QRect(gap, 4, width, 18), Qt::AlignLeft | Qt::AlignVCenter, title);
    int y = 24;
    p.drawPixmap(gap, y, mainShot);
    y += mainShot.height() + gap;
    int x = gap;
    for (const QPixmap* shot : {&dialogShot, &boxShot, &menuShot}) {
        p.drawPixmap(x, y, *shot);
        x += shot->width() + gap;
    }
    p.end();
    menu.hide();
    box.hide();
    delete dialog;
    delete main.window;
    return image;
}

} // namespace radiane::test
