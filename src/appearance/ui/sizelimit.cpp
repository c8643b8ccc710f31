#include "appearance/ui/sizelimit.h"

#include <QEvent>
#include <QMessageBox>

namespace radiane::appearance {

QSize SizeLimitHooks::frameExtra(const QWidget* window) {
    const QSize extra = window->frameGeometry().size() - window->geometry().size();
    return extra.expandedTo(QSize(0, 0));
}

bool SizeLimitHooks::install(QObject* window) {
    auto* widget = qobject_cast<QWidget*>(window);
    if (!widget)
        return false;
    own_.insert(widget, Own{widget->minimumSize(), widget->maximumSize()});
    connect(widget, &QObject::destroyed, this, [this](QObject* gone) { own_.remove(gone); });
    widget->installEventFilter(this);
    apply(widget);
    return true;
}

void SizeLimitHooks::uninstall(QObject* window) {
    auto* widget = qobject_cast<QWidget*>(window);
    if (!widget)
        return;
    widget->removeEventFilter(this);
    disconnect(widget, &QObject::destroyed, this, nullptr);
    if (const auto own = own_.find(widget); own != own_.end()) {
        widget->setMinimumSize(own->min);
        widget->setMaximumSize(own->max);
        own_.erase(own);
    }
}

void SizeLimitHooks::limitsChanged(QObject* window) {
    if (auto* widget = qobject_cast<QWidget*>(window))
        apply(widget);
}

void SizeLimitHooks::apply(QWidget* window) {
    const auto own = own_.constFind(window);
    if (!mod_ || own == own_.constEnd() || applying_)
        return;
    applying_ = true;
    const QSize extra = frameExtra(window);
    const TrackSize platform{own->min + extra, own->max + extra};
    const TrackSize client = clientBounds(mod_->query(platform), extra);
    if (window->minimumSize() != client.minTrack)
        window->setMinimumSize(client.minTrack);
    if (window->maximumSize() != client.maxTrack)
        window->setMaximumSize(client.maxTrack);
    applying_ = false;
}

bool SizeLimitHooks::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::WindowStateChange:
        // The frame is known only once the window system has framed the
        // window, and it may change with the window's state.
        if (auto* widget = qobject_cast<QWidget*>(watched))
            apply(widget);
        break;
    default:
        break;
    }
    return false; // every event goes on to the window unchanged
}

SizeLimitMod& sizeLimitMod() {
    // Lives until the process ends, like the window it may hold.
    static SizeLimitHooks* hooks = new SizeLimitHooks;
    static SizeLimitMod* mod = [] {
        auto* shared = new SizeLimitMod(*hooks);
        hooks->setMod(shared);
        return shared;
    }();
    return *mod;
}

SizeLimit::SizeLimit(QObject* parent, SizeLimitMod* mod)
    : QObject(parent), mod_(mod ? *mod : sizeLimitMod()) {
    setObjectName(QStringLiteral("SizeLimit"));
}

QWidget* SizeLimit::Formhwnd() const {
    return qobject_cast<QWidget*>(mod_.Formhwnd());
}

void SizeLimit::setFormhwnd(QWidget* window) {
    mod_.setFormhwnd(window);
}

QString SizeLimit::aboutText(const QString& site) {
    // With the built-in help site there is no address to send the learner to.
    if (site.isEmpty())
        return QStringLiteral("本控件限制窗口可调整到的最小和最大尺寸");
    return QStringLiteral("请登录") + site + QStringLiteral("了解详情");
}

QString SizeLimit::siteUrl() {
    return QStringLiteral(RADIANE_SITE_URL);
}

void SizeLimit::About(QWidget* parent) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Keyloom！"), aboutText(siteUrl()),
                    QMessageBox::Ok, parent);
    box.exec();
}

} // namespace radiane::appearance
