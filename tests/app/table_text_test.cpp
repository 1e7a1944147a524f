#include "app/table_text.h"

#include <gtest/gtest.h>

namespace kestravo {
namespace {

TEST(TableText, CsvQuotesOnlyWhatNeedsIt) {
  EXPECT_EQ(tableField("  7", TableFormat::kCsv), "  7");
  EXPECT_EQ(tableField("", TableFormat::kCsv), "");
  EXPECT_EQ(tableField("DANCER, THE", TableFormat::kCsv), "\"DANCER, THE\"");
  EXPECT_EQ(tableField("6\" FENCE", TableFormat::kCsv), "\"6\"\" FENCE\"");
  EXPECT_EQ(tableField("A\nB", TableFormat::kCsv), "\"A\nB\"");
  EXPECT_EQ(tableField("A\rB", TableFormat::kCsv), "\"A\rB\"");
  EXPECT_EQ(tableField("A\tB", TableFormat::kCsv), "A\tB");
}

TEST(TableText, TabsQuoteTabsQuotesAndLineBreaks) {
  EXPECT_EQ(tableField("DANCER, THE", TableFormat::kTabs), "DANCER, THE");
  EXPECT_EQ(tableField("A\tB", TableFormat::kTabs), "\"A\tB\"");
  EXPECT_EQ(tableField("\"", TableFormat::kTabs), "\"\"\"\"");
}

TEST(TableText, TitlesThenTheChosenRowsOrAll) {
  const TextList list{{"PP", "HORSE"}, {{" 1", "ONE"}, {" 2", "TWO, JR"}, {" 3", "THREE"}}};
  EXPECT_EQ(tableText(list, {}, TableFormat::kCsv),
            "PP,HORSE\r\n 1,ONE\r\n 2,\"TWO, JR\"\r\n 3,THREE\r\n");
  EXPECT_EQ(tableText(list, {2, 0}, TableFormat::kTabs), "PP\tHORSE\n 3\tTHREE\n 1\tONE\n");
  EXPECT_EQ(tableText(list, {7}, TableFormat::kTabs), "PP\tHORSE\n");
}

}  // namespace
}  // namespace kestravo
