#pragma once

#include "ui/twips.h"

#include <QtGlobal>

#include <string_view>

/// Layout of the main window: every control with its place in twips and its start text.
namespace ui::form1_layout {

/// What a control is.
enum class Kind { Label, ClickLabel, Button, TextBox, CheckBox, Frame };

/// Start states beyond the text.
enum Flags : unsigned {
    kPlain = 0,
    kTicked = 1u << 0,     ///< check box ticked at start
    kDisabled = 1u << 1,   ///< disabled at start
    kHidden = 1u << 2,     ///< never shown
    kFixedPitch = 1u << 3, ///< "ＭＳ ゴシック" 9 pt instead of the window's font
};

/// One control: its name (also its objectName), kind, container ("form", "SSTab1", "tab0"…"tab3"
/// or a frame's name), place in twips from the container's corner (a tab's controls from the tab
/// control's corner, tab strip included), start text (UTF-8; captions are marked for translation
/// in the "ui::Form1" context, numbers and names are not) and start states.
struct ControlSpec
{
    std::string_view name;
    Kind kind;
    std::string_view container;
    TwipsRect place;
    std::string_view text;
    unsigned flags;
};

/// The window's client area.
inline constexpr TwipsRect kClientArea{0, 0, 5340, 8055};
/// The tab control SSTab1 on the form.
inline constexpr TwipsRect kTabControl{0, 600, 5325, 7455};
/// Captions of the four tabs, in one row.
inline constexpr std::string_view kTabCaptions[] = {
    QT_TRANSLATE_NOOP("ui::Form1", "経度別横円筒"), QT_TRANSLATE_NOOP("ui::Form1", "多面体"),
    QT_TRANSLATE_NOOP("ui::Form1", "工事中"), QT_TRANSLATE_NOOP("ui::Form1", "ガイドライン")};
/// The tab selected when the window opens ("多面体").
inline constexpr int kStartTab = 1;

/// Every control, containers before what they contain; a later control lies above an earlier one.
inline constexpr ControlSpec kControls[] = {
    {"Label1", Kind::Label, "form", {120, 120, 2655, 375}, QT_TRANSLATE_NOOP("ui::Form1", "恒星球描画プログラム　ver 2.20   ...for Tessel"), kPlain},
    {"Command5", Kind::Button, "form", {3480, 120, 1695, 375}, QT_TRANSLATE_NOOP("ui::Form1", "Quit(&Q)"), kPlain},
    {"Label36", Kind::Label, "tab0", {120, 480, 1575, 255}, QT_TRANSLATE_NOOP("ui::Form1", "通称「みかんの皮」"), kPlain},
    {"Command1", Kind::Button, "tab0", {240, 780, 4935, 375}, QT_TRANSLATE_NOOP("ui::Form1", "読み込み(&R)"), kPlain},
    {"Label2(0)", Kind::Label, "tab0", {240, 1320, 5055, 375}, QT_TRANSLATE_NOOP("ui::Form1", "ファイルが読み込まれていません。"), kPlain},
    {"Label3", Kind::Label, "tab0", {480, 1860, 855, 255}, QT_TRANSLATE_NOOP("ui::Form1", "分割数 n="), kFixedPitch},
    {"Text1", Kind::TextBox, "tab0", {1440, 1860, 735, 270}, "8", kPlain},
    {"Label4", Kind::Label, "tab0", {480, 2220, 855, 255}, QT_TRANSLATE_NOOP("ui::Form1", "　位置 k="), kFixedPitch},
    {"Text2", Kind::TextBox, "tab0", {1440, 2220, 735, 270}, "1", kPlain},
    {"Command3", Kind::Button, "tab0", {2280, 2100, 495, 255}, "k+1", kPlain},
    {"Command6", Kind::Button, "tab0", {2280, 2340, 495, 255}, "k-1", kPlain},
    {"Label7", Kind::Label, "tab0", {480, 2580, 975, 255}, QT_TRANSLATE_NOOP("ui::Form1", "最微等級"), kFixedPitch},
    {"Text3", Kind::TextBox, "tab0", {1440, 2580, 735, 270}, "8.5", kPlain},
    {"Check1", Kind::CheckBox, "tab0", {360, 2820, 255, 375}, "", kTicked},
    {"Label6", Kind::ClickLabel, "tab0", {720, 2940, 1575, 255}, QT_TRANSLATE_NOOP("ui::Form1", "北半球ならチェック"), kPlain},
    {"Label5", Kind::Label, "tab0", {480, 3300, 1815, 255}, QT_TRANSLATE_NOOP("ui::Form1", "恒星球半径"), kPlain},
    {"Text6", Kind::TextBox, "tab0", {1440, 3300, 615, 270}, "13", kPlain},
    {"Label13", Kind::Label, "tab0", {2160, 3300, 375, 255}, "cm", kPlain},
    {"Command2", Kind::Button, "tab0", {2880, 1740, 2175, 3015}, QT_TRANSLATE_NOOP("ui::Form1", "描画(&D) "), kDisabled},
    {"Frame3", Kind::Frame, "tab0", {120, 3780, 2295, 975}, QT_TRANSLATE_NOOP("ui::Form1", "　恒星のサイズ　"), kPlain},
    {"Label11", Kind::Label, "Frame3", {120, 240, 855, 255}, QT_TRANSLATE_NOOP("ui::Form1", "公比 ="), kPlain},
    {"Text4", Kind::TextBox, "Frame3", {720, 240, 735, 270}, "2.5", kPlain},
    {"Label12", Kind::Label, "Frame3", {120, 600, 735, 255}, QT_TRANSLATE_NOOP("ui::Form1", "倍率 ="), kPlain},
    {"Text5", Kind::TextBox, "Frame3", {720, 600, 735, 270}, "10", kPlain},
    {"Frame2", Kind::Frame, "tab0", {120, 4920, 4215, 855}, QT_TRANSLATE_NOOP("ui::Form1", "　ε補正　"), kPlain},
    {"Check2", Kind::CheckBox, "Frame2", {120, 240, 255, 180}, "", kTicked},
    {"Label18", Kind::ClickLabel, "Frame2", {480, 240, 1695, 255}, QT_TRANSLATE_NOOP("ui::Form1", "ε補正を行う"), kPlain},
    {"Check3", Kind::CheckBox, "Frame2", {120, 480, 255, 180}, "", kPlain},
    {"Label20", Kind::ClickLabel, "Frame2", {480, 480, 1935, 255}, QT_TRANSLATE_NOOP("ui::Form1", "等緯度線を描く"), kPlain},
    {"Text7", Kind::TextBox, "Frame2", {1800, 480, 735, 270}, "70", kPlain},
    {"Label10", Kind::Label, "Frame2", {2640, 480, 975, 255}, "[deg]", kPlain},
    {"frame1", Kind::Frame, "tab0", {120, 5880, 4215, 855}, QT_TRANSLATE_NOOP("ui::Form1", "　極板の描画　"), kPlain},
    {"Check4", Kind::CheckBox, "frame1", {120, 240, 255, 180}, "", kPlain},
    {"Label21", Kind::Label, "frame1", {360, 240, 975, 255}, QT_TRANSLATE_NOOP("ui::Form1", "北半球"), kPlain},
    {"Text8", Kind::TextBox, "frame1", {1200, 240, 735, 270}, "70", kPlain},
    {"Label23", Kind::Label, "frame1", {2040, 240, 1455, 255}, QT_TRANSLATE_NOOP("ui::Form1", "：境界緯度[deg] "), kPlain},
    {"Check5", Kind::CheckBox, "frame1", {120, 480, 255, 180}, "", kPlain},
    {"Label22", Kind::Label, "frame1", {360, 480, 615, 255}, QT_TRANSLATE_NOOP("ui::Form1", "南半球"), kPlain},
    {"Label37", Kind::Label, "tab1", {120, 480, 1695, 255}, QT_TRANSLATE_NOOP("ui::Form1", "サッカーボールほか"), kPlain},
    {"Command8", Kind::Button, "tab1", {240, 720, 4935, 375}, QT_TRANSLATE_NOOP("ui::Form1", "恒星データ読込(&R)"), kPlain},
    {"Label2(1)", Kind::Label, "tab1", {240, 1200, 5055, 375}, QT_TRANSLATE_NOOP("ui::Form1", "ファイルが読み込まれていません。"), kPlain},
    {"Frame4", Kind::Frame, "tab1", {240, 1920, 2535, 975}, QT_TRANSLATE_NOOP("ui::Form1", "接平面位置"), kPlain},
    {"Label19", Kind::Label, "Frame4", {240, 240, 1215, 255}, QT_TRANSLATE_NOOP("ui::Form1", "緯度φ0"), kPlain},
    {"Label30", Kind::Label, "Frame4", {2280, 240, 375, 255}, "°", kPlain},
    {"Label24", Kind::Label, "Frame4", {240, 600, 1215, 255}, QT_TRANSLATE_NOOP("ui::Form1", "経度λ0"), kPlain},
    {"Label29", Kind::Label, "Frame4", {2280, 600, 375, 255}, "°", kPlain},
    {"Text9", Kind::TextBox, "tab1", {1440, 2160, 975, 270}, "0", kPlain},
    {"Text10", Kind::TextBox, "tab1", {1440, 2520, 975, 270}, "90", kPlain},
    {"Command7", Kind::Button, "tab1", {2880, 1920, 2295, 1695}, QT_TRANSLATE_NOOP("ui::Form1", "描画(&D)"), kDisabled},
    {"Command13", Kind::Button, "tab1", {4080, 2400, 735, 255}, "Command13", kPlain},
    {"Command9", Kind::Button, "tab1", {240, 3000, 2415, 255}, QT_TRANSLATE_NOOP("ui::Form1", "面座標ﾌｧｲﾙ読込"), kPlain},
    {"Label41", Kind::Label, "tab1", {480, 3480, 855, 255}, QT_TRANSLATE_NOOP("ui::Form1", "面番号"), kPlain},
    {"Text16", Kind::TextBox, "tab1", {1080, 3480, 615, 270}, "1", kPlain},
    {"Command11", Kind::Button, "tab1", {1800, 3360, 735, 255}, "+1", kPlain},
    {"Command12", Kind::Button, "tab1", {1800, 3600, 735, 255}, "-1", kPlain},
    {"Check9", Kind::CheckBox, "tab1", {3120, 3720, 255, 255}, "", kPlain},
    {"Label44", Kind::ClickLabel, "tab1", {3360, 3720, 1695, 375}, QT_TRANSLATE_NOOP("ui::Form1", " .svg 形式で出力"), kPlain},
    {"Label39", Kind::Label, "tab1", {240, 3960, 4935, 615}, QT_TRANSLATE_NOOP("ui::Form1", "ﾌｧｲﾙが読込まれていません."), kPlain},
    {"Frame6", Kind::Frame, "tab1", {360, 4560, 2535, 1695}, QT_TRANSLATE_NOOP("ui::Form1", "恒星球要素"), kPlain},
    {"Label26", Kind::Label, "Frame6", {120, 240, 975, 255}, QT_TRANSLATE_NOOP("ui::Form1", "投影範囲"), kPlain},
    {"Text12", Kind::TextBox, "Frame6", {1200, 240, 735, 270}, "30", kPlain},
    {"Label28", Kind::Label, "Frame6", {2040, 240, 375, 255}, "°", kPlain},
    {"Label25", Kind::Label, "Frame6", {120, 600, 1215, 255}, QT_TRANSLATE_NOOP("ui::Form1", "恒星球半径"), kPlain},
    {"Text11", Kind::TextBox, "Frame6", {1200, 600, 735, 270}, "10", kPlain},
    {"Label27", Kind::Label, "Frame6", {2040, 600, 375, 255}, "cm", kPlain},
    {"Label34", Kind::Label, "Frame6", {120, 960, 975, 255}, QT_TRANSLATE_NOOP("ui::Form1", "細微等級"), kPlain},
    {"Text15", Kind::TextBox, "Frame6", {1200, 960, 735, 270}, "7.0", kPlain},
    {"Check6", Kind::CheckBox, "Frame6", {240, 1320, 255, 255}, "", kTicked},
    {"Label35", Kind::Label, "Frame6", {600, 1320, 1815, 255}, QT_TRANSLATE_NOOP("ui::Form1", "ON: 恒星球の内側から"), kPlain},
    {"Frame5", Kind::Frame, "tab1", {3000, 4560, 1695, 1215}, QT_TRANSLATE_NOOP("ui::Form1", "　恒星のサイズ　"), kPlain},
    {"Label32", Kind::Label, "Frame5", {120, 240, 855, 255}, QT_TRANSLATE_NOOP("ui::Form1", "公比 ="), kPlain},
    {"Text13", Kind::TextBox, "Frame5", {720, 240, 735, 270}, "2.5", kPlain},
    {"Label33", Kind::Label, "Frame5", {120, 600, 735, 255}, QT_TRANSLATE_NOOP("ui::Form1", "倍率 ="), kPlain},
    {"Text14", Kind::TextBox, "Frame5", {720, 600, 735, 270}, "10", kPlain},
    {"Label38", Kind::Label, "Frame5", {120, 960, 1455, 255}, "Vmag = 1", kPlain},
    {"Check7", Kind::CheckBox, "tab1", {3120, 6000, 255, 255}, "", kPlain},
    {"Label42", Kind::ClickLabel, "tab1", {3360, 6000, 1335, 255}, QT_TRANSLATE_NOOP("ui::Form1", "頂点描画あり"), kPlain},
    {"Command10", Kind::Button, "tab1", {360, 6360, 2295, 255}, QT_TRANSLATE_NOOP("ui::Form1", "頂点座標ﾌｧｲﾙ読込"), kPlain},
    {"Check8", Kind::CheckBox, "tab1", {3120, 6360, 255, 255}, "", kPlain},
    {"Label43", Kind::ClickLabel, "tab1", {3360, 6360, 1095, 255}, QT_TRANSLATE_NOOP("ui::Form1", "辺描画あり"), kPlain},
    {"Label40", Kind::Label, "tab1", {240, 6720, 4935, 615}, QT_TRANSLATE_NOOP("ui::Form1", "ﾌｧｲﾙが読込まれていません."), kPlain},
    {"Label9", Kind::Label, "tab2", {360, 1020, 4215, 255}, QT_TRANSLATE_NOOP("ui::Form1", "07/12/25：　「みかんの皮」専用です。"), kPlain},
    {"Label15(0)", Kind::Label, "tab2", {360, 1380, 4335, 375}, QT_TRANSLATE_NOOP("ui::Form1", "07/12/26：　bmpで出力できるようになりました。"), kPlain},
    {"Label15(1)", Kind::Label, "tab2", {360, 1800, 4335, 375}, QT_TRANSLATE_NOOP("ui::Form1", "07/12/27：　高解像度の出力に対応しました。"), kPlain},
    {"Label15(2)", Kind::Label, "tab2", {360, 2160, 4335, 375}, QT_TRANSLATE_NOOP("ui::Form1", "07/02/02：　1.20 極域描画をβ対応しました。"), kPlain},
    {"Label31(0)", Kind::Label, "tab2", {360, 2520, 3615, 375}, QT_TRANSLATE_NOOP("ui::Form1", "07/05/02：　多面体投影の実験開始。"), kPlain},
    {"Label31(1)", Kind::Label, "tab2", {360, 2880, 3615, 375}, QT_TRANSLATE_NOOP("ui::Form1", "07/05/06：　1.32 多面体投影の実装成功。"), kPlain},
    {"Label31(2)", Kind::Label, "tab2", {360, 3240, 4095, 375}, QT_TRANSLATE_NOOP("ui::Form1", "07/05/18：　2.00 サッカーボールの出力に成功！"), kPlain},
    {"Label8", Kind::Label, "tab3", {240, 1080, 4695, 1695}, QT_TRANSLATE_NOOP("ui::Form1", "1: (緯度φ[deg] ,経度λ[deg], 等級Vmag) と並んだ、　    csv形式のテキストファイルを用意。"), kFixedPitch},
    {"Label14", Kind::Label, "tab3", {240, 1800, 4455, 735}, QT_TRANSLATE_NOOP("ui::Form1", "2: 「読み込み」をクリックしてcsvファイルを選択。     ファイルが読み込まれたことを確認する。"), kFixedPitch},
    {"Label16", Kind::Label, "tab3", {240, 2400, 4455, 855}, QT_TRANSLATE_NOOP("ui::Form1", "3: 各パラメータを入力した後、「描画」をクリック。　 別ウィンドウがロードされ、描画が完了したところ　 で「ﾋﾞｯﾄﾏｯﾌﾟ形式で保存」をクリックすればルート　 フォルダに画像が保存されます。"), kFixedPitch},
    {"Label17", Kind::Label, "tab3", {360, 3600, 4575, 615}, QT_TRANSLATE_NOOP("ui::Form1", "※恒星球半径は、場所の確認には13[cm], 印刷用描画には80[cm]以上で、倍率を20倍程度にしてください。"), kPlain},
    {"Command4", Kind::Button, "SSTab1", {120, 120, 1215, 375}, "Command4", kHidden},
};

/// The buttons that open the globe dialog: in the free space at the top right of the gore and
/// polyhedron tabs, beside Label36 and Label37 and above Command1 and Command8, so that no
/// control of kControls moves. Ctrl+G on the window opens the same dialog.
inline constexpr ControlSpec kGlobeButtons[] = {
    {"GlobeGores", Kind::Button, "tab0", {3000, 450, 2175, 270}, QT_TRANSLATE_NOOP("ui::Form1", "全球の型紙・印刷..."), kPlain},
    {"GlobeFaces", Kind::Button, "tab1", {3000, 450, 2175, 270}, QT_TRANSLATE_NOOP("ui::Form1", "全球の型紙・印刷..."), kPlain},
};

/// A control's tooltip: what it does, its unit and range (translated in the "ui::Form1" context).
struct ToolTipSpec
{
    std::string_view name;
    std::string_view tip;
};

/// The tips of the buttons, text boxes and check boxes: tooltips, and for buttons status tips
/// (a button whose caption is shortened shows its whole caption as its tooltip).
inline constexpr ToolTipSpec kToolTips[] = {
    {"Command5", QT_TRANSLATE_NOOP("ui::Form1", "確認してから終了します (Ctrl+Q)")},
    {"Command1", QT_TRANSLATE_NOOP("ui::Form1", "恒星データ（経度,緯度,等級 の csv）を読み込みます (Ctrl+O)")},
    {"Command8", QT_TRANSLATE_NOOP("ui::Form1", "恒星データ（経度,緯度,等級 の csv）を読み込みます (Ctrl+O)")},
    {"Text1", QT_TRANSLATE_NOOP("ui::Form1", "舟形の数 n（3 以上）")},
    {"Text2", QT_TRANSLATE_NOOP("ui::Form1", "描く舟形の位置 k（1〜n）")},
    {"Command3", QT_TRANSLATE_NOOP("ui::Form1", "k を 1 増やします")},
    {"Command6", QT_TRANSLATE_NOOP("ui::Form1", "k を 1 減らします")},
    {"Text3", QT_TRANSLATE_NOOP("ui::Form1", "これより暗い星は描きません（等級）")},
    {"Check1", QT_TRANSLATE_NOOP("ui::Form1", "チェック: 北半球、外す: 南半球")},
    {"Text6", QT_TRANSLATE_NOOP("ui::Form1", "恒星球の半径 [cm]。確認には 13、印刷には 80 以上")},
    {"Command2", QT_TRANSLATE_NOOP("ui::Form1", "型紙を実寸で描画窓に描きます")},
    {"Text4", QT_TRANSLATE_NOOP("ui::Form1", "等級が 1 違う星の大きさの比")},
    {"Text5", QT_TRANSLATE_NOOP("ui::Form1", "星の点の大きさの倍率")},
    {"Check2", QT_TRANSLATE_NOOP("ui::Form1", "緯度の ε 補正を行います")},
    {"Check3", QT_TRANSLATE_NOOP("ui::Form1", "指定した緯度に等緯度線を描きます")},
    {"Text7", QT_TRANSLATE_NOOP("ui::Form1", "等緯度線の緯度 [deg]")},
    {"Check4", QT_TRANSLATE_NOOP("ui::Form1", "北の極板を描きます")},
    {"Text8", QT_TRANSLATE_NOOP("ui::Form1", "極板との境界緯度 B [deg]")},
    {"Check5", QT_TRANSLATE_NOOP("ui::Form1", "南の極板を描きます")},
    {"Text9", QT_TRANSLATE_NOOP("ui::Form1", "接平面の中心の緯度 φ0 [deg]")},
    {"Text10", QT_TRANSLATE_NOOP("ui::Form1", "接平面の中心の経度 λ0 [deg]")},
    {"Command7", QT_TRANSLATE_NOOP("ui::Form1", "型紙を実寸で描画窓に描きます")},
    {"Command13", QT_TRANSLATE_NOOP("ui::Form1", "SVG の開始タグと見本の楕円を表示します")},
    {"Command9", QT_TRANSLATE_NOOP("ui::Form1", "面座標ﾌｧｲﾙ（1 面に 9 個の数）を読み込みます")},
    {"Text16", QT_TRANSLATE_NOOP("ui::Form1", "面番号（1〜32）。接平面位置が面の中心になります")},
    {"Command11", QT_TRANSLATE_NOOP("ui::Form1", "面番号を 1 増やします")},
    {"Command12", QT_TRANSLATE_NOOP("ui::Form1", "面番号を 1 減らします")},
    {"Check9", QT_TRANSLATE_NOOP("ui::Form1", ".svg ファイルも書き出します")},
    {"Text12", QT_TRANSLATE_NOOP("ui::Form1", "接平面から描く範囲 [deg]")},
    {"Text11", QT_TRANSLATE_NOOP("ui::Form1", "恒星球の半径 [cm]")},
    {"Text15", QT_TRANSLATE_NOOP("ui::Form1", "これより暗い星は描きません（等級）")},
    {"Check6", QT_TRANSLATE_NOOP("ui::Form1", "チェック: 恒星球の内側から見た面、外す: 外側から")},
    {"Text13", QT_TRANSLATE_NOOP("ui::Form1", "等級が 1 違う星の大きさの比")},
    {"Text14", QT_TRANSLATE_NOOP("ui::Form1", "星の点の大きさの倍率")},
    {"Check7", QT_TRANSLATE_NOOP("ui::Form1", "面の頂点を赤で描きます")},
    {"Command10", QT_TRANSLATE_NOOP("ui::Form1", "頂点座標ﾌｧｲﾙ（1 頂点に 緯度,経度）を読み込みます")},
    {"Check8", QT_TRANSLATE_NOOP("ui::Form1", "面の辺を描きます")},
    {"GlobeGores", QT_TRANSLATE_NOOP("ui::Form1", "すべての舟形と極板を一度に保存・印刷します (Ctrl+P)")},
    {"GlobeFaces", QT_TRANSLATE_NOOP("ui::Form1", "モデルのすべての面を一度に保存・印刷します (Ctrl+P)")},
};

} // namespace ui::form1_layout
