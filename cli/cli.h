// kestravo-cli: the lists and reports of the desktop program as plain text, for printing,
// scripting and comparing.
#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace kestravo::cli {

inline constexpr int kExitDone = 0;
inline constexpr int kExitFileProblem = 1;
inline constexpr int kExitUsage = 2;

// Runs one command line (without the program name) and returns the exit status.
int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// Cell texts on one line: backslash, tab, CR and LF written as \\ \t \r \n.
std::string escapeCell(std::string_view text);
// The same, appended to `out`.
void appendEscaped(std::string& out, std::string_view text);

// One file per command.
int dumpCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int racesCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int raceCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// A race number as typed: one or two digits, 1 and up.
bool parseRaceNumber(const std::string& text, int& race);

}  // namespace kestravo::cli
