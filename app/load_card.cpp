#include "app/load_card.h"

#include "app/column_map.h"
#include "card/dates.h"
#include "card/early_pace.h"
#include "card/time_pars.h"
#include "figures/age_at_last_race.h"
#include "figures/angle_flags.h"
#include "figures/connections.h"
#include "figures/readiness.h"
#include "figures/record_counts.h"
#include "figures/speed_summaries.h"
#include "figures/vulnerability.h"
#include "figures/weight_and_record.h"
#include "figures/workout_totals.h"
#include "oddsline/form_marks.h"
#include "oddsline/odds_line.h"
#include "oddsline/picked_races.h"
#include "oddsline/quentar_strike.h"
#include "oddsline/uncoupled_trainers.h"
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
  computeReadiness(m, row);
}

// Entry pass 3: speed summaries, trainer and jockey figures and the angle flags, then the
// early-pace rating the odds line ranks.
void entryPass3(CardMatrix& m, int row) {
  computeWorkoutTotals(m, row);
  computeRecordCounts(m, row);
  computeSpeedSummaries(m, row);
  computeConnections(m, row);
  computeWeightAndRecord(m, row);
  computeAngleFlags(m, row);
  computeAGELR(m, row);
  selectEPLR(m, row);
}

// The per-race stage for one race: everything that compares a horse with the others in its
// race, and the ratings and marks that come after the prices. `runners` holds the race's
// running rows (none for the rows in no race), `rows` every row of it.
void raceStage(CardMatrix& m, const RaceRows& runners, const std::vector<int>& rows) {
  rankCategories(m, runners);
  computeRACETOPSRLR(m, rows, col::kSRLRRank);
  awardPoints(m, rows);
  for (int row : rows) markQualified(m, row);
  gradeVulnerability(m, rows);
  rankTotalPoints(m, runners);
  markUncoupledTrainers(m, runners, rows);
  priceOddsLine(m, rows);
  // The ratings and marks after the prices are the row's own, taken in one sweep.
  for (int row : rows) {
    rateQuentarStrike(m, row);
    computePickedRaces(m, row);
    computeDaysSinceBest(m, row);
    markForm(m, row);
  }
}

// The row computed after row i of race `race`: the next of its race, or the first of the next
// race that has any; 0 after the last.
int nextRow(const RaceRows& rowsOfRace, std::size_t race, std::size_t i) {
  if (i + 1 < rowsOfRace[race].size()) return rowsOfRace[race][i + 1];
  for (std::size_t r = race + 1; r < rowsOfRace.size(); ++r) {
    if (!rowsOfRace[r].empty()) return rowsOfRace[r].front();
  }
  return 0;
}

}  // namespace

LoadProblems loadCard(Card& card) {
  try {
    LoadProblems problems = readDataFile(card);
    CardMatrix& m = card.matrix;
    // The entry passes read and write only the row's own cells, and no figure of one race
    // reads another race. So the card is computed race by race, each row taking all three
    // passes at once and its race then taking the per-race stage, while the race's past
    // races and workouts are still in the cache: on a card of thousands of entries every
    // sweep over the whole card would read every row from memory again.
    const RaceRows everyRow = rowsByRace(m, card.raceCount);
    card.raceStarters.assign(everyRow.size(), 0);
    RaceRows runners(1);  // the running rows of the race at hand
    for (std::size_t race = 0; race < everyRow.size(); ++race) {
      const std::vector<int>& rows = everyRow[race];
      for (std::size_t i = 0; i < rows.size(); ++i) {
        const int row = rows[i];
        m.prefetchRow(nextRow(everyRow, race, i));
        entryPass1(m, row);
        entryPass2(m, row);
        entryPass3(m, row);
      }
      // The scratch file has settled the scratches, so the race's runners are known.
      runningRows(m, race, rows, runners[0]);
      card.raceStarters[race] = static_cast<int>(runners[0].size());
      raceStage(m, runners, rows);
    }
    return problems;
  } catch (const StoredTextFull&) {
    // Figures thousands of digits wide on row after row would take the memory of the whole
    // machine; such a card is refused like one over the size limit, rather than shown wrong.
    emptyCard(card);
    card.raceLine.assign(1, std::string());
    LoadProblems refused;
    refused.messages.push_back(
        "THE DATA FILE HOLDS FIGURES TOO LARGE TO SHOW AND WAS NOT LOADED: " + card.dataFilePath);
    return refused;
  }
}

LoadProblems openCard(Card& card) {
  LoadProblems problems = loadCard(card);
  buildRaceLines(card);
  return problems;
}

}  // namespace kestravo
