// 600 lookups in a row, as loading the content tables makes them: in the
// English script, and in a generated script of about 100 KB.

#include "lang/ScriptLookup.h"
#include "persist/ProfileFile.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace veltrane {
namespace {

using Lookups = std::vector<std::pair<std::string, std::string>>;

// 100 sections of 14 entries, values of sentence length: about 100 KB.
const std::string& GeneratedScript() {
    static const std::string path = [] {
        const auto folder = std::filesystem::temp_directory_path() / "veltrane-lookup-bench";
        std::filesystem::create_directories(folder);
        const auto file = folder / "Generated.lng";
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        for (int s = 1; s <= 100; ++s) {
            out << "[Section" << s << "]\n";
            for (int k = 1; k <= 14; ++k)
                out << "Key number " << k << "=\"A sentence of the script, number " << s * 100 + k
                    << ", long enough to read.\"\n";
            out << "\n";
        }
        out.close();
        // A freshly written file is parsed on every lookup until it has been
        // quiet for a moment; age it like an installed script.
        std::filesystem::last_write_time(file, std::filesystem::file_time_type::clock::now() -
                                                   std::chrono::hours(1));
        return file.string();
    }();
    return path;
}

// 600 lookups spread over the script, one in ten for an entry that is absent.
Lookups Spread(const std::vector<std::pair<std::string, std::string>>& present) {
    Lookups lookups;
    for (int i = 0; i < 600; ++i) {
        if (i % 10 == 9 || present.empty())
            lookups.emplace_back("Messages", "Absent key " + std::to_string(i));
        else
            lookups.push_back(present[static_cast<std::size_t>(i * 7919) % present.size()]);
    }
    return lookups;
}

Lookups PairsOf(const std::string& path) {
    // The keys as the file holds them, read line by line.
    std::ifstream in(path, std::ios::binary);
    std::vector<std::pair<std::string, std::string>> pairs;
    std::string section;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty() && line.front() == '[' && line.find(']') != std::string::npos)
            section = line.substr(1, line.find(']') - 1);
        else if (!section.empty() && line.find('=') != std::string::npos && line.front() != ';')
            pairs.emplace_back(section, line.substr(0, line.find('=')));
    }
    return pairs;
}

void RunLookups(benchmark::State& state, const std::string& path) {
    if (!std::filesystem::exists(path)) {
        state.SkipWithError(("no script at " + path).c_str());
        return;
    }
    const Lookups lookups = Spread(PairsOf(path));
    SetLanguageFile(path);
    for (auto _ : state) {
        std::size_t total = 0;
        for (const auto& [section, key] : lookups)
            total += LangText(section, key).size();
        benchmark::DoNotOptimize(total);
    }
    SetLanguageFile("");
    state.counters["script_kb"] = static_cast<double>(std::filesystem::file_size(path)) / 1024.0;
}

// target: BM_600Lookups <= 5 ms: loading the content tables is part of every start-up
void BM_600LookupsGeneratedScript(benchmark::State& state) {
    RunLookups(state, GeneratedScript());
}
BENCHMARK(BM_600LookupsGeneratedScript)->Unit(benchmark::kMillisecond);

void BM_600LookupsEnglishScript(benchmark::State& state) {
    RunLookups(state, VELTRANE_SOURCE_DIR "/data/LScripts/English.lng");
}
BENCHMARK(BM_600LookupsEnglishScript)->Unit(benchmark::kMillisecond);

// The price of one full read and parse, which the kept parse saves.
void BM_ParseGeneratedScript(benchmark::State& state) {
    for (auto _ : state) {
        auto profile = TProfileFile::Open(GeneratedScript());
        benchmark::DoNotOptimize(profile);
    }
}
BENCHMARK(BM_ParseGeneratedScript)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace veltrane
