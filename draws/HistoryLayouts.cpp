// SPDX-License-Identifier: GPL-3.0-or-later
#include "HistoryLayouts.h"

#include <cctype>
#include <string>

const std::vector<HistoryLayout> kHistoryLayouts = {
    {"Canada: Lotto 6/49, Lotto Max",
     "\"PRODUCT\",\"DRAW NUMBER\",\"SEQUENCE NUMBER\",\"DRAW DATE\",\"NUMBER DRAWN 1\",\"NUMBER DRAWN 2\","
     "\"NUMBER DRAWN 3\",\"NUMBER DRAWN 4\",\"NUMBER DRAWN 5\",\"NUMBER DRAWN 6\",\"BONUS NUMBER\"\n"
     "\"649\",1,0,\"1982-06-12\",3,11,12,14,41,43,13",
     {"drawdate"}, {}, {"numberdrawn#"}, {}, {"bonusnumber"}, {"product", "drawnumber", "sequencenumber"}},
    {"U.S., New York open data: Powerball (its sixth number is the Powerball), Mega Millions",
     "Draw Date,Winning Numbers,Mega Ball,Multiplier\n03/27/2026,01 12 23 34 45,07,03",
     {"drawdate"}, {}, {"winningnumbers"}, {"megaball"}, {}, {"multiplier"}},
    {"U.S., followers' files: Powerball, Mega Millions",
     "date,white_balls,red_ball,power_play\n10/07/2015,18|30|40|48|52,9,3X",
     {"date"}, {}, {"whiteballs"}, {"redball", "yellowball"}, {}, {"powerplay", "megaplier"}},
    {"U.S., Texas: Lotto Texas, Powerball, Mega Millions, Texas Two Step",
     "Game Name,Month,Day,Year,Num1,Num2,Num3,Num4,Num5,Num6\nLotto Texas,11,14,1992,4,6,7,31,41,48",
     {}, {"month", "day", "year"}, {"num#"}, {"powerball", "megaball", "bonusball"}, {},
     {"gamename", "powerplay", "megaplier", "multiplier"}},
    {"U.K.: Lotto, EuroMillions, Thunderball",
     "DrawDate,Ball 1,Ball 2,Ball 3,Ball 4,Ball 5,Ball 6,Bonus Ball,Ball Set,Machine,DrawNumber\n"
     "18-Feb-2026,4,15,23,30,41,47,12,7,Merlin,3150",
     {"drawdate"}, {}, {"ball#"}, {"luckystar#", "thunderball"}, {"bonusball"},
     {"ballset", "machine", "drawnumber", "ukmillionairemaker", "raffle*"}},
    {"France: Loto, EuroMillions (\";\" between the fields, decimal commas in the prizes)",
     "annee_numero_de_tirage;jour_de_tirage;date_de_tirage;date_de_forclusion;boule_1;boule_2;boule_3;"
     "boule_4;boule_5;etoile_1;etoile_2;rapport_du_rang1\n"
     "2026015;VENDREDI;20/02/2026;20/04/2026;4;16;28;33;47;2;9;17000000,00",
     {"datedetirage"}, {}, {"boule#"}, {"etoile#", "numerochance"}, {"boulecomplementaire"},
     {"anneenumerodetirage", "jourdetirage", "datedeforclusion", "devise", "rapport*", "nombre*",
      "combinaison*", "numerojoker*", "promotion*"}},
    {"Our own CSV export, and files written by hand",
     "date,n1,n2,n3,n4,n5,n6,bonus\n2026-11-28,3,11,19,27,38,45,7",
     {"date", "drawdate"}, {}, {"n#", "numbers", "balls"}, {"pb", "s#", "powerball"}, {"bonus", "bonusnumber"},
     {"draw", "drawnumber"}},
};

namespace {

// A header name as the table writes it: lower case, without blanks, "_",
// "-" and ".".
std::string folded(std::string_view name)
{
    std::string text;
    for (char c : name)
        if (c != ' ' && c != '_' && c != '-' && c != '.' && c != '\t')
            text += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

bool matches(std::string_view pattern, std::string_view name)
{
    std::size_t at = 0;
    for (std::size_t p = 0; p < pattern.size(); ++p) {
        if (pattern[p] == '*')
            return true;
        if (pattern[p] == '#') {
            const std::size_t start = at;
            while (at < name.size() && std::isdigit(static_cast<unsigned char>(name[at])))
                ++at;
            if (at == start)
                return false;
        } else if (at >= name.size() || name[at++] != pattern[p]) {
            return false;
        }
    }
    return at == name.size();
}

bool anyMatches(const std::vector<const char*>& patterns, std::string_view name)
{
    for (const char* pattern : patterns)
        if (matches(pattern, name))
            return true;
    return false;
}

// The role the layout gives a column; Skipped for names it does not know,
// and whether it knew the name.
ColumnRole roleIn(const HistoryLayout& layout, std::string_view name, bool& known)
{
    known = true;
    if (anyMatches(layout.mains, name))
        return ColumnRole::Main;
    if (anyMatches(layout.seconds, name))
        return ColumnRole::Second;
    if (anyMatches(layout.bonuses, name))
        return ColumnRole::Bonus;
    if (anyMatches(layout.dates, name))
        return ColumnRole::Date;
    if (anyMatches(layout.dateParts, name))
        return ColumnRole::DatePart;
    known = anyMatches(layout.skipped, name);
    return ColumnRole::Skipped;
}

} // namespace

std::vector<ColumnRole> columnRoles(const std::vector<std::string_view>& header)
{
    std::vector<std::string> names;
    for (std::string_view cell : header)
        names.push_back(folded(cell));
    std::vector<ColumnRole> best;
    std::size_t mostKnown = 0;
    for (const HistoryLayout& layout : kHistoryLayouts) {
        std::vector<ColumnRole> roles;
        std::size_t known = 0;
        bool mains = false;
        for (const std::string& name : names) {
            bool knows = false;
            roles.push_back(roleIn(layout, name, knows));
            known += knows;
            mains = mains || roles.back() == ColumnRole::Main;
        }
        if (mains && known > mostKnown) {
            mostKnown = known;
            best = std::move(roles);
        }
    }
    return best;
}
