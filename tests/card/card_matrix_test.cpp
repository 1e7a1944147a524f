#include "card/card_matrix.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "format/mask.h"
#include "format/numeric.h"

namespace kestravo {
namespace {

constexpr int kFirstComputed = kFieldCount + 1;

// One record of the data file with its race fields and every other field empty.
const std::string kRecord = "\"KSV\",20261208,3" + std::string(kFieldCount - 3, ',') + "\r\n";

// Every computed column of a few rows, one after another.
struct Cell {
  int row;
  int column;
};
Cell cellNumber(int n) {
  constexpr int kPerRow = kColumnCount - kFirstComputed;
  return {1 + n / kPerRow, kFirstComputed + n % kPerRow};
}

// A row or column outside the card, however far, reads as an empty cell and takes no store;
// the cells at the card's edges are its own.
TEST(CardMatrix, CellsOutsideTheCardReadEmptyAndTakeNoStores) {
  constexpr int kLast = CardMatrix::kRowCells;
  CardMatrix m;
  m.reset(3);
  const Cell edges[] = {{1, 1}, {1, kLast}, {3, 1}, {3, kLast}};
  for (const Cell& e : edges) m.setText(e.row, e.column, "17");
  const int rows[] = {INT_MIN, -1, 0, 1, 3, 4, INT_MAX};
  const int columns[] = {INT_MIN, -1, 0, 1, kLast, kLast + 1, INT_MAX};
  for (const int row : rows) {
    for (const int column : columns) {
      const bool inside = row >= 1 && row <= 3 && column >= 1 && column <= kLast;
      EXPECT_EQ(m.text(row, column), inside ? "17" : "") << row << ',' << column;
      EXPECT_EQ(m.value(row, column), inside ? 17 : 0) << row << ',' << column;
      if (inside) continue;
      m.setText(row, column, "99");
      m.setWhole(row, column, 99);
      m.setMasked(row, column, "###", 99);
    }
  }
  for (const Cell& e : edges) EXPECT_EQ(m.text(e.row, e.column), "17");
  EXPECT_EQ(m.text(2, 1), "");
}

// Texts of every length a store copies in its own way, from outside the card and from the
// card's own stored texts, while the stored texts grow many times over under the views.
TEST(CardMatrix, StoredTextsKeepTheirCharactersAsTheBufferGrows) {
  CardMatrix m;
  m.reset(40);
  std::vector<std::string> expected;
  for (int n = 0; n < 12000; ++n) {
    const Cell at = cellNumber(n);
    std::string text;
    if (n % 3 == 2 && n > 0) {
      // A copy of an earlier cell, given as a view of the card itself.
      const Cell from = cellNumber(n / 2);
      text = expected[static_cast<std::size_t>(n / 2)];
      m.setText(at.row, at.column, m.text(from.row, from.column));
    } else {
      for (int i = 0; i < n % 41; ++i) text += static_cast<char>('A' + (n + i) % 26);
      m.setText(at.row, at.column, text);
    }
    expected.push_back(text);
  }
  for (int n = 0; n < 12000; ++n) {
    const Cell at = cellNumber(n);
    ASSERT_EQ(m.text(at.row, at.column), expected[static_cast<std::size_t>(n)]) << n;
  }
}

// A figure stored through a mask reads back as the mask lays it out, whether the layout is the
// plain one written in place or the general one.
TEST(CardMatrix, MaskedAndWholeFiguresReadAsTheirLayout) {
  const struct {
    const char* mask;
    long double value;
  } rows[] = {
      {"###", 92},     {"###", 84.5L},    {"###", -0.4L},         {"##.##", 2.675L},
      {"#", 1234567},  {"###.#", 1e300L}, {"##,###", 12345},      {"\\   \\", 7.5L},
      {"###", 1e-30L}, {"#####", -17},    {".##", 0.125L},        {"##.#", 99.96L},
      {"####", 1e18L}, {"###", 0.5L},     {"#.######", 1.0L / 3},
  };
  CardMatrix m;
  m.reset(1);
  int column = kFirstComputed;
  for (const auto& row : rows) {
    m.setMasked(1, column, FigureMask(row.mask), row.value);
    EXPECT_EQ(m.text(1, column), Format(row.mask, row.value)) << row.mask;
    ++column;
  }
  for (const long long n : {0LL, 7LL, -17LL, 7380LL, -9223372036854775807LL - 1}) {
    m.setWhole(1, column, n);
    EXPECT_EQ(m.text(1, column), plainWhole(n)) << n;
    ++column;
  }
}

// A card read again into the room of the last one starts with every computed cell empty, and
// its file fields where the reader put them.
TEST(CardMatrix, AReloadIntoTheSameRoomStartsWithEmptyFigures) {
  CardMatrix m;
  m.load(
      readRecordsUnlessMore(kRecord + kRecord, kFieldCount, 10, SpanList(), CardMatrix::kRowCells));
  for (int column = kFirstComputed; column < kColumnCount; ++column) {
    m.setText(2, column, "99");
  }
  RecordTable buffers = m.releaseBuffers();
  m.load(readRecordsUnlessMore(kRecord + kRecord, kFieldCount, 10, std::move(buffers.spans),
                               CardMatrix::kRowCells));
  ASSERT_EQ(m.entryCount(), 2);
  EXPECT_EQ(m.text(2, 1), "KSV");
  EXPECT_EQ(m.text(2, 3), "3");
  for (int column = kFirstComputed; column < kColumnCount; ++column) {
    ASSERT_EQ(m.text(2, column), "") << column;
  }
}

// A card whose figures run into the limit holds no more memory than the limit and a store's
// room, and gives it back when the next card loaded needs a fraction of it.
TEST(CardMatrix, FiguresPastTheLimitTakeNoMoreMemoryThanTheLimit) {
  constexpr std::size_t kLimit = std::size_t{1} << 20;
  CardMatrix m;
  m.reset(40);
  m.limitStoredText(kLimit);
  std::size_t stores = 0;
  EXPECT_THROW(
      for (;; ++stores) {
        const Cell at = cellNumber(static_cast<int>(stores % 20000));
        m.setMasked(at.row, at.column, "##############", 1e13L + static_cast<long double>(stores));
      },
      StoredTextFull);
  EXPECT_GT(stores, kLimit / 16);  // the limit, not something else, stopped the stores
  EXPECT_LE(m.storedTextCapacity(), kLimit + kPlainFigureRoom);
  m.load(readRecords(kRecord, kFieldCount, 10));
  EXPECT_LT(m.storedTextCapacity(), kLimit / 8);
  m.setMasked(1, kFirstComputed, "###", 85);
  EXPECT_EQ(m.text(1, kFirstComputed), " 85");
}

// Past the limit on stored texts a store is refused as a whole, and what was stored stays.
TEST(CardMatrix, AStorePastTheLimitIsRefusedAndKeepsTheRest) {
  CardMatrix m;
  m.reset(2);
  m.limitStoredText(270);  // the table of single characters takes 256
  m.setText(1, kFirstComputed, "kept");
  m.setMasked(1, kFirstComputed + 1, "###", 85);
  EXPECT_THROW(m.setText(1, kFirstComputed + 2, std::string(40, 'x')), StoredTextFull);
  EXPECT_THROW(m.setMasked(1, kFirstComputed + 3, "##########.####", 1), StoredTextFull);
  EXPECT_THROW(m.setMasked(1, kFirstComputed + 4, "##,###,###,###,###,###.##", 1), StoredTextFull);
  EXPECT_EQ(m.text(1, kFirstComputed), "kept");
  EXPECT_EQ(m.text(1, kFirstComputed + 1), " 85");
  EXPECT_EQ(m.text(1, kFirstComputed + 2), "");
  m.setText(2, kFirstComputed, "S");  // single characters take no room
  EXPECT_EQ(m.text(2, kFirstComputed), "S");
}

}  // namespace
}  // namespace kestravo
