#include "tools/samplecard/record_writer.h"

#include <stdexcept>
#include <utility>

#include "tools/samplecard/fields.h"

namespace kestravo::samplecard {

std::string fixedDecimal(long long scaled, int decimals) {
  long long unit = 1;
  for (int i = 0; i < decimals; ++i) unit *= 10;
  const bool negative = scaled < 0;
  const unsigned long long magnitude = negative ? 0ULL - static_cast<unsigned long long>(scaled)
                                                : static_cast<unsigned long long>(scaled);
  const auto whole = magnitude / static_cast<unsigned long long>(unit);
  std::string text = negative ? "-" : "";
  text += std::to_string(whole);
  if (decimals > 0) {
    std::string fraction = std::to_string(magnitude % static_cast<unsigned long long>(unit));
    text += '.';
    text.append(static_cast<std::size_t>(decimals) - fraction.size(), '0');
    text += fraction;
  }
  return text;
}

std::string shortDecimal(long long scaled, int decimals) {
  std::string text = fixedDecimal(scaled, decimals);
  if (text.find('.') == std::string::npos) return text;
  while (text.back() == '0') text.pop_back();
  if (text.back() == '.') text.pop_back();
  return text;
}

RecordWriter::RecordWriter()
    : fields_(static_cast<std::size_t>(kFieldCount)),
      written_(static_cast<std::size_t>(kFieldCount)) {}

void RecordWriter::put(int field, std::string value) {
  if (field < 1 || field > kFieldCount) {
    throw std::logic_error("field " + std::to_string(field) + " is outside the record");
  }
  const auto index = static_cast<std::size_t>(field - 1);
  if (written_[index]) {
    throw std::logic_error("field " + std::to_string(field) + " written twice");
  }
  written_[index] = true;
  fields_[index] = std::move(value);
}

void RecordWriter::text(int field, std::string_view value) {
  if (value.find('"') != std::string_view::npos) {
    throw std::logic_error("a quoted field cannot hold a double quote");
  }
  std::string quoted;
  quoted.reserve(value.size() + 2);
  quoted += '"';
  quoted += value;
  quoted += '"';
  put(field, std::move(quoted));
}

void RecordWriter::bare(int field, std::string_view value) { put(field, std::string(value)); }

void RecordWriter::whole(int field, long long value) { put(field, std::to_string(value)); }

void RecordWriter::decimal(int field, long long scaled, int decimals) {
  put(field, fixedDecimal(scaled, decimals));
}

void RecordWriter::shortDecimalField(int field, long long scaled, int decimals) {
  put(field, shortDecimal(scaled, decimals));
}

void RecordWriter::appendTo(std::string& out) const {
  for (std::size_t i = 0; i < fields_.size(); ++i) {
    if (i > 0) out += ',';
    out += fields_[i];
  }
  out += "\r\n";
}

}  // namespace kestravo::samplecard
