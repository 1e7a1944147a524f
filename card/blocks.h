// Repeated groups of the card: a horse's ten most recent past races and its twelve most
// recent workouts stand in blocks of consecutive columns. A block knows its width and
// which numbering an index takes, so a workout index cannot reach into a past-race block
// and a derivation written with races counted from 0 reads the same columns as one
// written with races counted from 1.
#pragma once

#include <stdexcept>

namespace kestravo {

inline constexpr int kPastRaces = 10;
inline constexpr int kWorkouts = 12;

namespace detail {
// An index outside the block is a fault of the derivation, never of the data: in a
// constant expression it does not compile, at run time it throws.
constexpr int blockColumn(int first, int offset, int width) {
  if (offset < 0 || offset >= width) throw std::out_of_range("index outside a column block");
  return first + offset;
}
}  // namespace detail

// Ten columns, one per past race, the most recent first.
class PastRaceBlock {
 public:
  explicit constexpr PastRaceBlock(int first) : first_(first) {}
  // Past race j, counted 1 (the most recent) to 10.
  constexpr int race(int j) const { return detail::blockColumn(first_, j - 1, kPastRaces); }
  // Past race k, counted 0 (the most recent) to 9.
  constexpr int race0(int k) const { return detail::blockColumn(first_, k, kPastRaces); }
  constexpr int first() const { return first_; }
  constexpr int last() const { return first_ + kPastRaces - 1; }

 private:
  int first_;
};

// Twelve columns, one per workout, the most recent first.
class WorkoutBlock {
 public:
  explicit constexpr WorkoutBlock(int first) : first_(first) {}
  // Workout w, counted 1 (the most recent) to 12.
  constexpr int work(int w) const { return detail::blockColumn(first_, w - 1, kWorkouts); }
  // Workout k, counted 0 (the most recent) to 11.
  constexpr int work0(int k) const { return detail::blockColumn(first_, k, kWorkouts); }
  constexpr int first() const { return first_; }
  constexpr int last() const { return first_ + kWorkouts - 1; }

 private:
  int first_;
};

// One of the horse's records: starts, wins, places, shows and earnings side by side.
class RecordFields {
 public:
  explicit constexpr RecordFields(int first) : first_(first) {}
  constexpr int starts() const { return first_; }
  constexpr int wins() const { return first_ + 1; }
  constexpr int places() const { return first_ + 2; }
  constexpr int shows() const { return first_ + 3; }
  constexpr int earnings() const { return first_ + 4; }

 private:
  int first_;
};

}  // namespace kestravo
