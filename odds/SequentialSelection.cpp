// SPDX-License-Identifier: GPL-3.0-or-later
#include "SequentialSelection.h"

#include "NumberField.h"
#include "PrintWriter.h"
#include "RandomSource.h"

#include <algorithm>

void writeSelection(PrintWriter& out, RandomSource& random, const Ballset& ballset)
{
    std::int16_t toPick = ballset.perLine;
    std::int16_t candidatesLeft = ballset.biggest;
    for (int i = 1; i <= ballset.biggest; ++i) {
        const double p = static_cast<double>(toPick) / candidatesLeft;
        if (random.next() < p) {
            out.numberField(i, 3);
            --toPick;
        }
        --candidatesLeft;
    }
}

std::size_t longestSelection(const Ballset& ballset)
{
    // The widest line holds the largest numbers; when perLine > biggest every
    // number is chosen.
    const int chosen = std::min<int>(ballset.perLine, ballset.biggest);
    std::size_t length = 0;
    for (int i = ballset.biggest - chosen + 1; i <= ballset.biggest; ++i)
        length += numberFieldWidth(i, 3);
    return length;
}

std::string drawReport(std::size_t longestLine, const std::function<void(PrintWriter&)>& drawLine)
{
    PrintWriter out;
    out.reserve(kOddsReportLines * longestLine);
    for (std::size_t line = 0; line < kOddsReportLines; ++line) {
        drawLine(out);
        out.endLine();
    }
    return out.take();
}
