#include "platform/qt/qt_form_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QResizeEvent>
#include <QUrl>

#include "platform/qt/qt_text.h"

namespace brisel::platform::qt {

ClientArea::ClientArea(QWidget* parent, const QPixmap& background) : QWidget(parent), background_(background) {}

void ClientArea::paintEvent(QPaintEvent*) {
    if (background_.isNull()) return;
    QPainter painter(this);
    painter.drawPixmap(QRect(QPoint(0, 0), size()), background_);
}

QColor ClientArea::BackgroundAround(const QRect& outer, const QRect& inner) const {
    if (background_.isNull()) return palette().color(backgroundRole());
    const QImage shown = background_.toImage().scaled(size());
    long long red = 0;
    long long green = 0;
    long long blue = 0;
    long long count = 0;
    const QRect within = outer.intersected(shown.rect());
    for (int y = within.top(); y <= within.bottom(); ++y) {
        for (int x = within.left(); x <= within.right(); ++x) {
            if (inner.contains(x, y)) continue;
            const QColor pixel = shown.pixelColor(x, y);
            red += pixel.red();
            green += pixel.green();
            blue += pixel.blue();
            ++count;
        }
    }
    if (count == 0) return palette().color(backgroundRole());
    return QColor(static_cast<int>(red / count), static_cast<int>(green / count), static_cast<int>(blue / count));
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

namespace {

QString DroppedFile(const QMimeData* data) {
    if (data == nullptr) return {};
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile()) return QDir::toNativeSeparators(url.toLocalFile());
    }
    return {};
}

}  // namespace

void FormWindow::SetDropHandler(std::function<void(const std::string&, const std::string&)> handler) {
    dropHandler_ = std::move(handler);
    setAcceptDrops(true);
    // The text boxes would take the file's address as text.
    for (auto* edit : findChildren<QLineEdit*>()) edit->setAcceptDrops(false);
}

void FormWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!DroppedFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void FormWindow::dropEvent(QDropEvent* event) {
    const QString file = DroppedFile(event->mimeData());
    if (file.isEmpty() || !dropHandler_) return;
    event->acceptProposedAction();
    QWidget* under = childAt(event->position().toPoint());
    while (under != nullptr && under->parentWidget() != centralWidget()) under = under->parentWidget();
    const std::string control = under != nullptr ? FromQt(under->objectName()) : "";
    dropHandler_(control, FromQt(file));
}

void FormWindow::CloseNow() {
    closingNow_ = true;
    close();
    closingNow_ = false;
}

void FormWindow::closeEvent(QCloseEvent* event) {
    if (!closingNow_ && closeQuery_ && !closeQuery_()) {
        event->ignore();
        return;
    }
    if (closeHandler_) closeHandler_();
    event->accept();
}

}  // namespace brisel::platform::qt
