// The value view: the odds line of one race set against the odds on offer. Handicappers
// bet overlays, horses whose offered odds are longer than their fair KOL price; this view
// shows each running horse's fair chance, the morning line, the odds the handicapper
// typed from the board, and the edge between them.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/text_list.h"
#include "card/card.h"

namespace kestravo {

// Odds typed by the handicapper, by card row; they live for the open card only.
using LiveOdds = std::map<int, long double>;

inline constexpr std::string_view kOverlay = "OVERLAY";
inline constexpr std::string_view kAcceptedOddsForms = "5-2, 5/2, 2.5, 2.5-1 or EVEN (EVN)";

// Odds "to 1" from what a handicapper types: "5-2", "5/2", "2.5" and "2.5-1" are all 2.5,
// "EVEN" and "EVN" are 1 (any letter case, blanks around ignored). Anything else, and odds
// of 0 or less, give nothing and `error` names the text and the accepted forms.
std::optional<long double> parseOdds(std::string_view text, std::string* error = nullptr);

enum class ValueColumn { kPP, kPRG, kHorse, kKOL, kFair, kML, kLive, kEdge, kValue };

const std::vector<std::string>& valueViewTitles();

struct ValueView {
  TextList list;          // one row per running horse, then the LINE row
  std::vector<int> rows;  // the card row of each horse row
};

// The value view of race `selectedRace` (the races-list text, read as a number): its
// running horses in card order, then a LINE row summing the fair chances shown.
ValueView valueView(const CardMatrix& matrix, const std::string& selectedRace,
                    const LiveOdds& live);

// The running horse of race `selectedRace` with program number `program` (compared
// trimmed, exactly), or 0 when the race has none.
int rowOfProgram(const CardMatrix& matrix, const std::string& selectedRace,
                 std::string_view program);

}  // namespace kestravo
