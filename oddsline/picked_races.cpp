#include "oddsline/picked_races.h"

#include <array>
#include <cmath>
#include <string>

#include "card/card_matrix.h"
#include "card/columns.h"
#include "format/mask.h"
#include "format/text.h"
#include "oddsline/columns.h"

namespace kestravo {

namespace {

constexpr long double kPurseThousands = 1000;
constexpr const char* kNotOneRace = "***";

struct Average {
  PastRaceBlock figureBlock;
  int column;
};

constexpr std::array<Average, 4> kAverages = {{
    {col::kE1, col::kPickedE1},
    {col::kE2, col::kPickedE2},
    {field::kPastLate, col::kPickedLate},
    {field::kPastSpeed, col::kPickedSpeed},
}};

constexpr std::array<int, 5> kSingleRaceColumns = {col::kPickedClass, col::kPickedFinish,
                                                   col::kPickedBeaten, col::kPickedSurface,
                                                   col::kPickedDistance};

void singleRace(CardMatrix& m, int row, int j) {
  std::string cls(m.text(row, field::kPastClassText.race(j)));
  cls += trimBlanks(Format("###", m.value(row, field::kPastPurse.race(j)) / kPurseThousands));
  m.setText(row, col::kPickedClass, cls);
  m.setText(row, col::kPickedFinish, m.text(row, field::kPastFinishPosition.race(j)));
  m.setMasked(row, col::kPickedBeaten, "##.##", m.value(row, field::kPastFinishMargin.race(j)));
  m.setText(row, col::kPickedSurface, m.text(row, field::kPastSurface.race(j)));
  m.setMasked(row, col::kPickedDistance, "##.#",
              std::fabs(m.value(row, field::kPastDistance.race(j))) / kYardsPerFurlong);
}

}  // namespace

void computePickedRaces(CardMatrix& m, int row) {
  std::array<long double, kPastRaces + 1> flag{};
  long double picks = 0;
  long double divisor = 0;
  for (int j = 1; j <= kPastRaces; ++j) {
    flag[static_cast<std::size_t>(j)] = m.value(row, col::kPickFlag.race(j));
    const long double f = flag[static_cast<std::size_t>(j)];
    picks += f;
    if (f != 0) divisor += m.value(row, col::kPastRaceExists.race(j)) * f;
  }

  for (const Average& a : kAverages) {
    if (!(picks > 0)) {
      m.setText(row, a.column, "0");
      continue;
    }
    long double sum = 0;
    for (int j = 1; j <= kPastRaces; ++j) {
      // An unpicked race adds nothing (a cell never reads as infinite), so it is not read.
      const long double f = flag[static_cast<std::size_t>(j)];
      if (f != 0) sum += m.value(row, a.figureBlock.race(j)) * f;
    }
    // Picks of races the horse never ran leave nothing to average over.
    m.setMasked(row, a.column, "###", divisor == 0 ? 0 : sum / divisor);
  }

  if (picks != 1) {
    for (int column : kSingleRaceColumns) m.setText(row, column, kNotOneRace);
    return;
  }
  for (int j = 1; j <= kPastRaces; ++j) {
    if (flag[static_cast<std::size_t>(j)] == 1) {
      singleRace(m, row, j);
      return;
    }
  }
  // Flags summing to one without a single whole pick leave the race columns empty.
  for (int column : kSingleRaceColumns) m.setText(row, column, "");
}

}  // namespace kestravo
