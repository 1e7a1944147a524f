// The main window's layout. The controls of the first rows and the column sets are the
// program's fixed screen; the report buttons and RaceDetailList stand in the strip added on
// the right: the reports and the value window of the chosen race in one column, the angles
// of the whole card in a block of three by three, and below them RaceDetailList beside
// EntriesList, row for row.
// The whole window, frame and all, fits a laptop screen of 1280 x 720 pixels, so
// RaceDetailList is narrower than its columns and scrolls sideways.
#pragma once

#include "app/gui/dialog_template.h"

namespace kestravo::gui::main_layout {

// Dialog units: the position on the screen and the size of the inside of the window.
inline constexpr int kX = 50;
inline constexpr int kY = 50;
inline constexpr int kWidth = 790;
inline constexpr int kHeight = 380;

inline constexpr ColumnLayout kEntriesColumns[] = {
    {25, Qt::AlignLeft},  {25, Qt::AlignRight}, {30, Qt::AlignRight}, {146, Qt::AlignLeft},
    {45, Qt::AlignRight}, {45, Qt::AlignRight}, {45, Qt::AlignRight}, {45, Qt::AlignRight},
    {45, Qt::AlignRight}, {45, Qt::AlignRight},
};

inline constexpr ColumnLayout kRaceDetailColumns[] = {
    {20, Qt::AlignLeft},    {20, Qt::AlignRight},   {20, Qt::AlignRight},   {106, Qt::AlignLeft},
    {40, Qt::AlignHCenter}, {30, Qt::AlignHCenter}, {40, Qt::AlignHCenter}, {34, Qt::AlignHCenter},
    {33, Qt::AlignHCenter}, {38, Qt::AlignHCenter}, {33, Qt::AlignHCenter}, {43, Qt::AlignHCenter},
    {43, Qt::AlignHCenter}, {43, Qt::AlignHCenter},
};

using enum ControlKind;
using enum FontKind;

// Table order is creation order and so tab order.
inline constexpr ControlLayout kControls[] = {
    // The statistics list's twelve more columns are figures, right-aligned like the ratings.
    {1006, kListView, "Listview1", 10, 165, 500, 205, kCourier11, Qt::AlignRight, kEntriesColumns},
    {1001, kButton, "OPEN A DATA FILE", 10, 15, 80, 50, kSans10},
    {1002, kButton, "SCRATCH UNSCRATCH", 10, 80, 80, 50, kSans10},
    {1005, kListBox, "", 100, 15, 410, 150, kCourier11Bold},
    {1010, kLabel, "RACES WINDOW", 275, 5, 210, 10, kSans10, Qt::AlignLeft},
    {1014, kLabel, "", 225, 5, 40, 10, kSans10, Qt::AlignRight},
    {1015, kLabel, "", 10, 5, 140, 10, kSans10, Qt::AlignLeft},
    // The reports of the chosen race, and its value window; each button as high as its
    // caption's lines need, KEY TRAINER STATS taking three.
    {1003, kButton, "RACE VIEW", 518, 15, 63, 22, kSans10},
    {1102, kButton, "STATS", 518, 42, 63, 22, kSans10},
    {1104, kButton, "KEY TRAINER STATS", 518, 69, 63, 32, kSans10},
    {1106, kButton, "HORSE RECORDS", 518, 106, 63, 26, kSans10},
    {1110, kButton, "VALUE", 518, 137, 63, 24, kSans10},
    // The angles, over the whole card.
    {1107, kButton, "VULNERABLE FAVORITE", 584, 15, 63, 46, kSans10},
    {1016, kButton, "LOWEST WEIGHT", 650, 15, 63, 46, kSans10},
    {1070, kButton, "TRAINER JOCKEY", 716, 15, 63, 46, kSans10},
    {1071, kButton, "FIRST TIME MAIDEN", 584, 65, 63, 46, kSans10},
    {1072, kButton, "UNCOUPLED TRAINERS", 650, 65, 63, 46, kSans10},
    {1074, kButton, "BEST WORKOUTS", 716, 65, 63, 46, kSans10},
    {1076, kButton, "BREAK", 584, 115, 63, 46, kSans10},
    {1101, kButton, "POWER PLAY 80", 650, 115, 63, 46, kSans10},
    {1103, kButton, "FORMULA", 716, 115, 63, 46, kSans10},
    {1009, kListView, "Listview3", 518, 165, 262, 205, kCourier11, Qt::AlignLeft,
     kRaceDetailColumns},
};

}  // namespace kestravo::gui::main_layout
