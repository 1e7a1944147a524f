// The horses of a sample card: each one's lifetime of races, its recent workouts and the
// figures it earned, drawn so that positions, beaten lengths, times and figures agree.
#pragma once

#include <array>
#include <span>
#include <string>
#include <vector>

#include "tools/samplecard/race_plan.h"
#include "tools/samplecard/rng.h"

namespace kestravo::samplecard {

// Muddy, sloppy and heavy dirt tracks, the races that count in a wet-track record.
bool isWetTrack(std::string_view condition);

enum class RunningStyle { Early, EarlyPresser, Presser, Sustained };
std::string_view styleCode(RunningStyle style);

// One call of a race. Lengths in hundredths: a leader is 0 behind and has a margin over the
// second horse; any other horse has no margin and is some lengths behind.
struct Call {
  int position = 0;
  int leadMargin = 0;
  int behind = 0;
};

enum CallIndex { kFirstCall = 0, kSecondCall = 1, kStretchCall = 2, kFinishCall = 3 };

struct PastRace {
  int day = 0;  // days since 1 January 1970
  std::string track;
  int raceNumber = 0;
  std::string condition;
  int distance = 0;
  Surface surface = Surface::Dirt;
  ClassLevel level;
  int starters = 0;
  std::string comment;
  int weight = 0;
  int oddsCents = 0;
  std::array<Call, 4> calls{};
  std::array<int, 4> paceFigures{};
  int latePace = 0;
  int classFigure = 0;
  int speedFigure = 0;
  int firstFractionCents = 0;
  int finalTimeCents = 0;
  std::string jockey;
  int earnings = 0;

  int finish() const { return calls[kFinishCall].position; }
};

struct Workout {
  int day = 0;
  int timeTenths = 0;  // negative for the best work of the day at the distance
  std::string track;
  bool trainingTrack = false;
  int distance = 0;  // yards; negative when the distance was about
  std::string condition;
  std::string description;
  int worksThatDay = 0;
  int rank = 0;
};

struct Horse {
  std::string name;
  int age = 3;
  int yearOfBirth = 2023;
  bool firstTimeStarter = false;
  RunningStyle style = RunningStyle::Presser;
  int ability = 70;  // the speed figure it runs to on a usual day
  int weight = 120;
  int speedPoints = 0;
  int prime = 0;
  std::array<int, 4> powerAddends{};
  std::vector<PastRace> career;   // every start, most recent first
  std::vector<Workout> workouts;  // most recent first, at most twelve
  std::size_t trainer = 0;
  std::size_t jockey = 0;
  int post = 0;
  std::string program;
  int morningLineTenths = 0;
};

// What a horse's history needs to know of today's card.
struct HorseSetting {
  std::string_view trackCode;
  int raceDay = 0;
  const RaceConditions* race = nullptr;
  std::span<const std::string> jockeyNames;
  std::string_view jockeyToday;
  std::string_view workoutTrack;  // where its trainer's string trains
};

Horse makeHorse(Rng& rng, const HorseSetting& setting, bool firstTimeStarter, std::string name);

}  // namespace kestravo::samplecard
