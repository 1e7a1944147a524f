#include "reports/race_lines.h"

#include <cmath>

#include "card/columns.h"
#include "format/mask.h"
#include "format/numeric.h"

namespace kestravo {

namespace {

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

std::string raceConditionsLine(const CardMatrix& matrix, int row) {
  const auto f = [&](int field) { return matrix.text(row, field); };
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
  const CardMatrix& m = card.matrix;
  std::vector<int> source(static_cast<std::size_t>(card.raceCount + 1), 0);
  for (int row = 1; row <= m.entryCount(); ++row) {
    const int race = raceOf(m, row);
    if (race == 0 || race > card.raceCount) continue;
    const auto r = static_cast<std::size_t>(race);
    const bool postOne = m.value(row, field::kPostPosition) == 1;
    if (postOne || source[r] == 0) source[r] = row;
  }
  for (std::size_t r = 1; r < source.size(); ++r) {
    if (source[r] != 0) card.raceLine[r] = raceConditionsLine(m, source[r]);
  }
}

}  // namespace kestravo
