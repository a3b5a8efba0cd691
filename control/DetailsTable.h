// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string>
#include <vector>

class QDialog;
class QString;
class QWidget;

// The cells of a message box's details: a tier line ("5 of 6: 258
// combinations, 1 in 54,200.84") gives its tier, its count and its odds; a
// line of another shape is one cell.
std::vector<std::vector<std::string>> detailCells(const std::string& details);

// A message box whose details stand below its text as a table with the
// columns Tier, Combinations and Odds, every row whole on one line; details
// without a tier line stand as their own lines of text.
std::unique_ptr<QDialog> messageWithDetails(QWidget* parent, const QString& title, const QString& text,
                                            const std::string& details);
