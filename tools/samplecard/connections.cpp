#include "tools/samplecard/connections.h"

#include <algorithm>
#include <stdexcept>

namespace kestravo::samplecard {

namespace {

constexpr std::array<std::string_view, 20> kTrainerNames = {
    "Ashdown Mara",  "Brevik Tomas", "Calloway Ines",  "Dunmore Felix", "Eskridge Paul",
    "Fairlie Joan",  "Garrow Emil",  "Hartigan Lou",   "Ilsley Dana",   "Jorvik Sam",
    "Kettering Ada", "Lusk Orrin",   "Marchetti Vito", "Nyland Greta",  "Oakes Bram",
    "Pelletier Roy", "Quarles Nan",  "Rosenthal Ike",  "Stroud Cal",    "Tennant Wade"};

constexpr std::array<std::string_view, 24> kJockeyNames = {
    "Alcantar Dario", "Beaumont Lise", "Carvalho Meno", "Delacroix Remy", "Espinal Teo",
    "Fontaine Jules", "Galvano Oren",  "Hollis Kade",   "Ibarrola Sol",   "Jaramon Eli",
    "Kowalik Piet",   "Laroche Ana",   "Mendivil Cruz", "Navasco Gil",    "Ortolan Vic",
    "Pachano Hugo",   "Quintal Bea",   "Rivaldo Nico",  "Salcedo Ivo",    "Tavira Uli",
    "Urbano Wes",     "Valdivia Yuri", "Whitcombe Rae", "Zarandi Leo"};

// Where the trainers' strings are stabled; all are tracks of the workout track table.
constexpr std::array<std::string_view, 20> kStableTracks = {
    "SA", "SAR", "BEL",  "AQU",   "CD",  "KEE", "GP",  "PMM", "TTC", "FG",
    "OP", "PBD", "SATR", "BELTR", "CDT", "LRL", "TAM", "SPT", "HAW", "DMR"};

constexpr std::array<std::string_view, 50> kFirstWords = {
    "Silver",   "Copper",  "Midnight", "Velvet",  "Northern", "Gilded",  "Rustic",  "Quiet",
    "Restless", "Crimson", "Amber",    "Harbor",  "Winter",   "Lucky",   "Brave",   "Wild",
    "Hidden",   "Royal",   "Distant",  "Golden",  "Misty",    "Iron",    "Cobalt",  "Saffron",
    "Stormy",   "Thunder", "Granite",  "Prairie", "Desert",   "Coastal", "Scarlet", "Marble",
    "Bold",     "Clever",  "Jolly",    "Secret",  "Silent",   "Swift",   "Tall",    "Dusty",
    "Frosty",   "Lunar",   "Solar",    "Cedar",   "Maple",    "Willow",  "Rolling", "Dancing",
    "Flying",   "Sunday"};

constexpr std::array<std::string_view, 50> kSecondWords = {
    "Arrow",   "Bandit",   "Comet",   "Drifter", "Echo",   "Falcon",  "Gambit",  "Heron",
    "Jester",  "Kestrel",  "Lantern", "Mariner", "Nomad",  "Outlaw",  "Pilgrim", "Quest",
    "Rascal",  "Sparrow",  "Tempest", "Voyager", "Warden", "Zephyr",  "Ember",   "Ridge",
    "Meadow",  "Crossing", "Legend",  "Promise", "Rhythm", "Spirit",  "Sonnet",  "Treaty",
    "Venture", "Whisper",  "Wonder",  "Harvest", "Lagoon", "Courage", "Drummer", "Dream",
    "Express", "Fortune",  "Gale",    "Journey", "Lark",   "Melody",  "Parade",  "Rebel",
    "Runner",  "Story"};

constexpr std::size_t kMaxNameLength = 18;

enum Category {
  kFirstTimeStarter,
  kDebutMaidenSpecial,
  kDebutMaidenClaiming,
  kAway31To60,
  kAway61To180,
  kAwayOver180,
  kSecondOffLayoff,
  kDirtToTurf,
  kTurfToDirt,
  kSprintToRoute,
  kRouteToSprint,
  kMaidenSpecial,
  kMaidenClaiming,
  kClaiming,
  kAllowance,
  kOptionalClaiming,
  kStakes,
  kTurf,
  kDirt,
  kAllWeather,
  kSprints,
  kRoutes,
  kWonLastStart,
  kBeatenFavorites,
  kShippers,
  kBlinkersOn,
  kJockeySwitch,
  kSecondCareerStart,
  kCategoryCount
};

constexpr std::array<std::string_view, kCategoryCount> kCategoryNames = {"1st Time Starter",
                                                                         "Debut in Maiden Sp Wt",
                                                                         "Debut in Maiden Claiming",
                                                                         "31-60 Days Away",
                                                                         "61-180 Days Away",
                                                                         "180+ Days Away",
                                                                         "2nd Start Off Layoff",
                                                                         "Dirt to Turf",
                                                                         "Turf to Dirt",
                                                                         "Sprint to Route",
                                                                         "Route to Sprint",
                                                                         "Maiden Sp Wt",
                                                                         "Maiden Claiming",
                                                                         "Claiming",
                                                                         "Allowance",
                                                                         "Optional Claiming",
                                                                         "Stakes",
                                                                         "Turf",
                                                                         "Dirt",
                                                                         "All-Weather",
                                                                         "Sprints",
                                                                         "Routes",
                                                                         "Won Last Start",
                                                                         "Beaten Favorites",
                                                                         "Shippers",
                                                                         "Blinkers On",
                                                                         "Jockey Switch",
                                                                         "2nd Career Start"};

// Salts that keep the streams of pairings and key categories apart from each other.
constexpr std::uint64_t kPairingSalt = 0x50414952ULL << 16;
constexpr std::uint64_t kCategorySalt = 0x4B455953ULL << 16;

// Wins, places and shows that fit the starts and the win rate, never more than the starts.
Tally makeTally(Rng& rng, int starts, int winRate) {
  Tally tally;
  tally.starts = starts;
  tally.wins = std::clamp(starts * winRate / 100 + rng.between(-2, 2), 0, starts);
  tally.places =
      std::clamp(starts * winRate * 9 / 1000 + rng.between(-2, 2), 0, starts - tally.wins);
  tally.shows = std::clamp(starts * winRate * 8 / 1000 + rng.between(-2, 2), 0,
                           starts - tally.wins - tally.places);
  return tally;
}

YearRecord makeYear(Rng& rng, int starts, int winRate) {
  YearRecord year;
  year.tally = makeTally(rng, starts, winRate);
  year.returnCents = std::max(0, 100 + winRate * 5 + rng.between(-40, 40));
  return year;
}

template <std::size_t N>
std::vector<Person> makePeople(Rng& rng, const std::array<std::string_view, N>& names) {
  std::vector<Person> people;
  for (const std::string_view name : names) {
    Person person;
    person.name = std::string(name);
    people.push_back(std::move(person));
  }
  rng.shuffle(people);
  return people;
}

}  // namespace

std::vector<Person> makeTrainers(Rng& rng) {
  // A few big stables saddle most of the card.
  static constexpr std::array<int, 20> kStringSizes = {14, 12, 11, 10, 9, 8, 7, 6, 5, 5,
                                                       4,  4,  3,  3,  3, 2, 2, 2, 1, 1};
  std::vector<Person> trainers = makePeople(rng, kTrainerNames);
  for (std::size_t i = 0; i < trainers.size(); ++i) {
    Person& trainer = trainers[i];
    trainer.weight = kStringSizes[i];
    trainer.winRate = rng.between(6, 28);
    trainer.meet = makeTally(rng, rng.between(3, 8) + trainer.weight * 3, trainer.winRate);
    trainer.currentYear = makeYear(rng, rng.between(80, 450), trainer.winRate);
    // One draw per statement: the order in which a call's arguments are evaluated is up to
    // the compiler, and the card must come out the same from every compiler.
    const int previousRate = trainer.winRate + rng.between(-3, 3);
    const int previousStarts = rng.between(60, 450);
    trainer.previousYear = makeYear(rng, previousStarts, previousRate);
    trainer.workoutTrack = std::string(rng.pick(kStableTracks));
  }
  return trainers;
}

std::vector<Person> makeJockeys(Rng& rng) {
  std::vector<Person> jockeys = makePeople(rng, kJockeyNames);
  for (Person& jockey : jockeys) {
    jockey.winRate = rng.between(5, 24);
    jockey.meet = makeTally(rng, rng.between(10, 90), jockey.winRate);
    jockey.currentYear = makeYear(rng, rng.between(200, 900), jockey.winRate);
    const int previousRate = jockey.winRate + rng.between(-3, 3);
    const int previousStarts = rng.between(150, 900);
    jockey.previousYear = makeYear(rng, previousStarts, previousRate);
  }
  return jockeys;
}

Pairing makePairing(std::uint64_t cardSeed, std::size_t trainerIndex, const Person& trainer,
                    std::size_t jockeyIndex, const Person& jockey) {
  Rng rng(mixSeed(cardSeed, kPairingSalt + trainerIndex * 64 + jockeyIndex));
  const int rate = std::clamp((trainer.winRate + jockey.winRate) / 2 + rng.between(-5, 8), 0, 60);
  Pairing pairing;
  pairing.currentYear.tally = makeTally(rng, rng.between(0, 40), rate);
  const Tally& year = pairing.currentYear.tally;
  const int meetStarts =
      rng.between(0, std::min({year.starts, trainer.meet.starts, jockey.meet.starts, 12}));
  Tally meet = makeTally(rng, meetStarts, rate);
  meet.wins = std::min(meet.wins, year.wins);
  meet.places = std::min(meet.places, year.places);
  meet.shows = std::min(meet.shows, year.shows);
  pairing.meet.tally = meet;
  pairing.currentYear.returnCents = year.wins > 0 ? rng.between(40, 380) : 0;
  pairing.meet.returnCents = meet.wins > 0 ? rng.between(40, 380) : 0;
  return pairing;
}

std::array<KeyCategory, 6> keyCategories(std::uint64_t cardSeed, std::size_t trainerIndex,
                                         const Person& trainer, const Horse& horse,
                                         const RaceConditions& race, std::string_view trackCode,
                                         int raceDay) {
  std::vector<Category> picks;
  const auto add = [&picks](Category category) {
    if (picks.size() < 6 && std::find(picks.begin(), picks.end(), category) == picks.end()) {
      picks.push_back(category);
    }
  };
  const RaceKind kind = race.level.kind;
  if (horse.career.empty()) {
    add(kFirstTimeStarter);
    add(kind == RaceKind::MaidenSpecialWeight ? kDebutMaidenSpecial : kDebutMaidenClaiming);
  } else {
    const PastRace& last = horse.career.front();
    const int away = raceDay - last.day;
    if (away > 180) {
      add(kAwayOver180);
    } else if (away > 60) {
      add(kAway61To180);
    } else if (away > 30) {
      add(kAway31To60);
    }
    if (horse.career.size() == 1) add(kSecondCareerStart);
    if (horse.career.size() >= 2 && last.day - horse.career[1].day > 60) add(kSecondOffLayoff);
    if (last.surface != Surface::Turf && race.surface == Surface::Turf) add(kDirtToTurf);
    if (last.surface == Surface::Turf && race.surface != Surface::Turf) add(kTurfToDirt);
    if (isSprint(last.distance) && !isSprint(race.distance)) add(kSprintToRoute);
    if (!isSprint(last.distance) && isSprint(race.distance)) add(kRouteToSprint);
    if (last.finish() == 1) add(kWonLastStart);
    if (last.finish() > 1 && last.oddsCents < 250) add(kBeatenFavorites);
    if (last.track != trackCode) add(kShippers);
  }
  static constexpr std::array<Category, 6> kByKind = {kMaidenClaiming, kMaidenSpecial,    kClaiming,
                                                      kAllowance,      kOptionalClaiming, kStakes};
  add(kByKind[static_cast<std::size_t>(kind)]);
  add(race.surface == Surface::Turf         ? kTurf
      : race.surface == Surface::AllWeather ? kAllWeather
                                            : kDirt);
  add(isSprint(race.distance) ? kSprints : kRoutes);
  for (const Category filler :
       {kBlinkersOn, kJockeySwitch, kShippers, kBeatenFavorites, kClaiming, kAllowance}) {
    add(filler);
  }

  std::array<KeyCategory, 6> categories;
  for (std::size_t c = 0; c < categories.size(); ++c) {
    Rng rng(mixSeed(cardSeed,
                    kCategorySalt + trainerIndex * 64 + static_cast<std::uint64_t>(picks[c])));
    KeyCategory& category = categories[c];
    category.name = std::string(kCategoryNames[static_cast<std::size_t>(picks[c])]);
    category.starts = rng.between(4, 140);
    category.winPercent = std::clamp(trainer.winRate + rng.between(-8, 10), 0, 45);
    category.inTheMoneyPercent = std::min(100, category.winPercent + rng.between(12, 35));
    category.returnCents = std::min(400, category.winPercent * rng.between(500, 1300) / 100 - 200);
  }
  return categories;
}

std::string NameBook::next(Rng& rng) {
  const auto join = [](std::string_view first, std::string_view second) {
    return std::string(first) + " " + std::string(second);
  };
  for (int attempt = 0; attempt < 40; ++attempt) {
    const std::string_view second = rng.pick(kSecondWords);
    const std::string_view first = rng.pick(kFirstWords);
    std::string name = join(first, second);
    if (name.size() <= kMaxNameLength && used_.insert(name).second) return name;
  }
  // A crowded book: take the first free name in order.
  for (const std::string_view first : kFirstWords) {
    for (const std::string_view second : kSecondWords) {
      std::string name = join(first, second);
      if (name.size() <= kMaxNameLength && used_.insert(name).second) return name;
    }
  }
  // More horses than two-word names: a card of at most 99 races of 20 cannot get here.
  throw std::logic_error("no horse name left");
}

}  // namespace kestravo::samplecard
