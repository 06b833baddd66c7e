#include "sky/csv_reader.h"
#include "test_files.h"
#include "text/input_error.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

using namespace sky;

namespace {

const std::vector<std::string> kColumns{"id", "lambda", "name"};

std::string refusal(std::string_view content)
{
    try {
        const CsvTable table = parseCsvTable(content, "names.csv", kColumns);
        for (std::size_t i = 0; i < table.records.size(); ++i) {
            numberField(table, i, 1, 0.0, 360.0);
            textField(table, i, 2, true);
        }
    } catch (const text::InputError& e) {
        return e.what();
    }
    return "";
}

} // namespace

TEST(CsvReader, ReadsQuotedFieldsAndAnyLineBreak)
{
    struct Row { const char* name; std::string_view content; std::vector<std::string> fields; };
    const Row rows[] = {
        {"LF", "id,lambda,name\nOri,88.5,Orion\n", {"Ori", "88.5", "Orion"}},
        {"CR LF, byte-order mark", "\xEF\xBB\xBFid,lambda,name\r\nOri,88.5,Orion\r\n", {"Ori", "88.5", "Orion"}},
        {"lone CR, no final break", "id,lambda,name\rOri,88.5,Orion", {"Ori", "88.5", "Orion"}},
        {"blanks trimmed", "id , lambda,name\n  Ori ,\t88.5 , Orion  \n", {"Ori", "88.5", "Orion"}},
        {"blank lines skipped", "\nid,lambda,name\n\n  \nOri,88.5,Orion\n\n", {"Ori", "88.5", "Orion"}},
        {"comma and quote in quotes", "id,lambda,name\nX,1,\"Al \"\"Na'ir\"\", Gru\"\n", {"X", "1", "Al \"Na'ir\", Gru"}},
        {"empty fields", "id,lambda,name\n,,\n", {"", "", ""}},
        {"UTF-8 names", "id,lambda,name\nOri,88.5,オリオン座\n", {"Ori", "88.5", "オリオン座"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const CsvTable table = parseCsvTable(row.content, "f", kColumns);
        ASSERT_EQ(table.records.size(), 1u);
        EXPECT_EQ(table.records[0].fields, row.fields);
    }
}

TEST(CsvReader, KeepsTheLineOfEachRecord)
{
    const CsvTable table = parseCsvTable("id,lambda,name\r\n\r\na,1,x\r\nb,2,y\n", "f", kColumns);
    ASSERT_EQ(table.records.size(), 2u);
    EXPECT_EQ(table.records[0].line, 3);
    EXPECT_EQ(table.records[1].line, 4);
}

TEST(CsvReader, RefusalsNameFileLineAndField)
{
    struct Row { const char* name; std::string_view content; std::string message; };
    const Row rows[] = {
        {"empty file", "", "names.csv: the file is empty; its first line must be the header \"id,lambda,name\"."},
        {"wrong header", "id,lon,name\n",
         "names.csv, line 1: the first line must be the header \"id,lambda,name\" (found \"id,lon,name\")."},
        {"too few fields", "id,lambda,name\nOri,88\n",
         "names.csv, line 2: record 1 has 2 fields; 3 are expected (id, lambda, name)."},
        {"too many fields", "id,lambda,name\n\nOri,88,Orion,x\n",
         "names.csv, line 3: record 1 has 4 fields; 3 are expected (id, lambda, name)."},
        {"not a number", "id,lambda,name\nOri,88,Orion\nCMa,abc,Dog\n",
         "names.csv, line 3: the field lambda of record 2 is not a number (found \"abc\")."},
        {"empty number", "id,lambda,name\nOri,,Orion\n",
         "names.csv, line 2: the field lambda of record 1 is not a number (found an empty field)."},
        {"out of range", "id,lambda,name\nOri,360.5,Orion\n",
         "names.csv, line 2: the field lambda of record 1 must lie between 0 and 360 (found \"360.5\")."},
        {"empty text", "id,lambda,name\nOri,88,\n",
         "names.csv, line 2: the field name of record 1 is empty; it must name something."},
        {"quote not closed", "id,lambda,name\nOri,88,\"Orion\n",
         "names.csv, line 2: field 3 opens a quote that is not closed on its line."},
        {"text after quote", "id,lambda,name\nOri,88,\"Ori\"on\n",
         "names.csv, line 2: field 3: only a comma may follow a closing quote (found \"on\")."},
        {"stray quote", "id,lambda,name\nOri,88,Ori\"on\n",
         "names.csv, line 2: field 3 holds a quote outside quotes (found \"Ori\"on\"); write the field in quotes "
         "and double each quote in it."},
        {"bad UTF-8", "id,lambda,name\nOri,88,Ori\xFFon\n",
         "names.csv, line 2: the text is not valid UTF-8 (byte 0xFF at byte 11 of the line)."},
        {"overlong UTF-8", "id,lambda,name\nOri,88,\xC0\xAF\n",
         "names.csv, line 2: the text is not valid UTF-8 (byte 0xC0 at byte 8 of the line)."},
        {"cut UTF-8", "id,lambda,name\nOri,88,\xE3\x82\n",
         "names.csv, line 2: the text is not valid UTF-8 (byte 0xE3 at byte 8 of the line)."},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(refusal(row.content), row.message);
    }
}

TEST(CsvReader, WholeNumbersRefuseFractions)
{
    const CsvTable table = parseCsvTable("id,lambda,name\n1.5,2,x\n", "f.csv", kColumns);
    EXPECT_EQ(wholeField(table, 0, 1, 1, 3), 2);
    try {
        wholeField(table, 0, 0, 0, 10);
        FAIL() << "no refusal";
    } catch (const text::InputError& e) {
        EXPECT_STREQ(e.what(), "f.csv, line 2: the field id of record 1 must be a whole number (found \"1.5\").");
    }
}

TEST(CsvReader, RefusesWhatIsNotASmallRegularFile)
{
    testing_support::TempDir dir;
    const std::string folder = (dir.path() / "folder.csv").string();
    std::filesystem::create_directory(folder);
    const std::string fifo = (dir.path() / "pipe.csv").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string large = dir.write("large.csv", "");
    std::filesystem::resize_file(large, kMaxDataFileBytes + 1); // sparse: no disk used
    const std::string missing = (dir.path() / "missing.csv").string();
    struct Row { const char* name; std::string path; std::string message; };
    const Row rows[] = {
        {"folder", folder, folder + ": this is a folder, not a file."},
        {"pipe", fifo, fifo + ": this is not a regular file (a device, pipe or socket, say); only files are read."},
        {"over 64 MiB", large, large + ": the file is 67108865 bytes; at most 67108864 bytes (64 MiB) are read."},
        {"missing", missing, missing + ": the file cannot be opened (No such file or directory)."},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        try {
            readCsvTable(row.path, kColumns);
            ADD_FAILURE() << "no refusal";
        } catch (const text::InputError& e) {
            EXPECT_EQ(e.what(), row.message);
        }
    }
    const std::string exact = dir.write("ok.csv", "id,lambda,name\n");
    EXPECT_TRUE(readCsvTable(exact, kColumns).records.empty());
}
