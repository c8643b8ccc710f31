#pragma once

#include "common/programfolder.h"

#include <QDialog>
#include <QImage>
#include <QPointer>
#include <functional>
#include <memory>

class QLabel;
class QPrinter;
class QPushButton;

namespace radiane::chart {

// The chart window: shows the radical chart and prints it on one A4 page. A
// fixed, non-modal dialog owned by the main window (so it stays off the task
// bar); closing destroys it.
class Form4 : public QDialog {
    Q_OBJECT

public:
    // Gives the printer to print on, or null when the system has none.
    using PrinterSource = std::function<std::unique_ptr<QPrinter>()>;

    // Shows the chart window, creating it when none is open; an open one is
    // brought to the front and re-centred. Throws FatalError when chart.png is
    // missing or unreadable.
    static Form4* showChart(QWidget* owner, const ProgramFolder& folder);
    // The open chart window, or null.
    static Form4* current();

    Form4(const ProgramFolder& folder, QWidget* owner = nullptr);

    // Replaces the default printer (tests print to a PDF file this way).
    void setPrinterSource(PrinterSource source);

    // Window activation: top edge by the activation rule, left edge unchanged.
    void Form_Activate();
    // "打印确定": ask, then print.
    void Command2_Click();
    // "返　　回": close and destroy the window.
    void Command3_Click();

protected:
    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    bool askToPrint();
    void print();
    void tell(const QString& text);
    // Loads the chart again when the window's device pixel ratio has changed.
    void updateChartRatio();

    static inline QPointer<Form4> open_;

    ProgramFolder folder_;
    double chartRatio_ = 1.0; // device pixel ratio the chart is shown at
    QImage chart_;
    PrinterSource printerSource_;
    bool placed_ = false; // centred horizontally once, on the first activation
    QLabel* Picture1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
};

} // namespace radiane::chart
