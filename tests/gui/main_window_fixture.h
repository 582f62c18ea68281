#pragma once
// A main window on the fake platform, with a conversion that records what
// it was handed instead of converting.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "file_system/file_paths.h"
#include "main_window/main_window.h"
#include "tests/gui/fake_platform.h"

namespace brisel::testing {

// Paths are written with "/" in the tests and use the system's separator.
inline std::string Native(std::string path) {
    std::replace(path.begin(), path.end(), '/', PathSeparator());
    return path;
}

class MainWindowTest : public ::testing::Test {
protected:
    FakeWindow& Form() { return platform.LastWindow("frmMain"); }

    // Types into a path box and leaves it by Tab, as a user would.
    void EnterPath(const std::string& box, const std::string& text) {
        Form().MoveFocusTo(box);
        Form().Type(box, text);
        Form().MoveFocusTo(box == "txtSource" ? "cmdBrowseS" : "cmdBrowseT");
    }

    void PressOK() {
        Form().MoveFocusTo("cmdOK");
        Form().Click("cmdOK");
    }

    Outcome Convert(const JobSettings& job, ConversionReporter& reporter) {
        log().push_back("convert");
        seen = job;
        if (duringConversion) duringConversion(reporter);
        return {};
    }

    Log& log() { return platform.log; }

    FakePlatform platform;
    JobSettings seen;
    std::function<void(ConversionReporter&)> duringConversion;
    main_window::MainWindow window{platform, [this](const JobSettings& job, FileSystem&, ConversionReporter& reporter) {
                                       return Convert(job, reporter);
                                   }};
};

}  // namespace brisel::testing
