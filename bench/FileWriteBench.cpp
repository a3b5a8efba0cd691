// SPDX-License-Identifier: GPL-3.0-or-later
// What a file written whole costs: a parameter file and a saved report
// replaced through a temporary file, and the report written in place after a
// copy (its second hard link). Each write is flushed to the disk, which the
// figures mostly show.
#include "AtomicFile.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

class ScratchFolder {
public:
    ScratchFolder()
    {
        std::string name = (std::filesystem::temp_directory_path() / "tessaro7-bench-XXXXXX").string();
        path_ = ::mkdtemp(name.data());
    }
    ~ScratchFolder() { std::filesystem::remove_all(path_); }
    std::string file(const char* name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

void replace(benchmark::State& state, std::size_t bytes, bool secondName)
{
    ScratchFolder folder;
    const std::string path = folder.file("file.txt");
    const std::string text(bytes, '7');
    writeFileBytes(path, text);
    if (secondName)
        std::filesystem::create_hard_link(path, folder.file("other.txt"));
    for (auto _ : state)
        if (!writeFileBytes(path, text).ok)
            state.SkipWithError("the file could not be written");
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}

void BM_ReplaceParameterFile(benchmark::State& state) { replace(state, 6, false); }
void BM_ReplaceReport(benchmark::State& state) { replace(state, 11000, false); }
void BM_WriteReportInPlace(benchmark::State& state) { replace(state, 11000, true); }

} // namespace

BENCHMARK(BM_ReplaceParameterFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReplaceReport)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteReportInPlace)->Unit(benchmark::kMillisecond);
