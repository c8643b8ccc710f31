#pragma once

#include <QImage>
#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QTimer>
#include <optional>

namespace radiane::test {

// A 651 x 523 chart stand-in: yellow, with a red square at the top left and a
// blue one at the bottom right, so position, size and orientation show on paper.
QImage markedChart();
// Writes it as chart.png into a program folder.
void writeMarkedChart(const QString& folder);

struct PdfInfo {
    int pages = 0;
    QSizeF pageSizePt;
};
// pdfinfo's view of a PDF file; nothing when it cannot be read.
std::optional<PdfInfo> pdfInfo(const QString& path);
// The first page rendered by pdftoppm at the given resolution.
QImage renderPage(const QString& path, int dpi);
// Bounding box of the page's non-white pixels.
QRect inkBox(const QImage& page);

// Checks a printed chart page: one A4 page, the marked chart at 96 per inch with
// its top left 600 x 200 twips into the printable area (given in points).
void expectChartPage(const QString& pdf, const QRectF& printableAreaPt);

// Answers the message boxes a handler opens, one answer per box, and records them.
class MessageBoxAnswerer : public QObject {
public:
    struct Seen {
        QString title, text;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;
        QMessageBox::StandardButton defaultButton;
    };
    explicit MessageBoxAnswerer(QList<QMessageBox::StandardButton> answers);

    const QList<Seen>& seen() const { return seen_; }

private:
    void poll();

    QList<QMessageBox::StandardButton> answers_;
    QList<Seen> seen_;
    QTimer timer_;
};

} // namespace radiane::test
