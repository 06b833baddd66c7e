#include "ui/globe_dialog.h"

#include "export/export_templates.h"
#include "export/kit_finish.h"
#include "render/sheet_painter.h"
#include "render/sheet_printer.h"
#include "text/input_error.h"
#include "ui/export_progress.h"
#include "ui/file_dialog.h"
#include "ui/globe_options.h"
#include "ui/language.h"
#include "ui/refusal_text.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScrollArea>
#include <QScopeGuard>
#include <QShortcut>
#include <QToolButton>
#include <QSettings>
#include <QTimer>
#include <QVBoxLayout>

namespace ui {

namespace {

/// Where the dialog keeps what it remembers.
const QString kSettingsGroup = QStringLiteral("globe");

/// The standard papers offered, as orbweave-export names them.
const char* const kPapers[] = {"a4", "a3", "letter"};

QString paperCaption(const std::string& name)
{
    return name == "letter" ? QStringLiteral("Letter") : QString::fromStdString(name).toUpper();
}

/// The layers in their order on the dialog, with their captions.
struct LayerBox
{
    scene::LayerKind kind;
    const char* caption;
    const char* tip;
};
const LayerBox kLayerBoxes[] = {
    {scene::LayerKind::Print, QT_TRANSLATE_NOOP("ui::GlobeDialog", "印刷"),
     QT_TRANSLATE_NOOP("ui::GlobeDialog", "星、線、文字")},
    {scene::LayerKind::Cut, QT_TRANSLATE_NOOP("ui::GlobeDialog", "切断"),
     QT_TRANSLATE_NOOP("ui::GlobeDialog", "切り抜く線（カッティングマシン用）")},
    {scene::LayerKind::Score, QT_TRANSLATE_NOOP("ui::GlobeDialog", "折り筋"),
     QT_TRANSLATE_NOOP("ui::GlobeDialog", "のりしろの折り目")},
    {scene::LayerKind::Marks, QT_TRANSLATE_NOOP("ui::GlobeDialog", "トンボ"),
     QT_TRANSLATE_NOOP("ui::GlobeDialog", "トンボ、5 cm の検査用の正方形、目盛り")},
};

/// The sky layer boxes, named as the drawing windows name theirs.
struct SkyBox
{
    const char* name;
    const char* caption;
};
const SkyBox kSkyBoxes[] = {
    {"SkyLines", QT_TRANSLATE_NOOP("ui::GlobeDialog", "星座線")},
    {"SkyNames", QT_TRANSLATE_NOOP("ui::GlobeDialog", "星座名")},
    {"SkyBounds", QT_TRANSLATE_NOOP("ui::GlobeDialog", "星座の境界")},
    {"SkyGrid", QT_TRANSLATE_NOOP("ui::GlobeDialog", "座標線")},
    {"SkyEcliptic", QT_TRANSLATE_NOOP("ui::GlobeDialog", "黄道")},
    {"SkyStarNames", QT_TRANSLATE_NOOP("ui::GlobeDialog", "星名")},
    {"SkyGalactic", QT_TRANSLATE_NOOP("ui::GlobeDialog", "銀河赤道")},
};

/// The tooltips of the dialog's boxes and buttons, by object name.
struct ToolTip
{
    const char* name;
    const char* tip;
};
const ToolTip kToolTips[] = {
    {"which", QT_TRANSLATE_NOOP("ui::GlobeDialog", "すべての舟形（面）か、タブで選んでいるものだけか")},
    {"hemisphere", QT_TRANSLATE_NOOP("ui::GlobeDialog", "北半球・南半球・両方の舟形")},
    {"plates", QT_TRANSLATE_NOOP("ui::GlobeDialog", "描く極板")},
    {"wholeGores", QT_TRANSLATE_NOOP("ui::GlobeDialog", "舟形を赤道で分けずに極から極まで一枚にします")},
    {"SkyLines", QT_TRANSLATE_NOOP("ui::GlobeDialog", "星座の線")},
    {"SkyNames", QT_TRANSLATE_NOOP("ui::GlobeDialog", "星座の名前")},
    {"SkyBounds", QT_TRANSLATE_NOOP("ui::GlobeDialog", "星座の境界線 (IAU)")},
    {"SkyGrid", QT_TRANSLATE_NOOP("ui::GlobeDialog", "赤経・赤緯の座標線")},
    {"SkyEcliptic", QT_TRANSLATE_NOOP("ui::GlobeDialog", "黄道と目盛り")},
    {"SkyStarNames", QT_TRANSLATE_NOOP("ui::GlobeDialog", "明るい星の名前")},
    {"SkyGalactic", QT_TRANSLATE_NOOP("ui::GlobeDialog", "銀河系の円盤の中心線（銀河赤道）と銀経の目盛り")},
    {"style", QT_TRANSLATE_NOOP("ui::GlobeDialog", "白地に黒い星か、濃紺の地に白い（色の）星か")},
    {"tabs", QT_TRANSLATE_NOOP("ui::GlobeDialog", "組み立て用ののりしろを型紙に付けます")},
    {"paper", QT_TRANSLATE_NOOP("ui::GlobeDialog", "印刷する用紙。「なし」は型紙ごとに 1 ページ")},
    {"pack", QT_TRANSLATE_NOOP("ui::GlobeDialog", "小さい型紙を 1 枚の用紙にまとめます")},
    {"format", QT_TRANSLATE_NOOP("ui::GlobeDialog", "保存する形式")},
    {"output", QT_TRANSLATE_NOOP("ui::GlobeDialog", "保存するファイル（PDF）またはフォルダ（SVG, BMP）")},
    {"browse", QT_TRANSLATE_NOOP("ui::GlobeDialog", "保存先を選びます")},
    {"preview3d", QT_TRANSLATE_NOOP("ui::GlobeDialog", "組み立てた天球儀を 3D で表示します")},
    {"save", QT_TRANSLATE_NOOP("ui::GlobeDialog", "型紙を保存します (Ctrl+S)")},
    {"print", QT_TRANSLATE_NOOP("ui::GlobeDialog", "実寸 (100 %) で印刷します (Ctrl+P)")},
    {"close", QT_TRANSLATE_NOOP("ui::GlobeDialog", "ダイアログを閉じます (Esc)")},
};

/// A refusal of the export in the interface language, naming the tab's box where it is about one.
QString refusalOf(const text::InputError& e, exporter::Subject subject)
{
    // The dialog's own box: the reason names the path.
    if (e.input() == text::Input::Output)
        return inInterfaceLanguage(e.reasonText());
    return refusalText(e, subject == exporter::Subject::Faces ? InputTab::Face : InputTab::Gore);
}

/// The words of the sheets previewed and printed here: the interface's language. Saved files keep
/// the exporter's English, as orbweave-export writes them.
exporter::SheetLanguage sheetLanguage()
{
    switch (interfaceLanguage()) {
    case Language::Japanese: return exporter::SheetLanguage::Japanese;
    case Language::Spanish: return exporter::SheetLanguage::Spanish;
    case Language::English: break;
    }
    return exporter::SheetLanguage::English;
}

exporter::Format formatAt(int index)
{
    return index == 1 ? exporter::Format::Svg : index == 2 ? exporter::Format::Bmp : exporter::Format::Pdf;
}

} // namespace

GlobeDialog::GlobeDialog(const exporter::ExportOptions& start, const std::string& current, QWidget* parent)
    : QDialog(parent), m_start(start), m_messages(std::make_unique<MessageBoxPresenter>())
{
    setObjectName(QStringLiteral("GlobeDialog"));
    build(current);
    loadSettings();
    formatChanged();
    refresh();
}

GlobeDialog::~GlobeDialog()
{
    saveSettings();
}

void GlobeDialog::build(const std::string& current)
{
    const bool gores = m_start.subject == exporter::Subject::Gores;
    setWindowTitle(gores ? tr("全球の型紙 — 舟形") : tr("全球の型紙 — 多面体"));
    const auto changed = [this] { m_refreshTimer->start(); };
    m_refreshTimer = new QTimer(this);
    m_refreshTimer->setSingleShot(true);
    m_refreshTimer->setInterval(250);
    connect(m_refreshTimer, &QTimer::timeout, this, &GlobeDialog::refresh);

    auto* form = new QFormLayout;
    m_which = new QComboBox(this);
    m_which->setObjectName(QStringLiteral("which"));
    const QString here = QString::fromStdString(current);
    if (gores) {
        m_which->addItem(tr("すべての舟形"), QStringLiteral("all"));
        m_which->addItem(tr("現在の舟形 (k = %1)").arg(here), here);
    } else {
        m_which->addItem(tr("モデルのすべての面"), QStringLiteral("all"));
        m_which->addItem(tr("現在の面 (%1)").arg(here), here);
    }
    form->addRow(gores ? tr("舟形") : tr("面"), m_which);
    connect(m_which, &QComboBox::currentIndexChanged, this, changed);

    if (gores) {
        m_hemisphere = new QComboBox(this);
        m_hemisphere->setObjectName(QStringLiteral("hemisphere"));
        m_hemisphere->addItem(tr("北半球"), QStringLiteral("north"));
        m_hemisphere->addItem(tr("南半球"), QStringLiteral("south"));
        m_hemisphere->addItem(tr("両半球"), QStringLiteral("both"));
        const exporter::GoreOptions& g = m_start.gore;
        m_hemisphere->setCurrentIndex(g.north && g.south ? 2 : g.south ? 1 : 0);
        form->addRow(tr("半球"), m_hemisphere);
        connect(m_hemisphere, &QComboBox::currentIndexChanged, this, changed);

        m_plates = new QComboBox(this);
        m_plates->setObjectName(QStringLiteral("plates"));
        m_plates->addItem(tr("なし"), QStringLiteral("none"));
        m_plates->addItem(tr("北"), QStringLiteral("north"));
        m_plates->addItem(tr("南"), QStringLiteral("south"));
        m_plates->addItem(tr("南北"), QStringLiteral("both"));
        m_plates->setCurrentIndex(g.northPlate && g.southPlate ? 3 : g.southPlate ? 2 : g.northPlate ? 1 : 0);
        form->addRow(tr("極板"), m_plates);
        connect(m_plates, &QComboBox::currentIndexChanged, this, changed);

        m_wholeGores = new QCheckBox(tr("舟形を極から極まで一枚に"), this);
        m_wholeGores->setObjectName(QStringLiteral("wholeGores"));
        m_wholeGores->setChecked(m_start.kit.wholeGores);
        form->addRow(QString(), m_wholeGores);
        connect(m_wholeGores, &QCheckBox::toggled, this, changed);
    }

    auto* skyBox = new QGroupBox(tr("星空の層"), this);
    auto* skyGrid = new QGridLayout(skyBox);
    const sky::SkyLayerOptions& s = m_start.sky;
    const bool skyOn[] = {s.figures,  s.names, s.boundaries, s.gridStep != 0, s.ecliptic, s.starNameLimit.has_value(),
                          s.galactic};
    static_assert(std::size(skyOn) == std::size(kSkyBoxes));
    for (int i = 0; i < static_cast<int>(std::size(kSkyBoxes)); ++i) {
        auto* box = new QCheckBox(tr(kSkyBoxes[i].caption), skyBox);
        box->setObjectName(QLatin1String(kSkyBoxes[i].name));
        box->setChecked(skyOn[i]);
        skyGrid->addWidget(box, i / 3, i % 3);
        m_sky.insert(box->objectName(), box);
        connect(box, &QCheckBox::toggled, this, changed);
    }
    form->addRow(skyBox);

    m_colourStars = new QCheckBox(tr("星を B-V の色で塗る"), this);
    m_colourStars->setObjectName(QStringLiteral("colourStars"));
    m_colourStars->setToolTip(tr("B-V のある恒星データ（deep-stars.csv など）で、星の点をその色にします"));
    m_colourStars->setChecked(m_start.colourStars);
    form->addRow(QString(), m_colourStars);
    connect(m_colourStars, &QCheckBox::toggled, this, changed);

    m_style = new QComboBox(this);
    m_style->setObjectName(QStringLiteral("style"));
    m_style->addItem(tr("白地に黒"), QStringLiteral("light"));
    m_style->addItem(tr("紺地に白（切り取り線の外まで塗る）"), QStringLiteral("dark"));
    m_style->setCurrentIndex(m_start.style == exporter::Style::Dark ? 1 : 0);
    form->addRow(tr("仕上げ"), m_style);
    connect(m_style, &QComboBox::currentIndexChanged, this, changed);

    m_tabs = new QCheckBox(tr("のりしろを付ける"), this);
    m_tabs->setObjectName(QStringLiteral("tabs"));
    m_tabs->setChecked(m_start.kit.tabs);
    form->addRow(QString(), m_tabs);
    connect(m_tabs, &QCheckBox::toggled, this, changed);

    auto* layerBox = new QGroupBox(tr("書き出す層（カッティングマシン用）"), this);
    auto* layerRow = new QHBoxLayout(layerBox);
    for (const LayerBox& l : kLayerBoxes) {
        auto* box = new QCheckBox(tr(l.caption), layerBox);
        const QString kind = QString::fromUtf8(scene::kindName(l.kind).data(), qsizetype(scene::kindName(l.kind).size()));
        box->setObjectName(QStringLiteral("layer_") + kind);
        box->setToolTip(tr(l.tip));
        box->setChecked(true);
        layerRow->addWidget(box);
        m_layers.insert(kind, box);
        connect(box, &QCheckBox::toggled, this, changed);
    }
    form->addRow(layerBox);

    m_paper = new QComboBox(this);
    m_paper->setObjectName(QStringLiteral("paper"));
    m_paper->addItem(tr("なし（型紙ごとに1ページ）"), QString());
    for (const char* name : kPapers)
        m_paper->addItem(paperCaption(name), QString::fromLatin1(name));
    // The installed printers' own papers, once each.
    for (const QPrinterInfo& info : QPrinterInfo::availablePrinters())
        for (const QPageSize& size : info.supportedPageSizes()) {
            const QString key = QStringLiteral("printer:") + size.key();
            // A4, A3 and Letter stand in the list already.
            const bool standard = size.id() == QPageSize::A4 || size.id() == QPageSize::A3 || size.id() == QPageSize::Letter;
            if (!standard && !m_printerSizes.contains(key) && size.isValid()) {
                m_printerSizes.insert(key, size);
                m_paper->addItem(size.name(), key);
            }
        }
    m_paper->setCurrentIndex(1);
    form->addRow(tr("用紙"), m_paper);
    connect(m_paper, &QComboBox::currentIndexChanged, this, changed);

    m_pack = new QCheckBox(tr("小さい型紙を詰めて並べる"), this);
    m_pack->setObjectName(QStringLiteral("pack"));
    m_pack->setChecked(m_start.kit.pack);
    form->addRow(QString(), m_pack);
    connect(m_pack, &QCheckBox::toggled, this, changed);

    m_format = new QComboBox(this);
    m_format->setObjectName(QStringLiteral("format"));
    m_format->addItem(tr("PDF（1 ファイル）"));
    m_format->addItem(tr("SVG（フォルダ）"));
    m_format->addItem(tr("BMP（フォルダ）"));
    form->addRow(tr("形式"), m_format);
    connect(m_format, &QComboBox::currentIndexChanged, this, [this] { formatChanged(); });

    auto* outputRow = new QHBoxLayout;
    m_output = new QLineEdit(this);
    m_output->setObjectName(QStringLiteral("output"));
    auto* browse = new QPushButton(tr("参照..."), this);
    browse->setObjectName(QStringLiteral("browse"));
    connect(browse, &QPushButton::clicked, this, &GlobeDialog::chooseOutput);
    outputRow->addWidget(m_output, 1);
    outputRow->addWidget(browse);
    form->addRow(tr("保存先"), outputRow);

    auto* left = new QWidget(this);
    left->setLayout(form);

    m_previewPrinter = std::make_unique<QPrinter>(QPrinter::ScreenResolution);
    exporter::setUpPrinter(*m_previewPrinter, printPaper());
    m_preview = new QPrintPreviewWidget(m_previewPrinter.get(), this);
    m_preview->setObjectName(QStringLiteral("preview"));
    m_preview->setViewMode(QPrintPreviewWidget::SinglePageView);
    m_preview->setZoomMode(QPrintPreviewWidget::FitInView);
    m_preview->setMinimumSize(420, 420);
    connect(m_preview, &QPrintPreviewWidget::paintRequested, this, &GlobeDialog::paint);
    connect(m_preview, &QPrintPreviewWidget::previewChanged, this, &GlobeDialog::showPage);
    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("summary"));
    m_summary->setWordWrap(true);
    auto* right = new QVBoxLayout;
    right->addLayout(buildPreviewBar());
    right->addWidget(m_preview, 1);
    right->addWidget(m_summary);

    auto* columns = new QHBoxLayout;
    columns->addWidget(left);
    columns->addLayout(right, 1);

    auto* buttons = new QHBoxLayout;
    // The 3D preview of the globe goes here: hidden until a preview window is connected to
    // preview3dRequested.
    m_preview3d = new QPushButton(tr("3D 表示"), this);
    m_preview3d->setObjectName(QStringLiteral("preview3d"));
    m_preview3d->setVisible(false);
    connect(m_preview3d, &QPushButton::clicked, this, [this] { emit preview3dRequested(options()); });
    buttons->addWidget(m_preview3d);
    buttons->addStretch(1);
    m_save = new QPushButton(tr("保存(&S)"), this);
    m_save->setObjectName(QStringLiteral("save"));
    connect(m_save, &QPushButton::clicked, this, &GlobeDialog::save);
    m_print = new QPushButton(tr("印刷(&P)..."), this);
    m_print->setObjectName(QStringLiteral("print"));
    connect(m_print, &QPushButton::clicked, this, &GlobeDialog::print);
    auto* close = new QPushButton(tr("閉じる"), this);
    close->setObjectName(QStringLiteral("close"));
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addWidget(m_save);
    buttons->addWidget(m_print);
    buttons->addWidget(close);

    // The settings and the preview scroll when the screen has less room than they take.
    auto* content = new QWidget;
    content->setLayout(columns);
    columns->setContentsMargins(0, 0, 0, 0);
    auto* scroller = new QScrollArea(this);
    scroller->setObjectName(QStringLiteral("content"));
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setWidgetResizable(true);
    scroller->setWidget(content);
    auto* all = new QVBoxLayout(this);
    all->addWidget(scroller, 1);
    all->addLayout(buttons);
    // It opens at the size its content asks for, as without the scrolling.
    const QMargins margins = all->contentsMargins();
    resize(std::max(content->sizeHint().width(), buttons->sizeHint().width()) + margins.left() + margins.right(),
           content->sizeHint().height() + all->spacing() + buttons->sizeHint().height() + margins.top()
               + margins.bottom());
    m_save->setDefault(true);
    for (const ToolTip& t : kToolTips)
        if (QWidget* widget = findChild<QWidget*>(QLatin1String(t.name)))
            widget->setToolTip(tr(t.tip));
    connect(new QShortcut(QKeySequence::Save, this), &QShortcut::activated, this, &GlobeDialog::save);
    connect(new QShortcut(QKeySequence::Print, this), &QShortcut::activated, this, &GlobeDialog::print);
}

QHBoxLayout* GlobeDialog::buildPreviewBar()
{
    auto* bar = new QHBoxLayout;
    const auto add = [this, bar](const char* name, const QString& text, const QString& tip, const QKeySequence& key,
                                 auto slot) {
        auto* button = new QToolButton(this);
        button->setObjectName(QLatin1String(name));
        button->setText(text);
        button->setToolTip(key.isEmpty() ? tip : tip + QStringLiteral(" (%1)").arg(key.toString(QKeySequence::NativeText)));
        button->setShortcut(key);
        button->setAutoRaise(true);
        connect(button, &QToolButton::clicked, this, slot);
        bar->addWidget(button);
        return button;
    };
    add("previewPrevious", QStringLiteral("◀"), tr("前のページ"), QKeySequence(Qt::Key_PageUp),
        [this] { m_preview->setCurrentPage(m_preview->currentPage() - 1); showPage(); });
    m_pageText = new QLabel(this);
    m_pageText->setObjectName(QStringLiteral("previewPage"));
    m_pageText->setAlignment(Qt::AlignCenter);
    m_pageText->setMinimumWidth(m_pageText->fontMetrics().horizontalAdvance(QStringLiteral("000 / 000")));
    bar->addWidget(m_pageText);
    add("previewNext", QStringLiteral("▶"), tr("次のページ"), QKeySequence(Qt::Key_PageDown),
        [this] { m_preview->setCurrentPage(m_preview->currentPage() + 1); showPage(); });
    bar->addStretch(1);
    add("previewFit", tr("全体"), tr("ページ全体を表示"), QKeySequence(Qt::CTRL | Qt::Key_0),
        [this] { m_preview->fitInView(); });
    add("previewFitWidth", tr("幅"), tr("ページの幅に合わせる"), QKeySequence(), [this] { m_preview->fitToWidth(); });
    add("previewActual", QStringLiteral("100%"), tr("実寸"), QKeySequence(Qt::CTRL | Qt::Key_1), [this] {
        // The preview printer works at the screen's resolution: factor 1 is real size.
        m_preview->setZoomMode(QPrintPreviewWidget::CustomZoom);
        m_preview->setZoomFactor(1.0);
    });
    add("previewZoomOut", QStringLiteral("−"), tr("縮小"), QKeySequence(QKeySequence::ZoomOut),
        [this] { m_preview->zoomOut(); });
    add("previewZoomIn", QStringLiteral("+"), tr("拡大"), QKeySequence(QKeySequence::ZoomIn),
        [this] { m_preview->zoomIn(); });
    return bar;
}

void GlobeDialog::showPage()
{
    const int count = m_preview->pageCount();
    m_pageText->setText(count > 0 ? QStringLiteral("%1 / %2").arg(m_preview->currentPage()).arg(count) : QStringLiteral("–"));
    findChild<QToolButton*>(QStringLiteral("previewPrevious"))->setEnabled(m_preview->currentPage() > 1);
    findChild<QToolButton*>(QStringLiteral("previewNext"))->setEnabled(m_preview->currentPage() < count);
}

void GlobeDialog::loadSettings()
{
    QSettings settings;
    settings.beginGroup(kSettingsGroup);
    const int paper = m_paper->findData(settings.value(QStringLiteral("paper"), QStringLiteral("a4")).toString());
    if (paper >= 0)
        m_paper->setCurrentIndex(paper);
    const QStringList layers = settings.value(QStringLiteral("layers"), QStringList(m_layers.keys())).toStringList();
    for (auto it = m_layers.begin(); it != m_layers.end(); ++it)
        it.value()->setChecked(layers.contains(it.key()));
    m_format->setCurrentIndex(std::clamp(settings.value(QStringLiteral("format"), 0).toInt(), 0, 2));
    // The hemispheres and plates chosen here last, "both" included, which the tab cannot say.
    const auto restore = [&settings](QComboBox* box, const QString& key) {
        if (!box)
            return;
        const int index = box->findData(settings.value(key).toString());
        if (index >= 0)
            box->setCurrentIndex(index);
    };
    restore(m_hemisphere, QStringLiteral("hemisphere"));
    restore(m_plates, QStringLiteral("plates"));
    const QString folder = settings.value(QStringLiteral("folder"), QDir::homePath()).toString();
    const bool gores = m_start.subject == exporter::Subject::Gores;
    const QString pdfName = QString::fromStdString(exporter::defaultPdfName(m_start.subject));
    m_output->setText(QDir(folder).filePath(m_format->currentIndex() == 0 ? pdfName
                                                                          : gores ? QStringLiteral("orbweave-gores")
                                                                                  : QStringLiteral("orbweave-faces")));
}

void GlobeDialog::saveSettings() const
{
    QSettings settings;
    settings.beginGroup(kSettingsGroup);
    settings.setValue(QStringLiteral("paper"), m_paper->currentData());
    QStringList layers;
    for (auto it = m_layers.begin(); it != m_layers.end(); ++it)
        if (it.value()->isChecked())
            layers << it.key();
    settings.setValue(QStringLiteral("layers"), layers);
    settings.setValue(QStringLiteral("format"), m_format->currentIndex());
    if (m_hemisphere) {
        settings.setValue(QStringLiteral("hemisphere"), m_hemisphere->currentData());
        settings.setValue(QStringLiteral("plates"), m_plates->currentData());
    }
    const QFileInfo out(m_output->text());
    settings.setValue(QStringLiteral("folder"),
                      m_format->currentIndex() == 0 ? out.absolutePath() : out.absoluteDir().absolutePath());
}

void GlobeDialog::formatChanged()
{
    const exporter::Format format = formatAt(m_format->currentIndex());
    const bool pdf = format == exporter::Format::Pdf, kit = format != exporter::Format::Bmp;
    m_paper->setEnabled(pdf);
    m_pack->setEnabled(pdf);
    m_tabs->setEnabled(kit);
    m_style->setEnabled(kit);
    for (QCheckBox* box : m_layers)
        box->setEnabled(kit);
    if (m_wholeGores)
        m_wholeGores->setEnabled(kit);
    // A PDF is a file, SVG and bitmaps a folder: the name follows the format.
    const QFileInfo out(m_output->text());
    const QString pdfName = QString::fromStdString(exporter::defaultPdfName(m_start.subject));
    if (pdf && out.suffix().compare(QStringLiteral("pdf"), Qt::CaseInsensitive) != 0)
        m_output->setText(QDir(out.filePath()).filePath(pdfName));
    else if (!pdf && out.suffix().compare(QStringLiteral("pdf"), Qt::CaseInsensitive) == 0)
        m_output->setText(out.dir().filePath(out.completeBaseName()));
    m_refreshTimer->start();
}

void GlobeDialog::chooseOutput()
{
    const bool pdf = m_format->currentIndex() == 0;
    const auto dialog = pdf ? makeFileDialog(this, FileDialogMode::Save, tr("PDF の保存先"), m_output->text(), {tr("PDF (*.pdf)")})
                            : makeFileDialog(this, FileDialogMode::Folder, tr("保存するフォルダ"), m_output->text());
    if (const std::optional<QString> chosen = runFileDialog(*dialog))
        m_output->setText(QDir::toNativeSeparators(*chosen));
}

exporter::ExportOptions GlobeDialog::options() const
{
    exporter::ExportOptions o = m_start;
    const bool gores = o.subject == exporter::Subject::Gores;
    const std::string which = m_which->currentData().toString().toStdString();
    (gores ? o.gore.k : o.face.face) = which;
    if (gores) {
        const QString h = m_hemisphere->currentData().toString(), p = m_plates->currentData().toString();
        o.gore.north = h != QLatin1String("south");
        o.gore.south = h != QLatin1String("north");
        o.gore.northPlate = p == QLatin1String("north") || p == QLatin1String("both");
        o.gore.southPlate = p == QLatin1String("south") || p == QLatin1String("both");
    }
    o.format = formatAt(m_format->currentIndex());
    const bool kit = o.format != exporter::Format::Bmp;
    o.kit.wholeGores = gores && kit && m_wholeGores->isChecked();

    sky::SkyLayerOptions& s = o.sky;
    s.figures = m_sky.value(QStringLiteral("SkyLines"))->isChecked();
    s.names = m_sky.value(QStringLiteral("SkyNames"))->isChecked();
    s.boundaries = m_sky.value(QStringLiteral("SkyBounds"))->isChecked();
    s.gridStep = m_sky.value(QStringLiteral("SkyGrid"))->isChecked() ? (m_start.sky.gridStep ? m_start.sky.gridStep : 10) : 0;
    s.ecliptic = m_sky.value(QStringLiteral("SkyEcliptic"))->isChecked();
    s.galactic = m_sky.value(QStringLiteral("SkyGalactic"))->isChecked();
    if (m_sky.value(QStringLiteral("SkyStarNames"))->isChecked())
        s.starNameLimit = m_start.sky.starNameLimit.value_or(sky::kDefaultStarNameLimit);
    else
        s.starNameLimit.reset();

    o.colourStars = m_colourStars->isChecked();
    // A bitmap is the window's drawing: it has no cut outline for the dark ground.
    o.style = kit && m_style->currentData().toString() == QLatin1String("dark") ? exporter::Style::Dark
                                                                                : exporter::Style::Light;
    o.kit.tabs = m_tabs->isChecked();
    o.kit.layers.clear();
    for (const LayerBox& l : kLayerBoxes)
        if (m_layers.value(QString::fromLatin1(scene::kindName(l.kind).data(), qsizetype(scene::kindName(l.kind).size())))
                ->isChecked())
            o.kit.layers.insert(l.kind);
    o.kit.pack = m_pack->isChecked();
    o.paper.reset();
    if (o.format == exporter::Format::Pdf && !m_paper->currentData().toString().isEmpty())
        o.paper = printPaper();
    o.output = QDir::fromNativeSeparators(m_output->text().trimmed()).toStdString();
    o.quiet = true;
    return o;
}

exporter::PaperSize GlobeDialog::printPaper() const
{
    const QString paper = m_paper->currentData().toString();
    if (paper.startsWith(QLatin1String("printer:"))) {
        const QPageSize& size = m_printerSizes[paper];
        const QSizeF mm = size.size(QPageSize::Millimeter);
        return {size.name().toStdString(), std::min(mm.width(), mm.height()) / 10.0,
                std::max(mm.width(), mm.height()) / 10.0};
    }
    return exporter::paperNamed(paper.isEmpty() ? "a4" : paper.toStdString()).value_or(exporter::PaperSize{"a4", 21.0, 29.7});
}

exporter::ExportOptions GlobeDialog::drawingOptions() const
{
    // What the sheets show does not depend on where or how they are saved.
    exporter::ExportOptions o = options();
    o.format = exporter::Format::Pdf;
    o.kit.wholeGores = o.subject == exporter::Subject::Gores && m_wholeGores->isChecked();
    o.output.clear();
    o.paper.reset();
    return o;
}

void GlobeDialog::refresh()
{
    if (m_busy) {
        m_refreshTimer->start();
        return;
    }
    m_refreshTimer->stop();
    const exporter::ExportOptions drawn = drawingOptions();
    std::string key;
    for (const std::string& a : exportArguments(drawn))
        key += a + '\n';
    if (key != m_drawnKey) {
        m_busy = true;
        m_templates.clear();
        m_problem.clear();
        try {
            exporter::TemplateList list;
            runWithProgress(this, tr("型紙を描いています"), [&](const exporter::ExportObserver& observer) {
                list = exporter::drawExportTemplates(drawn, observer);
            });
            m_templates = std::move(list);
            m_drawnKey = key;
        } catch (const exporter::Cancelled&) {
            m_problem = tr("描画を中止しました。");
            m_drawnKey.clear();
        } catch (const text::InputError& e) {
            m_problem = refusalOf(e, m_start.subject);
            m_drawnKey = key;
        } catch (const std::bad_alloc&) {
            m_problem = tr("メモリが足りません。");
            m_drawnKey.clear();
        }
        m_busy = false;
    }
    const exporter::ExportOptions o = options();
    double bleed = 0.0;
    try {
        bleed = exporter::kitFinish(o.kit, exporter::Format::Pdf).bleed;
    } catch (const text::InputError&) {
    }
    const exporter::SheetOptions pdfSheets{o.paper, o.kit.pack, bleed, o.kit.layers};
    const exporter::SheetOptions printed{printPaper(), o.kit.pack, bleed, o.kit.layers};
    m_pages = o.format == exporter::Format::Pdf ? exporter::countSheets(m_templates, pdfSheets) : 0;
    m_sheets = exporter::countSheets(m_templates, printed);
    exporter::setUpPrinter(*m_previewPrinter, printPaper());
    m_summary->setText(summary());
    m_preview->updatePreview();
}

QString GlobeDialog::summary() const
{
    if (!m_problem.isEmpty())
        return m_problem;
    const exporter::ExportOptions o = options();
    const QString paper = paperCaption(printPaper().name);
    QString text = tr("型紙 %1 点").arg(m_templates.size());
    if (o.format == exporter::Format::Pdf)
        text += tr("、PDF %1 ページ").arg(m_pages);
    else
        text += tr("、ファイル %1 個").arg(m_templates.size());
    return text + tr("、印刷 %1 枚 (%2)").arg(m_sheets).arg(paper);
}

void GlobeDialog::paint(QPrinter* printer)
{
    if (m_templates.empty())
        return;
    const exporter::ExportOptions o = options();
    double bleed = 0.0;
    try {
        bleed = exporter::kitFinish(o.kit, exporter::Format::Pdf).bleed;
    } catch (const text::InputError&) {
    }
    try {
        exporter::printSheets(m_templates, {printPaper(), o.kit.pack, bleed, o.kit.layers, sheetLanguage()}, *printer);
    } catch (const text::InputError&) {
    }
}

bool GlobeDialog::showMessage(const QString& text, MessageIcon icon)
{
    return m_messages->show(this, Message{text, windowTitle(), icon, false});
}

void GlobeDialog::setMessagePresenter(std::unique_ptr<MessagePresenter> presenter)
{
    m_messages = std::move(presenter);
}

bool GlobeDialog::save()
{
    if (m_busy)
        return false;
    const exporter::ExportOptions o = options();
    if (o.output.empty()) {
        showMessage(tr("保存先を入力してください。"), MessageIcon::Warning);
        return false;
    }
    if (!confirmReplace(o))
        return false;
    m_busy = true;
    const auto idle = qScopeGuard([this] { m_busy = false; });
    // The line said what the last save or the sheets were; until this one ends it says it runs.
    m_summary->setText(tr("書き出しています..."));
    try {
        exporter::ExportResult result;
        runWithProgress(this, tr("書き出しています"), [&](const exporter::ExportObserver& observer) {
            result = exporter::exportTemplates(o, observer);
        });
        saveSettings();
        const QString where = QString::fromStdString(o.format == exporter::Format::Pdf ? result.paths.front() : o.output);
        m_summary->setText(o.format == exporter::Format::Pdf
                               ? tr("保存しました: %1（%2 ページ）").arg(where).arg(result.pages)
                               : tr("保存しました: %1（%2 ファイル）").arg(where).arg(result.paths.size()));
        return true;
    } catch (const exporter::Cancelled&) {
        m_summary->setText(tr("保存を中止しました。ファイルは書き出していません。"));
        return false;
    } catch (const text::InputError& e) {
        m_summary->setText(summary());
        showMessage(tr("保存できませんでした: %1\n\n%2").arg(QString::fromStdString(o.output), refusalOf(e, o.subject)),
                    MessageIcon::Critical);
    } catch (const std::bad_alloc&) {
        m_summary->setText(summary());
        showMessage(tr("保存できませんでした: %1\n\nメモリが足りません。").arg(QString::fromStdString(o.output)),
                    MessageIcon::Critical);
    }
    return false;
}

bool GlobeDialog::confirmReplace(const exporter::ExportOptions& o)
{
    const QString path = QDir::toNativeSeparators(QString::fromStdString(o.output));
    const QFileInfo out(QString::fromStdString(o.output));
    QString question;
    if (o.format == exporter::Format::Pdf) {
        if (out.exists())
            question = tr("%1 はすでにあります。置き換えますか？").arg(path);
    } else if (out.isDir() && !QDir(out.filePath()).isEmpty()) {
        question = tr("フォルダ %1 にはすでにファイルがあります。同じ名前のファイルは置き換えます。保存しますか？").arg(path);
    }
    return question.isEmpty() || m_messages->show(this, Message{question, windowTitle(), MessageIcon::Question, true});
}

void GlobeDialog::reject()
{
    if (!m_busy)
        QDialog::reject();
}

void GlobeDialog::closeEvent(QCloseEvent* event)
{
    if (m_busy)
        event->ignore();
    else
        QDialog::closeEvent(event);
}

void GlobeDialog::print()
{
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        showMessage(tr("プリンタが設定されていません。PDF に保存してから印刷してください。"), MessageIcon::Warning);
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    exporter::setUpPrinter(printer, printPaper());
    QPrintDialog dialog(&printer, this);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    if (dialog.exec() != QDialog::Accepted)
        return;
    printTo(printer);
}

int GlobeDialog::printTo(QPrinter& printer)
{
    refresh();
    if (m_templates.empty()) {
        showMessage(tr("印刷できませんでした。\n\n%1").arg(summary()), MessageIcon::Critical);
        return 0;
    }
    // The paper the printer was given (the print dialog may have changed it), upright, at 100 %.
    const QSizeF mm = printer.pageLayout().pageSize().size(QPageSize::Millimeter);
    const exporter::PaperSize paper{printer.pageLayout().pageSize().name().toStdString(),
                                    std::min(mm.width(), mm.height()) / 10.0, std::max(mm.width(), mm.height()) / 10.0};
    exporter::setUpPrinter(printer, paper);
    const exporter::ExportOptions o = options();
    double bleed = 0.0;
    try {
        bleed = exporter::kitFinish(o.kit, exporter::Format::Pdf).bleed;
        const int pages =
            exporter::printSheets(m_templates, {paper, o.kit.pack, bleed, o.kit.layers, sheetLanguage()}, printer);
        const QString where = printer.outputFileName().isEmpty() ? printer.printerName()
                                                                 : QDir::toNativeSeparators(printer.outputFileName());
        m_summary->setText(tr("印刷しました: %1 ページ（%2, %3）").arg(pages).arg(where, paperCaption(paper.name)));
        return pages;
    } catch (const text::InputError& e) {
        showMessage(tr("印刷できませんでした。\n\n%1").arg(refusalOf(e, o.subject)), MessageIcon::Critical);
    }
    return 0;
}

} // namespace ui
