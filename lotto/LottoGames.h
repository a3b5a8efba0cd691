// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LottoReports.h"

// One biggest number the user is asked for, with its default.
struct BiggestNumberQuestion {
    const char* prompt;
    const char* title;
    double defaultValue;
};

struct LottoGame {
    const char* fileName;
    BiggestNumberQuestion biggest;
    DrumShape shape;
};

struct PowerBallGame {
    const char* fileName;
    BiggestNumberQuestion regular;
    BiggestNumberQuestion powerBall;
    DrumShape shape; // its progression ban runs over the regular numbers and the PowerBall
};

// Lotto 5 and 6 ban four numbers in progression, Lotto 7 five; three (and in
// Lotto 7 four) are allowed.
inline constexpr LottoGame kLotto5{
    "Lotto5.INI",
    {"Enter the BIGGEST number in the lotto 5 game:", "Biggest Number", 39},
    {5, ProgressionFilter::everyChoice(5, 4)}};
inline constexpr LottoGame kLotto6{
    "Lotto6.INI",
    {"Enter the BIGGEST number in the lotto 6 game:", "Biggest Number", 49},
    {6, ProgressionFilter::everyChoice(6, 4)}};
inline constexpr LottoGame kLotto7{
    "Lotto7.INI",
    {"Enter the BIGGEST number in the lotto 7 game:", "Biggest Number", 49},
    {7, ProgressionFilter::everyChoice(7, 5)}};

// Keno asks nothing and tests only seven runs of six sorted positions:
// five of neighbours, and two of every other position ending in the top two.
inline constexpr double kKenoBiggestNumber = 80;
inline constexpr DrumShape kKeno{
    10, ProgressionFilter(6, {{0, 1, 2, 3, 4, 5},
                              {1, 2, 3, 4, 5, 6},
                              {2, 3, 4, 5, 6, 7},
                              {3, 4, 5, 6, 7, 8},
                              {4, 5, 6, 7, 8, 9},
                              {0, 2, 4, 6, 8, 9},
                              {1, 3, 5, 7, 8, 9}})};

inline constexpr PowerBallGame kPower51{
    "Power51.INI",
    {"Enter the BIGGEST of the first 5 numbers: ", "Biggest Regular Number", 53},
    {"Enter the PowerBall (the 6th number): ", "PowerBall", 42},
    {5, ProgressionFilter::everyChoice(6, 4)}};
inline constexpr PowerBallGame kPower61{
    "Power61.INI",
    {"Enter the BIGGEST of the first 6 numbers: ", "Biggest Regular Number", 49},
    {"Enter the PowerBall (the 7th number): ", "PowerBall", 42},
    {6, ProgressionFilter::everyChoice(7, 5)}};

// "Euro.INI" holds its two values on two lines.
inline constexpr const char* kEuroFileName = "Euro.INI";
inline constexpr BiggestNumberQuestion kEuroMain{
    "Enter the BIGGEST number in the 1st ballset:", "Biggest Number - 1st Set", 50};
inline constexpr BiggestNumberQuestion kEuroSecond{
    "Enter the BIGGEST number in the 2nd ballset:", "Biggest Number - 2nd Set", 9};
