#include "chartsupport.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSizeF>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <optional>

namespace radiane::test {

namespace {

const QColor kYellow(255, 255, 0), kRed(255, 0, 0), kBlue(0, 0, 255);

QString run(const QString& program, const QStringList& args) {
    QProcess process;
    process.start(program, args);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

bool near(const QColor& a, const QColor& b) {
    return std::abs(a.red() - b.red()) < 40 && std::abs(a.green() - b.green()) < 40 &&
           std::abs(a.blue() - b.blue()) < 40;
}

QImage markedChart() {
    QImage image(651, 523, QImage::Format_RGB32);
    image.fill(kYellow);
    QPainter painter(&image);
    painter.fillRect(0, 0, 20, 20, kRed);
    painter.fillRect(651 - 20, 523 - 20, 20, 20, kBlue);
    return image;
}

struct PdfInfo {
    int pages = 0;
    QSizeF pageSizePt;
};

// pdfinfo's view of a PDF file; nothing when it cannot be read.
std::optional<PdfInfo> pdfInfo(const QString& path) {
    const QString out = run(QStringLiteral("pdfinfo"), {path});
    const auto pages =
        QRegularExpression(QStringLiteral("^Pages:\\s+(\\d+)"), QRegularExpression::MultilineOption)
            .match(out);
    const auto size = QRegularExpression(QStringLiteral("^Page size:\\s+([\\d.]+) x ([\\d.]+) pts"),
                                         QRegularExpression::MultilineOption)
                          .match(out);
    if (!pages.hasMatch() || !size.hasMatch())
        return std::nullopt;
    return PdfInfo{pages.captured(1).toInt(),
                   QSizeF(size.captured(1).toDouble(), size.captured(2).toDouble())};
}

// The first page rendered by pdftoppm at the given resolution.
QImage renderPage(const QString& path, int dpi) {
    QTemporaryDir dir;
    const QString stem = dir.filePath(QStringLiteral("page"));
    run(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-singlefile"),
                                     QStringLiteral("-r"), QString::number(dpi), path, stem});
    return QImage(stem + QStringLiteral(".png"));
}

// Bounding box of the page's non-white pixels.
QRect inkBox(const QImage& page) {
    QRect box;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (qGray(page.pixel(x, y)) < 245 || qBlue(page.pixel(x, y)) < 245)
                box |= QRect(x, y, 1, 1);
    return box;
}

} // namespace

void writeMarkedChart(const QString& folder) {
    ASSERT_TRUE(markedChart().save(QDir(folder).filePath(QStringLiteral("chart.png"))));
    const QImage chart2x = markedChart().scaled(2 * 651, 2 * 523);
    ASSERT_TRUE(chart2x.save(QDir(folder).filePath(QStringLiteral("chart@2x.png"))));
}

void expectChartPage(const QString& pdf, const QRectF& printableAreaPt) {
    const std::optional<PdfInfo> info = pdfInfo(pdf);
    ASSERT_TRUE(info) << "pdfinfo cannot read " << pdf.toStdString();
    EXPECT_EQ(info->pages, 1);
    EXPECT_NEAR(info->pageSizePt.width(), 595.28, 1.0) << "not A4";
    EXPECT_NEAR(info->pageSizePt.height(), 841.89, 1.0) << "not A4";

    // The picture is stored without loss: JPEG would blur the small characters.
    const QString images = run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf});
    // The chart at twice the resolution, at the size of the 1x one.
    EXPECT_TRUE(images.contains(QStringLiteral(" 1302  1046 "))) << images.toStdString();
    EXPECT_FALSE(images.contains(QStringLiteral("jpeg"))) << images.toStdString();

    // At 96 per inch a chart pixel is a page pixel; 600 twips = 40 px, 200 = 13.3 px.
    const QImage page = renderPage(pdf, 96);
    ASSERT_FALSE(page.isNull()) << "pdftoppm cannot render " << pdf.toStdString();
    const double left = printableAreaPt.left() * 96 / 72 + 40;
    const double top = printableAreaPt.top() * 96 / 72 + 200.0 / 15;
    const QRect box = inkBox(page);
    EXPECT_NEAR(box.left(), left, 1.0);
    EXPECT_NEAR(box.top(), top, 1.0);
    EXPECT_NEAR(box.width(), 651, 1.0);
    EXPECT_NEAR(box.height(), 523, 1.0);
    // Upright, not mirrored: red at the top left, blue at the bottom right.
    EXPECT_TRUE(near(page.pixelColor(box.left() + 5, box.top() + 5), kRed));
    EXPECT_TRUE(near(page.pixelColor(box.right() - 5, box.bottom() - 5), kBlue));
    EXPECT_TRUE(near(page.pixelColor(box.center()), kYellow));
}

MessageBoxAnswerer::MessageBoxAnswerer(QList<QMessageBox::StandardButton> answers)
    : answers_(std::move(answers)) {
    connect(&timer_, &QTimer::timeout, this, &MessageBoxAnswerer::poll);
    timer_.start(10);
}

void MessageBoxAnswerer::poll() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || answers_.isEmpty() || !box->isVisible())
        return;
    auto* def = qobject_cast<QPushButton*>(box->defaultButton());
    seen_.append({box->windowTitle(), box->text(), box->icon(), box->standardButtons(),
                  def ? box->standardButton(def) : QMessageBox::NoButton});
    const QMessageBox::StandardButton answer = answers_.takeFirst();
    if (QAbstractButton* button = box->button(answer))
        button->click();
    else
        box->reject();
    if (answers_.isEmpty())
        timer_.stop();
}

} // namespace radiane::test
