#pragma once

#include "gore/gore_spec.h"
#include "polyhedron/face_spec.h"

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

/// The polyhedron tab as the user left it: texts exactly as typed, check states 0, 1 or 2.
struct FaceInputs
{
    std::string Text9 = "0";    ///< 緯度φ0, tangent-point latitude, degrees
    std::string Text10 = "90";  ///< 経度λ0, tangent-point longitude, degrees
    std::string Text11 = "10";  ///< 恒星球半径, sphere radius, cm
    std::string Text12 = "30";  ///< 投影範囲, projection range, degrees
    std::string Text13 = "2.5"; ///< 公比, common ratio of the dot size
    std::string Text14 = "10";  ///< 倍率, magnification of the dot size
    std::string Text15 = "7.0"; ///< 細微等級, faintest magnitude
    std::string Text16 = "1";   ///< 面番号, face number
    int Check6 = 1;             ///< ON: 恒星球の内側から (seen from inside); 1 inside, 0 outside
    int Check7 = 0;             ///< 頂点描画あり, corner marks; on when not 0
    int Check8 = 0;             ///< 辺描画あり, edges; on only when 1
    int Check9 = 0;             ///< .svg 形式で出力, SVG file; on only when 1
    char decimalSeparator = '.'; ///< the user's locale decimal point, for the boxes and Label38
};

/// What the face Draw reads of the tab: the corner layer is drawn when Check7 or Check8 is not
/// clear, its marks when Check7 is not clear, its edges and the SVG file only when ticked.
polyhedron::FaceSpec faceSpecOf(const FaceInputs& tab);

} // namespace ui
