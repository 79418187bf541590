// The command line: own options, the toolkit's options let through with their
// values, and the refusals worded as GNU getopt words them.
#include "app/command_line.h"

#include <gtest/gtest.h>

namespace calvexa {
namespace {

using Args = std::vector<std::string>;
using A = CommandAction;

struct Case {
  const char* name;
  Args arguments;
  CommandAction action;
  bool startupCheck = false;
  std::string error = {};
  bool platformNamed = false;
};

TEST(CommandLine, ReadsOwnOptionsInOrder) {
  const Case cases[] = {
      {"nothing runs", {}, A::Run},
      {"check", {"--startup-check"}, A::Run, true},
      {"help", {"--help"}, A::Help},
      {"short help", {"-h"}, A::Help},
      {"help shortened", {"--he"}, A::Help},
      {"version", {"--version"}, A::Version},
      {"version shortened", {"--v"}, A::Version},
      {"check shortened", {"--startup"}, A::Run, true},
      {"version after check", {"--startup-check", "--version"}, A::Version},
      {"help before a wrong option", {"--help", "--foo"}, A::Help},
      {"a lone -- ends the options", {"--startup-check", "--"}, A::Run, true},
  };
  for (const Case& c : cases) {
    const CommandLine line = readCommandLine(c.arguments);
    EXPECT_EQ(line.action, c.action) << c.name;
    if (c.action == A::Run) {
      EXPECT_EQ(line.startupCheck, c.startupCheck) << c.name;
    }
    EXPECT_EQ(line.error, "") << c.name;
  }
}

TEST(CommandLine, RefusesAsGnuProgramsDo) {
  const Case cases[] = {
      {"unknown long", {"--foo"}, A::Refuse, false, "calvexa: unrecognized option '--foo'"},
      {"unknown with value", {"--foo=1"}, A::Refuse, false, "calvexa: unrecognized option '--foo=1'"},
      {"wrong before help", {"--foo", "--help"}, A::Refuse, false, "calvexa: unrecognized option '--foo'"},
      {"unknown after check", {"--startup-check", "--bar"}, A::Refuse, false, "calvexa: unrecognized option '--bar'"},
      {"unknown short", {"-x"}, A::Refuse, false, "calvexa: invalid option -- 'x'"},
      {"unknown single dash", {"-foo"}, A::Refuse, false, "calvexa: unrecognized option '-foo'"},
      {"longer than an option", {"--helpme"}, A::Refuse, false, "calvexa: unrecognized option '--helpme'"},
      {"value to a flag", {"--version=2"}, A::Refuse, false, "calvexa: option '--version' doesn't allow an argument"},
      {"shortened with value", {"--he=x"}, A::Refuse, false, "calvexa: option '--help' doesn't allow an argument"},
      {"operand", {"chart.csv"}, A::Refuse, false, "calvexa: extra operand 'chart.csv'"},
      {"lone dash", {"-"}, A::Refuse, false, "calvexa: extra operand '-'"},
      {"operand after --", {"--", "--help"}, A::Refuse, false, "calvexa: extra operand '--help'"},
      {"toolkit option without its value",
       {"-platform"},
       A::Refuse,
       false,
       "calvexa: option '-platform' requires an argument"},
  };
  for (const Case& c : cases) {
    const CommandLine line = readCommandLine(c.arguments);
    EXPECT_EQ(line.action, A::Refuse) << c.name;
    EXPECT_EQ(line.error, c.error) << c.name;
  }
}

TEST(CommandLine, LetsTheToolkitOptionsThrough) {
  const Case cases[] = {
      {"platform", {"-platform", "offscreen", "--startup-check"}, A::Run, true, "", true},
      {"platform, two dashes", {"--platform", "offscreen"}, A::Run, false, "", true},
      {"a value that looks like an option", {"-platform", "--help"}, A::Run, false, "", true},
      {"style", {"-style", "fusion"}, A::Run},
      {"style joined", {"-style=fusion", "--startup-check"}, A::Run, true},
      {"session restore", {"-session", "1234abcd"}, A::Run},
      {"X display and geometry", {"-display", ":1", "-geometry", "640x480"}, A::Run},
      {"flags", {"-reverse", "--widgetcount"}, A::Run},
      {"debugger port", {"-qmljsdebugger=port:3768"}, A::Run},
  };
  for (const Case& c : cases) {
    const CommandLine line = readCommandLine(c.arguments);
    EXPECT_EQ(line.action, c.action) << c.name;
    EXPECT_EQ(line.startupCheck, c.startupCheck) << c.name;
    EXPECT_EQ(line.platformNamed, c.platformNamed) << c.name;
  }
  EXPECT_EQ(readCommandLine({"-qmljsdebugger"}).error, "calvexa: unrecognized option '-qmljsdebugger'")
      << "the debugger port is given after '='";
}

TEST(CommandLine, UsageNamesEveryOption) {
  const std::string& usage = usageText();
  EXPECT_EQ(usage.rfind("Usage: calvexa [OPTION]...\n", 0), 0u);
  for (const char* option : {"-h, --help", "--version", "--startup-check"})
    EXPECT_NE(usage.find(option), std::string::npos) << option;
  EXPECT_EQ(usage.back(), '\n');
  for (std::size_t start = 0, end; (end = usage.find('\n', start)) != std::string::npos; start = end + 1)
    EXPECT_LE(end - start, 80u) << "fits a terminal: " << usage.substr(start, end - start);
  EXPECT_EQ(versionLine(), "Calvexa 3.6.13");
}

}  // namespace
}  // namespace calvexa
