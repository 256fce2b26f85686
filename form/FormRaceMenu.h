#pragma once

#include <cstdint>
#include <functional>
#include <optional>

class QSettings;

namespace kadenzo {

class CLibrary;
class CMainFrame;

// The race category is the athlete's choice for every diary, so the
// program's settings keep it ("Form/RaceCategory", as ChosenRaceCategory
// reads it); without a choice it is the library's default.
std::optional<std::uint32_t> RaceCategoryFromSettings(QSettings* settings, const CLibrary& library);
void StoreRaceCategory(QSettings& settings, std::optional<std::uint32_t> category);

// The Range menu's Race Category submenu of the form view: "No Races"
// (ID_FORM_NO_RACES) and the library's categories as they are when it opens,
// the chosen one checked. A choice is stored, then `chosen` runs.
void InstallRaceCategoryMenu(CMainFrame& frame, QSettings& settings, std::function<void()> chosen);

}  // namespace kadenzo
