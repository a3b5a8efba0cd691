#pragma once

#include <string>
#include <string_view>
#include <vector>

// CSV as RFC 4180 writes it: fields separated by commas, a field holding a
// comma, a quote or a line break enclosed in quotes (its quotes doubled),
// every row ended by CR LF.
std::string csvField(std::string_view field);
std::string csvRow(const std::vector<std::string>& fields);
