#include "ui/form1.h"

#include "appdata/save_folder.h"
#include "canvas/drawing_canvas.h"
#include "polyhedron/face_svg_document.h"
#include "text/input_error.h"
#include "ui/clickable_label.h"
#include "ui/fonts.h"
#include "ui/form1_layout.h"
#include "ui/form2.h"
#include "ui/form3.h"
#include "ui/form4.h"
#include "ui/tab_control.h"
#include "ui/twips.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>

#include <exception>
#include <filesystem>

namespace ui {

namespace {

namespace layout = form1_layout;

const QString kNoFileYet = QStringLiteral("ファイルが読み込まれていません。");
const QString kPickFailed = QStringLiteral("ファイル取得に失敗しました。");
const QString kQuitQuestion = QStringLiteral("終了します。");
const QString kTessel = QStringLiteral("Tessel");
const QString kPlateSuffix = QStringLiteral("_plate");
const QString kSouthPlateSuffix = QStringLiteral("_plateS");
const QString kModelPickFailed = QStringLiteral("ﾌｧｲﾙ読込失敗");

QString fromView(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

std::string fromQt(const QString& text) { return text.toStdString(); }

} // namespace

Form1::Form1(QWidget* parent)
    : QMainWindow(parent), m_commonDialog(std::make_unique<QtFileDialog>(), catalogueFolder()),
      m_messages(std::make_unique<MessageBoxPresenter>()),
      m_programDirectory(appdata::defaultSaveFolder()),
      m_goreWindows([this] { saveGoreBitmap(); }, [this] { savePlateBitmap(); }, [this] { saveSouthPlateBitmap(); }),
      m_faceWindow([this] { saveFaceBitmap(); },
                   [this](const std::string& caption) {
                       label(QStringLiteral("Label38"))->setText(QString::fromStdString(caption));
                   })
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Orbweave 2008"));
    setFont(windowFont());
    buildControls();
    connectCommands();
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
        containers.insert(QStringLiteral("tab%1").arg(i), m_tabs->addTab(fromView(layout::kTabCaptions[i])));
    m_tabs->setCurrentIndex(layout::kStartTab);

    for (const layout::ControlSpec& entry : layout::kControls) {
        QWidget* parent = containers.value(fromView(entry.container));
        Q_ASSERT(parent);
        const QString text = fromView(entry.text);
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
            widget = new QGroupBox(text, parent);
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
        if (entry.flags & layout::kDisabled)
            widget->setEnabled(false);
        if (entry.flags & layout::kHidden)
            widget->hide();
        m_controls.insert(widget->objectName(), widget);
    }

    // The polyhedron Draw writes a long number here: one line, cut at the label's edge.
    label(QStringLiteral("Label38"))->setWordWrap(false);
    resize(client->size());
}

void Form1::connectCommands()
{
    connect(button(QStringLiteral("Command1")), &QPushButton::clicked, this, &Form1::pickStarFile);
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

gore::GoreInputs Form1::goreInputs() const
{
    const auto text = [this](const char* name) { return fromQt(textBox(QString::fromLatin1(name))->text()); };
    const auto check = [this](const char* name) { return checkValue(checkBox(QString::fromLatin1(name))); };
    gore::GoreInputs inputs;
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

QString Form1::goreBitmapPath() const
{
    return programFilePath(QString::fromStdString(gore::goreBitmapName(goreInputs())));
}

polyhedron::FaceInputs Form1::faceInputs() const
{
    const auto text = [this](const char* name) { return fromQt(textBox(QString::fromLatin1(name))->text()); };
    const auto check = [this](const char* name) { return checkValue(checkBox(QString::fromLatin1(name))); };
    polyhedron::FaceInputs inputs;
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
    return programFilePath(QString::fromStdString(polyhedron::faceBitmapName(faceInputs())));
}

QString Form1::programFilePath(const QString& fileName) const
{
    return QDir::toNativeSeparators(m_programDirectory) + QDir::separator() + fileName;
}

bool Form1::showMessage(const Message& message) { return m_messages->show(this, message); }

void Form1::pickStarFile()
{
    m_starFileName = m_commonDialog.pick(this);
    const QString status = m_starFileName.isEmpty() ? kPickFailed : QDir::toNativeSeparators(m_starFileName);
    label(QStringLiteral("Label2(0)"))->setText(status);
    label(QStringLiteral("Label2(1)"))->setText(status);
    if (!m_starFileName.isEmpty()) {
        button(QStringLiteral("Command2"))->setEnabled(true);
        button(QStringLiteral("Command7"))->setEnabled(true);
    }
}

void Form1::drawGore()
{
    if (m_starFileName.isEmpty())
        return;
    std::optional<gore::GoreMessage> refusal;
    try {
        refusal = gore::runGoreDraw(goreInputs(), fromQt(m_starFileName), m_goreWindows);
    } catch (const text::InputError& error) {
        refusal = gore::GoreMessage{error.what()};
    } catch (const std::exception& error) {
        refusal = gore::GoreMessage{std::string("The gore could not be drawn: ") + error.what()};
    }
    m_goreWindows.refresh();
    if (refusal)
        showMessage({QString::fromStdString(refusal->prompt), QString::fromStdString(refusal->title),
                     MessageIcon::Critical, false});
}

void Form1::stepGorePosition(int step)
{
    QLineEdit* text2 = textBox(QStringLiteral("Text2"));
    if (const auto next = gore::stepGorePosition(fromQt(text2->text()), step, decimalSeparator()))
        text2->setText(QString::fromStdString(*next));
}

void Form1::saveCanvas(const canvas::DrawingCanvas& canvas, const QString& fileName)
{
    const QString path = programFilePath(fileName);
    try {
        // The name comes from typed texts: it must not lead out of the program directory.
        if (fileName.contains(QLatin1Char('/')) || fileName.contains(QLatin1Char('\\')))
            throw text::InputError(fromQt(path) + ": the file name holds a path separator ('/' or '\\') "
                                   "typed into a box; nothing was written.");
        for (const QChar c : fileName) {
            if (c.unicode() < 0x20)
                throw text::InputError(fromQt(path) + ": the file name holds a control character "
                                       "typed into a box; nothing was written.");
        }
        canvas.SavePicture(fromQt(path));
    } catch (const text::InputError& error) {
        showMessage({QString::fromStdString(error.what()), kApplicationTitle, MessageIcon::Critical, false});
    }
}

void Form1::saveGoreBitmap()
{
    if (Form2* window = goreWindow())
        saveCanvas(window->canvas(), QString::fromStdString(gore::goreBitmapName(goreInputs())));
}

void Form1::savePlateBitmap() { savePlateCanvas(plateWindow(), kPlateSuffix); }

void Form1::saveSouthPlateBitmap() { savePlateCanvas(southPlateWindow(), kSouthPlateSuffix); }

void Form1::savePlateCanvas(const Form3* window, const QString& suffix)
{
    if (!window)
        return;
    QString name = QString::fromStdString(gore::goreBitmapName(goreInputs()));
    if (name.endsWith(QLatin1String(".bmp")))
        name.chop(4);
    saveCanvas(window->canvas(), name + suffix + QStringLiteral(".bmp"));
}

void Form1::reportRefusedModelFile(QLabel* status, const QString& reason)
{
    status->setText(reason);
    showMessage({reason, kApplicationTitle, MessageIcon::Critical, false});
}

void Form1::pickVertexFile()
{
    const QString path = m_commonDialog.pick(this);
    QLabel* status = label(QStringLiteral("Label40"));
    if (path.isEmpty()) {
        // Nothing was ever confirmed in the dialog: the table stays, the label says so.
        m_model.VertexFileName.clear();
        status->setText(kModelPickFailed);
        return;
    }
    try {
        m_model.loadVertexFile(fromQt(path));
        status->setText(QDir::toNativeSeparators(path));
    } catch (const text::InputError& error) {
        reportRefusedModelFile(status, QString::fromStdString(error.what()));
    }
}

void Form1::pickFaceFile()
{
    const QString path = m_commonDialog.pick(this);
    QLabel* status = label(QStringLiteral("Label39"));
    if (path.isEmpty()) {
        m_model.FaceFileName.clear();
        status->setText(kModelPickFailed);
        return;
    }
    status->setText(QDir::toNativeSeparators(path));
    try {
        m_model.loadFaceFile(fromQt(path));
    } catch (const text::InputError& error) {
        reportRefusedModelFile(status, QString::fromStdString(error.what()));
        return;
    }
    copyFaceCentre();
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
    const std::pair<const char*, const std::string*> boxes[] = {{"Text9", &centre.Text9}, {"Text10", &centre.Text10}};
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
    if (update.Text16)
        text16->setText(QString::fromStdString(*update.Text16));
    if (update.centre)
        setTangentPoint(*update.centre);
    m_applyingFaceRule = false;
}

void Form1::stepFaceNumber(int step)
{
    QLineEdit* text16 = textBox(QStringLiteral("Text16"));
    if (const auto next = polyhedron::stepFaceNumber(fromQt(text16->text()), step, decimalSeparator()))
        text16->setText(QString::fromStdString(*next));
}

void Form1::drawFace()
{
    if (m_starFileName.isEmpty())
        return;
    std::optional<polyhedron::FaceMessage> message;
    try {
        const std::filesystem::path svgDirectory(fromQt(QDir::currentPath()));
        message = polyhedron::runFaceDraw(faceInputs(), fromQt(m_starFileName), m_model, m_faceWindow, svgDirectory);
    } catch (const text::InputError& error) {
        message = polyhedron::FaceMessage{polyhedron::FaceMessage::Kind::Refused, error.what()};
    } catch (const std::exception& error) {
        message = polyhedron::FaceMessage{polyhedron::FaceMessage::Kind::Refused,
                                          std::string("The face could not be drawn: ") + error.what()};
    }
    m_faceWindow.refresh();
    if (!message)
        return;
    const bool refused = message->kind == polyhedron::FaceMessage::Kind::Refused;
    showMessage({QString::fromStdString(message->text), QString::fromStdString(message->title),
                 refused ? MessageIcon::Critical : MessageIcon::Warning, false});
}

void Form1::saveFaceBitmap()
{
    if (Form4* window = faceWindow())
        saveCanvas(window->canvas(), QString::fromStdString(polyhedron::faceBitmapName(faceInputs())));
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
    if (!showMessage({kQuitQuestion, kTessel, MessageIcon::Question, true}))
        return;
    QApplication::closeAllWindows();
    QCoreApplication::quit();
}

} // namespace ui
