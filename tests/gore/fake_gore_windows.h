#pragma once

#include "canvas/recording_canvas.h"
#include "gore/gore_command.h"

#include <string>
#include <vector>

namespace testing_support {

/// Gore and plate windows over recording canvases. Every window call is logged with the
/// number of calls its canvas had received by then, so tests can check the order.
class FakeGoreWindows : public gore::GoreWindows
{
public:
    canvas::RecordingCanvas gore, plate, southPlate;
    std::vector<std::string> events;
    std::vector<gore::GoreLabels> labels;

    canvas::DrawingCanvas& goreCanvas() override
    {
        log("goreCanvas", gore);
        return gore;
    }
    void setGoreLabels(const gore::GoreLabels& l) override
    {
        labels.push_back(l);
        log("labels", gore);
    }
    void showGoreWindow() override { log("showGore", gore); }
    canvas::DrawingCanvas& plateCanvas() override
    {
        log("plateCanvas", plate);
        return plate;
    }
    void showPlateWindow() override { log("showPlate", plate); }
    canvas::DrawingCanvas& southPlateCanvas() override
    {
        log("southPlateCanvas", southPlate);
        return southPlate;
    }
    void showSouthPlateWindow() override { log("showSouthPlate", southPlate); }

    /// Whether any window was opened, shown, labelled or drawn on.
    bool untouched() const
    {
        return events.empty() && gore.calls().empty() && plate.calls().empty() && southPlate.calls().empty();
    }

    /// Whether `event` was logged when its canvas had received exactly `callsBefore` calls.
    bool logged(const std::string& event, std::size_t callsBefore) const
    {
        for (const auto& e : events)
            if (e == event + "@" + std::to_string(callsBefore))
                return true;
        return false;
    }

private:
    void log(const std::string& what, const canvas::RecordingCanvas& c)
    {
        const std::string e = what + "@" + std::to_string(c.calls().size());
        if (events.empty() || events.back() != e)
            events.push_back(e);
    }
};

} // namespace testing_support
