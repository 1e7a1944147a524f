#include "tools/samplecard/sample_card.h"

#include <algorithm>
#include <cstdlib>
#include <numeric>
#include <stdexcept>
#include <vector>

#include "tools/samplecard/calendar.h"
#include "tools/samplecard/connections.h"
#include "tools/samplecard/fields.h"
#include "tools/samplecard/horses.h"
#include "tools/samplecard/race_plan.h"
#include "tools/samplecard/record_writer.h"
#include "tools/samplecard/rng.h"

namespace kestravo {

using namespace samplecard;

namespace {

constexpr int kMaxRaces = 99;
constexpr int kMaxEntries = 20;
constexpr int kFirstYear = 2010;
constexpr int kLastYear = 2035;
constexpr std::uint64_t kCardSalt = 0x4B5356ULL;

// Morning lines in tenths: 4-5, even money, 6-5, 3-2, 9-5, 2-1, 5-2 and on to 50-1.
constexpr std::array<int, 20> kMorningLineLadder = {8,  10, 12, 15, 18,  20,  25,  30,  35,  40,
                                                    45, 50, 60, 80, 100, 120, 150, 200, 300, 500};

struct HorseRecord {
  int starts = 0;
  int wins = 0;
  int places = 0;
  int shows = 0;
  long long earnings = 0;
};

template <typename Counts>
HorseRecord recordOf(const Horse& horse, Counts counts) {
  HorseRecord record;
  for (const PastRace& race : horse.career) {
    if (!counts(race)) continue;
    ++record.starts;
    record.wins += race.finish() == 1 ? 1 : 0;
    record.places += race.finish() == 2 ? 1 : 0;
    record.shows += race.finish() == 3 ? 1 : 0;
    record.earnings += race.earnings;
  }
  return record;
}

void writeRecord(RecordWriter& out, int start, const HorseRecord& record) {
  out.whole(recordItem(start, kStarts), record.starts);
  out.whole(recordItem(start, kWins), record.wins);
  out.whole(recordItem(start, kPlaces), record.places);
  out.whole(recordItem(start, kShows), record.shows);
  out.whole(recordItem(start, kEarnings), record.earnings);
}

void writeTally(RecordWriter& out, int start, const Tally& tally) {
  out.whole(recordItem(start, kStarts), tally.starts);
  out.whole(recordItem(start, kWins), tally.wins);
  out.whole(recordItem(start, kPlaces), tally.places);
  out.whole(recordItem(start, kShows), tally.shows);
}

void writeYear(RecordWriter& out, int start, const YearRecord& year) {
  writeTally(out, start, year.tally);
  out.decimal(recordItem(start, kReturnOnTwoDollars), year.returnCents, 2);
}

std::string twoDigits(int value) {
  const int v = value % 100;
  return std::string(1, static_cast<char>('0' + v / 10)) + static_cast<char>('0' + v % 10);
}

void writePastRaces(RecordWriter& out, const Horse& horse) {
  const int starts = static_cast<int>(horse.career.size());
  for (int j = 1; j <= std::min(starts, kPastRaceCount); ++j) {
    const PastRace& race = horse.career[static_cast<std::size_t>(j - 1)];
    out.bare(pastRace(block::kRaceDate, j), dateText(race.day));
    if (j < starts) {
      out.whole(pastRace(block::kDayGap, j),
                race.day - horse.career[static_cast<std::size_t>(j)].day);
    }
    out.text(pastRace(block::kTrack, j), race.track);
    out.whole(pastRace(block::kRaceNumber, j), race.raceNumber);
    out.text(pastRace(block::kCondition, j), race.condition);
    out.whole(pastRace(block::kDistance, j), race.distance);
    out.text(pastRace(block::kSurface, j), surfaceCode(race.surface));
    out.whole(pastRace(block::kStarters, j), race.starters);
    out.text(pastRace(block::kComment, j), race.comment);
    out.whole(pastRace(block::kWeight, j), race.weight);
    out.decimal(pastRace(block::kOdds, j), race.oddsCents, 2);
    out.text(pastRace(block::kClassification, j), race.level.classification);
    out.whole(pastRace(block::kPurse, j), race.level.purse);

    static constexpr std::array<std::array<int, 3>, 4> kCallBlocks = {{
        {block::kFirstCallPosition, block::kFirstCallLead, block::kFirstCallBehind},
        {block::kSecondCallPosition, block::kSecondCallLead, block::kSecondCallBehind},
        {block::kStretchPosition, block::kStretchLead, block::kStretchBehind},
        {block::kFinishPosition, block::kFinishLead, block::kFinishBehind},
    }};
    for (std::size_t c = 0; c < kCallBlocks.size(); ++c) {
      const Call& call = race.calls[c];
      out.whole(pastRace(kCallBlocks[c][0], j), call.position);
      out.decimal(pastRace(kCallBlocks[c][1], j), call.leadMargin, 2);
      out.decimal(pastRace(kCallBlocks[c][2], j), call.behind, 2);
    }

    static constexpr std::array<int, 4> kPaceBlocks = {block::kPaceFigure1, block::kPaceFigure2,
                                                       block::kPaceFigure3, block::kPaceFigure4};
    for (std::size_t p = 0; p < kPaceBlocks.size(); ++p) {
      out.whole(pastRace(kPaceBlocks[p], j), race.paceFigures[p]);
    }
    out.whole(pastRace(block::kLatePace, j), race.latePace);
    out.whole(pastRace(block::kClassFigure, j), race.classFigure);
    out.whole(pastRace(block::kSpeedFigure, j), race.speedFigure);
    out.decimal(pastRace(block::kFirstFraction, j), race.firstFractionCents, 2);
    out.decimal(pastRace(block::kFinalTime, j), race.finalTimeCents, 2);
    out.text(pastRace(block::kRaceTypeText, j), raceTypeCode(race.level.kind));
    if (race.surface == Surface::AllWeather) out.text(pastRace(block::kAllWeatherFlag, j), "A");
  }
}

void writeWorkouts(RecordWriter& out, const Horse& horse) {
  for (int w = 1; w <= static_cast<int>(horse.workouts.size()); ++w) {
    const Workout& work = horse.workouts[static_cast<std::size_t>(w - 1)];
    out.bare(workout(block::kWorkDate, w), dateText(work.day));
    out.decimal(workout(block::kWorkTime, w), work.timeTenths, 1);
    out.text(workout(block::kWorkTrack, w), work.track);
    out.whole(workout(block::kWorkDistance, w), work.distance);
    out.text(workout(block::kWorkCondition, w), work.condition);
    out.text(workout(block::kWorkDescription, w), work.description);
    if (work.trainingTrack) out.text(workout(block::kWorkTrainingTrack, w), "TR");
    out.whole(workout(block::kWorksThatDay, w), work.worksThatDay);
    out.whole(workout(block::kWorkRank, w), work.rank);
  }
}

struct CardPeople {
  std::vector<Person> trainers;
  std::vector<Person> jockeys;
};

struct EntryContext {
  const SampleCardOptions& options;
  std::uint64_t cardSeed;
  int raceDay;
  const CardPeople& people;
};

void writeEntry(std::string& file, const EntryContext& context, int raceNumber,
                const RaceConditions& race, const Horse& horse) {
  const Person& trainer = context.people.trainers[horse.trainer];
  const Person& jockey = context.people.jockeys[horse.jockey];
  const int year = civilFromDays(context.raceDay).year;
  RecordWriter out;

  out.text(field::kTrack, context.options.trackCode);
  out.bare(field::kRaceDate, context.options.raceDate);
  out.whole(field::kRaceNumber, raceNumber);
  out.whole(field::kPostPosition, horse.post);
  out.whole(field::kDistance, race.distance);
  out.text(field::kSurface, surfaceCode(race.surface));
  out.text(field::kRaceType, raceTypeCode(race.level.kind));
  out.text(field::kRestriction, race.restriction);
  out.text(field::kClassification, race.level.classification);
  out.whole(field::kPurse, race.level.purse);
  if (race.surface == Surface::AllWeather) out.text(field::kAllWeather, "A");

  out.text(field::kTrainer, trainer.name);
  writeTally(out, field::kTrainerMeet, trainer.meet);
  out.text(field::kJockey, jockey.name);
  writeTally(out, field::kJockeyMeet, jockey.meet);
  out.text(field::kProgramNumber, horse.program);
  out.shortDecimalField(field::kMorningLine, horse.morningLineTenths, 1);
  out.text(field::kHorseName, horse.name);
  out.bare(field::kYearOfBirth, twoDigits(horse.yearOfBirth));
  out.whole(field::kWeight, horse.weight);

  const int todayYards = absYards(race.distance);
  const std::string& trackCode = context.options.trackCode;
  writeRecord(out, field::kDistanceRecord, recordOf(horse, [&](const PastRace& r) {
                return absYards(r.distance) == todayYards;
              }));
  writeRecord(out, field::kTrackRecord,
              recordOf(horse, [&](const PastRace& r) { return r.track == trackCode; }));
  writeRecord(out, field::kTurfRecord,
              recordOf(horse, [](const PastRace& r) { return r.surface == Surface::Turf; }));
  writeRecord(out, field::kWetRecord,
              recordOf(horse, [](const PastRace& r) { return isWetTrack(r.condition); }));
  const auto inYear = [](int wanted) {
    return [wanted](const PastRace& r) { return civilFromDays(r.day).year == wanted; };
  };
  out.bare(field::kCurrentYear, std::to_string(year));
  writeRecord(out, field::kCurrentYearRecord, recordOf(horse, inYear(year)));
  out.bare(field::kPreviousYear, std::to_string(year - 1));
  writeRecord(out, field::kPreviousYearRecord, recordOf(horse, inYear(year - 1)));
  writeRecord(out, field::kLifetimeRecord, recordOf(horse, [](const PastRace&) { return true; }));
  writeRecord(out, field::kDirtRecord,
              recordOf(horse, [](const PastRace& r) { return r.surface == Surface::Dirt; }));
  writeRecord(out, field::kAllWeatherRecord,
              recordOf(horse, [](const PastRace& r) { return r.surface == Surface::AllWeather; }));

  writeWorkouts(out, horse);
  out.text(field::kRunningStyle, horse.firstTimeStarter ? "NA" : styleCode(horse.style));
  out.whole(field::kSpeedPoints, horse.speedPoints);
  out.whole(field::kSpeedPar, race.level.speedPar);
  out.whole(field::kPrime, horse.prime);

  const Pairing pairing =
      makePairing(context.cardSeed, horse.trainer, trainer, horse.jockey, jockey);
  writeYear(out, field::kTrainerJockeyYear, pairing.currentYear);
  writeYear(out, field::kTrainerJockeyMeet, pairing.meet);
  writeYear(out, field::kTrainerCurrentYear, trainer.currentYear);
  writeYear(out, field::kTrainerPreviousYear, trainer.previousYear);
  writeYear(out, field::kJockeyCurrentYear, jockey.currentYear);
  writeYear(out, field::kJockeyPreviousYear, jockey.previousYear);

  const auto categories = keyCategories(context.cardSeed, horse.trainer, trainer, horse, race,
                                        trackCode, context.raceDay);
  for (int c = 0; c < kKeyCategoryCount; ++c) {
    const KeyCategory& category = categories[static_cast<std::size_t>(c)];
    out.text(keyCategory(field::kKeyCategories, c, kKeyName), category.name);
    out.whole(keyCategory(field::kKeyCategories, c, kKeyStarts), category.starts);
    out.whole(keyCategory(field::kKeyCategories, c, kKeyWinPercent), category.winPercent);
    out.whole(keyCategory(field::kKeyCategories, c, kKeyInTheMoney), category.inTheMoneyPercent);
    out.decimal(keyCategory(field::kKeyCategories, c, kKeyReturn), category.returnCents, 2);
  }

  if (!horse.career.empty()) {
    out.whole(field::kDaysSinceLastRace, context.raceDay - horse.career.front().day);
    out.text(field::kLastRaceJockey, horse.career.front().jockey);
    static constexpr std::array<int, 4> kAddendFields = {
        field::kPowerAddend1, field::kPowerAddend2, field::kPowerAddend3, field::kPowerAddend4};
    for (std::size_t a = 0; a < kAddendFields.size(); ++a)
      out.whole(kAddendFields[a], horse.powerAddends[a]);
    writePastRaces(out, horse);
  }
  out.appendTo(file);
}

// Each horse's chance is the square of how far its prospects stand above the weakest in the
// field; the line shares out 120 per cent among the chances, as a morning line does, and
// takes the nearest rung of the ladder. A coupled entry is one betting interest: both horses
// get the price of their chances together.
void setMorningLines(Rng& rng, std::vector<Horse>& horses, int speedPar,
                     const std::vector<std::size_t>& coupled) {
  std::vector<int> prospects;
  for (const Horse& horse : horses) {
    prospects.push_back(horse.firstTimeStarter ? speedPar + rng.between(-12, 4)
                                               : horse.ability + rng.between(-6, 6));
  }
  const int weakest = *std::min_element(prospects.begin(), prospects.end());
  std::vector<long long> chances;
  long long total = 0;
  for (const int prospect : prospects) {
    const long long chance = (prospect - weakest + 6) * (prospect - weakest + 6);
    chances.push_back(chance);
    total += chance;
  }
  if (coupled.size() == 2) {
    chances[coupled[0]] = chances[coupled[1]] = chances[coupled[0]] + chances[coupled[1]];
  }
  for (std::size_t i = 0; i < horses.size(); ++i) {
    const long long fairTenths = 100 * total / (12 * chances[i]) - 10;
    int nearest = kMorningLineLadder.front();
    for (const int rung : kMorningLineLadder) {
      if (std::abs(rung - fairTenths) < std::abs(nearest - fairTenths)) nearest = rung;
    }
    horses[i].morningLineTenths = nearest;
  }
}

// Program numbers follow the posts, except in the race with a coupled entry: its two horses
// run as 1 and 1A and the others are numbered from 2 in post order.
void setProgramNumbers(std::vector<Horse>& horses, const std::vector<std::size_t>& coupled) {
  int next = coupled.empty() ? 1 : 2;
  for (std::size_t i = 0; i < horses.size(); ++i) {
    if (!coupled.empty() && i == coupled[0]) {
      horses[i].program = "1";
    } else if (!coupled.empty() && i == coupled[1]) {
      horses[i].program = "1A";
    } else {
      horses[i].program = std::to_string(next++);
    }
  }
}

// Two distinct posts of a field of n, in post order.
std::vector<std::size_t> twoPosts(Rng& rng, int n) {
  const auto a = static_cast<std::size_t>(rng.between(0, n - 1));
  auto b = static_cast<std::size_t>(rng.between(0, n - 2));
  if (b >= a) ++b;
  return {std::min(a, b), std::max(a, b)};
}

int firstTimerChance(const RaceConditions& race) {
  if (race.level.kind == RaceKind::MaidenSpecialWeight) return race.minAge == 2 ? 55 : 35;
  return race.level.kind == RaceKind::MaidenClaiming ? 12 : 0;
}

}  // namespace

std::string sampleCardProblem(const SampleCardOptions& options) {
  if (options.races < 1 || options.races > kMaxRaces) return "the number of races must be 1 to 99";
  if (options.minEntries < 1 || options.minEntries > kMaxEntries)
    return "the fewest entries must be 1 to 20";
  if (options.maxEntries < 1 || options.maxEntries > kMaxEntries)
    return "the most entries must be 1 to 20";
  if (options.minEntries > options.maxEntries)
    return "the fewest entries must not be above the most";
  const std::string& code = options.trackCode;
  const bool codeOk =
      !code.empty() && code.size() <= 5 && std::all_of(code.begin(), code.end(), [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
      });
  if (!codeOk) return "the track code must be 1 to 5 capital letters or digits";
  const auto day = parseDateText(options.raceDate);
  if (!day) return "the race date must be a real date written YYYYMMDD";
  const int year = civilFromDays(*day).year;
  if (year < kFirstYear || year > kLastYear)
    return "the race date must fall in the years 2010 to 2035";
  return {};
}

std::string makeSampleCard(const SampleCardOptions& options) {
  if (const std::string problem = sampleCardProblem(options); !problem.empty()) {
    throw std::invalid_argument(problem);
  }
  const int raceDay = *parseDateText(options.raceDate);
  const std::uint64_t cardSeed = mixSeed(options.seed, kCardSalt);
  Rng rng(cardSeed);

  CardPeople people{makeTrainers(rng), makeJockeys(rng)};
  std::vector<std::string> jockeyNames;
  for (const Person& jockey : people.jockeys) jockeyNames.push_back(jockey.name);
  std::vector<int> stringSizes;
  for (const Person& trainer : people.trainers) stringSizes.push_back(trainer.weight);

  const std::vector<RaceConditions> races =
      planCard(rng, options.races, civilFromDays(raceDay).month);
  const auto firstMaiden = std::find_if(
      races.begin(), races.end(), [](const RaceConditions& r) { return isMaiden(r.level.kind); });
  const std::size_t firstTimerRace = static_cast<std::size_t>(firstMaiden - races.begin());
  const std::size_t coupledRace = races.size() / 2;

  NameBook names;
  const EntryContext context{options, cardSeed, raceDay, people};
  std::string file;
  for (std::size_t r = 0; r < races.size(); ++r) {
    const RaceConditions& race = races[r];
    const int entries = rng.between(options.minEntries, options.maxEntries);
    std::vector<std::size_t> riders(people.jockeys.size());
    std::iota(riders.begin(), riders.end(), std::size_t{0});
    rng.shuffle(riders);

    // The card's first maiden race always has two first-time starters.
    std::vector<std::size_t> debutants;
    if (r == firstTimerRace && entries >= 2) debutants = twoPosts(rng, entries);
    std::vector<std::size_t> coupled;
    if (r == coupledRace && entries >= 2) coupled = twoPosts(rng, entries);

    std::vector<Horse> horses;
    for (int p = 0; p < entries; ++p) {
      const auto post = static_cast<std::size_t>(p);
      // Coupled horses run for one stable.
      const std::size_t trainer = !coupled.empty() && post == coupled[1]
                                      ? horses[coupled[0]].trainer
                                      : rng.weighted(stringSizes);
      const bool debut = std::find(debutants.begin(), debutants.end(), post) != debutants.end() ||
                         rng.percent(firstTimerChance(race));
      HorseSetting setting;
      setting.trackCode = options.trackCode;
      setting.raceDay = raceDay;
      setting.race = &race;
      setting.jockeyNames = jockeyNames;
      setting.jockeyToday = people.jockeys[riders[post]].name;
      setting.workoutTrack = people.trainers[trainer].workoutTrack;
      Horse horse = makeHorse(rng, setting, debut, names.next(rng));
      horse.trainer = trainer;
      horse.jockey = riders[post];
      horse.post = p + 1;
      horses.push_back(std::move(horse));
    }
    setProgramNumbers(horses, coupled);
    setMorningLines(rng, horses, race.level.speedPar, coupled);
    for (const Horse& horse : horses)
      writeEntry(file, context, static_cast<int>(r) + 1, race, horse);
  }
  return file;
}

}  // namespace kestravo
