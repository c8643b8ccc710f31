#pragma once

#include "appearance/sizelimitmod.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QSize>
#include <QWidget>

namespace radiane::appearance {

// Holds a window within the limits of a SizeLimitMod while the user drags its
// border: the limits apply to the outer size (frame and caption included) and
// reach the window as its minimum and maximum size, recomputed whenever the
// frame may have changed (show, move, resize, state change).
class SizeLimitHooks : public QObject, public WindowHooks {
    Q_OBJECT
public:
    explicit SizeLimitHooks(QObject* parent = nullptr) : QObject(parent) {}
    void setMod(const SizeLimitMod* mod) { mod_ = mod; }

    bool install(QObject* window) override;
    void uninstall(QObject* window) override;
    void limitsChanged(QObject* window) override;

    // What the frame adds to the client size of window (zero before the
    // window system has framed it).
    static QSize frameExtra(const QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Own {
        QSize min;
        QSize max;
    };
    void apply(QWidget* window);

    const SizeLimitMod* mod_ = nullptr;
    QHash<QObject*, Own> own_; // the window's own limits, restored on unhook
    bool applying_ = false;
};

// The process-wide hook state that every SizeLimit shares.
SizeLimitMod& sizeLimitMod();

// The window size limiter control. Properties as the window layout stores
// them; the hook state lives in the shared SizeLimitMod.
class SizeLimit : public QObject {
    Q_OBJECT
    Q_PROPERTY(float MinWidth READ MinWidth WRITE setMinWidth)
    Q_PROPERTY(float MinHeight READ MinHeight WRITE setMinHeight)
    Q_PROPERTY(float MaxWidth READ MaxWidth WRITE setMaxWidth)
    Q_PROPERTY(float MaxHeight READ MaxHeight WRITE setMaxHeight)
public:
    // Uses the process-wide state unless mod is given (tests).
    explicit SizeLimit(QObject* parent = nullptr, SizeLimitMod* mod = nullptr);

    QWidget* Formhwnd() const;
    // Unhooks the old window, stores the new one, hooks it when enabled.
    void setFormhwnd(QWidget* window);
    bool Enabled() const { return mod_.Enabled(); }
    void setEnabled(bool enabled) { mod_.setEnabled(enabled); }

    float MinWidth() const { return mod_.MinWidth(); }
    float MinHeight() const { return mod_.MinHeight(); }
    float MaxWidth() const { return mod_.MaxWidth(); }
    float MaxHeight() const { return mod_.MaxHeight(); }
    void setMinWidth(float value) { mod_.setMinWidth(value); }
    void setMinHeight(float value) { mod_.setMinHeight(value); }
    void setMaxWidth(float value) { mod_.setMaxWidth(value); }
    void setMaxHeight(float value) { mod_.setMaxHeight(value); }

    // "请登录" + site + "了解详情"; without a site, what the control does.
    static QString aboutText(const QString& site);
    // The product web address this program was built with.
    static QString siteUrl();
    // Shows the fixed about message box (OK only), modal.
    void About(QWidget* parent = nullptr);

private:
    SizeLimitMod& mod_;
};

} // namespace radiane::appearance
