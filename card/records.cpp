#include "card/records.h"

#include <array>
#include <string_view>

#include "card/card_matrix.h"
#include "card/columns.h"
#include "card/single.h"

namespace kestravo {

namespace {

// A win counts six times a show, a place twice.
constexpr long double kWinWeight = single(0.6f);
constexpr long double kPlaceWeight = single(0.2f);
constexpr long double kShowWeight = single(0.1f);

constexpr long double kPercent = 100;

struct APVRecord {
  RecordFields record;
  int column;
  FigureMask mask;
};

// The first yearly record has room for five digits; the others overflow their "###".
constexpr APVRecord kLifetime{field::kLifetimeRecord, col::kAPVLifetime, "###"};
constexpr APVRecord kFirstYear{field::kFirstYearRecord, col::kAPVFirstYear, "#####"};
constexpr APVRecord kSecondYear{field::kSecondYearRecord, col::kAPVSecondYear, "###"};
constexpr std::array<APVRecord, 5> kOtherRecords = {{
    {field::kDistanceRecord, col::kAPVDistance, "###"},
    {field::kTrackRecord, col::kAPVTrack, "###"},
    {field::kDirtRecord, col::kAPVDirt, "###"},
    {field::kTurfRecord, col::kAPVTurf, "###"},
    {field::kAllWeatherRecord, col::kAPVAllWeather, "###"},
}};

struct Finishes {
  long double wins;
  long double places;
  long double shows;
  long double earnings;

  bool none() const { return wins == 0 && places == 0 && shows == 0; }
};

Finishes finishes(const CardMatrix& m, int row, RecordFields r) {
  return {m.value(row, r.wins()), m.value(row, r.places()), m.value(row, r.shows()),
          m.value(row, r.earnings())};
}

// Earnings over the weighted finishes. Negative counts in a record can cancel the weight to
// exactly 0; the figure is then 0, as the mask would show the infinite quotient.
long double apv(long double earnings, long double wins, long double places, long double shows) {
  const long double weight = kWinWeight * wins + kPlaceWeight * places + kShowWeight * shows;
  return weight == 0 ? 0 : earnings / weight;
}

// A record without starts has no figure, and its finishes are not read.
void recordAPV(CardMatrix& m, int row, bool scratched, const APVRecord& a) {
  const bool started = !scratched && m.value(row, a.record.starts()) > 0;
  const Finishes f = started ? finishes(m, row, a.record) : Finishes{};
  if (!started || f.none()) {
    m.setText(row, a.column, "0");
    return;
  }
  m.setMasked(row, a.column, a.mask, apv(f.earnings, f.wins, f.places, f.shows));
}

// Both yearly records as one: a horse needs starts in each year.
void yearsAPV(CardMatrix& m, int row, bool scratched) {
  const bool bothYears = !scratched && m.value(row, field::kFirstYearRecord.starts()) > 0 &&
                         m.value(row, field::kSecondYearRecord.starts()) > 0;
  const Finishes y1 = bothYears ? finishes(m, row, field::kFirstYearRecord) : Finishes{};
  const Finishes y2 = bothYears ? finishes(m, row, field::kSecondYearRecord) : Finishes{};
  if (!bothYears || (y1.none() && y2.none())) {
    m.setText(row, col::kAPVYears, "0");
    return;
  }
  m.setMasked(row, col::kAPVYears, "###",
              apv(y1.earnings + y2.earnings, y1.wins + y2.wins, y1.places + y2.places,
                  y1.shows + y2.shows));
}

}  // namespace

void computeAPV(CardMatrix& m, int row) {
  const bool scratched = m.scratched(row);
  recordAPV(m, row, scratched, kLifetime);
  recordAPV(m, row, scratched, kFirstYear);
  recordAPV(m, row, scratched, kSecondYear);
  yearsAPV(m, row, scratched);
  for (const APVRecord& a : kOtherRecords) recordAPV(m, row, scratched, a);
}

void computeInTheMoneyPercent(CardMatrix& m, int row) {
  const RecordFields r = field::kLifetimeRecord;
  const long double starts = m.value(row, r.starts());
  const bool started = !m.scratched(row) && starts > 0;
  const Finishes f = started ? finishes(m, row, r) : Finishes{};
  if (!started || !(f.wins > 0 || f.places > 0 || f.shows > 0)) {
    m.setText(row, col::kInTheMoneyPercent, "0");
    return;
  }
  m.setMasked(row, col::kInTheMoneyPercent, "###",
              kPercent * (f.wins + f.places + f.shows) / starts);
}

}  // namespace kestravo
