<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="ja">
<context>
    <name>ui::AboutDialog</name>
    <message>
        <source>Orbweave について</source>
        <translation>Acerca de Orbweave</translation>
    </message>
    <message>
        <source>&lt;p&gt;恒星データから、天球儀に組み立てる実寸の型紙（舟形と極板、多面体の面）を描きます。&lt;/p&gt;</source>
        <translation>&lt;p&gt;Dibuja a tamaño real, a partir de una lista de estrellas, las plantillas de un globo celeste (husos con casquetes polares, caras de poliedros).&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;このプログラムはフリーソフトウェアです。GNU 一般公衆利用許諾書 第 3 版、またはそれ以降の版（GPL-3.0-or-later）のもとで再配布・改変できます。無保証です。&lt;/p&gt;</source>
        <translation>&lt;p&gt;Este programa es software libre: puede redistribuirlo y/o modificarlo según los términos de la Licencia Pública General de GNU, versión 3 o cualquier versión posterior (GPL-3.0-or-later). Se distribuye sin ninguna garantía.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;データ&lt;/b&gt;&lt;br&gt;恒星: The Bright Star Catalogue 第 5 改訂版, Hoffleit &amp;amp; Warren, Yale University Observatory, 1991（パブリックドメイン）。&lt;br&gt;星座線・星座名・星座の境界・恒星名: d3-celestial 0.7.35, Olaf Frohn（BSD-3-Clause）。星座の境界は Davenhall &amp;amp; Leggett による IAU の境界、日本語の恒星名は Stellarium の翻訳（GPL-2.0-or-later）から。&lt;br&gt;多面体モデル: このプログラムのもの（GPL-3.0-or-later）。&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Datos&lt;/b&gt;&lt;br&gt;Estrellas: The Bright Star Catalogue, 5.ª edición revisada, Hoffleit &amp;amp; Warren, Yale University Observatory, 1991 (dominio público).&lt;br&gt;Figuras, nombres y límites de las constelaciones y nombres de estrellas: d3-celestial 0.7.35 de Olaf Frohn (BSD-3-Clause); los límites según el catálogo de los límites de la IAU de Davenhall &amp;amp; Leggett, los nombres japoneses de estrellas según las traducciones de Stellarium (GPL-2.0-or-later).&lt;br&gt;Modelos de poliedros: propios de este programa (GPL-3.0-or-later).&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>ui::DrawingWindow</name>
    <message>
        <source>全体</source>
        <translation>Ajustar</translation>
    </message>
    <message>
        <source>ウィンドウに合わせる (Ctrl+0)</source>
        <translation>Ajustar a la ventana (Ctrl+0)</translation>
    </message>
    <message>
        <source>実寸 100 % (Ctrl+1)</source>
        <translation>Tamaño real, 100 % (Ctrl+1)</translation>
    </message>
    <message>
        <source>縮小 (Ctrl+−, Ctrl+ホイール)</source>
        <translation>Alejar (Ctrl+−, Ctrl+rueda)</translation>
    </message>
    <message>
        <source>拡大 (Ctrl++, Ctrl+ホイール)</source>
        <translation>Acercar (Ctrl++, Ctrl+rueda)</translation>
    </message>
    <message>
        <source>ORW2008 - 描画窓(みかん)</source>
        <translation>ORW2008 - Dibujo (huso)</translation>
    </message>
    <message>
        <source>ﾋﾞｯﾄﾏｯﾌﾟ形式で保存(&amp;S)</source>
        <translation>&amp;Guardar mapa de bits</translation>
    </message>
    <message>
        <source>ORW2008 - 描画窓(多面体)</source>
        <translation>ORW2008 - Dibujo (poliedro)</translation>
    </message>
    <message>
        <source>96 dpi のビットマップとして保存します (Ctrl+S)</source>
        <translation>Guarda un mapa de bits de 96 ppp (Ctrl+S)</translation>
    </message>
</context>
<context>
    <name>ui::FileDialog</name>
    <message>
        <source>頂点座標ﾌｧｲﾙを開く</source>
        <translation>Abrir archivo de vértices</translation>
    </message>
    <message>
        <source>面座標ﾌｧｲﾙを開く</source>
        <translation>Abrir archivo de caras</translation>
    </message>
    <message>
        <source>恒星データを開く</source>
        <translation>Abrir archivo de estrellas</translation>
    </message>
    <message>
        <source>恒星データ (*.csv *.txt)</source>
        <translation>Archivos de estrellas (*.csv *.txt)</translation>
    </message>
    <message>
        <source>頂点座標ﾌｧｲﾙ (*vertices*.csv *.csv)</source>
        <translation>Archivos de vértices (*vertices*.csv *.csv)</translation>
    </message>
    <message>
        <source>面座標ﾌｧｲﾙ (*faces*.csv *.csv)</source>
        <translation>Archivos de caras (*faces*.csv *.csv)</translation>
    </message>
    <message>
        <source>すべてのファイル (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
</context>
<context>
    <name>ui::Form1</name>
    <message>
        <source>恒星データ</source>
        <translation>archivo de estrellas</translation>
    </message>
    <message>
        <source>頂点座標ﾌｧｲﾙ</source>
        <translation>archivo de vértices</translation>
    </message>
    <message>
        <source>面座標ﾌｧｲﾙ</source>
        <translation>archivo de caras</translation>
    </message>
    <message>
        <source>%1 は%2のようです（どの行にも数が %3 個あります）。%4は 1 件に数が %5 個です。</source>
        <translation>%1 parece un %2 (cada línea tiene %3 números); un %4 tiene %5 números por registro.</translation>
    </message>
    <message>
        <source>恒星データはまだ読み込まれていません。</source>
        <translation>Aún no se ha cargado ningún archivo de estrellas.</translation>
    </message>
    <message>
        <source>恒星データは前のファイル %1 のままです。</source>
        <translation>El archivo de estrellas sigue siendo %1.</translation>
    </message>
    <message>
        <source>頂点座標ﾌｧｲﾙはまだ読み込まれていません。</source>
        <translation>Aún no se ha cargado ningún archivo de vértices.</translation>
    </message>
    <message>
        <source>頂点座標は前のファイル %1 のままです。</source>
        <translation>Los vértices siguen siendo los de %1.</translation>
    </message>
    <message>
        <source>面座標ﾌｧｲﾙはまだ読み込まれていません。</source>
        <translation>Aún no se ha cargado ningún archivo de caras.</translation>
    </message>
    <message>
        <source>面座標は前のファイル %1 のままです。</source>
        <translation>Las caras siguen siendo las de %1.</translation>
    </message>
    <message>
        <source>ファイル取得に失敗しました。</source>
        <translation>No se eligió ningún archivo.</translation>
    </message>
    <message>
        <source>恒星データ %1: %2 個の星</source>
        <translation>Archivo de estrellas %1: %2 estrellas</translation>
    </message>
    <message>
        <source>みかんの皮を描けませんでした: %1</source>
        <translation>No se pudo dibujar el huso: %1</translation>
    </message>
    <message>
        <source>位置 k の「%1」は数ではないので、%2 は何もしませんでした。</source>
        <translation>k es "%1", no un número: %2 no hizo nada.</translation>
    </message>
    <message>
        <source>%1: ファイル名に、ボックスに入力されたパス区切り文字（/ または \）があります。何も保存していません。</source>
        <translation>%1: el nombre del archivo contiene un separador de ruta (/ o \) escrito en una casilla; no se guardó nada.</translation>
    </message>
    <message>
        <source>%1: ファイル名に、ボックスに入力された制御文字があります。何も保存していません。</source>
        <translation>%1: el nombre del archivo contiene un carácter de control escrito en una casilla; no se guardó nada.</translation>
    </message>
    <message>
        <source>プログラムのフォルダ %1 に保存できません。保存先を選んでください</source>
        <translation>No se puede escribir en la carpeta del programa %1; elija dónde guardar</translation>
    </message>
    <message>
        <source>保存しませんでした（%1 に書き込めません）。</source>
        <translation>No guardado (no se puede escribir en %1).</translation>
    </message>
    <message>
        <source>%1 に保存できませんでした。
%2</source>
        <translation>No se pudo guardar %1.
%2</translation>
    </message>
    <message>
        <source>保存できませんでした: %1</source>
        <translation>No guardado: %1</translation>
    </message>
    <message>
        <source>保存しました: %1</source>
        <translation>Guardado: %1</translation>
    </message>
    <message>
        <source>面座標ﾌｧｲﾙ %1 の面 %2 の頂点 %3 は頂点番号 %4 ですが、頂点座標ﾌｧｲﾙ %5 の頂点は 1〜%6 です。対になる頂点座標ﾌｧｲﾙと面座標ﾌｧｲﾙを読み込んでください。</source>
        <translation>La esquina %3 de la cara %2 del archivo de caras %1 es el vértice %4, pero el archivo de vértices %5 contiene los vértices 1 a %6. Cargue un archivo de vértices y un archivo de caras que correspondan entre sí.</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ読込失敗</source>
        <translation>No se eligió ningún archivo.</translation>
    </message>
    <message>
        <source>面番号の「%1」は数ではないので、%2 は何もしませんでした。</source>
        <translation>El número de cara es "%1", no un número: %2 no hizo nada.</translation>
    </message>
    <message>
        <source>面を描けませんでした: %1</source>
        <translation>No se pudo dibujar la cara: %1</translation>
    </message>
    <message>
        <source>終了します。</source>
        <translation>El programa se cerrará ahora.</translation>
    </message>
    <message>
        <source>経度別横円筒</source>
        <translation>Husos</translation>
    </message>
    <message>
        <source>多面体</source>
        <translation>Poliedro</translation>
    </message>
    <message>
        <source>工事中</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>ガイドライン</source>
        <translation>Guía</translation>
    </message>
    <message>
        <source>恒星球描画プログラム&#x3000;ver 2.20   ...for Tessel</source>
        <translation>Esfera celeste ver 2.20 ...para Tessel</translation>
    </message>
    <message>
        <source>Quit(&amp;Q)</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>通称「みかんの皮」</source>
        <translation>“Piel de naranja”</translation>
    </message>
    <message>
        <source>読み込み(&amp;R)</source>
        <translation>&amp;Leer estrellas</translation>
    </message>
    <message>
        <source>ファイルが読み込まれていません。</source>
        <translation>Aún no hay archivo.</translation>
    </message>
    <message>
        <source>分割数 n=</source>
        <translation>Husos n=</translation>
    </message>
    <message>
        <source>&#x3000;位置 k=</source>
        <translation>Huso k=</translation>
    </message>
    <message>
        <source>最微等級</source>
        <translation>Límite</translation>
    </message>
    <message>
        <source>北半球ならチェック</source>
        <translation>Mitad norte</translation>
    </message>
    <message>
        <source>恒星球半径</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>描画(&amp;D) </source>
        <translation>&amp;Dibujar </translation>
    </message>
    <message>
        <source>&#x3000;恒星のサイズ&#x3000;</source>
        <translation>Tamaño estrella</translation>
    </message>
    <message>
        <source>公比 =</source>
        <translation>Ratio =</translation>
    </message>
    <message>
        <source>倍率 =</source>
        <translation>Tam. =</translation>
    </message>
    <message>
        <source>&#x3000;ε補正&#x3000;</source>
        <translation>Corrección ε</translation>
    </message>
    <message>
        <source>ε補正を行う</source>
        <translation>Corregir ε</translation>
    </message>
    <message>
        <source>等緯度線を描く</source>
        <translation>Línea de latitud</translation>
    </message>
    <message>
        <source>&#x3000;極板の描画&#x3000;</source>
        <translation>Casquetes polares</translation>
    </message>
    <message>
        <source>北半球</source>
        <translation>Norte</translation>
    </message>
    <message>
        <source>：境界緯度[deg] </source>
        <translation>: límite [grados]</translation>
    </message>
    <message>
        <source>南半球</source>
        <translation>Sur</translation>
    </message>
    <message>
        <source>サッカーボールほか</source>
        <translation>Balón de fútbol, etc.</translation>
    </message>
    <message>
        <source>恒星データ読込(&amp;R)</source>
        <translation>&amp;Leer estrellas</translation>
    </message>
    <message>
        <source>接平面位置</source>
        <translation>Punto de tangencia</translation>
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
        <translation>&amp;Dibujar</translation>
    </message>
    <message>
        <source>面座標ﾌｧｲﾙ読込</source>
        <translation>Leer archivo de caras</translation>
    </message>
    <message>
        <source>面番号</source>
        <translation>Cara</translation>
    </message>
    <message>
        <source> .svg 形式で出力</source>
        <translation> También .svg</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙが読込まれていません.</source>
        <translation>Aún no hay archivo.</translation>
    </message>
    <message>
        <source>恒星球要素</source>
        <translation>Esfera celeste</translation>
    </message>
    <message>
        <source>投影範囲</source>
        <translation>Alcance</translation>
    </message>
    <message>
        <source>細微等級</source>
        <translation>Límite</translation>
    </message>
    <message>
        <source>ON: 恒星球の内側から</source>
        <translation>Sí: vista desde dentro</translation>
    </message>
    <message>
        <source>頂点描画あり</source>
        <translation>Esquinas</translation>
    </message>
    <message>
        <source>頂点座標ﾌｧｲﾙ読込</source>
        <translation>Leer archivo de vértices</translation>
    </message>
    <message>
        <source>辺描画あり</source>
        <translation>Aristas</translation>
    </message>
    <message>
        <source>07/12/25：&#x3000;「みかんの皮」専用です。</source>
        <translation>07/12/25: solo husos en “piel de naranja”.</translation>
    </message>
    <message>
        <source>07/12/26：&#x3000;bmpで出力できるようになりました。</source>
        <translation>07/12/26: salida en bmp.</translation>
    </message>
    <message>
        <source>07/12/27：&#x3000;高解像度の出力に対応しました。</source>
        <translation>07/12/27: salida de alta resolución.</translation>
    </message>
    <message>
        <source>07/02/02：&#x3000;1.20 極域描画をβ対応しました。</source>
        <translation>07/02/02: 1.20 casquetes polares (beta).</translation>
    </message>
    <message>
        <source>07/05/02：&#x3000;多面体投影の実験開始。</source>
        <translation>07/05/02: empieza proyección poliédrica.</translation>
    </message>
    <message>
        <source>07/05/06：&#x3000;1.32 多面体投影の実装成功。</source>
        <translation>07/05/06: 1.32 poliedros proyectados.</translation>
    </message>
    <message>
        <source>07/05/18：&#x3000;2.00 サッカーボールの出力に成功！</source>
        <translation>07/05/18: 2.00 ¡funciona la salida del balón de fútbol!</translation>
    </message>
    <message>
        <source>1: (緯度φ[deg] ,経度λ[deg], 等級Vmag) と並んだ、&#x3000;    csv形式のテキストファイルを用意。</source>
        <translation>1: Prepare un archivo de texto csv con (longitud λ[grados], latitud φ[grados], magnitud Vmag) en cada línea.</translation>
    </message>
    <message>
        <source>2: 「読み込み」をクリックしてcsvファイルを選択。     ファイルが読み込まれたことを確認する。</source>
        <translation>2: Pulse "Leer estrellas", elija el archivo csv y compruebe que se ha leído.</translation>
    </message>
    <message>
        <source>3: 各パラメータを入力した後、「描画」をクリック。&#x3000; 別ウィンドウがロードされ、描画が完了したところ&#x3000; で「ﾋﾞｯﾄﾏｯﾌﾟ形式で保存」をクリックすればルート&#x3000; フォルダに画像が保存されます。</source>
        <translation>3: Introduzca los parámetros y pulse "Dibujar". El dibujo se abre en su propia ventana; "Guardar mapa de bits" lo guarda en la carpeta del programa.</translation>
    </message>
    <message>
        <source>※恒星球半径は、場所の確認には13[cm], 印刷用描画には80[cm]以上で、倍率を20倍程度にしてください。</source>
        <translation>Nota: use un radio de 13 cm para comprobar posiciones, y 80 cm o más con Tamaño de unos 20 para imprimir.</translation>
    </message>
    <message>
        <source>面は描きましたが、SVG ファイルは書き出せませんでした。
%1</source>
        <translation>La cara está dibujada, pero no se escribió su archivo SVG.
%1</translation>
    </message>
    <message>
        <source>全球の型紙・印刷...</source>
        <translation>Globo completo, imprimir...</translation>
    </message>
    <message>
        <source>天球儀プレビューには恒星データを先に読み込んでください。</source>
        <translation>Para la vista del globo, lea primero un archivo de estrellas.</translation>
    </message>
    <message>
        <source>天球儀プレビューには頂点座標ﾌｧｲﾙと面座標ﾌｧｲﾙを先に読み込んでください。</source>
        <translation>Para la vista del globo, lea primero un archivo de vértices y uno de caras.</translation>
    </message>
    <message>
        <source>ファイル(&amp;F)</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>恒星データを開く(&amp;O)...</source>
        <translation>&amp;Abrir archivo de estrellas...</translation>
    </message>
    <message>
        <source>最近使ったファイル(&amp;R)</source>
        <translation>Archivos de estrellas &amp;recientes</translation>
    </message>
    <message>
        <source>ビットマップ形式で保存(&amp;S)</source>
        <translation>&amp;Guardar mapa de bits</translation>
    </message>
    <message>
        <source>名前を付けて保存(&amp;A)...</source>
        <translation>Guardar mapa de bits &amp;como...</translation>
    </message>
    <message>
        <source>全球の型紙・印刷(&amp;P)...</source>
        <translation>Globo completo, &amp;imprimir...</translation>
    </message>
    <message>
        <source>終了(&amp;X)</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>表示(&amp;V)</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>天球儀プレビュー(&amp;3)</source>
        <translation>Vista del globo (&amp;3D)</translation>
    </message>
    <message>
        <source>ヘルプ(&amp;H)</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>使い方(&amp;H)</source>
        <translation>&amp;Cómo se usa</translation>
    </message>
    <message>
        <source>Orbweave について(&amp;A)</source>
        <translation>&amp;Acerca de Orbweave</translation>
    </message>
    <message>
        <source>保存する描画がありません。先に描画してください。</source>
        <translation>Aún no hay nada que guardar: dibuje primero.</translation>
    </message>
    <message>
        <source>名前を付けて保存</source>
        <translation>Guardar mapa de bits como</translation>
    </message>
    <message>
        <source>確認してから終了します (Ctrl+Q)</source>
        <translation>Pregunta y luego sale (Ctrl+Q)</translation>
    </message>
    <message>
        <source>恒星データ（経度,緯度,等級 の csv）を読み込みます (Ctrl+O)</source>
        <translation>Lee un archivo de estrellas (csv de longitud, latitud, magnitud) (Ctrl+O)</translation>
    </message>
    <message>
        <source>舟形の数 n（3 以上）</source>
        <translation>Número de husos n (3 o más)</translation>
    </message>
    <message>
        <source>描く舟形の位置 k（1〜n）</source>
        <translation>Qué huso dibujar, k (1 a n)</translation>
    </message>
    <message>
        <source>k を 1 増やします</source>
        <translation>Suma 1 a k</translation>
    </message>
    <message>
        <source>k を 1 減らします</source>
        <translation>Resta 1 a k</translation>
    </message>
    <message>
        <source>これより暗い星は描きません（等級）</source>
        <translation>Se omiten las estrellas más débiles que esta magnitud</translation>
    </message>
    <message>
        <source>チェック: 北半球、外す: 南半球</source>
        <translation>Marcada: hemisferio norte; sin marcar: sur</translation>
    </message>
    <message>
        <source>恒星球の半径 [cm]。確認には 13、印刷には 80 以上</source>
        <translation>Radio de la esfera celeste en cm: 13 para comprobar, 80 o más para imprimir</translation>
    </message>
    <message>
        <source>型紙を実寸で描画窓に描きます</source>
        <translation>Dibuja la plantilla a tamaño real en su ventana</translation>
    </message>
    <message>
        <source>等級が 1 違う星の大きさの比</source>
        <translation>Razón de tamaño entre dos estrellas que difieren en una magnitud</translation>
    </message>
    <message>
        <source>星の点の大きさの倍率</source>
        <translation>Aumento de los puntos de las estrellas</translation>
    </message>
    <message>
        <source>緯度の ε 補正を行います</source>
        <translation>Aplica la corrección ε de las latitudes</translation>
    </message>
    <message>
        <source>指定した緯度に等緯度線を描きます</source>
        <translation>Dibuja una línea de igual latitud</translation>
    </message>
    <message>
        <source>等緯度線の緯度 [deg]</source>
        <translation>Latitud de la línea, en grados</translation>
    </message>
    <message>
        <source>北の極板を描きます</source>
        <translation>Dibuja el casquete polar norte</translation>
    </message>
    <message>
        <source>極板との境界緯度 B [deg]</source>
        <translation>Latitud límite B del casquete, en grados</translation>
    </message>
    <message>
        <source>南の極板を描きます</source>
        <translation>Dibuja el casquete polar sur</translation>
    </message>
    <message>
        <source>接平面の中心の緯度 φ0 [deg]</source>
        <translation>Latitud φ0 del punto de tangencia, en grados</translation>
    </message>
    <message>
        <source>接平面の中心の経度 λ0 [deg]</source>
        <translation>Longitud λ0 del punto de tangencia, en grados</translation>
    </message>
    <message>
        <source>SVG の開始タグと見本の楕円を表示します</source>
        <translation>Muestra la etiqueta de apertura SVG y una elipse de ejemplo</translation>
    </message>
    <message>
        <source>面座標ﾌｧｲﾙ（1 面に 9 個の数）を読み込みます</source>
        <translation>Lee un archivo de caras (9 números por cara)</translation>
    </message>
    <message>
        <source>面番号（1〜32）。接平面位置が面の中心になります</source>
        <translation>Número de cara (1 a 32); pone el punto de tangencia en el centro de la cara</translation>
    </message>
    <message>
        <source>面番号を 1 増やします</source>
        <translation>Suma 1 al número de cara</translation>
    </message>
    <message>
        <source>面番号を 1 減らします</source>
        <translation>Resta 1 al número de cara</translation>
    </message>
    <message>
        <source>.svg ファイルも書き出します</source>
        <translation>Escribe también un archivo .svg</translation>
    </message>
    <message>
        <source>接平面から描く範囲 [deg]</source>
        <translation>Alcance de la proyección alrededor del punto de tangencia, en grados</translation>
    </message>
    <message>
        <source>恒星球の半径 [cm]</source>
        <translation>Radio de la esfera celeste en cm</translation>
    </message>
    <message>
        <source>チェック: 恒星球の内側から見た面、外す: 外側から</source>
        <translation>Marcada: vista desde dentro de la esfera; sin marcar: desde fuera</translation>
    </message>
    <message>
        <source>面の頂点を赤で描きます</source>
        <translation>Dibuja en rojo las esquinas de la cara</translation>
    </message>
    <message>
        <source>頂点座標ﾌｧｲﾙ（1 頂点に 緯度,経度）を読み込みます</source>
        <translation>Lee un archivo de vértices (latitud, longitud por vértice)</translation>
    </message>
    <message>
        <source>面の辺を描きます</source>
        <translation>Dibuja las aristas de la cara</translation>
    </message>
    <message>
        <source>すべての舟形と極板を一度に保存・印刷します (Ctrl+P)</source>
        <translation>Guarda o imprime de una vez todos los husos y casquetes (Ctrl+P)</translation>
    </message>
    <message>
        <source>モデルのすべての面を一度に保存・印刷します (Ctrl+P)</source>
        <translation>Guarda o imprime de una vez todas las caras del modelo (Ctrl+P)</translation>
    </message>
</context>
<context>
    <name>ui::Form2</name>
    <message>
        <source>ORW本体のﾃﾞｨﾚｸﾄﾘに保存されます。</source>
        <translation>Se guarda en la carpeta del programa.</translation>
    </message>
    <message>
        <source>最微等級 = </source>
        <translation>Límite = </translation>
    </message>
    <message>
        <source>恒星サイズ：公比=</source>
        <translation>Estrellas: ratio=</translation>
    </message>
    <message>
        <source> ,倍率=</source>
        <translation>, tam.=</translation>
    </message>
    <message>
        <source>ﾁｪｯｸﾎﾞｯｸｽ誤作動</source>
        <translation>Error de casilla</translation>
    </message>
    <message>
        <source>北</source>
        <translation>Norte</translation>
    </message>
    <message>
        <source>南</source>
        <translation>Sur</translation>
    </message>
</context>
<context>
    <name>ui::GlobeDialog</name>
    <message>
        <source>型紙を描きました: %1</source>
        <translation>Dibujado: %1</translation>
    </message>
    <message>
        <source>ページに配置しました: %1</source>
        <translation>Colocado: %1</translation>
    </message>
    <message>
        <source>書き出しました: %1</source>
        <translation>Escrito: %1</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>印刷</source>
        <translation>Impresión</translation>
    </message>
    <message>
        <source>星、線、文字</source>
        <translation>Estrellas, líneas y textos</translation>
    </message>
    <message>
        <source>切断</source>
        <translation>Corte</translation>
    </message>
    <message>
        <source>切り抜く線（カッティングマシン用）</source>
        <translation>Contornos de corte (para máquinas de corte)</translation>
    </message>
    <message>
        <source>折り筋</source>
        <translation>Plegado</translation>
    </message>
    <message>
        <source>のりしろの折り目</source>
        <translation>Pliegues de las pestañas de pegado</translation>
    </message>
    <message>
        <source>トンボ</source>
        <translation>Marcas</translation>
    </message>
    <message>
        <source>トンボ、5 cm の検査用の正方形、目盛り</source>
        <translation>Marcas de corte, el cuadrado de calibración de 5 cm, la barra de escala</translation>
    </message>
    <message>
        <source>星座線</source>
        <translation>Líneas</translation>
    </message>
    <message>
        <source>星座名</source>
        <translation>Nombres</translation>
    </message>
    <message>
        <source>星座の境界</source>
        <translation>Límites</translation>
    </message>
    <message>
        <source>座標線</source>
        <translation>Cuadrícula</translation>
    </message>
    <message>
        <source>黄道</source>
        <translation>Eclíptica</translation>
    </message>
    <message>
        <source>星名</source>
        <translation>Nombres de estrellas</translation>
    </message>
    <message>
        <source>銀河赤道</source>
        <translation>Ecuador galáctico</translation>
    </message>
    <message>
        <source>星を B-V の色で塗る</source>
        <translation>Estrellas coloreadas por B-V</translation>
    </message>
    <message>
        <source>B-V のある恒星データ（deep-stars.csv など）で、星の点をその色にします</source>
        <translation>Con un archivo de estrellas que da B-V (deep-stars.csv, por ejemplo), cada punto de estrella toma su color</translation>
    </message>
    <message>
        <source>白地に黒</source>
        <translation>Negro sobre blanco</translation>
    </message>
    <message>
        <source>紺地に白（切り取り線の外まで塗る）</source>
        <translation>Blanco sobre azul oscuro (impreso más allá de la línea de corte)</translation>
    </message>
    <message>
        <source>仕上げ</source>
        <translation>Estilo</translation>
    </message>
    <message>
        <source>全球の型紙 — 舟形</source>
        <translation>Globo completo — husos</translation>
    </message>
    <message>
        <source>全球の型紙 — 多面体</source>
        <translation>Globo completo — poliedro</translation>
    </message>
    <message>
        <source>すべての舟形</source>
        <translation>Todos los husos</translation>
    </message>
    <message>
        <source>現在の舟形 (k = %1)</source>
        <translation>Huso actual (k = %1)</translation>
    </message>
    <message>
        <source>モデルのすべての面</source>
        <translation>Todas las caras del modelo</translation>
    </message>
    <message>
        <source>現在の面 (%1)</source>
        <translation>Cara actual (%1)</translation>
    </message>
    <message>
        <source>舟形</source>
        <translation>Husos</translation>
    </message>
    <message>
        <source>面</source>
        <translation>Caras</translation>
    </message>
    <message>
        <source>北半球</source>
        <translation>Norte</translation>
    </message>
    <message>
        <source>南半球</source>
        <translation>Sur</translation>
    </message>
    <message>
        <source>両半球</source>
        <translation>Ambos</translation>
    </message>
    <message>
        <source>半球</source>
        <translation>Hemisferio</translation>
    </message>
    <message>
        <source>なし</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>北</source>
        <translation>Norte</translation>
    </message>
    <message>
        <source>南</source>
        <translation>Sur</translation>
    </message>
    <message>
        <source>南北</source>
        <translation>Ambos</translation>
    </message>
    <message>
        <source>極板</source>
        <translation>Casquetes polares</translation>
    </message>
    <message>
        <source>舟形を極から極まで一枚に</source>
        <translation>Cada huso de polo a polo en una pieza</translation>
    </message>
    <message>
        <source>星空の層</source>
        <translation>Capas del cielo</translation>
    </message>
    <message>
        <source>のりしろを付ける</source>
        <translation>Pestañas de pegado</translation>
    </message>
    <message>
        <source>書き出す層（カッティングマシン用）</source>
        <translation>Capas escritas (para máquinas de corte)</translation>
    </message>
    <message>
        <source>なし（型紙ごとに1ページ）</source>
        <translation>Ninguno (una página por plantilla)</translation>
    </message>
    <message>
        <source>用紙</source>
        <translation>Papel</translation>
    </message>
    <message>
        <source>小さい型紙を詰めて並べる</source>
        <translation>Agrupar piezas pequeñas</translation>
    </message>
    <message>
        <source>PDF（1 ファイル）</source>
        <translation>PDF (un archivo)</translation>
    </message>
    <message>
        <source>SVG（フォルダ）</source>
        <translation>SVG (carpeta)</translation>
    </message>
    <message>
        <source>BMP（フォルダ）</source>
        <translation>BMP (carpeta)</translation>
    </message>
    <message>
        <source>形式</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>参照...</source>
        <translation>Examinar...</translation>
    </message>
    <message>
        <source>保存先</source>
        <translation>Guardar en</translation>
    </message>
    <message>
        <source>3D 表示</source>
        <translation>Vista 3D</translation>
    </message>
    <message>
        <source>保存(&amp;S)</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>印刷(&amp;P)...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>PDF の保存先</source>
        <translation>Guardar el PDF como</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>保存するフォルダ</source>
        <translation>Carpeta donde guardar</translation>
    </message>
    <message>
        <source>型紙を描いています</source>
        <translation>Dibujando las plantillas</translation>
    </message>
    <message>
        <source>描画を中止しました。</source>
        <translation>Dibujo cancelado.</translation>
    </message>
    <message>
        <source>メモリが足りません。</source>
        <translation>No hay memoria suficiente.</translation>
    </message>
    <message>
        <source>型紙 %1 点</source>
        <translation>%1 plantillas</translation>
    </message>
    <message>
        <source>、PDF %1 ページ</source>
        <translation>, PDF de %1 páginas</translation>
    </message>
    <message>
        <source>、ファイル %1 個</source>
        <translation>, %1 archivos</translation>
    </message>
    <message>
        <source>、印刷 %1 枚 (%2)</source>
        <translation>, %1 hojas impresas (%2)</translation>
    </message>
    <message>
        <source>保存先を入力してください。</source>
        <translation>Indique dónde guardar.</translation>
    </message>
    <message>
        <source>書き出しています</source>
        <translation>Escribiendo</translation>
    </message>
    <message>
        <source>保存しました: %1（%2 ページ）</source>
        <translation>Guardado %1 (%2 páginas)</translation>
    </message>
    <message>
        <source>保存しました: %1（%2 ファイル）</source>
        <translation>Guardado %1 (%2 archivos)</translation>
    </message>
    <message>
        <source>保存を中止しました。ファイルは書き出していません。</source>
        <translation>Guardado cancelado. No se escribió ningún archivo.</translation>
    </message>
    <message>
        <source>保存できませんでした: %1

%2</source>
        <translation>No se pudo guardar %1

%2</translation>
    </message>
    <message>
        <source>保存できませんでした: %1

メモリが足りません。</source>
        <translation>No se pudo guardar %1

No hay memoria suficiente.</translation>
    </message>
    <message>
        <source>プリンタが設定されていません。PDF に保存してから印刷してください。</source>
        <translation>No hay ninguna impresora instalada. Guarde un PDF e imprímalo.</translation>
    </message>
    <message>
        <source>印刷できませんでした。

%1</source>
        <translation>No se pudo imprimir.

%1</translation>
    </message>
    <message>
        <source>前のページ</source>
        <translation>Página anterior</translation>
    </message>
    <message>
        <source>次のページ</source>
        <translation>Página siguiente</translation>
    </message>
    <message>
        <source>全体</source>
        <translation>Ajustar</translation>
    </message>
    <message>
        <source>ページ全体を表示</source>
        <translation>Página entera</translation>
    </message>
    <message>
        <source>幅</source>
        <translation>Ancho</translation>
    </message>
    <message>
        <source>ページの幅に合わせる</source>
        <translation>Ajustar al ancho de la página</translation>
    </message>
    <message>
        <source>実寸</source>
        <translation>Tamaño real</translation>
    </message>
    <message>
        <source>縮小</source>
        <translation>Alejar</translation>
    </message>
    <message>
        <source>拡大</source>
        <translation>Acercar</translation>
    </message>
    <message>
        <source>書き出しています...</source>
        <translation>Escribiendo...</translation>
    </message>
    <message>
        <source>%1 はすでにあります。置き換えますか？</source>
        <translation>%1 ya existe. ¿Reemplazarlo?</translation>
    </message>
    <message>
        <source>フォルダ %1 にはすでにファイルがあります。同じ名前のファイルは置き換えます。保存しますか？</source>
        <translation>La carpeta %1 ya contiene archivos; los archivos con los mismos nombres se reemplazarán. ¿Guardar?</translation>
    </message>
    <message>
        <source>印刷しました: %1 ページ（%2, %3）</source>
        <translation>Impresas %1 páginas (%2, %3)</translation>
    </message>
    <message>
        <source>すべての舟形（面）か、タブで選んでいるものだけか</source>
        <translation>Todos los husos (caras), o solo el elegido en la pestaña</translation>
    </message>
    <message>
        <source>北半球・南半球・両方の舟形</source>
        <translation>Husos del hemisferio norte o sur, o de ambos</translation>
    </message>
    <message>
        <source>描く極板</source>
        <translation>Los casquetes polares que se dibujan</translation>
    </message>
    <message>
        <source>舟形を赤道で分けずに極から極まで一枚にします</source>
        <translation>Cada huso en una pieza de polo a polo, sin cortar en el ecuador</translation>
    </message>
    <message>
        <source>星座の線</source>
        <translation>Figuras de las constelaciones</translation>
    </message>
    <message>
        <source>星座の名前</source>
        <translation>Nombres de las constelaciones</translation>
    </message>
    <message>
        <source>星座の境界線 (IAU)</source>
        <translation>Límites de las constelaciones (IAU)</translation>
    </message>
    <message>
        <source>赤経・赤緯の座標線</source>
        <translation>Cuadrícula de ascensión recta y declinación</translation>
    </message>
    <message>
        <source>黄道と目盛り</source>
        <translation>La eclíptica con sus marcas</translation>
    </message>
    <message>
        <source>明るい星の名前</source>
        <translation>Nombres de las estrellas brillantes</translation>
    </message>
    <message>
        <source>銀河系の円盤の中心線（銀河赤道）と銀経の目盛り</source>
        <translation>La línea media del disco de la Vía Láctea (el ecuador galáctico), con longitudes galácticas</translation>
    </message>
    <message>
        <source>白地に黒い星か、濃紺の地に白い（色の）星か</source>
        <translation>Estrellas negras sobre blanco, o estrellas blancas (o de color) sobre azul oscuro</translation>
    </message>
    <message>
        <source>組み立て用ののりしろを型紙に付けます</source>
        <translation>Añade pestañas de pegado a las plantillas</translation>
    </message>
    <message>
        <source>印刷する用紙。「なし」は型紙ごとに 1 ページ</source>
        <translation>El papel en que se imprime; ninguno: una página por plantilla</translation>
    </message>
    <message>
        <source>小さい型紙を 1 枚の用紙にまとめます</source>
        <translation>Junta plantillas pequeñas en una hoja</translation>
    </message>
    <message>
        <source>保存する形式</source>
        <translation>El formato guardado</translation>
    </message>
    <message>
        <source>保存するファイル（PDF）またはフォルダ（SVG, BMP）</source>
        <translation>El archivo (PDF) o la carpeta (SVG, BMP) donde se guarda</translation>
    </message>
    <message>
        <source>保存先を選びます</source>
        <translation>Elige dónde guardar</translation>
    </message>
    <message>
        <source>組み立てた天球儀を 3D で表示します</source>
        <translation>Muestra el globo montado en 3D</translation>
    </message>
    <message>
        <source>型紙を保存します (Ctrl+S)</source>
        <translation>Guarda las plantillas (Ctrl+S)</translation>
    </message>
    <message>
        <source>実寸 (100 %) で印刷します (Ctrl+P)</source>
        <translation>Imprime a tamaño real, 100 % (Ctrl+P)</translation>
    </message>
    <message>
        <source>ダイアログを閉じます (Esc)</source>
        <translation>Cierra el diálogo (Esc)</translation>
    </message>
</context>
<context>
    <name>ui::GlobePreviewWindow</name>
    <message>
        <source>天球儀プレビュー</source>
        <translation>Vista del globo</translation>
    </message>
    <message>
        <source>外側から</source>
        <translation>Desde fuera</translation>
    </message>
    <message>
        <source>内側から（地上から見た空）</source>
        <translation>Desde dentro (el cielo visto desde la Tierra)</translation>
    </message>
    <message>
        <source>視点を戻す</source>
        <translation>Restablecer vista</translation>
    </message>
    <message>
        <source>ドラッグで回転、ホイールで拡大・縮小</source>
        <translation>Arrastre para girar, rueda para acercar</translation>
    </message>
    <message>
        <source>矢印キーで回転、+ / − で拡大・縮小、Home で視点を戻す、Esc で閉じる</source>
        <translation>Las flechas giran, + / − acercan o alejan, Inicio restablece la vista, Esc cierra</translation>
    </message>
</context>
<context>
    <name>ui::GoreWindowSet</name>
    <message>
        <source>Form3 - 南</source>
        <translation>Form3 - Sur</translation>
    </message>
</context>
<context>
    <name>ui::HelpWindow</name>
    <message>
        <source>Orbweave の使い方</source>
        <translation>Cómo usar Orbweave</translation>
    </message>
    <message>
        <source>&lt;h3&gt;型紙を描く&lt;/h3&gt;&lt;ol&gt;&lt;li&gt;「読み込み」（舟形のタブ）または「恒星データ読込」（多面体のタブ）で恒星データを選びます（ファイル → 恒星データを開く、Ctrl+O。ウィンドウにファイルをドロップしても読み込めます）。同梱の bright-stars.csv は 9,096 個の星の表です。&lt;/li&gt;&lt;li&gt;値を入力して「描画」をクリックすると、型紙が実寸で描画窓に描かれます。&lt;/li&gt;&lt;li&gt;描画窓のボタン、またはファイル → ビットマップ形式で保存（Ctrl+S）で 96 dpi のビットマップを保存します。名前を付けて保存（Ctrl+Shift+S）では保存先を選べます。&lt;/li&gt;&lt;/ol&gt;</source>
        <translation>&lt;h3&gt;Dibujar una plantilla&lt;/h3&gt;&lt;ol&gt;&lt;li&gt;Elija un archivo de estrellas con "Leer estrellas" (en cualquiera de las pestañas), con Archivo → Abrir archivo de estrellas (Ctrl+O), o arrastre el archivo a la ventana. El bright-stars.csv incluido contiene 9.096 estrellas.&lt;/li&gt;&lt;li&gt;Introduzca los valores y pulse "Dibujar": la plantilla se abre a tamaño real en una ventana de dibujo.&lt;/li&gt;&lt;li&gt;El botón de la ventana de dibujo o Archivo → Guardar mapa de bits (Ctrl+S) guarda un mapa de bits de 96 ppp; Guardar mapa de bits como (Ctrl+Mayús+S) permite elegir dónde.&lt;/li&gt;&lt;/ol&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;多面体&lt;/h3&gt;&lt;p&gt;恒星データのほかに頂点座標ﾌｧｲﾙと面座標ﾌｧｲﾙを読み込みます（data/models の &amp;lt;名前&amp;gt;-vertices.csv と -faces.csv）。面番号で接平面位置が決まります。&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Poliedros&lt;/h3&gt;&lt;p&gt;Además del archivo de estrellas, lea un archivo de vértices y uno de caras (&amp;lt;nombre&amp;gt;-vertices.csv y -faces.csv en data/models). El número de cara fija el punto de tangencia.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;全球の型紙・印刷&lt;/h3&gt;&lt;p&gt;「全球の型紙・印刷...」ボタン、またはファイル → 全球の型紙・印刷（Ctrl+P）で、すべての舟形と極板、またはモデルのすべての面を一度に、PDF・SVG・BMP に保存し、実寸（100 %）で印刷します。のりしろ、星座線などの星空の層、用紙、カッティングマシン用の層を選べます。右側は印刷される用紙のプレビューです。&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Globo completo e impresión&lt;/h3&gt;&lt;p&gt;El botón "Globo completo, imprimir..." o Archivo → Globo completo, imprimir (Ctrl+P) guarda de una vez todos los husos y casquetes, o todas las caras del modelo, en PDF, SVG o BMP, y los imprime a tamaño real (100 %). Elija pestañas de pegado, capas del cielo como las figuras de las constelaciones, el papel y las capas para una máquina de corte. La parte derecha muestra una vista previa de las hojas impresas.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;天球儀プレビュー（3D）&lt;/h3&gt;&lt;p&gt;表示 → 天球儀プレビュー（Ctrl+3）、または全球の型紙の「3D 表示」で、組み立てた天球儀を星と型紙の切り線とともに見られます。ドラッグまたは矢印キーで回し、ホイールまたは + / − で拡大・縮小、Home で視点を戻し、Esc で閉じます。&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Vista del globo (3D)&lt;/h3&gt;&lt;p&gt;Ver → Vista del globo (Ctrl+3), o "Vista 3D" en el diálogo del globo completo, muestra el globo montado con sus estrellas y las líneas de corte de las plantillas. Arrástrelo o pulse las flechas para girarlo, gire la rueda o pulse + / − para acercar o alejar; Inicio restablece la vista y Esc la cierra.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;キー&lt;/h3&gt;&lt;table&gt;&lt;tr&gt;&lt;td&gt;Ctrl+O&lt;/td&gt;&lt;td&gt;恒星データを開く&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+S / Ctrl+Shift+S&lt;/td&gt;&lt;td&gt;ビットマップ形式で保存 / 名前を付けて保存&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+P&lt;/td&gt;&lt;td&gt;全球の型紙・印刷&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+3&lt;/td&gt;&lt;td&gt;天球儀プレビュー&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Alt+1〜4&lt;/td&gt;&lt;td&gt;タブの切り替え&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+0 / Ctrl+1 / Ctrl++ / Ctrl+−&lt;/td&gt;&lt;td&gt;描画窓: 全体 / 100 % / 拡大 / 縮小&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;F1&lt;/td&gt;&lt;td&gt;この使い方&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+Q&lt;/td&gt;&lt;td&gt;終了&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</source>
        <translation>&lt;h3&gt;Teclas&lt;/h3&gt;&lt;table&gt;&lt;tr&gt;&lt;td&gt;Ctrl+O&lt;/td&gt;&lt;td&gt;Abrir un archivo de estrellas&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+S / Ctrl+Mayús+S&lt;/td&gt;&lt;td&gt;Guardar mapa de bits / Guardar mapa de bits como&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+P&lt;/td&gt;&lt;td&gt;Globo completo, imprimir&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+3&lt;/td&gt;&lt;td&gt;Vista del globo&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Alt+1…4&lt;/td&gt;&lt;td&gt;Cambiar de pestaña&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+0 / Ctrl+1 / Ctrl++ / Ctrl+−&lt;/td&gt;&lt;td&gt;Ventanas de dibujo: ajustar / 100 % / acercar / alejar&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;F1&lt;/td&gt;&lt;td&gt;Esta ayuda&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+Q&lt;/td&gt;&lt;td&gt;Salir&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;ウィンドウは、恒星データ、入力値、表示中のタブ、位置、最近使ったファイルを次の起動まで覚えています。&lt;/p&gt;</source>
        <translation>&lt;p&gt;La ventana recuerda hasta el siguiente inicio el archivo de estrellas, los valores introducidos, la pestaña mostrada, su posición y los archivos recientes.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>ui::Refusals</name>
    <message>
        <source>負または零の分割数nは定義できません。</source>
        <translation>El número de husos n no puede ser cero ni negativo.</translation>
    </message>
    <message>
        <source> n &lt; k です。</source>
        <translation> n &lt; k: el huso k debe ser uno de los n husos.</translation>
    </message>
</context>
<context>
    <name>ui::SaveDialog</name>
    <message>
        <source>Windows ビットマップ (*.bmp)</source>
        <translation>Mapa de bits de Windows (*.bmp)</translation>
    </message>
</context>
<context>
    <name>ui::SkyLayerChecks</name>
    <message>
        <source>星座線</source>
        <translation>Líneas</translation>
    </message>
    <message>
        <source>星座の線 (J2000)</source>
        <translation>Figuras de las constelaciones (J2000)</translation>
    </message>
    <message>
        <source>星座名</source>
        <translation>Nombres</translation>
    </message>
    <message>
        <source>星座の名前</source>
        <translation>Nombres de las constelaciones</translation>
    </message>
    <message>
        <source>境界</source>
        <translation>Límites</translation>
    </message>
    <message>
        <source>星座の境界線 (IAU)</source>
        <translation>Límites de las constelaciones (IAU)</translation>
    </message>
    <message>
        <source>座標</source>
        <translation>Cuadrícula</translation>
    </message>
    <message>
        <source>赤経 1 時間ごと、赤緯 10° ごとの座標線</source>
        <translation>Ascensión recta cada hora, declinación cada 10°</translation>
    </message>
    <message>
        <source>黄道</source>
        <translation>Eclíptica</translation>
    </message>
    <message>
        <source>黄道と 10° ごとの目盛り</source>
        <translation>La eclíptica, con marcas cada 10°</translation>
    </message>
    <message>
        <source>星名</source>
        <translation>Estrellas</translation>
    </message>
    <message>
        <source>1.5 等より明るい星の名前</source>
        <translation>Nombres de las estrellas de magnitud 1,5 o más brillantes</translation>
    </message>
    <message>
        <source>星座名の言語（最初はこの画面の言語）</source>
        <translation>Idioma de los nombres (al principio, el de la interfaz)</translation>
    </message>
</context>
</TS>
