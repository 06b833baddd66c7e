<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>ui::AboutDialog</name>
    <message>
        <source>Orbweave について</source>
        <translation>About Orbweave</translation>
    </message>
    <message>
        <source>&lt;p&gt;恒星データから、天球儀に組み立てる実寸の型紙（舟形と極板、多面体の面）を描きます。&lt;/p&gt;</source>
        <translation>&lt;p&gt;Draws real-size templates for a celestial globe (gores with polar plates, polyhedron faces) from a star list.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;このプログラムはフリーソフトウェアです。GNU 一般公衆利用許諾書 第 3 版、またはそれ以降の版（GPL-3.0-or-later）のもとで再配布・改変できます。無保証です。&lt;/p&gt;</source>
        <translation>&lt;p&gt;This program is free software: you can redistribute it and/or modify it under the GNU General Public License, version 3 or any later version (GPL-3.0-or-later). It comes with no warranty.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;データ&lt;/b&gt;&lt;br&gt;恒星: The Bright Star Catalogue 第 5 改訂版, Hoffleit &amp;amp; Warren, Yale University Observatory, 1991（パブリックドメイン）。&lt;br&gt;星座線・星座名・星座の境界・恒星名: d3-celestial 0.7.35, Olaf Frohn（BSD-3-Clause）。星座の境界は Davenhall &amp;amp; Leggett による IAU の境界、日本語の恒星名は Stellarium の翻訳（GPL-2.0-or-later）から。&lt;br&gt;多面体モデル: このプログラムのもの（GPL-3.0-or-later）。&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Data&lt;/b&gt;&lt;br&gt;Stars: The Bright Star Catalogue, 5th Revised Edition, Hoffleit &amp;amp; Warren, Yale University Observatory, 1991 (public domain).&lt;br&gt;Constellation figures, names, boundaries and star names: d3-celestial 0.7.35 by Olaf Frohn (BSD-3-Clause); the boundaries after Davenhall &amp;amp; Leggett's catalogue of the IAU boundaries, the Japanese star names from Stellarium's translations (GPL-2.0-or-later).&lt;br&gt;Polyhedron models: this program's own (GPL-3.0-or-later).&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>ui::DrawingWindow</name>
    <message>
        <source>全体</source>
        <translation>Fit</translation>
    </message>
    <message>
        <source>ウィンドウに合わせる (Ctrl+0)</source>
        <translation>Fit to the window (Ctrl+0)</translation>
    </message>
    <message>
        <source>実寸 100 % (Ctrl+1)</source>
        <translation>Real size, 100 % (Ctrl+1)</translation>
    </message>
    <message>
        <source>縮小 (Ctrl+−, Ctrl+ホイール)</source>
        <translation>Zoom out (Ctrl+−, Ctrl+wheel)</translation>
    </message>
    <message>
        <source>拡大 (Ctrl++, Ctrl+ホイール)</source>
        <translation>Zoom in (Ctrl++, Ctrl+wheel)</translation>
    </message>
    <message>
        <source>ORW2008 - 描画窓(みかん)</source>
        <translation>ORW2008 - Drawing (gore)</translation>
    </message>
    <message>
        <source>ﾋﾞｯﾄﾏｯﾌﾟ形式で保存(&amp;S)</source>
        <translation>&amp;Save as bitmap</translation>
    </message>
    <message>
        <source>ORW2008 - 描画窓(多面体)</source>
        <translation>ORW2008 - Drawing (polyhedron)</translation>
    </message>
    <message>
        <source>96 dpi のビットマップとして保存します (Ctrl+S)</source>
        <translation>Saves a 96 dpi bitmap (Ctrl+S)</translation>
    </message>
</context>
<context>
    <name>ui::FileDialog</name>
    <message>
        <source>頂点座標ﾌｧｲﾙを開く</source>
        <translation>Open Vertex File</translation>
    </message>
    <message>
        <source>面座標ﾌｧｲﾙを開く</source>
        <translation>Open Face File</translation>
    </message>
    <message>
        <source>恒星データを開く</source>
        <translation>Open Star File</translation>
    </message>
    <message>
        <source>恒星データ (*.csv *.txt)</source>
        <translation>Star files (*.csv *.txt)</translation>
    </message>
    <message>
        <source>頂点座標ﾌｧｲﾙ (*vertices*.csv *.csv)</source>
        <translation>Vertex files (*vertices*.csv *.csv)</translation>
    </message>
    <message>
        <source>面座標ﾌｧｲﾙ (*faces*.csv *.csv)</source>
        <translation>Face files (*faces*.csv *.csv)</translation>
    </message>
    <message>
        <source>すべてのファイル (*)</source>
        <translation>All files (*)</translation>
    </message>
</context>
<context>
    <name>ui::Form1</name>
    <message>
        <source>恒星データ</source>
        <translation>star file</translation>
    </message>
    <message>
        <source>頂点座標ﾌｧｲﾙ</source>
        <translation>vertex file</translation>
    </message>
    <message>
        <source>面座標ﾌｧｲﾙ</source>
        <translation>face file</translation>
    </message>
    <message>
        <source>%1 は%2のようです（どの行にも数が %3 個あります）。%4は 1 件に数が %5 個です。</source>
        <translation>%1 looks like a %2 (every line holds %3 numbers); a %4 has %5 numbers a record.</translation>
    </message>
    <message>
        <source>恒星データはまだ読み込まれていません。</source>
        <translation>No star file is loaded yet.</translation>
    </message>
    <message>
        <source>恒星データは前のファイル %1 のままです。</source>
        <translation>The star file stays %1.</translation>
    </message>
    <message>
        <source>頂点座標ﾌｧｲﾙはまだ読み込まれていません。</source>
        <translation>No vertex file is loaded yet.</translation>
    </message>
    <message>
        <source>頂点座標は前のファイル %1 のままです。</source>
        <translation>The vertices stay those of %1.</translation>
    </message>
    <message>
        <source>面座標ﾌｧｲﾙはまだ読み込まれていません。</source>
        <translation>No face file is loaded yet.</translation>
    </message>
    <message>
        <source>面座標は前のファイル %1 のままです。</source>
        <translation>The faces stay those of %1.</translation>
    </message>
    <message>
        <source>ファイル取得に失敗しました。</source>
        <translation>No file was chosen.</translation>
    </message>
    <message>
        <source>恒星データ %1: %2 個の星</source>
        <translation>Star file %1: %2 stars</translation>
    </message>
    <message>
        <source>みかんの皮を描けませんでした: %1</source>
        <translation>The gore could not be drawn: %1</translation>
    </message>
    <message>
        <source>位置 k の「%1」は数ではないので、%2 は何もしませんでした。</source>
        <translation>k is "%1", not a number: %2 did nothing.</translation>
    </message>
    <message>
        <source>%1: ファイル名に、ボックスに入力されたパス区切り文字（/ または \）があります。何も保存していません。</source>
        <translation>%1: the file name holds a path separator (/ or \) typed into a box; nothing was saved.</translation>
    </message>
    <message>
        <source>%1: ファイル名に、ボックスに入力された制御文字があります。何も保存していません。</source>
        <translation>%1: the file name holds a control character typed into a box; nothing was saved.</translation>
    </message>
    <message>
        <source>プログラムのフォルダ %1 に保存できません。保存先を選んでください</source>
        <translation>The program's folder %1 cannot be written; choose where to save</translation>
    </message>
    <message>
        <source>保存しませんでした（%1 に書き込めません）。</source>
        <translation>Not saved (%1 cannot be written).</translation>
    </message>
    <message>
        <source>%1 に保存できませんでした。
%2</source>
        <translation>Could not save %1.
%2</translation>
    </message>
    <message>
        <source>保存できませんでした: %1</source>
        <translation>Not saved: %1</translation>
    </message>
    <message>
        <source>保存しました: %1</source>
        <translation>Saved: %1</translation>
    </message>
    <message>
        <source>面座標ﾌｧｲﾙ %1 の面 %2 の頂点 %3 は頂点番号 %4 ですが、頂点座標ﾌｧｲﾙ %5 の頂点は 1〜%6 です。対になる頂点座標ﾌｧｲﾙと面座標ﾌｧｲﾙを読み込んでください。</source>
        <translation>Corner %3 of face %2 in the face file %1 is vertex %4, but the vertex file %5 holds vertices 1 to %6. Please load a vertex file and a face file that belong together.</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ読込失敗</source>
        <translation>No file was chosen.</translation>
    </message>
    <message>
        <source>面番号の「%1」は数ではないので、%2 は何もしませんでした。</source>
        <translation>The face number is "%1", not a number: %2 did nothing.</translation>
    </message>
    <message>
        <source>面を描けませんでした: %1</source>
        <translation>The face could not be drawn: %1</translation>
    </message>
    <message>
        <source>終了します。</source>
        <translation>The program will now end.</translation>
    </message>
    <message>
        <source>経度別横円筒</source>
        <translation>Gores</translation>
    </message>
    <message>
        <source>多面体</source>
        <translation>Polyhedron</translation>
    </message>
    <message>
        <source>工事中</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>ガイドライン</source>
        <translation>Guide</translation>
    </message>
    <message>
        <source>恒星球描画プログラム&#x3000;ver 2.20   ...for Tessel</source>
        <translation>Star sphere drawing program ver 2.20 ...for Tessel</translation>
    </message>
    <message>
        <source>Quit(&amp;Q)</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>通称「みかんの皮」</source>
        <translation>“Orange peel”</translation>
    </message>
    <message>
        <source>読み込み(&amp;R)</source>
        <translation>&amp;Read star file</translation>
    </message>
    <message>
        <source>ファイルが読み込まれていません。</source>
        <translation>No file loaded yet.</translation>
    </message>
    <message>
        <source>分割数 n=</source>
        <translation>Gores n=</translation>
    </message>
    <message>
        <source>&#x3000;位置 k=</source>
        <translation>Gore k=</translation>
    </message>
    <message>
        <source>最微等級</source>
        <translation>Faintest</translation>
    </message>
    <message>
        <source>北半球ならチェック</source>
        <translation>Northern half</translation>
    </message>
    <message>
        <source>恒星球半径</source>
        <translation>Radius</translation>
    </message>
    <message>
        <source>描画(&amp;D) </source>
        <translation>&amp;Draw </translation>
    </message>
    <message>
        <source>&#x3000;恒星のサイズ&#x3000;</source>
        <translation>Star size</translation>
    </message>
    <message>
        <source>公比 =</source>
        <translation>Ratio =</translation>
    </message>
    <message>
        <source>倍率 =</source>
        <translation>Size =</translation>
    </message>
    <message>
        <source>&#x3000;ε補正&#x3000;</source>
        <translation>ε correction</translation>
    </message>
    <message>
        <source>ε補正を行う</source>
        <translation>Correct ε</translation>
    </message>
    <message>
        <source>等緯度線を描く</source>
        <translation>Latitude line</translation>
    </message>
    <message>
        <source>&#x3000;極板の描画&#x3000;</source>
        <translation>Polar plates</translation>
    </message>
    <message>
        <source>北半球</source>
        <translation>North</translation>
    </message>
    <message>
        <source>：境界緯度[deg] </source>
        <translation>: boundary [deg]</translation>
    </message>
    <message>
        <source>南半球</source>
        <translation>South</translation>
    </message>
    <message>
        <source>サッカーボールほか</source>
        <translation>Soccer ball etc.</translation>
    </message>
    <message>
        <source>恒星データ読込(&amp;R)</source>
        <translation>&amp;Read star file</translation>
    </message>
    <message>
        <source>接平面位置</source>
        <translation>Tangent point</translation>
    </message>
    <message>
        <source>緯度φ0</source>
        <translation>Lat. φ0</translation>
    </message>
    <message>
        <source>経度λ0</source>
        <translation>Long. λ0</translation>
    </message>
    <message>
        <source>描画(&amp;D)</source>
        <translation>&amp;Draw</translation>
    </message>
    <message>
        <source>面座標ﾌｧｲﾙ読込</source>
        <translation>Load face file</translation>
    </message>
    <message>
        <source>面番号</source>
        <translation>Face</translation>
    </message>
    <message>
        <source> .svg 形式で出力</source>
        <translation> Also write .svg</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙが読込まれていません.</source>
        <translation>No file loaded yet.</translation>
    </message>
    <message>
        <source>恒星球要素</source>
        <translation>Star sphere</translation>
    </message>
    <message>
        <source>投影範囲</source>
        <translation>Range</translation>
    </message>
    <message>
        <source>細微等級</source>
        <translation>Faintest</translation>
    </message>
    <message>
        <source>ON: 恒星球の内側から</source>
        <translation>On: seen from inside</translation>
    </message>
    <message>
        <source>頂点描画あり</source>
        <translation>Draw corners</translation>
    </message>
    <message>
        <source>頂点座標ﾌｧｲﾙ読込</source>
        <translation>Load vertex file</translation>
    </message>
    <message>
        <source>辺描画あり</source>
        <translation>Draw edges</translation>
    </message>
    <message>
        <source>07/12/25：&#x3000;「みかんの皮」専用です。</source>
        <translation>07/12/25: for “orange peel” gores only.</translation>
    </message>
    <message>
        <source>07/12/26：&#x3000;bmpで出力できるようになりました。</source>
        <translation>07/12/26: output as bmp.</translation>
    </message>
    <message>
        <source>07/12/27：&#x3000;高解像度の出力に対応しました。</source>
        <translation>07/12/27: high-resolution output.</translation>
    </message>
    <message>
        <source>07/02/02：&#x3000;1.20 極域描画をβ対応しました。</source>
        <translation>07/02/02: 1.20 polar plates (beta).</translation>
    </message>
    <message>
        <source>07/05/02：&#x3000;多面体投影の実験開始。</source>
        <translation>07/05/02: polyhedron projection begun.</translation>
    </message>
    <message>
        <source>07/05/06：&#x3000;1.32 多面体投影の実装成功。</source>
        <translation>07/05/06: 1.32 polyhedra projected.</translation>
    </message>
    <message>
        <source>07/05/18：&#x3000;2.00 サッカーボールの出力に成功！</source>
        <translation>07/05/18: 2.00 soccer ball output works!</translation>
    </message>
    <message>
        <source>1: (緯度φ[deg] ,経度λ[deg], 等級Vmag) と並んだ、&#x3000;    csv形式のテキストファイルを用意。</source>
        <translation>1: Prepare a csv text file with (longitude λ[deg], latitude φ[deg], magnitude Vmag) on each line.</translation>
    </message>
    <message>
        <source>2: 「読み込み」をクリックしてcsvファイルを選択。     ファイルが読み込まれたことを確認する。</source>
        <translation>2: Click "Read star file", pick the csv file and check that it was read.</translation>
    </message>
    <message>
        <source>3: 各パラメータを入力した後、「描画」をクリック。&#x3000; 別ウィンドウがロードされ、描画が完了したところ&#x3000; で「ﾋﾞｯﾄﾏｯﾌﾟ形式で保存」をクリックすればルート&#x3000; フォルダに画像が保存されます。</source>
        <translation>3: Enter the parameters and click "Draw". The drawing opens in its own window; "Save as bitmap" stores it in the program's folder.</translation>
    </message>
    <message>
        <source>※恒星球半径は、場所の確認には13[cm], 印刷用描画には80[cm]以上で、倍率を20倍程度にしてください。</source>
        <translation>Note: use a radius of 13 cm to check positions, and 80 cm or more with Size about 20 for printing.</translation>
    </message>
    <message>
        <source>面は描きましたが、SVG ファイルは書き出せませんでした。
%1</source>
        <translation>The face is drawn, but its SVG file was not written.
%1</translation>
    </message>
    <message>
        <source>全球の型紙・印刷...</source>
        <translation>Whole globe, print...</translation>
    </message>
    <message>
        <source>天球儀プレビューには恒星データを先に読み込んでください。</source>
        <translation>For the globe preview, read a star file first.</translation>
    </message>
    <message>
        <source>天球儀プレビューには頂点座標ﾌｧｲﾙと面座標ﾌｧｲﾙを先に読み込んでください。</source>
        <translation>For the globe preview, read a vertex file and a face file first.</translation>
    </message>
    <message>
        <source>ファイル(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>恒星データを開く(&amp;O)...</source>
        <translation>&amp;Open Star File...</translation>
    </message>
    <message>
        <source>最近使ったファイル(&amp;R)</source>
        <translation>&amp;Recent Star Files</translation>
    </message>
    <message>
        <source>ビットマップ形式で保存(&amp;S)</source>
        <translation>&amp;Save Bitmap</translation>
    </message>
    <message>
        <source>名前を付けて保存(&amp;A)...</source>
        <translation>Save Bitmap &amp;As...</translation>
    </message>
    <message>
        <source>全球の型紙・印刷(&amp;P)...</source>
        <translation>Whole Globe, &amp;Print...</translation>
    </message>
    <message>
        <source>終了(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>表示(&amp;V)</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>天球儀プレビュー(&amp;3)</source>
        <translation>Globe Preview (&amp;3D)</translation>
    </message>
    <message>
        <source>ヘルプ(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>使い方(&amp;H)</source>
        <translation>&amp;How to Use</translation>
    </message>
    <message>
        <source>Orbweave について(&amp;A)</source>
        <translation>&amp;About Orbweave</translation>
    </message>
    <message>
        <source>保存する描画がありません。先に描画してください。</source>
        <translation>Nothing to save yet: draw first.</translation>
    </message>
    <message>
        <source>名前を付けて保存</source>
        <translation>Save Bitmap As</translation>
    </message>
    <message>
        <source>確認してから終了します (Ctrl+Q)</source>
        <translation>Asks, then quits (Ctrl+Q)</translation>
    </message>
    <message>
        <source>恒星データ（経度,緯度,等級 の csv）を読み込みます (Ctrl+O)</source>
        <translation>Reads a star file (csv of longitude, latitude, magnitude) (Ctrl+O)</translation>
    </message>
    <message>
        <source>舟形の数 n（3 以上）</source>
        <translation>Number of gores n (3 or more)</translation>
    </message>
    <message>
        <source>描く舟形の位置 k（1〜n）</source>
        <translation>Which gore to draw, k (1 to n)</translation>
    </message>
    <message>
        <source>k を 1 増やします</source>
        <translation>Adds 1 to k</translation>
    </message>
    <message>
        <source>k を 1 減らします</source>
        <translation>Subtracts 1 from k</translation>
    </message>
    <message>
        <source>これより暗い星は描きません（等級）</source>
        <translation>Stars fainter than this magnitude are left out</translation>
    </message>
    <message>
        <source>チェック: 北半球、外す: 南半球</source>
        <translation>Ticked: northern hemisphere; clear: southern</translation>
    </message>
    <message>
        <source>恒星球の半径 [cm]。確認には 13、印刷には 80 以上</source>
        <translation>Radius of the star sphere in cm: 13 to check, 80 or more to print</translation>
    </message>
    <message>
        <source>型紙を実寸で描画窓に描きます</source>
        <translation>Draws the template at real size in its window</translation>
    </message>
    <message>
        <source>等級が 1 違う星の大きさの比</source>
        <translation>Size ratio of two stars one magnitude apart</translation>
    </message>
    <message>
        <source>星の点の大きさの倍率</source>
        <translation>Magnification of the star dots</translation>
    </message>
    <message>
        <source>緯度の ε 補正を行います</source>
        <translation>Applies the ε correction of latitudes</translation>
    </message>
    <message>
        <source>指定した緯度に等緯度線を描きます</source>
        <translation>Draws a line of equal latitude</translation>
    </message>
    <message>
        <source>等緯度線の緯度 [deg]</source>
        <translation>Latitude of the line, degrees</translation>
    </message>
    <message>
        <source>北の極板を描きます</source>
        <translation>Draws the northern polar plate</translation>
    </message>
    <message>
        <source>極板との境界緯度 B [deg]</source>
        <translation>Boundary latitude B of the plate, degrees</translation>
    </message>
    <message>
        <source>南の極板を描きます</source>
        <translation>Draws the southern polar plate</translation>
    </message>
    <message>
        <source>接平面の中心の緯度 φ0 [deg]</source>
        <translation>Latitude φ0 of the tangent point, degrees</translation>
    </message>
    <message>
        <source>接平面の中心の経度 λ0 [deg]</source>
        <translation>Longitude λ0 of the tangent point, degrees</translation>
    </message>
    <message>
        <source>SVG の開始タグと見本の楕円を表示します</source>
        <translation>Shows the SVG opening tag and a sample ellipse</translation>
    </message>
    <message>
        <source>面座標ﾌｧｲﾙ（1 面に 9 個の数）を読み込みます</source>
        <translation>Reads a face file (9 numbers a face)</translation>
    </message>
    <message>
        <source>面番号（1〜32）。接平面位置が面の中心になります</source>
        <translation>Face number (1 to 32); puts the tangent point at the face's centre</translation>
    </message>
    <message>
        <source>面番号を 1 増やします</source>
        <translation>Adds 1 to the face number</translation>
    </message>
    <message>
        <source>面番号を 1 減らします</source>
        <translation>Subtracts 1 from the face number</translation>
    </message>
    <message>
        <source>.svg ファイルも書き出します</source>
        <translation>Also writes an .svg file</translation>
    </message>
    <message>
        <source>接平面から描く範囲 [deg]</source>
        <translation>Projection range around the tangent point, degrees</translation>
    </message>
    <message>
        <source>恒星球の半径 [cm]</source>
        <translation>Radius of the star sphere in cm</translation>
    </message>
    <message>
        <source>チェック: 恒星球の内側から見た面、外す: 外側から</source>
        <translation>Ticked: seen from inside the sphere; clear: from outside</translation>
    </message>
    <message>
        <source>面の頂点を赤で描きます</source>
        <translation>Draws the face's corners in red</translation>
    </message>
    <message>
        <source>頂点座標ﾌｧｲﾙ（1 頂点に 緯度,経度）を読み込みます</source>
        <translation>Reads a vertex file (latitude, longitude a vertex)</translation>
    </message>
    <message>
        <source>面の辺を描きます</source>
        <translation>Draws the face's edges</translation>
    </message>
    <message>
        <source>すべての舟形と極板を一度に保存・印刷します (Ctrl+P)</source>
        <translation>Saves or prints every gore and plate at once (Ctrl+P)</translation>
    </message>
    <message>
        <source>モデルのすべての面を一度に保存・印刷します (Ctrl+P)</source>
        <translation>Saves or prints every face of the model at once (Ctrl+P)</translation>
    </message>
</context>
<context>
    <name>ui::Form2</name>
    <message>
        <source>ORW本体のﾃﾞｨﾚｸﾄﾘに保存されます。</source>
        <translation>Saves go to the program's folder.</translation>
    </message>
    <message>
        <source>最微等級 = </source>
        <translation>Faintest = </translation>
    </message>
    <message>
        <source>恒星サイズ：公比=</source>
        <translation>Star size: ratio=</translation>
    </message>
    <message>
        <source> ,倍率=</source>
        <translation>, size=</translation>
    </message>
    <message>
        <source>ﾁｪｯｸﾎﾞｯｸｽ誤作動</source>
        <translation>Check box fault</translation>
    </message>
    <message>
        <source>北</source>
        <translation>North</translation>
    </message>
    <message>
        <source>南</source>
        <translation>South</translation>
    </message>
</context>
<context>
    <name>ui::GlobeDialog</name>
    <message>
        <source>型紙を描きました: %1</source>
        <translation>Drew %1</translation>
    </message>
    <message>
        <source>ページに配置しました: %1</source>
        <translation>Laid out %1</translation>
    </message>
    <message>
        <source>書き出しました: %1</source>
        <translation>Wrote %1</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>印刷</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>星、線、文字</source>
        <translation>Stars, lines and texts</translation>
    </message>
    <message>
        <source>切断</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>切り抜く線（カッティングマシン用）</source>
        <translation>Cut outlines (for cutting machines)</translation>
    </message>
    <message>
        <source>折り筋</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>のりしろの折り目</source>
        <translation>Folds of the glue tabs</translation>
    </message>
    <message>
        <source>トンボ</source>
        <translation>Marks</translation>
    </message>
    <message>
        <source>トンボ、5 cm の検査用の正方形、目盛り</source>
        <translation>Crop marks, the 5 cm calibration square, the scale bar</translation>
    </message>
    <message>
        <source>星座線</source>
        <translation>Lines</translation>
    </message>
    <message>
        <source>星座名</source>
        <translation>Names</translation>
    </message>
    <message>
        <source>星座の境界</source>
        <translation>Boundaries</translation>
    </message>
    <message>
        <source>座標線</source>
        <translation>Grid</translation>
    </message>
    <message>
        <source>黄道</source>
        <translation>Ecliptic</translation>
    </message>
    <message>
        <source>星名</source>
        <translation>Star names</translation>
    </message>
    <message>
        <source>銀河赤道</source>
        <translation>Galactic equator</translation>
    </message>
    <message>
        <source>星を B-V の色で塗る</source>
        <translation>Stars coloured by B-V</translation>
    </message>
    <message>
        <source>B-V のある恒星データ（deep-stars.csv など）で、星の点をその色にします</source>
        <translation>With a star file that gives B-V (deep-stars.csv, for one), each star dot takes its colour</translation>
    </message>
    <message>
        <source>白地に黒</source>
        <translation>Black on white</translation>
    </message>
    <message>
        <source>紺地に白（切り取り線の外まで塗る）</source>
        <translation>White on dark blue (printed beyond the cut line)</translation>
    </message>
    <message>
        <source>仕上げ</source>
        <translation>Style</translation>
    </message>
    <message>
        <source>全球の型紙 — 舟形</source>
        <translation>Whole globe — gores</translation>
    </message>
    <message>
        <source>全球の型紙 — 多面体</source>
        <translation>Whole globe — polyhedron</translation>
    </message>
    <message>
        <source>すべての舟形</source>
        <translation>All gores</translation>
    </message>
    <message>
        <source>現在の舟形 (k = %1)</source>
        <translation>Current gore (k = %1)</translation>
    </message>
    <message>
        <source>モデルのすべての面</source>
        <translation>All faces of the model</translation>
    </message>
    <message>
        <source>現在の面 (%1)</source>
        <translation>Current face (%1)</translation>
    </message>
    <message>
        <source>舟形</source>
        <translation>Gores</translation>
    </message>
    <message>
        <source>面</source>
        <translation>Faces</translation>
    </message>
    <message>
        <source>北半球</source>
        <translation>Northern</translation>
    </message>
    <message>
        <source>南半球</source>
        <translation>Southern</translation>
    </message>
    <message>
        <source>両半球</source>
        <translation>Both</translation>
    </message>
    <message>
        <source>半球</source>
        <translation>Hemisphere</translation>
    </message>
    <message>
        <source>なし</source>
        <translation>None</translation>
    </message>
    <message>
        <source>北</source>
        <translation>North</translation>
    </message>
    <message>
        <source>南</source>
        <translation>South</translation>
    </message>
    <message>
        <source>南北</source>
        <translation>Both</translation>
    </message>
    <message>
        <source>極板</source>
        <translation>Polar plates</translation>
    </message>
    <message>
        <source>舟形を極から極まで一枚に</source>
        <translation>Each gore pole to pole in one piece</translation>
    </message>
    <message>
        <source>星空の層</source>
        <translation>Sky layers</translation>
    </message>
    <message>
        <source>のりしろを付ける</source>
        <translation>Glue tabs</translation>
    </message>
    <message>
        <source>書き出す層（カッティングマシン用）</source>
        <translation>Layers written (for cutting machines)</translation>
    </message>
    <message>
        <source>なし（型紙ごとに1ページ）</source>
        <translation>None (a page per template)</translation>
    </message>
    <message>
        <source>用紙</source>
        <translation>Paper</translation>
    </message>
    <message>
        <source>小さい型紙を詰めて並べる</source>
        <translation>Pack small pieces together</translation>
    </message>
    <message>
        <source>PDF（1 ファイル）</source>
        <translation>PDF (one file)</translation>
    </message>
    <message>
        <source>SVG（フォルダ）</source>
        <translation>SVG (folder)</translation>
    </message>
    <message>
        <source>BMP（フォルダ）</source>
        <translation>BMP (folder)</translation>
    </message>
    <message>
        <source>形式</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>参照...</source>
        <translation>Browse...</translation>
    </message>
    <message>
        <source>保存先</source>
        <translation>Save to</translation>
    </message>
    <message>
        <source>3D 表示</source>
        <translation>3D view</translation>
    </message>
    <message>
        <source>保存(&amp;S)</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>印刷(&amp;P)...</source>
        <translation>&amp;Print...</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>PDF の保存先</source>
        <translation>Save the PDF as</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>保存するフォルダ</source>
        <translation>Folder to save in</translation>
    </message>
    <message>
        <source>型紙を描いています</source>
        <translation>Drawing the templates</translation>
    </message>
    <message>
        <source>描画を中止しました。</source>
        <translation>Drawing cancelled.</translation>
    </message>
    <message>
        <source>メモリが足りません。</source>
        <translation>There is not enough memory.</translation>
    </message>
    <message>
        <source>型紙 %1 点</source>
        <translation>%1 templates</translation>
    </message>
    <message>
        <source>、PDF %1 ページ</source>
        <translation>, PDF of %1 pages</translation>
    </message>
    <message>
        <source>、ファイル %1 個</source>
        <translation>, %1 files</translation>
    </message>
    <message>
        <source>、印刷 %1 枚 (%2)</source>
        <translation>, %1 printed sheets (%2)</translation>
    </message>
    <message>
        <source>保存先を入力してください。</source>
        <translation>Enter where to save.</translation>
    </message>
    <message>
        <source>書き出しています</source>
        <translation>Writing</translation>
    </message>
    <message>
        <source>保存しました: %1（%2 ページ）</source>
        <translation>Saved %1 (%2 pages)</translation>
    </message>
    <message>
        <source>保存しました: %1（%2 ファイル）</source>
        <translation>Saved %1 (%2 files)</translation>
    </message>
    <message>
        <source>保存を中止しました。ファイルは書き出していません。</source>
        <translation>Saving cancelled. No file was written.</translation>
    </message>
    <message>
        <source>保存できませんでした: %1

%2</source>
        <translation>Could not save %1

%2</translation>
    </message>
    <message>
        <source>保存できませんでした: %1

メモリが足りません。</source>
        <translation>Could not save %1

There is not enough memory.</translation>
    </message>
    <message>
        <source>プリンタが設定されていません。PDF に保存してから印刷してください。</source>
        <translation>No printer is installed. Save a PDF and print that.</translation>
    </message>
    <message>
        <source>印刷できませんでした。

%1</source>
        <translation>Could not print.

%1</translation>
    </message>
    <message>
        <source>前のページ</source>
        <translation>Previous page</translation>
    </message>
    <message>
        <source>次のページ</source>
        <translation>Next page</translation>
    </message>
    <message>
        <source>全体</source>
        <translation>Fit</translation>
    </message>
    <message>
        <source>ページ全体を表示</source>
        <translation>Whole page</translation>
    </message>
    <message>
        <source>幅</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>ページの幅に合わせる</source>
        <translation>Fit the page's width</translation>
    </message>
    <message>
        <source>実寸</source>
        <translation>Real size</translation>
    </message>
    <message>
        <source>縮小</source>
        <translation>Zoom out</translation>
    </message>
    <message>
        <source>拡大</source>
        <translation>Zoom in</translation>
    </message>
    <message>
        <source>書き出しています...</source>
        <translation>Writing...</translation>
    </message>
    <message>
        <source>%1 はすでにあります。置き換えますか？</source>
        <translation>%1 already exists. Replace it?</translation>
    </message>
    <message>
        <source>フォルダ %1 にはすでにファイルがあります。同じ名前のファイルは置き換えます。保存しますか？</source>
        <translation>The folder %1 already holds files; files of the same names will be replaced. Save?</translation>
    </message>
    <message>
        <source>印刷しました: %1 ページ（%2, %3）</source>
        <translation>Printed %1 pages (%2, %3)</translation>
    </message>
    <message>
        <source>すべての舟形（面）か、タブで選んでいるものだけか</source>
        <translation>Every gore (face), or only the one chosen in the tab</translation>
    </message>
    <message>
        <source>北半球・南半球・両方の舟形</source>
        <translation>Gores of the northern or southern hemisphere, or both</translation>
    </message>
    <message>
        <source>描く極板</source>
        <translation>The polar plates to draw</translation>
    </message>
    <message>
        <source>舟形を赤道で分けずに極から極まで一枚にします</source>
        <translation>Each gore in one piece from pole to pole, not cut at the equator</translation>
    </message>
    <message>
        <source>星座の線</source>
        <translation>Constellation figures</translation>
    </message>
    <message>
        <source>星座の名前</source>
        <translation>Constellation names</translation>
    </message>
    <message>
        <source>星座の境界線 (IAU)</source>
        <translation>Constellation boundaries (IAU)</translation>
    </message>
    <message>
        <source>赤経・赤緯の座標線</source>
        <translation>Grid of right ascension and declination</translation>
    </message>
    <message>
        <source>黄道と目盛り</source>
        <translation>The ecliptic with its ticks</translation>
    </message>
    <message>
        <source>明るい星の名前</source>
        <translation>Names of the bright stars</translation>
    </message>
    <message>
        <source>銀河系の円盤の中心線（銀河赤道）と銀経の目盛り</source>
        <translation>The midline of the Milky Way's disc (the galactic equator), with galactic longitudes</translation>
    </message>
    <message>
        <source>白地に黒い星か、濃紺の地に白い（色の）星か</source>
        <translation>Black stars on white, or white (or coloured) stars on dark blue</translation>
    </message>
    <message>
        <source>組み立て用ののりしろを型紙に付けます</source>
        <translation>Adds glue tabs to the templates</translation>
    </message>
    <message>
        <source>印刷する用紙。「なし」は型紙ごとに 1 ページ</source>
        <translation>The paper printed on; none: a page per template</translation>
    </message>
    <message>
        <source>小さい型紙を 1 枚の用紙にまとめます</source>
        <translation>Puts small templates together on one sheet</translation>
    </message>
    <message>
        <source>保存する形式</source>
        <translation>The format saved</translation>
    </message>
    <message>
        <source>保存するファイル（PDF）またはフォルダ（SVG, BMP）</source>
        <translation>The file (PDF) or folder (SVG, BMP) saved to</translation>
    </message>
    <message>
        <source>保存先を選びます</source>
        <translation>Chooses where to save</translation>
    </message>
    <message>
        <source>組み立てた天球儀を 3D で表示します</source>
        <translation>Shows the assembled globe in 3D</translation>
    </message>
    <message>
        <source>型紙を保存します (Ctrl+S)</source>
        <translation>Saves the templates (Ctrl+S)</translation>
    </message>
    <message>
        <source>実寸 (100 %) で印刷します (Ctrl+P)</source>
        <translation>Prints at real size, 100 % (Ctrl+P)</translation>
    </message>
    <message>
        <source>ダイアログを閉じます (Esc)</source>
        <translation>Closes the dialog (Esc)</translation>
    </message>
</context>
<context>
    <name>ui::GlobePreviewWindow</name>
    <message>
        <source>天球儀プレビュー</source>
        <translation>Globe preview</translation>
    </message>
    <message>
        <source>外側から</source>
        <translation>From outside</translation>
    </message>
    <message>
        <source>内側から（地上から見た空）</source>
        <translation>From inside (the sky as seen from the Earth)</translation>
    </message>
    <message>
        <source>視点を戻す</source>
        <translation>Reset view</translation>
    </message>
    <message>
        <source>ドラッグで回転、ホイールで拡大・縮小</source>
        <translation>Drag to turn, wheel to zoom</translation>
    </message>
    <message>
        <source>矢印キーで回転、+ / − で拡大・縮小、Home で視点を戻す、Esc で閉じる</source>
        <translation>Arrow keys turn, + / − zoom, Home resets the view, Esc closes</translation>
    </message>
</context>
<context>
    <name>ui::GoreWindowSet</name>
    <message>
        <source>Form3 - 南</source>
        <translation>Form3 - South</translation>
    </message>
</context>
<context>
    <name>ui::HelpWindow</name>
    <message>
        <source>Orbweave の使い方</source>
        <translation>How to use Orbweave</translation>
    </message>
    <message>
        <source>&lt;h3&gt;型紙を描く&lt;/h3&gt;&lt;ol&gt;&lt;li&gt;「読み込み」（舟形のタブ）または「恒星データ読込」（多面体のタブ）で恒星データを選びます（ファイル → 恒星データを開く、Ctrl+O。ウィンドウにファイルをドロップしても読み込めます）。同梱の bright-stars.csv は 9,096 個の星の表です。&lt;/li&gt;&lt;li&gt;値を入力して「描画」をクリックすると、型紙が実寸で描画窓に描かれます。&lt;/li&gt;&lt;li&gt;描画窓のボタン、またはファイル → ビットマップ形式で保存（Ctrl+S）で 96 dpi のビットマップを保存します。名前を付けて保存（Ctrl+Shift+S）では保存先を選べます。&lt;/li&gt;&lt;/ol&gt;</source>
        <translation>&lt;h3&gt;Drawing a template&lt;/h3&gt;&lt;ol&gt;&lt;li&gt;Pick a star file with "Read star file" (on either tab), with File → Open Star File (Ctrl+O), or drop the file onto the window. The bundled bright-stars.csv lists 9,096 stars.&lt;/li&gt;&lt;li&gt;Enter the values and click "Draw": the template opens at real size in a drawing window.&lt;/li&gt;&lt;li&gt;The drawing window's button or File → Save Bitmap (Ctrl+S) saves a 96 dpi bitmap; Save Bitmap As (Ctrl+Shift+S) lets you choose where.&lt;/li&gt;&lt;/ol&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;多面体&lt;/h3&gt;&lt;p&gt;恒星データのほかに頂点座標ﾌｧｲﾙと面座標ﾌｧｲﾙを読み込みます（data/models の &amp;lt;名前&amp;gt;-vertices.csv と -faces.csv）。面番号で接平面位置が決まります。&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Polyhedra&lt;/h3&gt;&lt;p&gt;Besides the star file, read a vertex file and a face file (&amp;lt;name&amp;gt;-vertices.csv and -faces.csv in data/models). The face number sets the tangent point.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;全球の型紙・印刷&lt;/h3&gt;&lt;p&gt;「全球の型紙・印刷...」ボタン、またはファイル → 全球の型紙・印刷（Ctrl+P）で、すべての舟形と極板、またはモデルのすべての面を一度に、PDF・SVG・BMP に保存し、実寸（100 %）で印刷します。のりしろ、星座線などの星空の層、用紙、カッティングマシン用の層を選べます。右側は印刷される用紙のプレビューです。&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Whole globe and printing&lt;/h3&gt;&lt;p&gt;The "Whole globe, print..." button or File → Whole Globe, Print (Ctrl+P) saves every gore and plate, or every face of the model, at once as PDF, SVG or BMP, and prints them at real size (100 %). Choose glue tabs, sky layers such as constellation figures, the paper and the layers for a cutting machine. The right side previews the printed sheets.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;天球儀プレビュー（3D）&lt;/h3&gt;&lt;p&gt;表示 → 天球儀プレビュー（Ctrl+3）、または全球の型紙の「3D 表示」で、組み立てた天球儀を星と型紙の切り線とともに見られます。ドラッグまたは矢印キーで回し、ホイールまたは + / − で拡大・縮小、Home で視点を戻し、Esc で閉じます。&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Globe preview (3D)&lt;/h3&gt;&lt;p&gt;View → Globe Preview (Ctrl+3), or "3D view" in the whole-globe dialog, shows the assembled globe with its stars and the templates' cut lines. Drag it or press the arrow keys to turn it, turn the wheel or press + / − to zoom, Home resets the view and Esc closes it.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;キー&lt;/h3&gt;&lt;table&gt;&lt;tr&gt;&lt;td&gt;Ctrl+O&lt;/td&gt;&lt;td&gt;恒星データを開く&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+S / Ctrl+Shift+S&lt;/td&gt;&lt;td&gt;ビットマップ形式で保存 / 名前を付けて保存&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+P&lt;/td&gt;&lt;td&gt;全球の型紙・印刷&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+3&lt;/td&gt;&lt;td&gt;天球儀プレビュー&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Alt+1〜4&lt;/td&gt;&lt;td&gt;タブの切り替え&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+0 / Ctrl+1 / Ctrl++ / Ctrl+−&lt;/td&gt;&lt;td&gt;描画窓: 全体 / 100 % / 拡大 / 縮小&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;F1&lt;/td&gt;&lt;td&gt;この使い方&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+Q&lt;/td&gt;&lt;td&gt;終了&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</source>
        <translation>&lt;h3&gt;Keys&lt;/h3&gt;&lt;table&gt;&lt;tr&gt;&lt;td&gt;Ctrl+O&lt;/td&gt;&lt;td&gt;Open a star file&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+S / Ctrl+Shift+S&lt;/td&gt;&lt;td&gt;Save bitmap / Save bitmap as&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+P&lt;/td&gt;&lt;td&gt;Whole globe, print&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+3&lt;/td&gt;&lt;td&gt;Globe preview&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Alt+1…4&lt;/td&gt;&lt;td&gt;Switch tabs&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+0 / Ctrl+1 / Ctrl++ / Ctrl+−&lt;/td&gt;&lt;td&gt;Drawing windows: fit / 100 % / zoom in / zoom out&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;F1&lt;/td&gt;&lt;td&gt;This help&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+Q&lt;/td&gt;&lt;td&gt;Quit&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;ウィンドウは、恒星データ、入力値、表示中のタブ、位置、最近使ったファイルを次の起動まで覚えています。&lt;/p&gt;</source>
        <translation>&lt;p&gt;The window remembers the star file, the values entered, the tab shown, its place and the recent files until the next start.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>ui::Refusals</name>
    <message>
        <source>負または零の分割数nは定義できません。</source>
        <translation>The number of gores n cannot be zero or negative.</translation>
    </message>
    <message>
        <source> n &lt; k です。</source>
        <translation> n &lt; k: gore k must be one of the n gores.</translation>
    </message>
</context>
<context>
    <name>ui::SaveDialog</name>
    <message>
        <source>Windows ビットマップ (*.bmp)</source>
        <translation>Windows bitmap (*.bmp)</translation>
    </message>
</context>
<context>
    <name>ui::SkyLayerChecks</name>
    <message>
        <source>星座線</source>
        <translation>Lines</translation>
    </message>
    <message>
        <source>星座の線 (J2000)</source>
        <translation>Constellation figures (J2000)</translation>
    </message>
    <message>
        <source>星座名</source>
        <translation>Names</translation>
    </message>
    <message>
        <source>星座の名前</source>
        <translation>Constellation names</translation>
    </message>
    <message>
        <source>境界</source>
        <translation>Bounds</translation>
    </message>
    <message>
        <source>星座の境界線 (IAU)</source>
        <translation>Constellation boundaries (IAU)</translation>
    </message>
    <message>
        <source>座標</source>
        <translation>Grid</translation>
    </message>
    <message>
        <source>赤経 1 時間ごと、赤緯 10° ごとの座標線</source>
        <translation>Right ascension every hour, declination every 10°</translation>
    </message>
    <message>
        <source>黄道</source>
        <translation>Ecliptic</translation>
    </message>
    <message>
        <source>黄道と 10° ごとの目盛り</source>
        <translation>The ecliptic, ticked every 10°</translation>
    </message>
    <message>
        <source>星名</source>
        <translation>Stars</translation>
    </message>
    <message>
        <source>1.5 等より明るい星の名前</source>
        <translation>Names of the stars of magnitude 1.5 and brighter</translation>
    </message>
    <message>
        <source>星座名の言語（最初はこの画面の言語）</source>
        <translation>Language of the names (at first the interface's)</translation>
    </message>
</context>
</TS>
