#pragma once

#include "export/export_options.h"
#include "render/template_drawing.h"
#include "ui/message_presenter.h"

#include <QDialog>
#include <QMap>
#include <QPageSize>

#include <memory>
#include <string>

class QCheckBox;
class QComboBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPrinter;
class QPrintPreviewWidget;
class QPushButton;
class QTimer;

namespace ui {

/// "全球の型紙": every gore or face of the tab at once, with its sky layers, tabs, paper, packing,
/// layers and file format; a preview of the printed sheets; Save (PDF, SVG folder, BMP folder, as
/// orbweave-export writes them) and Print at 100 %. Texts Japanese, translated in "ui::GlobeDialog".
class GlobeDialog : public QDialog
{
    Q_OBJECT

public:
    /// Starts from `start` (gores or faces, the tab's boxes); `current` is the tab's gore or face
    /// number, offered as "the current one" besides "all". Paper, layers, format and the output
    /// folder come from the settings of the dialog's last use.
    GlobeDialog(const exporter::ExportOptions& start, const std::string& current, QWidget* parent = nullptr);
    ~GlobeDialog() override;

    /// The export as the boxes stand now.
    exporter::ExportOptions options() const;
    /// The paper the sheets are printed on: the paper chosen, A4 when none is.
    exporter::PaperSize printPaper() const;

    /// Replaces what shows message boxes (tests record them).
    void setMessagePresenter(std::unique_ptr<MessagePresenter> presenter);
    /// The page preview: one page across, fitted into the view at first; its bar above it turns
    /// the pages (Page Up, Page Down), fits, shows real size and zooms.
    QPrintPreviewWidget* preview() const { return m_preview; }
    /// The button that opens the 3D preview; hidden until a 3D preview is wired to preview3dRequested.
    QPushButton* preview3dButton() const { return m_preview3d; }
    /// Templates drawn for the preview and the printer, none while the boxes are refused.
    const exporter::TemplateList& templates() const { return m_templates; }
    /// What the summary line says: templates, pages and sheets, or why nothing is shown.
    QString summary() const;

public slots:
    /// Writes the export as the boxes say, with progress and Cancel, after asking before an
    /// existing file is replaced; a refusal or a write failure is shown with the path and reason
    /// and the dialog stays as it was. True when written.
    bool save();
    /// Asks for a printer (saying so when none is installed) and prints the sheets at 100 %.
    void print();
    /// Prints the sheets on `printer` at 100 %: full page, no margins, its page size the paper.
    /// Returns the pages printed, 0 when nothing could be (the message is shown).
    int printTo(QPrinter& printer);
    /// Redraws the templates when their boxes changed and refreshes the preview and the summary.
    void refresh();
    /// Closes the dialog, unless templates are being drawn or written (Cancel stops them).
    void reject() override;

signals:
    /// The 3D preview button was pressed: show the globe of `options`.
    void preview3dRequested(const exporter::ExportOptions& options);

protected:
    /// Stays open while templates are being drawn or written.
    void closeEvent(QCloseEvent* event) override;

private:
    void build(const std::string& current);
    /// The page preview's buttons: previous and next page, the page number, fit, real size, zoom.
    QHBoxLayout* buildPreviewBar();
    /// Shows the preview's page number and enables the page buttons.
    void showPage();
    void loadSettings();
    void saveSettings() const;
    void chooseOutput();
    void formatChanged();
    void paint(QPrinter* printer);
    bool showMessage(const QString& text, MessageIcon icon);
    /// Asks before `o` replaces a file, or writes into a folder that holds files; true to go on.
    bool confirmReplace(const exporter::ExportOptions& o);
    exporter::ExportOptions drawingOptions() const;

    exporter::ExportOptions m_start;
    std::unique_ptr<MessagePresenter> m_messages;
    QComboBox* m_which = nullptr;
    QComboBox* m_hemisphere = nullptr;
    QComboBox* m_plates = nullptr;
    QCheckBox* m_wholeGores = nullptr;
    QMap<QString, QCheckBox*> m_sky;    ///< by object name
    QCheckBox* m_colourStars = nullptr;
    QComboBox* m_style = nullptr;
    QCheckBox* m_tabs = nullptr;
    QMap<QString, QCheckBox*> m_layers; ///< by layer kind name
    QComboBox* m_paper = nullptr;
    QCheckBox* m_pack = nullptr;
    QComboBox* m_format = nullptr;
    QLineEdit* m_output = nullptr;
    QLabel* m_summary = nullptr;
    QPrintPreviewWidget* m_preview = nullptr;
    QLabel* m_pageText = nullptr;
    std::unique_ptr<QPrinter> m_previewPrinter;
    QPushButton* m_save = nullptr;
    QPushButton* m_print = nullptr;
    QPushButton* m_preview3d = nullptr;
    QTimer* m_refreshTimer = nullptr;
    QMap<QString, QPageSize> m_printerSizes; ///< paper combo data "printer:<key>" → size
    exporter::TemplateList m_templates;
    std::string m_drawnKey; ///< the drawing options m_templates were drawn from
    QString m_problem;      ///< why no template is shown
    int m_pages = 0, m_sheets = 0;
    bool m_busy = false; ///< templates are being drawn or written: no second run, no closing
};

} // namespace ui
