#include "platform/qt/qt_controls.h"

#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProxyStyle>
#include <QPushButton>
#include <QScrollBar>
#include <QStyleOptionSlider>
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

QWidget* CreateLabel(const ControlDescription& described, QWidget* parent) {
    auto* label = new QLabel(ToQt(described.caption), parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(described.wordWrap);
    label->setAlignment((described.align == TextAlign::Centre ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
    SetColor(label, QPalette::WindowText, described.foreColor);
    return label;
}

// A scroll bar whose thumb may be short, so that it shows even in a box only
// a few lines high (the style's own minimum leaves no room beside the arrows).
class ShortThumbStyle final : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
        if (metric == PM_ScrollBarSliderMin) return 6;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

QWidget* CreateTextBox(const ControlDescription& described, QWidget* parent) {
    QWidget* box = nullptr;
    if (described.multiLine) {
        auto* edit = new QPlainTextEdit(ToQtLines(described.caption), parent);
        edit->setReadOnly(described.readOnly);
        edit->setTabChangesFocus(true);
        edit->setVerticalScrollBarPolicy(described.verticalScrollBar ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded);
        if (described.horizontalScrollBar) edit->setLineWrapMode(QPlainTextEdit::NoWrap);
        auto* style = new ShortThumbStyle;
        style->setParent(edit);
        edit->verticalScrollBar()->setStyle(style);
        box = edit;
    } else {
        auto* edit = new QLineEdit(ToQt(described.caption), parent);
        edit->setReadOnly(described.readOnly);
        box = edit;
    }
    SetColor(box, QPalette::Text, described.foreColor);
    SetColor(box, QPalette::Base, described.backColor);
    return box;
}

QWidget* CreateButton(const ControlDescription& described, QWidget* parent) {
    auto* button = new QPushButton(ToQt(described.caption), parent);
    button->setAutoDefault(false);
    SetColor(button, QPalette::ButtonText, described.foreColor);
    return button;
}

QWidget* CreatePicture(const ControlDescription& described, QWidget* parent) {
    auto* picture = new QLabel(parent);
    picture->setPixmap(FormImage(described.picture));
    return picture;
}

QWidget* CreateLine(const ControlDescription& described, QWidget* parent) {
    return new LineWidget(parent, ToQColor(described.foreColor.value_or(Rgb{})));
}

QWidget* CreateWidget(const ControlDescription& described, QWidget* parent) {
    switch (described.kind) {
        case ControlKind::Label:
            return CreateLabel(described, parent);
        case ControlKind::TextBox:
            return CreateTextBox(described, parent);
        case ControlKind::Button:
            return CreateButton(described, parent);
        case ControlKind::PictureBox:
            return CreatePicture(described, parent);
        case ControlKind::Line:
            return CreateLine(described, parent);
    }
    return nullptr;
}

QRect LineGeometry(const ControlDescription& described, double dpi) {
    const int x1 = TwipsToPixels(described.bounds.left, dpi);
    const int y1 = TwipsToPixels(described.bounds.top, dpi);
    const int x2 = TwipsToPixels(described.bounds.left + described.bounds.width, dpi);
    const int y2 = TwipsToPixels(described.bounds.top + described.bounds.height, dpi);
    return QRect(std::min(x1, x2), std::min(y1, y2), std::abs(x2 - x1) + described.lineWidthPixels,
                 std::abs(y2 - y1) + described.lineWidthPixels);
}

QRect Geometry(const ControlDescription& described, double dpi) {
    if (described.kind == ControlKind::Line) return LineGeometry(described, dpi);
    return QRect(TwipsToPixels(described.bounds.left, dpi), TwipsToPixels(described.bounds.top, dpi),
                 TwipsToPixels(described.bounds.width, dpi), TwipsToPixels(described.bounds.height, dpi));
}

Qt::FocusPolicy FocusPolicyOf(const ControlDescription& described) {
    const bool focusableKind =
        described.kind == ControlKind::Label ? described.link : described.kind != ControlKind::Line;
    return described.tabIndex >= 0 && focusableKind ? Qt::StrongFocus : Qt::NoFocus;
}

}  // namespace

QFont MakeFont(const FontDescription& described) {
    // Fonts with the metrics of the forms' own font come first, so that
    // texts fit the sizes the forms were laid out for.
    const QStringList narrowFamilies{ToQt(described.family), QStringLiteral("Microsoft Sans Serif"),
                                     QStringLiteral("Liberation Sans"), QStringLiteral("Arial")};
    QFont font;
    font.setFamilies(narrowFamilies);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(described.points);
    font.setBold(described.bold);
    font.setUnderline(described.underline);
    // A wider fallback (DejaVu Sans) is narrowed to about their width.
    if (!narrowFamilies.contains(QFontInfo(font).family())) font.setStretch(QFont::SemiCondensed);
    return font;
}

QWidget* CreateControl(const ControlDescription& described, QWidget* parent, double logicalDpi) {
    QWidget* control = CreateWidget(described, parent);
    control->setObjectName(ToQt(described.name));
    if (described.font) control->setFont(MakeFont(*described.font));
    if (!described.tooltip.empty()) control->setToolTip(ToQt(described.tooltip));
    if (described.cursor == CursorKind::PointingHand) control->setCursor(PointingHandCursor());
    control->setFocusPolicy(FocusPolicyOf(described));
    control->setGeometry(Geometry(described, logicalDpi));
    FitToContent(control, described);
    control->setVisible(described.visible);
    return control;
}

void SetAccessibleText(QWidget* control, const ControlDescription& described, const AccessibleText& text) {
    const bool plainLabel = described.kind == ControlKind::Label && !described.link;
    if (!plainLabel) control->setAccessibleName(ToQt(text.name));
    if (!text.description.empty()) control->setAccessibleDescription(ToQt(text.description));
}

void FitToContent(QWidget* control, const ControlDescription& described) {
    if (!described.autoSize) return;
    if (described.wordWrap) {
        control->resize(control->width(), control->heightForWidth(control->width()));
    } else {
        control->resize(control->sizeHint());
    }
}

}  // namespace brisel::platform::qt
