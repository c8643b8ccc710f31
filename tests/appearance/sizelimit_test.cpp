#include "appearance/ui/sizelimit.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

using namespace radiane::appearance;

namespace {

class CountingWindow : public QWidget {
public:
    int resizes = 0;

protected:
    void resizeEvent(QResizeEvent*) override { ++resizes; }
};

class SizeLimitTest : public ::testing::Test {
protected:
    SizeLimitTest() { hooks.setMod(&mod); }
    SizeLimitHooks hooks;
    SizeLimitMod mod{hooks};
    SizeLimit limit{nullptr, &mod};
    CountingWindow window;

    void armLikeTheMainWindow() {
        limit.setMinWidth(0);
        limit.setMinHeight(0);
        limit.setMaxWidth(808);
        limit.setMaxHeight(490);
        limit.setFormhwnd(&window);
        limit.setEnabled(true);
    }
    QSize outer() const { return window.frameGeometry().size(); }
};

TEST_F(SizeLimitTest, ArmedMainWindowCannotGrowBeyond808By490Outer) {
    window.resize(798, 457);
    armLikeTheMainWindow();
    window.show();
    QApplication::processEvents();
    EXPECT_EQ(window.maximumSize() + SizeLimitHooks::frameExtra(&window), QSize(808, 490));
    EXPECT_EQ(window.minimumSize(), QSize(0, 0));

    window.resize(2000, 1500);
    QApplication::processEvents();
    EXPECT_EQ(outer(), QSize(808, 490)) << "frame " << SizeLimitHooks::frameExtra(&window).width()
                                        << "x" << SizeLimitHooks::frameExtra(&window).height();
    window.resize(300, 200);
    QApplication::processEvents();
    EXPECT_EQ(window.size(), QSize(300, 200)) << "smaller sizes are free";
    EXPECT_GT(window.resizes, 0) << "the window still sees its own events";
}

TEST_F(SizeLimitTest, LimitsRoundHalfToEvenAndNegativeMeansNone) {
    window.setMinimumSize(30, 40);
    limit.setFormhwnd(&window);
    limit.setEnabled(true);
    limit.setMinWidth(100.5f);
    limit.setMinHeight(101.5f);
    EXPECT_EQ(window.minimumSize(), QSize(100, 102));
    limit.setMinWidth(-10);
    limit.setMinHeight(0);
    limit.setMaxWidth(-808);
    EXPECT_EQ(window.minimumSize(), QSize(30, 40)) << "the window's own minimum";
    EXPECT_EQ(window.maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
}

TEST_F(SizeLimitTest, HookWaitsForEnabledAndUnhookGivesTheWindowItsOwnLimitsBack) {
    window.setMaximumSize(1000, 900);
    limit.setMaxWidth(808);
    limit.setMaxHeight(490);
    limit.setFormhwnd(&window);
    EXPECT_EQ(limit.Formhwnd(), &window);
    EXPECT_EQ(window.maximumSize(), QSize(1000, 900)) << "not hooked while disabled";
    limit.setEnabled(true);
    limit.setEnabled(true);
    EXPECT_EQ(window.maximumSize(), QSize(808, 490));

    QWidget other;
    limit.setFormhwnd(&other);
    EXPECT_EQ(window.maximumSize(), QSize(1000, 900)) << "the hook moved away";
    EXPECT_EQ(other.maximumSize(), QSize(808, 490));
    limit.setEnabled(false);
    EXPECT_EQ(other.maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
    EXPECT_FALSE(limit.Enabled());
}

TEST_F(SizeLimitTest, WindowClosedWhileHookedIsForgotten) {
    auto* gone = new QWidget;
    limit.setFormhwnd(gone);
    limit.setEnabled(true);
    delete gone;
    EXPECT_EQ(limit.Formhwnd(), nullptr);
    limit.setFormhwnd(&window);
    limit.setMaxWidth(500);
    EXPECT_EQ(window.maximumWidth(), 500);
}

TEST(SizeLimitShared, EveryInstanceSharesOneState) {
    SizeLimit first;
    SizeLimit second;
    first.setMaxWidth(640);
    EXPECT_EQ(second.MaxWidth(), 640.0f);
    first.setMaxWidth(0);
}

TEST(SizeLimitAbout, ShowsTheFixedMessage) {
    EXPECT_EQ(SizeLimit::aboutText(QStringLiteral("http://example.org")),
              QStringLiteral("请登录http://example.org了解详情"));
    // No site address: no "请登录了解详情" with nothing between.
    EXPECT_EQ(SizeLimit::aboutText(QString()),
              QStringLiteral("本控件限制窗口可调整到的最小和最大尺寸"));

    QString title, text;
    int buttons = 0;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        text = box->text();
        buttons = int(box->buttons().size());
        box->accept();
    });
    SizeLimit limit;
    limit.About();
    EXPECT_EQ(title, QStringLiteral("Keyloom！"));
    EXPECT_EQ(text, SizeLimit::aboutText(SizeLimit::siteUrl()));
    EXPECT_EQ(buttons, 1);
}

} // namespace
