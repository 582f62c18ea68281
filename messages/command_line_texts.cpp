#include "messages/command_line_texts.h"

namespace brisel::messages {

const char* const kConvertUsage =
    "Usage: brisel-convert [OPTION]... SOURCE TARGET\n"
    "  or:  brisel-convert --pin-map-template SOURCE\n"
    "Converts the PADS netlist SOURCE (PADS-PCB, PADS2000 or PADS-PowerPCB ASCII)\n"
    "into the ExpressPCB netlist TARGET. A SOURCE of - is standard input, a TARGET\n"
    "of - standard output (the summary then goes to standard error).\n"
    "\n"
    "Messages are printed one to a line as \"Title: text\": the completion\n"
    "summary on standard output, errors and warnings on standard error. The\n"
    "temporary files BriselTemp.txt and BriselTemp2.txt are made in TARGET's\n"
    "folder while the conversion runs, and removed at its end. The new netlist\n"
    "is written to BriselTemp3.txt beside TARGET and then takes TARGET's place,\n"
    "so that a failed conversion leaves the old TARGET as it was; a TARGET with\n"
    "several names (hard links), a device or a pipe is written in place; for a\n"
    "device, a pipe or -, the temporary files go into a folder of their own under\n"
    "$TMPDIR. While another conversion uses TARGET's folder, brisel-convert waits\n"
    "for it to finish. SIGINT (Ctrl+C), SIGTERM and SIGHUP stop the conversion as\n"
    "an error does: the temporary files are removed, an old TARGET stays as it\n"
    "was, one line says the conversion was interrupted, and the exit status is 128\n"
    "plus the signal's number (130 for Ctrl+C).\n"
    "\n"
    "Options:\n"
    "  --details      also print each problem where it stands in SOURCE, as\n"
    "                 SOURCE:LINE: warning: TEXT (at most 100 lines of a kind)\n"
    "  --strict       exit with status 3 when the conversion warned (TARGET is\n"
    "                 still written)\n"
    "  --verify       read TARGET back and check its tables, its connection\n"
    "                 chains and that each net holds the pins of the same net of\n"
    "                 SOURCE; prints \"verified: N nets, M connections\". Where\n"
    "                 TARGET follows the conversion's rules but ExpressPCB will\n"
    "                 not read it as meant, it warns as SOURCE:LINE: warning: TEXT.\n"
    "                 A TARGET that cannot be read back (a device, a pipe, -) is\n"
    "                 not verified: one line says so, and the exit status is 5\n"
    "  --no-wait      fail at once, instead of waiting, when another conversion\n"
    "                 uses TARGET's folder\n"
    "  --pin-map FILE write each pin the pin map FILE names as the number it gives\n"
    "                 (rules PART PIN NUMBER, or PART grid COLUMNS for ball names,\n"
    "                 one a line; PART a part ID, a part name or *); with\n"
    "                 --details, a note SOURCE:LINE: note: TEXT for each; a map\n"
    "                 that cannot be read or has a wrong line stops the conversion\n"
    "                 before it starts (status 1)\n"
    "  --pin-map-template SOURCE\n"
    "                 print a pin map with a rule for each pin of SOURCE that is\n"
    "                 not a plain positive number, by part name, its NUMBER ? to\n"
    "                 fill in, and exit\n"
    "  -h, --help     show this help and exit\n"
    "  -V, --version  show the version and exit\n"
    "\n"
    "Exit status:\n"
    "  0  the netlist was converted (warnings may have been printed)\n"
    "  1  an error stopped the conversion (missing source, invalid names,\n"
    "     a file that could not be read or written, not enough memory)\n"
    "  2  wrong usage\n"
    "  3  with --strict: converted, with warnings (those of --verify too)\n"
    "  4  with --verify: converted, but TARGET does not keep the connections\n"
    "     of SOURCE as the conversion's rules define them\n"
    "  5  with --verify: converted, but TARGET cannot be read back (a device,\n"
    "     a pipe, -), so it was not verified\n"
    "  128+N  the signal N interrupted the conversion (130 for Ctrl+C)\n"
    "When several apply, 1 wins over 4, 4 over 5, and 5 over 3. Output that\n"
    "cannot be written to standard output is an error (status 1).\n";

const char* const kWindowUsage =
    "Usage: brisel [SOURCE [TARGET]]\n"
    "Opens the Brisel window with SOURCE (a PADS netlist) and TARGET (the\n"
    "ExpressPCB netlist to write) in its boxes.\n"
    "\n"
    "  -h, --help     show this help and exit\n"
    "  -V, --version  show the version and exit\n"
    "  --             take every later argument as a path, even one that\n"
    "                 starts with '-'\n";

std::string UnknownOption(const std::string& option) { return "unknown option '" + option + "'"; }

std::string OptionNeedsFile(const std::string& option) { return "option '" + option + "' needs a file"; }

std::string UsageErrorLines(const std::string& program, const std::string& wrong) {
    return program + ": " + wrong + "\nTry '" + program + " --help' for more information.\n";
}

}  // namespace brisel::messages
