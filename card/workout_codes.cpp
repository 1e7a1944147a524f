#include "card/workout_codes.h"

#include <array>

#include "card/card_matrix.h"
#include "card/columns.h"
#include "format/text.h"

namespace kestravo {

namespace {

struct CodeValue {
  std::string_view code;
  std::string_view value;
};

// A code not listed counts "0", as a fast track and a handily work do.
constexpr std::array<CodeValue, 4> kConditions = {{
    {"ft", "0"},
    {"gd", "10"},
    {"sl", "20"},
    {"hy", "20"},
}};

constexpr std::array<CodeValue, 5> kDescriptions = {{
    {"H", "0"},
    {"B", "10"},
    {"B D", "10"},
    {"g", "10"},
    {"Bg", "20"},
}};

template <std::size_t N>
std::string_view lookUp(const std::array<CodeValue, N>& table, std::string_view code) {
  for (const CodeValue& c : table) {
    if (c.code == code) return c.value;
  }
  return "0";
}

}  // namespace

std::string_view conditionValue(std::string_view condition) {
  return lookUp(kConditions, condition);
}

std::string_view descriptionValue(std::string_view description) {
  return lookUp(kDescriptions, trimBlanks(description));
}

void computeConditionValue(CardMatrix& m, int row, int w) {
  m.setText(row, col::kConditionValue.work(w),
            m.scratched(row) ? "0" : conditionValue(m.text(row, field::kWorkoutCondition.work(w))));
}

void computeDescriptionValue(CardMatrix& m, int row, int w) {
  m.setText(
      row, col::kDescriptionValue.work(w),
      m.scratched(row) ? "0" : descriptionValue(m.text(row, field::kWorkoutDescription.work(w))));
}

}  // namespace kestravo
