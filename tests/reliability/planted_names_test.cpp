// Something planted under a temporary file's name in the target's folder: a
// link to a victim file, a dangling link, a folder, a link to a folder. The
// conversion stops before it writes anything, names the file and says why,
// and nothing is written or removed through it.

#include <gtest/gtest.h>

#include "tests/support/case_names.h"
#include "tests/support/convert_program.h"
#include "tests/support/temp_folder.h"
#include "tests/support/text_files.h"

namespace brisel::reliability {
namespace {

namespace fs = std::filesystem;
using namespace test;

const std::string kVictim = "the victim's own bytes\n";

struct Plant {
    const char* why;
    void (*plant)(const fs::path& name, const fs::path& dir);
    const char* reason;
};
struct PlantCase {
    std::string why;
    Plant plant;
    const char* name;
};

const Plant kPlants[] = {
    {"a link to a victim file", [](const fs::path& n, const fs::path& d) { fs::create_symlink(d / "victim.txt", n); },
     "it is a symbolic link"},
    {"a dangling link", [](const fs::path& n, const fs::path& d) { fs::create_symlink(d / "nowhere" / "x.txt", n); },
     "it is a symbolic link"},
    {"a folder", [](const fs::path& n, const fs::path&) { fs::create_directory(n); }, "it is a folder"},
    {"a link to a folder", [](const fs::path& n, const fs::path& d) { fs::create_directory_symlink(d / "aside", n); },
     "it is a symbolic link"},
};

std::vector<PlantCase> AllCases() {
    std::vector<PlantCase> cases;
    for (const char* name : {"BriselTemp.txt", "BriselTemp2.txt", "BriselTemp3.txt"}) {
        for (const Plant& plant : kPlants) cases.push_back({std::string(plant.why) + " as " + name, plant, name});
    }
    return cases;
}

TEST(PlantedNames, StopTheConversionAndLeaveEverythingAsItWas) {
    for (const PlantCase& c : AllCases()) {
        SCOPED_TRACE(c.why);
        test::TempFolder folder;
        const fs::path& dir = folder.Path();
        fs::copy_file(fs::path(BRISEL_TEST_DATA_DIR) / "worked_example.net", dir / "board.net");
        WriteFile(dir / "victim.txt", kVictim);
        fs::create_directory(dir / "aside");
        WriteFile(dir / "out.net", "an older netlist\r\n");
        c.plant.plant(dir / c.name, dir);
        const Strings names = Names(dir);

        const ProgramRun run = RunConvert({{"board.net", "out.net"}, dir});
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.err, Strings{std::string("File Conversion - Error: The temporary file '") + c.name +
                                   "' cannot be used: " + c.plant.reason + ". The new netlist was not created."});
        EXPECT_EQ(Names(dir), names);
        EXPECT_EQ(ReadFile(dir / "victim.txt"), kVictim);
        EXPECT_TRUE(fs::is_empty(dir / "aside"));
        EXPECT_FALSE(fs::exists(dir / "nowhere"));
        EXPECT_EQ(ReadFile(dir / "out.net"), "an older netlist\r\n");
    }
}

}  // namespace
}  // namespace brisel::reliability
