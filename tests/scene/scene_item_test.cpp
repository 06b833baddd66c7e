// A scene's paths and texts are held out of line; a copied scene is still wholly its own.

#include "scene/scene.h"

#include <gtest/gtest.h>

using namespace scene;

TEST(SceneItems, ACopiedSceneOwnsItsPathsAndTexts)
{
    Scene original;
    Path cut;
    cut.runs = {{{0, 0}, {1, 0}, {1, 1}}};
    Text label;
    label.text = "N";
    Layer& layer = original.layer(layers::kCut);
    layer.items.push_back(cut);
    layer.items.push_back(label);
    layer.items.push_back(Dot{Role::Star, 7, {0.5, 0.5}, 0.1});

    Scene copy = original;
    itemAs<Path>(copy.layers[0].items[0]).runs[0][1] = {9, 9};
    itemAs<Text>(copy.layers[0].items[1]).text = "S";
    Scene assigned;
    assigned = copy;
    itemAs<Path>(assigned.layers[0].items[0]).runs.clear();

    EXPECT_EQ(itemAs<Path>(original.layers[0].items[0]).runs[0][1], (Point{1, 0}));
    EXPECT_EQ(itemAs<Text>(original.layers[0].items[1]).text, "N");
    EXPECT_EQ(itemAs<Path>(copy.layers[0].items[0]).runs[0][1], (Point{9, 9}));
    EXPECT_EQ(itemAs<Text>(assigned.layers[0].items[1]).text, "S");
    EXPECT_EQ(itemIf<Text>(&original.layers[0].items[0]), nullptr);
    EXPECT_EQ(itemAs<Dot>(original.layers[0].items[2]).index, 7);
    EXPECT_THROW(itemAs<Dot>(original.layers[0].items[0]), std::bad_variant_access);
}
