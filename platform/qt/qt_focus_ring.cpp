#include "platform/qt/qt_focus_ring.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>

#include "platform/contrast.h"
#include "platform/qt/qt_form_window.h"

namespace brisel::platform::qt {
namespace {

constexpr int kOutset = FocusRing::kWidth + FocusRing::kGap;

}  // namespace

FocusRing::FocusRing(ClientArea* area) : QWidget(area), area_(area) {
    setObjectName(QStringLiteral("focusRing"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { Follow(now); });
}

// The control of this form that holds the focus, itself or through a part
// of it (a text box's viewport).
void FocusRing::Follow(QWidget* focused) {
    while (focused != nullptr && focused->parentWidget() != area_) focused = focused->parentWidget();
    if (focused == target_) return;
    if (target_) target_->removeEventFilter(this);
    target_ = focused;
    if (target_) target_->installEventFilter(this);
    Surround();
}

void FocusRing::Surround() {
    if (!target_ || !target_->isVisible()) {
        hide();
        return;
    }
    const QRect around = target_->geometry().adjusted(-kOutset, -kOutset, kOutset, kOutset);
    const QColor background = area_->BackgroundAround(around, target_->geometry());
    const Rgb mark =
        MarkColourOn(Rgb{static_cast<std::uint8_t>(background.red()), static_cast<std::uint8_t>(background.green()),
                         static_cast<std::uint8_t>(background.blue())});
    colour_ = QColor(mark.red, mark.green, mark.blue);
    setGeometry(around);
    raise();
    show();
    update();
}

// The control moves with a sizable form, hides, or shows again.
bool FocusRing::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
            Surround();
            break;
        default:
            break;
    }
    return QWidget::eventFilter(watched, event);
}

void FocusRing::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect outer = rect();
    const QRect inner = outer.adjusted(kWidth, kWidth, -kWidth, -kWidth);
    painter.setClipRegion(QRegion(outer).subtracted(QRegion(inner)));
    painter.fillRect(outer, colour_);
}

}  // namespace brisel::platform::qt
