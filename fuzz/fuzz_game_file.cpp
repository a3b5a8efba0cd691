// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a game file: the games come out, names stay whole characters.
// The bytes, decoded as Open decodes them, encode back to the same bytes,
// and a message quoting them shows no control character.
#include "GameFile.h"
#include "RandomSource.h"
#include "SportsBetting.h"
#include "TextFile.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1)
        return 0;
    const int count = data[0] % 40 + 1;
    const std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    const DecodedText decoded = decodeBytes(bytes);
    const EncodedText encoded = encodeText(decoded.text, decoded.encoding);
    if (!isValidUtf8(decoded.text) || encoded.bytes != bytes || !encoded.unwritable.empty())
        std::abort();
    for (const char c : escapeControls(decoded.text))
        if ((static_cast<unsigned char>(c) < 0x20 && c != '\n') || c == 0x7F)
            std::abort();
    const std::string& text = decoded.text;
    const std::vector<Game> games = readGames(text, count);
    if (games.size() != static_cast<std::size_t>(count))
        std::abort();
    for (const Game& game : games)
        if (!isValidUtf8(ticketName(game.firstTeam)) || !isValidUtf8(ticketName(game.secondTeam)))
            std::abort();
    RandomSource random;
    random.reseed(size);
    (void)ticketReport(games, random);
    return 0;
}
