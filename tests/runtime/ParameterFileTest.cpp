// SPDX-License-Identifier: GPL-3.0-or-later
#include "FieldReader.h"
#include "ParameterFile.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

const std::vector<ParameterPrompt> kHorsePrompt = {
    {"How many horses in the race (6, 7, 8, 9,...12...):", "Number of Horses in The Race"}};

} // namespace

// Reading writes nothing: the file appears only when the answer is
// remembered. 99 ends the command here, an answer of 0 or less keeps the
// remembered value.
TEST(ParameterFile, IsWrittenOnlyWithTheAnswer)
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
        std::vector<std::string> before;
        const auto values = askParameters(dialogs, file, kHorsePrompt, [&](std::size_t i, double a, double kept) {
            before = folderEntries();
            return a == 99 ? std::nullopt : keepRememberedWhenNotPositive(i, a, kept);
        });
        EXPECT_EQ(before, std::vector<std::string>{}) << answer;
        ASSERT_EQ(dialogs.shown().size(), 1u);
        EXPECT_EQ(dialogs.shown()[0].defaultText, " 8");
        EXPECT_EQ(dialogs.shown()[0].title, "Number of Horses in The Race");
        ASSERT_EQ(values.has_value(), written != nullptr) << answer;
        if (values) {
            rememberAnswers(dialogs, file, *values, kHorsePrompt[0].title);
            EXPECT_EQ(readFile("Horses.INI"), written) << answer;
        }
        EXPECT_EQ(messages.str(), "") << answer;
    }
}

// Hand-edited files are read as far as they hold numbers and left as they
// are; the answer is written over a file of numbers and blanks only.
TEST(ParameterFile, ReadsHandEditedFilesAndWritesOverNoneThatHoldsText)
{
    // the file, the values read, whether the answer may be written over it
    const std::tuple<std::string, std::vector<double>, bool> cases[] = {
        {"10", {10, 0}, true},
        {" 53           42 \r\n", {53, 42}, true},
        {"1,2\r\n3", {3, 2}, true}, // the last complete set stands, a partial one overwrites
        {" 50 \r\n 9 \r\n \t ", {50, 9}, true},
        {"-12.5E+3,.5\r\n7.", {7, 0.5}, true},
        {"", {7, 9}, true},
        {" \r\n\r\n", {7, 9}, true},
        {"49,,\r\n", {7, 9}, true},
        {"1e999\r\n", {7, 9}, true},
        {"abc\r\n", {7, 9}, false},
        {"49, x\r\n", {7, 9}, false},
        {"[Display]\r\nTrack=Ascot\r\n", {7, 9}, false},
        {"1.2.3", {1.2, 0}, false},
        {"\xef\xbb\xbf 8 \r\n", {7, 9}, false},
        {std::string("8\0", 2), {8, 0}, false},
    };
    for (const auto& [content, values, numbers] : cases) {
        TempDirectory dir;
        writeFile("Game.INI", content);
        const ParameterFile file("Game.INI", {7, 9});
        std::string problem;
        EXPECT_EQ(file.read(&problem), values) << content;
        EXPECT_EQ(problem, "") << content;
        EXPECT_EQ(readFile("Game.INI"), content);

        std::ostringstream messages;
        ScriptedDialogs dialogs({}, messages);
        rememberAnswers(dialogs, file, {1, 2}, "Game");
        EXPECT_EQ(readFile("Game.INI"), numbers ? " 1 " + std::string(11, ' ') + " 2 \r\n" : content);
        EXPECT_EQ(messages.str(), numbers ? ""
                                          : "[Game] The answer could not be remembered in \"Game.INI\": it holds "
                                            "text other than numbers and is left as it is.\n");
        EXPECT_EQ(folderEntries(), std::vector<std::string>{"Game.INI"});
    }
}

TEST(ParameterFile, WritesValuesInPrintZonesOrOnSeparateLines)
{
    EXPECT_EQ(ParameterFile("a", {50, 9}, {1, 1}).render({50, 9}), " 50 \r\n 9 \r\n");
    // " 49 " fills columns 1 to 4; blanks run to column 15, where " 6 " starts.
    EXPECT_EQ(ParameterFile("a", {1, 2, 3}).render({49, 6, 42}),
              " 49 " + std::string(10, ' ') + " 6 " + std::string(11, ' ') + " 42 \r\n");
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
