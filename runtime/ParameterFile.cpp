// SPDX-License-Identifier: GPL-3.0-or-later
#include "ParameterFile.h"

#include "AtomicFile.h"
#include "ClickContext.h"
#include "Dialogs.h"
#include "LastReport.h"
#include "FieldReader.h"
#include "PrintWriter.h"
#include "TextFunctions.h"

#include <string_view>
#include <utility>

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// A number as the print statement writes it or a hand may type it:
// [sign] digits [. digits] [E|D [sign] digits], the digits on either side
// of the point optional but not both.
bool looksLikeNumber(std::string_view field)
{
    std::size_t i = 0;
    const auto digits = [&] {
        const std::size_t start = i;
        while (i < field.size() && isDigit(field[i]))
            ++i;
        return i - start;
    };
    if (i < field.size() && (field[i] == '+' || field[i] == '-'))
        ++i;
    std::size_t mantissa = digits();
    if (i < field.size() && field[i] == '.') {
        ++i;
        mantissa += digits();
    }
    if (mantissa == 0)
        return false;
    if (i < field.size() && (field[i] == 'E' || field[i] == 'e' || field[i] == 'D' || field[i] == 'd')) {
        ++i;
        if (i < field.size() && (field[i] == '+' || field[i] == '-'))
            ++i;
        if (digits() == 0)
            return false;
    }
    return i == field.size();
}

} // namespace

bool holdsOnlyNumbers(std::string_view text)
{
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i < text.size() && std::string_view(" \t\r\n,").find(text[i]) == std::string_view::npos)
            continue;
        if (i > start && !looksLikeNumber(text.substr(start, i - start)))
            return false;
        start = i + 1;
    }
    return true;
}

ParameterFile::ParameterFile(std::string fileName, std::vector<double> defaults,
                             std::vector<std::size_t> valuesPerLine)
    : fileName_(std::move(fileName)), defaults_(std::move(defaults)),
      valuesPerLine_(std::move(valuesPerLine))
{
    if (valuesPerLine_.empty())
        valuesPerLine_.push_back(defaults_.size());
}

std::vector<double> ParameterFile::read(std::string* problem) const
{
    if (isMissing(fileName_))
        return defaults_;
    const auto bytes = readFileBytes(fileName_, problem, kLargestTextBytes);
    if (!bytes)
        return defaults_;
    std::vector<double> values(defaults_.size(), 0.0);
    FieldReader reader(*bytes);
    bool usable = !reader.atEnd();
    for (std::size_t i = 0; usable && !reader.atEnd(); i = (i + 1) % values.size()) {
        const auto value = reader.readNumber();
        usable = value.has_value();
        values[i] = value.value_or(0.0);
    }
    return usable ? values : defaults_;
}

std::string ParameterFile::render(const std::vector<double>& values) const
{
    PrintWriter out;
    std::size_t next = 0;
    for (std::size_t count : valuesPerLine_) {
        for (std::size_t i = 0; i < count && next < values.size(); ++i, ++next) {
            if (i > 0)
                out.zone();
            out.number(values[next]);
        }
        out.endLine();
    }
    return out.take();
}

FileResult ParameterFile::write(const std::vector<double>& values) const
{
    return writeFileBytes(fileName_, render(values), [](const std::string& old) -> std::optional<std::string> {
        if (holdsOnlyNumbers(old))
            return std::nullopt;
        return "it holds text other than numbers and is left as it is";
    });
}

void rememberAnswers(Dialogs& dialogs, const ParameterFile& file, const std::vector<double>& values,
                     const std::string& title)
{
    const FileResult written = file.write(values);
    if (!written.ok)
        dialogs.message("The answer could not be remembered in \"" + file.fileName() + "\": "
                            + written.error + ".",
                        title);
}

std::optional<double> keepRememberedWhenNotPositive(std::size_t, double answer, double remembered)
{
    return answer <= 0 ? remembered : answer;
}

std::optional<std::vector<double>> askParameters(Dialogs& dialogs, const ParameterFile& file,
                                                 const std::vector<ParameterPrompt>& prompts,
                                                 const AnswerCheck& check)
{
    std::string problem;
    std::vector<double> values = file.read(&problem);
    if (!problem.empty())
        dialogs.message("Cannot read \"" + file.fileName() + "\": " + problem + ".", prompts.front().title);
    for (std::size_t i = 0; i < prompts.size() && i < values.size(); ++i) {
        const std::string reply = dialogs.prompt(prompts[i].text, prompts[i].title, Str(values[i]));
        const double answer = Val(reply).value_or(0.0);
        const auto kept = check(i, answer, values[i]);
        if (!kept)
            return std::nullopt;
        values[i] = *kept;
    }
    return values;
}

std::optional<std::vector<double>> askParameters(ClickContext& click, const ParameterFile& file,
                                                 const std::vector<ParameterPrompt>& prompts,
                                                 const AnswerCheck& check)
{
    auto values = askParameters(click.dialogs, file, prompts, check);
    if (values) {
        for (std::size_t i = 0; i < values->size() && i < prompts.size(); ++i)
            click.report.values.push_back({prompts[i].title, roundTripText((*values)[i])});
    }
    return values;
}
