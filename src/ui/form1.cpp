#include "ui/form1.h"

#include "appdata/data_folder.h"
#include "appdata/save_folder.h"
#include "canvas/drawing_canvas.h"
#include "export/face_templates.h"
#include "export/gore_templates.h"
#include "export/vector_unit.h"
#include "globe/globe_finish.h"
#include "globe/gore_globe.h"
#include "globe/polyhedron_globe.h"
#include "polyhedron/face_svg_document.h"
#include "stars/star_catalogue.h"
#include "stars/star_file_cache.h"
#include "text/input_error.h"
#include "ui/clickable_label.h"
#include "ui/data_file_check.h"
#include "ui/fitted_text.h"
#include "ui/fonts.h"
#include "ui/form1_layout.h"
#include "ui/form2.h"
#include "ui/form3.h"
#include "ui/form4.h"
#include "ui/globe_dialog.h"
#include "ui/globe_options.h"
#include "ui/globe_preview_window.h"
#include "ui/frame_box.h"
#include "ui/refusal_text.h"
#include "ui/sky_layer_checks.h"
#include "ui/screen_fit.h"
#include "ui/status_line.h"
#include "ui/tab_control.h"
#include "ui/twips.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QShortcut>
#include <QStandardPaths>
#include <QToolTip>

#include <exception>
#include <filesystem>

namespace ui {

namespace {

namespace layout = form1_layout;

const QString kPlateSuffix = QStringLiteral("_plate");
const QString kSouthPlateSuffix = QStringLiteral("_plateS");

QString fromView(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

/// A text of the layout tables in the interface's language.
QString caption(std::string_view text) { return QCoreApplication::translate("ui::Form1", std::string(text).c_str()); }

/// A path as the user's system writes it.
QString shownPath(const QString& path) { return QDir::toNativeSeparators(path); }

std::string fromQt(const QString& text) { return text.toStdString(); }

} // namespace

Form1::Form1(QWidget* parent)
    : QMainWindow(parent), m_commonDialog(std::make_unique<QtFileDialog>(), catalogueFolder()),
      m_messages(std::make_unique<MessageBoxPresenter>()), m_saveDialog(std::make_unique<QtSaveDialog>()),
      m_programDirectory(appdata::defaultSaveFolder()),
      m_goreWindows([this] { saveGoreBitmap(); }, [this] { savePlateBitmap(); }, [this] { saveSouthPlateBitmap(); }),
      m_faceWindow([this] { saveFaceBitmap(); },
                   [this](const std::string& text) { setMagnitudeOneRadius(QString::fromStdString(text)); })
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Orbweave 2008"));
    setFont(windowFont());
    buildControls();
    buildMenus();
    connectCommands();
    setAcceptDrops(true);
}

Form1::~Form1() = default;

void Form1::buildControls()
{
    const double dpi = screenDotsPerInch();
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(twipsToPixels(layout::kClientArea, dpi).size());
    setCentralWidget(client);

    m_tabs = new TabControl(client);
    m_tabs->setObjectName(QStringLiteral("SSTab1"));
    m_tabs->setGeometry(twipsToPixels(layout::kTabControl, dpi));
    QHash<QString, QWidget*> containers{{QStringLiteral("form"), client}, {QStringLiteral("SSTab1"), m_tabs}};
    for (int i = 0; i < static_cast<int>(std::size(layout::kTabCaptions)); ++i)
        containers.insert(QStringLiteral("tab%1").arg(i), m_tabs->addTab(caption(layout::kTabCaptions[i])));
    m_tabs->setCurrentIndex(layout::kStartTab);

    const auto addControl = [&](const layout::ControlSpec& entry) {
        QWidget* parent = containers.value(fromView(entry.container));
        Q_ASSERT(parent);
        const QString text = caption(entry.text);
        QWidget* widget = nullptr;
        switch (entry.kind) {
        case layout::Kind::Label:
        case layout::Kind::ClickLabel: {
            QLabel* label = entry.kind == layout::Kind::ClickLabel ? new ClickableLabel(text, parent)
                                                                    : new QLabel(text, parent);
            label->setTextFormat(Qt::PlainText);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            label->setWordWrap(true);
            widget = label;
            break;
        }
        case layout::Kind::Button: widget = new QPushButton(text, parent); break;
        case layout::Kind::TextBox: widget = new QLineEdit(text, parent); break;
        case layout::Kind::CheckBox: {
            auto* box = new QCheckBox(parent);
            box->setCheckState(entry.flags & layout::kTicked ? Qt::Checked : Qt::Unchecked);
            widget = box;
            break;
        }
        case layout::Kind::Frame: {
            widget = new FrameBox(text, parent);
            containers.insert(fromView(entry.name), widget);
            break;
        }
        }
        widget->setObjectName(fromView(entry.name));
        QRect place = twipsToPixels(entry.place, dpi);
        if (entry.kind == layout::Kind::CheckBox && place.height() < widget->sizeHint().height()) {
            // Some table rows are lower than the style's tick box: grow it about the row's middle
            // so the box is not cut off.
            const int grow = widget->sizeHint().height() - place.height();
            place.adjust(0, -grow / 2, 0, grow - grow / 2);
        }
        widget->setGeometry(place);
        if (entry.flags & layout::kFixedPitch)
            widget->setFont(fixedPitchFont());
        if (auto* button = qobject_cast<QPushButton*>(widget))
            setFittedCaption(button, text);
        if (entry.flags & layout::kDisabled)
            widget->setEnabled(false);
        if (entry.flags & layout::kHidden)
            widget->hide();
        m_controls.insert(widget->objectName(), widget);
    };
    for (const layout::ControlSpec& entry : layout::kControls)
        addControl(entry);
    for (const layout::ControlSpec& entry : layout::kGlobeButtons)
        addControl(entry);

    for (const layout::ToolTipSpec& entry : layout::kToolTips) {
        QWidget* widget = m_controls.value(fromView(entry.name));
        Q_ASSERT(widget);
        // A button's tooltip is its whole caption when the caption is shortened: its tip is a
        // status tip, which the status line and, while the caption fits, the tooltip show.
        if (qobject_cast<QPushButton*>(widget)) {
            widget->setStatusTip(caption(entry.tip));
            widget->installEventFilter(this);
        } else {
            widget->setToolTip(caption(entry.tip));
        }
    }

    // The polyhedron Draw writes a long number here: one line, as much as fits.
    label(QStringLiteral("Label38"))->setWordWrap(false);

    m_status = new StatusLine(this);
    setStatusBar(m_status);
}

void Form1::connectCommands()
{
    connect(button(QStringLiteral("Command1")), &QPushButton::clicked, this, &Form1::pickStarFile);
    connect(button(QStringLiteral("GlobeGores")), &QPushButton::clicked, this, [this] { openGlobeDialog(false); });
    connect(button(QStringLiteral("GlobeFaces")), &QPushButton::clicked, this, [this] { openGlobeDialog(true); });
    connect(button(QStringLiteral("Command8")), &QPushButton::clicked, this, &Form1::pickStarFile);
    connect(button(QStringLiteral("Command2")), &QPushButton::clicked, this, &Form1::drawGore);
    connect(button(QStringLiteral("Command3")), &QPushButton::clicked, this, [this] { stepGorePosition(1); });
    connect(button(QStringLiteral("Command6")), &QPushButton::clicked, this, [this] { stepGorePosition(-1); });
    connect(button(QStringLiteral("Command5")), &QPushButton::clicked, this, &Form1::quit);
    connect(button(QStringLiteral("Command10")), &QPushButton::clicked, this, &Form1::pickVertexFile);
    connect(button(QStringLiteral("Command9")), &QPushButton::clicked, this, &Form1::pickFaceFile);
    connect(button(QStringLiteral("Command7")), &QPushButton::clicked, this, &Form1::drawFace);
    connect(button(QStringLiteral("Command11")), &QPushButton::clicked, this, [this] { stepFaceNumber(1); });
    connect(button(QStringLiteral("Command12")), &QPushButton::clicked, this, [this] { stepFaceNumber(-1); });
    connect(button(QStringLiteral("Command13")), &QPushButton::clicked, this, &Form1::showSvgTagPreview);
    connect(textBox(QStringLiteral("Text16")), &QLineEdit::textChanged, this, &Form1::applyFaceNumberRule);

    const std::pair<const char*, const char*> toggles[] = {
        {"Label6", "Check1"}, {"Label18", "Check2"}, {"Label20", "Check3"},
        {"Label42", "Check7"}, {"Label43", "Check8"}, {"Label44", "Check9"},
    };
    for (const auto& [labelName, boxName] : toggles)
        toggleOnClick(control<ClickableLabel>(QString::fromLatin1(labelName)), checkBox(QString::fromLatin1(boxName)));
}

QLineEdit* Form1::textBox(const QString& name) const { return control<QLineEdit>(name); }

QCheckBox* Form1::checkBox(const QString& name) const { return control<QCheckBox>(name); }

QPushButton* Form1::button(const QString& name) const { return control<QPushButton>(name); }

QLabel* Form1::label(const QString& name) const { return control<QLabel>(name); }

Form2* Form1::goreWindow() const { return m_goreWindows.goreWindow(); }

Form3* Form1::plateWindow() const { return m_goreWindows.plateWindow(); }

Form3* Form1::southPlateWindow() const { return m_goreWindows.southPlateWindow(); }

Form4* Form1::faceWindow() const { return m_faceWindow.window(); }

void Form1::setFileDialog(std::unique_ptr<FileDialog> dialog) { m_commonDialog.setDialog(std::move(dialog)); }

void Form1::setMessagePresenter(std::unique_ptr<MessagePresenter> presenter) { m_messages = std::move(presenter); }

void Form1::setSaveDialog(std::unique_ptr<SaveDialog> dialog) { m_saveDialog = std::move(dialog); }

void Form1::setProgramDirectory(const QString& folder) { m_programDirectory = folder; }

int Form1::checkValue(const QCheckBox* box)
{
    switch (box->checkState()) {
    case Qt::Unchecked: return 0;
    case Qt::Checked: return 1;
    case Qt::PartiallyChecked: break;
    }
    return 2;
}

char Form1::decimalSeparator()
{
    const QString point = QLocale().decimalPoint();
    if (point.size() == 1 && point.at(0).unicode() < 0x80)
        return static_cast<char>(point.at(0).unicode());
    return '.';
}

GoreInputs Form1::goreInputs() const
{
    const auto text = [this](const char* name) { return fromQt(textBox(QString::fromLatin1(name))->text()); };
    const auto check = [this](const char* name) { return checkValue(checkBox(QString::fromLatin1(name))); };
    GoreInputs inputs;
    inputs.Text1 = text("Text1");
    inputs.Text2 = text("Text2");
    inputs.Text3 = text("Text3");
    inputs.Check1 = check("Check1");
    inputs.Check2 = check("Check2");
    inputs.Check3 = check("Check3");
    inputs.Text4 = text("Text4");
    inputs.Text5 = text("Text5");
    inputs.Text6 = text("Text6");
    inputs.Text7 = text("Text7");
    inputs.Check4 = check("Check4");
    inputs.Check5 = check("Check5");
    inputs.Text8 = text("Text8");
    inputs.decimalSeparator = decimalSeparator();
    return inputs;
}

QString Form1::goreBitmapName() const
{
    return QString::fromStdString(gore::goreBitmapName(goreSpecOf(m_drawnGore ? *m_drawnGore : goreInputs())));
}

QString Form1::goreBitmapPath() const { return programFilePath(goreBitmapName()); }

FaceInputs Form1::faceInputs() const
{
    const auto text = [this](const char* name) { return fromQt(textBox(QString::fromLatin1(name))->text()); };
    const auto check = [this](const char* name) { return checkValue(checkBox(QString::fromLatin1(name))); };
    FaceInputs inputs;
    inputs.Text9 = text("Text9");
    inputs.Text10 = text("Text10");
    inputs.Text11 = text("Text11");
    inputs.Text12 = text("Text12");
    inputs.Text13 = text("Text13");
    inputs.Text14 = text("Text14");
    inputs.Text15 = text("Text15");
    inputs.Text16 = text("Text16");
    inputs.Check6 = check("Check6");
    inputs.Check7 = check("Check7");
    inputs.Check8 = check("Check8");
    inputs.Check9 = check("Check9");
    inputs.decimalSeparator = decimalSeparator();
    return inputs;
}

QString Form1::faceBitmapPath() const
{
    return programFilePath(
        QString::fromStdString(polyhedron::faceBitmapName(faceSpecOf(m_drawnFace ? *m_drawnFace : faceInputs()))));
}

QString Form1::programFilePath(const QString& fileName) const
{
    return QDir::toNativeSeparators(m_programDirectory) + QDir::separator() + fileName;
}

bool Form1::showMessage(const Message& message) { return m_messages->show(this, message); }

void Form1::refuse(const QString& text) { showMessage({text, kMessageTitle, MessageIcon::Critical, false}); }

std::optional<QString> Form1::refusalOfPick(const QString& path, DataFileKind kind) const
{
    const auto kindName = [](DataFileKind k) {
        switch (k) {
        case DataFileKind::Stars: return tr("恒星データ");
        case DataFileKind::Vertices: return tr("頂点座標ﾌｧｲﾙ");
        case DataFileKind::Faces: break;
        }
        return tr("面座標ﾌｧｲﾙ");
    };
    if (const auto other = lookalikeKind(path, kind))
        return tr("%1 は%2のようです（どの行にも数が %3 個あります）。%4は 1 件に数が %5 個です。")
            .arg(shownPath(path), kindName(*other))
            .arg(fieldsPerRecord(*other))
            .arg(kindName(kind))
            .arg(fieldsPerRecord(kind));
    return std::nullopt;
}

void Form1::reportRefusedPick(const QList<QLabel*>& status, DataFileKind kind, const QString& reason,
                              const QString& inForce)
{
    QString keeps;
    switch (kind) {
    case DataFileKind::Stars:
        keeps = inForce.isEmpty() ? tr("恒星データはまだ読み込まれていません。")
                                  : tr("恒星データは前のファイル %1 のままです。").arg(shownPath(inForce));
        break;
    case DataFileKind::Vertices:
        keeps = inForce.isEmpty() ? tr("頂点座標ﾌｧｲﾙはまだ読み込まれていません。")
                                  : tr("頂点座標は前のファイル %1 のままです。").arg(shownPath(inForce));
        break;
    case DataFileKind::Faces:
        keeps = inForce.isEmpty() ? tr("面座標ﾌｧｲﾙはまだ読み込まれていません。")
                                  : tr("面座標は前のファイル %1 のままです。").arg(shownPath(inForce));
        break;
    }
    const QString text = reason + QLatin1Char('\n') + keeps;
    for (QLabel* label : status)
        showFitted(label, text, Qt::ElideRight);
    refuse(text);
}

void Form1::pickStarFile()
{
    const QString path = m_commonDialog.pick(this);
    const QList<QLabel*> status = {label(QStringLiteral("Label2(0)")), label(QStringLiteral("Label2(1)"))};
    if (path.isEmpty()) {
        // Nothing was ever confirmed in the dialog, so no star file was picked before either.
        m_starFileName.clear();
        for (QLabel* l : status)
            showFitted(l, tr("ファイル取得に失敗しました。"), Qt::ElideRight);
        return;
    }
    openStarFile(path);
}

void Form1::openStarFile(const QString& path)
{
    const QList<QLabel*> status = {label(QStringLiteral("Label2(0)")), label(QStringLiteral("Label2(1)"))};
    // The file is read now to see that it is a star file; each Draw reads it again.
    std::optional<QString> refusal = refusalOfPick(path, DataFileKind::Stars);
    qsizetype starCount = 0;
    if (!refusal) {
        try {
            starCount = static_cast<qsizetype>(stars::ReadStarFile(path.toStdString()).stars.size());
        } catch (const text::InputError& error) {
            refusal = refusalText(error);
        }
    }
    if (refusal) {
        reportRefusedPick(status, DataFileKind::Stars, *refusal, m_starFileName);
        return;
    }
    m_starFileName = path;
    for (QLabel* l : status)
        showFitted(l, shownPath(m_starFileName), Qt::ElideMiddle);
    button(QStringLiteral("Command2"))->setEnabled(true);
    button(QStringLiteral("Command7"))->setEnabled(true);
    m_status->showText(tr("恒星データ %1: %2 個の星").arg(QFileInfo(path).fileName()).arg(starCount));
    m_commonDialog.remember(path);
    rememberRecentFile(path);
}

void Form1::drawGore()
{
    if (!m_starFileName.isEmpty())
        drawGoreFrom(goreInputs());
}

void Form1::redrawGore()
{
    if (!m_starFileName.isEmpty() && m_drawnGore)
        drawGoreFrom(*m_drawnGore);
}

void Form1::drawGoreFrom(const GoreInputs& inputs)
{
    exporter::settleVectorUnit(); // Qt's painting leaves the maths library slow until then
    std::optional<QString> refusal;
    try {
        if (const auto message = gore::runGoreDraw(goreSpecOf(inputs), fromQt(m_starFileName), m_goreWindows))
            refusal = message->check ? fixedGoreText(*message->check) : refusalText(*message->refusal, InputTab::Gore);
        else
            m_drawnGore = inputs;
    } catch (const text::InputError& error) {
        refusal = refusalText(error, InputTab::Gore);
    } catch (const std::exception& error) {
        // Part of a drawing may stand in the windows: it is the one these boxes asked for.
        m_drawnGore = inputs;
        refusal = tr("みかんの皮を描けませんでした: %1").arg(QString::fromLocal8Bit(error.what()));
    }
    m_goreWindows.refresh();
    placeDrawingWindows();
    if (Form2* window = goreWindow(); window && window->skyChecks())
        connect(window->skyChecks(), &SkyLayerChecks::changed, this, &Form1::redrawGore, Qt::UniqueConnection);
    if (refusal)
        refuse(*refusal);
}

void Form1::showGlobePreview()
{
    const bool faces = m_tabs->currentIndex() == 1;
    if (m_starFileName.isEmpty()) {
        m_status->showText(tr("天球儀プレビューには恒星データを先に読み込んでください。"));
        return;
    }
    if (faces && (m_model.VertexFileName.empty() || m_model.FaceFileName.empty())) {
        m_status->showText(tr("天球儀プレビューには頂点座標ﾌｧｲﾙと面座標ﾌｧｲﾙを先に読み込んでください。"));
        return;
    }
    try {
        const stars::StarCatalogue& catalogue = *stars::ReadStarFileCached(fromQt(m_starFileName));
        if (faces) {
            const polyhedron::FaceParameters p = polyhedron::readFaceParameters(faceSpecOf(faceInputs()));
            openGlobePreview(this, globe::polyhedronGlobe(catalogue, m_model, p, m_faceWindow.skyLayers()),
                             QFileInfo(QString::fromStdString(m_model.FaceFileName)).completeBaseName());
        } else {
            const gore::GoreParameters p = gore::readGoreParameters(goreSpecOf(goreInputs()));
            openGlobePreview(this, globe::goreGlobe(catalogue, p, {}, m_goreWindows.skyLayers()),
                             QStringLiteral("n = %1").arg(p.n));
        }
    } catch (const text::InputError& error) {
        refuse(refusalText(error, faces ? InputTab::Face : InputTab::Gore));
    }
}

void Form1::stepGorePosition(int step)
{
    QLineEdit* text2 = textBox(QStringLiteral("Text2"));
    if (const auto next = gore::stepGorePosition(fromQt(text2->text()), step, decimalSeparator())) {
        text2->setText(QString::fromStdString(*next));
        return;
    }
    m_status->showText(tr("位置 k の「%1」は数ではないので、%2 は何もしませんでした。")
                           .arg(text2->text(), step > 0 ? QStringLiteral("k+1") : QStringLiteral("k-1")));
}

void Form1::saveDrawing(DrawingWindow* window, const QString& fileName)
{
    // The name comes from typed texts: it must not lead out of the folder it is saved in.
    if (fileName.contains(QLatin1Char('/')) || fileName.contains(QLatin1Char('\\'))) {
        refuse(tr("%1: ファイル名に、ボックスに入力されたパス区切り文字（/ または \\）があります。何も保存していません。")
                   .arg(programFilePath(fileName)));
        return;
    }
    for (const QChar c : fileName) {
        if (c.unicode() < 0x20) {
            refuse(tr("%1: ファイル名に、ボックスに入力された制御文字があります。何も保存していません。")
                       .arg(programFilePath(fileName)));
            return;
        }
    }
    QString path = programFilePath(fileName);
    const QFileInfo folder(m_programDirectory);
    if (!folder.isDir() || !folder.isWritable()) {
        // The program's folder cannot take the file: the user may choose another one.
        QString start = m_otherSaveFolder;
        if (start.isEmpty())
            start = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
        if (start.isEmpty() || !QFileInfo(start).isDir())
            start = QDir::homePath();
        const QString reason = tr("プログラムのフォルダ %1 に保存できません。保存先を選んでください")
                                   .arg(shownPath(m_programDirectory));
        const std::optional<QString> chosen =
            m_saveDialog->askSaveFile(window, QDir(start).absoluteFilePath(fileName), reason);
        if (!chosen) {
            window->showStatus(tr("保存しませんでした（%1 に書き込めません）。").arg(shownPath(m_programDirectory)));
            return;
        }
        path = shownPath(*chosen);
        m_otherSaveFolder = QFileInfo(*chosen).absolutePath();
    }
    writeDrawing(window, path);
}

bool Form1::writeDrawing(DrawingWindow* window, const QString& path)
{
    try {
        window->canvas().SavePicture(fromQt(path));
    } catch (const text::InputError& error) {
        refuse(tr("%1 に保存できませんでした。\n%2").arg(path, refusalText(error)));
        window->showStatus(tr("保存できませんでした: %1").arg(path));
        return false;
    }
    window->showStatus(tr("保存しました: %1").arg(path));
    return true;
}

void Form1::saveGoreBitmap()
{
    if (Form2* window = goreWindow())
        saveDrawing(window, goreBitmapName());
}

void Form1::savePlateBitmap() { savePlateCanvas(plateWindow(), kPlateSuffix); }

void Form1::saveSouthPlateBitmap() { savePlateCanvas(southPlateWindow(), kSouthPlateSuffix); }

void Form1::savePlateCanvas(Form3* window, const QString& suffix)
{
    if (!window)
        return;
    QString name = goreBitmapName();
    if (name.endsWith(QLatin1String(".bmp")))
        name.chop(4);
    saveDrawing(window, name + suffix + QStringLiteral(".bmp"));
}

void Form1::checkModelPair(QLabel* status)
{
    if (m_model.VertexFileName.empty() || m_model.FaceFileName.empty())
        return;
    const std::optional<MissingCorner> missing = firstMissingCorner(m_model);
    if (!missing)
        return;
    const QString text =
        tr("面座標ﾌｧｲﾙ %1 の面 %2 の頂点 %3 は頂点番号 %4 ですが、頂点座標ﾌｧｲﾙ %5 の頂点は 1〜%6 です。"
           "対になる頂点座標ﾌｧｲﾙと面座標ﾌｧｲﾙを読み込んでください。")
            .arg(shownPath(QString::fromStdString(m_model.FaceFileName)))
            .arg(missing->face)
            .arg(missing->corner)
            .arg(missing->vertex)
            .arg(shownPath(QString::fromStdString(m_model.VertexFileName)))
            .arg(m_model.VertexCount());
    showFitted(status, text, Qt::ElideRight);
    showMessage({text, kMessageTitle, MessageIcon::Warning, false});
}

void Form1::pickVertexFile()
{
    const QString path = m_commonDialog.pick(this, DataFileKind::Vertices);
    QLabel* status = label(QStringLiteral("Label40"));
    if (path.isEmpty()) {
        // Nothing was ever confirmed in the dialog: the table stays, the label says so.
        m_model.VertexFileName.clear();
        showFitted(status, tr("ﾌｧｲﾙ読込失敗"), Qt::ElideRight);
        return;
    }
    loadVertexFile(path);
}

void Form1::loadVertexFile(const QString& path)
{
    QLabel* status = label(QStringLiteral("Label40"));
    std::optional<QString> refusal = refusalOfPick(path, DataFileKind::Vertices);
    if (!refusal) {
        try {
            m_model.loadVertexFile(fromQt(path));
        } catch (const text::InputError& error) {
            refusal = refusalText(error);
        }
    }
    if (refusal) {
        reportRefusedPick({status}, DataFileKind::Vertices, *refusal, QString::fromStdString(m_model.VertexFileName));
        return;
    }
    showFitted(status, shownPath(path), Qt::ElideMiddle);
    checkModelPair(status);
}

void Form1::pickFaceFile()
{
    const QString path = m_commonDialog.pick(this, DataFileKind::Faces);
    QLabel* status = label(QStringLiteral("Label39"));
    if (path.isEmpty()) {
        m_model.FaceFileName.clear();
        showFitted(status, tr("ﾌｧｲﾙ読込失敗"), Qt::ElideRight);
        return;
    }
    loadFaceFile(path);
}

void Form1::loadFaceFile(const QString& path)
{
    QLabel* status = label(QStringLiteral("Label39"));
    showFitted(status, shownPath(path), Qt::ElideMiddle);
    const QString inForce = QString::fromStdString(m_model.FaceFileName);
    std::optional<QString> refusal = refusalOfPick(path, DataFileKind::Faces);
    if (!refusal) {
        try {
            m_model.loadFaceFile(fromQt(path));
        } catch (const text::InputError& error) {
            refusal = refusalText(error);
        }
    }
    if (refusal) {
        reportRefusedPick({status}, DataFileKind::Faces, *refusal, inForce);
        return;
    }
    copyFaceCentre();
    checkModelPair(status);
}

void Form1::copyFaceCentre()
{
    const auto centre =
        polyhedron::faceCentreTexts(m_model, fromQt(textBox(QStringLiteral("Text16"))->text()), decimalSeparator());
    if (!centre)
        return;
    setTangentPoint(*centre);
}

void Form1::setTangentPoint(const polyhedron::FaceCentreTexts& centre)
{
    // Long latitudes do not fit the boxes: show their beginning, sign included.
    const std::pair<const char*, const std::string*> boxes[] = {{"Text9", &centre.latitude}, {"Text10", &centre.longitude}};
    for (const auto& [name, text] : boxes) {
        QLineEdit* box = textBox(QString::fromLatin1(name));
        box->setText(QString::fromStdString(*text));
        box->setCursorPosition(0);
    }
}

void Form1::applyFaceNumberRule()
{
    // Writing the clamped number changes Text16 again; that change needs no second run.
    if (m_applyingFaceRule)
        return;
    m_applyingFaceRule = true;
    QLineEdit* text16 = textBox(QStringLiteral("Text16"));
    const polyhedron::FaceNumberUpdate update =
        polyhedron::applyFaceNumberRule(m_model, fromQt(text16->text()), decimalSeparator());
    if (update.number)
        text16->setText(QString::fromStdString(*update.number));
    if (update.centre)
        setTangentPoint(*update.centre);
    m_applyingFaceRule = false;
}

void Form1::stepFaceNumber(int step)
{
    QLineEdit* text16 = textBox(QStringLiteral("Text16"));
    if (const auto next = polyhedron::stepFaceNumber(fromQt(text16->text()), step, decimalSeparator())) {
        text16->setText(QString::fromStdString(*next));
        return;
    }
    m_status->showText(tr("面番号の「%1」は数ではないので、%2 は何もしませんでした。")
                           .arg(text16->text(), step > 0 ? QStringLiteral("+1") : QStringLiteral("-1")));
}

void Form1::setMagnitudeOneRadius(const QString& text) { showFitted(label(QStringLiteral("Label38")), text, Qt::ElideRight); }

void Form1::drawFace()
{
    if (!m_starFileName.isEmpty())
        drawFaceFrom(faceInputs());
}

void Form1::redrawFace()
{
    if (!m_starFileName.isEmpty() && m_drawnFace)
        drawFaceFrom(*m_drawnFace);
}

void Form1::drawFaceFrom(const FaceInputs& inputs)
{
    exporter::settleVectorUnit(); // Qt's painting leaves the maths library slow until then
    std::optional<QString> text;
    bool refused = true;
    try {
        const std::filesystem::path svgDirectory(fromQt(QDir::currentPath()));
        const auto message =
            polyhedron::runFaceDraw(faceSpecOf(inputs), fromQt(m_starFileName), m_model, m_faceWindow, svgDirectory);
        refused = message && message->kind == polyhedron::FaceMessage::Kind::Refused;
        if (!refused)
            m_drawnFace = inputs;
        if (message)
            text = faceMessageText(*message);
    } catch (const text::InputError& error) {
        text = refusalText(error, InputTab::Face);
    } catch (const std::exception& error) {
        // Part of a drawing may stand in the window: it is the one these boxes asked for.
        m_drawnFace = inputs;
        text = tr("面を描けませんでした: %1").arg(QString::fromLocal8Bit(error.what()));
    }
    m_faceWindow.refresh();
    placeDrawingWindows();
    if (Form4* window = faceWindow(); window && window->skyChecks())
        connect(window->skyChecks(), &SkyLayerChecks::changed, this, &Form1::redrawFace, Qt::UniqueConnection);
    if (!text)
        return;
    // The program's refusals and warnings all carry one title, whichever tab they come from.
    showMessage({*text, kMessageTitle, refused ? MessageIcon::Critical : MessageIcon::Warning, false});
}

QString Form1::faceMessageText(const polyhedron::FaceMessage& message) const
{
    if (!message.refusal)
        return QString::fromStdString(message.text);
    switch (message.kind) {
    case polyhedron::FaceMessage::Kind::Refused: break;
    case polyhedron::FaceMessage::Kind::SvgNotWritten:
        return tr("面は描きましたが、SVG ファイルは書き出せませんでした。\n%1").arg(refusalText(*message.refusal));
    }
    return refusalText(*message.refusal, InputTab::Face);
}

void Form1::saveFaceBitmap()
{
    if (Form4* window = faceWindow())
        saveDrawing(window, QString::fromStdString(
                                polyhedron::faceBitmapName(faceSpecOf(m_drawnFace ? *m_drawnFace : faceInputs()))));
}

void Form1::showSvgTagPreview()
{
    // Reading the canvas size makes the window, hidden, when it is not there yet.
    const canvas::RasterCanvas& canvas = m_faceWindow.form4().canvas();
    const QString header = QString::fromStdString(polyhedron::svgHeaderLine(canvas.width(), canvas.height()));
    showMessage({header, kApplicationTitle, MessageIcon::NoIcon, false});
    showMessage({QString::fromStdString(polyhedron::svgSampleEllipseLine()), kApplicationTitle, MessageIcon::NoIcon,
                 false});
}

void Form1::quit()
{
    if (!showMessage({tr("終了します。"), kMessageTitle, MessageIcon::Question, true}))
        return;
    m_quitConfirmed = true;
    close();
}

bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Close) {
        if (const auto* window = qobject_cast<const DrawingWindow*>(watched))
            m_windowPlaces.insert(window->objectName(), window->saveGeometry());
    }
    if (event->type() == QEvent::ToolTip) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget->toolTip().isEmpty() && !widget->statusTip().isEmpty()) {
            QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), widget->statusTip(), widget);
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void Form1::closeEvent(QCloseEvent* event)
{
    // The drawing windows have no way back to this one: closing it is Quit.
    if (!m_quitConfirmed && !showMessage({tr("終了します。"), kMessageTitle, MessageIcon::Question, true})) {
        event->ignore();
        return;
    }
    m_quitConfirmed = false;
    saveSession();
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window != this && window->isVisible())
            window->close();
    event->accept();
    QCoreApplication::quit();
}

} // namespace ui

namespace ui {

void Form1::openGlobeDialog(bool faces)
{
    if (m_globe)
        m_globe->close(); // a fresh one reads the tab's boxes as they stand now
    exporter::ExportOptions start;
    std::string current;
    if (faces) {
        const FaceInputs tab = faceInputs();
        const sky::SkyLayerOptions sky = skyLayersOf(faceWindow() ? faceWindow()->skyChecks() : nullptr);
        start = faceTabExport(tab, m_model.VertexFileName, m_model.FaceFileName, fromQt(m_starFileName), sky);
        current = tab.Text16;
    } else {
        const GoreInputs tab = goreInputs();
        const sky::SkyLayerOptions sky = skyLayersOf(goreWindow() ? goreWindow()->skyChecks() : nullptr);
        start = goreTabExport(tab, fromQt(m_starFileName), sky);
        current = tab.Text2;
    }
    auto* dialog = new GlobeDialog(start, current, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->preview3dButton()->setVisible(true);
    connect(dialog, &GlobeDialog::preview3dRequested, this, &Form1::showGlobePreviewOf);
    m_globe = dialog;
    dialog->show();
    keepOnScreen(*dialog);
}

GlobeDialog* Form1::globeDialog() const { return m_globe.data(); }

void Form1::showGlobePreviewOf(const exporter::ExportOptions& o)
{
    const bool faces = o.subject == exporter::Subject::Faces;
    QWidget* parent = m_globe ? static_cast<QWidget*>(m_globe.data()) : this;
    try {
        const std::string starFile =
            o.stars.empty() ? appdata::bundledDataFile("bright-stars.csv").string() : o.stars;
        const stars::StarCatalogue catalogue = exporter::readStarsOption(starFile);
        const sky::SkyRequest sky = skyRequest(o.sky);
        // The globe looks as its printed pieces: their ground and their stars' colours.
        const auto finished = [&catalogue, &o](globe::GlobeModel m) {
            globe::finishGlobe(m, catalogue, {o.colourStars, o.style == exporter::Style::Dark});
            return m;
        };
        if (faces) {
            const polyhedron::PolyhedronModel model = exporter::loadModel(o.face);
            const std::string face = o.face.face == "all" ? "1" : o.face.face;
            openGlobePreview(parent,
                             finished(globe::polyhedronGlobe(catalogue, model,
                                                             exporter::faceParametersFor(o.face, model, face), sky)),
                             QString::fromStdString(o.face.faces.empty() ? o.face.model
                                                                         : QFileInfo(QString::fromStdString(o.face.faces))
                                                                               .completeBaseName()
                                                                               .toStdString()));
        } else {
            // The plates follow the dialog; the gore parameters of the first gore serve every gore.
            const std::string k = o.gore.k == "all" ? "1" : o.gore.k;
            const gore::GoreParameters p = exporter::goreParametersFor(o.gore, k, o.gore.north ? 1 : 0);
            openGlobePreview(parent, finished(globe::goreGlobe(catalogue, p, {o.kit.wholeGores}, sky)),
                             QStringLiteral("n = %1").arg(p.n));
        }
    } catch (const text::InputError& error) {
        m_messages->show(parent, Message{refusalText(error, faces ? InputTab::Face : InputTab::Gore), kMessageTitle,
                                         MessageIcon::Critical, false});
    }
}

} // namespace ui
