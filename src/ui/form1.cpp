#include "ui/form1.h"

#include "canvas/drawing_canvas.h"
#include "text/input_error.h"
#include "ui/clickable_label.h"
#include "ui/fonts.h"
#include "ui/form1_layout.h"
#include "ui/form2.h"
#include "ui/form3.h"
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

namespace ui {

namespace {

namespace layout = form1_layout;

const QString kNoFileYet = QStringLiteral("ファイルが読み込まれていません。");
const QString kPickFailed = QStringLiteral("ファイル取得に失敗しました。");
const QString kQuitQuestion = QStringLiteral("終了します。");
const QString kTessel = QStringLiteral("Tessel");
const QString kPlateSuffix = QStringLiteral("_plate");
const QString kSouthPlateSuffix = QStringLiteral("_plateS");

QString fromView(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

std::string fromQt(const QString& text) { return text.toStdString(); }

} // namespace

Form1::Form1(QWidget* parent)
    : QMainWindow(parent), m_commonDialog(std::make_unique<QtFileDialog>(), catalogueFolder()),
      m_messages(std::make_unique<MessageBoxPresenter>()),
      m_programDirectory(QCoreApplication::applicationDirPath()),
      m_goreWindows([this] { saveGoreBitmap(); }, [this] { savePlateBitmap(); }, [this] { saveSouthPlateBitmap(); })
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
        widget->setGeometry(twipsToPixels(entry.place, dpi));
        if (entry.flags & layout::kFixedPitch)
            widget->setFont(fixedPitchFont());
        if (entry.flags & layout::kDisabled)
            widget->setEnabled(false);
        if (entry.flags & layout::kHidden)
            widget->hide();
        m_controls.insert(widget->objectName(), widget);
    }

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
    return QDir::toNativeSeparators(m_programDirectory) + QDir::separator()
        + QString::fromStdString(gore::goreBitmapName(goreInputs()));
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
    const QString path = QDir::toNativeSeparators(m_programDirectory) + QDir::separator() + fileName;
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

void Form1::savePlateBitmap()
{
    Form3* window = plateWindow();
    if (!window)
        return;
    QString name = QString::fromStdString(gore::goreBitmapName(goreInputs()));
    if (name.endsWith(QLatin1String(".bmp")))
        name.chop(4);
    saveCanvas(window->canvas(), name + kPlateSuffix + QStringLiteral(".bmp"));
}

void Form1::saveSouthPlateBitmap()
{
    Form3* window = southPlateWindow();
    if (!window)
        return;
    QString name = QString::fromStdString(gore::goreBitmapName(goreInputs()));
    if (name.endsWith(QLatin1String(".bmp")))
        name.chop(4);
    saveCanvas(window->canvas(), name + kSouthPlateSuffix + QStringLiteral(".bmp"));
}

void Form1::quit()
{
    if (!showMessage({kQuitQuestion, kTessel, MessageIcon::Question, true}))
        return;
    QApplication::closeAllWindows();
    QCoreApplication::quit();
}

} // namespace ui
