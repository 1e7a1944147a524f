// kestravo-make-card: writes a sample race card in the past-performance data file layout,
// the same bytes for the same options, for demonstrations, tests and benchmarks.
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>
#include <system_error>

#include "tools/samplecard/sample_card.h"

namespace {

constexpr int kUsageError = 2;
constexpr int kWriteError = 1;

constexpr std::string_view kUsage =
    "usage: kestravo-make-card [--races N] [--min-entries N] [--max-entries N] [--seed S]\n"
    "                          [--track XXX] [--date YYYYMMDD] OUTPUT\n"
    "\n"
    "Writes a sample race card of invented horses to OUTPUT (for example KSV1208.DRF).\n"
    "  --races N         races on the card, 1 to 99 (default 10)\n"
    "  --min-entries N   fewest entries in a race, 1 to 20 (default 8)\n"
    "  --max-entries N   most entries in a race, 1 to 20 (default 12)\n"
    "  --seed S          any whole number 0 or above; the same seed gives the same card (default "
    "1)\n"
    "  --track XXX       today's track code, 1 to 5 capital letters or digits (default KSV)\n"
    "  --date YYYYMMDD   race date (default 20261208)\n";

template <typename Number>
bool parseNumber(std::string_view text, Number& value) {
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  return error == std::errc() && stop == end && !text.empty();
}

int usageError(const std::string& message) {
  std::cerr << "kestravo-make-card: " << message << "\n" << kUsage;
  return kUsageError;
}

}  // namespace

int main(int argc, char** argv) {
  kestravo::SampleCardOptions options;
  std::string output;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      std::cout << kUsage;
      return 0;
    }
    if (arg.starts_with("--")) {
      if (i + 1 >= argc) return usageError(std::string(arg) + " needs a value");
      const std::string_view value = argv[++i];
      bool ok = true;
      if (arg == "--races") {
        ok = parseNumber(value, options.races);
      } else if (arg == "--min-entries") {
        ok = parseNumber(value, options.minEntries);
      } else if (arg == "--max-entries") {
        ok = parseNumber(value, options.maxEntries);
      } else if (arg == "--seed") {
        ok = parseNumber(value, options.seed);
      } else if (arg == "--track") {
        options.trackCode = std::string(value);
      } else if (arg == "--date") {
        options.raceDate = std::string(value);
      } else {
        return usageError("unknown option " + std::string(arg));
      }
      if (!ok)
        return usageError("not a whole number for " + std::string(arg) + ": " + std::string(value));
      continue;
    }
    if (!output.empty())
      return usageError("only one OUTPUT file, got " + output + " and " + std::string(arg));
    output = std::string(arg);
  }
  if (output.empty()) return usageError("no OUTPUT file given");
  if (const std::string problem = kestravo::sampleCardProblem(options); !problem.empty()) {
    return usageError(problem);
  }

  const std::string card = kestravo::makeSampleCard(options);
  std::ofstream file(output, std::ios::binary | std::ios::trunc);
  if (file) file.write(card.data(), static_cast<std::streamsize>(card.size()));
  if (file) file.close();
  if (!file) {
    std::cerr << "kestravo-make-card: cannot write " << output << "\n";
    return kWriteError;
  }
  return 0;
}
