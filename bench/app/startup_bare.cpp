// The floors of the start-up figures: a bare Qt Widgets program built with the
// same flags, application font and window size as the real main window, shown
// until its first painted frame. Started by startup_bench as
//   startup_bare <spawn time ns> [<program folder>]
// and prints one line of phase times (ns after the spawn) and memory (kB). With
// a program folder the window also draws what every Chinese Qt program draws: a
// line of text in the CJK face and one picture (the keyboard picture, at twice
// the resolution above ratio 1).
#include "probe.h"

#include <QApplication>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

using radiane::bench::monotonicNs;
using radiane::bench::statusKb;

namespace {

class TextAndPicture : public QWidget {
public:
    explicit TextAndPicture(QString folder) : folder_(std::move(folder)) {}

protected:
    void paintEvent(QPaintEvent*) override {
        if (picture_.isNull()) {
            const bool dense = devicePixelRatioF() > 1;
            picture_.load(folder_ + (dense ? "/keyboard@2x.png" : "/keyboard.png"));
            picture_.setDevicePixelRatio(dense ? 2 : 1);
        }
        QPainter painter(this);
        painter.drawText(20, 30, QStringLiteral("点击键盘相应键位查看示例编码和拆字图"));
        painter.drawImage(12, 196, picture_);
    }

private:
    QString folder_;
    QImage picture_;
};

} // namespace

int main(int argc, char** argv) {
    const long long mainNs = monotonicNs();
    const long long spawnNs = argc > 1 ? std::atoll(argv[1]) : mainNs;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Radiane"));
    QFont font(QStringLiteral("Noto Serif CJK SC"));
    font.setStyleHint(QFont::Serif);
    font.setPointSizeF(9);
    QApplication::setFont(font);
    const long long appNs = monotonicNs();

    const QString folder = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    QWidget bare;
    TextAndPicture textAndPicture(folder);
    QWidget& window = folder.isEmpty() ? bare : textAndPicture;
    window.setWindowTitle(QStringLiteral("Radiane　（F1键出字根表和口诀）"));
    window.resize(798, 457); // the main window's client size (11970 x 6855 twips)
    long long shownNs = 0;
    radiane::bench::FirstPaintProbe* probePtr = nullptr;
    radiane::bench::FirstPaintProbe probe([&] {
        const long long paintedNs = monotonicNs();
        std::printf("main=%lld app=%lld built=%lld loaded=%lld shown=%lld paint=%lld painted=%lld "
                    "hwm_kb=%ld rss_kb=%ld\n",
                    mainNs - spawnNs, appNs - spawnNs, appNs - spawnNs, appNs - spawnNs,
                    shownNs - spawnNs, probePtr->paintEventNs() - spawnNs, paintedNs - spawnNs,
                    statusKb("VmHWM"), statusKb("VmRSS"));
        std::fflush(stdout);
        QCoreApplication::quit();
    });
    probePtr = &probe;
    window.installEventFilter(&probe);
    window.show();
    shownNs = monotonicNs();
    return QApplication::exec();
}
