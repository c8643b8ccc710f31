// Every text of every window stays readable in every skin and in the plain
// look: measured on the rendered windows, as WCAG 2 AA asks (4.5 : 1, 3 : 1 for
// large text).
#include "app/ui/fatal.h"
#include "app/ui/formg.h"
#include "appearance/skins.h"
#include "appearance/ui/form99.h"
#include "appearance/ui/skinengine.h"
#include "chart/ui/form4.h"
#include "drillfolder.h"
#include "lookup/ui/form16.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QTest>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <set>

using namespace radiane;

namespace {

double luminance(QRgb rgb) {
    const auto channel = [](int v) {
        const double c = v / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(rgb)) + 0.7152 * channel(qGreen(rgb)) +
           0.0722 * channel(qBlue(rgb));
}

double contrast(QRgb a, QRgb b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The contrast of a text with what lies under it: the window region is drawn
// with the text and again without it; the pixels that differ are the text's,
// and the strongest of them is the text colour itself (the others are its
// anti-aliased edges).
double textContrast(QWidget* window, const QRect& region, const std::function<void()>& hideText,
                    const std::function<void()>& showText) {
    const QImage with = window->grab(region).toImage();
    hideText();
    QApplication::processEvents();
    const QImage without = window->grab(region).toImage();
    showText();
    QApplication::processEvents();
    double strongest = 0;
    for (int y = 0; y < std::min(with.height(), without.height()); ++y)
        for (int x = 0; x < std::min(with.width(), without.width()); ++x)
            if (with.pixel(x, y) != without.pixel(x, y))
                strongest = std::max(strongest, contrast(with.pixel(x, y), without.pixel(x, y)));
    return strongest;
}

bool isLargeText(const QFont& font) {
    return font.pointSizeF() >= 18 || (font.bold() && font.pointSizeF() >= 14);
}

// Texts whose colours the window design fixes, whatever the skin: the hint bar
// (white on orange), the drill's red arrow and the red program name; and the
// white copy of the keyboard hint line, which is that line's embossed edge.
bool isDesignedColour(const QWidget* window, const QWidget* widget) {
    static const std::set<std::pair<QString, QString>> designed = {
        {"Formg", "Label4"}, {"Formg", "Label3"}, {"Formg", "Label11"}, {"Form16", "Label4"}};
    return designed.count({window->objectName(), widget->objectName()}) > 0;
}

struct Finding {
    QString where;
    double ratio;
};

// Checks the texts of labels, buttons and edit boxes in window, and the items of
// menu windows.
void checkWindow(QWidget* window, std::vector<Finding>& low) {
    QApplication::processEvents();
    const auto check = [&](QWidget* widget, const QString& text, double ratio) {
        const double needed = isLargeText(widget->font()) ? 3.0 : 4.5;
        if (ratio < needed && !isDesignedColour(window, widget))
            low.push_back(
                {window->objectName() + "/" + widget->objectName() + " “" + text + "”", ratio});
    };
    const auto region = [&](QWidget* widget) {
        return QRect(widget->mapTo(window, QPoint(0, 0)), widget->size());
    };
    // Labels and buttons: each text as the window shows it.
    const auto checkTexts = [&](auto widgets) {
        for (auto* widget : widgets) {
            const QString text = widget->text();
            if (widget->isVisible() && !text.trimmed().isEmpty())
                check(widget, text,
                      textContrast(
                          window, region(widget), [&] { widget->setText(QString()); },
                          [&] { widget->setText(text); }));
        }
    };
    checkTexts(window->findChildren<QLabel*>());
    checkTexts(window->findChildren<QAbstractButton*>());
    for (QLineEdit* edit : window->findChildren<QLineEdit*>()) {
        if (!edit->isVisible() || !window->rect().intersects(region(edit)))
            continue;
        edit->setText(QStringLiteral("凹"));
        check(edit, edit->text(),
              textContrast(
                  window, region(edit), [&] { edit->setText(QString()); },
                  [&] { edit->setText(QStringLiteral("凹")); }));
    }
    if (auto* menu = qobject_cast<QMenu*>(window)) {
        for (QAction* action : menu->actions()) {
            const QString text = action->text();
            if (text.isEmpty())
                continue;
            // Away from the right edge, which moves when the widest item is blanked.
            const QRect item = menu->actionGeometry(action).adjusted(0, 0, -8, 0);
            const double ratio = textContrast(
                menu, item, [&] { action->setText(QString()); }, [&] { action->setText(text); });
            if (ratio < 4.5)
                low.push_back({"skin menu “" + text + "”", ratio});
        }
    }
}

class ContrastTest : public testing::Test {
protected:
    void SetUp() override {
        app::setFatalHandler(
            [](const QString& message) { ADD_FAILURE() << message.toStdString(); });
    }
    void TearDown() override {
        engine.restorePlain();
        app::setFatalHandler({});
    }

    // Opens every window of the program as the learner meets them and checks each.
    std::vector<Finding> checkEveryWindow() {
        std::vector<Finding> low;
        app::Formg formg(data.dir.folder(), random, &form99);
        formg.load();
        formg.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&formg));
        QTest::keyClicks(formg.Text1, "xyz"); // shows the hint bar
        checkWindow(&formg, low);

        lookup::Form16 about(&formg);
        about.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&about));
        checkWindow(&about, low);
        about.close();

        chart::Form4* chart =
            chart::Form4::showChart(&formg, ProgramFolder(test::builtProgramDir()));
        EXPECT_TRUE(QTest::qWaitForWindowExposed(chart));
        checkWindow(chart, low);
        chart->close();

        QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Quillet"),
                        QStringLiteral("请输入一个查询汉字！"), QMessageBox::Ok, &formg);
        box.setObjectName(QStringLiteral("messageBox"));
        box.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&box));
        checkWindow(&box, low);
        box.close();

        form99.face->popup(formg.mapToGlobal(QPoint(20, 20)));
        EXPECT_TRUE(QTest::qWaitForWindowExposed(form99.face));
        checkWindow(form99.face, low);
        form99.face->close();
        return low;
    }

    test::DrillFolder data;
    struct FirstPlace final : drill::RandomSource {
        double reseedAndDraw() override { return 0.0; }
    } random;
    appearance::Form99 form99{data.dir.folder()};
    appearance::SkinEngine engine;
};

TEST_F(ContrastTest, EveryTextIsReadableInEveryLook) {
    QStringList looks{QStringLiteral("plain")};
    for (const char* caption : appearance::kSkinCaptions)
        looks << QString::fromLatin1(caption);
    for (const QString& look : looks) {
        SCOPED_TRACE(look.toStdString());
        if (look != u"plain") {
            int out = 0;
            ASSERT_NE(
                engine.SkinStart(test::builtProgramDir() + "/" + look + ".urf", 2, {}, 1, 0, &out),
                0);
        }
        for (const Finding& finding : checkEveryWindow())
            ADD_FAILURE() << finding.where.toStdString() << " " << finding.ratio << " : 1";
    }
}

} // namespace
