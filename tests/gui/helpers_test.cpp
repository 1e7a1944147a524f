#include <gtest/gtest.h>

#include <QFont>
#include <QFontMetrics>
#include <QRegularExpression>

#include "app/gui/dialog_template.h"
#include "app/gui/dialog_units.h"
#include "app/gui/file_chooser.h"
#include "app/gui/fonts.h"

namespace kestravo::gui {
namespace {

TEST(DialogUnits, BaseUnitsAsTheWindowSystemMeasuresThem) {
  struct Row {
    int alphabetWidth, height, baseX, baseY;
  };
  const Row rows[] = {
      {333, 12, 6, 12},  // Liberation Sans 8 at 96 dots an inch
      {311, 13, 6, 13}, {337, 13, 6, 13}, {338, 13, 7, 13}, {285, 11, 5, 11}, {416, 16, 8, 16},
  };
  for (const Row& r : rows) {
    const DialogUnits u = DialogUnits::fromMeasures(r.alphabetWidth, r.height);
    EXPECT_EQ(u.baseX, r.baseX) << r.alphabetWidth;
    EXPECT_EQ(u.baseY, r.baseY) << r.alphabetWidth;
  }
}

TEST(DialogUnits, ConvertsRoundingHalvesAwayFromZero) {
  const DialogUnits u{6, 12};
  EXPECT_EQ(u.x(523), 785);  // 784.5
  EXPECT_EQ(u.x(1), 2);      // 1.5
  EXPECT_EQ(u.x(10), 15);
  EXPECT_EQ(u.x(0), 0);
  EXPECT_EQ(u.y(380), 570);
  EXPECT_EQ(u.y(5), 8);  // 7.5
  EXPECT_EQ(u.y(1), 2);  // 1.5
  EXPECT_EQ(u.y(3), 5);  // 4.5
  EXPECT_EQ(u.rect(10, 165, 500, 205), QRect(15, 248, 750, 308));
  EXPECT_EQ(mulDiv(-3, 3, 2), -5);  // -4.5
  EXPECT_EQ(mulDiv(3, -3, 2), -5);
  EXPECT_EQ(mulDiv(7, 1, -2), -4);
  EXPECT_EQ(mulDiv(-7, 1, -2), 4);
}

TEST(Fonts, PickTheFaceOrItsMetricCompatibleStandIn) {
  struct Row {
    const char* face;
    QStringList installed;
    const char* picked;
  };
  const Row rows[] = {
      {"Courier New", {"Courier New", "Liberation Mono"}, "Courier New"},
      {"Courier New", {"DejaVu Sans", "Liberation Mono"}, "Liberation Mono"},
      {"courier new", {"Liberation Mono"}, "Liberation Mono"},
      {"Courier New", {"courier new"}, "courier new"},
      {"Courier New", {"DejaVu Sans Mono"}, "Courier New"},
      {"MS Sans Serif", {"Liberation Mono", "Liberation Sans"}, "Liberation Sans"},
      {"MS Sans Serif", {"Liberation Sans Narrow"}, "MS Sans Serif"},
      {"DejaVu Sans", {"DejaVu Sans"}, "DejaVu Sans"},
      {"Arial", {"Liberation Sans"}, "Arial"},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(pickFamily(r.face, r.installed).toStdString(), r.picked)
        << r.face << " among " << r.installed.join(",").toStdString();
  }
}

TEST(Fonts, DialogFontIsEightPointSans) {
  const QFont font = dialogFont();
  EXPECT_EQ(font.pointSize(), 8);
  EXPECT_FALSE(font.bold());
  const QFont bold = screenFont(kCourierNew, 11, true);
  EXPECT_EQ(bold.pointSize(), 11);
  EXPECT_TRUE(bold.bold());
}

TEST(ButtonText, BreaksAtBlanksToFitTheWidth) {
  const QFontMetrics m(screenFont(kMsSansSerif, 10));
  const auto w = [&](const char* text) { return m.horizontalAdvance(QLatin1String(text)); };
  struct Row {
    const char* text;
    int width;
    const char* wrapped;
  };
  const Row rows[] = {
      {"OPEN A DATA FILE", w("OPEN A DATA FILE"), "OPEN A DATA FILE"},
      {"OPEN A DATA FILE", w("OPEN A DATA FILE") - 1, "OPEN A DATA\nFILE"},
      {"OPEN A DATA FILE", w("OPEN A DATA"), "OPEN A DATA\nFILE"},
      {"OPEN A DATA FILE", w("OPEN A"), "OPEN A\nDATA\nFILE"},
      {"VULNERABLE FAVORITE", 1, "VULNERABLE\nFAVORITE"},
      {"BREAK", 1, "BREAK"},
      {"", 100, ""},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(wrapToWidth(QLatin1String(r.text), m, r.width).toStdString(), r.wrapped)
        << r.text << " in " << r.width;
  }
}

TEST(FileChooser, DataPatternsMatchEveryLetterCase) {
  const QStringList patterns = dataFilePatterns();
  const auto matches = [&](const char* name) {
    for (const QString& p : patterns) {
      if (QRegularExpression::fromWildcard(p, Qt::CaseSensitive)
              .match(QLatin1String(name))
              .hasMatch()) {
        return true;
      }
    }
    return false;
  };
  struct Row {
    const char* name;
    bool shown;
  };
  const Row rows[] = {
      {"SAR0812.DRF", true},   {"sar0812.drf", true},  {"KSV1208.Drf", true},
      {"SAR0812.EG", true},    {"sar0812.eg", true},   {"SAR0812.jcp", true},
      {"SAR0812.MCP", true},   {"SAR0812.pCs", true},  {"SAR0812_SCR.DRF", true},
      {"SAR0812.tch", false},  {"SAR0812.txt", false}, {"SAR0812.DRF.bak", false},
      {"SAR0812DRF", false},   {"SAR0812.DR", false},  {"SAR0812.EGG", false},
      {"CARDS.zip", true},     {"cards.ZIP", true},    {"SAR0812.Zip", true},
      {"SAR0812.zipx", false}, {"SAR0812.gz", false},
  };
  for (const Row& r : rows) EXPECT_EQ(matches(r.name), r.shown) << r.name;
  EXPECT_TRUE(dataFileFilter().startsWith("Data (")) << dataFileFilter().toStdString();
  EXPECT_TRUE(dataFileFilter().contains(patterns.join(' ')));
}

}  // namespace
}  // namespace kestravo::gui
