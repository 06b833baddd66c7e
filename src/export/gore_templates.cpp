#include "export/gore_templates.h"

#include "canvas/drawing_canvas.h"
#include "gore/gore_draw.h"
#include "gore/gore_outline.h"
#include "gore/gore_scene.h"
#include "gore/kit_stars.h"
#include "export/ordered_work.h"
#include "export/vector_unit.h"
#include "kit/piece_scene.h"
#include "text/input_error.h"
#include "text/number_text.h"

#include <algorithm>
#include <cmath>
#include <mutex>
#include <optional>
#include <set>
#include <vector>

namespace exporter {

namespace {

using text::Input;

/// The option that stands for `input`, and its text as typed; "--stars" for none.
std::pair<std::string, std::string> optionOf(const GoreOptions& o, const std::string& k, Input input)
{
    if (input == Input::GorePosition)
        return {"--k", k};
    if (const gore::GoreTextField* f = gore::goreTextField(input))
        return {f->option, o.*f->text};
    return {"--stars", {}};
}

[[noreturn]] void refuse(const GoreOptions& o, const std::string& k, const text::InputError& e)
{
    const auto [option, typed] = optionOf(o, k, e.input());
    if (option == "--stars")
        throw text::InputError("option --stars: " + std::string(e.what()));
    refuseOption(option, typed, e);
}

std::string plateName(const GoreOptions& o, const std::string& k, char pole)
{
    gore::GoreTexts texts = o;
    texts.k = k;
    return gore::goreFileStem(texts, std::string("Plate") + pole);
}

/// Whether gore `k` of `plan` is the one whose own longitudes hold `lambda`, or no gore's
/// do (a longitude outside 0°…360°, taken literally as the gores take it).
bool ownGore(const gore::GoreLayout& layout, int n, double lambda)
{
    const double wedge = 360.0 / n;
    if (!(lambda >= 0 && lambda < 360))
        return true;
    return layout.windowStart <= lambda && (lambda < layout.windowEnd || layout.windowEnd >= 360 - wedge / 2);
}

/// Leaves out of `plan` the gore stars whose dots lie wholly beyond its half gore of `width` ×
/// `height` cm rasterised at `dpi`: they would set no pixel (half of them lie on the other half).
/// The room kept round the template is generous, eight of the bitmap's scaled pixels.
void leaveOutStarsBeyond(gore::GoreDrawPlan& plan, double width, double height, double dpi)
{
    const gore::GoreLayout g = gore::placeOnCanvas(plan.layout, plan.params.hemisphere, width, height);
    const double room = 8 * 2.54 / std::min(dpi, canvas::kDotsPerInch);
    std::erase_if(plan.stars, [&](const gore::StarPlacement& s) {
        if (s.target != gore::StarTarget::Gore)
            return false;
        const double x = s.offset.x + g.starEquatorX, y = s.offset.y + g.H / 2, reach = s.radius + room;
        return x + reach < 0 || x - reach > width || y + reach < 0 || y - reach > height;
    });
}

/// A plate template being gathered from the gores' plans.
struct PlateGathering
{
    gore::StarTarget target;
    bool wanted = false;
    const KitFinish& finish;
    std::optional<TemplateDrawing> drawing;
    std::vector<bool> onIt; ///< by catalogue index: the star is already on it
    std::optional<gore::GoreDrawPlan> firstPlan;

    /// With `every` gore drawn, a star goes to the plate from its own gore only: a star in the
    /// 3° grace of a neighbour's edge that its own gore keeps must not be printed twice.
    void add(const gore::GoreDrawPlan& plan, const stars::StarCatalogue& catalogue, bool every,
             TemplateDrawing&& blank)
    {
        if (!wanted)
            return;
        if (!drawing) {
            const float side = canvas::snapSide(static_cast<float>(plan.plate.side));
            blank.scene = finish.style.pieces ? gore::buildPlatePiece(plan, target, side, side)
                                              : gore::buildPlateScene(plan, target, side, side, true);
            blank.scene.layer(scene::layers::kStars).items.clear();
            drawing = std::move(blank);
            firstPlan = plan;
        }
        onIt.resize(catalogue.stars.size());
        // The plate's stars lie scattered through a catalogue far larger than the processor's
        // caches: each is asked for from memory some places ahead of its turn.
        constexpr std::size_t kAhead = 16;
        for (std::size_t j = 0; j < plan.stars.size(); ++j) {
            if (every && j + kAhead < plan.stars.size() && plan.stars[j + kAhead].target == target)
                __builtin_prefetch(&catalogue.stars[plan.stars[j + kAhead].index].Lambda);
            const gore::StarPlacement& s = plan.stars[j];
            if (s.target == target && (!every || ownGore(plan.layout, plan.params.n, catalogue.stars[s.index].Lambda))
                && !onIt[s.index]) {
                onIt[s.index] = true;
                gore::addPlateStar(drawing->scene, s);
            }
        }
    }

    /// The plate with every star added: in a kit only those on the n-gon, room kept round it.
    std::optional<TemplateDrawing> finished()
    {
        if (drawing && finish.style.pieces) {
            kit::keepStarsOnPiece(drawing->scene,
                                  gore::plateCutOutline(*firstPlan, drawing->scene.width, drawing->scene.height));
            kit::fitAroundPieces(drawing->scene, finish.bleed);
        }
        return std::move(drawing);
    }
};

} // namespace

gore::GoreSpec goreSpecFor(const GoreOptions& o, const std::string& k, int hemisphere)
{
    gore::GoreSpec entered;
    static_cast<gore::GoreTexts&>(entered) = o;
    static_cast<gore::GoreSwitches&>(entered) = o;
    entered.k = k;
    entered.hemisphere = hemisphere;
    entered.northPlate = o.northPlate;
    entered.southPlate = o.southPlate ? 1 : 0;
    return entered;
}

gore::GoreParameters goreParametersFor(const GoreOptions& o, const std::string& k, int hemisphere)
{
    try {
        const gore::GoreParameters p = gore::readGoreParameters(goreSpecFor(o, k, hemisphere));
        // The window's own checks of n and k, and a gore number below 1, which a set of
        // templates has no gore for.
        if (const auto message = gore::validateGoreParameters(p))
            throw *message->refusal;
        if (p.k < 1)
            throw gore::goreCheckRefusal(gore::GoreCheck::PositionBelowOne, p);
        gore::checkGoreDrawable(p);
        gore::checkKitPlateBoundary(p); // the window keeps its own rule for B at the pole or beyond
        return p;
    } catch (const text::InputError& e) {
        refuse(o, k, e);
    }
}

stars::StarCatalogue readStarsOption(const std::string& path)
{
    try {
        return stars::ReadStarFile(path);
    } catch (const text::InputError& e) {
        throw text::InputError("option --stars: " + std::string(e.what()));
    }
}

void drawGoreTemplates(const GoreOptions& o, const stars::StarCatalogue& catalogue, const std::string& starFile,
                       const TemplateSink& sink, const KitFinish& finish, const KitOptions& kitOptions,
                       const sky::SkyRequest& sky, const DrawingWork& work)
{
    const bool all = o.k == "all";
    std::vector<std::string> ks;
    if (all) {
        const gore::GoreParameters p = goreParametersFor(o, "1", 1);
        for (int k = 1; k <= p.n; ++k)
            ks.push_back(std::to_string(k));
    } else {
        ks.push_back(o.k);
    }
    // A whole gore is planned as the northern half, which places the stars of both.
    constexpr int kWhole = -1;
    std::vector<int> hemispheres;
    if (finish.wholeGores)
        hemispheres.push_back(kWhole);
    if (o.north && !finish.wholeGores)
        hemispheres.push_back(1);
    if (o.south && !finish.wholeGores)
        hemispheres.push_back(0);

    const std::string kName = all ? "all" : o.k;
    const std::string gores = all ? "1 to " + o.n : o.k;
    const std::string goresJa = all ? "1〜" + o.n : o.k;
    const std::size_t goreCount = ks.size() * hemispheres.size();
    const std::size_t count = goreCount + (o.northPlate ? 1 : 0) + (o.southPlate ? 1 : 0);
    if (goreCount == 0)
        return;
    // Every gore shares the faintest magnitude: the first one's parameters give it, refused
    // first as when that gore is drawn.
    const int firstHalf = hemispheres.front() == kWhole ? 1 : hemispheres.front();
    const bool kitPieces = finish.style.pieces;
    // Only the window's drawings look stars up by longitude; a kit shares them out in sky coordinates.
    const stars::LongitudeIndex index =
        kitPieces ? stars::LongitudeIndex{}
                  : stars::longitudeIndex(catalogue, goreParametersFor(o, ks.front(), firstHalf).faintestMagnitude);
    const unsigned threads = work.threads > 0 ? work.threads : coreCount();

    // A kit tiles the sky: every star is shared out once, in sky coordinates, before any piece is drawn.
    std::optional<gore::GoreTiling> tiling;
    gore::KitStars kitStars;
    if (kitPieces) {
        const gore::GoreParameters p = goreParametersFor(o, ks.front(), firstHalf); // B < 90 with plates
        tiling = gore::makeGoreTiling(p, finish.wholeGores);
        try {
            kitStars = gore::distributeKitStars(p, *tiling, catalogue, starFile, threads);
        } catch (const text::InputError& e) {
            refuse(o, ks.front(), e);
        }
        // Each plate owns the cap beyond the cut: the stars of the gores exported (all of them in a
        // whole kit), with the dots that reach over its sides from them.
        std::set<int> sectors;
        for (const std::string& k : ks)
            sectors.insert(goreParametersFor(o, k, firstHalf).k);
        for (const bool north : {true, false}) {
            if (!(north ? o.northPlate : o.southPlate))
                continue;
            const gore::KitPiece piece{north ? gore::KitPiece::Kind::NorthPlate : gore::KitPiece::Kind::SouthPlate, 1,
                                       north ? 1 : 0};
            std::erase_if(kitStars[gore::pieceIndex(*tiling, piece)], [&](const gore::StarPlacement& s) {
                return !sectors.count(gore::sectorOf(*tiling, catalogue.stars[s.index].Lambda));
            });
        }
        if (work.starsShared)
            work.starsShared();
    }

    /// A gore drawn, with the plan of its plate stars when the plates gather them from it.
    struct DrawnGore
    {
        TemplateDrawing drawing;
        std::optional<gore::GoreDrawPlan> plateStars;
    };
    const bool plates = o.northPlate || o.southPlate;
    /// The plan of a gore's stars, made by whichever of its halves comes first for both: the half
    /// only chooses where the equator is drawn, the stars are placed the same.
    struct SharedPlan
    {
        std::mutex mutex;
        std::optional<gore::GoreDrawPlan> plan;
        bool taken = false;
    };
    std::vector<SharedPlan> sharedPlans(!kitPieces && hemispheres.size() == 2 ? ks.size() : 0);
    const auto planBothHalves = [&](const gore::GoreParameters& p, SharedPlan& shared) {
        const std::lock_guard<std::mutex> lock(shared.mutex);
        if (!shared.plan)
            shared.plan = gore::planGoreDraw(p, catalogue, index, starFile); // a refusal: the other half refuses alike
        gore::GoreDrawPlan plan = shared.taken ? std::move(*shared.plan) : *shared.plan;
        if (shared.taken)
            shared.plan.reset();
        shared.taken = true;
        plan.params = p;
        return plan;
    };
    const auto drawGore = [&](std::size_t i) {
        settleVectorUnit();
        const std::size_t h = i / ks.size();
        const std::string& k = ks[i % ks.size()];
        const bool whole = hemispheres[h] == kWhole;
        const gore::GoreParameters p = goreParametersFor(o, k, whole ? 1 : hemispheres[h]);
        gore::GoreDrawPlan plan;
        try {
            if (kitPieces) {
                const gore::KitPiece piece{gore::KitPiece::Kind::Gore, p.k, whole ? -1 : hemispheres[h]};
                // Each piece is drawn once: its stars are handed over, not copied.
                plan = gore::planKitPiece(p, *tiling, std::move(kitStars[gore::pieceIndex(*tiling, piece)]));
            } else if (!sharedPlans.empty()) {
                plan = planBothHalves(p, sharedPlans[i % ks.size()]);
            } else {
                plan = gore::planGoreDraw(p, catalogue, index, starFile);
            }
        } catch (const text::InputError& e) {
            refuse(o, k, e);
        }
        plan.sky = sky;
        const gore::GoreLayout& layout = plan.layout;
        if (finish.style.pieces && h == 0 && k == ks.front()) {
            const std::string mm = text::formatGeneral(std::round(layout.fullWidth * 100) / 10);
            checkTabWidth(finish, kitOptions, layout.fullWidth,
                          text::Message(text::MessageId::TabsPiecesGores, {mm}),
                          Input::SphereRadius, "--radius", o.radius);
        }
        DrawnGore d;
        TemplateDrawing& t = d.drawing;
        gore::GoreTexts texts = o;
        texts.k = k;
        t.name = gore::goreFileStem(texts, whole ? "Whole" : gore::goreHalfPiece(hemispheres[h]));
        t.caption = "gore " + k + " of " + o.n + ", "
                    + (whole ? "pole to pole" : hemispheres[h] == 1 ? "north" : "south");
        t.captionJa = "舟形 " + k + " / " + o.n + "・" + (whole ? "極から極まで" : hemispheres[h] == 1 ? "北半球" : "南半球");
        const double width = whole ? gore::wholeGoreWidth(layout) : layout.requestedWidth;
        const gore::GoreKit kit{finish.style, whole, o.north && o.south && !whole};
        const float sceneWidth = canvas::snapSide(static_cast<float>(width));
        const float sceneHeight = canvas::snapSide(static_cast<float>(layout.requestedHeight));
        if (work.rasterDpi > 0 && !kitPieces && !whole)
            leaveOutStarsBeyond(plan, sceneWidth, sceneHeight, work.rasterDpi);
        t.scene = gore::buildGoreScene(plan, sceneWidth, sceneHeight, kit);
        if (finish.style.pieces)
            kit::fitAroundPieces(t.scene, finish.bleed);
        if (kitPieces)
            plan.stars = std::vector<gore::StarPlacement>(); // drawn into the scene: not held while it is written
        t.number = i + 1;
        t.count = count;
        if (work.finish)
            work.finish(t);
        // The plate stars are the same whichever half is drawn: gathered from the first.
        if (h == 0 && plates && !kitPieces) {
            std::erase_if(plan.stars, [](const gore::StarPlacement& s) { return s.target == gore::StarTarget::Gore; });
            d.plateStars = std::move(plan);
        }
        return d;
    };
    PlateGathering north{gore::StarTarget::Plate, o.northPlate && !kitPieces, finish, {}, {}, {}};
    PlateGathering south{gore::StarTarget::SouthPlate, o.southPlate && !kitPieces, finish, {}, {}, {}};
    runInOrder<DrawnGore>(goreCount, threads, drawGore, [&](DrawnGore&& d) {
        if (d.plateStars) {
            north.add(*d.plateStars, catalogue, all,
                      {plateName(o, kName, 'N'), {}, "north polar plate, gores " + gores + " of " + o.n, {}, 0, 0,
                       "北の極板・舟形 " + goresJa + " / " + o.n});
            south.add(*d.plateStars, catalogue, all,
                      {plateName(o, kName, 'S'), {}, "south polar plate, gores " + gores + " of " + o.n, {}, 0, 0,
                       "南の極板・舟形 " + goresJa + " / " + o.n});
        }
        sink(std::move(d.drawing));
    });

    std::vector<TemplateDrawing> gathered;
    if (kitPieces) {
        // The plates' stars were kept to the gores exported when the stars were shared out.
        for (const gore::StarTarget which : {gore::StarTarget::Plate, gore::StarTarget::SouthPlate}) {
            const bool north = which == gore::StarTarget::Plate;
            if (!(north ? o.northPlate : o.southPlate))
                continue;
            const gore::KitPiece piece{north ? gore::KitPiece::Kind::NorthPlate : gore::KitPiece::Kind::SouthPlate, 1,
                                       north ? 1 : 0};
            std::vector<gore::StarPlacement> stars = std::move(kitStars[gore::pieceIndex(*tiling, piece)]);
            const gore::GoreDrawPlan plan =
                gore::planKitPiece(goreParametersFor(o, ks.front(), firstHalf), *tiling, std::move(stars));
            const float side = canvas::snapSide(static_cast<float>(plan.plate.side));
            TemplateDrawing t;
            t.name = plateName(o, kName, north ? 'N' : 'S');
            t.caption = std::string(north ? "north" : "south") + " polar plate, gores " + gores + " of " + o.n;
            t.captionJa = std::string(north ? "北" : "南") + "の極板・舟形 " + goresJa + " / " + o.n;
            t.scene = gore::buildPlatePiece(plan, which, side, side);
            kit::fitAroundPieces(t.scene, finish.bleed);
            gathered.push_back(std::move(t));
        }
    }
    for (PlateGathering* plate : {&north, &south})
        if (auto t = plate->finished())
            gathered.push_back(std::move(*t));
    runInOrder<TemplateDrawing>(
        gathered.size(), threads,
        [&](std::size_t i) {
            TemplateDrawing t = std::move(gathered[i]);
            t.number = goreCount + i + 1;
            t.count = count;
            if (work.finish)
                work.finish(t);
            return t;
        },
        sink);
}

TemplateList drawGoreTemplates(const GoreOptions& o, const std::string& starFile, const KitFinish& finish,
                               const KitOptions& kitOptions, const sky::SkyRequest& sky,
                               const DrawingWork& work)
{
    const stars::StarCatalogue catalogue = readStarsOption(starFile);
    TemplateList out;
    drawGoreTemplates(
        o, catalogue, starFile, [&out](TemplateDrawing&& t) { out.push_back(std::move(t)); }, finish, kitOptions,
        sky, work);
    return out;
}

} // namespace exporter
