// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a parameter file of one, two or three values: the reader
// takes what it can, and what it writes back (15 digits) reads back, writes
// the same again, and is a file a click may write over.
#include "FieldReader.h"
#include "ParameterFile.h"
#include "AtomicFile.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // The run's own file, removed when the run ends.
    static const struct RunFile {
        std::string path = "/tmp/tessaro7-fuzz-" + std::to_string(::getpid()) + ".INI";
        ~RunFile() { ::unlink(path.c_str()); }
    } runFile;
    const std::string& path = runFile.path;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    writeFileBytes(path, bytes);
    const std::size_t count = size % 3 + 1;
    const ParameterFile file(path, std::vector<double>(count, 8.0), count == 2 && size % 2 ? std::vector<std::size_t>{1, 1} : std::vector<std::size_t>{});
    const std::vector<double> values = file.read();
    if (values.size() != count)
        std::abort();
    const std::string written = file.render(values);
    writeFileBytes(path, written);
    if (!holdsOnlyNumbers(written) || !file.write(values).ok || file.render(file.read()) != written)
        std::abort();

    FieldReader reader(bytes);
    for (int fields = 0; !reader.atEnd() && fields < 1 << 20; ++fields)
        fields % 2 ? (void)reader.readText() : (void)reader.readNumber();
    return 0;
}
