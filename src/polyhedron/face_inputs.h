#pragma once

#include <string>

namespace polyhedron {

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

} // namespace polyhedron
