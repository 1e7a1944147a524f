// The odds line: five ratings of every horse ranked within its race, the first five ranks
// turned into points, the points totalled and ranked again, and the best five totals of a
// race priced from a fixed ladder of fair odds (the KOL price).
#pragma once

#include <string_view>

#include "card/card.h"

namespace kestravo {

// The early-pace rating of the most recent race: E1 for today's sprints up to 1,650
// yards, E2 for longer races. Closes entry pass 3.
void selectEPLR(CardMatrix& matrix, int row);

// Ranks SRLR, PRIME, EPLR, LPLR and ACL3 within every race, in that order.
void rankCategories(CardMatrix& matrix, const RaceRows& races);

// Points of a rank: 10, 6, 4, 2, 1 for ranks 1 to 5, else 0.
std::string_view pointsForRank(long double rank);

// Category points and total points of each entry of `rows`; scratched entries get "0".
void awardPoints(CardMatrix& matrix, const std::vector<int>& rows);

void rankTotalPoints(CardMatrix& matrix, const RaceRows& races);

// The ladder price of `totalPoints`; "100-1" when no rung holds them.
std::string_view ladderPrice(long double totalPoints);

// The KOL price of each entry of `rows`: the ladder for points ranks 1 to 5, "100-1"
// otherwise.
void priceOddsLine(CardMatrix& matrix, const std::vector<int>& rows);

}  // namespace kestravo
