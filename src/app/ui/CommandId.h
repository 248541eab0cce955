#pragma once

// The ids of the program's commands: menu items, the buttons of the command bar, the date bar and
// the food dialogs' tool bars. An action keeps its id in data(); the tests find commands by it.
namespace CommandId {

// File menu
inline constexpr int kNewProfile = 32775;
inline constexpr int kOpenProfile = 32776;
inline constexpr int kCloseProfile = 32777;
inline constexpr int kDeleteProfile = 32785;
inline constexpr int kSaveAsPdf = 32903;
inline constexpr int kSavePicture = 32904;
inline constexpr int kAbout = 57664;
inline constexpr int kExit = 57665;

// View menu
inline constexpr int kDiary = 32778;
inline constexpr int kProfile = 32779;
inline constexpr int kWeightTracker = 32780;
inline constexpr int kReports = 32853;
inline constexpr int kGraphs = 32854;
inline constexpr int kZoomIn = 32901;
inline constexpr int kZoomOut = 32902;

// Tools menu
inline constexpr int kImportNutrientDatabase = 32787;
inline constexpr int kOptions = 32795;
inline constexpr int kBackupAll = 32855;
inline constexpr int kRestoreAll = 32856;
inline constexpr int kRestoreNutrientDatabase = 32871;
inline constexpr int kDeleteNutrientDatabase = 32872;
inline constexpr int kProfileSettings = 32877;

// The views' buttons. New, Delete and Properties also act on the list of a food dialog.
inline constexpr int kNew = 32812;
inline constexpr int kDelete = 32814;
inline constexpr int kProperties = 32815;
inline constexpr int kNewExercise = 32847;
inline constexpr int kLaunchCompanion = 32869;
inline constexpr int kToday = 32857;
inline constexpr int kLastWeek = 32859;
inline constexpr int kLastMonth = 32860;
inline constexpr int kExportReport = 32870;
inline constexpr int kPreviousDay = 32832;
inline constexpr int kNextDay = 32835;
inline constexpr int kApply = 32806;
inline constexpr int kBodyMassIndex = 32797;
inline constexpr int kDietGoals = 32798;
inline constexpr int kMealsPattern = 32800;

// The food dialogs' tool bars
inline constexpr int kNewFolder = 32813;
inline constexpr int kCut = 32816;
inline constexpr int kCopy = 32851;
inline constexpr int kPaste = 32817;
inline constexpr int kApplyFood = 32821;
inline constexpr int kDetails = 32824;
inline constexpr int kServingSizes = 32842;
inline constexpr int kSetDefaultServing = 32846;
inline constexpr int kWhatCanIEat = 32849;
inline constexpr int kNewFood = 32876;

} // namespace CommandId
