#pragma once

#include "gore/gore_spec.h"

#include <string>

namespace ui {

/// The gore tab as the user left it: texts exactly as typed, check states 0, 1 or 2.
struct GoreInputs
{
    std::string Text1 = "8";   ///< 分割数 n (number of gores)
    std::string Text2 = "1";   ///< 位置 k (the gore drawn, 1…n)
    std::string Text3 = "8.5"; ///< 最微等級 (faintest magnitude)
    int Check1 = 1;            ///< 北半球ならチェック (northern half; 1 north, 0 south)
    int Check2 = 1;            ///< ε補正を行う (epsilon correction of latitudes)
    int Check3 = 0;            ///< 等緯度線を描く (draw the equal-latitude line)
    std::string Text4 = "2.5"; ///< 公比 (common ratio of the star size)
    std::string Text5 = "10";  ///< 倍率 (magnification of the star size)
    std::string Text6 = "13";  ///< 恒星球半径 (sphere radius), cm
    std::string Text7 = "70";  ///< 等緯度線を描く [deg] (latitude of the equal-latitude line), degrees
    int Check4 = 0;            ///< 北半球 in the plate frame (north polar plate)
    int Check5 = 0;            ///< 南半球 in the plate frame (south polar plate): 1 moves the southern cap's stars onto it
    std::string Text8 = "70";  ///< 境界緯度 (plate boundary latitude), degrees
    char decimalSeparator = '.'; ///< the user's locale decimal point
};

/// What the gore Draw reads of the tab: a check counts as on only when ticked (1), except the
/// hemisphere's and the southern plate's, whose grayed state (2) the Draw keeps.
gore::GoreSpec goreSpecOf(const GoreInputs& tab);

} // namespace ui
