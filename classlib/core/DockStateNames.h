// The profile's names of a saved bar layout: a summary section with the count
// of bar records and the screen size, and one section per record. Every dock
// state that reads or writes the layout uses them.
#pragma once

namespace dockstate {

inline constexpr char kSummarySection[] = "%s-Summary";
inline constexpr char kBarSection[] = "%s-Bar%d";
inline constexpr char kBarEntry[] = "Bar#%d";
inline constexpr char kBars[] = "Bars";
inline constexpr char kScreenCX[] = "ScreenCX";
inline constexpr char kScreenCY[] = "ScreenCY";
inline constexpr char kBarID[] = "BarID";
inline constexpr char kVisible[] = "Visible";
inline constexpr char kHorz[] = "Horz";
inline constexpr char kFloating[] = "Floating";
inline constexpr char kXPos[] = "XPos";
inline constexpr char kYPos[] = "YPos";
inline constexpr char kMRUWidth[] = "MRUWidth";
inline constexpr char kDocking[] = "Docking";
inline constexpr char kMRUDockID[] = "MRUDockID";
inline constexpr char kMRUDockLeftPos[] = "MRUDockLeftPos";
inline constexpr char kMRUDockTopPos[] = "MRUDockTopPos";
inline constexpr char kMRUDockRightPos[] = "MRUDockRightPos";
inline constexpr char kMRUDockBottomPos[] = "MRUDockBottomPos";
inline constexpr char kMRUFloatStyle[] = "MRUFloatStyle";
inline constexpr char kMRUFloatXPos[] = "MRUFloatXPos";
inline constexpr char kMRUFloatYPos[] = "MRUFloatYPos";

}  // namespace dockstate
