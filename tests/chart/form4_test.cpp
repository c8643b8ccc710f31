#include "chart/placement.h"
#include "chart/ui/chartprinter.h"
#include "chart/ui/form4.h"
#include "chartsupport.h"
#include "support/tempprogramfolder.h"

#include <QApplication>
#include <QLabel>
#include <QPageSize>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

using namespace radiane;
using namespace radiane::chart;
using radiane::test::MessageBoxAnswerer;

namespace {

// Processes events until the window is gone (closing defers the delete).
bool destroyed(const QPointer<Form4>& form) {
    for (int i = 0; i < 100 && form; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QTest::qWait(10);
    }
    return form.isNull();
}

class Form4Test : public ::testing::Test {
protected:
    void SetUp() override { test::writeMarkedChart(folder.path()); }
    void TearDown() override {
        if (Form4* form = Form4::current())
            form->close();
        destroyed(Form4::current());
    }

    Form4* show() { return Form4::showChart(nullptr, folder.folder()); }
    template <class T = QWidget> T* child(Form4* form, const char* name) {
        return form->findChild<T*>(QString::fromLatin1(name));
    }
    // Clicks "打印确定" and answers the message boxes it opens.
    QList<MessageBoxAnswerer::Seen> print(Form4* form, QList<QMessageBox::StandardButton> answers) {
        MessageBoxAnswerer answerer(std::move(answers));
        child<QPushButton>(form, "Command2")->click();
        return answerer.seen();
    }

    test::TempProgramFolder folder;
    QTemporaryDir out;
};

TEST_F(Form4Test, LayoutFromTheWindowDesign) {
    Form4* form = show();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("打印字根表　（Esc键返回）"));
    EXPECT_EQ(form->size(), QSize(681, 544));
    EXPECT_EQ(form->minimumSize(), form->maximumSize()) << "resizable";
    EXPECT_FALSE(form->windowFlags() &
                 (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(form->testAttribute(Qt::WA_DeleteOnClose));
    EXPECT_FALSE(form->isModal());

    auto* picture = child<QLabel>(form, "Picture1");
    auto* print = child<QPushButton>(form, "Command2");
    auto* back = child<QPushButton>(form, "Command3");
    ASSERT_TRUE(picture && print && back);
    EXPECT_EQ(picture->pixmap().size(), QSize(651, 523));

    // Tab order picture, print, return; the picture starts with the focus and
    // Enter on it presses no button.
    EXPECT_EQ(picture->nextInFocusChain(), print);
    EXPECT_EQ(print->nextInFocusChain(), back);
    EXPECT_EQ(form->focusWidget(), picture);
}

TEST_F(Form4Test, EnterPressesOnlyTheFocusedButton) {
    QPointer<Form4> form = show();
    MessageBoxAnswerer answerer({QMessageBox::Cancel});
    QTest::keyClick(child(form, "Picture1"), Qt::Key_Return);
    EXPECT_TRUE(answerer.seen().isEmpty()) << "Enter on the picture asked to print";
    QTest::keyClick(child(form, "Command2"), Qt::Key_Return);
    EXPECT_EQ(answerer.seen().size(), 1);
    QTest::keyClick(child(form, "Command3"), Qt::Key_Return);
    EXPECT_TRUE(destroyed(form));
}

TEST_F(Form4Test, FirstShowCentresAndSecondShowKeepsOneWindowAndReplacesItsTop) {
    Form4* form = show();
    const QRect screen = form->screen()->geometry();
    const auto top = [&] {
        return screen.top() + activationTopPx(screen.height(), form->frameGeometry().height());
    };
    EXPECT_EQ(form->frameGeometry().top(), top());
    EXPECT_NEAR(form->frameGeometry().left() - screen.left(),
                screen.right() - form->frameGeometry().right(), 1);

    form->move(7, 3);
    QPointer<Form4> first = form;
    EXPECT_EQ(show(), first.data());
    EXPECT_EQ(Form4::current(), first.data());
    int open = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        open += qobject_cast<Form4*>(w) != nullptr;
    EXPECT_EQ(open, 1);

    EXPECT_EQ(form->frameGeometry().left(), 7) << "left edge must stay";
    EXPECT_EQ(form->frameGeometry().top(), top());
}

TEST_F(Form4Test, EscOnAnyControlClosesAndDestroys) {
    for (const char* name : {"Picture1", "Command2", "Command3"}) {
        QPointer<Form4> form = show();
        QWidget* target = child(form, name);
        target->setFocus();
        QTest::keyClick(target, Qt::Key_Escape);
        EXPECT_TRUE(destroyed(form)) << name;
        EXPECT_EQ(Form4::current(), nullptr) << name;
    }
    // The next show makes a fresh window.
    EXPECT_NE(show(), nullptr);
}

TEST_F(Form4Test, CancelPrintsNothingAndFocusesThePicture) {
    Form4* form = show();
    int printers = 0;
    form->setPrinterSource([&] {
        ++printers;
        return std::unique_ptr<QPrinter>();
    });
    child(form, "Command3")->setFocus();

    const auto seen = print(form, {QMessageBox::Cancel});
    ASSERT_EQ(seen.size(), 1);
    EXPECT_EQ(seen[0].title, QStringLiteral("警告！？"));
    EXPECT_EQ(seen[0].text, QStringLiteral("准备好A4打印纸一张，连接好打印机，"
                                           "点“确定”进行打印，点“取消”不打印"));
    EXPECT_EQ(seen[0].icon, QMessageBox::Question);
    EXPECT_EQ(seen[0].buttons, QMessageBox::Ok | QMessageBox::Cancel);
    EXPECT_EQ(seen[0].defaultButton, QMessageBox::Cancel);
    EXPECT_EQ(printers, 0);
    EXPECT_EQ(form->focusWidget(), child(form, "Picture1"));
}

TEST_F(Form4Test, OkPrintsOnePageWithTheChartAtNaturalSize) {
    Form4* form = show();
    const QString pdf = out.filePath(QStringLiteral("chart.pdf"));
    int printers = 0;
    form->setPrinterSource([&] {
        ++printers;
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdf);
        return printer;
    });

    const auto seen = print(form, {QMessageBox::Ok});
    EXPECT_EQ(seen.size(), 1) << "a message after printing";
    EXPECT_EQ(printers, 1);
    // A PDF file has no margins the printer cannot reach.
    test::expectChartPage(pdf, QPageSize(QPageSize::A4).rect(QPageSize::Point));
    EXPECT_EQ(form->focusWidget(), child(form, "Picture1"));
}

TEST_F(Form4Test, PrinterErrorIsToldAndTheWindowStays) {
    QPointer<Form4> form = show();
    form->setPrinterSource([&] {
        auto printer = std::make_unique<QPrinter>();
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(out.filePath(QStringLiteral("no/such/folder/chart.pdf")));
        return printer;
    });

    const auto seen = print(form, {QMessageBox::Ok, QMessageBox::Ok});
    ASSERT_EQ(seen.size(), 2);
    EXPECT_EQ(seen[1].icon, QMessageBox::Warning);
    EXPECT_TRUE(seen[1].text.contains(QStringLiteral("出错，字根表没有打印")))
        << seen[1].text.toStdString();
    ASSERT_FALSE(form.isNull());
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->focusWidget(), child(form, "Picture1"));
}

} // namespace
