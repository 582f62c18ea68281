#include "about_box/about_form.h"

#include "about_box/maker_info.h"

namespace brisel::about_box {
namespace {

using platform::ControlKind;
using platform::ControlDescription;
using platform::FontDescription;
using platform::Rgb;

const Rgb kBlack{0, 0, 0};
const Rgb kGrey{128, 128, 128};
const Rgb kWhite{255, 255, 255};

ControlDescription Label(const char* name, std::string caption, int left, int top, int width,
                  int height) {
    ControlDescription label;
    label.kind = ControlKind::Label;
    label.name = name;
    label.caption = std::move(caption);
    label.left = left;
    label.top = top;
    label.width = width;
    label.height = height;
    label.autoSize = true;
    return label;
}

ControlDescription Styled(ControlDescription control, FontDescription font,
                          std::optional<Rgb> color) {
    control.font = std::move(font);
    control.foreColor = color;
    return control;
}

ControlDescription Link(const char* name, const char* caption, int left, int top, int width) {
    ControlDescription link = Styled(Label(name, caption, left, top, width, 195),
                              {"MS Sans Serif", 8.25, false, true}, Rgb{0, 0, 255});
    link.cursor = platform::CursorKind::PointingHand;
    return link;
}

ControlDescription Line(const char* name, int y, int x2, Rgb color, int widthPixels) {
    ControlDescription line;
    line.kind = ControlKind::Line;
    line.name = name;
    line.left = 75;
    line.top = y;
    line.width = x2 - 75;
    line.height = 0;
    line.foreColor = color;
    line.lineWidthPixels = widthPixels;
    return line;
}

ControlDescription Button(const char* name, const char* caption, int left, int top, int width,
                   int tabIndex) {
    ControlDescription button;
    button.kind = ControlKind::Button;
    button.name = name;
    button.caption = caption;
    button.left = left;
    button.top = top;
    button.width = width;
    button.height = 345;
    button.tabIndex = tabIndex;
    return button;
}

ControlDescription Picture() {
    ControlDescription picture;
    picture.kind = ControlKind::PictureBox;
    picture.name = "picIcon";
    picture.left = 240;
    picture.top = 240;
    picture.width = 480;
    picture.height = 480;
    picture.tabIndex = 3;
    picture.autoSize = true;
    picture.picture = platform::ImageName::kIcon32;
    return picture;
}

ControlDescription Disclaimer() {
    ControlDescription box;
    box.kind = ControlKind::TextBox;
    box.name = "txtDisclaimer";
    box.left = 240;
    box.top = 3480;
    box.width = 3855;
    box.height = 855;
    box.tabIndex = 2;
    box.multiLine = true;
    box.verticalScrollBar = true;
    box.readOnly = true;
    box.backColor = Rgb{192, 192, 192};
    return box;
}

std::vector<ControlDescription> Controls() {
    ControlDescription description =
        Label("lblDescription", CopyrightOneLine(), 1080, 1125, 2655, 390);
    description.foreColor = kBlack;
    description.wordWrap = true;
    ControlDescription ok = Button("cmdOK", "OK", 4245, 3465, 1260, 0);
    ok.isDefault = true;
    ok.isCancel = true;
    ControlDescription sysInfo = Button("cmdSysInfo", "&System Info...", 4260, 3915, 1245, 1);
    sysInfo.visible = false;
    // Each separator is a white line with a grey one drawn over its top
    // pixel row, which gives the etched look.
    return {
        Picture(),
        Styled(Label("lblTitle", "Brisel", 1080, 240, 1335, 435),
               {"MS Sans Serif", 18, true, false}, Rgb{192, 192, 0}),
        Styled(Label("lblVersion", "Version (unknown)", 1080, 780, 1590, 195),
               {"MS Sans Serif", 8.25, true, false}, Rgb{128, 128, 0}),
        description,
        Line("Line1(2)", 1800, 5624, kWhite, 2),
        Line("Line1(3)", 1800, 5639, kGrey, 1),
        Styled(Label("lblCompany", maker::kName, 1080, 2160, 1215, 195),
               {"MS Sans Serif", 8.25, true, false}, kBlack),
        Styled(Label("lblAddress", maker::kPostalAddress, 1080, 2400, 3795, 195),
               {"MS Sans Serif", 8.25, false, false}, kBlack),
        Label("lblEmail", "E-mail address:", 1080, 2640, 1065, 195),
        Link("lblEMadd", maker::kEmail, 2280, 2640, 1515),
        Label("lblWebSite", "Web site URL:", 1080, 2880, 1050, 195),
        Link("lblWSurl", maker::kWebAddress, 2280, 2880, 1965),
        Line("Line1(0)", 3300, 5624, kWhite, 2),
        Line("Line1(1)", 3285, 5639, kGrey, 1),
        Disclaimer(),
        ok,
        sysInfo,
    };
}

platform::FormDescription BuildAboutForm() {
    platform::FormDescription form;
    form.name = "frmAbout";
    form.caption = "About Brisel";
    form.clientWidth = 5730;
    form.clientHeight = 4440;
    form.border = platform::BorderStyle::FixedDialog;
    form.minButton = false;
    form.showInTaskbar = false;
    form.controls = Controls();
    return form;
}

}  // namespace

std::string CopyrightOneLine() {
    return std::string("Copyright (C) ") + maker::kCopyrightYear + " " + maker::kName + ".";
}

std::string CopyrightTwoLines() {
    return std::string("Copyright (C) ") + maker::kCopyrightYear + "\r\n" + maker::kName + ".";
}

const platform::FormDescription& AboutForm() {
    static const platform::FormDescription form = BuildAboutForm();
    return form;
}

}  // namespace brisel::about_box
