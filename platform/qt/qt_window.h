#pragma once
// A form built from its description as real Qt widgets.

#include <QAction>
#include <QCursor>
#include <QPointer>
#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "platform/form.h"
#include "platform/qt/qt_form_window.h"
#include "platform/window.h"

namespace brisel::platform::qt {

class QtWindow final : public Window {
public:
    QtWindow(const FormDescription& form, double logicalDpi);
    ~QtWindow() override;

    void On(const std::string& control, Event event, Handler handler) override;
    void OnDrop(DropHandler handler) override;
    void OnQueryUnload(CloseQuery query) override;
    std::string Text(const std::string& control) const override;
    void SetText(const std::string& control, const std::string& text) override;
    void SetToolTip(const std::string& control, const std::string& text) override;
    void SetEnabled(const std::string& control, bool enabled) override;
    void SetVisible(const std::string& control, bool visible) override;
    void SetFocus(const std::string& control) override;
    void SelectAll(const std::string& control) override;
    void Repaint(const std::string& control) override;
    void SetCaption(const std::string& caption) override;
    void SetPointer(Pointer pointer) override;
    void Show() override;
    void ShowBeside(const Window& anchor) override;
    void Close() override;
    bool IsLoaded() const override;

    QWidget* TopLevel() const { return window_; }

private:
    void BuildFrame(double logicalDpi);
    void BuildControls(double logicalDpi);
    void BuildMenus();
    void AddMenuItems(QMenu* menu, const MenuDescription& described);
    void SetTabOrder();
    void WatchControls();
    QWidget* Control(const std::string& name) const;
    void Fire(const std::string& control, Event event);
    void ShowHourglass();
    void RestorePointers();
    bool IsSizable() const;
    void FollowClientSize(QSize size);
    void PlaceBeside(const QWidget& anchor);
    void ShrinkTo(QSize size);
    void Raise();

    // A control that moves or grows with a sizable form, and where it stands
    // at the described size.
    struct AnchoredControl {
        QPointer<QWidget> widget;
        const ControlDescription* described;
        QRect designed;
    };

    FormDescription form_;
    QPointer<FormWindow> window_;
    std::map<std::string, QPointer<QWidget>> controls_;
    std::map<std::string, QPointer<QAction>> actions_;
    std::map<std::pair<std::string, Event>, Handler> handlers_;
    CloseQuery closeQuery_;
    std::vector<AnchoredControl> anchored_;
    QSize designedClient_;
    bool closed_ = false;
    bool placed_ = false;
    bool hourglass_ = false;
    // Each widget's own pointer before the hourglass, if it had one.
    std::vector<std::pair<QPointer<QWidget>, std::optional<QCursor>>> savedPointers_;
};

}  // namespace brisel::platform::qt
