#include "cli/cli.h"

#include <CLI/CLI.hpp>
#include <algorithm>

#include "app/angle_lists.h"
#include "card/zip_card.h"
#include "cli/open_card.h"

namespace kestravo::cli {

namespace {

constexpr const char* kDescription =
    "Prints the lists and reports of the Kestravo odds line calculator as text.\n"
    "CARD is a past-performance data file; its scratch file (.tch) beside it is read,\n"
    "and created when missing, exactly as the desktop program does. CARD may be a .zip\n"
    "holding the data file; its scratch file then lies beside the archive.";

constexpr const char* kExitStatus =
    "exit status: 0 done, 1 a file could not be read or was refused, 2 a usage error";

constexpr CliCommand kCommands[] = {
    {"races", "one conditions line per race", Operand::kNone, kNoOptions, racesCommand},
    {"race",
     "race R's entries with their ratings and KOL prices, then the figures of each entry's "
     "picked past races (tab-separated; with --csv the two lists with an empty line between)",
     Operand::kRace, kCsvOption, raceCommand},
    {"angle", "every horse of the card that fits the angle ID, as its list shows them",
     Operand::kAngle, kCsvOption, angleCommand},
    {"stats", "the statistics list of race R (APV  F23  RR  SEL)", Operand::kRace, kCsvOption,
     statsCommand},
    {"value",
     "race R's fair chances against the morning line or the odds given with --odds, and the "
     "overlays",
     Operand::kRace, kCsvOption | kOddsOption, valueCommand, valueProblem},
    {"report pp", "the past performances of race R with trainer and jockey statistics",
     Operand::kRace, kNoOptions, pastPerformancesReport},
    {"report keytrainer", "the key trainer statistics of race R", Operand::kRace, kNoOptions,
     keyTrainerReport},
    {"report records", "the records of race R's horses", Operand::kRace, kNoOptions,
     horseRecordsReport},
    {"report uncoupled", "the horses of the card whose trainer has an uncoupled entry",
     Operand::kNone, kNoOptions, uncoupledTrainersReport},
    {"dump", "the whole computed card, one item a line", Operand::kNone, kNoOptions, dumpCommand},
};

constexpr const char* kReportHelp = "a report drawn as text: pp, keytrainer, records, uncoupled";

std::string angleChoices() {
  std::string text = "angles (ID or name):";
  for (const AngleList& angle : kAngleLists) {
    text += "\n  " + std::to_string(angle.controlId) + "  " + angleName(angle);
  }
  return text;
}

// The subcommand of `path` ("report pp"), made with its parents when it is not there yet.
CLI::App* subcommandOf(CLI::App& app, std::string_view path) {
  CLI::App* at = &app;
  for (std::size_t start = 0; start <= path.size();) {
    const std::size_t end = std::min(path.find(' ', start), path.size());
    const std::string word(path.substr(start, end - start));
    const std::vector<CLI::App*> made =
        at->get_subcommands([&word](const CLI::App* sub) { return sub->get_name() == word; });
    at = made.empty() ? at->add_subcommand(word) : made.front();
    start = end + 1;
  }
  return at;
}

// The command's words after kestravo-cli, for a hint after a mistake.
std::string commandPath(const CLI::App* app) {
  std::string path;
  for (const CLI::App* at = app; !at->get_subcommands().empty();) {
    at = at->get_subcommands().front();
    path += ' ' + at->get_name();
  }
  return path;
}

// What is wrong with an operand as typed; "" when nothing is.
std::string raceProblem(const std::string& text) {
  int race = 0;
  return parseRaceNumber(text, race) ? std::string() : "not a race number (1 to 99): " + text;
}

std::string angleProblem(const std::string& text) {
  return findAngleList(text) ? std::string() : "unknown angle: " + text;
}

void addOperands(CLI::App& sub, const CliCommand& command, Arguments& given) {
  sub.add_option("CARD", given.card, "the past-performance data file, or a .zip holding it")
      ->required();
  sub.add_option("--card", given.cardInZip,
                 "NAME of the data file to read from a .zip holding several");
  if (command.options & kCsvOption) {
    sub.add_flag("--csv", given.csv,
                 "the lists as comma-separated values (RFC 4180, CR LF line ends)");
  }
  if (command.options & kOddsOption) {
    sub.add_option("--odds", given.odds,
                   "PRG=ODDS: the odds on offer for the horse with program number PRG "
                   "(5-2, 5/2, 2.5, 2.5-1 or EVEN); repeat it for more horses")
        ->check(CLI::Validator(oddsProblem, "PRG=ODDS"));
  }
  switch (command.operand) {
    case Operand::kNone:
      break;
    case Operand::kRace:
      sub.add_option("R", given.race, "the race number")
          ->required()
          ->check(CLI::Validator(raceProblem, "1..99"));
      break;
    case Operand::kAngle:
      sub.add_option("ID", given.angle, "the angle's id or name")
          ->required()
          ->check(CLI::Validator(angleProblem, "ANGLE"));
      sub.footer(angleChoices());
      break;
  }
}

}  // namespace

std::span<const CliCommand> cliCommands() { return kCommands; }

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
  CLI::App app(kDescription, "kestravo-cli");
  app.footer(kExitStatus);
  app.failure_message([](const CLI::App* top, const CLI::Error& e) {
    return "kestravo-cli: " + std::string(e.what()) + "\n(try kestravo-cli" + commandPath(top) +
           " --help)\n";
  });
  Arguments given;
  const CliCommand* chosen = nullptr;
  for (const CliCommand& command : kCommands) {
    CLI::App* sub = subcommandOf(app, command.path);
    sub->description(std::string(command.help));
    addOperands(*sub, command, given);
    sub->callback([&chosen, &command] { chosen = &command; });
  }
  subcommandOf(app, "report")->description(kReportHelp);

  try {
    app.parse(std::vector<std::string>(args.rbegin(), args.rend()));
  } catch (const CLI::ParseError& e) {
    return app.exit(e, out, err) == 0 ? kExitDone : kExitUsage;
  }
  if (chosen == nullptr) {
    err << "kestravo-cli: a command is required\n(try kestravo-cli" << commandPath(&app)
        << " --help)\n";
    return kExitUsage;
  }
  if (!given.cardInZip.empty() && !isZipPath(given.card)) {
    err << "kestravo-cli: --card chooses a data file inside a .zip; " << given.card
        << " is not one\n";
    return kExitUsage;
  }
  Card card;
  if (!openCardForCli(given.card, given.cardInZip, card, err)) return kExitFileProblem;
  if (chosen->operand == Operand::kRace && given.race > card.raceCount) {
    err << "kestravo-cli: the card has no race " << given.race << " (races 1 to " << card.raceCount
        << ")\n";
    return kExitUsage;
  }
  if (chosen->check) {
    const std::string problem = chosen->check(card, given);
    if (!problem.empty()) {
      err << "kestravo-cli: " << problem << '\n';
      return kExitUsage;
    }
  }
  return chosen->print(card, given, out);
}

}  // namespace kestravo::cli
