#pragma once
// Small widgets and the event relay that turns Qt events into form events.

#include <QColor>
#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QWidget>
#include <functional>

#include "platform/window.h"

namespace brisel::platform::qt {

// A straight line of a given colour; the widget is exactly the line's pixels.
class LineWidget final : public QWidget {
    Q_OBJECT
public:
    LineWidget(QWidget* parent, const QColor& color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor color_;
};

using FormEventSink = std::function<void(Event)>;

// Watches one control: a click on a label or picture (and Enter or Space on
// a link), and the loss of focus to another control of the same window.
// Opening a menu, a shortcut key or the window losing activation do not count
// as losing the focus.
class EventRelay final : public QObject {
    Q_OBJECT
public:
    enum class Clicks { Ignored, Reported, ReportedAndKeys };
    EventRelay(QWidget* control, FormEventSink sink, Clicks clicks);
    // Menu shortcuts that must win over the control's own keys (Ctrl+A).
    void SetMenuShortcuts(QList<QKeySequence> shortcuts) { menuShortcuts_ = std::move(shortcuts); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool IsMenuShortcut(QEvent* event) const;
    bool IsPressKey(QEvent* event) const;

    FormEventSink sink_;
    Clicks clicks_;
    QList<QKeySequence> menuShortcuts_;
};

}  // namespace brisel::platform::qt
