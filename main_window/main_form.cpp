#include "main_window/main_form.h"

namespace brisel::main_window {
namespace {

using platform::ControlDescription;
using platform::ControlKind;
using platform::FontDescription;
using platform::FormDescription;
using platform::MenuDescription;
using platform::Rgb;
using platform::Styled;

const FontDescription kBold{"MS Sans Serif", 8.25, true, false};
const FontDescription kTitleFont{"MS Sans Serif", 13.5, true, false};

ControlDescription Control(ControlKind kind, const char* name, const char* caption, const char* tooltip, int left,
                           int top, int width, int height, int tabIndex) {
    return platform::MakeControl(kind, name, caption, tooltip, left, top, width, height, tabIndex);
}

std::vector<ControlDescription> Controls() {
    const Rgb olive{192, 192, 0};
    const Rgb lightGrey{224, 224, 224};
    const Rgb yellow{255, 255, 0};
    ControlDescription title =
        Styled(Control(ControlKind::Label, "lblTitle", "Brisel", "", 360, 240, 4815, 495, 8), kTitleFont, olive);
    title.align = platform::TextAlign::Centre;
    ControlDescription ok =
        Styled(Control(ControlKind::Button, "cmdOK", "O&K", "Starts file conversion process", 120, 2400, 1215, 495, 6),
               kBold, std::nullopt);
    ok.isDefault = true;
    ControlDescription progress =
        Styled(Control(ControlKind::Label, "lblProg", "", "", 1440, 2520, 1575, 195, 7), kBold, yellow);
    progress.visible = false;
    progress.autoSize = true;
    return {
        title,
        Styled(Control(ControlKind::Label, "lblSource", "Source:", "Reads from this file", 600, 960, 735, 255, 0),
               kBold, lightGrey),
        Control(ControlKind::TextBox, "txtSource", "", "Enter source path", 1440, 960, 2415, 285, 1),
        Control(ControlKind::Button, "cmdBrowseS", "Browse...", "Select source file", 3960, 960, 1095, 375, 2),
        Styled(Control(ControlKind::Label, "lblTarget", "Target:", "Writes to this file", 600, 1440, 735, 255, 3),
               kBold, lightGrey),
        Control(ControlKind::TextBox, "txtTarget", "", "Enter target path", 1440, 1440, 2415, 285, 4),
        Control(ControlKind::Button, "cmdBrowseT", "Browse...", "Select target file", 3960, 1440, 1095, 375, 5),
        ok,
        progress,
    };
}

std::vector<MenuDescription> Menus() {
    return {
        {"mnuFile",
         "&File",
         "",
         {{"mnuFileOpen", "&Open...", "Ctrl+O", {}},
          {"mnuFileSaveAs", "Save &As...", "Ctrl+A", {}},
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
    FormDescription form;
    form.name = "frmMain";
    form.caption = "Brisel";
    form.clientWidth = 5610;
    form.clientHeight = 3000;
    form.border = platform::BorderStyle::FixedSingle;
    form.minButton = true;
    form.background = platform::ImageName::kBackground;
    form.controls = Controls();
    form.menus = Menus();
    return form;
}

}  // namespace

const platform::FormDescription& MainForm() {
    static const platform::FormDescription form = BuildMainForm();
    return form;
}

}  // namespace brisel::main_window
