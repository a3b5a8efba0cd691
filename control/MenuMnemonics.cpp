// SPDX-License-Identifier: GPL-3.0-or-later
#include "MenuMnemonics.h"

#include <cctype>
#include <set>

namespace {

char folded(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }
bool isLetter(char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; }

// The position of the letter after a single "&", or npos.
std::size_t markedLetter(const std::string& caption)
{
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&')
            continue;
        if (caption[i + 1] != '&')
            return i + 1;
        ++i;
    }
    return std::string::npos;
}

} // namespace

std::vector<std::string> withMnemonics(const std::vector<std::string>& captions)
{
    std::set<char> taken;
    for (const std::string& caption : captions)
        if (const std::size_t at = markedLetter(caption); at != std::string::npos)
            taken.insert(folded(caption[at]));
    std::vector<std::string> marked = captions;
    for (std::string& caption : marked) {
        if (markedLetter(caption) != std::string::npos)
            continue;
        std::size_t chosen = std::string::npos;
        for (const bool wordStartsOnly : {true, false}) {
            for (std::size_t i = 0; i < caption.size() && chosen == std::string::npos; ++i) {
                const bool startsWord = i == 0 || caption[i - 1] == ' ';
                if (isLetter(caption[i]) && (startsWord || !wordStartsOnly) && !taken.count(folded(caption[i])))
                    chosen = i;
            }
        }
        if (chosen == std::string::npos)
            continue;
        taken.insert(folded(caption[chosen]));
        caption.insert(chosen, 1, '&');
    }
    return marked;
}
