#pragma once

#include <QObject>
#include <QPointer>
#include <QSize>

namespace radiane::appearance {

// The smallest and largest outer size (frame included) a window may be
// dragged to, in pixels.
struct TrackSize {
    QSize minTrack;
    QSize maxTrack;
    bool operator==(const TrackSize&) const = default;
};

// A limit as applied: rounded to the nearest pixel, ties to even (100.5 -> 100,
// 101.5 -> 102), and held within the largest size a window can have.
int roundLimit(float value);

// Client size bounds for a window whose frame adds frameExtra to its client
// size, so that the outer size stays within outer. Never negative.
TrackSize clientBounds(const TrackSize& outer, QSize frameExtra);

// The platform side of the hook: puts the limiter between a window and its
// size handling, and takes it away again.
class WindowHooks {
public:
    virtual ~WindowHooks() = default;
    // Installs the hook on window; false when there is no window to hook.
    virtual bool install(QObject* window) = 0;
    // Takes the hook off window (which may be gone by now).
    virtual void uninstall(QObject* window) = 0;
    // A limit changed while the hook sits on window: the next size query must
    // see the new limits.
    virtual void limitsChanged(QObject* window) = 0;
};

// Hook state of the window size limiter, shared by every SizeLimit of the
// process: one process limits at most one window at a time.
class SizeLimitMod {
public:
    explicit SizeLimitMod(WindowHooks& hooks) : hooks_(hooks) {}

    QObject* Formhwnd() const { return target_; }
    // Moves the hook: off the old window, then onto the new one if enabled.
    void setFormhwnd(QObject* window);
    bool Enabled() const { return enabled_; }
    void setEnabled(bool enabled);

    // Limits in pixels; 0 or less means no limit.
    float MinWidth() const { return minWidth_; }
    float MinHeight() const { return minHeight_; }
    float MaxWidth() const { return maxWidth_; }
    float MaxHeight() const { return maxHeight_; }
    void setMinWidth(float value) { setLimit(minWidth_, value); }
    void setMinHeight(float value) { setLimit(minHeight_, value); }
    void setMaxWidth(float value) { setLimit(maxWidth_, value); }
    void setMaxHeight(float value) { setLimit(maxHeight_, value); }

    bool hooked() const { return hooked_; }

    // Answers a size query: each limit above 0 replaces the platform's value,
    // a limit of 0 or less leaves it.
    TrackSize query(TrackSize platform) const;

private:
    void hook();
    void unhook();
    void setLimit(float& field, float value);

    WindowHooks& hooks_;
    QPointer<QObject> target_;
    bool enabled_ = false;
    bool hooked_ = false; // the window the hook sits on is target_
    float minWidth_ = 0;
    float minHeight_ = 0;
    float maxWidth_ = 0;
    float maxHeight_ = 0;
};

} // namespace radiane::appearance
