// Control ids of the main window and the scratch window, and the notification codes their
// commands accept. The ids are the program's own and stay fixed whatever draws the window.
#pragma once

namespace kestravo::control {

inline constexpr int kOpenDataFile = 1001;
inline constexpr int kScratch = 1002;
inline constexpr int kRaceView = 1003;
inline constexpr int kRacesList = 1005;
inline constexpr int kEntriesList = 1006;
inline constexpr int kScratchSave = 1007;
inline constexpr int kScratchList = 1008;
inline constexpr int kRaceDetailList = 1009;
inline constexpr int kFileLabel = 1010;
inline constexpr int kRaceLabel = 1014;
inline constexpr int kViewLabel = 1015;

// The angle lists of the whole card.
inline constexpr int kVulnerableFavorite = 1107;
inline constexpr int kLowestWeight = 1016;
inline constexpr int kTrainerJockey = 1070;
inline constexpr int kFirstTimeMaiden = 1071;
inline constexpr int kUncoupledTrainers = 1072;
inline constexpr int kBestWorkouts = 1074;
inline constexpr int kBreak = 1076;
inline constexpr int kPowerPlay = 1101;
inline constexpr int kFormula = 1103;
// The statistics list and the reports of the chosen race.
inline constexpr int kStatistics = 1102;
inline constexpr int kKeyTrainerStats = 1104;
inline constexpr int kHorseRecords = 1106;
// The value window of the chosen race: its odds line against the odds on offer.
inline constexpr int kValue = 1110;

// The report commands and the value window; each gets its button on the main window.
inline constexpr int kReportCommands[] = {
    kRaceView,           kLowestWeight, kTrainerJockey,   kFirstTimeMaiden,
    kUncoupledTrainers,  kBestWorkouts, kBreak,           kPowerPlay,
    kStatistics,         kFormula,      kKeyTrainerStats, kHorseRecords,
    kVulnerableFavorite, kValue};

}  // namespace kestravo::control

namespace kestravo::notify {
inline constexpr int kClicked = 0;
inline constexpr int kPushed = 1;  // a button pushed from the keyboard
inline constexpr int kDoubleClicked = 2;
}  // namespace kestravo::notify
