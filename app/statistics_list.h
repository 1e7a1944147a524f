// The statistics list of the chosen race: for each runner its running style, weight change,
// trainer figures, its yearly records with their APV figures, its readiness figures (F23,
// RR, SEL) and its in-the-money record, the figures the odds line does not show. It takes
// 22 columns of EntriesList; the next list of runners takes back the ten standard titles.
#pragma once

#include <string>
#include <vector>

#include "app/main_screen.h"
#include "app/main_view.h"
#include "app/text_list.h"
#include "card/card.h"

namespace kestravo {

inline constexpr const char* kStatisticsTitle = "APV  F23  RR  SEL";

const std::vector<std::string>& statisticsListTitles();
// Pixels.
const std::vector<int>& statisticsListWidths();

// The 22 cells of card row `row`.
TextRow statisticsRowCells(const CardMatrix& matrix, int row);

// With a card open: the runners of the chosen race with their statistics, under the 22
// titles even when no race is chosen.
void showStatisticsList(Card& card, MainView& view, MainScreen& screen);

}  // namespace kestravo
