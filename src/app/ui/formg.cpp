#include "app/ui/formg.h"

#include "app/drillmodesetting.h"
#include "app/ui/capslocknotice.h"
#include "app/ui/fatal.h"
#include "app/ui/formgmetrics.h"
#include "chart/ui/form4.h"
#include "common/linewriter.h"
#include "common/songfont.h"
#include "common/twips.h"
#include "lookup/ui/form16.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <algorithm>

namespace radiane::app {

using namespace metrics;

Formg::Formg(ProgramFolder folder, drill::RandomSource& random, appearance::Form99* form99,
             QWidget* parent)
    : QWidget(parent), folder_(std::move(folder)), form99_(form99),
      drill_(std::make_unique<drill::DrillEngine>(folder_.path(),
                                                  static_cast<drill::DrillHost&>(*this), random)) {
    setObjectName(QStringLiteral("Formg"));
    setWindowTitle(QStringLiteral("Radiane　（F1键出字根表和口诀）"));
    setFont(songFont(9));
    buildLayout();

    // Gives the answer box the focus right after the window has appeared.
    Timer1 = new QTimer(this);
    Timer1->setSingleShot(true);
    Timer1->setInterval(2);
    connect(Timer1, &QTimer::timeout, this, [this] {
        focusText1();
        Timer1->stop();
    });
    Timer1->start();

    SizeLimit1 = new appearance::SizeLimit(this);
    SizeLimit1->setMinWidth(0);
    SizeLimit1->setMinHeight(0);
    SizeLimit1->setMaxWidth(kMaxOuterWidth);
    SizeLimit1->setMaxHeight(kMaxOuterHeight);

    connect(Command3, &QPushButton::clicked, this, [this] {
        lookup::Form16::showModal(this);
        focusText1();
    });
    connect(Command2, &QPushButton::clicked, this, [this] {
        if (form99_)
            form99_->popupFace(QCursor::pos());
        focusText1();
    });
}

Formg::~Formg() = default;

void Formg::load() {
    pictures_.setRatio(devicePixelRatioF(), database_);
    loadPanelPictures();

    const SetupRead setup = readDrillMode(folder_);
    if (setup.failure)
        throw FatalError(folder_.file(kSetupFile), *setup.failure);
    Label8 = setup.Label8;

    // A missing database is created empty: lookups miss and nothing is painted.
    const QString database = folder_.file(QStringLiteral("wwbb11.dat"));
    if (database_.open(database) == lookup::CodeDatabase::OpenResult::Failed)
        throw FatalError(database, database_.errorString());

    SizeLimit1->setFormhwnd(this);
    SizeLimit1->setEnabled(true);
    // Installed after the limiter's filter, so it runs first and the limiter
    // never sees limits narrower than the window's frame allows.
    installEventFilter(this);

    if (Label8 == u"1") {
        Option1->setChecked(true);
        drill_->startSingleRadicals();
    }
    if (Label8 == u"2")
        Option2->setChecked(true); // its toggle starts the drill
    Option2->repaint();
    Image1->setPixmap(Image3);
    drill_->setSlotNo(1);
    drill_->keytisi();
    showView();
}

void Formg::startPractice(drill::ItemSource& source) {
    if (drill_->mode() != drill::Mode::Practice)
        option1BeforePractice_ = Option1->isChecked();
    for (QRadioButton* option : {Option1, Option2}) {
        const QSignalBlocker block(option);
        option->setAutoExclusive(false);
        option->setChecked(false);
        option->setAutoExclusive(true);
    }
    guarded([&] { drill_->startPractice(source); });
    showView();
    focusText1();
}

bool Formg::formClose() {
    database_.close();
    if (form99_) {
        const QString face = form99_->skins().faceFilePath();
        const WriteResult written = writeLine(face, form99_->skinName());
        if (!written.ok) {
            endWithError(FatalError(face, written.reason).message());
            return false;
        }
    }
    const bool practising = drill_->mode() == drill::Mode::Practice;
    const WriteResult setup =
        writeDrillMode(folder_, practising ? option1BeforePractice_ : Option1->isChecked());
    if (!setup.ok) {
        endWithError(FatalError(folder_.file(kSetupFile), setup.reason).message());
        return false;
    }
    if (form99_)
        form99_->SkinRemove();
    return true;
}

void Formg::closeEvent(QCloseEvent* event) {
    if (closing_) {
        event->accept();
        return;
    }
    closing_ = true;
    if (!formClose()) {
        event->accept();
        return;
    }
    event->accept();
    if (onClosed_)
        onClosed_();
}

void Formg::togglePanel() {
    if (Label116 == u"1") {
        // Never less than the designed client area: under a frame taller than
        // 105 twips the outer height alone would cut off the prompt line.
        setOuterHeight(kPanelShownHeight, px(kClientHeight));
        Label116 = QStringLiteral("2");
        Image1->setPixmap(Image3);
    } else {
        // Folded, the toggle picture stays in view whatever the frame.
        setOuterHeight(kPanelFoldedHeight, Image1->geometry().bottom() + 1);
        Label116 = QStringLiteral("1");
        Image1->setPixmap(Image4);
    }
    focusText1();
}

void Formg::setOuterHeight(int twipsHeight, int minClientHeight) {
    const int frameExtra = frameGeometry().height() - geometry().height();
    resize(width(), std::max(px(twipsHeight) - frameExtra, minClientHeight));
}

void Formg::fitSizeLimits() {
    // Under a frame larger than the designed one, the fixed limits would cut off
    // the bottom of the designed client area.
    const QSize frame = frameGeometry().size() - geometry().size();
    const float width = float(std::max(kMaxOuterWidth, px(kClientWidth) + frame.width()));
    const float height = float(std::max(kMaxOuterHeight, px(kClientHeight) + frame.height()));
    if (SizeLimit1->MaxWidth() != width)
        SizeLimit1->setMaxWidth(width);
    if (SizeLimit1->MaxHeight() != height)
        SizeLimit1->setMaxHeight(height);
}

void Formg::mousePressEvent(QMouseEvent* event) {
    // A click on the window background or on the keyboard picture.
    focusText1();
    QWidget::mousePressEvent(event);
}

bool Formg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == this) {
        switch (event->type()) {
        case QEvent::Show:
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::WindowStateChange:
            fitSizeLimits();
            break;
        default:
            break;
        }
        return false;
    }
    if (watched == Text1 && event->type() == QEvent::KeyRelease) {
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_F1:
            showChart();
            break;
        case Qt::Key_F2:
            emit progressRequested();
            break;
        case Qt::Key_F3:
            emit practiceRequested();
            break;
        case Qt::Key_F4:
            emit codesRequested();
            break;
        default:
            break;
        }
        return false;
    }
    return QWidget::eventFilter(watched, event);
}

void Formg::showChart() {
    guarded([&] { chart::Form4::showChart(this, folder_); });
}

void Formg::onText1Changed(const QString& text) {
    const QString before = drill_->view().Text1;
    const QString expected = drill_->view().Label2;
    guarded([&] { drill_->text1Changed(text); });
    capsLockNotice->answerChanged(before, text, expected);
    showView();
}

void Formg::onOptionToggled(drill::Mode mode, bool checked) {
    if (!checked)
        return;
    drill_->setMode(mode);
    guarded([&] {
        if (mode == drill::Mode::SingleRadicals)
            drill_->startSingleRadicals();
        else
            drill_->startRadicalsInCharacters();
    });
    showView();
}

void Formg::showView() {
    const drill::DrillView& view = drill_->view();
    if (Text1->text() != view.Text1) {
        const QSignalBlocker block(Text1);
        Text1->setText(view.Text1);
    }
    Label3->setText(view.Label3Caption);
    Label3->move(pxPoint(view.Label3Left, view.Label3Top));
    Label3->adjustSize();
    Shape11->move(pxPoint(view.Shape11Left, view.Shape11Top));

    Label4->setText(view.Label4Caption);
    const QSize hint = hintSize(view.Label4Caption);
    Label4->setGeometry(px(view.Label4Left), px(view.Label4Top), hint.width(), hint.height());
    Label4->setVisible(view.Label4Visible);

    for (int i = 0; i < drill::kMarkCount; ++i) {
        if (Shape1[i])
            Shape1[i]->setVisible(view.Shape1Visible[i]);
        if (Shape2[i])
            Shape2[i]->setVisible(view.Shape2Visible[i]);
    }
}

void Formg::focusText1() {
    Text1->setFocus(Qt::OtherFocusReason);
}

QSize Formg::hintSize(const QString& caption) const {
    // As wide as the caption, as tall as designed: the font's line spacing would
    // reach over the top of the orange frame below.
    const QFontMetrics metrics(Label4->font());
    return {metrics.horizontalAdvance(caption), px(kHintBarHeight)};
}

void Formg::loadPanelPictures() {
    Picture5->setPixmap(pictures_.programPixmap(QStringLiteral("keyboard.png")));
    Image3 = pictures_.programPixmap(QStringLiteral("panel-shown.png"));
    Image4 = pictures_.programPixmap(QStringLiteral("panel-folded.png"));
    if (Image1->pixmap().isNull())
        return;
    Image1->setPixmap(Label116 == u"1" ? Image4 : Image3);
}

void Formg::updatePictureRatio() {
    if (!drill_)
        return;
    guarded([&] {
        // Each slot again at the new scale, with the radical painted as before.
        if (pictures_.setRatio(devicePixelRatioF(), database_))
            loadPanelPictures();
    });
}

bool Formg::event(QEvent* event) {
    if (event->type() == QEvent::ScreenChangeInternal || event->type() == QEvent::Show)
        updatePictureRatio();
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
    if (event->type() == QEvent::DevicePixelRatioChange)
        updatePictureRatio();
#endif
    return QWidget::event(event);
}

void Formg::loadPicture(int slot, const QString& name) {
    pictures_.load(slot, name);
}

void Formg::runLookup() {
    const int slot = drill_->slotIndex();
    if (slot < 0 || slot >= drill::kSlotCount)
        return;
    const drill::DrillView& view = drill_->view();
    pictures_.paint(slot, view.Text23, view.Label7[slot], Command1_);
}

void Formg::repaintOptionButton(drill::Mode mode) {
    (mode == drill::Mode::SingleRadicals ? Option1 : Option2)->repaint();
}

void Formg::postBackspace() {
    QCoreApplication::postEvent(Text1,
                                new QKeyEvent(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier));
    QCoreApplication::postEvent(
        Text1, new QKeyEvent(QEvent::KeyRelease, Qt::Key_Backspace, Qt::NoModifier));
}

int Formg::hintWidthFor(const QString& caption) {
    return twips(hintSize(caption).width());
}

int Formg::windowOuterWidth() {
    return twips(frameGeometry().width());
}

} // namespace radiane::app
