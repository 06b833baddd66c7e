#pragma once

#include "scene/scene.h"
#include "sky/sky_data.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <map>

/// Counts the constellation names and the hour labels of the grid a whole globe (or a whole
/// polyhedron) prints, so that each can be checked to stand exactly once over all its pieces.
struct LabelsOnce
{
    std::map<std::int64_t, int> names, hours;

    void count(const scene::Text& t)
    {
        if (t.role == scene::Role::ConstellationName)
            ++names[t.index];
        if (t.role == scene::Role::GridLabel && t.text.back() == 'h')
            ++hours[t.index];
    }

    /// Every constellation of `data` named once, each of the 24 hours labelled once.
    void expectEachOnce(const sky::SkyData& data) const
    {
        EXPECT_EQ(names.size(), data.names.size());
        for (const auto& [index, n] : names)
            EXPECT_EQ(n, 1) << data.names[static_cast<std::size_t>(index)].iauName;
        EXPECT_EQ(hours.size(), 24u);
        for (const auto& [hour, n] : hours)
            EXPECT_EQ(n, 1) << hour << "h";
    }
};
