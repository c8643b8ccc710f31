#include "chart/ui/chartprinter.h"
#include "chart/ui/form4.h"
#include "chartsupport.h"
#include "support/tempprogramfolder.h"

#include <QPrinterInfo>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace radiane;
using namespace radiane::chart;

// The system's own default printer lookup, on a system without printers (CTest
// points the print client at a scheduler that does not exist).
TEST(NoPrinter, PrintingIsToldNotFatal) {
    ASSERT_TRUE(QPrinterInfo::defaultPrinter().isNull())
        << "a default printer is visible: the run does not isolate the print system";
    EXPECT_EQ(defaultPrinter(), nullptr);

    test::TempProgramFolder folder;
    test::writeMarkedChart(folder.path());
    QPointer<Form4> form = Form4::showChart(nullptr, folder.folder());
    test::MessageBoxAnswerer answerer({QMessageBox::Ok, QMessageBox::Ok});
    form->findChild<QPushButton*>(QStringLiteral("Command2"))->click();

    ASSERT_EQ(answerer.seen().size(), 2);
    EXPECT_EQ(answerer.seen()[1].title, QStringLiteral("打印字根表"));
    EXPECT_EQ(answerer.seen()[1].text, QStringLiteral("没有找到打印机，字根表没有打印。\n"
                                                      "请先安装并连接好打印机，再点“打印确定”。"));
    ASSERT_FALSE(form.isNull());
    EXPECT_TRUE(form->isVisible());
    form->close();
}
