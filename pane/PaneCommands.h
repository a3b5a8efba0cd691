// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ClickContext.h"

// Loads a text file into the emptied pane, decoded so that Save can give
// back its very bytes (TextEncoding.h). Files above kLargestTextBytes and
// files that are not regular files (a pipe would freeze the window) are
// refused with a message.
void Open_Click(ClickContext& click);
// Replaces the pane's text with the keyboard editing help.
void Edit_Click(ClickContext& click);
// Writes the pane's text, with its own line ends and in the encoding of the
// file it was opened from, to a file, replacing it whole or not at all.
void Save_Click(ClickContext& click);
// Prints the pane's selection, or its whole text.
void Print_Click(ClickContext& click);
// Restyles the selection, or the whole pane when nothing is selected.
void Font_Click(ClickContext& click);
