#include "platform/qt/qt_window.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <algorithm>
#include <stdexcept>

#include "platform/qt/qt_controls.h"
#include "platform/qt/qt_images.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/qt_widgets.h"
#include "platform/twips.h"

namespace brisel::platform::qt {
namespace {

Qt::WindowFlags FlagsFor(const FormSpec& form) {
    Qt::WindowFlags flags = Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    // A tool window is the one kind the desktop keeps out of its taskbar.
    flags |= form.showInTaskbar ? Qt::Window : Qt::Tool;
    if (form.minButton) flags |= Qt::WindowMinimizeButtonHint;
    return flags;
}

}  // namespace

QtWindow::QtWindow(const FormSpec& form, double logicalDpi)
    : form_(form), window_(new FormWindow(FlagsFor(form))) {
    BuildFrame(logicalDpi);
    BuildControls(logicalDpi);
    BuildMenus();
    SetTabOrder();
    WatchControls();
    window_->SetCloseHandler([this] {
        closed_ = true;
        Fire(form_.name, Event::Unload);
    });
}

QtWindow::~QtWindow() {
    SetPointer(Pointer::Default);
    delete window_.data();
}

void QtWindow::BuildFrame(double logicalDpi) {
    window_->setObjectName(ToQt(form_.name));
    window_->setAttribute(Qt::WA_DeleteOnClose);
    window_->setWindowTitle(ToQt(form_.caption));
    window_->setWindowIcon(ProgramIcon());
    window_->setFont(MakeFont(form_.font));
    auto* client = new ClientArea(window_, FormImage(form_.background));
    client->setObjectName(QStringLiteral("clientArea"));
    client->setFixedSize(TwipsToPixels(form_.clientWidth, logicalDpi),
                         TwipsToPixels(form_.clientHeight, logicalDpi));
    window_->setCentralWidget(client);
}

void QtWindow::BuildControls(double logicalDpi) {
    QWidget* client = window_->centralWidget();
    for (const ControlSpec& spec : form_.controls) {
        QWidget* control = CreateControl(spec, client, logicalDpi);
        controls_[spec.name] = control;
        auto* button = qobject_cast<QPushButton*>(control);
        if (button != nullptr && spec.isDefault) window_->SetDefaultButton(button);
        if (button != nullptr && spec.isCancel) window_->SetCancelButton(button);
        if (button != nullptr) {
            QObject::connect(button, &QPushButton::clicked,
                             [this, name = spec.name] { Fire(name, Event::Click); });
        }
    }
}

void QtWindow::BuildMenus() {
    for (const MenuSpec& spec : form_.menus) {
        QMenu* menu = window_->menuBar()->addMenu(ToQt(spec.caption));
        menu->setObjectName(ToQt(spec.name));
        AddMenuItems(menu, spec);
    }
    const QSize client = window_->centralWidget()->size();
    const int menuHeight = form_.menus.empty() ? 0 : window_->menuBar()->sizeHint().height();
    window_->setFixedSize(client.width(), client.height() + menuHeight);
}

void QtWindow::AddMenuItems(QMenu* menu, const MenuSpec& spec) {
    for (const MenuSpec& item : spec.items) {
        QAction* action = item.IsSeparator() ? menu->addSeparator()
                                             : menu->addAction(ToQt(item.caption));
        action->setObjectName(ToQt(item.name));
        if (!item.shortcut.empty()) action->setShortcut(QKeySequence(ToQt(item.shortcut)));
        QObject::connect(action, &QAction::triggered,
                         [this, name = item.name] { Fire(name, Event::Click); });
        actions_[item.name] = action;
    }
}

void QtWindow::SetTabOrder() {
    std::vector<const ControlSpec*> order;
    for (const ControlSpec& spec : form_.controls) {
        if (Control(spec.name)->focusPolicy() != Qt::NoFocus) order.push_back(&spec);
    }
    std::sort(order.begin(), order.end(),
              [](const auto* a, const auto* b) { return a->tabIndex < b->tabIndex; });
    for (std::size_t i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(Control(order[i - 1]->name), Control(order[i]->name));
    }
    if (!order.empty()) Control(order.front()->name)->setFocus(Qt::OtherFocusReason);
}

void QtWindow::WatchControls() {
    QList<QKeySequence> shortcuts;
    for (const auto& [name, action] : actions_) {
        if (!action->shortcut().isEmpty()) shortcuts.append(action->shortcut());
    }
    for (const ControlSpec& spec : form_.controls) {
        const bool clickable = spec.kind == ControlKind::Label ||
                               spec.kind == ControlKind::PictureBox;
        auto* relay = new EventRelay(
            Control(spec.name), [this, name = spec.name](Event event) { Fire(name, event); },
            clickable);
        if (spec.kind == ControlKind::TextBox) relay->SetMenuShortcuts(shortcuts);
    }
}

void QtWindow::On(const std::string& control, Event event, Handler handler) {
    handlers_[{control, event}] = std::move(handler);
}

void QtWindow::Fire(const std::string& control, Event event) {
    const auto found = handlers_.find({control, event});
    if (found == handlers_.end()) return;
    const Handler handler = found->second;  // the handler may replace itself
    handler();
}

QWidget* QtWindow::Control(const std::string& name) const {
    const auto found = controls_.find(name);
    if (found == controls_.end() || found->second.isNull()) {
        throw std::out_of_range("no control named " + name + " in " + form_.name);
    }
    return found->second;
}

std::string QtWindow::Text(const std::string& control) const {
    QWidget* widget = Control(control);
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) return FromQt(edit->text());
    if (auto* text = qobject_cast<QPlainTextEdit*>(widget)) {
        return FromQt(text->toPlainText().replace(QChar('\n'), QStringLiteral("\r\n")));
    }
    if (auto* label = qobject_cast<QLabel*>(widget)) return FromQt(label->text());
    if (auto* button = qobject_cast<QPushButton*>(widget)) return FromQt(button->text());
    return {};
}

void QtWindow::SetText(const std::string& control, const std::string& text) {
    QWidget* widget = Control(control);
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        edit->setText(ToQt(text));
        edit->setCursorPosition(0);  // show a long path from its start
    }
    if (auto* plain = qobject_cast<QPlainTextEdit*>(widget)) plain->setPlainText(ToQtLines(text));
    if (auto* label = qobject_cast<QLabel*>(widget)) label->setText(ToQtLines(text));
    if (auto* button = qobject_cast<QPushButton*>(widget)) button->setText(ToQt(text));
    if (const ControlSpec* spec = form_.Find(control)) FitToContent(widget, *spec);
}

void QtWindow::SetToolTip(const std::string& control, const std::string& text) {
    Control(control)->setToolTip(ToQt(text));
}

void QtWindow::SetEnabled(const std::string& control, bool enabled) {
    Control(control)->setEnabled(enabled);
}

void QtWindow::SetVisible(const std::string& control, bool visible) {
    Control(control)->setVisible(visible);
}

void QtWindow::SetFocus(const std::string& control) {
    Control(control)->setFocus(Qt::OtherFocusReason);
}

void QtWindow::Repaint(const std::string& control) { Control(control)->repaint(); }

void QtWindow::SetCaption(const std::string& caption) {
    if (window_) window_->setWindowTitle(ToQt(caption));
}

// The conversion blocks the event loop, so the hourglass is set for the
// whole program rather than through the window's own cursor.
void QtWindow::SetPointer(Pointer pointer) {
    const bool wantHourglass = pointer == Pointer::Hourglass;
    if (wantHourglass == hourglass_) return;
    hourglass_ = wantHourglass;
    if (hourglass_) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QApplication::restoreOverrideCursor();
    }
}

void QtWindow::Show() {
    if (!window_) return;
    if (!centred_) {
        const QRect screen = window_->screen()->availableGeometry();
        window_->move(screen.center() - window_->rect().center());
        centred_ = true;
    }
    window_->show();
    window_->raise();
    window_->activateWindow();
}

void QtWindow::Close() {
    if (window_ && !closed_) window_->close();
}

bool QtWindow::IsLoaded() const { return window_ && !closed_; }

}  // namespace brisel::platform::qt
