#pragma once

#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QRectF>
#include <QString>
#include <QTimer>

namespace radiane::test {

// Writes a 651 x 523 chart stand-in as chart.png into a program folder: yellow,
// with a red square at the top left and a blue one at the bottom right, so
// position, size and orientation show on paper.
void writeMarkedChart(const QString& folder);

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
