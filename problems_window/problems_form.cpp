#include "problems_window/problems_form.h"

namespace brisel::problems_window {
namespace {

using platform::ControlDescription;
using platform::ControlKind;

ControlDescription ProblemList() {
    ControlDescription list;
    list.kind = ControlKind::TextBox;
    list.name = "txtProblems";
    list.left = 120;
    list.top = 120;
    list.width = 8760;
    list.height = 4035;
    list.tabIndex = 0;
    list.backColor = platform::Rgb{255, 255, 255};
    list.multiLine = true;
    list.verticalScrollBar = true;
    list.horizontalScrollBar = true;
    list.readOnly = true;
    list.anchoring = platform::Anchoring::Stretch;
    return list;
}

ControlDescription Button(const char* name, const char* caption, const char* tooltip, int left, int tabIndex) {
    ControlDescription button;
    button.kind = ControlKind::Button;
    button.name = name;
    button.caption = caption;
    button.tooltip = tooltip;
    button.left = left;
    button.top = 4275;
    button.width = 1215;
    button.height = 375;
    button.tabIndex = tabIndex;
    button.anchoring = platform::Anchoring::BottomRight;
    return button;
}

platform::FormDescription BuildProblemsForm() {
    ControlDescription close = Button("cmdClose", "Close", "", 7665, 2);
    close.isDefault = true;
    close.isCancel = true;
    platform::FormDescription form;
    form.name = "frmProblems";
    form.caption = "Problems";
    form.clientWidth = 9000;
    form.clientHeight = 4770;
    form.border = platform::BorderStyle::Sizable;
    form.minButton = false;
    form.showInTaskbar = false;
    form.controls = {ProblemList(), Button("cmdCopy", "&Copy", "Copies every line to the clipboard", 6360, 1), close};
    return form;
}

}  // namespace

const platform::FormDescription& ProblemsForm() {
    static const platform::FormDescription form = BuildProblemsForm();
    return form;
}

}  // namespace brisel::problems_window
