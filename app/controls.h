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

// The report commands; each gets its button on the main window.
inline constexpr int kReportCommands[] = {1003, 1016, 1070, 1071, 1072, 1074, 1076,
                                          1101, 1102, 1103, 1104, 1106, 1107};

}  // namespace kestravo::control

namespace kestravo::notify {
inline constexpr int kClicked = 0;
inline constexpr int kPushed = 1;  // a button pushed from the keyboard
inline constexpr int kDoubleClicked = 2;
}  // namespace kestravo::notify
