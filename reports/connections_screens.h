// The people around a horse, as its past-performance block closes: the trainer-and-jockey
// combination, the jockey, the trainer and the trainer's key statistics by category, each
// with the meet and yearly records the data file gives.
#pragma once

#include "card/card_matrix.h"
#include "reports/report_canvas.h"

namespace kestravo {

inline constexpr ReportColour kKeyStatHighlight = ReportColour::rgb(255, 255, 0);

// The four sections for card row `row`, from the combination's title down to the rule of
// 175 hyphens that ends the horse's block. Key-statistic rows worth a look (a win percentage
// of 15 or more, or a profit on $2 bets) stand on the highlight; the default colours are in
// force afterwards.
void drawConnectionsScreens(const CardMatrix& matrix, int row, ReportCanvas& canvas);

}  // namespace kestravo
