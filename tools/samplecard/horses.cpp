#include "tools/samplecard/horses.h"

#include <algorithm>
#include <cstdlib>

#include "tools/samplecard/calendar.h"
#include "tools/samplecard/fields.h"

namespace kestravo::samplecard {

namespace {

// Tracks the horses shipped in from, and the ones among them with an all-weather course. All
// are tracks of the workout track table, so a reader can value works there too.
constexpr std::array<std::string_view, 20> kShipTracks = {
    "AQU", "BEL", "CD", "KEE", "GP",  "OP",  "FG", "LRL", "PIM", "MTH",
    "DEL", "TAM", "SA", "DMR", "PRX", "PEN", "CT", "HAW", "EVD", "MNR"};
constexpr std::array<std::string_view, 4> kAllWeatherTracks = {"WO", "TP", "GG", "PRM"};
constexpr std::array<std::string_view, 10> kSideWorkTracks = {"SA", "SAR", "BEL", "CD", "KEE",
                                                              "GP", "PMM", "TTC", "FG", "OP"};

constexpr std::array<int, 5> kPurseShares = {60, 20, 10, 5, 3};  // % of the purse, 1st to 5th

int clampTo(int value, int lo, int hi) { return std::max(lo, std::min(hi, value)); }

// Beaten margins are called to the quarter length, the smallest ones as a nose or a head.
int calledLengths(int hundredths) {
  if (hundredths < 20) return 10;
  return (hundredths + 12) / 25 * 25;
}

RunningStyle pickStyle(Rng& rng) {
  static constexpr std::array<int, 4> kWeights = {25, 30, 25, 20};
  return static_cast<RunningStyle>(rng.weighted(kWeights));
}

// Younger horses fill most races; maiden races hold few old maidens.
int pickAge(Rng& rng, const RaceConditions& race) {
  static constexpr std::array<int, 7> kOpenWeights = {5, 5, 4, 3, 2, 1, 1};
  static constexpr std::array<int, 7> kMaidenWeights = {10, 5, 2, 1, 0, 0, 0};
  const auto& weights = isMaiden(race.level.kind) ? kMaidenWeights : kOpenWeights;
  const int span = std::min(race.maxAge - race.minAge + 1, static_cast<int>(weights.size()));
  std::vector<int> used(weights.begin(), weights.begin() + span);
  if (used[0] == 0) used[0] = 1;
  return race.minAge + static_cast<int>(rng.weighted(used));
}

int daysAway(Rng& rng) {
  const int draw = rng.between(1, 100);
  if (draw <= 75) return rng.between(10, 45);
  if (draw <= 88) return rng.between(46, 90);
  return rng.between(91, 300);
}

int daysBetweenStarts(Rng& rng) {
  const int draw = rng.between(1, 100);
  if (draw <= 80) return rng.between(12, 45);
  if (draw <= 92) return rng.between(46, 120);
  return rng.between(121, 300);
}

int lifetimeStarts(Rng& rng, int age, bool maiden) {
  if (maiden) return age == 2 ? rng.between(1, 4) : rng.between(1, 8);
  switch (age) {
    case 2:
      return rng.between(1, 6);
    case 3:
      return rng.between(2, 12);
    case 4:
      return rng.between(5, 20);
    case 5:
      return rng.between(8, 28);
    default:
      return rng.between(12, 40);
  }
}

// Race days of a career, most recent first; no start before the spring of its two-year-old
// season, and at least one start for a horse that is not a first-time starter.
std::vector<int> careerDays(Rng& rng, int raceDay, int debutFloor, int starts) {
  std::vector<int> days;
  int day = raceDay - daysAway(rng);
  while (static_cast<int>(days.size()) < starts && day >= debutFloor) {
    days.push_back(day);
    day -= daysBetweenStarts(rng);
  }
  if (days.empty())
    days.push_back(std::min(raceDay - 7, std::max(debutFloor, raceDay - rng.between(14, 35))));
  return days;
}

Surface pastSurface(Rng& rng, Surface today) {
  const int draw = rng.between(1, 100);
  switch (today) {
    case Surface::AllWeather:
      return draw <= 50 ? Surface::AllWeather : draw <= 95 ? Surface::Dirt : Surface::Turf;
    case Surface::Turf:
      return draw <= 70 ? Surface::Turf : draw <= 95 ? Surface::Dirt : Surface::AllWeather;
    case Surface::Dirt:
      break;
  }
  return draw <= 80 ? Surface::Dirt : draw <= 90 ? Surface::Turf : Surface::AllWeather;
}

std::string trackCondition(Rng& rng, Surface surface) {
  const int draw = rng.between(1, 100);
  if (surface == Surface::Turf)
    return draw <= 75 ? "fm" : draw <= 90 ? "gd" : draw <= 98 ? "yl" : "sf";
  if (surface == Surface::AllWeather) return draw <= 90 ? "ft" : "gd";
  return draw <= 72 ? "ft" : draw <= 80 ? "gd" : draw <= 88 ? "my" : draw <= 95 ? "sy" : "sl";
}

// Wet dirt and soft turf both make for slower times.
bool isOffTrack(const std::string& condition) {
  return isWetTrack(condition) || condition == "yl" || condition == "sf";
}

// The kind of race a horse ran in: maidens stay in maiden races, winners run around today's
// level, a class up or down.
RaceKind pastKind(Rng& rng, RaceKind today, bool stillMaiden) {
  if (stillMaiden) {
    if (today == RaceKind::MaidenClaiming)
      return rng.percent(40) ? RaceKind::MaidenSpecialWeight : RaceKind::MaidenClaiming;
    if (today == RaceKind::MaidenSpecialWeight)
      return rng.percent(85) ? RaceKind::MaidenSpecialWeight : RaceKind::MaidenClaiming;
    return rng.percent(50) ? RaceKind::MaidenSpecialWeight : RaceKind::MaidenClaiming;
  }
  const int todayLevel = std::max(static_cast<int>(today), static_cast<int>(RaceKind::Claiming));
  const int level = rng.percent(55) ? todayLevel : todayLevel + rng.between(-1, 1);
  return static_cast<RaceKind>(
      clampTo(level, static_cast<int>(RaceKind::Claiming), static_cast<int>(RaceKind::Stakes)));
}

int firstCallPosition(Rng& rng, RunningStyle style, int starters) {
  switch (style) {
    case RunningStyle::Early:
      return rng.percent(65) ? 1 : rng.between(2, std::min(3, starters));
    case RunningStyle::EarlyPresser:
      return rng.between(1, std::max(2, starters / 3));
    case RunningStyle::Presser:
      return clampTo(rng.between(std::max(2, starters / 4), std::max(2, starters / 2 + 1)), 1,
                     starters);
    case RunningStyle::Sustained:
      break;
  }
  return rng.between(std::max(2, starters / 2), starters);
}

// A call away from the finish: the leader's margin, or lengths behind that grow with the
// position.
Call runningCall(Rng& rng, int position) {
  Call call;
  call.position = position;
  if (position == 1) {
    call.leadMargin = calledLengths(rng.between(10, 350));
  } else {
    call.behind = calledLengths((position - 1) * rng.between(35, 140));
  }
  return call;
}

std::string tripComment(Rng& rng, const PastRace& race) {
  const int early = race.calls[kFirstCall].position;
  const int turn = race.calls[kSecondCall].position;
  const int finish = race.finish();
  if (finish == 1) {
    if (early == 1) {
      return std::string(rng.pick(std::array<std::string_view, 4>{
          "Led throughout", "Set pace, drew clear", "Wire to wire", "Pace, held gamely"}));
    }
    return std::string(rng.pick(std::array<std::string_view, 4>{
        "Rallied, up late", "Closed strongly", "Bid 3wide, prevailed", "Swept by, drew off"}));
  }
  if (early == 1) {
    return std::string(rng.pick(std::array<std::string_view, 3>{
        "Set pace, weakened", "Pace, caught late", "Early lead, faded"}));
  }
  if (finish + 3 <= turn) {
    return std::string(rng.pick(std::array<std::string_view, 3>{
        "Rallied wide", "Closed late, no threat", "Mild late gain"}));
  }
  if (finish >= turn + 3) {
    return std::string(
        rng.pick(std::array<std::string_view, 3>{"Stalked, gave way", "Faded", "Tired late"}));
  }
  return std::string(rng.pick(
      std::array<std::string_view, 5>{"Even trip", "Never a factor", "Steadied 1/4, no rally",
                                      "Bumped start, evenly", "Inside, no response"}));
}

// Trainers place a horse where it can compete: of a few race conditions of the kinds open to
// it, the one whose par is nearest to what the horse runs.
ClassLevel pickLevel(Rng& rng, RaceKind today, bool stillMaiden, int ability) {
  const int target = ability + rng.between(-5, 3);
  ClassLevel best = makeClassLevel(rng, pastKind(rng, today, stillMaiden));
  for (int tries = 0; tries < 3; ++tries) {
    ClassLevel other = makeClassLevel(rng, pastKind(rng, today, stillMaiden));
    if (std::abs(other.speedPar - target) < std::abs(best.speedPar - target))
      best = std::move(other);
  }
  return best;
}

struct StartPlan {
  int day = 0;
  bool stillMaiden = true;
  bool mustWin = false;
  bool mustLose = false;
};

PastRace runStart(Rng& rng, const Horse& horse, const HorseSetting& setting,
                  std::span<const std::string_view> circuit, const StartPlan& plan) {
  const RaceConditions& today = *setting.race;
  PastRace race;
  race.day = plan.day;
  race.surface =
      horse.age == 2 && rng.percent(80) ? Surface::Dirt : pastSurface(rng, today.surface);
  const bool sprint = horse.age == 2             ? rng.percent(85)
                      : isSprint(today.distance) ? rng.percent(75)
                                                 : rng.percent(25);
  race.distance = pickDistance(rng, race.surface, sprint);
  if (race.surface == Surface::AllWeather) {
    race.track =
        rng.percent(60) ? std::string(setting.trackCode) : std::string(rng.pick(kAllWeatherTracks));
  } else {
    race.track = rng.percent(55) ? std::string(setting.trackCode) : std::string(rng.pick(circuit));
  }
  race.raceNumber = rng.between(1, 11);
  race.condition = trackCondition(rng, race.surface);
  race.level = pickLevel(rng, today.level.kind, plan.stillMaiden, horse.ability);
  race.starters = rng.between(plan.stillMaiden ? 5 : 6, 12);

  // The race is run by figures: the horse's own against its rivals'. Its finish position
  // counts the rivals who ran better (a dead heat goes against it by a nose), and its lengths
  // are the points between it and the winner or the runner-up.
  const int racePar = race.level.speedPar + rng.between(-3, 3);
  int figure = horse.ability + rng.between(-9, 5);
  if (rng.percent(8)) figure -= rng.between(8, 20);
  figure = std::max(figure, 20);
  std::vector<int> rivals(static_cast<std::size_t>(race.starters - 1));
  for (int& rival : rivals) rival = racePar + rng.between(-14, 6);
  if (plan.mustWin) {
    for (int& rival : rivals) rival = std::min(rival, figure - rng.between(1, 4));
  }
  const auto best = std::max_element(rivals.begin(), rivals.end());
  if (plan.mustLose && *best < figure) *best = figure + rng.between(0, 3);
  const int bestRival = *best;
  const int winnerFigure = std::max(figure, bestRival);

  Call& finish = race.calls[kFinishCall];
  race.speedFigure = figure;
  finish.position =
      1 + static_cast<int>(std::count_if(rivals.begin(), rivals.end(),
                                         [figure](int rival) { return rival >= figure; }));
  if (finish.position == 1) {
    finish.leadMargin =
        calledLengths(std::max(10, pointsToLengths(figure - bestRival, race.distance)));
  } else {
    finish.behind = calledLengths(std::max(10, pointsToLengths(bestRival - figure, race.distance)));
  }
  const bool won = finish.position == 1;

  const int early = std::min(firstCallPosition(rng, horse.style, race.starters), race.starters);
  const int turnMove =
      horse.style == RunningStyle::Sustained ? rng.between(-2, 1) : rng.between(-1, 1);
  const int turn = clampTo(early + turnMove, 1, race.starters);
  int stretch = clampTo((turn + finish.position) / 2 + rng.between(-1, 1), 1, race.starters);
  if (won && stretch > 3) stretch = rng.between(1, 3);
  race.calls[kFirstCall] = runningCall(rng, early);
  race.calls[kSecondCall] = runningCall(rng, turn);
  race.calls[kStretchCall] = runningCall(rng, stretch);

  race.paceFigures[0] = clampTo(winnerFigure + 6 - (early - 1) * 3 + rng.between(-5, 5), 20, 140);
  race.paceFigures[1] = clampTo(winnerFigure + 4 - (turn - 1) * 3 + rng.between(-5, 5), 20, 140);
  race.paceFigures[2] = clampTo(winnerFigure + 2 - (stretch - 1) * 2 + rng.between(-4, 4), 20, 140);
  race.paceFigures[3] = clampTo(race.speedFigure + rng.between(-3, 3), 20, 140);
  race.latePace =
      clampTo(race.speedFigure + (turn - finish.position) * 3 + rng.between(-6, 6), 20, 140);
  race.classFigure = racePar + 28 + rng.between(-4, 4);
  race.firstFractionCents = firstFractionCents(rng, race.distance, race.surface, winnerFigure);
  race.finalTimeCents = finalTimeCents(race.distance, race.surface, winnerFigure) +
                        (isOffTrack(race.condition) ? rng.between(40, 120) : 0);

  race.weight = horse.age == 2 ? rng.between(118, 122) : rng.between(116, 124);
  if (won) {
    race.oddsCents = rng.between(80, 800);
  } else {
    // One draw per statement, so every compiler draws them in the same order.
    const int base = rng.between(150, 900);
    race.oddsCents = std::min(9900, base + (finish.position - 1) * rng.between(50, 400));
  }
  race.comment = tripComment(rng, race);
  race.jockey = rng.percent(55) ? std::string(setting.jockeyToday) : rng.pick(setting.jockeyNames);
  const int place = finish.position;
  race.earnings = place <= static_cast<int>(kPurseShares.size())
                      ? race.level.purse * kPurseShares[static_cast<std::size_t>(place - 1)] / 100
                      : 0;
  return race;
}

std::vector<PastRace> makeCareer(Rng& rng, const Horse& horse, const HorseSetting& setting) {
  const RaceConditions& today = *setting.race;
  const bool maidenToday = isMaiden(today.level.kind);
  const int debutFloor = daysFromCivil({horse.yearOfBirth + 2, 4, 15});
  const std::vector<int> days =
      careerDays(rng, setting.raceDay, debutFloor, lifetimeStarts(rng, horse.age, maidenToday));

  std::array<std::string_view, 2> circuit = {rng.pick(kShipTracks), rng.pick(kShipTracks)};
  const int starts = static_cast<int>(days.size());
  // A winner broke its maiden within its first five starts; the rest of its races are open.
  const int breakAt = maidenToday ? starts : rng.between(0, std::min(starts - 1, 4));

  std::vector<PastRace> career(days.size());
  for (int order = 0; order < starts; ++order) {  // debut first, so maiden status runs forward
    StartPlan plan;
    plan.day = days[static_cast<std::size_t>(starts - 1 - order)];
    plan.stillMaiden = order <= breakAt;
    plan.mustWin = order == breakAt;
    plan.mustLose = order < breakAt;
    career[static_cast<std::size_t>(starts - 1 - order)] =
        runStart(rng, horse, setting, circuit, plan);
  }
  return career;
}

int workDistance(Rng& rng) {
  static constexpr std::array<int, 4> kYards = {660, 880, 1100, 1320};
  static constexpr std::array<int, 4> kWeights = {15, 40, 35, 10};
  const int yards = kYards[rng.weighted(kWeights)];
  return rng.percent(3) ? -yards : yards;
}

Workout makeWorkout(Rng& rng, const HorseSetting& setting, int day) {
  Workout work;
  work.day = day;
  work.track =
      rng.percent(80) ? std::string(setting.workoutTrack) : std::string(rng.pick(kSideWorkTracks));
  const bool hasTrainingTrack = work.track == "SA" || work.track == "SAR" || work.track == "BEL";
  work.trainingTrack = work.track.ends_with("TR") || (hasTrainingTrack && rng.percent(35));
  work.distance = workDistance(rng);
  const int draw = rng.between(1, 100);
  work.condition = draw <= 82   ? "ft"
                   : draw <= 92 ? "gd"
                   : draw <= 95 ? "sl"
                   : draw <= 98 ? "my"
                                : "sy";
  static constexpr std::array<std::string_view, 6> kDescriptions = {"H",  "B",   "Bg",
                                                                    "Hg", "B D", "H D"};
  static constexpr std::array<int, 6> kDescriptionWeights = {40, 42, 8, 5, 3, 2};
  work.description = std::string(kDescriptions[rng.weighted(kDescriptionWeights)]);
  work.worksThatDay = rng.percent(15) ? rng.between(1, 6) : rng.between(8, 80);
  // Ranks crowd towards the front: a trainer shows the works that went well.
  work.rank = 1 + (work.worksThatDay - 1) * rng.between(0, 100) * rng.between(0, 100) / 10000;

  const int yards = absYards(work.distance);
  const int fastest = yards <= 660 ? 352 : yards <= 880 ? 470 : yards <= 1100 ? 596 : 724;
  const int spread = yards <= 660 ? 40 : yards <= 880 ? 50 : yards <= 1100 ? 60 : 70;
  int tenths =
      fastest + spread * (work.rank - 1) / std::max(1, work.worksThatDay - 1) + rng.between(0, 6);
  if (work.condition != "ft") tenths += 8;
  if (work.description.find('g') != std::string::npos) tenths += 3;
  tenths = (tenths + 1) / 2 * 2;  // works are timed in fifths of a second
  work.timeTenths = work.rank == 1 ? -tenths : tenths;
  return work;
}

// Works every five to nine days back from the race, never within a few days of a race, and
// not before the winter of the horse's two-year-old season.
std::vector<Workout> makeWorkouts(Rng& rng, const Horse& horse, const HorseSetting& setting) {
  const int wanted = horse.firstTimeStarter ? rng.between(6, kWorkoutCount)
                     : rng.percent(15)      ? rng.between(1, 2)
                                            : rng.between(3, kWorkoutCount);
  const int floor = daysFromCivil({horse.yearOfBirth + 2, 1, 15});
  std::vector<Workout> works;
  int day = setting.raceDay - rng.between(2, 10);
  while (static_cast<int>(works.size()) < wanted && day >= floor) {
    for (const PastRace& race : horse.career) {
      if (day >= race.day - 3 && day <= race.day + 6) day = race.day - rng.between(4, 8);
    }
    if (day < floor) break;
    works.push_back(makeWorkout(rng, setting, day));
    day -= rng.between(5, 9);
  }
  return works;
}

}  // namespace

bool isWetTrack(std::string_view condition) {
  return condition == "my" || condition == "sy" || condition == "sl" || condition == "hy";
}

std::string_view styleCode(RunningStyle style) {
  switch (style) {
    case RunningStyle::Early:
      return "E";
    case RunningStyle::EarlyPresser:
      return "E/P";
    case RunningStyle::Presser:
      return "P";
    case RunningStyle::Sustained:
      return "S";
  }
  return "P";
}

Horse makeHorse(Rng& rng, const HorseSetting& setting, bool firstTimeStarter, std::string name) {
  const RaceConditions& today = *setting.race;
  Horse horse;
  horse.name = std::move(name);
  horse.firstTimeStarter = firstTimeStarter;
  horse.age = pickAge(rng, today);
  horse.yearOfBirth = civilFromDays(setting.raceDay).year - horse.age;
  horse.style = pickStyle(rng);
  horse.ability = today.level.speedPar + rng.between(-10, 8);

  const bool stakes = today.level.kind == RaceKind::Stakes;
  horse.weight = horse.age == 2 ? rng.between(118, 122)
                 : stakes       ? rng.between(116, 124)
                                : rng.between(118, 124);
  if (!stakes && rng.percent(15))
    horse.weight -= rng.pick(std::array<int, 3>{3, 5, 7});  // apprentice rider

  if (firstTimeStarter) {
    horse.prime = today.level.speedPar + 25 + rng.between(-15, 5);
  } else {
    static constexpr std::array<std::pair<int, int>, 4> kSpeedPoints = {
        {{5, 8}, {3, 6}, {1, 4}, {0, 2}}};
    const auto [lo, hi] = kSpeedPoints[static_cast<std::size_t>(horse.style)];
    horse.speedPoints = rng.between(lo, hi);
    horse.prime = horse.ability + 35 + rng.between(-6, 6);
    for (int& addend : horse.powerAddends) addend = rng.between(0, 6);
    horse.career = makeCareer(rng, horse, setting);
  }
  horse.workouts = makeWorkouts(rng, horse, setting);
  return horse;
}

}  // namespace kestravo::samplecard
