// Any bytes as a game file: the games come out, names stay whole characters.
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
    const std::string text = decodeText(std::string(reinterpret_cast<const char*>(data) + 1, size - 1));
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
