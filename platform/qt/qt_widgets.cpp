#include "platform/qt/qt_widgets.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace brisel::platform::qt {

LineWidget::LineWidget(QWidget* parent, const QColor& color) : QWidget(parent), color_(color) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LineWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), color_);
}

EventRelay::EventRelay(QWidget* control, FormEventSink sink, Clicks clicks)
    : QObject(control), sink_(std::move(sink)), clicks_(clicks) {
    control->installEventFilter(this);
}

namespace {

bool MovesFocusWithinWindow(Qt::FocusReason reason) {
    switch (reason) {
        case Qt::PopupFocusReason:
        case Qt::MenuBarFocusReason:
        case Qt::ActiveWindowFocusReason:
            return false;
        default:
            return true;
    }
}

}  // namespace

bool EventRelay::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::FocusOut:
            if (MovesFocusWithinWindow(static_cast<QFocusEvent*>(event)->reason())) {
                sink_(Event::LostFocus);
            }
            break;
        case QEvent::MouseButtonRelease:
            if (clicks_ != Clicks::Ignored && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
                sink_(Event::Click);
                return true;
            }
            break;
        case QEvent::KeyPress:
            if (IsPressKey(event)) {
                sink_(Event::Click);
                return true;
            }
            break;
        case QEvent::ShortcutOverride:
            // Left unaccepted, the key goes on to the menu's shortcut.
            if (IsMenuShortcut(event)) return true;
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

bool EventRelay::IsPressKey(QEvent* event) const {
    if (clicks_ != Clicks::ReportedAndKeys) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() != Qt::NoModifier && key->modifiers() != Qt::KeypadModifier) return false;
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter || key->key() == Qt::Key_Space;
}

bool EventRelay::IsMenuShortcut(QEvent* event) const {
    const auto* key = static_cast<QKeyEvent*>(event);
    const QKeySequence pressed(key->keyCombination());
    for (const QKeySequence& shortcut : menuShortcuts_) {
        if (shortcut.matches(pressed) == QKeySequence::ExactMatch) return true;
    }
    return false;
}

}  // namespace brisel::platform::qt
