#include "ui/form2.h"

#include "gore/gore_command.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>

namespace ui {

namespace {

// Layout of the gore window, twips from the client area's top-left corner.
constexpr DrawingWindowLayout kLayout{
    .objectName = "Form2",
    .caption = QT_TRANSLATE_NOOP("ui::DrawingWindow", "ORW2008 - 描画窓(みかん)"),
    .clientArea = {0, 0, 11880, 10230},
    .saveName = "Command1",
    .saveCaption = QT_TRANSLATE_NOOP("ui::DrawingWindow", "ﾋﾞｯﾄﾏｯﾌﾟ形式で保存(&S)"),
    .saveButton = {4800, 360, 4335, 615},
    .picture1 = {120, 1080, 13039, 9071},
    .canvasWidthCm = 23.0f,
    .canvasHeightCm = 16.0f,
};
constexpr TwipsRect kLabelPlaces[6] = {
    {120, 240, 855, 255},   // Label1
    {120, 480, 855, 255},   // Label2
    {120, 720, 1335, 255},  // Label3
    {1680, 240, 615, 255},  // Label4
    {1680, 720, 2655, 255}, // Label5
    {4800, 120, 3735, 255}, // Label6
};

/// The fixed words the gore Draw writes into the summary labels, around its numbers.
constexpr const char* kLabelWords[] = {
    QT_TRANSLATE_NOOP("ui::Form2", "最微等級 = "),
    QT_TRANSLATE_NOOP("ui::Form2", "恒星サイズ：公比="),
    QT_TRANSLATE_NOOP("ui::Form2", " ,倍率="),
    QT_TRANSLATE_NOOP("ui::Form2", "ﾁｪｯｸﾎﾞｯｸｽ誤作動"),
    QT_TRANSLATE_NOOP("ui::Form2", "北"),
    QT_TRANSLATE_NOOP("ui::Form2", "南"),
};

/// `text` with the Draw's fixed words in the interface's language; the numbers stay as written.
QString labelText(const std::string& text)
{
    QString shown = QString::fromStdString(text);
    for (const char* word : kLabelWords) {
        const QString source = QString::fromUtf8(word);
        const QString translated = QCoreApplication::translate("ui::Form2", word);
        if (translated != source)
            shown.replace(source, translated);
    }
    return shown;
}

} // namespace

Form2::Form2(QWidget* parent) : DrawingWindow(kLayout, parent)
{
    const QString texts[6] = {QStringLiteral("Label1"), QStringLiteral("Label2"), QStringLiteral("Label3"),
                              QStringLiteral("Label4"), QStringLiteral("Label5"),
                              tr("ORW本体のﾃﾞｨﾚｸﾄﾘに保存されます。")};
    for (int i = 0; i < 6; ++i) {
        auto* label = new QLabel(texts[i], this);
        label->setObjectName(QStringLiteral("Label%1").arg(i + 1));
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setGeometry(twipsToPixels(kLabelPlaces[i], dotsPerInch()));
        // Label6 touches Command1's top row: the labels lie beneath the button.
        label->stackUnder(saveButton());
        m_labels[i] = label;
    }
    m_sky = new SkyLayerChecks(this);
    addToStatusLine(m_sky);
}

void Form2::setLabels(const gore::GoreLabels& labels)
{
    const std::string* texts[5] = {&labels.gores, &labels.position, &labels.faintest, &labels.hemisphere, &labels.starSize};
    for (int i = 0; i < 5; ++i)
        m_labels[i]->setText(labelText(*texts[i]));
}

QLabel* Form2::label(int index) const { return index >= 1 && index <= 6 ? m_labels[index - 1] : nullptr; }

} // namespace ui
