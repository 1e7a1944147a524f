// The sample card's own random source. The standard distributions draw differently on each
// standard library, and the bundled card must come out byte for byte the same everywhere, so
// the maker uses splitmix64 and its own whole-number ranges.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <span>
#include <utility>

namespace kestravo::samplecard {

// Folds a salt into a seed; gives every trainer, pairing and key category a stream of its own,
// so the same connections show the same figures on every runner they saddle.
constexpr std::uint64_t mixSeed(std::uint64_t seed, std::uint64_t salt) {
  std::uint64_t z = seed + 0x9E3779B97F4A7C15ULL * (salt + 1);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  return z ^ (z >> 31);
}

class Rng {
 public:
  explicit Rng(std::uint64_t seed) : state_(seed) {}

  std::uint64_t next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
  }

  // A whole number in [lo, hi], every value equally likely (draws past the last full span of
  // values are thrown back). An empty range gives lo.
  int between(int lo, int hi) {
    if (hi <= lo) return lo;
    const std::uint64_t span =
        static_cast<std::uint64_t>(static_cast<std::int64_t>(hi) - static_cast<std::int64_t>(lo)) +
        1;
    const std::uint64_t limit = UINT64_MAX - UINT64_MAX % span;
    std::uint64_t draw = next();
    while (draw >= limit) draw = next();
    return static_cast<int>(static_cast<std::int64_t>(lo) + static_cast<std::int64_t>(draw % span));
  }

  bool percent(int chance) { return between(1, 100) <= chance; }

  template <typename Items>
  const auto& pick(const Items& items) {
    const int last = static_cast<int>(std::size(items)) - 1;
    return items[static_cast<std::size_t>(between(0, last))];
  }

  // An index drawn in proportion to the weights (all of them at least 0, their sum above 0).
  std::size_t weighted(std::span<const int> weights) {
    int total = 0;
    for (const int w : weights) total += w;
    int draw = between(1, total);
    for (std::size_t i = 0; i < weights.size(); ++i) {
      draw -= weights[i];
      if (draw <= 0) return i;
    }
    return weights.size() - 1;
  }

  template <typename Items>
  void shuffle(Items& items) {
    for (std::size_t i = std::size(items); i > 1; --i) {
      const auto j = static_cast<std::size_t>(between(0, static_cast<int>(i) - 1));
      std::swap(items[i - 1], items[j]);
    }
  }

 private:
  std::uint64_t state_;
};

}  // namespace kestravo::samplecard
