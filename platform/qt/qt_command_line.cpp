#include "platform/qt/qt_command_line.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace brisel::platform::qt {
namespace {

// From the options of QGuiApplication, QApplication and the X11 platform.
constexpr std::array<std::string_view, 13> kWithValue{
    "platform",    "platformpluginpath", "platformtheme", "plugin",  "qwindowgeometry",
    "qwindowicon", "qwindowtitle",       "session",       "display", "geometry",
    "style",       "stylesheet",         "name"};
constexpr std::array<std::string_view, 3> kWithValueAfterEquals{"qmljsdebugger", "dialogs", "fontengine"};
constexpr std::array<std::string_view, 5> kWithoutValue{"reverse", "widgetcount", "nograb", "dograb", "sync"};

template <std::size_t N>
bool Holds(const std::array<std::string_view, N>& names, std::string_view name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

// "-style", "--style=fusion" and the like name "style"; empty for anything
// that is no option.
std::string_view OptionName(std::string_view argument) {
    if (argument.size() < 2 || argument[0] != '-') return {};
    argument.remove_prefix(argument[1] == '-' ? 2 : 1);
    return argument.substr(0, argument.find('='));
}

}  // namespace

std::vector<std::string> WithoutQtOptions(const std::vector<std::string>& arguments) {
    std::vector<std::string> left;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--") {
            left.insert(left.end(), arguments.begin() + static_cast<std::ptrdiff_t>(i), arguments.end());
            break;
        }
        const std::string_view name = OptionName(argument);
        const bool withEquals = argument.find('=') != std::string::npos;
        if (Holds(kWithValue, name)) {
            if (!withEquals) ++i;  // the value follows
        } else if (!(Holds(kWithValueAfterEquals, name) && withEquals) &&
                   !(Holds(kWithoutValue, name) && !withEquals)) {
            left.push_back(argument);
        }
    }
    return left;
}

}  // namespace brisel::platform::qt
