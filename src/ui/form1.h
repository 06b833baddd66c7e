#pragma once

#include "gore/gore_command.h"
#include "polyhedron/face_number_rule.h"
#include "polyhedron/polyhedron_model.h"
#include "ui/face_window_host.h"
#include "ui/file_dialog.h"
#include "ui/gore_window_set.h"
#include "ui/message_presenter.h"
#include "ui/save_dialog.h"
#include "ui/tab_inputs.h"

#include <QByteArray>
#include <QHash>
#include <QMap>
#include <QList>
#include <QMainWindow>
#include <QPointer>

#include <array>
#include <memory>
#include <optional>

class QAction;
class QCheckBox;
class QLabel;
class QMenu;
class QLineEdit;
class QPushButton;

namespace exporter {
struct ExportOptions;
}

namespace ui {

class DrawingWindow;
class Form2;
class Form3;
class Form4;
class GlobeDialog;
class HelpWindow;
class StatusLine;
class TabControl;
enum class DataFileKind;

/// The main window "Orbweave 2008": the version line, Quit and the tab control SSTab1 with the
/// gore, polyhedron, version-notes and guideline tabs, a menu bar above them and a status line
/// below them. A star file dropped onto it is read as if picked. Every
/// control carries its own name as objectName ("Text16", "Label2(0)", "Command7"…). Its texts
/// are Japanese, translated in the "ui::Form1" context.
class Form1 : public QMainWindow
{
    Q_OBJECT

public:
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

    /// The control named `name`, null when there is none of that kind.
    template <typename Widget>
    Widget* control(const QString& name) const
    {
        return qobject_cast<Widget*>(m_controls.value(name));
    }
    /// The text box `name` (Text1…Text16).
    QLineEdit* textBox(const QString& name) const;
    /// The check box `name` (Check1…Check9).
    QCheckBox* checkBox(const QString& name) const;
    /// The button `name` (Command1…Command13).
    QPushButton* button(const QString& name) const;
    /// The label `name` (Label1…Label44, "Label2(0)", "Label15(1)"…).
    QLabel* label(const QString& name) const;
    /// The tab control SSTab1.
    TabControl* tabControl() const { return m_tabs; }

    /// The star file picked last; empty until a pick yields a path.
    const QString& StarFileName() const { return m_starFileName; }
    /// The gore tab's boxes as they stand now.
    GoreInputs goreInputs() const;
    /// The gore tab's boxes as they stood at the Draw of the gore shown; none before the first.
    const std::optional<GoreInputs>& drawnGoreInputs() const { return m_drawnGore; }
    /// Full path in the program directory for the gore shown, named from its Draw's boxes
    /// (from the boxes as they stand now while no gore was drawn).
    QString goreBitmapPath() const;
    /// The gore window, null while it does not exist.
    Form2* goreWindow() const;
    /// The polar plate window, null while it does not exist.
    Form3* plateWindow() const;
    /// The southern polar plate window, null while it does not exist.
    Form3* southPlateWindow() const;

    /// The vertex and face tables loaded from the polyhedron tab's picks.
    const polyhedron::PolyhedronModel& polyhedronModel() const { return m_model; }
    /// The polyhedron tab's boxes as they stand now.
    FaceInputs faceInputs() const;
    /// The polyhedron tab's boxes as they stood at the Draw of the face shown; none before the first.
    const std::optional<FaceInputs>& drawnFaceInputs() const { return m_drawnFace; }
    /// Full path in the program directory for the face shown, named from its Draw's boxes
    /// (from the boxes as they stand now while no face was drawn).
    QString faceBitmapPath() const;
    /// The polyhedron window, null while it does not exist.
    Form4* faceWindow() const;

    /// The globe dialog open now, null when none is.
    GlobeDialog* globeDialog() const;
    /// Replaces the dialog behind the shared file-open dialog (tests script it).
    void setFileDialog(std::unique_ptr<FileDialog> dialog);
    /// Replaces what shows message boxes (tests record them).
    void setMessagePresenter(std::unique_ptr<MessagePresenter> presenter);
    /// Replaces the dialog that asks where to save when the program's folder cannot be written.
    void setSaveDialog(std::unique_ptr<SaveDialog> dialog);
    /// The status line below the tabs.
    StatusLine* statusLine() const { return m_status; }
    /// The folder bitmaps are saved in: the program's directory unless replaced.
    void setProgramDirectory(const QString& folder);
    const QString& programDirectory() const { return m_programDirectory; }

    /// The menu action named `name` ("actionOpen", "actionSave"…), null when there is none.
    QAction* action(const QString& name) const;
    /// The recent star files, newest first.
    const QStringList& recentFiles() const { return m_recentFiles; }
    /// Takes up the state the last run left in the settings (files, boxes, tab, place, recent
    /// files) and keeps this run's state there from now on: when a file is opened and when the
    /// window closes. Without it the window reads and writes no settings.
    void restoreSession();

    /// Check state as the commands read it: 0 clear, 1 ticked, 2 grayed.
    static int checkValue(const QCheckBox* box);
    /// The decimal point of the user's locale, as the number conversions take it.
    static char decimalSeparator();

public slots:
    /// Star-file pick (Command1, Command8).
    void pickStarFile();
    /// Gore Draw (Command2).
    void drawGore();
    /// Draws the gore shown again from its Draw's boxes (its window's sky layer boxes changed).
    void redrawGore();
    /// k+1 (Command3, step 1) and k-1 (Command6, step −1).
    void stepGorePosition(int step);
    /// Saves the gore canvas as a bitmap named from the gore tab's texts at its Draw (Form2's Command1).
    void saveGoreBitmap();
    /// Saves the plate canvas beside the gore bitmap, "_plate" added to its name.
    void savePlateBitmap();
    /// Saves the southern plate canvas beside the gore bitmap, "_plateS" added to its name.
    void saveSouthPlateBitmap();
    /// Quit (Command5, Ctrl+Q): asks, then closes every window and ends the program.
    void quit();
    /// Reads `path` as the star file, as a pick confirming it would (a drop, a recent file).
    void openStarFile(const QString& path);
    /// Saves the drawing of the tab shown (the gore, or the face) under its usual name (Ctrl+S).
    void saveShownDrawing();
    /// Saves the drawing of the tab shown under a name and folder the user chooses (Ctrl+Shift+S).
    void saveShownDrawingAs();
    /// The window of how to use the program (F1).
    void showHelp();
    /// The About box: version, licence and where the bundled data come from.
    void showAbout();

    /// Vertex-file pick (Command10).
    void pickVertexFile();
    /// Face-file pick (Command9).
    void pickFaceFile();
    /// Polyhedron Draw (Command7).
    void drawFace();
    /// Draws the face shown again from its Draw's boxes (its window's sky layer boxes changed).
    void redrawFace();
    /// "+1" (Command11, step 1) and "-1" (Command12, step −1) of the face number.
    void stepFaceNumber(int step);
    /// Saves the face canvas as a bitmap named from the polyhedron tab's texts at its Draw (Form4's Command1).
    void saveFaceBitmap();
    /// Opens the globe dialog for every gore (the gore tab) or face (the polyhedron tab), its
    /// boxes pre-filled from the tab (GlobeGores, GlobeFaces, Ctrl+G).
    void openGlobeDialog(bool faces);
    /// SVG tag preview (Command13): the opening tag for Form4's canvas, then a sample ellipse.
    void showSvgTagPreview();
    /// Globe preview (Ctrl+3): the globe the shown tab's boxes make (the polyhedron tab's with its
    /// loaded model, otherwise the gore tab's), with the star file picked and the sky layers ticked
    /// in that tab's drawing window, in a window of its own.
    void showGlobePreview();
    /// The globe preview of the globe dialog's export `o`: its gores with the plates and cut it
    /// asks for, or its model's faces, with its star file (the bundled one when none) and sky layers.
    void showGlobePreviewOf(const exporter::ExportOptions& o);

protected:
    /// Closing the window asks as Quit does and, confirmed, ends the program.
    void closeEvent(QCloseEvent* event) override;
    /// Shows a button's status tip as its tooltip while its caption needs none; notes where a
    /// drawing window stood when it closes.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildControls();
    void buildMenus();
    void drawGoreFrom(const GoreInputs& inputs);
    void drawFaceFrom(const FaceInputs& inputs);
    void fillRecentMenu();
    void rememberRecentFile(const QString& path);
    void saveSession() const;
    /// Puts drawing windows shown for the first time where the last run left them.
    void placeDrawingWindows();
    /// The gore, plate, southern plate and face windows; null where one does not exist.
    std::array<DrawingWindow*, 4> drawingWindows() const;
    void loadVertexFile(const QString& path);
    void loadFaceFile(const QString& path);
    DrawingWindow* shownDrawing() const;
    bool writeDrawing(DrawingWindow* window, const QString& path);
    void connectCommands();
    bool showMessage(const Message& message);
    void refuse(const QString& text);
    QString programFilePath(const QString& fileName) const;
    QString goreBitmapName() const;
    void saveDrawing(DrawingWindow* window, const QString& fileName);
    void savePlateCanvas(Form3* window, const QString& suffix);
    void applyFaceNumberRule();
    void copyFaceCentre();
    void setTangentPoint(const polyhedron::FaceCentreTexts& centre);
    std::optional<QString> refusalOfPick(const QString& path, DataFileKind kind) const;
    void reportRefusedPick(const QList<QLabel*>& status, DataFileKind kind, const QString& reason,
                           const QString& inForce);
    void checkModelPair(QLabel* status);
    void setMagnitudeOneRadius(const QString& caption);
    /// What the window says of a face Draw's message, in the interface language.
    QString faceMessageText(const polyhedron::FaceMessage& message) const;

    QHash<QString, QWidget*> m_controls;
    TabControl* m_tabs = nullptr;
    QString m_starFileName;
    SharedFileDialog m_commonDialog;
    std::unique_ptr<MessagePresenter> m_messages;
    std::unique_ptr<SaveDialog> m_saveDialog;
    StatusLine* m_status = nullptr;
    QString m_programDirectory;
    QString m_otherSaveFolder; ///< where the user last chose to save when the program's folder could not take it
    std::optional<GoreInputs> m_drawnGore;
    std::optional<FaceInputs> m_drawnFace;
    GoreWindowSet m_goreWindows;
    polyhedron::PolyhedronModel m_model;
    FaceWindowHost m_faceWindow;
    bool m_applyingFaceRule = false;
    QPointer<GlobeDialog> m_globe;
    QPointer<HelpWindow> m_help;
    QMenu* m_recentMenu = nullptr;
    QStringList m_recentFiles;
    QMap<QString, QByteArray> m_windowPlaces; ///< the drawing windows' places, by object name
    bool m_remembers = false;     ///< restoreSession was called: the state goes into the settings
    bool m_quitConfirmed = false; ///< Quit was confirmed: closing asks no more
};

} // namespace ui
