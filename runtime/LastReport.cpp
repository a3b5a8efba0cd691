// SPDX-License-Identifier: GPL-3.0-or-later
#include "LastReport.h"

#include "TextFunctions.h"

#include <charconv>
#include <cmath>

std::vector<double> LastReport::numbers() const
{
    std::vector<double> result;
    for (const ReportValue& value : values)
        result.push_back(Val(value.text).value_or(0));
    return result;
}

std::string roundTripText(double value)
{
    char buffer[32];
    // Without a precision to_chars writes the shortest round-trip form.
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::optional<double> readSeed(const std::string& text)
{
    double value = 0;
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    if (text.empty() || result.ec != std::errc() || result.ptr != end || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::string reportDetailsText(const LastReport& report)
{
    std::string text = "Button: " + report.caption + "\n";
    for (const ReportValue& value : report.values)
        text += value.title + ": " + value.text + "\n";
    text += "Seed: " + (report.seed ? roundTripText(*report.seed) : std::string("none")) + "\n";
    return text;
}
