#include "polyhedron/polyhedron_model.h"

#include "polyhedron_test_support.h"
#include "text/input_error.h"

#include <gtest/gtest.h>

using namespace polyhedron;
using polyhedron::testing::TempDir;

namespace {

std::string repeat(const std::string& line, int times)
{
    std::string s;
    for (int i = 0; i < times; ++i)
        s += line;
    return s;
}

TEST(PolyhedronModel, TablesKeepTheAllZeroEntryInFront)
{
    TempDir dir;
    PolyhedronModel model;
    EXPECT_EQ(model.VertexCount(), 0);
    EXPECT_EQ(model.FaceCount(), 0);

    model.loadVertexFile(dir.write("v.csv", "10,20\r\n-30.5,400\r\n"));
    ASSERT_EQ(model.VertexCount(), 2);
    EXPECT_EQ(model.vertices[0].Phi, 0.0);
    EXPECT_EQ(model.vertices[1].Phi, 10.0); // latitude first
    EXPECT_EQ(model.vertices[1].Lambda, 20.0);
    EXPECT_EQ(model.vertices[2].Lambda, 400.0); // stored as read, no wrapping

    model.loadFaceFile(dir.write("f.csv", "12.5,-30,3,1,2,3,0,0,0\r\n"));
    ASSERT_EQ(model.FaceCount(), 1);
    EXPECT_EQ(model.faces[0].CornerCount, 0);
    EXPECT_EQ(model.faces[0].Lambda, 0.0);
    EXPECT_EQ(model.faces[1].Phi, 12.5);
    EXPECT_EQ(model.faces[1].Lambda, -30.0);
    EXPECT_EQ(model.faces[1].Corners[2], 3);

    const auto empty = dir.write("empty.csv", "");
    model.loadVertexFile(empty);
    EXPECT_EQ(model.VertexCount(), 0);
    EXPECT_EQ(model.VertexFileName, empty);
}

TEST(PolyhedronModel, FaceRecordOverTwoLinesIsOneFace)
{
    TempDir dir;
    const auto faces = readFaceFile(dir.write("f.csv", "52.5,36\r\n5,1,2,3,4,5,0\r\n-10,200,6,7,8,9,10,11,12\r\n"));
    ASSERT_EQ(faces.size(), 3u);
    EXPECT_EQ(faces[1].Phi, 52.5);
    EXPECT_EQ(faces[1].CornerCount, 5);
    EXPECT_EQ(faces[1].Corners[4], 5);
    EXPECT_EQ(faces[1].Corners[5], 0);
    EXPECT_EQ(faces[2].Lambda, 200.0);
    EXPECT_EQ(faces[2].Corners[5], 12);
}

TEST(PolyhedronModel, ThirtyTwoFacesFillTheTable)
{
    TempDir dir;
    const auto faces = readFaceFile(dir.write("f.csv", repeat("0,0,5,1,2,3,4,5,0\r\n", 32)));
    EXPECT_EQ(faces.size(), 33u);
}

TEST(PolyhedronModel, RefusesBadFaceFiles)
{
    struct Row
    {
        const char* name;
        std::string content;
        std::vector<std::string> expected; // pieces the message must hold
    };
    const std::string good = "0,0,3,1,2,3,0,0,0\r\n";
    const Row rows[] = {
        {"33 faces", repeat(good, 33), {"line 33", "33 faces", "32"}},
        {"corner count above 6", good + "0,0,7,1,2,3,4,5,6\r\n", {"line 2", "CornerCount", "\"7\""}},
        {"negative corner count", "0,0,-1,1,2,3,0,0,0\r\n", {"line 1", "CornerCount", "\"-1\""}},
        {"fractional corner count", "0,0,2.5,1,2,3,0,0,0\r\n", {"line 1", "CornerCount", "whole number"}},
        {"fractional vertex number", good + good + "0,0,3,1,2.5,3,0,0,0\r\n", {"line 3", "Corner 2", "whole number"}},
        {"vertex number beyond 16 bits", "0,0,3,1,2,40000,0,0,0\r\n", {"line 1", "Corner 3", "-32768 to 32767"}},
        {"placeholder beyond 16 bits", "0,0,3,1,2,3,0,0,-32769\r\n", {"line 1", "Corner 6", "-32768 to 32767"}},
        {"not a number", "0,0,3,1,x,3,0,0,0\r\n", {"line 1", "Corner 2", "not a number"}},
        {"record cut short", good + "0,0,3,1,2\r\n", {"line 3", "cut short"}},
        {"second line of a record faulty", "0,0\r\n3,1,2,3,0,0,abc\r\n", {"line 2", "Corner 6"}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        TempDir dir;
        const auto path = dir.write("faces.csv", r.content);
        PolyhedronModel model;
        model.faces.push_back(Face{1, 2, 3, {1, 2, 3}});
        model.FaceFileName = "earlier.csv";
        try {
            model.loadFaceFile(path);
            ADD_FAILURE() << "no refusal";
        } catch (const text::InputError& e) {
            const std::string message = e.what();
            EXPECT_NE(message.find(path), std::string::npos) << message;
            for (const auto& piece : r.expected)
                EXPECT_NE(message.find(piece), std::string::npos) << message << " lacks " << piece;
        }
        // A refused file leaves the loaded table as it was.
        EXPECT_EQ(model.FaceCount(), 1);
        EXPECT_EQ(model.FaceFileName, "earlier.csv");
    }
}

TEST(PolyhedronModel, ModelFilesMustBeRegularFiles)
{
    TempDir dir;
    for (const std::string& path : {std::string("/dev/zero"), dir.path().string()}) {
        SCOPED_TRACE(path);
        PolyhedronModel model;
        EXPECT_THROW(model.loadVertexFile(path), text::InputError);
        EXPECT_THROW(model.loadFaceFile(path), text::InputError);
        EXPECT_TRUE(model.VertexFileName.empty());
        EXPECT_TRUE(model.FaceFileName.empty());
    }
}

TEST(PolyhedronModel, VertexFileLimitIs32767Records)
{
    TempDir dir;
    EXPECT_EQ(readVertexFile(dir.write("ok.csv", repeat("1,2\r\n", 32767))).size(), 32768u);
    try {
        readVertexFile(dir.write("big.csv", repeat("1,2\r\n", 32768)));
        ADD_FAILURE() << "no refusal";
    } catch (const text::InputError& e) {
        EXPECT_NE(std::string(e.what()).find("line 32768"), std::string::npos) << e.what();
    }
}

} // namespace
