// One entry of the card as the data file carries it: 1,435 comma-separated fields, text in
// double quotes, numbers bare, CR LF at the end. Fields left unset stay empty.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kestravo::samplecard {

// A scaled whole number as decimal text: fixedDecimal(125, 2) is "1.25", fixedDecimal(-40, 2)
// is "-0.40". Everything the maker writes with decimals is held scaled, so no floating-point
// formatting can make two platforms differ.
std::string fixedDecimal(long long scaled, int decimals);
// The same without trailing zeros: 25 with one decimal is "2.5", 50 is "5".
std::string shortDecimal(long long scaled, int decimals);

class RecordWriter {
 public:
  RecordWriter();

  // Each field is written once: a second write to the same field means two items were given
  // one place, and is refused (std::logic_error), as is a field number outside the record.
  void text(int field, std::string_view value);
  // Digits written as they stand, unquoted: dates, two-digit years.
  void bare(int field, std::string_view value);
  void whole(int field, long long value);
  void decimal(int field, long long scaled, int decimals);
  void shortDecimalField(int field, long long scaled, int decimals);

  void appendTo(std::string& out) const;

 private:
  void put(int field, std::string value);

  std::vector<std::string> fields_;
  std::vector<bool> written_;
};

}  // namespace kestravo::samplecard
