#include "fuzz_targets.h"

#include "export/export_options.h"
#include "export/export_templates.h"
#include "export/kit_finish.h"
#include "text/input_error.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace fuzz {

namespace {

void require(bool holds, const char* what)
{
    if (!holds) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}

std::vector<std::string> arguments(std::string_view bytes)
{
    std::vector<std::string> args;
    std::size_t from = 0;
    while (from <= bytes.size()) {
        const std::size_t end = std::min(bytes.find('\0', from), bytes.size());
        args.emplace_back(bytes.substr(from, end - from));
        from = end + 1;
    }
    return args;
}

} // namespace

void commandLine(std::string_view bytes)
{
    exporter::ExportOptions o;
    try {
        o = exporter::parseExportOptions(arguments(bytes));
    } catch (const exporter::UsageError& e) {
        requireSafeText(e.what());
        return;
    }
    require(o.subject == exporter::Subject::Gores || o.subject == exporter::Subject::Faces, "a subject");
    for (const std::string& given : o.kit.given)
        require(given.rfind("--", 0) == 0, "kit options are named by their long spelling");
    if (o.sky.starNameLimit)
        require(std::isfinite(*o.sky.starNameLimit), "a finite star-name limit");
    try {
        const exporter::KitFinish finish = exporter::kitFinish(o.kit, o.format);
        require(finish.bleed >= 0 && std::isfinite(finish.bleed), "a bleed of 0 or more");
        require(finish.style.tabWidth >= 0 && std::isfinite(finish.style.tabWidth), "a tab width of 0 or more");
        const double dpi = exporter::exportDpi(o);
        require(dpi > 0 && std::isfinite(dpi), "a resolution above 0");
    } catch (const text::InputError& e) {
        requireSafeText(e.what());
    }
}

} // namespace fuzz
