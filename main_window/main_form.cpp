#include "main_window/main_form.h"

namespace brisel::main_window {
namespace {

using platform::ControlDescription;
using platform::ControlKind;
using platform::FontDescription;
using platform::FormDescription;
using platform::MenuDescription;
using platform::Rgb;

const FontDescription kBold{.bold = true};
const FontDescription kTitleFont{.points = 13.5, .bold = true};
const Rgb kOlive{192, 192, 0};
const Rgb kLightGrey{224, 224, 224};
const Rgb kYellow{255, 255, 0};

std::vector<ControlDescription> Controls() {
    return {
        {.kind = ControlKind::Label,
         .name = "lblTitle",
         .caption = "Brisel",
         .bounds = {.left = 360, .top = 240, .width = 4815, .height = 495},
         .tabIndex = 8,
         .font = kTitleFont,
         .foreColor = kOlive,
         .align = platform::TextAlign::Centre},
        {.kind = ControlKind::Label,
         .name = "lblSource",
         .caption = "Source:",
         .tooltip = "Reads from this file",
         .bounds = {.left = 600, .top = 960, .width = 735, .height = 255},
         .tabIndex = 0,
         .font = kBold,
         .foreColor = kLightGrey},
        {.kind = ControlKind::TextBox,
         .name = "txtSource",
         .tooltip = "Enter source path",
         .bounds = {.left = 1440, .top = 960, .width = 2415, .height = 285},
         .tabIndex = 1,
         .labelledBy = "lblSource"},
        {.kind = ControlKind::Button,
         .name = "cmdBrowseS",
         .caption = "Browse...",
         .tooltip = "Select source file",
         .bounds = {.left = 3960, .top = 960, .width = 1095, .height = 375},
         .tabIndex = 2},
        {.kind = ControlKind::Label,
         .name = "lblTarget",
         .caption = "Target:",
         .tooltip = "Writes to this file",
         .bounds = {.left = 600, .top = 1440, .width = 735, .height = 255},
         .tabIndex = 3,
         .font = kBold,
         .foreColor = kLightGrey},
        {.kind = ControlKind::TextBox,
         .name = "txtTarget",
         .tooltip = "Enter target path",
         .bounds = {.left = 1440, .top = 1440, .width = 2415, .height = 285},
         .tabIndex = 4,
         .labelledBy = "lblTarget"},
        {.kind = ControlKind::Button,
         .name = "cmdBrowseT",
         .caption = "Browse...",
         .tooltip = "Select target file",
         .bounds = {.left = 3960, .top = 1440, .width = 1095, .height = 375},
         .tabIndex = 5},
        {.kind = ControlKind::Button,
         .name = "cmdOK",
         .caption = "O&K",
         .tooltip = "Starts file conversion process",
         .bounds = {.left = 120, .top = 2400, .width = 1215, .height = 495},
         .tabIndex = 6,
         .font = kBold,
         .isDefault = true},
        {.kind = ControlKind::Label,
         .name = "lblProg",
         .bounds = {.left = 1440, .top = 2520, .width = 1575, .height = 195},
         .tabIndex = 7,
         .font = kBold,
         .foreColor = kYellow,
         .visible = false,
         .autoSize = true},
    };
}

std::vector<MenuDescription> Menus() {
    return {
        {"mnuFile",
         "&File",
         "",
         {{"mnuFileOpen", "&Open...", "Ctrl+O", {}},
          {"mnuFileSaveAs", "Save &As...", "Ctrl+A", {}},
          {"mnuFilePinMap", "Pin &Map...", "", {}},
          {"mnuFileNoPinMap", "&No Pin Map", "", {}},
          {"mnuFileProblems", "&Problems...", "", {}, false},
          {"mnuFileBar1", "", "", {}},
          {"mnuFileExit", "E&xit", "", {}}}},
        {"mnuHelp",
         "&Help",
         "",
         {{"mnuHelpContents", "&Contents", "F1", {}},
          {"mnuHelpBar1", "", "", {}},
          {"mnuHelpAbout", "&About...", "", {}}}},
    };
}

FormDescription BuildMainForm() {
    return {
        .name = "frmMain",
        .caption = "Brisel",
        .clientWidth = 5610,
        .clientHeight = 3000,
        .border = platform::BorderStyle::FixedSingle,
        .minButton = true,
        .background = platform::ImageName::kBackground,
        .controls = Controls(),
        .menus = Menus(),
    };
}

}  // namespace

const platform::FormDescription& MainForm() {
    static const FormDescription form = BuildMainForm();
    return form;
}

}  // namespace brisel::main_window
