#include "practice/ui/scopedialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

namespace radiane::practice {

ScopeDialog::ScopeDialog(const Scope& initial, const QString& note, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("ScopeDialog"));
    setWindowTitle(QStringLiteral("专项练习"));
    auto* layout = new QVBoxLayout(this);
    if (!note.isEmpty()) {
        auto* noteLabel = new QLabel(note, this);
        noteLabel->setWordWrap(true);
        layout->addWidget(noteLabel);
    }

    auto* keysBox = new QGroupBox(QStringLiteral("练哪些键（点区名选全区）"), this);
    auto* grid = new QGridLayout(keysBox);
    int row = 0;
    for (const Zone& zone : zones()) {
        auto* zoneButton = new QPushButton(QString::fromUtf16(zone.name), keysBox);
        zoneButton->setObjectName(QStringLiteral("zone_%1").arg(QString::fromUtf16(zone.keys)));
        connect(zoneButton, &QPushButton::clicked, this, [this, zone] { toggleZone(zone); });
        grid->addWidget(zoneButton, row, 0);
        int column = 1;
        for (QChar key : QString::fromUtf16(zone.keys)) {
            auto* box = new QCheckBox(key.toUpper(), keysBox);
            box->setObjectName(QStringLiteral("key_%1").arg(key));
            box->setChecked(initial.keys.contains(key));
            connect(box, &QCheckBox::toggled, this, &ScopeDialog::updateStart);
            grid->addWidget(box, row, column++);
            keyBoxes[key] = box;
        }
        ++row;
    }
    layout->addWidget(keysBox);

    auto* contentBox = new QGroupBox(QStringLiteral("练什么"), this);
    auto* contentLayout = new QHBoxLayout(contentBox);
    const QString captions[] = {QStringLiteral("单个字根"), QStringLiteral("汉字中的字根"),
                                QStringLiteral("两者都练")};
    for (std::size_t i = 0; i < contentButtons.size(); ++i) {
        contentButtons[i] = new QRadioButton(captions[i], contentBox);
        contentButtons[i]->setChecked(static_cast<int>(initial.content) == static_cast<int>(i) + 1);
        contentLayout->addWidget(contentButtons[i]);
    }
    layout->addWidget(contentBox);

    buttons = new QDialogButtonBox(this);
    startButton = buttons->addButton(QStringLiteral("开始练习"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("取消"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    updateStart();
}

Scope ScopeDialog::scope() const {
    QString keys;
    for (const auto& [key, box] : keyBoxes) {
        if (box->isChecked())
            keys.append(key);
    }
    Scope out;
    out.keys = parseKeys(keys).value_or(QString());
    for (std::size_t i = 0; i < contentButtons.size(); ++i) {
        if (contentButtons[i]->isChecked())
            out.content = static_cast<Content>(i + 1);
    }
    return out;
}

void ScopeDialog::toggleZone(const Zone& zone) {
    const QString keys = QString::fromUtf16(zone.keys);
    const bool allOn = std::all_of(keys.begin(), keys.end(),
                                   [this](QChar key) { return keyBoxes.at(key)->isChecked(); });
    for (QChar key : keys)
        keyBoxes.at(key)->setChecked(!allOn);
}

void ScopeDialog::updateStart() {
    // Without a key there is nothing to practise.
    startButton->setEnabled(!scope().keys.isEmpty());
}

std::optional<Scope> ScopeDialog::choose(QWidget* parent, const Scope& initial,
                                         const QString& note) {
    ScopeDialog dialog(initial, note, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.scope();
}

} // namespace radiane::practice
