// kestravo-cli: the lists and reports of the desktop program as plain text, for printing,
// scripting and comparing. Each command is a row of one table; the command line is checked
// and the card opened in one place before a row prints.
#pragma once

#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "card/card.h"

namespace kestravo::cli {

inline constexpr int kExitDone = 0;
inline constexpr int kExitFileProblem = 1;
inline constexpr int kExitUsage = 2;

// Runs one command line (without the program name) and returns the exit status.
int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// What follows CARD on a command's line.
enum class Operand { kNone, kRace, kAngle };

// The options a command takes besides --card, as bits.
inline constexpr unsigned kNoOptions = 0;
inline constexpr unsigned kCsvOption = 1u << 0;   // --csv
inline constexpr unsigned kOddsOption = 1u << 1;  // --odds PRG=ODDS, repeated

// What the command line gave, checked.
struct Arguments {
  std::string card;               // CARD: the data file, or a zip archive holding it
  std::string cardInZip;          // --card NAME: the card of a zip archive holding several
  int race = 0;                   // R, for the commands of one race: a race of the card
  std::string angle;              // ID, for angle: an angle's id or name
  bool csv = false;               // --csv: the lists as RFC 4180 comma-separated values
  std::vector<std::string> odds;  // --odds PRG=ODDS: odds on offer, by program number
};

struct CliCommand {
  std::string_view path;  // the words before CARD: "race", "report pp"
  std::string_view help;
  Operand operand;
  unsigned options;
  // Prints to `out` for the opened card and returns the exit status.
  int (*print)(Card& card, const Arguments& args, std::ostream& out);
  // What is wrong with the line for the opened card, "" when nothing is; null when the
  // operands alone decide.
  std::string (*check)(const Card& card, const Arguments& args) = nullptr;
};

std::span<const CliCommand> cliCommands();

// Cell texts on one line: backslash, tab, CR and LF written as \\ \t \r \n.
std::string escapeCell(std::string_view text);
// The same, appended to `out`.
void appendEscaped(std::string& out, std::string_view text);

// A race number as typed: one or two digits, 1 and up.
bool parseRaceNumber(const std::string& text, int& race);

// One file per command.
int dumpCommand(Card& card, const Arguments& args, std::ostream& out);
int racesCommand(Card& card, const Arguments& args, std::ostream& out);
int raceCommand(Card& card, const Arguments& args, std::ostream& out);
int angleCommand(Card& card, const Arguments& args, std::ostream& out);
int statsCommand(Card& card, const Arguments& args, std::ostream& out);
int valueCommand(Card& card, const Arguments& args, std::ostream& out);
// What is wrong with an --odds PRG=ODDS as typed, "" when nothing is.
std::string oddsProblem(const std::string& text);
// An --odds that names no running horse of race R.
std::string valueProblem(const Card& card, const Arguments& args);
int pastPerformancesReport(Card& card, const Arguments& args, std::ostream& out);
int keyTrainerReport(Card& card, const Arguments& args, std::ostream& out);
int horseRecordsReport(Card& card, const Arguments& args, std::ostream& out);
int uncoupledTrainersReport(Card& card, const Arguments& args, std::ostream& out);

}  // namespace kestravo::cli
