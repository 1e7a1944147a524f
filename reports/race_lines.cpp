#include "reports/race_lines.h"

#include <cmath>

#include "card/columns.h"
#include "card/data_file.h"
#include "format/mask.h"
#include "format/numeric.h"

namespace kestravo {

namespace {

constexpr long double kYardsPerFurlong = 220;
// Every field a conditions line reads lies at or before the all-weather indicator.
constexpr int kLastConditionsField = field::kAllWeather;

char letterAt(std::string_view code, std::size_t i) { return i < code.size() ? code[i] : '\0'; }

std::string_view ageText(char letter) {
  switch (letter) {
    case 'A':
      return "2 YO ";
    case 'B':
      return "3 YO ";
    case 'C':
      return "4 YO ";
    case 'D':
      return "5 YO ";
    case 'E':
      return "3 & 4 YO ";
    case 'F':
      return "4 & 5 YO ";
    case 'G':
      return "3, 4 & 5 YO ";
    case 'H':
      return "ALL AGES ";
    default:
      return "?       ?";
  }
}

std::string_view qualifierText(char letter) {
  switch (letter) {
    case 'O':
      return " ONLY ";
    case 'U':
      return " & UP ";
    default:
      return "?   ?";
  }
}

std::string_view sexText(char letter) {
  switch (letter) {
    case 'N':
      return " NO RSTRCTN";
    case 'M':
      return " M & F ONLY";
    case 'C':
      return " C & G ONLY";
    case 'F':
      return " F ONLY";
    default:
      return "?         ?";
  }
}

}  // namespace

std::string restrictionText(std::string_view code) {
  std::string text(ageText(letterAt(code, 0)));
  text += qualifierText(letterAt(code, 1));
  text += sexText(letterAt(code, 2));
  return text;
}

std::string raceConditionsLine(const RecordTable& records, int record) {
  const auto f = [&](int field) { return records.field(record, field); };
  const std::string_view surface = f(field::kAllWeather) == "A" ? "A" : f(field::kSurface);
  std::string line = Format("##", numericValue(f(field::kRaceNumber)));
  line += ' ';
  line += Format("##.#", std::fabs(numericValue(f(field::kDistance))) / kYardsPerFurlong);
  line += " F  ";
  line += Format("\\\\", surface);
  line += "  $";
  line += Format("#######", numericValue(f(field::kPurse)));
  line += "  ";
  line += Format("\\\\", f(field::kRaceType));
  line += "  ";
  line += Format("\\          \\", f(field::kClassification));
  line += "  ";
  line += restrictionText(f(field::kRestriction));
  return line;
}

void buildRaceLines(Card& card) {
  card.raceLine.assign(static_cast<std::size_t>(card.raceCount + 1), std::string());
  if (card.raceCount == 0) return;  // a refused or empty card has no races to read again
  std::string data;
  LoadProblems unread;  // the load has told them already
  if (!readCardText(card, data, unread)) return;
  // The same reading as the load, keeping only the fields a conditions line is made of.
  const RecordTable records =
      readRecords(std::move(data), kLastConditionsField, kMaxDataFileRecords);
  std::vector<int> source(static_cast<std::size_t>(card.raceCount + 1), 0);
  for (int record = 1; record <= records.recordCount; ++record) {
    const int race = raceNumberOf(records.field(record, field::kRaceNumber));
    if (race == 0 || race > card.raceCount) continue;
    const auto r = static_cast<std::size_t>(race);
    const bool postOne = numericValue(records.field(record, field::kPostPosition)) == 1;
    if (postOne || source[r] == 0) source[r] = record;
  }
  for (std::size_t r = 1; r < source.size(); ++r) {
    if (source[r] != 0) card.raceLine[r] = raceConditionsLine(records, source[r]);
  }
}

}  // namespace kestravo
