// Times exporting the largest pattern as code: 255 x 255, 2048 frames of
// random pixels (1024 pictures of 510 x 255 with two planes), in every
// language, each in a process of its own so that each one's peak memory is
// its own. The memory is what the export takes beyond the pattern, against
// the output's size; the limits are 5 s and twice the output.
//
// Prints a line a language, "c  236.9 MB in 1.92 s (1.80 s of CPU), 1.09 x
// the output in memory", and exits 1 when one is over a limit. The CPU time
// tells what the export costs on a machine that others share.
//
//   export_code_bench [DIRECTORY]   where HEX is written (removed after; default /tmp)
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <string>

#include "export/CodeExport.h"
#include "export/LayoutPresets.h"

namespace {

const double SecondsLimit = 5;
const double MemoryLimit = 2;

// A field of /proc/self/status, in bytes.
double CpuSeconds() {
    rusage usage;
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

double StatusBytes(const char* field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.compare(0, std::char_traits<char>::length(field), field) == 0)
            return 1024.0 * std::strtod(line.c_str() + std::char_traits<char>::length(field), nullptr);
    return 0;
}

// Runs one export in this process and prints its figures; the exit status
// says whether it kept to the limits.
int MeasureExport(const LedPattern& pattern, CodeLanguage language, const std::string& directory) {
    std::ofstream("/proc/self/clear_refs") << "5";   // the peak starts again from here
    const double before = StatusBytes("VmRSS:");
    ExportOptions options;
    options.language = language;
    if (language == CodeLanguage::Xbm) ApplyLayoutPreset(*FindLayoutPreset("xbm"), options.layout);
    options.hexFormat = HexFormat::Linear32;
    const std::string hex = directory + "/export-code-bench.hex";
    const auto start = std::chrono::steady_clock::now();
    const double cpuStart = CpuSeconds();
    const ExportResult result = language == CodeLanguage::Hex ? WriteExportFile(pattern, options, hex.c_str())
                                                              : ExportCode(pattern, options);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const double cpu = CpuSeconds() - cpuStart;
    const double peak = StatusBytes("VmHWM:") - before;
    if (!result.Made()) {
        std::printf("%s: %s\n", LanguageName(language), result.error.c_str());
        return 1;
    }
    double size = static_cast<double>(result.output.size());
    if (language == CodeLanguage::Hex) {
        std::ifstream file(hex, std::ios::binary | std::ios::ate);
        size = static_cast<double>(file.tellg());
        std::remove(hex.c_str());
    }
    const bool kept = seconds < SecondsLimit && peak <= MemoryLimit * size;
    std::printf("%-6s %7.1f MB in %.2f s (%.2f s of CPU), %.2f x the output in memory%s\n", LanguageName(language),
                size / 1e6, seconds, cpu, peak / size, kept ? "" : "  OVER THE LIMIT");
    std::fflush(stdout);
    return kept ? 0 : 1;
}

}  // namespace

int main(int argc, char* argv[]) {
    const std::string directory = argc > 1 ? argv[1] : "/tmp";
    LedPattern pattern;
    pattern.Create(255, 255);
    pattern.SetFrameCount(LedPattern::MaxFrames);
    std::mt19937 random(29);
    for (std::uint32_t f = 0; f < pattern.frameCount; ++f)
        for (unsigned y = 0; y < 255; ++y)
            for (unsigned x = 0; x < 255; ++x)
                if (random() & 1) pattern.SetPixel(f, x, y);
    std::printf("export code of 255 x 255 x 2048 (1024 pictures of 510 x 255), limits %.0f s and %.0f x the output\n",
                SecondsLimit, MemoryLimit);
    std::fflush(stdout);
    int failures = 0;
    for (CodeLanguage language : {CodeLanguage::C, CodeLanguage::Python, CodeLanguage::Json, CodeLanguage::Xbm,
                                  CodeLanguage::Rust, CodeLanguage::Binary, CodeLanguage::Hex}) {
        const pid_t child = fork();
        if (child == 0) _exit(MeasureExport(pattern, language, directory));
        int status = 0;
        if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0) ++failures;
    }
    return failures == 0 ? 0 : 1;
}
