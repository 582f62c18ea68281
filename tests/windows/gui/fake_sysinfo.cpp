// Stands in for the system information tool: writes a marker file named by
// its command line, so a test sees that it was started.

#include <fstream>
#include <string>

int main(int argc, char* argv[]) {
    if (argc < 2) return 1;
    std::string name = argv[1];
    for (int i = 2; i < argc; ++i) name += std::string(" ") + argv[i];
    std::ofstream(name) << "started\n";
    return 0;
}
