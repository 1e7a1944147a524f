#include "app/load_card.h"

#include "app/column_map.h"
#include "card/dates.h"
#include "card/early_pace.h"
#include "card/time_pars.h"
#include "oddsline/odds_line.h"
#include "oddsline/picked_races.h"
#include "reports/race_lines.h"

namespace kestravo {

namespace {

// Entry pass 1: what every later figure needs from the row itself.
void entryPass1(CardMatrix& m, int row) {
  computeDates(m, row);
  computeEarlyPace(m, row);
}

// Entry pass 2: time-par and record figures, workout values, then the last-race and
// readiness figures.
void entryPass2(CardMatrix& m, int row) {
  computeTimeParsAndRecords(m, row);
  // The last-race and readiness figures close the pass.
}

// Entry pass 3: speed summaries, trainer and jockey figures and the angle flags, then the
// early-pace rating the odds line ranks.
void entryPass3(CardMatrix& m, int row) { selectEPLR(m, row); }

// The per-race stage: everything that compares a horse with the others in its race.
void raceStage(CardMatrix& m, const RaceRows& races) {
  rankCategories(m, races);
  // Race-top SRLR and the vulnerability grades come with the vulnerability figures.
  awardPoints(m);
  rankTotalPoints(m, races);
  // Uncoupled-trainer marks go here, before the prices.
  priceOddsLine(m);
  // The QUENTAR STRIKE rating and its mark go here.
  for (int row = 1; row <= m.entryCount(); ++row) computePickedRaces(m, row);
  // Days since the best figures and the form mark close the stage.
}

}  // namespace

LoadProblems loadCard(Card& card) {
  LoadProblems problems = readDataFile(card);
  CardMatrix& m = card.matrix;
  for (int row = 1; row <= m.entryCount(); ++row) entryPass1(m, row);
  // Scratches are settled from here on, so the running rows of each race are too.
  const RaceRows races = runningRowsByRace(m, card.raceCount);
  card.raceStarters = countRaceStarters(races);
  for (int row = 1; row <= m.entryCount(); ++row) entryPass2(m, row);
  for (int row = 1; row <= m.entryCount(); ++row) entryPass3(m, row);
  raceStage(m, races);
  return problems;
}

LoadProblems openCard(Card& card) {
  LoadProblems problems = loadCard(card);
  buildRaceLines(card);
  return problems;
}

}  // namespace kestravo
