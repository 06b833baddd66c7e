// Every caption of the windows is shown whole, in Japanese, English and Spanish: it lies within its
// control and no control stacked above covers it; a caption shortened to fit keeps its whole
// text as tooltip.
#include "ui/fitted_text.h"
#include "ui/fonts.h"
#include "ui/form1.h"
#include "ui/form2.h"
#include "ui/form3.h"
#include "ui/form4.h"
#include "ui/frame_box.h"
#include "ui/language.h"
#include "ui/tab_control.h"

#include <QLabel>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTextLayout>
#include <QtTest>

#include <cmath>
#include <memory>

Q_DECLARE_METATYPE(ui::Language)

namespace {

/// Whether `upper` is painted over `lower`: neither contains the other and, below their common
/// parent, `upper`'s branch comes later in the stacking order.
bool stackedAbove(const QWidget* upper, const QWidget* lower)
{
    QList<const QWidget*> up, low;
    for (const QWidget* w = upper; w; w = w->parentWidget())
        up.prepend(w);
    for (const QWidget* w = lower; w; w = w->parentWidget())
        low.prepend(w);
    qsizetype i = 0;
    while (i < up.size() && i < low.size() && up[i] == low[i])
        ++i;
    if (i == 0 || i == up.size() || i == low.size())
        return false;
    const QObjectList& order = up[i - 1]->children();
    return order.indexOf(const_cast<QWidget*>(up[i])) > order.indexOf(const_cast<QWidget*>(low[i]));
}

/// Where a label paints its text, in its own coordinates: as wide as its widest line, and down
/// to the lowest ink of its last line (a line's empty descent below it may be cut).
QRect labelInk(const QLabel* label)
{
    const QString text = label->text();
    const QRect room = label->contentsRect();
    QTextLayout layout(text, label->font());
    QTextOption option;
    option.setWrapMode(label->wordWrap() ? QTextOption::WordWrap : QTextOption::NoWrap);
    layout.setTextOption(option);
    qreal y = 0, width = 0;
    QTextLine last;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(room.width());
        line.setPosition(QPointF(0, y));
        y += line.height();
        width = std::max(width, line.naturalTextWidth());
        last = line;
    }
    layout.endLayout();
    if (!last.isValid())
        return {};
    const QFontMetrics metrics(label->font());
    const QRect ink = metrics.tightBoundingRect(text.mid(last.textStart(), last.textLength()));
    const int bottom = static_cast<int>(std::ceil(last.y() + last.ascent())) + ink.bottom();
    return QRect(room.left(), room.top(), static_cast<int>(std::ceil(width)), std::max(1, bottom + 1));
}

/// Where `widget` paints its caption, in its own coordinates; empty when it has none.
/// `widthOnly` tells that only the width must fit (the low buttons of the tables are lower than
/// any font's line, and their caption is drawn across their edges).
QRect captionRect(const QWidget* widget, QString* caption, bool* widthOnly)
{
    const QFontMetrics metrics = widget->fontMetrics();
    *widthOnly = false;
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        *caption = label->text();
        return caption->isEmpty() ? QRect() : labelInk(label);
    }
    if (const auto* button = qobject_cast<const QPushButton*>(widget)) {
        *caption = ui::withoutAccessKeys(button->text());
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const QRect room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        QRect text(0, 0, metrics.horizontalAdvance(*caption), metrics.height());
        text.moveCenter(room.center());
        *widthOnly = true;
        return text;
    }
    if (const auto* frame = qobject_cast<const QGroupBox*>(widget)) {
        *caption = frame->title();
        return QRect(6, 0, metrics.horizontalAdvance(*caption) + 4, metrics.height());
    }
    return {};
}

/// The captions of `window`'s shown controls that are cut, with the reason.
QStringList cutCaptions(QWidget* window)
{
    QStringList cut;
    const QList<QWidget*> widgets = window->findChildren<QWidget*>();
    for (QWidget* widget : widgets) {
        if (!widget->isVisibleTo(window))
            continue;
        QString caption;
        bool widthOnly = false;
        const QRect text = captionRect(widget, &caption, &widthOnly);
        if (text.isEmpty())
            continue;
        const QString name = widget->objectName() + QStringLiteral(" \"") + caption + QLatin1Char('"');
        const QRect own = widthOnly ? QRect(0, text.top(), widget->width(), text.height()) : widget->rect();
        if (!own.contains(text))
            cut << name + QStringLiteral(" needs %1 × %2, has %3 × %4")
                              .arg(text.width()).arg(text.height()).arg(widget->width()).arg(widget->height());
        // Every container up to the window clips what lies outside it.
        const QRect clipped = text.intersected(widget->rect());
        for (QWidget* parent = widget->parentWidget(); parent && parent != window; parent = parent->parentWidget()) {
            const QRect inParent(widget->mapTo(parent, clipped.topLeft()), clipped.size());
            if (!parent->rect().contains(inParent))
                cut << name + QStringLiteral(" runs out of ") + parent->objectName();
        }
        for (QWidget* other : widgets) {
            if (other == widget || !other->isVisibleTo(window) || !stackedAbove(other, widget))
                continue;
            const QRect over(widget->mapFrom(window, other->mapTo(window, QPoint(0, 0))), other->size());
            if (over.intersects(clipped))
                cut << name + QStringLiteral(" is covered by ") + other->objectName();
        }
    }
    return cut;
}

} // namespace

class CaptionsFitTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void mainWindow_data();
    void mainWindow();
    void drawingWindows_data();
    void drawingWindows();
    void shortenedCaptionKeepsItsText();
    void fittedText_data();
    void fittedText();
};

void CaptionsFitTest::initTestCase() { ui::installFontSubstitutions(); }

void CaptionsFitTest::mainWindow_data()
{
    QTest::addColumn<ui::Language>("language");
    QTest::addColumn<int>("tab");
    for (int tab = 0; tab < 4; ++tab) {
        QTest::addRow("Japanese, tab %d", tab) << ui::Language::Japanese << tab;
        QTest::addRow("English, tab %d", tab) << ui::Language::English << tab;
        QTest::addRow("Spanish, tab %d", tab) << ui::Language::Spanish << tab;
    }
}

void CaptionsFitTest::mainWindow()
{
    QFETCH(ui::Language, language);
    QFETCH(int, tab);
    const ui::Translations translations(language);
    QVERIFY2(language == ui::Language::Japanese || translations.missing().isEmpty(),
             qPrintable(translations.missing().join(QLatin1Char(' '))));
    ui::Form1 window;
    if (language == ui::Language::English)
        QCOMPARE(window.button(QStringLiteral("Command5"))->text(), QStringLiteral("&Quit"));
    if (language == ui::Language::Spanish)
        QCOMPARE(window.button(QStringLiteral("Command5"))->text(), QStringLiteral("&Salir"));
    window.tabControl()->setCurrentIndex(tab);
    window.show();
    const QStringList cut = cutCaptions(&window);
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral("; "))));
    // The tabs share the strip without squeezing a caption.
    QTabBar* bar = window.tabControl()->tabBar();
    for (int i = 0; i < bar->count(); ++i)
        QVERIFY2(bar->tabRect(i).width() >= bar->fontMetrics().horizontalAdvance(bar->tabText(i)),
                 qPrintable(bar->tabText(i)));
}

void CaptionsFitTest::drawingWindows_data()
{
    QTest::addColumn<ui::Language>("language");
    QTest::newRow("Japanese") << ui::Language::Japanese;
    QTest::newRow("English") << ui::Language::English;
    QTest::newRow("Spanish") << ui::Language::Spanish;
}

void CaptionsFitTest::drawingWindows()
{
    QFETCH(ui::Language, language);
    const ui::Translations translations(language);
    ui::Form2 gore;
    ui::Form3 plate;
    ui::Form4 face;
    // The longest texts a gore Draw writes with the tab's start values.
    gore.setLabels({"n = 8", "k = 1", "最微等級 = 8.5", "北", "恒星サイズ：公比=2.5 ,倍率=10"});
    for (ui::DrawingWindow* window : std::initializer_list<ui::DrawingWindow*>{&gore, &plate, &face}) {
        window->show();
        window->showStatus(QStringLiteral("/a/rather/long/folder/name/for/the/program/N8_K1_NS1_Vb8.5_Sr2.5_Ss10_13cm.bmp"));
        const QStringList cut = cutCaptions(window);
        QVERIFY2(cut.isEmpty(), qPrintable(window->objectName() + QStringLiteral(": ") + cut.join(QStringLiteral("; "))));
    }
}

void CaptionsFitTest::shortenedCaptionKeepsItsText()
{
    // "Command13" is wider than its button: it shows its start, and says all of it as tooltip.
    const ui::Translations translations(ui::Language::Japanese);
    ui::Form1 window;
    QPushButton* button = window.button(QStringLiteral("Command13"));
    QVERIFY(button->text().endsWith(QChar(0x2026)));
    QVERIFY(QStringLiteral("Command13").startsWith(button->text().chopped(1)));
    QCOMPARE(button->toolTip(), QStringLiteral("Command13"));
    QVERIFY(window.button(QStringLiteral("Command7"))->toolTip().isEmpty());
}

void CaptionsFitTest::fittedText_data()
{
    QTest::addColumn<QString>("full");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("lines");     // lines of room
    QTest::addColumn<int>("shownLines"); // lines the fitted text takes
    QTest::addColumn<bool>("whole");    // the whole text is shown
    const QString path = QStringLiteral("/home/someone/globes/data/models/truncated-icosahedron-vertices.csv");
    const QString sentence = QStringLiteral("the field Lambda (longitude) of record 12 is not a number; "
                                            "the file stays as it was before the pick");
    QTest::newRow("short path") << QStringLiteral("/data/a.csv") << int(Qt::ElideMiddle) << 2 << 1 << true;
    QTest::newRow("long path, one line") << path << int(Qt::ElideMiddle) << 3 << 1 << false;
    QTest::newRow("sentence wraps into three lines") << sentence << int(Qt::ElideRight) << 3 << 3 << true;
    QTest::newRow("sentence cut on the second line") << sentence << int(Qt::ElideRight) << 2 << 2 << false;
    QTest::newRow("kept line breaks") << QStringLiteral("one\ntwo") << int(Qt::ElideRight) << 2 << 2 << true;
}

void CaptionsFitTest::fittedText()
{
    QFETCH(QString, full);
    QFETCH(int, mode);
    QFETCH(int, lines);
    QFETCH(int, shownLines);
    QFETCH(bool, whole);
    const QFont font = ui::windowFont();
    const QFontMetrics metrics(font);
    const QSize box(200, metrics.height() + (lines - 1) * metrics.lineSpacing());
    const QString shown = ui::fittedText(full, font, box, Qt::TextElideMode(mode));
    const QStringList shownAs = shown.split(QLatin1Char('\n'));
    QCOMPARE(shownAs.size(), shownLines);
    for (const QString& line : shownAs)
        QVERIFY2(metrics.horizontalAdvance(line) <= box.width(), qPrintable(line));
    QCOMPARE(shown.contains(QChar(0x2026)), !whole);
    if (mode == Qt::ElideMiddle && !whole) {
        // A path keeps its first folder and its file name.
        QVERIFY(shown.startsWith(full.left(3)));
        QVERIFY(shown.endsWith(QStringLiteral(".csv")));
    }
}

QTEST_MAIN(CaptionsFitTest)
#include "captions_fit_test.moc"
