#pragma once
// A window described as data: its frame, its controls and its menus. The
// backends build real windows from this; positions and sizes are in twips
// (1/1440 inch), colours are red, green, blue.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace brisel::platform {

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

struct FontDescription {
    std::string family = "MS Sans Serif";
    double points = 8.25;
    bool bold = false;
    bool underline = false;
};

struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

enum class ControlKind { Label, TextBox, Button, PictureBox, Line };
enum class TextAlign { Left, Centre };
enum class CursorKind { Default, PointingHand };
// How a control follows a sizable form: it keeps its place, grows with the
// form, or keeps its distance to the form's bottom right corner.
enum class Anchoring { TopLeft, Stretch, BottomRight };

struct ControlDescription {
    ControlKind kind = ControlKind::Label;
    std::string name{};
    std::string caption{};  // "&" marks the access letter of buttons
    std::string tooltip{};
    // What a screen reader calls a control that has no label before it in
    // the keyboard order; a label names the control after it.
    std::string accessibleName{};
    // For lines: left, top is the first end point and width, height the
    // offset to the second.
    TwipsRect bounds{};
    int tabIndex = -1;                      // place in the keyboard order; plain labels take no focus
    std::optional<FontDescription> font{};  // the window's font when absent
    std::optional<Rgb> foreColor{};
    std::optional<Rgb> backColor{};
    int lineWidthPixels = 1;
    TextAlign align = TextAlign::Left;
    bool visible = true;
    bool autoSize = false;  // labels and pictures grow or shrink to their content
    bool wordWrap = false;
    bool multiLine = false;
    bool verticalScrollBar = false;
    bool horizontalScrollBar = false;  // multi-line boxes: lines are not wrapped
    bool readOnly = false;
    bool isDefault = false;  // pressed by Enter
    bool isCancel = false;   // pressed by Esc
    std::string picture{};   // image name, see ImageName below
    CursorKind cursor = CursorKind::Default;
    Anchoring anchoring = Anchoring::TopLeft;
    // A label that opens an address: it takes the focus in its tab order,
    // and Enter or Space press it as a click does.
    bool link = false;
    // The labels whose captions name and describe the control for assistive
    // technology where its place in the keyboard order does not tell (see
    // AccessibleTextOf).
    std::string labelledBy{};
    std::string describedBy{};
};

struct MenuDescription {
    std::string name;
    std::string caption;   // empty for a separator
    std::string shortcut;  // "Ctrl+O", "F1" or empty
    std::vector<MenuDescription> items;
    bool enabled = true;
    bool IsSeparator() const { return caption.empty(); }
};

// A sizable form is never made smaller than its described client size.
enum class BorderStyle { FixedSingle, FixedDialog, Sizable };

// Images every backend provides under these names.
namespace ImageName {
inline constexpr const char* kBackground = "background";  // 374 x 200
inline constexpr const char* kIcon = "icon";              // 16 and 32
inline constexpr const char* kIcon32 = "icon32";          // the 32 x 32 picture
}  // namespace ImageName

struct FormDescription {
    std::string name{};
    std::string caption{};
    int clientWidth = 0;   // twips
    int clientHeight = 0;  // twips
    BorderStyle border = BorderStyle::FixedSingle;
    bool minButton = true;
    bool showInTaskbar = true;
    std::string background{};  // image name or empty
    std::string icon = ImageName::kIcon;
    FontDescription font{};
    std::vector<ControlDescription> controls{};
    std::vector<MenuDescription> menus{};

    const ControlDescription* Find(const std::string& controlName) const;
};

}  // namespace brisel::platform
