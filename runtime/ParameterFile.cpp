#include "ParameterFile.h"

#include "AtomicFile.h"
#include "ClickContext.h"
#include "Dialogs.h"
#include "LastReport.h"
#include "FieldReader.h"
#include "PrintWriter.h"
#include "TextFunctions.h"

#include <utility>

ParameterFile::ParameterFile(std::string fileName, std::vector<double> defaults,
                             std::vector<std::size_t> valuesPerLine)
    : fileName_(std::move(fileName)), defaults_(std::move(defaults)),
      valuesPerLine_(std::move(valuesPerLine))
{
    if (valuesPerLine_.empty())
        valuesPerLine_.push_back(defaults_.size());
}

std::vector<double> ParameterFile::readOrCreate(std::string* problem) const
{
    std::string bytes;
    if (!isMissing(fileName_)) {
        auto read = readFileBytes(fileName_, problem, kLargestTextBytes);
        if (!read)
            return defaults_;
        bytes = std::move(*read);
    }
    std::vector<double> values(defaults_.size(), 0.0);
    FieldReader reader(bytes);
    bool usable = !reader.atEnd();
    for (std::size_t i = 0; usable && !reader.atEnd(); i = (i + 1) % values.size()) {
        const auto value = reader.readNumber();
        usable = value.has_value();
        values[i] = value.value_or(0.0);
    }
    if (usable)
        return values;
    write(defaults_); // a directory we cannot write to just skips this
    return defaults_;
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
    return writeFileBytes(fileName_, render(values));
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
    std::vector<double> values = file.readOrCreate(&problem);
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
