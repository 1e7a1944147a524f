#include "figures/connections.h"

#include <string>

#include "card/card_matrix.h"
#include "card/fields.h"
#include "figures/columns.h"
#include "format/mask.h"

namespace kestravo {

namespace {

// One period's record is trusted from 25 starts on; the three periods together from 34.
constexpr long double kPeriodStarts = 25;
constexpr long double kThreePeriodStarts = 34;
// A trainer winning 15 % or more is marked, and a key-stat category at that rate counts.
constexpr long double kStrongWinPercent = 15;
constexpr const char* kStrongTrainer = "<";
constexpr const char* kNoMark = " ";

// The starts and wins of a trainer or a jockey at the current meet, in the current year
// and in the previous year.
struct ConnectionRecords {
  int meetStarts;
  int meetWins;
  int yearStarts;
  int yearWins;
  int lastYearStarts;
  int lastYearWins;
};

constexpr ConnectionRecords kTrainerRecords{
    field::kTrainerMeetStarts, field::kTrainerMeetWins,       field::kTrainerYearStarts,
    field::kTrainerYearWins,   field::kTrainerLastYearStarts, field::kTrainerLastYearWins};
constexpr ConnectionRecords kJockeyRecords{
    field::kJockeyMeetStarts, field::kJockeyMeetWins,       field::kJockeyYearStarts,
    field::kJockeyYearWins,   field::kJockeyLastYearStarts, field::kJockeyLastYearWins};

// Starts past a threshold sum to 0 only with negative counts; the percentage then shows 0,
// as a quotient by 0 would.
long double percent(long double wins, long double starts) {
  return starts == 0 ? 0 : wins * 100 / starts;
}

// The meet alone once it holds enough starts, else the meet with the current year, else
// all three periods once the previous year or the three together hold enough.
void writeWinPercent(CardMatrix& m, int row, const ConnectionRecords& r, int column) {
  if (m.scratched(row)) {
    m.setText(row, column, "0");
    return;
  }
  const long double ms = m.value(row, r.meetStarts);
  const long double mw = m.value(row, r.meetWins);
  const long double cs = m.value(row, r.yearStarts);
  const long double cw = m.value(row, r.yearWins);
  const long double ps = m.value(row, r.lastYearStarts);
  const long double pw = m.value(row, r.lastYearWins);
  if (ms >= kPeriodStarts) {
    m.setMasked(row, column, "###", percent(mw, ms));
  } else if (cs >= kPeriodStarts) {
    m.setMasked(row, column, "###", percent(cw + mw, cs + ms));
  } else if (ps >= kPeriodStarts || cs + ms + ps >= kThreePeriodStarts) {
    m.setMasked(row, column, "###", percent(cw + mw + pw, cs + ms + ps));
  } else {
    m.setText(row, column, "0");
  }
}

void writeTWMARK(CardMatrix& m, int row) {
  const bool strong = !m.scratched(row) && m.value(row, col::kTW) >= kStrongWinPercent;
  m.setText(row, col::kTWMARK, strong ? kStrongTrainer : kNoMark);
}

// A category that wins often qualifies even for a scratched horse; one that only pays
// needs a horse that runs.
void writeKEYSTAT(CardMatrix& m, int row) {
  const bool scratched = m.scratched(row);
  for (int c = 0; c < KeyStatCategories::kCount; ++c) {
    const long double win = m.value(row, field::kKeyStats.winPercent(c));
    const long double paid = m.value(row, field::kKeyStats.returnOnInvestment(c));
    if (win >= kStrongWinPercent || (paid > 0 && !scratched)) {
      m.setText(row, col::kKEYSTAT, Format("###", win) + "  " + Format("##.##", paid));
      return;
    }
  }
  m.setText(row, col::kKEYSTAT, "");
}

}  // namespace

void computeConnections(CardMatrix& m, int row) {
  writeWinPercent(m, row, kTrainerRecords, col::kTW);
  writeWinPercent(m, row, kJockeyRecords, col::kJWIN);
  writeTWMARK(m, row);
  writeKEYSTAT(m, row);
}

}  // namespace kestravo
