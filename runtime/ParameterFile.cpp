#include "ParameterFile.h"

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

std::vector<double> ParameterFile::readOrCreate() const
{
    if (!fileExists(fileName_)) {
        write(defaults_); // a directory we cannot write to just skips this
        return defaults_;
    }
    const auto bytes = readFileBytes(fileName_);
    if (!bytes)
        return defaults_;
    std::vector<double> values(defaults_.size(), 0.0);
    FieldReader reader(*bytes);
    for (std::size_t i = 0; !reader.atEnd(); i = (i + 1) % values.size())
        values[i] = reader.readNumber();
    return values;
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

std::optional<double> keepRememberedWhenNotPositive(std::size_t, double answer, double remembered)
{
    return answer <= 0 ? remembered : answer;
}

std::optional<std::vector<double>> askParameters(Dialogs& dialogs,
                                                 const std::vector<double>& remembered,
                                                 const std::vector<ParameterPrompt>& prompts,
                                                 const AnswerCheck& check)
{
    std::vector<double> values = remembered;
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

std::optional<std::vector<double>> askParameters(ClickContext& click,
                                                 const std::vector<double>& remembered,
                                                 const std::vector<ParameterPrompt>& prompts,
                                                 const AnswerCheck& check)
{
    auto values = askParameters(click.dialogs, remembered, prompts, check);
    if (values) {
        for (std::size_t i = 0; i < values->size() && i < prompts.size(); ++i)
            click.report.values.push_back({prompts[i].title, roundTripText((*values)[i])});
    }
    return values;
}
