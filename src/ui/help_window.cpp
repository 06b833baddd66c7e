#include "ui/help_window.h"

#include <QDialogButtonBox>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace ui {

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(tr("Orbweave の使い方"));
    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("helpText"));
    m_browser->setOpenExternalLinks(true);
    m_browser->setHtml(
        tr("<h3>型紙を描く</h3>"
           "<ol><li>「読み込み」（舟形のタブ）または「恒星データ読込」（多面体のタブ）で恒星データを選びます"
           "（ファイル → 恒星データを開く、Ctrl+O。ウィンドウにファイルをドロップしても読み込めます）。"
           "同梱の bright-stars.csv は 9,096 個の星の表です。</li>"
           "<li>値を入力して「描画」をクリックすると、型紙が実寸で描画窓に描かれます。</li>"
           "<li>描画窓のボタン、またはファイル → ビットマップ形式で保存（Ctrl+S）で 96 dpi のビットマップを保存します。"
           "名前を付けて保存（Ctrl+Shift+S）では保存先を選べます。</li></ol>") +
        tr("<h3>多面体</h3><p>恒星データのほかに頂点座標ﾌｧｲﾙと面座標ﾌｧｲﾙを読み込みます"
           "（data/models の &lt;名前&gt;-vertices.csv と -faces.csv）。面番号で接平面位置が決まります。</p>") +
        tr("<h3>全球の型紙・印刷</h3><p>「全球の型紙・印刷...」ボタン、またはファイル → 全球の型紙・印刷（Ctrl+P）で、"
           "すべての舟形と極板、またはモデルのすべての面を一度に、PDF・SVG・BMP に保存し、実寸（100 %）で印刷します。"
           "のりしろ、星座線などの星空の層、用紙、カッティングマシン用の層を選べます。右側は印刷される用紙の"
           "プレビューです。</p>") +
        tr("<h3>天球儀プレビュー（3D）</h3><p>表示 → 天球儀プレビュー（Ctrl+3）、または全球の型紙の「3D 表示」で、"
           "組み立てた天球儀を星と型紙の切り線とともに見られます。ドラッグまたは矢印キーで回し、ホイールまたは + / − で拡大・縮小、Home で視点を戻し、Esc で閉じます。</p>") +
        tr("<h3>キー</h3><table>"
           "<tr><td>Ctrl+O</td><td>恒星データを開く</td></tr>"
           "<tr><td>Ctrl+S / Ctrl+Shift+S</td><td>ビットマップ形式で保存 / 名前を付けて保存</td></tr>"
           "<tr><td>Ctrl+P</td><td>全球の型紙・印刷</td></tr>"
           "<tr><td>Ctrl+3</td><td>天球儀プレビュー</td></tr>"
           "<tr><td>Alt+1〜4</td><td>タブの切り替え</td></tr>"
           "<tr><td>Ctrl+0 / Ctrl+1 / Ctrl++ / Ctrl+−</td><td>描画窓: 全体 / 100 % / 拡大 / 縮小</td></tr>"
           "<tr><td>F1</td><td>この使い方</td></tr>"
           "<tr><td>Ctrl+Q</td><td>終了</td></tr></table>") +
        tr("<p>ウィンドウは、恒星データ、入力値、表示中のタブ、位置、最近使ったファイルを次の起動まで覚えています。</p>"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_browser, 1);
    layout->addWidget(buttons);
    resize(fontMetrics().averageCharWidth() * 80, fontMetrics().height() * 36);
}

} // namespace ui
