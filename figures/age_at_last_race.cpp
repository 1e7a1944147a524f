#include "figures/age_at_last_race.h"

#include <string_view>

#include "card/card_matrix.h"
#include "card/fields.h"
#include "figures/columns.h"
#include "format/numeric.h"

namespace kestravo {

void computeAGELR(CardMatrix& m, int row) {
  if (m.scratched(row)) {
    m.setText(row, col::kAGELR, "");
    return;
  }
  // The year's last two digits stand third and fourth in YYYYMMDD; a shorter date gives
  // what it has of them.
  const std::string_view date = m.text(row, field::kPastDate.race(1));
  const std::string_view year = date.size() > 2 ? date.substr(2, 2) : std::string_view();
  m.setMasked(row, col::kAGELR, "##", numericValue(year) - m.value(row, field::kBirthYear));
}

}  // namespace kestravo
