// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

// CSV as RFC 4180 writes it: fields separated by commas, a field holding a
// comma, a quote or a line break enclosed in quotes (its quotes doubled),
// every row ended by CR LF. A field that begins with "=", "+", "-", "@", a
// tab or a CR gets a "'" before it, so that a spreadsheet shows it as text
// instead of running it as a formula.
std::string csvField(std::string_view field);
std::string csvRow(const std::vector<std::string>& fields);

// The fields of one row of a CSV file whose fields are separated by
// `separator` ("," ";" or a tab), into `fields`: a field in quotes may hold
// the separator and is given without its quotes (a doubled quote inside
// stays doubled: the numbers and dates read from it hold none).
void csvFields(std::string_view row, char separator, std::vector<std::string_view>& fields);
