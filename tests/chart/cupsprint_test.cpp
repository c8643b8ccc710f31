#include "chart/ui/chartprinter.h"
#include "chart/ui/form4.h"
#include "chartsupport.h"
#include "support/tempprogramfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QUuid>
#include <cups/cups.h>
#include <gtest/gtest.h>
#include <optional>

using namespace radiane;
using namespace radiane::chart;

namespace {

// What scripts/cups-pdf-printer says when asked: the folder its PDF queue
// writes to (--dir), the name of its queue that refuses every job (--refusing).
QString printerScript(const QString& question) {
    QProcess script;
    script.start(QStringLiteral("bash"),
                 {test::sourceDir() + QStringLiteral("/scripts/cups-pdf-printer"), question});
    script.waitForFinished(10000);
    return QString::fromUtf8(script.readAllStandardOutput()).trimmed();
}

// The queue's printable area on A4 in points, as the print service states it
// (from the queue's driver description), not as Qt derives it.
std::optional<QRectF> printableA4(const QString& queue) {
    cups_dest_t* dests = nullptr;
    const int count = cupsGetDests2(CUPS_HTTP_DEFAULT, &dests);
    cups_dest_t* dest = cupsGetDest(queue.toUtf8().constData(), nullptr, count, dests);
    cups_dinfo_t* info = dest ? cupsCopyDestInfo(CUPS_HTTP_DEFAULT, dest) : nullptr;
    cups_size_t size{};
    const bool found =
        info && cupsGetDestMediaByName(CUPS_HTTP_DEFAULT, dest, info, "iso_a4_210x297mm",
                                       CUPS_MEDIA_FLAGS_DEFAULT, &size);
    cupsFreeDestInfo(info);
    cupsFreeDests(count, dests);
    if (!found)
        return std::nullopt;
    const auto pt = [](int hundredthsOfMm) { return hundredthsOfMm * 72.0 / 2540.0; };
    return QRectF(pt(size.left), pt(size.top), pt(size.width - size.left - size.right),
                  pt(size.length - size.top - size.bottom));
}

struct Job {
    int id = 0;
    ipp_jstate_t state = IPP_JSTATE_PENDING;
};

// This user's job on the queue with the given title, if the service knows one.
std::optional<Job> jobTitled(const QString& queue, const QByteArray& title) {
    cups_job_t* jobs = nullptr;
    const int count =
        cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, queue.toUtf8().constData(), 1, CUPS_WHICHJOBS_ALL);
    std::optional<Job> job;
    for (int i = 0; i < count; ++i)
        if (title == jobs[i].title)
            job = Job{jobs[i].id, jobs[i].state};
    cupsFreeJobs(count, jobs);
    return job;
}

} // namespace

class CupsPrint : public ::testing::Test {
protected:
    void SetUp() override {
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        folder = printerScript(QStringLiteral("--dir"));
        if (info.isNull() || !info.makeAndModel().contains(QStringLiteral("CUPS-PDF")) ||
            folder.isEmpty() || !QFileInfo(folder).isDir())
            GTEST_SKIP() << "no CUPS PDF queue is the default printer (run "
                            "scripts/cups-pdf-printer as root to set one up); the print path "
                            "is checked through Qt's PDF output only";
        queue = info.printerName();
        test::writeMarkedChart(program.path());
    }

    // Clicks "打印确定", answers OK, and gives the boxes seen. The job carries
    // a title of its own, so its file is told from other jobs on the queue.
    // On the default printer, or on the queue named.
    QList<test::MessageBoxAnswerer::Seen> printOnDefault(const QString& onQueue = {}) {
        QPointer<Form4> form = Form4::showChart(nullptr, program.folder());
        form->setPrinterSource([this, onQueue] {
            std::unique_ptr<QPrinter> printer =
                onQueue.isEmpty() ? defaultPrinter()
                                  : std::make_unique<QPrinter>(QPrinterInfo::printerInfo(onQueue),
                                                               QPrinter::HighResolution);
            if (printer)
                printer->setDocName(QString::fromLatin1(title));
            return printer;
        });
        test::MessageBoxAnswerer answerer({QMessageBox::Ok, QMessageBox::Ok});
        form->findChild<QPushButton*>(QStringLiteral("Command2"))->click();
        EXPECT_FALSE(form.isNull());
        if (form)
            form->close();
        return answerer.seen();
    }

    QString folder, queue;
    const QByteArray title = "radiane-test-" +
                             QByteArray::number(QCoreApplication::applicationPid()) + "-" +
                             QUuid::createUuid().toByteArray(QUuid::Id128).left(8);
    test::TempProgramFolder program;
};

// The whole way through the system's print service: the default printer is a
// CUPS queue that writes PDF files; the chart window prints on it as on paper.
TEST_F(CupsPrint, DefaultPrinterGetsOneA4PageWithTheChart) {
    const std::optional<QRectF> printable = printableA4(queue);
    ASSERT_TRUE(printable) << "the print service gives no A4 printable area for "
                           << queue.toStdString();

    const auto seen = printOnDefault();
    ASSERT_EQ(seen.size(), 1) << "printing on the default printer failed: "
                              << seen.value(1).text.toStdString();

    // The queue works on its own time: wait until the service calls our job done.
    std::optional<Job> job;
    for (int i = 0; i < 600 && !(job && job->state >= IPP_JSTATE_CANCELED); ++i) {
        QTest::qWait(100);
        job = jobTitled(queue, title);
    }
    ASSERT_TRUE(job) << "no job titled " << title.toStdString() << " on " << queue.toStdString();
    ASSERT_EQ(job->state, IPP_JSTATE_COMPLETED) << "job " << job->id << " did not complete";

    const QStringList written = QDir(folder).entryList(
        {QStringLiteral("*%1*.pdf").arg(QString::fromLatin1(title))}, QDir::Files);
    ASSERT_EQ(written.size(), 1) << "job " << job->id << " wrote " << written.size() << " files";
    const QString pdf = QDir(folder).filePath(written.first());
    test::expectChartPage(pdf, *printable);
    QFile::remove(pdf);
}

// A queue that refuses jobs: the print service says no, and the learner is told.
// The queue refuses for good and only this test prints on it: shared queues
// are never made to refuse, so a test killed midway leaves nothing behind.
TEST_F(CupsPrint, RefusedJobIsToldAndTheWindowStays) {
    const QString refusing = printerScript(QStringLiteral("--refusing"));
    if (QPrinterInfo::printerInfo(refusing).isNull())
        GTEST_SKIP() << "no queue " << refusing.toStdString()
                     << " (run scripts/cups-pdf-printer as root to set it up)";
    const auto seen = printOnDefault(refusing);

    ASSERT_EQ(seen.size(), 2) << "a refused job was taken for printed";
    EXPECT_EQ(seen[1].icon, QMessageBox::Warning);
    EXPECT_TRUE(seen[1].text.contains(QStringLiteral("出错，字根表没有打印")));
}
