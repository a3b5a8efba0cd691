#include "FieldReader.h"
#include "ParameterFile.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

namespace {

const std::vector<ParameterPrompt> kHorsePrompt = {
    {"How many horses in the race (6, 7, 8, 9,...12...):", "Number of Horses in The Race"}};

} // namespace

// The file exists with the defaults before the answer is checked; 99 ends
// the command here, an answer of 0 or less keeps the remembered value.
TEST(ParameterFile, IsCreatedBeforeThePromptAndRemembersTheAnswer)
{
    const std::pair<const char*, const char*> cases[] = {
        {" 12", " 12 \r\n"}, {"12.5", " 12.5 \r\n"}, {"", " 8 \r\n"},    {"-4", " 8 \r\n"},
        {"abc", " 8 \r\n"},  {"1e400", " 8 \r\n"},   {"99", nullptr},
    };
    for (const auto& [answer, written] : cases) {
        TempDirectory dir;
        std::ostringstream messages;
        ScriptedDialogs dialogs({answer}, messages);
        ParameterFile file("Horses.INI", {8});
        std::string before;
        const auto values = askParameters(dialogs, file, kHorsePrompt, [&](std::size_t i, double a, double kept) {
            before = readFile("Horses.INI");
            return a == 99 ? std::nullopt : keepRememberedWhenNotPositive(i, a, kept);
        });
        EXPECT_EQ(before, " 8 \r\n") << answer;
        ASSERT_EQ(dialogs.shown().size(), 1u);
        EXPECT_EQ(dialogs.shown()[0].defaultText, " 8");
        EXPECT_EQ(dialogs.shown()[0].title, "Number of Horses in The Race");
        ASSERT_EQ(values.has_value(), written != nullptr) << answer;
        if (values) {
            ASSERT_TRUE(file.write(*values).ok);
            EXPECT_EQ(readFile("Horses.INI"), written) << answer;
        }
    }
}

// A file read as the defaults is rewritten with them.
TEST(ParameterFile, ReadsHandEditedFilesAndTakesTheDefaultsForOnesWithoutNumbers)
{
    const std::pair<std::string, std::vector<double>> cases[] = {
        {"10", {10, 0}},
        {" 53           42 \r\n", {53, 42}},
        {"1,2\r\n3", {3, 2}}, // the last complete set stands, a partial one overwrites
        {" 50 \r\n 9 \r\n \t ", {50, 9}},
        {"", {7, 9}},
        {" \r\n\r\n", {7, 9}},
        {"abc\r\n", {7, 9}},
        {"49,,\r\n", {7, 9}},
        {"49, x\r\n", {7, 9}},
        {"1e999\r\n", {7, 9}},
    };
    for (const auto& [content, expected] : cases) {
        TempDirectory dir;
        writeFile("Game.INI", content);
        std::string problem;
        EXPECT_EQ(ParameterFile("Game.INI", {7, 9}).readOrCreate(&problem), expected) << content;
        const bool defaults = expected == std::vector<double>{7, 9};
        EXPECT_EQ(readFile("Game.INI"), defaults ? " 7 " + std::string(11, ' ') + " 9 \r\n" : content) << content;
        EXPECT_EQ(problem, "") << content;
    }
}

TEST(ParameterFile, WritesValuesInPrintZonesOrOnSeparateLines)
{
    EXPECT_EQ(ParameterFile("a", {50, 9}, {1, 1}).render({50, 9}), " 50 \r\n 9 \r\n");
    // " 49 " fills columns 1 to 4; blanks run to column 15, where " 6 " starts.
    EXPECT_EQ(ParameterFile("a", {1, 2, 3}).render({49, 6, 42}),
              " 49 " + std::string(10, ' ') + " 6 " + std::string(11, ' ') + " 42 \r\n");
}

TEST(ParameterFile, AnUnwritableDirectoryStillGivesTheDefaults)
{
    // A folder that does not exist cannot be written, not even by root.
    TempDirectory dir;
    const ParameterFile file("gone/Horses.INI", {8});
    EXPECT_EQ(file.readOrCreate(), std::vector<double>{8});
    EXPECT_FALSE(file.write({8}).ok);
}

TEST(FieldReader, TextFieldsEndAtCommasUnlessQuoted)
{
    FieldReader reader("  Jets , Giants\r\n\"Kansas, City\",Bears\nlast");
    for (const char* field : {"Jets", "Giants", "Kansas, City", "Bears"})
        EXPECT_EQ(reader.readText(), field);
    EXPECT_FALSE(reader.atEnd());
    EXPECT_EQ(reader.readText(), "last");
    EXPECT_TRUE(reader.atEnd());
}
