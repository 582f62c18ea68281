#include "about_box/about_form.h"

#include "about_box/maker_info.h"

namespace brisel::about_box {
namespace {

using platform::ControlDescription;
using platform::ControlKind;
using platform::FontDescription;
using platform::Rgb;
using platform::Styled;

const Rgb kBlack{0, 0, 0};
const Rgb kGrey{128, 128, 128};
const Rgb kWhite{255, 255, 255};

ControlDescription Label(const char* name, std::string caption, int left, int top, int width, int height) {
    ControlDescription label =
        platform::MakeControl(ControlKind::Label, name, std::move(caption), "", left, top, width, height);
    label.autoSize = true;
    return label;
}

ControlDescription Link(const char* name, const char* caption, int left, int top, int width) {
    ControlDescription link =
        Styled(Label(name, caption, left, top, width, 195), {"MS Sans Serif", 8.25, false, true}, Rgb{0, 0, 255});
    link.cursor = platform::CursorKind::PointingHand;
    return link;
}

ControlDescription Line(const char* name, int y, int x2, Rgb color, int widthPixels) {
    ControlDescription line = platform::MakeControl(ControlKind::Line, name, "", "", 75, y, x2 - 75, 0);
    line.foreColor = color;
    line.lineWidthPixels = widthPixels;
    return line;
}

ControlDescription Button(const char* name, const char* caption, int left, int top, int width, int tabIndex) {
    return platform::MakeControl(ControlKind::Button, name, caption, "", left, top, width, 345, tabIndex);
}

ControlDescription Picture() {
    ControlDescription picture =
        platform::MakeControl(ControlKind::PictureBox, "picIcon", "", "", 240, 240, 480, 480, 3);
    picture.autoSize = true;
    picture.picture = platform::ImageName::kIcon32;
    return picture;
}

ControlDescription Disclaimer() {
    ControlDescription box =
        platform::MakeControl(ControlKind::TextBox, "txtDisclaimer", "", "", 240, 3480, 3855, 855, 2);
    box.multiLine = true;
    box.verticalScrollBar = true;
    box.readOnly = true;
    box.backColor = Rgb{192, 192, 192};
    return box;
}

std::vector<ControlDescription> Controls() {
    ControlDescription description = Label("lblDescription", CopyrightOneLine(), 1080, 1125, 2655, 390);
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
        Styled(Label("lblTitle", "Brisel", 1080, 240, 1335, 435), {"MS Sans Serif", 18, true, false}, Rgb{192, 192, 0}),
        Styled(Label("lblVersion", "Version (unknown)", 1080, 780, 1590, 195), {"MS Sans Serif", 8.25, true, false},
               Rgb{128, 128, 0}),
        description,
        Line("Line1(2)", 1800, 5624, kWhite, 2),
        Line("Line1(3)", 1800, 5639, kGrey, 1),
        Styled(Label("lblCompany", maker::kName, 1080, 2160, 1215, 195), {"MS Sans Serif", 8.25, true, false}, kBlack),
        Styled(Label("lblAddress", maker::kPostalAddress, 1080, 2400, 3795, 195), {"MS Sans Serif", 8.25, false, false},
               kBlack),
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
