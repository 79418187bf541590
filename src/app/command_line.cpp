#include "app/command_line.h"

#include <string_view>

#include "core/identity.h"

namespace calvexa {
namespace {

// The program's own options, written with two dashes.
enum class Own { Help, Version, StartupCheck };
struct OwnOption {
  std::string_view name;
  Own option;
};
constexpr OwnOption kOwnOptions[] = {
    {.name = "help", .option = Own::Help},
    {.name = "version", .option = Own::Version},
    {.name = "startup-check", .option = Own::StartupCheck},
};

// The toolkit's own options, which it reads with one dash or two: whether
// each takes the next argument, or its value after "=", or none.
enum class Value { None, Next, NextOrJoined, Joined };
struct ToolkitOption {
  std::string_view name;
  Value value;
};
constexpr ToolkitOption kToolkitOptions[] = {
    {.name = "platform", .value = Value::Next},
    {.name = "platformpluginpath", .value = Value::Next},
    {.name = "platformtheme", .value = Value::Next},
    {.name = "plugin", .value = Value::Next},
    {.name = "qwindowgeometry", .value = Value::Next},
    {.name = "qwindowicon", .value = Value::Next},
    {.name = "qwindowtitle", .value = Value::Next},
    {.name = "session", .value = Value::Next},
    {.name = "display", .value = Value::Next},
    {.name = "geometry", .value = Value::Next},
    {.name = "title", .value = Value::Next},
    {.name = "icon", .value = Value::Next},
    {.name = "name", .value = Value::Next},
    {.name = "style", .value = Value::NextOrJoined},
    {.name = "stylesheet", .value = Value::NextOrJoined},
    {.name = "qmljsdebugger", .value = Value::Joined},
    {.name = "reverse", .value = Value::None},
    {.name = "widgetcount", .value = Value::None},
};

const std::string kProgram = "calvexa";

std::string quoted(std::string_view text) { return "'" + std::string(text) + "'"; }

CommandLine refused(const std::string& why) {
  return {.action = CommandAction::Refuse, .error = kProgram + ": " + why};
}

// How the toolkit takes `argument` ("-style", "--style=fusion"): nullptr when
// it is none of its options.
const ToolkitOption* toolkitOption(std::string_view argument, bool& joined) {
  std::string_view name = argument.substr(argument.starts_with("--") ? 2 : 1);
  const auto equals = name.find('=');
  joined = equals != std::string_view::npos;
  if (joined) name = name.substr(0, equals);
  for (const ToolkitOption& option : kToolkitOptions) {
    if (option.name != name) continue;
    const bool fits =
        joined ? option.value == Value::NextOrJoined || option.value == Value::Joined : option.value != Value::Joined;
    return fits ? &option : nullptr;
  }
  return nullptr;
}

// The own option that `name` (after the two dashes, before any "=") names
// exactly or begins; an empty answer and `why` set when it names none or several.
const OwnOption* ownOption(std::string_view name, const std::string& argument, std::string& why) {
  const OwnOption* found = nullptr;
  std::string possibilities;
  int matches = 0;
  for (const OwnOption& option : kOwnOptions) {
    if (option.name == name) return &option;
    if (!option.name.starts_with(name)) continue;
    found = &option;
    possibilities += " '--" + std::string(option.name) + "'";
    ++matches;
  }
  if (matches == 1) return found;
  why = matches == 0 ? "unrecognized option " + quoted(argument)
                     : "option " + quoted(argument) + " is ambiguous; possibilities:" + possibilities;
  return nullptr;
}

}  // namespace

CommandLine readCommandLine(const std::vector<std::string>& arguments) {
  CommandLine line;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (argument == "--") {  // what follows are operands, and the program takes none
      if (i + 1 < arguments.size()) return refused("extra operand " + quoted(arguments[i + 1]));
      break;
    }
    if (argument.size() < 2 || argument[0] != '-') return refused("extra operand " + quoted(argument));
    if (argument == "-h") return {.action = CommandAction::Help};
    bool joined = false;
    if (const ToolkitOption* option = toolkitOption(argument, joined)) {
      const bool takesNext = !joined && (option->value == Value::Next || option->value == Value::NextOrJoined);
      if (takesNext && ++i == arguments.size()) return refused("option " + quoted(argument) + " requires an argument");
      if (option->name == "platform") line.platformNamed = true;
      continue;
    }
    if (!argument.starts_with("--"))
      return refused(argument.size() == 2 ? "invalid option -- " + quoted(argument.substr(1))
                                          : "unrecognized option " + quoted(argument));
    const std::string_view written = std::string_view(argument).substr(2);
    const auto equals = written.find('=');
    std::string why;
    const OwnOption* option = ownOption(written.substr(0, equals), argument, why);
    if (!option) return refused(why);
    if (equals != std::string_view::npos)
      return refused("option '--" + std::string(option->name) + "' doesn't allow an argument");
    switch (option->option) {
      case Own::Help:
        return {.action = CommandAction::Help};
      case Own::Version:
        return {.action = CommandAction::Version};
      case Own::StartupCheck:
        line.startupCheck = true;
        break;
    }
  }
  return line;
}

const std::string& usageText() {
  static const std::string text =
      "Usage: calvexa [OPTION]...\n"
      "Engineering calculator for field and oilfield work: a unit converter, liquid\n"
      "volumes and strapping charts of upright, horizontal, rectangular and spherical\n"
      "tanks, annular, pipeline and coating volumes, fuel use and a scientific\n"
      "calculator, each in its own window. It needs a graphical display; without one,\n"
      "start it under a virtual display: xvfb-run -a calvexa\n"
      "\n"
      "  -h, --help           show this help and exit\n"
      "      --version        print the program name and version and exit\n"
      "      --startup-check  start as usual, print whether the main menu is shown and\n"
      "                         the help file the program found, then exit; the exit\n"
      "                         status is 1 when either is missing\n"
      "\n"
      "Qt's own options (-platform NAME, -style NAME, -display DISPLAY, -session ID,\n"
      "...) are passed on to Qt.\n"
      "\n"
      "Exit status: 0 if all went well, 1 when the program cannot start or the\n"
      "start-up check fails, 2 for a wrong command line.\n";
  return text;
}

std::string versionLine() { return std::string(kApplicationTitle) + " " + versionNumber(); }

}  // namespace calvexa
