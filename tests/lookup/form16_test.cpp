#include "lookup/ui/form16.h"

#include "common/twips.h"
#include "lookup/ui/clickablelabel.h"
#include "modalhelper.h"
#include "urlrecorder.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

namespace radiane::lookup {
namespace {

using test::UrlRecorder;
using test::whileModal;

const WebSettings kSettings{QStringLiteral("http://site.example"),
                            QStringLiteral("http://second.example"),
                            QStringLiteral("me@site.example")};
const QByteArray kQueryPrefix = "http://site.example/wbcx/search.asp?page=1&type=title&searchtxt=";

class Form16Test : public ::testing::Test {
protected:
    void SetUp() override {
        dialog.show();
        dialog.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
        combo = dialog.findChild<QComboBox*>(QStringLiteral("Combo1"));
        query = dialog.findChild<QPushButton*>(QStringLiteral("Command4"));
        ASSERT_TRUE(combo && query);
    }

    bool comboHasFocus() const {
        QWidget* focus = dialog.focusWidget();
        return focus && (focus == combo || combo->isAncestorOf(focus));
    }

    // Types text into the query box and presses the query button.
    void ask(const QString& text) {
        combo->setEditText(text);
        QTest::mouseClick(query, Qt::LeftButton);
    }

    UrlRecorder recorder;
    Form16 dialog{nullptr, kSettings};
    QComboBox* combo = nullptr;
    QPushButton* query = nullptr;
};

TEST_F(Form16Test, EachLinkOpensItsAddressAndShowsItWithoutScheme) {
    struct Case {
        const char* label;
        const char* caption;
        const char* address;
        QColor colour;
    };
    const QColor darkBlue(0, 0, 192);
    const Case cases[] = {
        {"Label36", "site.example", "http://site.example", darkBlue},
        {"Label21", "second.example", "http://second.example", darkBlue},
        {"Label16", "site.example/wb", "http://site.example/wb", darkBlue},
        {"Label58", "me@site.example", "mailto:me@site.example", QColor(0, 0, 255)},
        {"Label1", "site.example/wbcx", "http://site.example/wbcx", darkBlue},
        {"Label2", "site.example/wbwz", "http://site.example/wbwz/86help.htm", darkBlue},
    };
    for (const Case& c : cases) {
        auto* label = dialog.findChild<ClickableLabel*>(QString::fromLatin1(c.label));
        ASSERT_TRUE(label) << c.label;
        EXPECT_EQ(label->text(), QString::fromLatin1(c.caption)) << c.label;
        EXPECT_EQ(label->palette().color(QPalette::WindowText), c.colour) << c.label;
        EXPECT_TRUE(label->font().underline()) << c.label;
        EXPECT_EQ(label->font().pointSizeF(), 10.5) << c.label;
        EXPECT_EQ(label->cursor().shape(), Qt::PointingHandCursor) << c.label;

        recorder.opened.clear();
        QTest::mouseClick(label, Qt::LeftButton);
        EXPECT_EQ(recorder.openedEncoded(), QStringList{QString::fromLatin1(c.address)}) << c.label;
        EXPECT_TRUE(dialog.isVisible()) << c.label;
    }
}

TEST_F(Form16Test, ComboOffersTheExamplesAndStartsEmptyWithTheFocus) {
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items.append(combo->itemText(i));
    EXPECT_EQ(items,
              QStringList({QStringLiteral("拜"), QStringLiteral("凹"), QStringLiteral("凸"),
                           QStringLiteral("曹"), QStringLiteral("带"), QStringLiteral("年"),
                           QStringLiteral("尴"), QStringLiteral("尬"), QStringLiteral("尬"),
                           QStringLiteral("藏"), QStringLiteral("养"), QStringLiteral("逃"),
                           QStringLiteral("曳"), QStringLiteral("贯"), QStringLiteral("晓"),
                           QStringLiteral("典"), QStringLiteral("兜"), QStringLiteral("嗤")}));
    EXPECT_TRUE(combo->isEditable());
    EXPECT_TRUE(combo->currentText().isEmpty());
    EXPECT_TRUE(comboHasFocus());
    EXPECT_TRUE(recorder.opened.isEmpty());
}

TEST_F(Form16Test, QueryOpensTheSearchPageForTheFirstCharacter) {
    struct Case {
        const char* name;
        QString text;
        QByteArray value; // exact bytes after "searchtxt="
    };
    const Case cases[] = {
        {"spaces around", QStringLiteral(" 凹 "), "%B0%BC"},
        {"two characters", QStringLiteral("尴尬"), "%DE%CF"},
        {"latin letter first", QStringLiteral("a…"), "a"},
        {"ampersand", QStringLiteral("&凹"), "%26"},
        {"hash", QStringLiteral("#"), "%23"},
    };
    for (const Case& c : cases) {
        recorder.opened.clear();
        ask(c.text);
        ASSERT_EQ(recorder.opened.size(), 1) << c.name;
        EXPECT_EQ(recorder.opened[0].toEncoded(), kQueryPrefix + c.value) << c.name;
    }
}

TEST_F(Form16Test, QueryOfAnEntryPickedFromTheList) {
    combo->showPopup();
    QAbstractItemView* view = combo->view();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view->window()));
    const QModelIndex entry = view->model()->index(3, 0); // 曹
    view->scrollTo(entry);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(entry).center());
    ASSERT_EQ(combo->currentText(), u"曹");

    QTest::mouseClick(query, Qt::LeftButton);
    EXPECT_EQ(recorder.openedEncoded(), QStringList{QString::fromLatin1(kQueryPrefix + "%B2%DC")});
}

// Nothing typed: the message, then an empty combo. A first character without a
// GBK form: says so and keeps the text for the learner to correct.
TEST_F(Form16Test, NothingToAskForGivesAMessageAndAFocusedCombo) {
    const struct {
        QString text, message, textAfter;
    } cases[] = {
        {QStringLiteral("   "), QStringLiteral("请输入一个查询汉字！"), QString()},
        {QString(), QStringLiteral("请输入一个查询汉字！"), QString()},
        {QStringLiteral("😀"), QStringLiteral("“😀”不在 GBK 字符集中，无法查询它的五笔编码。"),
         QStringLiteral("😀")},
        {QStringLiteral(" 𠀀字"), QStringLiteral("“𠀀”不在 GBK 字符集中，无法查询它的五笔编码。"),
         QStringLiteral(" 𠀀字")},
        {QStringLiteral(" 한"), QStringLiteral("“한”不在 GBK 字符集中，无法查询它的五笔编码。"),
         QStringLiteral(" 한")},
    };
    for (const auto& c : cases) {
        const std::string name = c.text.toStdString();
        QString title, message;
        QMessageBox::StandardButtons buttons;
        combo->setEditText(c.text);
        query->setFocus();
        whileModal([&] { QTest::mouseClick(query, Qt::LeftButton); },
                   [&](QWidget* modal) {
                       auto* box = qobject_cast<QMessageBox*>(modal);
                       ASSERT_TRUE(box);
                       title = box->windowTitle();
                       message = box->text();
                       buttons = box->standardButtons();
                   });
        EXPECT_EQ(title, u"Quillet") << name;
        EXPECT_EQ(message, c.message) << name;
        EXPECT_EQ(buttons, QMessageBox::Ok) << name;
        EXPECT_EQ(combo->currentText(), c.textAfter) << name;
        EXPECT_TRUE(comboHasFocus()) << name;
        EXPECT_EQ(combo->count(), 18) << name;
        EXPECT_TRUE(recorder.opened.isEmpty()) << name;
    }
}

// The link captions as laid out for settings: each inside the white panel and
// clear of its neighbours in the row. Returns whether every caption shows whole.
bool linksLaidOutClear(const WebSettings& settings) {
    Form16 dialog(nullptr, settings);
    const QRect panel = dialog.findChild<QWidget*>(QStringLiteral("Shape12"))->geometry();
    QList<QLabel*> labels;
    for (const char* name : {"Label17_0", "Label36", "Label18", "Label58", "Label17_1", "Label21",
                             "Label17_2", "Label16", "Label17_3", "Label1", "Label17_4", "Label2"})
        labels.append(dialog.findChild<QLabel*>(QString::fromLatin1(name)));
    bool whole = true;
    for (int i = 0; i < labels.size(); ++i) {
        EXPECT_TRUE(panel.contains(labels[i]->geometry())) << i;
        whole = whole && QFontMetrics(labels[i]->font()).horizontalAdvance(labels[i]->text()) <=
                             labels[i]->contentsRect().width();
        for (int j = i + 1; j < labels.size(); ++j) {
            const QRect a = labels[i]->geometry();
            const QRect b = labels[j]->geometry();
            // Rows may touch by their line spacing; neighbours in a row must not.
            if (std::abs(a.center().y() - b.center().y()) < px(150)) {
                EXPECT_FALSE(a.intersects(b)) << i << " " << j;
            }
        }
    }
    return whole;
}

// Skins set light text for dark windows; the captions on the white panels
// must stay dark on white, or they vanish.
TEST(Form16Layout, PanelCaptionsStayDarkOnWhiteUnderADarkPalette) {
    const QPalette before = QApplication::palette();
    QPalette dark = before;
    dark.setColor(QPalette::Window, QColor(40, 40, 48));
    dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
    dark.setColor(QPalette::Base, QColor(20, 20, 24));
    QApplication::setPalette(dark);
    Form16 dialog(nullptr, kSettings);
    for (const char* name :
         {"Label17_0", "Label18", "Label17_1", "Label17_2", "Label17_3", "Label17_4", "Label5"}) {
        auto* label = dialog.findChild<QLabel*>(QString::fromLatin1(name));
        ASSERT_TRUE(label) << name;
        EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(Qt::black)) << name;
    }
    auto* Label5 = dialog.findChild<QLabel*>(QStringLiteral("Label5"));
    EXPECT_EQ(Label5->palette().color(Label5->backgroundRole()), QColor(Qt::white));
    QApplication::setPalette(before);
}

TEST(Form16Layout, AddressesFitTheirPlaces) {
    EXPECT_TRUE(linksLaidOutClear(webSettings())) << "the shipped addresses show whole";
    linksLaidOutClear({QStringLiteral("http://www.a-rather-long-host-name.example"),
                       QStringLiteral("http://second.a-rather-long-host-name.example"),
                       QStringLiteral("somebody.with.a.long.name@long-host-name.example")});
}

TEST(Form16Modal, OpensCentredAndEveryOpeningStartsAfresh) {
    QWidget owner;
    owner.show();
    for (int opening = 0; opening < 2; ++opening) {
        QString text;
        int count = 0;
        bool focused = false, isForm16 = false;
        QPoint centre;
        QRect screen;
        whileModal([&] { Form16::showModal(&owner); },
                   [&](QWidget* modal) {
                       isForm16 = qobject_cast<Form16*>(modal) != nullptr;
                       auto* combo = modal->findChild<QComboBox*>(QStringLiteral("Combo1"));
                       ASSERT_TRUE(combo);
                       text = combo->currentText();
                       count = combo->count();
                       focused = modal->focusWidget() == combo ||
                                 combo->isAncestorOf(modal->focusWidget());
                       centre = modal->frameGeometry().center();
                       screen = modal->screen()->availableGeometry();
                       // Leave traces that a reused dialog would still show.
                       combo->setEditText(QStringLiteral("凹"));
                       combo->addItem(QStringLiteral("凸"));
                   });
        EXPECT_TRUE(isForm16) << opening;
        EXPECT_TRUE(text.isEmpty()) << opening;
        EXPECT_EQ(count, 18) << opening;
        EXPECT_TRUE(focused) << opening;
        // Centred within the window frame's few pixels.
        EXPECT_LE(std::abs(centre.x() - screen.center().x()), 3) << opening;
        EXPECT_LE(std::abs(centre.y() - screen.center().y()), 3) << opening;
    }
    EXPECT_TRUE(owner.findChildren<Form16*>().isEmpty());
}

} // namespace
} // namespace radiane::lookup
