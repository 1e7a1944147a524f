// The people around the horses of a sample card: trainers and jockeys with their meet and
// yearly records, trainer-and-jockey pairings, the trainers' key categories, and the names
// of the horses themselves.
#pragma once

#include <array>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "tools/samplecard/horses.h"
#include "tools/samplecard/rng.h"

namespace kestravo::samplecard {

struct Tally {
  int starts = 0;
  int wins = 0;
  int places = 0;
  int shows = 0;
};

struct YearRecord {
  Tally tally;
  int returnCents = 0;  // $2 return on investment, in cents
};

struct Person {
  std::string name;
  int winRate = 12;  // % of starts won
  int weight = 1;    // how large a string (trainer) or book of rides (jockey)
  Tally meet;
  YearRecord currentYear;
  YearRecord previousYear;
  std::string workoutTrack;  // trainers only: where the string trains
};

std::vector<Person> makeTrainers(Rng& rng);
std::vector<Person> makeJockeys(Rng& rng);

// A trainer and jockey together: this year and this meet. The meet's starts are part of the
// year's and no more than either one's own meet starts.
struct Pairing {
  YearRecord currentYear;
  YearRecord meet;
};

Pairing makePairing(std::uint64_t cardSeed, std::size_t trainerIndex, const Person& trainer,
                    std::size_t jockeyIndex, const Person& jockey);

struct KeyCategory {
  std::string name;
  int starts = 0;
  int winPercent = 0;
  int inTheMoneyPercent = 0;
  int returnCents = 0;  // net $2 return: -200 when every bet was lost
};

// The six categories of the trainer's record that fit the horse's situation today, first the
// most telling (first-time starter, layoff, surface or distance switch).
std::array<KeyCategory, 6> keyCategories(std::uint64_t cardSeed, std::size_t trainerIndex,
                                         const Person& trainer, const Horse& horse,
                                         const RaceConditions& race, std::string_view trackCode,
                                         int raceDay);

// Unique horse names of two words, at most 18 characters.
class NameBook {
 public:
  std::string next(Rng& rng);

 private:
  std::set<std::string> used_;
};

}  // namespace kestravo::samplecard
