#include "app/load_card.h"

#include "card/dates.h"

namespace kestravo {

namespace {

// Entry pass 1: what every later figure needs from the row itself.
void entryPass1(CardMatrix& m, int row) { computeDates(m, row); }

// Entry pass 2: time-par and record figures, workout values, then the last-race and
// readiness figures.
void entryPass2(CardMatrix&, int) {}

// Entry pass 3: speed summaries, trainer and jockey figures and the angle flags.
void entryPass3(CardMatrix&, int) {}

// The per-race stage: rankings, points, the odds line and the marks that need the whole
// race.
void raceStage(Card&) {}

}  // namespace

LoadProblems loadCard(Card& card) {
  LoadProblems problems = readDataFile(card);
  CardMatrix& m = card.matrix;
  for (int row = 1; row <= m.entryCount(); ++row) entryPass1(m, row);
  card.raceStarters = countRaceStarters(m, card.raceCount);
  for (int row = 1; row <= m.entryCount(); ++row) entryPass2(m, row);
  for (int row = 1; row <= m.entryCount(); ++row) entryPass3(m, row);
  raceStage(card);
  return problems;
}

LoadProblems openCard(Card& card) {
  LoadProblems problems = loadCard(card);
  return problems;
}

}  // namespace kestravo
