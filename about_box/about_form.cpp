#include "about_box/about_form.h"

#include <initializer_list>
#include <utility>

#include "about_box/maker_info.h"
#include "messages/window_texts.h"

namespace brisel::about_box {
namespace {

using platform::ControlDescription;
using platform::ControlKind;
using platform::FontDescription;
using platform::Rgb;

const Rgb kBlack{0, 0, 0};
const Rgb kGrey{128, 128, 128};
const Rgb kWhite{255, 255, 255};
const Rgb kLinkBlue{0, 0, 255};
const FontDescription kBold{.bold = true};
const FontDescription kRegular{};
const FontDescription kLinkFont{.underline = true};

// Lines run from (left, top) by (width, height); each separator is a white
// line with a grey one drawn over its top pixel row, which gives the etched
// look.
ControlDescription Line(const char* name, int y, int x2, Rgb color, int widthPixels) {
    return {.kind = ControlKind::Line,
            .name = name,
            .bounds = {.left = 75, .top = y, .width = x2 - 75, .height = 0},
            .foreColor = color,
            .lineWidthPixels = widthPixels};
}

// A link is named by its address and described by the label before it.
ControlDescription Link(const char* name, const char* address, int top, int width, int tabIndex,
                        const char* describedBy) {
    return {.kind = ControlKind::Label,
            .name = name,
            .caption = address,
            .bounds = {.left = 2280, .top = top, .width = width, .height = 195},
            .tabIndex = tabIndex,
            .font = kLinkFont,
            .foreColor = kLinkBlue,
            .autoSize = true,
            .cursor = platform::CursorKind::PointingHand,
            .link = true,
            .describedBy = describedBy};
}

std::vector<ControlDescription> Controls(const Maker& maker) {
    return {
        {.kind = ControlKind::PictureBox,
         .name = "picIcon",
         .bounds = {.left = 240, .top = 240, .width = 480, .height = 480},
         .autoSize = true,
         .picture = platform::ImageName::kIcon32},
        {.kind = ControlKind::Label,
         .name = "lblTitle",
         .caption = "Brisel",
         .bounds = {.left = 1080, .top = 240, .width = 1335, .height = 435},
         .font = FontDescription{.points = 18, .bold = true},
         .foreColor = Rgb{192, 192, 0},
         .autoSize = true},
        {.kind = ControlKind::Label,
         .name = "lblVersion",
         .caption = "Version (unknown)",
         .bounds = {.left = 1080, .top = 780, .width = 1590, .height = 195},
         .font = kBold,
         .foreColor = Rgb{128, 128, 0},
         .autoSize = true},
        {.kind = ControlKind::Label,
         .name = "lblDescription",
         .caption = CopyrightOneLine(),
         .bounds = {.left = 1080, .top = 1125, .width = 2655, .height = 390},
         .foreColor = kBlack,
         .autoSize = true,
         .wordWrap = true},
        Line("Line1(2)", 1800, 5624, kWhite, 2),
        Line("Line1(3)", 1800, 5639, kGrey, 1),
        {.kind = ControlKind::Label,
         .name = "lblCompany",
         .caption = maker.name,
         .bounds = {.left = 1080, .top = 2160, .width = 1215, .height = 195},
         .font = kBold,
         .foreColor = kBlack,
         .autoSize = true},
        {.kind = ControlKind::Label,
         .name = "lblAddress",
         .caption = maker.addressLine,
         .bounds = {.left = 1080, .top = 2400, .width = 3795, .height = 195},
         .font = kRegular,
         .foreColor = kBlack,
         .autoSize = true},
        {.kind = ControlKind::Label,
         .name = "lblEmail",
         .caption = "E-mail address:",
         .bounds = {.left = 1080, .top = 2640, .width = 1065, .height = 195},
         .autoSize = true},
        Link("lblEMadd", maker.email, 2640, 1515, 3, "lblEmail"),
        {.kind = ControlKind::Label,
         .name = "lblWebSite",
         .caption = "Web site URL:",
         .bounds = {.left = 1080, .top = 2880, .width = 1050, .height = 195},
         .autoSize = true},
        Link("lblWSurl", maker.webAddress, 2880, 1965, 4, "lblWebSite"),
        Line("Line1(0)", 3300, 5624, kWhite, 2),
        Line("Line1(1)", 3285, 5639, kGrey, 1),
        {.kind = ControlKind::TextBox,
         .name = "txtDisclaimer",
         .accessibleName = "Disclaimer",
         .bounds = {.left = 240, .top = 3480, .width = 3855, .height = 855},
         .tabIndex = 2,
         .backColor = Rgb{192, 192, 192},
         .multiLine = true,
         .verticalScrollBar = true,
         .readOnly = true},
        {.kind = ControlKind::Button,
         .name = "cmdOK",
         .caption = "OK",
         .bounds = {.left = 4245, .top = 3465, .width = 1260, .height = 345},
         .tabIndex = 0,
         .isDefault = true,
         .isCancel = true},
        {.kind = ControlKind::Button,
         .name = "cmdSysInfo",
         .caption = "&System Info...",
         .bounds = {.left = 4260, .top = 3915, .width = 1245, .height = 345},
         .tabIndex = 1,
         .visible = false},
    };
}

void ShowOnlyWhenGiven(std::vector<ControlDescription>& controls, const char* given,
                       std::initializer_list<const char*> names) {
    if (*given != '\0') return;
    for (ControlDescription& control : controls) {
        for (const char* name : names) {
            if (control.name == name) control.visible = false;
        }
    }
}

}  // namespace

platform::FormDescription AboutFormFor(const Maker& maker) {
    std::vector<ControlDescription> controls = Controls(maker);
    ShowOnlyWhenGiven(controls, maker.addressLine, {"lblAddress"});
    ShowOnlyWhenGiven(controls, maker.email, {"lblEmail", "lblEMadd"});
    ShowOnlyWhenGiven(controls, maker.webAddress, {"lblWebSite", "lblWSurl"});
    return {
        .name = "frmAbout",
        .caption = "About Brisel",
        .clientWidth = 5730,
        .clientHeight = 4440,
        .border = platform::BorderStyle::FixedDialog,
        .minButton = false,
        .showInTaskbar = false,
        .controls = std::move(controls),
    };
}

std::string CopyrightOneLine() { return messages::CopyrightText(maker::kCopyrightYear, maker::kName, " "); }

std::string CopyrightTwoLines() { return messages::CopyrightText(maker::kCopyrightYear, maker::kName, "\r\n"); }

const platform::FormDescription& AboutForm() {
    static const platform::FormDescription form = AboutFormFor(maker::kMaker);
    return form;
}

}  // namespace brisel::about_box
