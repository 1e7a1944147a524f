#include "card/scratch_file.h"

#include <algorithm>
#include <cmath>

#include "card/card_matrix.h"
#include "card/columns.h"
#include "card/file_io.h"
#include "card/record_reader.h"
#include "format/mask.h"

namespace kestravo {

namespace {
constexpr int kReservedFrom = 13;  // fields 13..20 and 31..50 hold their own numbers
constexpr int kReservedTo = 20;
constexpr int kLastPickFlag = scratch::kPickFlags.last();
}  // namespace

void ScratchTable::reset(int entryCount) {
  entryCount_ = entryCount < 0 ? 0 : entryCount;
  text_.clear();
  spans_.assign(static_cast<std::size_t>(entryCount_) * scratch::kFieldCount, FieldSpan{});
}

void ScratchTable::load(RecordTable&& records, int entryCount) {
  entryCount_ = entryCount < 0 ? 0 : entryCount;
  text_ = std::move(records.text);
  spans_ = std::move(records.spans);
  spans_.resize(static_cast<std::size_t>(entryCount_) * scratch::kFieldCount, FieldSpan{});
}

std::string_view ScratchTable::field(int row, int f) const {
  if (!inBounds(row, f)) return {};
  const FieldSpan s = spans_[index(row, f)];
  return std::string_view(text_).substr(s.offset, s.size);
}

void ScratchTable::setField(int row, int f, std::string_view text) {
  if (!inBounds(row, f)) return;
  // The text may be a view of this table's own buffer, which appending could move.
  const std::string copy(text);
  spans_[index(row, f)] =
      FieldSpan{static_cast<std::uint32_t>(text_.size()), static_cast<std::uint32_t>(copy.size())};
  text_ += copy;
}

std::string scratchFileName(std::string_view dataFilePath) {
  if (dataFilePath.empty()) return {};
  const std::size_t slash = dataFilePath.find_last_of("/\\");
  const std::size_t nameStart = slash == std::string_view::npos ? 0 : slash + 1;
  const std::size_t dot = dataFilePath.rfind('.');
  std::string name(dataFilePath);
  if (dot == std::string_view::npos || dot < nameStart) return name + ".tch";
  name.resize(dot + 1);
  return name + "tch";
}

ScratchTable newScratchTable(const CardMatrix& matrix) {
  ScratchTable table;
  table.reset(matrix.entryCount());
  for (int row = 1; row <= matrix.entryCount(); ++row) {
    auto copy = [&](int f, int column) { table.setField(row, f, matrix.text(row, column)); };
    copy(1, field::kFirst);
    copy(2, field::kRaceDate);
    copy(scratch::kRaceNumber, field::kRaceNumber);
    copy(scratch::kPostPosition, field::kPostPosition);
    copy(scratch::kProgramNumber, field::kProgramNumber);
    copy(scratch::kHorseName, field::kHorseName);
    copy(scratch::kMark, col::kScratchMark);
    table.setField(row, scratch::kDistance,
                   Format("####", std::fabs(matrix.value(row, field::kDistance))));
    copy(9, field::kSurface);
    copy(10, field::kRaceType);
    copy(11, field::kClassification);
    copy(12, field::kMorningLine);
    for (int f = kReservedFrom; f <= kReservedTo; ++f) table.setField(row, f, std::to_string(f));
    table.setField(row, scratch::kPickFlags.race(1), "1");
    for (int f = kLastPickFlag + 1; f <= scratch::kFieldCount; ++f) {
      table.setField(row, f, std::to_string(f));
    }
  }
  return table;
}

std::string scratchFileText(const ScratchTable& table) {
  std::string text;
  text.reserve(static_cast<std::size_t>(table.entryCount()) * 256);
  for (int row = 1; row <= table.entryCount(); ++row) {
    for (int f = 1; f <= scratch::kFieldCount; ++f) {
      if (f > 1) text += ',';
      text += '"';
      // A quote inside a field would end it early on the next read and shift every field
      // after it, so it is written as an apostrophe.
      const std::string_view value = table.field(row, f);
      const std::size_t at = text.size();
      text += value;
      std::replace(text.begin() + static_cast<std::ptrdiff_t>(at), text.end(), '"', '\'');
      text += '"';
    }
    text += "\r\n";
  }
  return text;
}

ScratchTable readScratchTable(std::string text, int entryCount) {
  ScratchTable table;
  table.load(readRecords(std::move(text), scratch::kFieldCount, entryCount), entryCount);
  return table;
}

namespace {

bool tellWriteFailure(bool written, const std::string& path, const std::string& why,
                      std::string* error) {
  if (!written && error) *error = "CANNOT WRITE THE SCRATCH FILE " + path + ": " + why;
  return written;
}

}  // namespace

bool WriteScratchFile(const ScratchTable& table, const std::string& path, std::string* error) {
  std::string why;
  return tellWriteFailure(replaceFile(path, scratchFileText(table), &why), path, why, error);
}

bool createScratchFile(const ScratchTable& table, const std::string& path, std::string* error) {
  std::string why;
  return tellWriteFailure(createFile(path, scratchFileText(table), &why), path, why, error);
}

bool isScratchFileName(std::string_view path) {
  constexpr std::string_view kExtension = ".tch";
  if (path.size() < kExtension.size()) return false;
  const std::string_view tail = path.substr(path.size() - kExtension.size());
  return std::equal(tail.begin(), tail.end(), kExtension.begin(), [](char a, char b) {
    return (a >= 'A' && a <= 'Z' ? static_cast<char>(a - 'A' + 'a') : a) == b;
  });
}

ScratchTable unreadableScratchTable(const CardMatrix& matrix) {
  ScratchTable table = newScratchTable(matrix);
  for (int row = 1; row <= table.entryCount(); ++row) {
    table.setField(row, scratch::kMark, "");
    for (int j = 1; j <= kPastRaces; ++j) {
      table.setField(row, scratch::kPickFlags.race(j), "");
    }
  }
  return table;
}

void applyScratchTable(const ScratchTable& table, CardMatrix& matrix) {
  for (int row = 1; row <= matrix.entryCount(); ++row) {
    matrix.setText(row, col::kScratchMark, table.field(row, scratch::kMark));
    for (int j = 1; j <= kPastRaces; ++j) {
      matrix.setText(row, col::kPickFlag.race(j), table.field(row, scratch::kPickFlags.race(j)));
    }
  }
}

}  // namespace kestravo
