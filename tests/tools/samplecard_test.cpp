// The sample-card maker: byte-for-byte repeatable cards whose records hold together the way a
// handicapper's data file does (races, dates and day gaps, calls and lengths, workouts, records).
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "tools/samplecard/sample_card.h"

namespace {

using kestravo::makeSampleCard;
using kestravo::SampleCardOptions;
using kestravo::sampleCardProblem;

// Field numbers of the data file, written out here apart from the maker's own table so that a
// wrong number on either side shows up as a broken card.
constexpr int kFields = 1435;
constexpr int kRaceDate = 2;
constexpr int kRaceNumber = 3;
constexpr int kPost = 4;
constexpr int kDistance = 6;
constexpr int kSurface = 7;
constexpr int kRaceType = 9;
constexpr int kRestriction = 10;
constexpr int kPurse = 12;
constexpr int kAllWeather = 25;
constexpr int kTrainer = 28;
constexpr int kTrainerMeet = 29;
constexpr int kJockey = 33;
constexpr int kJockeyMeet = 35;
constexpr int kProgram = 43;
constexpr int kMorningLine = 44;
constexpr int kName = 45;
constexpr int kYearOfBirth = 46;
constexpr int kDaysSinceLast = 224;
constexpr int kTrainerCurrentYear = 1147;
constexpr int kTrainerJockeyYear = 219;
constexpr int kTrainerJockeyMeet = 1413;
constexpr int kKeyCategories = 1337;
// Five-field records: starts, wins, places, shows, earnings.
constexpr int kDistanceRecord = 65, kTrackRecord = 70, kTurfRecord = 75, kWetRecord = 80;
constexpr int kCurrentYearRecord = 86, kPreviousYearRecord = 92, kLifetime = 97;
constexpr int kAllWeatherRecord = 231, kDirtRecord = 1332;
// Past-race blocks (race j is B + j - 1).
constexpr int kPastDate = 256, kDayGap = 266, kStarters = 346, kPastSurface = 326;
constexpr int kPastDistance = 316, kFirstFraction = 876, kFinalTime = 1036, kPastAllWeather = 1403;
constexpr int kFinishPosition = 616;
constexpr int kCallPosition[] = {576, 586, 606, 616};
constexpr int kCallLead[] = {656, 676, 716, 736};
constexpr int kCallBehind[] = {666, 686, 726, 746};
// Workout blocks (work w is B + w - 1).
constexpr int kWorkDate = 102, kWorkTime = 114, kWorkTrack = 126, kWorkDistance = 138;
constexpr int kWorkCondition = 150, kWorkDescription = 162, kWorkIndicator = 174;
constexpr int kWorksThatDay = 186, kWorkRank = 198;

using Record = std::vector<std::string>;

struct SplitFile {
  std::vector<Record> records;
  std::vector<std::string> problems;
};

// Splits a data file as a reader does: a comma or CR LF inside double quotes belongs to the
// field and the quotes do not; a record must end in CR LF.
SplitFile splitFile(const std::string& text) {
  SplitFile file;
  Record record;
  std::string field;
  bool quoted = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (quoted) {
      if (c == '"')
        quoted = false;
      else
        field += c;
    } else if (c == '"') {
      quoted = true;
    } else if (c == ',') {
      record.push_back(field);
      field.clear();
    } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      record.push_back(field);
      field.clear();
      file.records.push_back(record);
      record.clear();
      ++i;
    } else if (c == '\r' || c == '\n') {
      file.problems.push_back("record " + std::to_string(file.records.size() + 1) +
                              " has a line end other than CR LF");
    } else {
      field += c;
    }
  }
  if (quoted || !field.empty() || !record.empty())
    file.problems.push_back("the last record does not end in CR LF");
  return file;
}

const std::string& at(const Record& record, int field) {
  return record.at(static_cast<std::size_t>(field - 1));
}
double number(const Record& record, int field) { return std::atof(at(record, field).c_str()); }
int whole(const Record& record, int field) { return std::atoi(at(record, field).c_str()); }

// Days since 1 January 1970 of a YYYYMMDD text, on the standard library's calendar.
int dayCount(const std::string& text) {
  using namespace std::chrono;
  const year_month_day date{year{std::atoi(text.substr(0, 4).c_str())},
                            month{static_cast<unsigned>(std::atoi(text.substr(4, 2).c_str()))},
                            day{static_cast<unsigned>(std::atoi(text.substr(6, 2).c_str()))}};
  EXPECT_TRUE(text.size() == 8 && date.ok()) << "not a date: " << text;
  return static_cast<int>(sys_days{date}.time_since_epoch().count());
}

int pastRaces(const Record& entry) {
  int count = 0;
  while (count < 10 && !at(entry, kPastDate + count).empty()) ++count;
  return count;
}

SampleCardOptions options(int races, int fewest, int most, std::uint64_t seed,
                          std::string track = "KSV", std::string date = "20261208") {
  SampleCardOptions o;
  o.races = races;
  o.minEntries = fewest;
  o.maxEntries = most;
  o.seed = seed;
  o.trackCode = std::move(track);
  o.raceDate = std::move(date);
  return o;
}

// Cards of several shapes; every structural rule must hold on all of them.
const std::vector<SampleCardOptions>& cardShapes() {
  static const std::vector<SampleCardOptions> shapes = {
      SampleCardOptions{},
      options(10, 8, 12, 2),
      options(12, 10, 10, 77, "AQU", "20250621"),
      options(3, 2, 3, 5, "XYZ", "20240301"),
      options(1, 1, 1, 9),
      options(15, 18, 20, 123456789, "K1", "20351231"),
  };
  return shapes;
}

const std::vector<Record>& cardOf(std::size_t shape) {
  static std::map<std::size_t, std::vector<Record>> cache;
  auto found = cache.find(shape);
  if (found == cache.end()) {
    found = cache.emplace(shape, splitFile(makeSampleCard(cardShapes()[shape])).records).first;
  }
  return found->second;
}

// Runs a check over every entry of every card shape.
template <typename Check>
void forEveryEntry(Check check) {
  for (std::size_t shape = 0; shape < cardShapes().size(); ++shape) {
    for (const Record& entry : cardOf(shape)) {
      SCOPED_TRACE("card " + std::to_string(shape) + ", race " + at(entry, kRaceNumber) + ", " +
                   at(entry, kName));
      check(cardShapes()[shape], entry);
    }
  }
}

TEST(SampleCardTestReader, SplitsFieldsHonouringQuotes) {
  struct Row {
    std::string text;
    std::size_t records;
    std::size_t fieldsOfFirst;
    std::size_t problems;
  };
  const Row rows[] = {
      {"a,b,c\r\n", 1, 3, 0}, {"\"a,b\",c\r\n", 1, 2, 0}, {"\"x\r\ny\",z\r\n\"1\",2\r\n", 2, 2, 0},
      {",,\r\n", 1, 3, 0},    {"a,b\n", 0, 0, 2},         {"a,b\r\nc", 1, 2, 1},
  };
  for (const Row& row : rows) {
    const SplitFile file = splitFile(row.text);
    EXPECT_EQ(file.records.size(), row.records) << row.text;
    if (!file.records.empty()) {
      EXPECT_EQ(file.records[0].size(), row.fieldsOfFirst) << row.text;
    }
    EXPECT_EQ(file.problems.size(), row.problems) << row.text;
  }
}

TEST(SampleCardMaker, SameOptionsGiveTheSameBytes) {
  for (const SampleCardOptions& shape : cardShapes()) {
    EXPECT_EQ(makeSampleCard(shape), makeSampleCard(shape)) << "seed " << shape.seed;
  }
}

TEST(SampleCardMaker, OtherOptionsGiveOtherBytes) {
  const std::string base = makeSampleCard({});
  const SampleCardOptions rows[] = {
      options(10, 8, 12, 2),
      options(10, 8, 12, 1, "ABC"),
      options(10, 8, 12, 1, "KSV", "20261209"),
      options(9, 8, 12, 1),
  };
  for (const SampleCardOptions& row : rows) {
    EXPECT_NE(makeSampleCard(row), base) << row.seed << " " << row.trackCode << " " << row.raceDate;
  }
}

TEST(SampleCardMaker, RefusesUnusableOptions) {
  const SampleCardOptions bad[] = {
      options(0, 8, 12, 1),
      options(100, 8, 12, 1),
      options(10, 0, 12, 1),
      options(10, 8, 21, 1),
      options(10, 9, 8, 1),
      options(10, 8, 12, 1, ""),
      options(10, 8, 12, 1, "ksv"),
      options(10, 8, 12, 1, "TOOLONG"),
      options(10, 8, 12, 1, "K\"V"),
      options(10, 8, 12, 1, "KSV", "20250229"),
      options(10, 8, 12, 1, "KSV", "2026128"),
      options(10, 8, 12, 1, "KSV", "20091231"),
      options(10, 8, 12, 1, "KSV", "20360101"),
      options(10, 8, 12, 1, "KSV", "2026120X"),
  };
  for (const SampleCardOptions& row : bad) {
    EXPECT_FALSE(sampleCardProblem(row).empty())
        << row.races << " " << row.trackCode << " " << row.raceDate;
    EXPECT_THROW(makeSampleCard(row), std::invalid_argument);
  }
  const SampleCardOptions good[] = {
      options(1, 1, 1, 0),
      options(99, 20, 20, 1),
      options(10, 8, 12, 1, "A", "20100101"),
      options(10, 8, 12, 1, "AB123", "20240229"),
  };
  for (const SampleCardOptions& row : good) EXPECT_EQ(sampleCardProblem(row), "") << row.raceDate;
}

TEST(SampleCardFile, EveryRecordHas1435FieldsAndEndsInCrLf) {
  for (const SampleCardOptions& shape : cardShapes()) {
    const std::string text = makeSampleCard(shape);
    const SplitFile file = splitFile(text);
    EXPECT_TRUE(file.problems.empty()) << file.problems.front();
    ASSERT_FALSE(file.records.empty());
    for (const Record& record : file.records)
      EXPECT_EQ(record.size(), static_cast<std::size_t>(kFields));
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
  }
}

TEST(SampleCardRaces, RacesAscendWithEntriesInRangeAndPostsInOrder) {
  for (std::size_t shape = 0; shape < cardShapes().size(); ++shape) {
    const SampleCardOptions& o = cardShapes()[shape];
    std::map<int, std::vector<const Record*>> races;
    int previous = 0;
    for (const Record& entry : cardOf(shape)) {
      const int race = whole(entry, kRaceNumber);
      EXPECT_GE(race, previous) << "races out of order";
      previous = race;
      races[race].push_back(&entry);
      EXPECT_EQ(at(entry, kRaceDate), o.raceDate);
    }
    ASSERT_EQ(static_cast<int>(races.size()), o.races);
    EXPECT_EQ(races.begin()->first, 1);
    EXPECT_EQ(races.rbegin()->first, o.races);
    for (const auto& [race, entries] : races) {
      EXPECT_GE(static_cast<int>(entries.size()), o.minEntries) << "race " << race;
      EXPECT_LE(static_cast<int>(entries.size()), o.maxEntries) << "race " << race;
      std::set<std::string> jockeys;
      for (std::size_t i = 0; i < entries.size(); ++i) {
        const Record& entry = *entries[i];
        EXPECT_EQ(whole(entry, kPost), static_cast<int>(i) + 1) << "race " << race;
        jockeys.insert(at(entry, kJockey));
        // The conditions belong to the race, not the horse.
        for (const int f : {kDistance, kSurface, kRaceType, kRestriction, kPurse, kAllWeather}) {
          EXPECT_EQ(at(entry, f), at(*entries[0], f)) << "race " << race << " field " << f;
        }
      }
      EXPECT_EQ(jockeys.size(), entries.size()) << "a jockey rides twice in race " << race;
    }
  }
}

TEST(SampleCardRaces, CardHasMaidenAllWeatherCoupledEntryAndFirstTimers) {
  for (std::uint64_t seed = 1; seed <= 6; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    const SplitFile file = splitFile(makeSampleCard(options(10, 8, 12, seed)));
    std::set<std::string> maidenRaces, allWeatherRaces, aboutDistances;
    int firstTimers = 0, shortRecords = 0, coupled = 0;
    std::map<std::string, const Record*> programOne;
    for (const Record& entry : file.records) {
      const std::string& race = at(entry, kRaceNumber);
      const bool maiden = at(entry, kRaceType) == "M" || at(entry, kRaceType) == "S";
      if (maiden) maidenRaces.insert(race);
      if (at(entry, kAllWeather) == "A") allWeatherRaces.insert(race);
      if (whole(entry, kDistance) < 0) aboutDistances.insert(race);
      const int raced = pastRaces(entry);
      if (raced == 0) {
        ++firstTimers;
        EXPECT_TRUE(maiden) << "a first-time starter outside a maiden race";
      }
      if (raced > 0 && raced < 10) ++shortRecords;
      if (at(entry, kProgram) == "1") programOne[race] = &entry;
    }
    for (const Record& entry : file.records) {
      if (at(entry, kProgram) != "1A") continue;
      ++coupled;
      const Record* partner = programOne[at(entry, kRaceNumber)];
      ASSERT_NE(partner, nullptr) << "1A without a 1";
      EXPECT_EQ(at(entry, kTrainer), at(*partner, kTrainer));
      EXPECT_EQ(at(entry, kMorningLine), at(*partner, kMorningLine));
    }
    EXPECT_GE(maidenRaces.size(), 2u);
    EXPECT_EQ(allWeatherRaces.size(), 1u);
    EXPECT_GE(aboutDistances.size(), 1u);
    EXPECT_EQ(coupled, 1);
    EXPECT_GE(firstTimers, 2);
    EXPECT_GE(shortRecords, 1);
  }
}

TEST(SampleCardDates, DaysSinceLastRaceIsRaceDateMinusLastRace) {
  forEveryEntry([](const SampleCardOptions& o, const Record& entry) {
    if (pastRaces(entry) == 0) {
      EXPECT_EQ(at(entry, kDaysSinceLast), "");
      for (int j = 0; j < 10; ++j) {
        for (const int block : {kPastDate, kDayGap, kFinishPosition, kFinalTime, kPastSurface}) {
          EXPECT_EQ(at(entry, block + j), "")
              << "first-time starter with past-race field " << block + j;
        }
      }
      return;
    }
    EXPECT_EQ(whole(entry, kDaysSinceLast), dayCount(o.raceDate) - dayCount(at(entry, kPastDate)));
  });
}

TEST(SampleCardDates, DayGapsMatchConsecutivePastRaces) {
  forEveryEntry([](const SampleCardOptions&, const Record& entry) {
    const int raced = pastRaces(entry);
    for (int j = raced; j < 10; ++j)
      EXPECT_EQ(at(entry, kPastDate + j), "") << "gap in the past races";
    for (int j = 0; j + 1 < raced; ++j) {
      const int newer = dayCount(at(entry, kPastDate + j));
      const int older = dayCount(at(entry, kPastDate + j + 1));
      EXPECT_GT(newer, older);
      EXPECT_EQ(whole(entry, kDayGap + j), newer - older) << "past race " << j + 1;
    }
    if (raced > 0 && raced < 10) {
      EXPECT_EQ(at(entry, kDayGap + raced - 1), "") << "gap after the oldest race";
    }
  });
}

TEST(SampleCardCalls, PositionsLieWithinTheFieldAndLengthsFitThem) {
  forEveryEntry([](const SampleCardOptions&, const Record& entry) {
    for (int j = 0; j < pastRaces(entry); ++j) {
      const int starters = whole(entry, kStarters + j);
      EXPECT_GE(starters, 2);
      for (int call = 0; call < 4; ++call) {
        const int position = whole(entry, kCallPosition[call] + j);
        const double lead = number(entry, kCallLead[call] + j);
        const double behind = number(entry, kCallBehind[call] + j);
        SCOPED_TRACE("past race " + std::to_string(j + 1) + " call " + std::to_string(call + 1));
        EXPECT_GE(position, 1);
        EXPECT_LE(position, starters);
        if (position == 1) {
          EXPECT_EQ(behind, 0.0);
          EXPECT_GT(lead, 0.0);
        } else {
          EXPECT_GT(behind, 0.0);
          EXPECT_EQ(lead, 0.0);
        }
      }
    }
  });
}

TEST(SampleCardTimes, FractionsAndFinalTimesFitTheDistance) {
  forEveryEntry([](const SampleCardOptions&, const Record& entry) {
    for (int j = 0; j < pastRaces(entry); ++j) {
      const double furlongs = std::abs(number(entry, kPastDistance + j)) / 220.0;
      const double fraction = number(entry, kFirstFraction + j);
      const double final = number(entry, kFinalTime + j);
      EXPECT_GE(furlongs, 5.0);
      EXPECT_LE(furlongs, 11.0);
      EXPECT_GE(fraction, 21.0);
      EXPECT_LE(fraction, 25.0);
      EXPECT_GE(final / furlongs, 11.0) << final << " s over " << furlongs << " furlongs";
      EXPECT_LE(final / furlongs, 13.8) << final << " s over " << furlongs << " furlongs";
      // The all-weather flag and the surface agree: all-weather races are on a dirt-like course.
      if (at(entry, kPastAllWeather + j) == "A") {
        EXPECT_EQ(at(entry, kPastSurface + j), "D");
      }
    }
  });
}

TEST(SampleCardWorkouts, WorksComeBeforeTheRaceNewestFirstAtListedTracks) {
  // Tracks of the workout track table.
  static const std::set<std::string> kTracks = {
      "SAR", "SA",    "AKS", "FNO",   "PRX", "TUP", "AP",  "GS",    "PIM", "WDS", "ATL",
      "GG",  "PLA",   "YM",  "AQU",   "GP",  "PLN", "CNL", "AQUIN", "HAW", "PM",  "CDT",
      "BAN", "HIA",   "RET", "CBY",   "BM",  "HOO", "RD",  "EMD",   "BEL", "HOU", "RKM",
      "HST", "BELTR", "HOL", "RP",    "GLD", "BEU", "KEE", "SAC",   "MNR", "BGD", "KHC",
      "PRM", "BRD",   "LRL", "SARTR", "TAP", "BHP", "LNN", "SLRTR", "TTC", "CRC", "LRC",
      "WO",  "CD",    "LS",  "SATR",  "FE",  "DEL", "LAD", "SR",    "PMM", "DMR", "MED",
      "SHD", "FAI",   "DET", "MID",   "SOL", "CT",  "ELP", "MTH",   "SPT", "BNT", "EVD",
      "OP",  "SUF",   "CNS", "FG",    "OTC", "TAM", "DMC", "FP",    "PBD", "TDN", "HPT",
      "FPX", "PAY",   "TRM", "VHT",   "FL",  "PEN", "TP",  "PID",   "EVT"};
  static const std::set<std::string> kConditions = {"ft", "gd", "sl", "my", "sy", "hy", "fm"};
  static const std::set<std::string> kDescriptions = {"H", "B", "Bg", "Hg", "g", "B D", "H D"};
  forEveryEntry([](const SampleCardOptions& o, const Record& entry) {
    int works = 0;
    while (works < 12 && !at(entry, kWorkDate + works).empty()) ++works;
    if (pastRaces(entry) == 0) {
      EXPECT_GE(works, 1) << "a first-time starter without a work";
    }
    for (int w = works; w < 12; ++w) EXPECT_EQ(at(entry, kWorkTime + w), "");
    int later = dayCount(o.raceDate);
    for (int w = 0; w < works; ++w) {
      SCOPED_TRACE("work " + std::to_string(w + 1));
      const int day = dayCount(at(entry, kWorkDate + w));
      EXPECT_LT(day, later);
      later = day;
      const int count = whole(entry, kWorksThatDay + w);
      const int rank = whole(entry, kWorkRank + w);
      EXPECT_GE(rank, 1);
      EXPECT_LE(rank, count);
      const double time = number(entry, kWorkTime + w);
      EXPECT_EQ(time < 0, rank == 1) << "the best work of the day, and only it, is marked";
      const int yards = std::abs(whole(entry, kWorkDistance + w));
      EXPECT_GE(yards, 660);
      EXPECT_LE(yards, 1320);
      const double perFurlong = std::abs(time) / (yards / 220.0);
      EXPECT_GE(perFurlong, 11.0);
      EXPECT_LE(perFurlong, 14.0);
      EXPECT_TRUE(kTracks.count(at(entry, kWorkTrack + w))) << at(entry, kWorkTrack + w);
      EXPECT_TRUE(kConditions.count(at(entry, kWorkCondition + w)))
          << at(entry, kWorkCondition + w);
      EXPECT_TRUE(kDescriptions.count(at(entry, kWorkDescription + w)))
          << at(entry, kWorkDescription + w);
      EXPECT_TRUE(at(entry, kWorkIndicator + w) == "" || at(entry, kWorkIndicator + w) == "TR");
    }
  });
}

TEST(SampleCardRecords, RecordsAddUpToTheLifetime) {
  forEveryEntry([](const SampleCardOptions&, const Record& entry) {
    const auto starts = [&](int record) { return whole(entry, record); };
    for (const int record :
         {kDistanceRecord, kTrackRecord, kTurfRecord, kWetRecord, kCurrentYearRecord,
          kPreviousYearRecord, kLifetime, kAllWeatherRecord, kDirtRecord}) {
      EXPECT_LE(whole(entry, record + 1) + whole(entry, record + 2) + whole(entry, record + 3),
                starts(record))
          << "record at field " << record;
      EXPECT_LE(starts(record), starts(kLifetime)) << "record at field " << record;
      EXPECT_GE(whole(entry, record + 4), 0);
    }
    EXPECT_EQ(starts(kDirtRecord) + starts(kTurfRecord) + starts(kAllWeatherRecord),
              starts(kLifetime));
    EXPECT_LE(starts(kCurrentYearRecord) + starts(kPreviousYearRecord), starts(kLifetime));
    const int raced = pastRaces(entry);
    EXPECT_EQ(raced, std::min(10, starts(kLifetime)));
    int winsShown = 0;
    for (int j = 0; j < raced; ++j) winsShown += whole(entry, kFinishPosition + j) == 1 ? 1 : 0;
    EXPECT_GE(whole(entry, kLifetime + 1), winsShown);
    if (raced == starts(kLifetime)) {
      EXPECT_EQ(whole(entry, kLifetime + 1), winsShown);
    }
    const bool maidenRace = at(entry, kRaceType) == "M" || at(entry, kRaceType) == "S";
    EXPECT_EQ(maidenRace, whole(entry, kLifetime + 1) == 0)
        << "maidens, and only maidens, run in maiden races";
  });
}

TEST(SampleCardEntries, NamesAgesAndConnectionsHoldTogether) {
  for (std::size_t shape = 0; shape < cardShapes().size(); ++shape) {
    const SampleCardOptions& o = cardShapes()[shape];
    const int year = std::atoi(o.raceDate.substr(0, 4).c_str());
    std::set<std::string> names;
    std::map<std::string, std::string> trainerRecords;
    for (const Record& entry : cardOf(shape)) {
      SCOPED_TRACE(at(entry, kName));
      EXPECT_LE(at(entry, kName).size(), 18u);
      EXPECT_TRUE(names.insert(at(entry, kName)).second) << "two horses of one name";
      // Age from the restriction's first two letters: A = 2, B = 3, C = 4, then ONLY or UP.
      const std::string& restriction = at(entry, kRestriction);
      ASSERT_EQ(restriction.size(), 3u);
      ASSERT_EQ(at(entry, kYearOfBirth).size(), 2u);
      const int age = year % 100 - whole(entry, kYearOfBirth);
      const int youngest = restriction[0] == 'A' ? 2 : restriction[0] == 'C' ? 4 : 3;
      EXPECT_GE(age, youngest);
      if (restriction[1] == 'O') {
        EXPECT_EQ(age, youngest);
      }
      EXPECT_LE(age, 8);
      // A trainer's records are the same on every runner of the card.
      std::string records;
      for (int f = kTrainerMeet; f < kTrainerMeet + 4; ++f) records += at(entry, f) + ",";
      for (int f = kTrainerCurrentYear; f < kTrainerCurrentYear + 10; ++f)
        records += at(entry, f) + ",";
      const auto [known, added] = trainerRecords.emplace(at(entry, kTrainer), records);
      EXPECT_EQ(known->second, records) << at(entry, kTrainer);
      // The pairing's meet is part of its year and of both people's meets.
      const int pairingMeet = whole(entry, kTrainerJockeyMeet);
      EXPECT_LE(pairingMeet, whole(entry, kTrainerJockeyYear));
      EXPECT_LE(pairingMeet, whole(entry, kTrainerMeet));
      EXPECT_LE(pairingMeet, whole(entry, kJockeyMeet));
      EXPECT_LE(whole(entry, kTrainerJockeyMeet + 1), pairingMeet);
      for (int c = 0; c < 6; ++c) {
        EXPECT_FALSE(at(entry, kKeyCategories + 5 * c).empty());
        EXPECT_LE(whole(entry, kKeyCategories + 5 * c + 2),
                  whole(entry, kKeyCategories + 5 * c + 3));
      }
      EXPECT_GT(number(entry, kMorningLine), 0.0);
    }
  }
}

}  // namespace
