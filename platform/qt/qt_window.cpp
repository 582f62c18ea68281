#include "platform/qt/qt_window.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSessionManager>
#include <algorithm>
#include <stdexcept>

#include "platform/anchoring.h"
#include "platform/placement.h"
#include "platform/qt/qt_controls.h"
#include "platform/qt/qt_focus_ring.h"
#include "platform/qt/qt_images.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/qt_widgets.h"
#include "platform/twips.h"

namespace brisel::platform::qt {
namespace {

Qt::WindowFlags FlagsFor(const FormDescription& form) {
    // Every form is an ordinary top-level window that the main window can come
    // in front of: the desktop keeps tool and dialog windows above the rest of
    // the program. It keeps only tool windows out of its taskbar, where a form
    // gone behind the main window is found again.
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                            Qt::WindowCloseButtonHint;
    if (form.minButton) flags |= Qt::WindowMinimizeButtonHint;
    if (form.border == BorderStyle::Sizable) flags |= Qt::WindowMaximizeButtonHint;
    return flags;
}

EventRelay::Clicks ClicksOf(const ControlDescription& described) {
    if (described.link) return EventRelay::Clicks::ReportedAndKeys;
    const bool clickable = described.kind == ControlKind::Label || described.kind == ControlKind::PictureBox;
    return clickable ? EventRelay::Clicks::Reported : EventRelay::Clicks::Ignored;
}

PixelRect ToPixels(const QRect& rect) { return {rect.x(), rect.y(), rect.width(), rect.height()}; }

// The forms still open: the program ends when the last one closes, whichever
// it is.
std::vector<const QtWindow*>& OpenForms() {
    static std::vector<const QtWindow*> forms;
    return forms;
}

void Forget(const QtWindow* form) {
    auto& open = OpenForms();
    open.erase(std::remove(open.begin(), open.end(), form), open.end());
}

}  // namespace

QtWindow::QtWindow(const FormDescription& form, double logicalDpi)
    : form_(form), window_(new FormWindow(FlagsFor(form))) {
    BuildFrame(logicalDpi);
    BuildControls(logicalDpi);
    BuildMenus();
    SetTabOrder();
    WatchControls();
    OpenForms().push_back(this);
    window_->SetCloseHandler([this] {
        closed_ = true;
        Forget(this);
        Fire(form_.name, Event::Unload);
        if (OpenForms().empty()) QCoreApplication::quit();
    });
    // The session manager asks for the work to be saved before the session
    // ends: the same question as the close button's.
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, window_, [this](QSessionManager&) {
        if (closeQuery_) closeQuery_();
    });
}

QtWindow::~QtWindow() {
    Forget(this);
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
    designedClient_ =
        QSize(TwipsToPixels(form_.clientWidth, logicalDpi), TwipsToPixels(form_.clientHeight, logicalDpi));
    if (IsSizable()) {
        client->setMinimumSize(designedClient_);
        client->SetResizeHandler([this](QSize size) { FollowClientSize(size); });
    } else {
        client->setFixedSize(designedClient_);
    }
    window_->setCentralWidget(client);
    new FocusRing(client);
}

void QtWindow::BuildControls(double logicalDpi) {
    QWidget* client = window_->centralWidget();
    for (const ControlDescription& described : form_.controls) {
        QWidget* control = CreateControl(described, client, logicalDpi);
        SetAccessibleText(control, described, AccessibleTextOf(form_, described));
        controls_[described.name] = control;
        if (described.anchoring != Anchoring::TopLeft) anchored_.push_back({control, &described, control->geometry()});
        auto* button = qobject_cast<QPushButton*>(control);
        if (button != nullptr && described.isDefault) window_->SetDefaultButton(button);
        if (button != nullptr && described.isCancel) window_->SetCancelButton(button);
        if (button != nullptr) {
            // The button takes the focus before its command runs, however it
            // was pressed (a shortcut key does not move the focus itself).
            QObject::connect(button, &QPushButton::clicked, [this, button, name = described.name] {
                if (button->isVisible() && button->focusPolicy() != Qt::NoFocus) button->setFocus(Qt::OtherFocusReason);
                Fire(name, Event::Click);
            });
        }
    }
}

void QtWindow::BuildMenus() {
    for (const MenuDescription& described : form_.menus) {
        QMenu* menu = window_->menuBar()->addMenu(ToQt(described.caption));
        menu->setObjectName(ToQt(described.name));
        AddMenuItems(menu, described);
    }
    const int menuHeight = form_.menus.empty() ? 0 : window_->menuBar()->sizeHint().height();
    const QSize frame(designedClient_.width(), designedClient_.height() + menuHeight);
    if (IsSizable()) {
        window_->setMinimumSize(frame);
        window_->resize(frame);
    } else {
        window_->setFixedSize(frame);
    }
}

bool QtWindow::IsSizable() const { return form_.border == BorderStyle::Sizable; }

void QtWindow::FollowClientSize(QSize size) {
    const int grownWidth = size.width() - designedClient_.width();
    const int grownHeight = size.height() - designedClient_.height();
    for (const AnchoredControl& anchored : anchored_) {
        if (anchored.widget.isNull()) continue;
        const QRect& at = anchored.designed;
        const PixelRect rect =
            Follow(anchored.described->anchoring, {at.x(), at.y(), at.width(), at.height()}, grownWidth, grownHeight);
        anchored.widget->setGeometry(rect.left, rect.top, rect.width, rect.height);
    }
}

void QtWindow::AddMenuItems(QMenu* menu, const MenuDescription& described) {
    for (const MenuDescription& item : described.items) {
        QAction* action = item.IsSeparator() ? menu->addSeparator() : menu->addAction(ToQt(item.caption));
        action->setObjectName(ToQt(item.name));
        action->setEnabled(item.enabled);
        if (!item.shortcut.empty()) action->setShortcut(QKeySequence(ToQt(item.shortcut)));
        QObject::connect(action, &QAction::triggered, [this, name = item.name] { Fire(name, Event::Click); });
        actions_[item.name] = action;
    }
}

void QtWindow::SetTabOrder() {
    std::vector<const ControlDescription*> order;
    for (const ControlDescription& described : form_.controls) {
        if (Control(described.name)->focusPolicy() != Qt::NoFocus) order.push_back(&described);
    }
    std::sort(order.begin(), order.end(), [](const auto* a, const auto* b) { return a->tabIndex < b->tabIndex; });
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
    for (const ControlDescription& described : form_.controls) {
        const std::string name = described.name;
        auto* relay = new EventRelay(
            Control(name), [this, name](Event event) { Fire(name, event); }, ClicksOf(described));
        if (described.kind == ControlKind::TextBox) relay->SetMenuShortcuts(shortcuts);
    }
}

void QtWindow::On(const std::string& control, Event event, Handler handler) {
    handlers_[{control, event}] = std::move(handler);
}

void QtWindow::OnDrop(DropHandler handler) {
    if (window_) window_->SetDropHandler(std::move(handler));
}

void QtWindow::OnQueryUnload(CloseQuery query) {
    closeQuery_ = query;
    if (window_) window_->SetCloseQuery(std::move(query));
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
        edit->end(false);  // a long path shows its end: the file name
    }
    if (auto* plain = qobject_cast<QPlainTextEdit*>(widget)) plain->setPlainText(ToQtLines(text));
    if (auto* label = qobject_cast<QLabel*>(widget)) label->setText(ToQtLines(text));
    if (auto* button = qobject_cast<QPushButton*>(widget)) button->setText(ToQt(text));
    if (const ControlDescription* described = form_.Find(control)) FitToContent(widget, *described);
}

void QtWindow::SetToolTip(const std::string& control, const std::string& text) {
    Control(control)->setToolTip(ToQt(text));
}

void QtWindow::SetEnabled(const std::string& control, bool enabled) {
    const auto item = actions_.find(control);
    if (item != actions_.end() && !item->second.isNull()) {
        item->second->setEnabled(enabled);
        return;
    }
    Control(control)->setEnabled(enabled);
}

void QtWindow::SetVisible(const std::string& control, bool visible) { Control(control)->setVisible(visible); }

void QtWindow::SetFocus(const std::string& control) { Control(control)->setFocus(Qt::OtherFocusReason); }

void QtWindow::SelectAll(const std::string& control) {
    QWidget* widget = Control(control);
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) edit->selectAll();
    if (auto* plain = qobject_cast<QPlainTextEdit*>(widget)) plain->selectAll();
}

void QtWindow::Repaint(const std::string& control) { Control(control)->repaint(); }

void QtWindow::SetCaption(const std::string& caption) {
    if (window_) window_->setWindowTitle(ToQt(caption));
}

// The hourglass shows over this window only, its controls included (a text
// box has a pointer of its own); the message boxes keep theirs.
void QtWindow::SetPointer(Pointer pointer) {
    const bool wantHourglass = pointer == Pointer::Hourglass;
    if (wantHourglass == hourglass_) return;
    hourglass_ = wantHourglass;
    if (hourglass_) {
        ShowHourglass();
    } else {
        RestorePointers();
    }
}

void QtWindow::ShowHourglass() {
    std::vector<QWidget*> widgets{window_};
    for (const auto& [name, control] : controls_) widgets.push_back(control);
    for (QWidget* widget : widgets) {
        if (widget == nullptr) continue;
        const bool own = widget->testAttribute(Qt::WA_SetCursor);
        savedPointers_.push_back({widget, own ? std::optional<QCursor>(widget->cursor()) : std::nullopt});
        widget->setCursor(Qt::WaitCursor);
    }
}

void QtWindow::RestorePointers() {
    for (const auto& [widget, cursor] : savedPointers_) {
        if (widget.isNull()) continue;
        if (cursor) {
            widget->setCursor(*cursor);
        } else {
            widget->unsetCursor();
        }
    }
    savedPointers_.clear();
}

void QtWindow::Show() {
    if (!window_) return;
    if (!placed_) {
        const QRect screen = window_->screen()->availableGeometry();
        window_->move(screen.center() - window_->rect().center());
        placed_ = true;
    }
    Raise();
}

void QtWindow::ShowBeside(const Window& anchor) {
    const auto* other = dynamic_cast<const QtWindow*>(&anchor);
    if (!window_ || other == nullptr || !other->window_) {
        Show();
        return;
    }
    if (!placed_) {
        PlaceBeside(*other->window_);
        placed_ = true;
    }
    Raise();
}

// The desktop's frame is not known before the window shows: the anchor's
// tells how much it adds. A sizable form may open smaller to find room.
void QtWindow::PlaceBeside(const QWidget& anchor) {
    const QSize frameExtra = anchor.frameGeometry().size() - anchor.size();
    const QSize frame = window_->size() + frameExtra;
    const PixelSize size{frame.width(), frame.height()};
    const PixelRect at =
        platform::PlaceBeside(ToPixels(anchor.frameGeometry()), size, IsSizable() ? SmallestOpening(size) : size,
                              ToPixels(anchor.screen()->availableGeometry()));
    if (at.width != size.width || at.height != size.height) ShrinkTo(QSize(at.width, at.height) - frameExtra);
    window_->move(at.left, at.top);
}

// Smaller than its form, to fit beside the main window or on the screen; its
// controls follow as for any other size.
void QtWindow::ShrinkTo(QSize size) {
    const QSize menu = window_->minimumSize() - window_->centralWidget()->minimumSize();
    window_->centralWidget()->setMinimumSize((size - menu).boundedTo(window_->centralWidget()->minimumSize()));
    window_->setMinimumSize(window_->minimumSize().boundedTo(size));
    window_->resize(size);
}

void QtWindow::Raise() {
    window_->show();
    window_->raise();
    window_->activateWindow();
}

void QtWindow::Close() {
    if (window_ && !closed_) window_->CloseNow();
}

bool QtWindow::IsLoaded() const { return window_ && !closed_; }

}  // namespace brisel::platform::qt
