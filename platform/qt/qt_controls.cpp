#include "platform/qt/qt_controls.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <cstdlib>

#include "platform/qt/qt_images.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/qt_widgets.h"
#include "platform/twips.h"

namespace brisel::platform::qt {
namespace {

QColor ToQColor(const Rgb& rgb) { return QColor(rgb.red, rgb.green, rgb.blue); }

void SetColor(QWidget* widget, QPalette::ColorRole role, const std::optional<Rgb>& color) {
    if (!color) return;
    QPalette palette = widget->palette();
    palette.setColor(role, ToQColor(*color));
    widget->setPalette(palette);
}

QWidget* CreateLabel(const ControlSpec& spec, QWidget* parent) {
    auto* label = new QLabel(ToQt(spec.caption), parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(spec.wordWrap);
    label->setAlignment((spec.align == TextAlign::Centre ? Qt::AlignHCenter : Qt::AlignLeft) |
                        Qt::AlignTop);
    SetColor(label, QPalette::WindowText, spec.foreColor);
    return label;
}

QWidget* CreateTextBox(const ControlSpec& spec, QWidget* parent) {
    QWidget* box = nullptr;
    if (spec.multiLine) {
        auto* edit = new QPlainTextEdit(ToQtLines(spec.caption), parent);
        edit->setReadOnly(spec.readOnly);
        edit->setTabChangesFocus(true);
        edit->setVerticalScrollBarPolicy(spec.verticalScrollBar ? Qt::ScrollBarAlwaysOn
                                                                : Qt::ScrollBarAsNeeded);
        box = edit;
    } else {
        auto* edit = new QLineEdit(ToQt(spec.caption), parent);
        edit->setReadOnly(spec.readOnly);
        box = edit;
    }
    SetColor(box, QPalette::Text, spec.foreColor);
    SetColor(box, QPalette::Base, spec.backColor);
    return box;
}

QWidget* CreateButton(const ControlSpec& spec, QWidget* parent) {
    auto* button = new QPushButton(ToQt(spec.caption), parent);
    button->setAutoDefault(false);
    SetColor(button, QPalette::ButtonText, spec.foreColor);
    return button;
}

QWidget* CreatePicture(const ControlSpec& spec, QWidget* parent) {
    auto* picture = new QLabel(parent);
    picture->setPixmap(FormImage(spec.picture));
    return picture;
}

QWidget* CreateLine(const ControlSpec& spec, QWidget* parent) {
    return new LineWidget(parent, ToQColor(spec.foreColor.value_or(Rgb{})));
}

QWidget* CreateWidget(const ControlSpec& spec, QWidget* parent) {
    switch (spec.kind) {
        case ControlKind::Label: return CreateLabel(spec, parent);
        case ControlKind::TextBox: return CreateTextBox(spec, parent);
        case ControlKind::Button: return CreateButton(spec, parent);
        case ControlKind::PictureBox: return CreatePicture(spec, parent);
        case ControlKind::Line: return CreateLine(spec, parent);
    }
    return nullptr;
}

QRect LineGeometry(const ControlSpec& spec, double dpi) {
    const int x1 = TwipsToPixels(spec.left, dpi);
    const int y1 = TwipsToPixels(spec.top, dpi);
    const int x2 = TwipsToPixels(spec.left + spec.width, dpi);
    const int y2 = TwipsToPixels(spec.top + spec.height, dpi);
    return QRect(std::min(x1, x2), std::min(y1, y2), std::abs(x2 - x1) + spec.lineWidthPixels,
                 std::abs(y2 - y1) + spec.lineWidthPixels);
}

QRect Geometry(const ControlSpec& spec, double dpi) {
    if (spec.kind == ControlKind::Line) return LineGeometry(spec, dpi);
    return QRect(TwipsToPixels(spec.left, dpi), TwipsToPixels(spec.top, dpi),
                 TwipsToPixels(spec.width, dpi), TwipsToPixels(spec.height, dpi));
}

Qt::FocusPolicy FocusPolicyOf(const ControlSpec& spec) {
    const bool takesFocus = spec.tabIndex >= 0 && spec.kind != ControlKind::Label &&
                            spec.kind != ControlKind::Line;
    return takesFocus ? Qt::StrongFocus : Qt::NoFocus;
}

}  // namespace

QFont MakeFont(const FontSpec& spec) {
    // Fonts with the metrics of the forms' own font come first, so that
    // texts fit the sizes the forms were laid out for.
    QFont font;
    font.setFamilies({ToQt(spec.family), QStringLiteral("Microsoft Sans Serif"),
                      QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                      QStringLiteral("DejaVu Sans Condensed")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(spec.points);
    font.setBold(spec.bold);
    font.setUnderline(spec.underline);
    return font;
}

QWidget* CreateControl(const ControlSpec& spec, QWidget* parent, double logicalDpi) {
    QWidget* control = CreateWidget(spec, parent);
    control->setObjectName(ToQt(spec.name));
    if (spec.font) control->setFont(MakeFont(*spec.font));
    if (!spec.tooltip.empty()) control->setToolTip(ToQt(spec.tooltip));
    if (spec.cursor == CursorKind::PointingHand) control->setCursor(PointingHandCursor());
    control->setFocusPolicy(FocusPolicyOf(spec));
    control->setGeometry(Geometry(spec, logicalDpi));
    FitToContent(control, spec);
    control->setVisible(spec.visible);
    return control;
}

void FitToContent(QWidget* control, const ControlSpec& spec) {
    if (!spec.autoSize) return;
    if (spec.wordWrap) {
        control->resize(control->width(), control->heightForWidth(control->width()));
    } else {
        control->resize(control->sizeHint());
    }
}

}  // namespace brisel::platform::qt
