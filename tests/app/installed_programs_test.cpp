#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString kWindow = QStringLiteral("orbweave");
const QString kExporter = QStringLiteral("orbweave-export");
constexpr int kTimeoutMs = 120000;

struct Run
{
    int status = -1;
    QString out, err;
};

} // namespace

/// Installs the build into a temporary prefix once, then runs the installed programs from an
/// unrelated folder, as a user would.
class InstalledProgramsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void exportsFromTheInstalledData_data();
    void exportsFromTheInstalledData();
    void windowStartsWithTheInstalledCatalogueAndSavesToDocuments();
    void missingDataIsReportedNotTakenFromTheSourceTree();
    void noEmptyOrRelativeRunPath_data();
    void noEmptyOrRelativeRunPath();
    void hardenedAsDebianBuildsItsPackages_data();
    void hardenedAsDebianBuildsItsPackages();
    void versionRunsBesideADecoyQtLibrary_data();
    void versionRunsBesideADecoyQtLibrary();

private:
    QString installed(const QString& program) const { return m_prefix.filePath(QStringLiteral("bin/") + program); }
    QString dataFolder() const { return m_prefix.filePath(QStringLiteral("share/orbweave")); }
    QString workFolder() const { return m_work.path(); }
    /// Runs `program` to its end in `folder` (the work folder when empty).
    Run run(const QString& program, const QStringList& args, const QString& folder = QString()) const;
    /// Starts the installed window offscreen, reads its start-up log until the window is shown, ends it.
    Run startWindow() const;
    int pdfPages(const QString& pdf) const;
    QProcessEnvironment userEnvironment() const;

    QTemporaryDir m_prefix, m_work;
};

QProcessEnvironment InstalledProgramsTest::userEnvironment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), m_work.filePath(QStringLiteral("home")));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_work.filePath(QStringLiteral("home/.config")));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    return env;
}

Run InstalledProgramsTest::run(const QString& program, const QStringList& args, const QString& folder) const
{
    QProcess p;
    p.setProcessEnvironment(userEnvironment());
    p.setWorkingDirectory(folder.isEmpty() ? workFolder() : folder);
    p.start(program, args);
    Run r;
    if (!p.waitForFinished(kTimeoutMs)) {
        p.kill();
        p.waitForFinished();
        r.err = QStringLiteral("did not end: ") + program;
        return r;
    }
    r.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

Run InstalledProgramsTest::startWindow() const
{
    QProcess p;
    QProcessEnvironment env = userEnvironment();
    env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("orbweave.startup.debug=true"));
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(workFolder());
    p.start(installed(kWindow), {});
    Run r;
    QElapsedTimer clock;
    clock.start();
    while (!r.err.contains(QLatin1String("main window shown")) && clock.elapsed() < kTimeoutMs
           && p.state() != QProcess::NotRunning) {
        p.waitForReadyRead(1000);
        r.err += QString::fromUtf8(p.readAllStandardError());
    }
    // Still running once shown: the window waits for its user.
    r.status = p.state() == QProcess::Running ? 0 : p.exitCode();
    p.kill();
    p.waitForFinished();
    return r;
}

int InstalledProgramsTest::pdfPages(const QString& pdf) const
{
    const Run info = run(QStringLiteral("pdfinfo"), {pdf});
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info.out);
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

void InstalledProgramsTest::initTestCase()
{
    QVERIFY(m_prefix.isValid() && m_work.isValid());
    QVERIFY(QDir(m_work.path()).mkpath(QStringLiteral("home/Documents")));
    const Run install = run(QStringLiteral(ORBWEAVE_CMAKE_COMMAND),
                            {QStringLiteral("--install"), QStringLiteral(ORBWEAVE_BUILD_TREE), QStringLiteral("--prefix"),
                             m_prefix.path()});
    QVERIFY2(install.status == 0, qPrintable(install.out + install.err));
    for (const QString& file : {installed(kWindow), installed(kExporter), dataFolder() + "/bright-stars.csv",
                                dataFolder() + "/models/truncated-icosahedron-faces.csv"})
        QVERIFY2(QFileInfo(file).isFile(), qPrintable(file));
}

void InstalledProgramsTest::exportsFromTheInstalledData_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("pages");
    // 8 gores of each hemisphere and the two plates at R = 13 cm. A half gore with its tabs and
    // 2 mm round it takes 17.7 × 11.9 cm, a plate 10.8 cm square (its sides as long as the gores'
    // tops); A4 portrait holds 19 × 22.1 cm above its footer: one gore a sheet, and the plates,
    // too tall for the 10.2 cm under a gore, share a sheet of their own.
    QTest::newRow("whole globe") << QStringList{"gores", "--k=all", "--hemisphere", "both", "--plates", "both",
                                                "--paper", "a4", "-o", "globe.pdf"}
                                 << 17;
    QTest::newRow("whole globe, a template a sheet")
        << QStringList{"gores", "--k=all", "--hemisphere", "both", "--plates", "both", "--paper", "a4", "--pack",
                       "off", "-o", "globe.pdf"}
        << 18;
    QTest::newRow("soccer ball") << QStringList{"faces", "--face", "all", "-q", "--output=globe.pdf"} << 32;
}

void InstalledProgramsTest::exportsFromTheInstalledData()
{
    QFETCH(QStringList, args);
    QFETCH(int, pages);
    const QString pdf = m_work.filePath(QStringLiteral("globe.pdf"));
    QFile::remove(pdf);
    const Run r = run(installed(kExporter), args);
    QVERIFY2(r.status == 0, qPrintable(r.err));
    QCOMPARE(r.out, QStringLiteral("globe.pdf\n"));
    QCOMPARE(pdfPages(pdf), pages);
}

void InstalledProgramsTest::windowStartsWithTheInstalledCatalogueAndSavesToDocuments()
{
    const Run r = startWindow();
    QVERIFY2(r.status == 0, qPrintable(r.err));
    QVERIFY2(r.err.contains(QLatin1String("main window shown")), qPrintable(r.err));
    QVERIFY2(r.err.contains(QLatin1String("file dialog starts in ") + dataFolder() + QLatin1Char('\n')),
             qPrintable(r.err));
    QVERIFY2(r.err.contains(QLatin1String("saves go to ") + m_work.filePath(QStringLiteral("home/Documents"))),
             qPrintable(r.err));
    QVERIFY2(!r.err.contains(QLatin1String("bundled file")), qPrintable(r.err));
}

void InstalledProgramsTest::missingDataIsReportedNotTakenFromTheSourceTree()
{
    const QString catalogue = dataFolder() + QStringLiteral("/bright-stars.csv");
    const QString aside = m_work.filePath(QStringLiteral("aside.csv"));
    QVERIFY(QFile::rename(catalogue, aside));
    const Run exporter = run(installed(kExporter), {QStringLiteral("gores"), QStringLiteral("-o"), QStringLiteral("g.pdf")});
    const Run window = startWindow();
    QVERIFY(QFile::rename(aside, catalogue));

    QCOMPARE(exporter.status, 1);
    QVERIFY2(exporter.err.contains(QLatin1String("option --stars")), qPrintable(exporter.err));
    QVERIFY2(!QFile::exists(m_work.filePath(QStringLiteral("g.pdf"))), "a PDF was written");
    QCOMPARE(window.status, 0);
    for (const Run& r : {exporter, window}) {
        QVERIFY2(r.err.contains(QLatin1String("bright-stars.csv is not in ") + dataFolder()), qPrintable(r.err));
        QVERIFY2(!r.err.contains(QLatin1String(ORBWEAVE_DATA_DIR)), qPrintable(r.err));
    }
}

void InstalledProgramsTest::noEmptyOrRelativeRunPath_data()
{
    QTest::addColumn<QString>("program");
    QTest::newRow("built window") << QStringLiteral(ORBWEAVE_BUILT_WINDOW);
    QTest::newRow("built exporter") << QStringLiteral(ORBWEAVE_BUILT_EXPORTER);
    QTest::newRow("installed window") << installed(kWindow);
    QTest::newRow("installed exporter") << installed(kExporter);
}

void InstalledProgramsTest::noEmptyOrRelativeRunPath()
{
    QFETCH(QString, program);
    const Run r = run(QStringLiteral("readelf"), {QStringLiteral("--dynamic"), QStringLiteral("--wide"), program});
    QVERIFY2(r.status == 0 && r.out.contains(QLatin1String("(NEEDED)")), qPrintable(r.err));
    // "0x… (RUNPATH)  Library runpath: [a:b]": the loader reads an empty entry as the current
    // folder and a relative one against it.
    const QRegularExpression pathLine(QStringLiteral(R"(\((?:RUNPATH|RPATH)\)\s+Library r(?:un)?path: \[(.*)\])"));
    for (auto it = pathLine.globalMatch(r.out); it.hasNext();) {
        for (const QString& entry : it.next().captured(1).split(QLatin1Char(':')))
            QVERIFY2(entry.startsWith(QLatin1Char('/')), qPrintable(QStringLiteral("run path entry \"%1\"").arg(entry)));
    }
}

void InstalledProgramsTest::hardenedAsDebianBuildsItsPackages_data() { noEmptyOrRelativeRunPath_data(); }

void InstalledProgramsTest::hardenedAsDebianBuildsItsPackages()
{
    if (!ORBWEAVE_HARDENED)
        QSKIP("a sanitizer or fuzz build goes without the hardening flags");
    QFETCH(QString, program);
    const QString wide = QStringLiteral("--wide");
    // Full RELRO: the relocations read-only after loading, every symbol bound at the start.
    const Run headers = run(QStringLiteral("readelf"), {QStringLiteral("--program-headers"), wide, program});
    QVERIFY2(headers.out.contains(QLatin1String("GNU_RELRO")), qPrintable(headers.err));
    const Run dynamic = run(QStringLiteral("readelf"), {QStringLiteral("--dynamic"), wide, program});
    QVERIFY2(dynamic.out.contains(QRegularExpression(QStringLiteral(R"(\(FLAGS\)\s+BIND_NOW|Flags: NOW)"))),
             qPrintable(dynamic.out));
    // The stack protector and the checked calls of _FORTIFY_SOURCE.
    const Run symbols = run(QStringLiteral("readelf"), {QStringLiteral("--dyn-syms"), wide, program});
    QVERIFY(symbols.out.contains(QLatin1String("__stack_chk_fail")));
#ifndef __clang__
    // Clang 14 checks fewer calls than GCC under _FORTIFY_SOURCE and leaves these programs none.
    if (ORBWEAVE_FORTIFIED)
        QVERIFY(symbols.out.contains(QRegularExpression(QStringLiteral(R"(__\w+_chk\b)"))));
#endif
}

void InstalledProgramsTest::versionRunsBesideADecoyQtLibrary_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("firstLine");
    const QString exporterLine = QStringLiteral("orbweave-export (Orbweave) " ORBWEAVE_EXPECTED_VERSION);
    const QString windowLine = QStringLiteral("Orbweave " ORBWEAVE_EXPECTED_VERSION);
    QTest::newRow("built exporter") << QStringLiteral(ORBWEAVE_BUILT_EXPORTER) << "--version" << exporterLine;
    QTest::newRow("installed exporter") << installed(kExporter) << "-V" << exporterLine;
    QTest::newRow("built window") << QStringLiteral(ORBWEAVE_BUILT_WINDOW) << "--version" << windowLine;
    QTest::newRow("installed window") << installed(kWindow) << "-v" << windowLine;
}

void InstalledProgramsTest::versionRunsBesideADecoyQtLibrary()
{
    QFETCH(QString, program);
    QFETCH(QString, option);
    QFETCH(QString, firstLine);
    // Empty files under the names of Qt's libraries: loading one of them fails ("file too short").
    const QString decoys = m_work.filePath(QStringLiteral("decoys"));
    QVERIFY(QDir().mkpath(decoys));
    for (const char* name : {"libQt6Gui.so.6", "libQt6Core.so.6", "libQt6Widgets.so.6"}) {
        QFile file(decoys + QLatin1Char('/') + QLatin1String(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    const Run r = run(program, {option}, decoys);
    QVERIFY2(r.status == 0, qPrintable(r.err));
    QCOMPARE(r.out.section(QLatin1Char('\n'), 0, 0), firstLine);
}

QTEST_GUILESS_MAIN(InstalledProgramsTest)
#include "installed_programs_test.moc"
