// What a horse's records say about it: APV, its earnings over a weighted count of its wins,
// places and shows, for each of its records and for its last two years together; and how
// often it has finished in the money.
#pragma once

namespace kestravo {

class CardMatrix;

// The nine APV figures of a row: lifetime, first year, second year, both years together,
// then today's distance, today's track, dirt, turf and all-weather.
void computeAPV(CardMatrix& matrix, int row);
// The lifetime share of starts finished first, second or third.
void computeInTheMoneyPercent(CardMatrix& matrix, int row);

}  // namespace kestravo
