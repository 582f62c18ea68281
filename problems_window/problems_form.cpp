#include "problems_window/problems_form.h"

namespace brisel::problems_window {
namespace {

using platform::Anchoring;
using platform::ControlDescription;
using platform::ControlKind;

std::vector<ControlDescription> Controls() {
    return {
        {.kind = ControlKind::TextBox,
         .name = "txtProblems",
         .accessibleName = "Problems",
         .bounds = {.left = 120, .top = 120, .width = 8760, .height = 4035},
         .tabIndex = 0,
         .backColor = platform::Rgb{255, 255, 255},
         .multiLine = true,
         .verticalScrollBar = true,
         .horizontalScrollBar = true,
         .readOnly = true,
         .anchoring = Anchoring::Stretch},
        {.kind = ControlKind::Button,
         .name = "cmdCopy",
         .caption = "&Copy",
         .tooltip = "Copies every line to the clipboard",
         .bounds = {.left = 6360, .top = 4275, .width = 1215, .height = 375},
         .tabIndex = 1,
         .anchoring = Anchoring::BottomRight},
        {.kind = ControlKind::Button,
         .name = "cmdClose",
         .caption = "Close",
         .bounds = {.left = 7665, .top = 4275, .width = 1215, .height = 375},
         .tabIndex = 2,
         .isDefault = true,
         .isCancel = true,
         .anchoring = Anchoring::BottomRight},
    };
}

platform::FormDescription BuildProblemsForm() {
    return {
        .name = "frmProblems",
        .caption = "Problems - Brisel",
        .clientWidth = 9000,
        .clientHeight = 4770,
        .border = platform::BorderStyle::Sizable,
        .minButton = false,
        .showInTaskbar = false,
        .controls = Controls(),
    };
}

}  // namespace

const platform::FormDescription& ProblemsForm() {
    static const platform::FormDescription form = BuildProblemsForm();
    return form;
}

}  // namespace brisel::problems_window
