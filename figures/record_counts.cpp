#include "figures/record_counts.h"

#include <string_view>

#include "card/card_matrix.h"
#include "card/columns.h"
#include "figures/columns.h"

namespace kestravo {

namespace {

bool isMaiden(std::string_view raceType) { return raceType == "S" || raceType == "M"; }

void writeCount(CardMatrix& m, int row, int column, int count) {
  if (count > 0) {
    m.setMasked(row, column, "##", count);
  } else {
    m.setText(row, column, "");
  }
}

}  // namespace

void computeRecordCounts(CardMatrix& m, int row) {
  int inTheMoney = 0;
  int wins = 0;
  int maidenLosses = 0;
  if (!m.scratched(row)) {
    // Purses are compared as numbers ("25000" is "25000.0"); race type, surface and
    // distance as the texts the file gives, so "1320" and "1320.0" are different distances.
    const long double purse = m.value(row, field::kPurse);
    const std::string_view raceType = m.text(row, field::kRaceType);
    const std::string_view surface = m.text(row, field::kSurface);
    const std::string_view distance = m.text(row, field::kDistance);
    for (int k = 0; k < kPastRaces; ++k) {
      const long double finish = m.value(row, field::kPastFinishPosition.race0(k));
      const bool samePurse = m.value(row, field::kPastPurse.race0(k)) == purse;
      if (finish >= 1 && finish <= 3 && samePurse) ++inTheMoney;
      if (finish == 1) ++wins;
      if (finish > 1 && samePurse && isMaiden(raceType) &&
          m.text(row, field::kPastClassText.race0(k)) == raceType &&
          m.text(row, field::kPastSurface.race0(k)) == surface &&
          m.text(row, field::kPastDistance.race0(k)) == distance) {
        ++maidenLosses;
      }
    }
  }
  writeCount(m, row, col::kITMPURSE, inTheMoney);
  writeCount(m, row, col::kWINS10, wins);
  writeCount(m, row, col::kMDNLOSS, maidenLosses);
}

}  // namespace kestravo
