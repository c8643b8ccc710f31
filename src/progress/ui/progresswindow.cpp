#include "progress/ui/progresswindow.h"

#include "common/picturescale.h"
#include "progress/ui/historychart.h"
#include "progress/ui/keyboardheatmap.h"

#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace radiane::progress {

namespace {

constexpr int kItemPictureSide = 56;

// A key as its key cap names it; a capital was typed with Shift.
QString keyName(QChar key) {
    if (key.isNull())
        return QStringLiteral("?");
    if (key == u' ')
        return QStringLiteral("空格");
    if (key.isUpper())
        return QStringLiteral("⇧") + key;
    return QString(key.toUpper());
}

QLabel* figureLabel(const QString& name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() * 1.4);
    font.setBold(true);
    label->setFont(font);
    return label;
}

} // namespace

QString percentText(int right, int keys) {
    if (keys == 0)
        return QStringLiteral("—");
    return QString::number(right * 100.0 / keys, 'f', 1) + u'%';
}

ProgressWindow::ProgressWindow(ProgramFolder folder, QWidget* parent)
    : QWidget(parent, Qt::Window), folder_(std::move(folder)) {
    setObjectName(QStringLiteral("ProgressWindow"));
    setWindowTitle(QStringLiteral("学习进度"));

    auto* top = new QHBoxLayout;
    kindChoice = new QComboBox(this);
    kindChoice->setObjectName(QStringLiteral("kindChoice"));
    kindChoice->addItem(QStringLiteral("全部练习"));
    for (const drill::DrillKind kind : kAllDrillKinds)
        if (kind != drill::DrillKind::Codes) // keys of earlier versions: in 全部练习 only
            kindChoice->addItem(drillKindCaption(kind), static_cast<int>(kind));
    exportButton = new QPushButton(QStringLiteral("导出 CSV…"), this);
    exportButton->setObjectName(QStringLiteral("exportButton"));
    top->addWidget(new QLabel(QStringLiteral("显示："), this));
    top->addWidget(kindChoice);
    top->addStretch();
    top->addWidget(exportButton);

    auto* sessionBox = new QFrame(this);
    sessionBox->setFrameShape(QFrame::StyledPanel);
    auto* session = new QHBoxLayout(sessionBox);
    session->addWidget(new QLabel(QStringLiteral("本次练习"), sessionBox));
    const auto figure = [&](const QString& caption, const QString& name) {
        session->addSpacing(16);
        session->addWidget(new QLabel(caption, sessionBox));
        QLabel* label = figureLabel(name, sessionBox);
        session->addWidget(label);
        return label;
    };
    sessionKeys = figure(QStringLiteral("按键"), QStringLiteral("sessionKeys"));
    sessionAccuracy = figure(QStringLiteral("正确率"), QStringLiteral("sessionAccuracy"));
    sessionSpeed = figure(QStringLiteral("每分钟答对"), QStringLiteral("sessionSpeed"));
    sessionMedian = figure(QStringLiteral("中位用时"), QStringLiteral("sessionMedian"));
    session->addStretch();
    practiceStanding = new QLabel(sessionBox);
    practiceStanding->setObjectName(QStringLiteral("practiceStanding"));
    practiceStanding->hide();
    session->addWidget(practiceStanding);

    drillFigures = new QLabel(this);
    drillFigures->setObjectName(QStringLiteral("drillFigures"));
    drillFigures->setTextFormat(Qt::RichText);

    problemLine = new QLabel(this);
    problemLine->setObjectName(QStringLiteral("problemLine"));
    problemLine->setWordWrap(true);
    problemLine->setStyleSheet(QStringLiteral("color: #c00000;"));
    problemLine->hide();

    heatmap = new KeyboardHeatmap(folder_, this);
    auto* legend = new QLabel(
        QStringLiteral(
            "各键正确率：绿 95% 以上　黄 85%–95%　橙 70%–85%　红 70% 以下　灰 尚未练习。\n"
            "键下是正确率和找到该键的平均用时（秒），红字表示比各键平均慢一半以上。"),
        this);
    // Two lines of their own: a wrapped label's height is not a minimum the
    // layout keeps, and the keyboard would cover it in a low window.

    weakestList = new QWidget;
    weakestList->setObjectName(QStringLiteral("weakestList"));
    weakestGrid_ = new QGridLayout(weakestList);
    weakestGrid_->setAlignment(Qt::AlignTop);
    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setWidget(weakestList);
    scroll->setMinimumWidth(300);
    auto* weakBox = new QVBoxLayout;
    weakBox->addWidget(new QLabel(QStringLiteral("最弱的字根和汉字（常按成的键）"), this));
    weakBox->addWidget(scroll);

    auto* keyboardBox = new QVBoxLayout;
    keyboardBox->addWidget(heatmap);
    keyboardBox->addWidget(legend);
    keyboardBox->addStretch();
    auto* middle = new QHBoxLayout;
    middle->addLayout(keyboardBox);
    middle->addLayout(weakBox, 1);

    history = new HistoryChart(this);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(sessionBox);
    layout->addWidget(drillFigures);
    layout->addWidget(problemLine);
    layout->addLayout(middle);
    layout->addWidget(history, 1);

    connect(kindChoice, &QComboBox::currentIndexChanged, this, [this] { showSummary(); });
    connect(exportButton, &QPushButton::clicked, this, [this] {
        const QString start = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) +
                              QStringLiteral("/radiane-progress.csv");
        const QString path = QFileDialog::getSaveFileName(
            this, QStringLiteral("导出学习记录"), start, QStringLiteral("CSV 文件 (*.csv)"));
        if (!path.isEmpty())
            emit exportRequested(path);
    });
}

void ProgressWindow::showPracticeStanding(const QString& standing) {
    practiceStanding->setText(standing);
    practiceStanding->setVisible(!standing.isEmpty());
}

void ProgressWindow::showProgress(const SessionFigures& session, ProgressTotals totals,
                                  const std::optional<QString>& problem) {
    sessionKeys->setText(QString::number(session.keys));
    sessionAccuracy->setText(percentText(session.right, session.keys));
    sessionSpeed->setText(session.keysPerMinute > 0
                              ? QString::number(session.keysPerMinute, 'f', 1) +
                                    QStringLiteral(" 键")
                              : QStringLiteral("—"));
    sessionMedian->setText(session.keys ? QString::number(session.medianAnswerMs / 1000.0, 'f', 2) +
                                              QStringLiteral(" 秒")
                                        : QStringLiteral("—"));
    // The title carries the figures too, for a glance from the task bar.
    setWindowTitle(QStringLiteral("学习进度　本次 %1 键　正确率 %2")
                       .arg(session.keys)
                       .arg(percentText(session.right, session.keys)));
    problemLine->setText(problem.value_or(QString()));
    problemLine->setVisible(problem.has_value());
    totals_ = std::move(totals);
    showSummary();
}

void ProgressWindow::showSummary() {
    const QVariant kind = kindChoice->currentData();
    const std::optional<drill::DrillKind> only =
        kind.isValid() ? std::optional(static_cast<drill::DrillKind>(kind.toInt())) : std::nullopt;
    const ProgressSummary summary = summarize(totals_, only);
    QString rows;
    for (const DrillFigures& figures : summary.drills)
        rows +=
            QStringLiteral("<tr><td>%1</td><td align=\"right\">%2 键</td>"
                           "<td align=\"right\">正确率 %3</td>"
                           "<td align=\"right\">每分钟答对 %4</td></tr>")
                .arg(drillKindCaption(figures.drill))
                .arg(figures.keys)
                .arg(percentText(figures.right, figures.keys),
                     figures.keysPerMinute > 0
                         ? QString::number(figures.keysPerMinute, 'f', 1) + QStringLiteral(" 键")
                         : QStringLiteral("—"));
    drillFigures->setText(rows.isEmpty()
                              ? QString()
                              : QStringLiteral("<table cellspacing=\"0\" cellpadding=\"2\"><tr><th "
                                               "align=\"left\">各练习累计</th></tr>%1</table>")
                                    .arg(rows));
    drillFigures->setVisible(!rows.isEmpty());
    heatmap->setKeys(summary.perKey);
    showWeakest(summary.weakest);
    history->setDays(summary.days);
}

QPixmap ProgressWindow::itemPicture(const QString& item) const {
    const double ratio = devicePixelRatioF();
    const int scale = pictureScale(ratio);
    QImage picture;
    const QString path =
        folder_.file(scaledPictureName(QStringLiteral("bmp/%1.bmp").arg(item), scale));
    if (!QFileInfo(path).isFile() || !picture.load(path))
        return {};
    const int side = qRound(kItemPictureSide * ratio);
    picture = picture.scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    picture.setDevicePixelRatio(ratio);
    return QPixmap::fromImage(picture);
}

void ProgressWindow::showWeakest(const std::vector<ItemFigures>& items) {
    while (QLayoutItem* old = weakestGrid_->takeAt(0)) {
        delete old->widget();
        delete old;
    }
    if (items.empty()) {
        weakestGrid_->addWidget(new QLabel(QStringLiteral("还没有按错的字根。"), weakestList), 0,
                                0);
        return;
    }
    int row = 0;
    for (const ItemFigures& item : items) {
        auto* picture = new QLabel(weakestList);
        picture->setFixedSize(kItemPictureSide, kItemPictureSide);
        picture->setPixmap(itemPicture(item.item));
        const QString what =
            drill::isCodeDrill(item.drill) ? QStringLiteral("“%1”的编码").arg(item.item)
            : item.part.isEmpty() ? QStringLiteral("字根　%1 键").arg(keyName(item.expected))
                                  : QStringLiteral("“%1”第 %2 根　%3 键")
                                        .arg(item.item, item.part, keyName(item.expected));
        QStringList instead;
        for (const Confusion& confusion : item.confusions)
            instead.append(
                QStringLiteral("%1×%2").arg(keyName(confusion.typed)).arg(confusion.count));
        auto* text =
            new QLabel(QStringLiteral("%1\n对 %2/%3（%4）　%5\n常按成：%6")
                           .arg(what)
                           .arg(item.right)
                           .arg(item.count)
                           .arg(percentText(item.right, item.count), drillKindCaption(item.drill),
                                instead.join(QStringLiteral("　"))),
                       weakestList);
        weakestGrid_->addWidget(picture, row, 0);
        weakestGrid_->addWidget(text, row, 1);
        ++row;
    }
}

void ProgressWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_F2) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace radiane::progress
