#include "tools/samplecard/race_plan.h"

#include <array>
#include <utility>

namespace kestravo::samplecard {

namespace {

struct RaceShape {
  RaceKind kind;
  Surface surface;
};

// A day of racing: cheap claimers and maidens round the stakes race, one race on the
// all-weather course, a few on the grass. Cards longer than this repeat it without another
// all-weather race.
constexpr std::array<RaceShape, 12> kCardShape = {{
    {RaceKind::Claiming, Surface::AllWeather},
    {RaceKind::MaidenSpecialWeight, Surface::Dirt},
    {RaceKind::Claiming, Surface::Dirt},
    {RaceKind::MaidenClaiming, Surface::Dirt},
    {RaceKind::Allowance, Surface::Turf},
    {RaceKind::Claiming, Surface::Dirt},
    {RaceKind::MaidenSpecialWeight, Surface::Turf},
    {RaceKind::OptionalClaiming, Surface::Dirt},
    {RaceKind::Stakes, Surface::Turf},
    {RaceKind::Claiming, Surface::Dirt},
    {RaceKind::Allowance, Surface::Dirt},
    {RaceKind::MaidenClaiming, Surface::Turf},
}};

constexpr std::array<std::string_view, 8> kStakesNames = {
    "Wrenfield S",  "Larkmoor S",  "Copperbeck S", "Ashgrove S",
    "Fallowmere S", "Glenmarch S", "Redwater S",   "Tullybrook S"};

constexpr std::array<int, 5> kDirtSprints = {1100, 1210, 1320, 1430, 1540};
constexpr std::array<int, 5> kDirtRoutes = {1760, 1830, 1870, 1980, 2200};
constexpr std::array<int, 2> kTurfSprints = {1100, 1210};
constexpr std::array<int, 6> kTurfRoutes = {1650, 1760, 1870, 1980, 2090, 2200};
constexpr std::array<int, 3> kAllWeatherSprints = {1320, 1430, 1540};
constexpr std::array<int, 3> kAllWeatherRoutes = {1650, 1760, 1870};

// Winning times of a race run to a speed figure of 80, in hundredths, by distance in yards.
constexpr std::array<std::pair<int, int>, 13> kTimeAtEighty = {{{1100, 5860},
                                                                {1210, 6500},
                                                                {1320, 7120},
                                                                {1430, 7760},
                                                                {1540, 8400},
                                                                {1650, 9050},
                                                                {1760, 9740},
                                                                {1830, 10150},
                                                                {1870, 10400},
                                                                {1980, 11080},
                                                                {2090, 11760},
                                                                {2200, 12440},
                                                                {2420, 13800}}};

std::string claimingPrice(int price) { return std::to_string(price); }

// Restrictions open to the kind of race, as age letter, ONLY/UP and sex letter.
std::string pickRestriction(Rng& rng, RaceKind kind, bool twoYearOldsRacing, bool threeOnly) {
  if (twoYearOldsRacing && (kind == RaceKind::MaidenSpecialWeight || kind == RaceKind::Stakes) &&
      rng.percent(60)) {
    return rng.percent(50) ? "AON" : "AOF";
  }
  if (threeOnly && rng.percent(35)) return "BON";
  switch (kind) {
    case RaceKind::MaidenClaiming:
      return rng.pick(std::array<const char*, 3>{"BUN", "BUM", "CUN"});
    case RaceKind::Claiming:
      return rng.pick(std::array<const char*, 5>{"BUN", "CUN", "BUM", "HUN", "BUN"});
    case RaceKind::OptionalClaiming:
      return rng.pick(std::array<const char*, 3>{"BUN", "CUN", "BUM"});
    default:
      return rng.pick(std::array<const char*, 3>{"BUN", "BUM", "BUN"});
  }
}

// Youngest and oldest runners the restriction lets in. "All ages" races in practice draw
// three-year-olds and up.
std::pair<int, int> ageRange(const std::string& restriction) {
  int youngest = 3;
  int oldest = 3;
  switch (restriction[0]) {
    case 'A':
      youngest = oldest = 2;
      break;
    case 'B':
      youngest = oldest = 3;
      break;
    case 'C':
      youngest = oldest = 4;
      break;
    case 'D':
      youngest = oldest = 5;
      break;
    case 'E':
      youngest = 3;
      oldest = 4;
      break;
    case 'F':
      youngest = 4;
      oldest = 5;
      break;
    case 'G':
      youngest = 3;
      oldest = 5;
      break;
    default:
      youngest = 3;
      oldest = 8;
      break;
  }
  if (restriction[1] == 'U') oldest = 8;
  return {youngest, oldest};
}

}  // namespace

bool isMaiden(RaceKind kind) {
  return kind == RaceKind::MaidenClaiming || kind == RaceKind::MaidenSpecialWeight;
}

std::string_view raceTypeCode(RaceKind kind) {
  switch (kind) {
    case RaceKind::MaidenClaiming:
      return "M";
    case RaceKind::MaidenSpecialWeight:
      return "S";
    case RaceKind::Claiming:
      return "C";
    case RaceKind::Allowance:
      return "A";
    case RaceKind::OptionalClaiming:
      return "N";
    case RaceKind::Stakes:
      return "T";
  }
  return "C";
}

std::string_view surfaceCode(Surface surface) { return surface == Surface::Turf ? "T" : "D"; }

ClassLevel makeClassLevel(Rng& rng, RaceKind kind) {
  ClassLevel level;
  level.kind = kind;
  switch (kind) {
    case RaceKind::MaidenClaiming: {
      static constexpr std::array<int, 6> kPrices = {16000, 20000, 25000, 30000, 40000, 50000};
      const int i = rng.between(0, static_cast<int>(kPrices.size()) - 1);
      level.classification = "Md " + claimingPrice(kPrices[static_cast<std::size_t>(i)]);
      level.purse = 16000 + 2000 * i + 1000 * rng.between(0, 2);
      level.speedPar = 60 + 3 * i + rng.between(0, 2);
      break;
    }
    case RaceKind::MaidenSpecialWeight: {
      const int i = rng.between(0, 9);
      level.purse = 45000 + 5000 * i;
      level.classification = "Md Sp Wt " + std::to_string(level.purse / 1000) + "k";
      level.speedPar = 72 + i;
      break;
    }
    case RaceKind::Claiming: {
      static constexpr std::array<int, 12> kPrices = {5000,  6250,  8000,  10000, 12500, 16000,
                                                      20000, 25000, 32000, 40000, 50000, 62500};
      const int i = rng.between(0, static_cast<int>(kPrices.size()) - 1);
      level.classification = "Clm " + claimingPrice(kPrices[static_cast<std::size_t>(i)]);
      level.purse = 12000 + 2500 * i + 500 * rng.between(0, 4);
      level.speedPar = 62 + 2 * i + rng.between(0, 2);
      break;
    }
    case RaceKind::Allowance: {
      const int i = rng.between(0, 8);
      const bool secondLevel = rng.percent(40);
      level.purse = 58000 + 4000 * i;
      level.classification = "Alw " + std::to_string(level.purse) + (secondLevel ? "n2x" : "n1x");
      level.speedPar = 80 + i + (secondLevel ? 3 : 0);
      break;
    }
    case RaceKind::OptionalClaiming: {
      static constexpr std::array<int, 4> kPrices = {40000, 50000, 62500, 80000};
      const int i = rng.between(0, static_cast<int>(kPrices.size()) - 1);
      const int level1 = rng.between(1, 3);
      level.classification = "OC " + std::to_string(kPrices[static_cast<std::size_t>(i)] / 1000) +
                             "k/n" + std::to_string(level1) + "x";
      level.purse = 65000 + 8000 * i + 1000 * rng.between(0, 5);
      level.speedPar = 86 + 2 * i + level1;
      break;
    }
    case RaceKind::Stakes: {
      static constexpr std::array<int, 5> kPurses = {100000, 125000, 150000, 200000, 250000};
      const int i = rng.between(0, static_cast<int>(kPurses.size()) - 1);
      level.classification = std::string(rng.pick(kStakesNames));
      level.purse = kPurses[static_cast<std::size_t>(i)];
      level.speedPar = 92 + 2 * i + rng.between(0, 2);
      break;
    }
  }
  return level;
}

int pickDistance(Rng& rng, Surface surface, bool sprint) {
  switch (surface) {
    case Surface::Dirt:
      return sprint ? rng.pick(kDirtSprints) : rng.pick(kDirtRoutes);
    case Surface::AllWeather:
      return sprint ? rng.pick(kAllWeatherSprints) : rng.pick(kAllWeatherRoutes);
    case Surface::Turf: {
      const int yards = sprint ? rng.pick(kTurfSprints) : rng.pick(kTurfRoutes);
      return rng.percent(25) ? -yards : yards;
    }
  }
  return 1320;
}

std::vector<RaceConditions> planCard(Rng& rng, int races, int month) {
  std::vector<RaceConditions> card;
  const bool twoYearOldsRacing = month >= 6;
  const bool threeOnly = month <= 6;
  bool aboutDistance = false;
  for (int i = 0; i < races; ++i) {
    // A one-race card is a maiden race; repeats of the day's shape stay off the all-weather.
    RaceShape shape =
        races == 1 ? kCardShape[1] : kCardShape[static_cast<std::size_t>(i) % kCardShape.size()];
    if (i >= static_cast<int>(kCardShape.size()) && shape.surface == Surface::AllWeather) {
      shape.surface = Surface::Dirt;
    }
    RaceConditions race;
    race.level = makeClassLevel(rng, shape.kind);
    race.surface = shape.surface;
    race.restriction = pickRestriction(rng, shape.kind, twoYearOldsRacing, threeOnly);
    const auto [youngest, oldest] = ageRange(race.restriction);
    race.minAge = youngest;
    race.maxAge = oldest;
    // Two-year-olds sprint; turf races are mostly routes.
    const bool sprint = youngest == 2                    ? true
                        : shape.surface == Surface::Turf ? rng.percent(25)
                                                         : rng.percent(60);
    race.distance = pickDistance(rng, shape.surface, sprint);
    // The first turf route of the card is run at about the distance, as turf courses with a
    // moved rail are.
    if (shape.surface == Surface::Turf && !sprint && !aboutDistance)
      race.distance = -absYards(race.distance);
    if (race.distance < 0) aboutDistance = true;
    card.push_back(std::move(race));
  }
  return card;
}

int finalTimeCents(int distance, Surface surface, int winnerFigure) {
  const int yards = absYards(distance);
  int atEighty = kTimeAtEighty.back().second;
  if (yards <= kTimeAtEighty.front().first) {
    atEighty = kTimeAtEighty.front().second * yards / kTimeAtEighty.front().first;
  } else {
    for (std::size_t i = 1; i < kTimeAtEighty.size(); ++i) {
      const auto [y0, t0] = kTimeAtEighty[i - 1];
      const auto [y1, t1] = kTimeAtEighty[i];
      if (yards <= y1) {
        atEighty = t0 + (t1 - t0) * (yards - y0) / (y1 - y0);
        break;
      }
    }
  }
  if (surface == Surface::Turf && !isSprint(distance)) atEighty -= 60;
  if (surface == Surface::AllWeather) atEighty += 30;
  // A speed-figure point is worth about a tenth of a second at six furlongs, more further on.
  return atEighty - (winnerFigure - 80) * yards / 110;
}

int firstFractionCents(Rng& rng, int distance, Surface surface, int winnerFigure) {
  const int yards = absYards(distance);
  int base = yards <= 1100   ? 2190
             : yards <= 1320 ? 2215
             : yards <= 1540 ? 2245
             : yards <= 1760 ? 2330
                             : 2380;
  if (surface == Surface::Turf && !isSprint(distance)) base += 40;
  int cents = base - (winnerFigure - 80) * 2 + rng.between(-35, 35);
  if (cents < 2130) cents = 2130;
  if (cents > 2480) cents = 2480;
  return cents;
}

int pointsToLengths(int points, int distance) { return points * absYards(distance) * 10 / 264; }

int lengthsToPoints(int lengths, int distance) {
  const int yards = absYards(distance);
  return (lengths * 264 + yards * 5) / (yards * 10);
}

}  // namespace kestravo::samplecard
