#pragma once
// The top-level Qt window of a form: a client area under an
// optional menu bar. It presses the default and cancel buttons for Enter and
// Esc, and reports its closing.

#include <QMainWindow>
#include <QPixmap>
#include <QPointer>
#include <functional>
#include <string>

#include <QPushButton>

namespace brisel::platform::qt {

class ClientArea final : public QWidget {
    Q_OBJECT
public:
    ClientArea(QWidget* parent, const QPixmap& background);
    // Called with the new size each time a sizable form's area is resized.
    void SetResizeHandler(std::function<void(QSize)> handler) { resizeHandler_ = std::move(handler); }
    // The mean colour of the background within `outer` but outside `inner`.
    QColor BackgroundAround(const QRect& outer, const QRect& inner) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QPixmap background_;
    std::function<void(QSize)> resizeHandler_;
};

class FormWindow final : public QMainWindow {
    Q_OBJECT
public:
    explicit FormWindow(Qt::WindowFlags flags) : QMainWindow(nullptr, flags) {}

    void SetDefaultButton(QPushButton* button) { defaultButton_ = button; }
    void SetCancelButton(QPushButton* button) { cancelButton_ = button; }
    void SetCloseHandler(std::function<void()> handler) { closeHandler_ = std::move(handler); }
    // Asked before the user, the desktop or the program's quitting closes the
    // window: false keeps it open.
    void SetCloseQuery(std::function<bool()> query) { closeQuery_ = std::move(query); }
    // Closes the window without asking.
    void CloseNow();
    // Takes the files dropped on the window: the name of the control under
    // the drop (empty elsewhere) and the file's path.
    void SetDropHandler(std::function<void(const std::string&, const std::string&)> handler);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // The button takes the focus first, as a click would, so a path box
    // that loses it is split before the button's command runs.
    static void Press(QPushButton* button);

    QPointer<QPushButton> defaultButton_;
    QPointer<QPushButton> cancelButton_;
    std::function<void()> closeHandler_;
    std::function<bool()> closeQuery_;
    bool closingNow_ = false;
    std::function<void(const std::string&, const std::string&)> dropHandler_;
};

}  // namespace brisel::platform::qt
