#include "cli/cli.h"

#include <functional>
#include <map>

namespace kestravo::cli {

namespace {

constexpr std::string_view kUsage =
    "usage: kestravo-cli COMMAND CARD [ARGS]\n"
    "\n"
    "Prints the lists and reports of the Kestravo odds line calculator as text.\n"
    "CARD is a past-performance data file; its scratch file (.tch) beside it is read,\n"
    "and created when missing, exactly as the desktop program does.\n"
    "\n"
    "commands:\n"
    "  races CARD     one conditions line per race\n"
    "  race CARD R    race R's entries with their ratings and KOL prices, then the\n"
    "                 figures of each entry's picked past races (tab-separated)\n"
    "  dump CARD      the whole computed card, one item a line\n"
    "  --help         this text\n"
    "\n"
    "exit status: 0 done, 1 a file could not be read or was refused, 2 a usage error\n";

using Command = std::function<int(const std::vector<std::string>&, std::ostream&, std::ostream&)>;

const std::map<std::string, Command, std::less<>>& commands() {
  static const std::map<std::string, Command, std::less<>> table = {
      {"dump", dumpCommand},
      {"races", racesCommand},
      {"race", raceCommand},
  };
  return table;
}

}  // namespace

std::string escapeCell(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  appendEscaped(out, text);
  return out;
}

void appendEscaped(std::string& out, std::string_view text) {
  for (char c : text) {
    switch (c) {
      case '\\':
        out += "\\\\";
        break;
      case '\t':
        out += "\\t";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\n':
        out += "\\n";
        break;
      default:
        out += c;
    }
  }
}

int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.empty()) {
    err << kUsage;
    return kExitUsage;
  }
  if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
    out << kUsage;
    return kExitDone;
  }
  const auto found = commands().find(args[0]);
  if (found == commands().end()) {
    err << "kestravo-cli: unknown command \"" << args[0] << "\" (try --help)\n";
    return kExitUsage;
  }
  return found->second(std::vector<std::string>(args.begin() + 1, args.end()), out, err);
}

}  // namespace kestravo::cli
