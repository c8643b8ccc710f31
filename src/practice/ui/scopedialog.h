#pragma once

#include "practice/scope.h"

#include <QDialog>
#include <QString>
#include <array>
#include <map>
#include <optional>

class QCheckBox;
class QDialogButtonBox;
class QPushButton;
class QRadioButton;

namespace radiane::practice {

// Chooses what a practice covers: keys (by zone or one by one) and whether
// radicals, characters or both.
class ScopeDialog : public QDialog {
    Q_OBJECT
public:
    // note: shown above the choice when not empty (a saved choice that was unusable).
    explicit ScopeDialog(const Scope& initial, const QString& note = {}, QWidget* parent = nullptr);

    Scope scope() const;

    // Runs the dialog; the choice when the learner starts the practice.
    static std::optional<Scope> choose(QWidget* parent, const Scope& initial, const QString& note);

    std::map<QChar, QCheckBox*> keyBoxes;
    std::array<QRadioButton*, 3> contentButtons{}; // radicals, characters, both
    QDialogButtonBox* buttons = nullptr;
    QPushButton* startButton = nullptr;

private:
    void toggleZone(const Zone& zone);
    void updateStart();
};

} // namespace radiane::practice
