#include "chart/ui/chartprinter.h"
#include "chart/ui/form4.h"
#include "chartsupport.h"
#include "support/tempprogramfolder.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace radiane;
using namespace radiane::chart;

namespace {

// The folder the CUPS PDF queue of scripts/cups-pdf-printer writes to.
QString queueFolder() {
    QProcess script;
    script.start(
        QStringLiteral("bash"),
        {test::sourceDir() + QStringLiteral("/scripts/cups-pdf-printer"), QStringLiteral("--dir")});
    script.waitForFinished(10000);
    return QString::fromUtf8(script.readAllStandardOutput()).trimmed();
}

QStringList pdfsIn(const QString& folder) {
    return QDir(folder).entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Name);
}

} // namespace

class CupsPrint : public ::testing::Test {
protected:
    void SetUp() override {
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        folder = queueFolder();
        if (info.isNull() || !info.makeAndModel().contains(QStringLiteral("CUPS-PDF")) ||
            folder.isEmpty() || !QFileInfo(folder).isDir())
            GTEST_SKIP() << "no CUPS PDF queue is the default printer (run "
                            "scripts/cups-pdf-printer as root to set one up); the print path "
                            "is checked through Qt's PDF output only";
        queue = info.printerName();
        test::writeMarkedChart(program.path());
    }

    // Clicks "打印确定", answers OK, and gives the boxes seen.
    QList<test::MessageBoxAnswerer::Seen> printOnDefault() {
        QPointer<Form4> form = Form4::showChart(nullptr, program.folder());
        test::MessageBoxAnswerer answerer({QMessageBox::Ok, QMessageBox::Ok});
        form->findChild<QPushButton*>(QStringLiteral("Command2"))->click();
        EXPECT_FALSE(form.isNull());
        if (form)
            form->close();
        return answerer.seen();
    }

    QString folder, queue;
    test::TempProgramFolder program;
};

// The whole way through the system's print service: the default printer is a
// CUPS queue that writes PDF files; the chart window prints on it as on paper.
TEST_F(CupsPrint, DefaultPrinterGetsOneA4PageWithTheChart) {
    // The printable area the printing code will use on this queue.
    std::unique_ptr<QPrinter> probe = defaultPrinter();
    ASSERT_NE(probe, nullptr);
    preparePage(*probe);
    const QRectF printable = probe->pageLayout().paintRect(QPageLayout::Point);

    const QStringList before = pdfsIn(folder);
    const auto seen = printOnDefault();
    ASSERT_EQ(seen.size(), 1) << "printing on the default printer failed: "
                              << seen.value(1).text.toStdString();

    // The queue works on its own time: wait for a new, finished file.
    QString written;
    for (int i = 0; i < 600 && written.isEmpty(); ++i) {
        QTest::qWait(100);
        for (const QString& name : pdfsIn(folder)) {
            const QFileInfo file(QDir(folder).filePath(name));
            if (!before.contains(name) && file.size() > 0 &&
                file.lastModified().msecsTo(QDateTime::currentDateTime()) > 500)
                written = file.filePath();
        }
    }
    ASSERT_FALSE(written.isEmpty()) << "the CUPS PDF queue wrote nothing in 60 s";
    test::expectChartPage(written, printable);
    QFile::remove(written);
}

// A queue that refuses jobs: the print service says no, and the learner is told.
TEST_F(CupsPrint, RefusedJobIsToldAndTheWindowStays) {
    if (QProcess::execute(QStringLiteral("cupsreject"), {queue}) != 0)
        GTEST_SKIP() << "cannot make the queue refuse jobs (needs print administration rights)";
    const auto seen = printOnDefault();
    QProcess::execute(QStringLiteral("cupsaccept"), {queue});

    ASSERT_EQ(seen.size(), 2) << "a refused job was taken for printed";
    EXPECT_EQ(seen[1].icon, QMessageBox::Warning);
    EXPECT_TRUE(seen[1].text.contains(QStringLiteral("出错，字根表没有打印")));
}
