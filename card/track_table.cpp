#include "card/track_table.h"

#include <array>
#include <cstdint>

#include "card/card_matrix.h"
#include "card/columns.h"
#include "format/text.h"

namespace kestravo {

namespace {

constexpr std::string_view kTrainingTrack = "TR";

struct TrackRow {
  std::string_view code;
  std::string_view value;
  bool trainingTrackOnly = false;  // the work's indicator must say "TR"
};

// Searched from the top, first match wins: the two training-track rows come before the
// plain "SAR" and "SA" rows further down. Codes ending in TR and "AQUIN" are whole codes as
// the data file writes them.
constexpr std::array<TrackRow, 99> TrackTable = {{
    {"SAR", "12", true}, {"SA", "14", true}, {"AKS", "3"},   {"FNO", "8"},    {"PRX", "0"},
    {"TUP", "-2"},       {"AP", "9"},        {"GS", "2"},    {"PIM", "4"},    {"WDS", "2"},
    {"ATL", "2"},        {"GG", "3"},        {"PLA", "6"},   {"YM", "4"},     {"AQU", "7"},
    {"GP", "4"},         {"PLN", "1"},       {"CNL", "5"},   {"AQUIN", "8"},  {"HAW", "4"},
    {"PM", "3"},         {"CDT", "8"},       {"BAN", "7"},   {"HIA", "5"},    {"RET", "3"},
    {"CBY", "12"},       {"BM", "4"},        {"HOO", "5"},   {"RD", "10"},    {"EMD", "4"},
    {"BEL", "3"},        {"HOU", "18"},      {"RKM", "10"},  {"HST", "15"},   {"BELTR", "3"},
    {"HOL", "13"},       {"RP", "3"},        {"GLD", "11"},  {"BEU", "-7"},   {"KEE", "7"},
    {"SAC", "8"},        {"MNR", "9"},       {"BGD", "10"},  {"KHC", "8"},    {"SAR", "5"},
    {"PRM", "1"},        {"BRD", "4"},       {"LRL", "4"},   {"SARTR", "12"}, {"TAP", "13"},
    {"BHP", "13"},       {"LNN", "4"},       {"SLRTR", "6"}, {"TTC", "12"},   {"CRC", "4"},
    {"LRC", "5"},        {"SA", "12"},       {"WO", "7"},    {"CD", "2"},     {"LS", "4"},
    {"SATR", "14"},      {"FE", "11"},       {"DEL", "3"},   {"LAD", "6"},    {"SR", "5"},
    {"PMM", "8"},        {"DMR", "14"},      {"MED", "2"},   {"SHD", "12"},   {"FAI", "10"},
    {"DET", "-2"},       {"MID", "11"},      {"SOL", "7"},   {"CT", "10"},    {"ELP", "4"},
    {"MTH", "1"},        {"SPT", "4"},       {"BNT", "18"},  {"EVD", "4"},    {"OP", "2"},
    {"SUF", "8"},        {"CNS", "9"},       {"FG", "4"},    {"OTC", "4"},    {"TAM", "8"},
    {"DMC", "17"},       {"FP", "7"},        {"PBD", "9"},   {"TDN", "3"},    {"HPT", "9"},
    {"FPX", "9"},        {"PAY", "10"},      {"TRM", "8"},   {"VHT", "20"},   {"FL", "8"},
    {"PEN", "12"},       {"TP", "3"},        {"PID", "-1"},  {"EVT", "17"},
}};

// Every workout of every horse looks its track up. A code of up to seven characters, packed
// with its length into one word, compares in one step; 0 stands for a code that no row can
// match (empty, or longer than any track code).
constexpr std::uint64_t packCode(std::string_view code) {
  if (code.empty() || code.size() > 7) return 0;
  std::uint64_t key = static_cast<std::uint64_t>(code.size()) << 56;
  for (std::size_t i = 0; i < code.size(); ++i) {
    key |= static_cast<std::uint64_t>(static_cast<unsigned char>(code[i])) << (8 * i);
  }
  return key;
}

constexpr auto kTrackKeys = [] {
  std::array<std::uint64_t, TrackTable.size()> keys{};
  for (std::size_t i = 0; i < keys.size(); ++i) {
    keys[i] = packCode(TrackTable[i].code);
    if (keys[i] == 0) throw "every track code has one to seven characters";
  }
  return keys;
}();

// Every code's two answers, for a work on the training track and for any other work, found in
// a table of slots by the packed code instead of walking the rows: the first row of a code
// answers for the training track, its first row without the "TR" condition for the others.
struct TrackSlot {
  std::uint64_t key = 0;  // 0: an empty slot
  std::string_view trainingValue = "0";
  std::string_view plainValue = "0";
  bool plainFound = false;
};

constexpr std::size_t kTrackSlotCount = 256;  // a power of two, well over twice the rows

constexpr std::size_t firstSlot(std::uint64_t key) {
  return static_cast<std::size_t>((key * 0x9E3779B97F4A7C15ull) >> 56) & (kTrackSlotCount - 1);
}

constexpr auto kTrackSlots = [] {
  std::array<TrackSlot, kTrackSlotCount> slots{};
  for (std::size_t i = 0; i < TrackTable.size(); ++i) {
    std::size_t at = firstSlot(kTrackKeys[i]);
    while (slots[at].key != 0 && slots[at].key != kTrackKeys[i]) at = (at + 1) % kTrackSlotCount;
    TrackSlot& slot = slots[at];
    if (slot.key == 0) {
      slot.key = kTrackKeys[i];
      slot.trainingValue = TrackTable[i].value;
    }
    if (!slot.plainFound && !TrackTable[i].trainingTrackOnly) {
      slot.plainValue = TrackTable[i].value;
      slot.plainFound = true;
    }
  }
  return slots;
}();

}  // namespace

std::string_view trackValue(std::string_view code, std::string_view indicator) {
  const std::uint64_t key = packCode(trimBlanks(code));
  if (key == 0) return "0";
  for (std::size_t at = firstSlot(key); kTrackSlots[at].key != 0; at = (at + 1) % kTrackSlotCount) {
    if (kTrackSlots[at].key == key) {
      return indicator == kTrainingTrack ? kTrackSlots[at].trainingValue
                                         : kTrackSlots[at].plainValue;
    }
  }
  return "0";
}

void computeTrackValue(CardMatrix& m, int row, int w) {
  const int out = col::kTrackValue.work(w);
  if (m.scratched(row)) {
    m.setText(row, out, "0");
    return;
  }
  m.setText(row, out,
            trackValue(m.text(row, field::kWorkoutTrack.work(w)),
                       m.text(row, field::kWorkoutTrackIndicator.work(w))));
}

}  // namespace kestravo
