#include "progress/ui/keyboardheatmap.h"

#include "common/picturescale.h"
#include "common/twips.h"
#include "drill/keyhinttable.h"

#include <QFileInfo>
#include <QPainter>

namespace radiane::progress {

namespace {

constexpr QSize kPictureSize(774, 234); // keyboard.png, logical pixels
// Slower than this many times the mean of the drilled keys: the time in red.
constexpr double kSlowFactor = 1.5;

} // namespace

KeyboardHeatmap::KeyboardHeatmap(ProgramFolder folder, QWidget* parent)
    : QWidget(parent), folder_(std::move(folder)) {
    setObjectName(QStringLiteral("keyboardHeatmap"));
    setMinimumSize(kPictureSize);
    for (int i = 0; i < 25; ++i)
        keys_[i].key = QChar(u'a' + i);
}

QSize KeyboardHeatmap::sizeHint() const {
    return kPictureSize;
}

void KeyboardHeatmap::setKeys(const std::array<KeyFigures, 25>& keys) {
    keys_ = keys;
    update();
}

QColor KeyboardHeatmap::accuracyColour(std::optional<double> accuracy) {
    if (!accuracy)
        return QColor(150, 150, 150);
    if (*accuracy >= 0.95)
        return QColor(0, 170, 60);
    if (*accuracy >= 0.85)
        return QColor(230, 200, 0);
    if (*accuracy >= 0.70)
        return QColor(255, 128, 0);
    return QColor(225, 0, 0);
}

void KeyboardHeatmap::loadPicture() {
    pictureRatio_ = devicePixelRatioF();
    const int scale = pictureScale(pictureRatio_);
    const QString path = folder_.file(scaledPictureName(QStringLiteral("keyboard.png"), scale));
    QImage picture;
    if (QFileInfo(path).isFile() && picture.load(path)) {
        picture.setDevicePixelRatio(scale);
        picture_ = pictureForRatio(picture, pictureRatio_);
    } else {
        picture_ = QImage(); // the keys are drawn without it
    }
}

void KeyboardHeatmap::paintEvent(QPaintEvent*) {
    if (pictureRatio_ != devicePixelRatioF())
        loadPicture();
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (!picture_.isNull())
        painter.drawImage(QPoint(0, 0), picture_);

    qint64 timeSum = 0;
    int timed = 0;
    for (const KeyFigures& key : keys_) {
        if (key.right > 0) {
            timeSum += key.meanAnswerMs;
            ++timed;
        }
    }
    const double meanTime = timed ? double(timeSum) / timed : 0;

    QFont font = this->font();
    font.setPointSizeF(8);
    font.setBold(true);
    painter.setFont(font);
    const int strip = QFontMetrics(font).height() + 2;
    for (const drill::KeyHintRow& row : drill::keyHintTable()) {
        const KeyFigures& key = keys_[row.key.front().unicode() - u'a'];
        const QRect box = pxRect(row.red.left, row.red.top, row.red.width, row.red.height);
        QColor fill = accuracyColour(key.accuracy());
        fill.setAlpha(key.count ? 110 : 40);
        painter.fillRect(box, fill);
        painter.setPen(QPen(accuracyColour(key.accuracy()), 2));
        painter.drawRect(box.adjusted(1, 1, -1, -1));
        if (!key.count)
            continue;
        const QRect foot(box.left() + 2, box.bottom() - strip - 1, box.width() - 4, strip);
        painter.fillRect(foot, QColor(255, 255, 255, 225));
        const bool slow =
            key.right > 0 && meanTime > 0 && key.meanAnswerMs > kSlowFactor * meanTime;
        const QString accuracy = QString::number(qRound(*key.accuracy() * 100)) + u'%';
        const QString time =
            key.right > 0 ? QString::number(key.meanAnswerMs / 1000.0, 'f', 1) + u's' : QString();
        painter.setPen(Qt::black);
        painter.drawText(foot.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, accuracy);
        painter.setPen(slow ? QColor(210, 0, 0) : QColor(0, 0, 0));
        painter.drawText(foot.adjusted(0, 0, -2, 0), Qt::AlignRight | Qt::AlignVCenter, time);
    }
}

} // namespace radiane::progress
