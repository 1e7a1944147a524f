#include <string>

#include "app/value_commands.h"
#include "app/value_view.h"
#include "cli/cli.h"
#include "cli/text_screen.h"

namespace kestravo::cli {

namespace {

struct GivenOdds {
  std::string program;
  std::string odds;
};

// "PRG=ODDS" split at its first "="; no "=" gives an empty program.
GivenOdds split(const std::string& text) {
  const std::size_t equals = text.find('=');
  if (equals == std::string::npos) return {};
  return {text.substr(0, equals), text.substr(equals + 1)};
}

// The races-list text of race R, as a double-click sets it.
std::string raceText(int race) { return std::to_string(race); }

}  // namespace

std::string oddsProblem(const std::string& text) {
  const GivenOdds given = split(text);
  if (given.program.empty()) return "not PRG=ODDS: " + text;
  std::string refusal;
  return parseOdds(given.odds, &refusal) ? std::string() : refusal;
}

std::string valueProblem(const Card& card, const Arguments& args) {
  for (const std::string& text : args.odds) {
    const GivenOdds given = split(text);
    if (rowOfProgram(card.matrix, raceText(args.race), given.program) == 0) {
      return "race " + std::to_string(args.race) + " has no running horse with program number " +
             given.program;
    }
  }
  return {};
}

int valueCommand(Card& card, const Arguments& args, std::ostream& out) {
  TextScreen screen(card);
  screen.chooseRace(args.race);
  for (const std::string& text : args.odds) {
    const GivenOdds given = split(text);
    screen.typeOdds(rowOfProgram(card.matrix, screen.screen().selectedRace, given.program),
                    given.odds);
  }
  printTable(out, shownValueView(card, screen.screen()).list, args.csv);
  return kExitDone;
}

}  // namespace kestravo::cli
