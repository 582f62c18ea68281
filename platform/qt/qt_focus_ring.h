#pragma once
// The mark around the control that has the keyboard focus: a ring two pixels
// wide, one pixel outside the control, in black or white, whichever stands
// out more from the form's background around it. Drawn on the background,
// it shows on dark pictures and light dialogs alike.

#include <QColor>
#include <QPointer>
#include <QWidget>

namespace brisel::platform::qt {

class ClientArea;

class FocusRing final : public QWidget {
    Q_OBJECT
public:
    explicit FocusRing(ClientArea* area);

    // The control the ring surrounds, or null while the focus is elsewhere.
    QWidget* Target() const { return target_; }
    QColor Colour() const { return colour_; }
    // The ring's width and its distance from the control, in pixels.
    static constexpr int kWidth = 2;
    static constexpr int kGap = 1;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Follow(QWidget* focused);
    void Surround();

    ClientArea* area_;
    QPointer<QWidget> target_;
    QColor colour_;
};

}  // namespace brisel::platform::qt
