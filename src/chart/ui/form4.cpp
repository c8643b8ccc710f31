#include "chart/ui/form4.h"

#include "chart/chartpage.h"
#include "chart/placement.h"
#include "chart/ui/chartprinter.h"
#include "common/fatalerror.h"
#include "common/picturescale.h"
#include "common/twips.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>

namespace radiane::chart {

namespace {

const QColor kButtonColour(192, 192, 255);

// A button in the graphical style: a flat face in a raised edge. The style sheet
// that draws it shows no focus, so the focused button gets a dotted frame.
class GraphicalButton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* e) override {
        QPushButton::paintEvent(e);
        if (!hasFocus())
            return;
        QPainter painter(this);
        painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(4, 4, -5, -5));
    }
};

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption,
                        const QRect& rectTwips) {
    auto* button = new GraphicalButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(
        pxRect(rectTwips.x(), rectTwips.y(), rectTwips.width(), rectTwips.height()));
    QPalette palette = button->palette();
    palette.setColor(QPalette::Button, kButtonColour);
    palette.setColor(QPalette::ButtonText, Qt::black);
    button->setPalette(palette);
    // Graphical style: flat light blue face in a raised 3D edge, sunken while pressed.
    // The face is ours whatever the skin, so the text colour is ours too.
    button->setStyleSheet(
        QStringLiteral("QPushButton { background-color: %1; color: #000000; border: 2px solid;"
                       " border-color: #ffffff #404040 #404040 #ffffff; }"
                       "QPushButton:pressed { border-color: #404040 #ffffff #ffffff #404040; }")
            .arg(kButtonColour.name()));
    button->setAutoDefault(true); // Enter presses the focused button
    return button;
}

} // namespace

Form4* Form4::showChart(QWidget* owner, const ProgramFolder& folder) {
    if (!open_)
        open_ = new Form4(folder, owner);
    Form4* form = open_;
    form->show();
    form->raise();
    form->activateWindow();
    // Already active windows get no activation event: place it here too.
    form->Form_Activate();
    return form;
}

Form4* Form4::current() {
    return open_;
}

Form4::Form4(const ProgramFolder& folder, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      folder_(folder), chartRatio_(owner ? owner->devicePixelRatioF() : devicePixelRatioF()),
      chart_(loadChartImage(folder, pictureScale(chartRatio_))), printerSource_(&defaultPrinter) {
    setObjectName(QStringLiteral("Form4"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setWindowTitle(QStringLiteral("打印字根表　（Esc键返回）"));
    setFixedSize(pxSize(10215, 8160));

    Picture1 = new QLabel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(pxRect(195, 90, 9825, 7905));
    Picture1->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    Picture1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Picture1->setPixmap(QPixmap::fromImage(pictureForRatio(chart_, chartRatio_)));
    Picture1->setFocusPolicy(Qt::StrongFocus);

    Command2 = makeButton(this, "Command2", QStringLiteral("打印确定"), {6690, 6690, 2325, 495});
    Command3 = makeButton(this, "Command3", QStringLiteral("返　　回"), {6690, 7290, 2325, 495});
    connect(Command2, &QPushButton::clicked, this, &Form4::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form4::Command3_Click);

    setTabOrder(Picture1, Command2);
    setTabOrder(Command2, Command3);
    Picture1->setFocus();

    if (owner) {
        // Centred on the owner's screen until the first activation knows the frame.
        const QRect screen = owner->screen()->geometry();
        move(screen.x() + (screen.width() - width()) / 2, screen.y());
    }
}

void Form4::updateChartRatio() {
    const double ratio = devicePixelRatioF();
    if (qFuzzyCompare(ratio, chartRatio_))
        return;
    if (pictureScale(ratio) != pictureScale(chartRatio_)) {
        try {
            chart_ = loadChartImage(folder_, pictureScale(ratio));
        } catch (const FatalError&) {
            return; // keeps showing the chart it has
        }
    }
    chartRatio_ = ratio;
    Picture1->setPixmap(QPixmap::fromImage(pictureForRatio(chart_, chartRatio_)));
}

void Form4::setPrinterSource(PrinterSource source) {
    printerSource_ = std::move(source);
}

bool Form4::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate)
        Form_Activate();
    if (e->type() == QEvent::ScreenChangeInternal || e->type() == QEvent::Show)
        updateChartRatio();
    return QDialog::event(e);
}

void Form4::keyPressEvent(QKeyEvent* e) {
    // Esc anywhere in the window presses the return button.
    if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) {
        Command3->click();
        return;
    }
    // Enter presses only the button that has the focus (it handles the key
    // itself); on the picture it does nothing, though the dialog keeps a default.
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        e->ignore();
        return;
    }
    QDialog::keyPressEvent(e);
}

void Form4::Form_Activate() {
    const QRect screen = this->screen()->geometry();
    const QRect frame = frameGeometry();
    int left = frame.x();
    if (!placed_) {
        left = screen.x() + (screen.width() - frame.width()) / 2;
        placed_ = true;
    }
    move(left, screen.y() + activationTopPx(screen.height(), frame.height()));
}

void Form4::Command2_Click() {
    if (askToPrint())
        print();
    Picture1->setFocus();
}

void Form4::Command3_Click() {
    close();
}

bool Form4::askToPrint() {
    QMessageBox box(
        QMessageBox::Question, QStringLiteral("警告！？"),
        QStringLiteral("准备好A4打印纸一张，连接好打印机，点“确定”进行打印，点“取消”不打印"),
        QMessageBox::Ok | QMessageBox::Cancel, this);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("确定"));
    box.button(QMessageBox::Cancel)->setText(QStringLiteral("取消"));
    box.setDefaultButton(QMessageBox::Cancel);
    box.setEscapeButton(QMessageBox::Cancel);
    return box.exec() == QMessageBox::Ok;
}

void Form4::print() {
    // A missing printer or a failed job is told to the learner; the window
    // stays open and the program goes on.
    std::unique_ptr<QPrinter> printer = printerSource_ ? printerSource_() : nullptr;
    if (!printer) {
        tell(QStringLiteral("没有找到打印机，字根表没有打印。\n"
                            "请先安装并连接好打印机，再点“打印确定”。"));
        return;
    }
    // The page takes the chart at twice the resolution where there is one.
    QImage page = chart_;
    if (chart_.devicePixelRatio() < kHighDensityScale) {
        try {
            page = loadChartImage(folder_, kHighDensityScale);
        } catch (const FatalError&) {
            // prints the chart it shows
        }
    }
    if (!printChart(*printer, page)) {
        tell(QStringLiteral("打印机“%1”出错，字根表没有打印。\n"
                            "请检查打印机和打印纸，再点“打印确定”。")
                 .arg(printer->printerName().isEmpty() ? printer->outputFileName()
                                                       : printer->printerName()));
    }
}

void Form4::tell(const QString& text) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("打印字根表"), text, QMessageBox::Ok,
                    this);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("确定"));
    box.exec();
}

} // namespace radiane::chart
