// The program's command line: its own options, the toolkit's options it lets
// through, and the usage text. Read before anything needs a display, so that
// --help, --version and a refusal answer anywhere.
#pragma once

#include <string>
#include <vector>

namespace calvexa {

enum class CommandAction {
  Run,      // start the program
  Help,     // print the usage on standard output, exit 0
  Version,  // print the name and version, exit 0
  Refuse,   // print the error and the usage on standard error, exit 2
};

struct CommandLine {
  CommandAction action = CommandAction::Run;
  bool startupCheck = false;
  bool platformNamed = false;  // -platform NAME given: the toolkit is told where to draw
  std::string error = {};      // with Refuse: one line, "calvexa: unrecognized option '--foo'"
};

// Reads the arguments after the program name, in order: the first of --help,
// --version or a refused argument decides; --startup-check only marks the run.
// Long options may be shortened to any unambiguous beginning. The toolkit's
// own options (-platform NAME, -style NAME, -session ID, ...) pass, with
// their values, one or two dashes, as the toolkit reads them.
CommandLine readCommandLine(const std::vector<std::string>& arguments);

// The --help text, ending in a line break.
const std::string& usageText();

// "Calvexa 3.6.13", the --version line without its line break.
std::string versionLine();

// Exit statuses, as GNU programs use them.
constexpr int kExitRefused = 2;

}  // namespace calvexa
