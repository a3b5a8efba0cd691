#include "FieldReader.h"
#include "ParameterFile.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

namespace {

const std::vector<ParameterPrompt> kHorsePrompt = {
    {"How many horses in the race (6, 7, 8, 9,...12...):", "Number of Horses in The Race"}};

std::optional<std::vector<double>> ask(ScriptedDialogs& dialogs, const ParameterFile& file,
                                       const AnswerCheck& check = keepRememberedWhenNotPositive)
{
    return askParameters(dialogs, file, kHorsePrompt, check);
}

} // namespace

TEST(ParameterFile, IsCreatedWithTheDefaultsBeforeThePrompt)
{
    TempDirectory dir;
    std::ostringstream messages;
    ScriptedDialogs dialogs({""}, messages);
    ParameterFile file("Horses.INI", {8});
    const auto values = ask(dialogs, file, [](std::size_t, double answer, double) -> std::optional<double> {
        EXPECT_EQ(readFile("Horses.INI"), " 8 \r\n");
        if (answer == 0)
            return std::nullopt;
        return answer;
    });
    EXPECT_FALSE(values.has_value());
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].defaultText, " 8");
    EXPECT_EQ(dialogs.shown()[0].title, "Number of Horses in The Race");
}

TEST(ParameterFile, AnswersAreReadAsNumbersAndWrittenBack)
{
    struct Case {
        const char* answer;
        const char* written;
    };
    const Case cases[] = {{" 12", " 12 \r\n"}, {"12.5", " 12.5 \r\n"}, {"", " 8 \r\n"},
                          {"-4", " 8 \r\n"},   {"abc", " 8 \r\n"},     {"1e400", " 8 \r\n"}};
    for (const Case& c : cases) {
        TempDirectory dir;
        std::ostringstream messages;
        ScriptedDialogs dialogs({c.answer}, messages);
        ParameterFile file("Horses.INI", {8});
        const auto values = ask(dialogs, file);
        ASSERT_TRUE(values.has_value());
        ASSERT_TRUE(file.write(*values).ok);
        EXPECT_EQ(readFile("Horses.INI"), c.written) << c.answer;
    }
}

TEST(ParameterFile, ReadsHandEditedFilesAndTakesTheDefaultsForOnesWithoutNumbers)
{
    const std::string defaults = " 7 " + std::string(11, ' ') + " 9 \r\n";
    struct Case {
        std::string content;
        std::vector<double> expected;
        std::string after; // the file once read
    };
    const Case cases[] = {
        {"10", {10, 0}, "10"},
        {" 53           42 \r\n", {53, 42}, " 53           42 \r\n"},
        {"1,2\r\n3,4\r\n", {3, 4}, "1,2\r\n3,4\r\n"},
        {"1,2\r\n3", {3, 2}, "1,2\r\n3"}, // the last complete set stands, a partial one overwrites
        {" 50 \r\n 9 \r\n", {50, 9}, " 50 \r\n 9 \r\n"},
        {"", {7, 9}, defaults},
        {" \r\n\r\n", {7, 9}, defaults},
        {"abc\r\n", {7, 9}, defaults},
        {"49,,\r\n", {7, 9}, defaults},
        {"49, x\r\n", {7, 9}, defaults},
        {"1e999\r\n", {7, 9}, defaults},
    };
    for (const Case& c : cases) {
        TempDirectory dir;
        writeFile("Game.INI", c.content);
        std::string problem;
        EXPECT_EQ(ParameterFile("Game.INI", {7, 9}).readOrCreate(&problem), c.expected) << c.content;
        EXPECT_EQ(readFile("Game.INI"), c.after) << c.content;
        EXPECT_EQ(problem, "") << c.content;
    }
}

TEST(ParameterFile, WritesValuesInPrintZonesOrOnSeparateLines)
{
    // " 53 " fills columns 1 to 4; blanks run to column 15, where " 42 " starts.
    EXPECT_EQ(ParameterFile("a", {53, 42}).render({53, 42}), " 53 " + std::string(10, ' ') + " 42 \r\n");
    EXPECT_EQ(ParameterFile("a", {50, 9}, {1, 1}).render({50, 9}), " 50 \r\n 9 \r\n");
    EXPECT_EQ(ParameterFile("a", {1, 2, 3}).render({49, 6, 42}),
              " 49 " + std::string(10, ' ') + " 6 " + std::string(11, ' ') + " 42 \r\n");
}

TEST(ParameterFile, AnUnwritableDirectoryStillPromptsTheDefault)
{
    // A folder that does not exist cannot be written, not even by root.
    TempDirectory dir;
    std::ostringstream messages;
    ScriptedDialogs dialogs({}, messages);
    ParameterFile file("gone/Horses.INI", {8});
    const auto values = ask(dialogs, file);
    EXPECT_FALSE(fileExists("gone/Horses.INI"));
    ASSERT_TRUE(values.has_value());
    EXPECT_EQ((*values)[0], 8);
    EXPECT_FALSE(file.write(*values).ok);
}

TEST(FieldReader, TextFieldsEndAtCommasUnlessQuoted)
{
    FieldReader reader("  Jets , Giants\r\n\"Kansas, City\",Bears\nlast");
    EXPECT_EQ(reader.readText(), "Jets");
    EXPECT_EQ(reader.readText(), "Giants");
    EXPECT_EQ(reader.readText(), "Kansas, City");
    EXPECT_EQ(reader.readText(), "Bears");
    EXPECT_FALSE(reader.atEnd());
    EXPECT_EQ(reader.readText(), "last");
    EXPECT_TRUE(reader.atEnd());
}
