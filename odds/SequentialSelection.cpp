#include "SequentialSelection.h"

#include "PrintWriter.h"
#include "RandomSource.h"

#include <algorithm>
#include <charconv>

void writeSelection(PrintWriter& out, RandomSource& random, const Ballset& ballset)
{
    std::int16_t toPick = ballset.perLine;
    std::int16_t candidatesLeft = ballset.biggest;
    for (int i = 1; i <= ballset.biggest; ++i) {
        const double p = static_cast<double>(toPick) / candidatesLeft;
        if (random.next() < p) {
            writeNumberField(out, i, 3);
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

void writeNumberField(PrintWriter& out, int number, int width)
{
    char field[16] = "               ";
    char digits[12];
    const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
    const auto length = static_cast<int>(end - digits);
    const int padded = std::max(width, length + 1);
    std::copy(digits, end, field + padded - length);
    out.text({field, static_cast<std::size_t>(padded)});
}

std::size_t numberFieldWidth(int number, int width)
{
    int digits = 1;
    for (int rest = number / 10; rest != 0; rest /= 10)
        ++digits;
    return static_cast<std::size_t>(std::max(width, digits + 1));
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
