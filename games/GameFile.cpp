// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameFile.h"

#include "FieldReader.h"

namespace {

constexpr std::size_t kNameLength = 6;

bool startsCharacter(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) != 0x80; }

// Upper case of the letters of the 8-bit code page game files used to be
// written in: ASCII and the Latin-1 letters (U+00E0 to U+00FF but the
// division sign; ÿ becomes Ÿ). Other characters stay as they are.
std::string upperCase(std::string_view character)
{
    const auto lead = static_cast<unsigned char>(character[0]);
    if (character.size() == 1 && lead >= 'a' && lead <= 'z')
        return std::string(1, static_cast<char>(lead - 'a' + 'A'));
    if (character.size() == 2 && lead == 0xC3) {
        const auto second = static_cast<unsigned char>(character[1]);
        if (second == 0xBF)
            return "\u0178";
        if (second >= 0xA0 && second != 0xB7)
            return {static_cast<char>(lead), static_cast<char>(second - 0x20)};
    }
    return std::string(character);
}

} // namespace

std::string ticketName(std::string_view name)
{
    std::string out;
    std::size_t characters = 0;
    std::size_t i = 0;
    while (i < name.size() && characters < kNameLength) {
        std::size_t end = i + 1;
        while (end < name.size() && !startsCharacter(name[end]))
            ++end;
        out += upperCase(name.substr(i, end - i));
        ++characters;
        i = end;
    }
    return out;
}

namespace {

// The first `count` games with their teams named as the file writes them.
std::vector<Game> readNames(std::string_view text, int count)
{
    std::vector<Game> games(count > 0 ? static_cast<std::size_t>(count) : 0);
    // A byte-order mark an editor put first is no part of the first team.
    if (text.rfind("\xEF\xBB\xBF", 0) == 0)
        text.remove_prefix(3);
    FieldReader reader(text);
    for (Game& game : games) {
        // Past the end of the text a field reads as empty.
        game.firstTeam = reader.readText();
        game.secondTeam = reader.readText();
    }
    return games;
}

} // namespace

std::vector<Game> readGames(std::string_view text, int count)
{
    std::vector<Game> games = readNames(text, count);
    for (Game& game : games) {
        game.firstTeam = ticketName(game.firstTeam);
        game.secondTeam = ticketName(game.secondTeam);
    }
    return games;
}

std::string sameTicketNames(std::string_view text, int count)
{
    std::string lines;
    const std::vector<Game> names = readNames(text, count);
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::string printed = ticketName(names[i].firstTeam);
        // A game past the end of the file has no teams to tell apart.
        if (names[i].firstTeam.empty() || printed != ticketName(names[i].secondTeam))
            continue;
        lines += "Game " + std::to_string(i + 1) + ": \"" + names[i].firstTeam + "\" and \""
                 + names[i].secondTeam + "\" both print as " + printed + ".\n";
    }
    return lines;
}
