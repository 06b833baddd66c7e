#pragma once

#include "export/export_options.h"
#include "render/template_drawing.h"

#include <cstddef>
#include <exception>
#include <functional>
#include <string>
#include <vector>

namespace exporter {

/// An export stopped because its observer asked it to; nothing of it is left on disk.
class Cancelled : public std::exception
{
public:
    const char* what() const noexcept override { return "the export was cancelled"; }
};

/// One step of an export, as its observer hears of it.
struct ExportStep
{
    enum class Kind {
        Drawn,   ///< a template was drawn
        LaidOut, ///< a template's pages were laid out in the PDF
        Wrote,   ///< a template's file (SVG, bitmap) was written; `path` names it
    };
    Kind kind = Kind::Drawn;
    std::size_t done = 0;  ///< templates drawn so far, this one included
    std::size_t total = 0; ///< templates the export makes
    std::size_t number = 0; ///< the template's place in the export, from 1
    std::string caption;   ///< the template's caption, "gore 3 of 8, north"
    std::string path;      ///< the file written (Wrote only)
    std::string captionJa; ///< the caption in Japanese, "舟形 3 / 8・北半球"
};

/// Who watches an export: hears each step and is asked, between steps, whether to stop.
struct ExportObserver
{
    std::function<void(const ExportStep&)> step; ///< none: steps go unheard
    std::function<bool()> cancelled;             ///< none: the export runs to its end
};

/// What an export wrote.
struct ExportResult
{
    std::vector<std::string> paths; ///< the files written, in order (one PDF, or a file a template)
    std::size_t templates = 0;      ///< templates drawn
    int pages = 0;                  ///< pages of the PDF; 0 for SVG and bitmaps
};

/// Draws every template `o` asks for and writes them as `o.format` says, into `o.output` (or the
/// default name or folder). Throws text::InputError naming the option on a refusal or a file that
/// cannot be written, and Cancelled when `observer` asks to stop; either way no file of this export
/// is left, nothing under the final name, and folders it made are removed again.
ExportResult exportTemplates(const ExportOptions& o, const ExportObserver& observer = {});

/// Draws every template `o` asks for (finished as a kit for SVG and PDF) and keeps them, for a
/// preview or a printer. Throws as exportTemplates.
TemplateList drawExportTemplates(const ExportOptions& o, const ExportObserver& observer = {});

/// The bitmap resolution of `o`, dots per inch. Throws text::InputError naming --dpi.
double exportDpi(const ExportOptions& o);

/// The name of the PDF written when no --output names one.
std::string defaultPdfName(Subject s);

} // namespace exporter
