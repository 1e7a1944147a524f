#include "app/value_view.h"

#include <cctype>

#include "app/list_rows.h"
#include "card/fields.h"
#include "format/mask.h"
#include "format/numeric.h"
#include "format/text.h"
#include "oddsline/columns.h"

namespace kestravo {

namespace {

constexpr std::string_view kLineLabel = "LINE";

bool isNumber(std::string_view s) {
  if (s.empty()) return false;
  bool digit = false;
  bool point = false;
  for (char c : s) {
    if (c >= '0' && c <= '9') {
      digit = true;
    } else if (c == '.' && !point) {
      point = true;
    } else {
      return false;
    }
  }
  return digit;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::toupper(static_cast<unsigned char>(a[i])) != b[i]) return false;
  }
  return true;
}

std::optional<long double> oddsOf(std::string_view s) {
  if (equalsIgnoringCase(s, "EVEN") || equalsIgnoringCase(s, "EVN")) return 1.0L;
  const std::size_t split = s.find_first_of("-/");
  if (split == std::string_view::npos) {
    if (!isNumber(s)) return std::nullopt;
    return numericValue(s);
  }
  const std::string_view left = s.substr(0, split);
  const std::string_view right = s.substr(split + 1);
  if (!isNumber(left) || !isNumber(right)) return std::nullopt;
  const long double against = numericValue(left);
  const long double on = numericValue(right);
  if (!(on > 0)) return std::nullopt;
  return against / on;
}

}  // namespace

std::optional<long double> parseOdds(std::string_view text, std::string* error) {
  const std::optional<long double> odds = oddsOf(trimBlanks(text));
  if (odds && *odds > 0) return odds;
  if (error) {
    *error = "\"" + std::string(text) + "\" ARE NOT ODDS: TYPE THEM AS " +
             std::string(kAcceptedOddsForms);
  }
  return std::nullopt;
}

const std::vector<std::string>& valueViewTitles() {
  static const std::vector<std::string> titles = {"PP", "PRG",  "HORSE", "KOL",  "FAIR%",
                                                  "ML", "LIVE", "EDGE%", "VALUE"};
  return titles;
}

ValueView valueView(const CardMatrix& m, const std::string& selectedRace, const LiveOdds& live) {
  ValueView view;
  view.list.titles = valueViewTitles();
  long double fairShown = 0;
  for (const int row : raceViewRows(m, selectedRace)) {
    // The fair price is the KOL text's number before the dash: "4.5-1" is 4.5 to 1.
    const long double fair = numericValue(m.text(row, col::kKOL));
    const std::string fairChance = Format("##.#", 100 / (fair + 1));
    fairShown += numericValue(fairChance);
    const long double morningLine = m.value(row, field::kMorningLine);
    const auto typed = live.find(row);
    std::optional<long double> offered;
    if (typed != live.end()) {
      offered = typed->second;
    } else if (morningLine > 0) {
      offered = morningLine;
    }
    TextRow cells(valueViewTitles().size());
    auto cell = [&](ValueColumn c) -> std::string& { return cells[static_cast<std::size_t>(c)]; };
    cell(ValueColumn::kPP) = Format("##", m.value(row, field::kPostPosition));
    cell(ValueColumn::kPRG) = std::string(m.text(row, field::kProgramNumber));
    cell(ValueColumn::kHorse) = std::string(m.text(row, field::kHorseName));
    cell(ValueColumn::kKOL) = std::string(m.text(row, col::kKOL));
    cell(ValueColumn::kFair) = fairChance;
    cell(ValueColumn::kML) = Format("##.#", morningLine);
    if (typed != live.end()) cell(ValueColumn::kLive) = Format("##.#", typed->second);
    if (offered) {
      cell(ValueColumn::kEdge) = Format("####", ((*offered + 1) / (fair + 1) - 1) * 100);
      if (*offered > fair) cell(ValueColumn::kValue) = std::string(kOverlay);
    }
    view.list.rows.push_back(std::move(cells));
    view.rows.push_back(row);
  }
  TextRow line(valueViewTitles().size());
  line[static_cast<std::size_t>(ValueColumn::kPP)] = std::string(kLineLabel);
  line[static_cast<std::size_t>(ValueColumn::kFair)] = Format("###.#", fairShown);
  view.list.rows.push_back(std::move(line));
  return view;
}

int rowOfProgram(const CardMatrix& m, const std::string& selectedRace, std::string_view program) {
  for (const int row : raceViewRows(m, selectedRace)) {
    if (trimBlanks(m.text(row, field::kProgramNumber)) == trimBlanks(program)) return row;
  }
  return 0;
}

}  // namespace kestravo
