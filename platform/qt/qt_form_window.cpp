#include "platform/qt/qt_form_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QResizeEvent>

namespace brisel::platform::qt {

ClientArea::ClientArea(QWidget* parent, const QPixmap& background) : QWidget(parent), background_(background) {}

void ClientArea::paintEvent(QPaintEvent*) {
    if (background_.isNull()) return;
    QPainter painter(this);
    painter.drawPixmap(QRect(QPoint(0, 0), size()), background_);
}

void ClientArea::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (resizeHandler_) resizeHandler_(event->size());
}

void FormWindow::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && event->modifiers() == Qt::NoModifier) {
        // A focused button is pressed by Enter itself; otherwise the default one.
        auto* focused = qobject_cast<QPushButton*>(QApplication::focusWidget());
        if (focused != nullptr && isAncestorOf(focused)) {
            Press(focused);
            return;
        }
        if (defaultButton_) {
            Press(defaultButton_);
            return;
        }
    }
    if (event->key() == Qt::Key_Escape && cancelButton_) {
        Press(cancelButton_);
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void FormWindow::Press(QPushButton* button) {
    if (!button->isVisible() || !button->isEnabled()) return;
    button->setFocus(Qt::OtherFocusReason);
    button->click();
}

void FormWindow::closeEvent(QCloseEvent* event) {
    if (closeHandler_) closeHandler_();
    event->accept();
}

}  // namespace brisel::platform::qt
