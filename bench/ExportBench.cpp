// Times Create Hex File's build at scale under Wine: the display program of
// lists of the largest pattern (255 x 255, 2048 frames of random pixels, a
// 16.6 MB program each) written as a 32-bit HEX file, the way the command
// builds it after its dialogs, through the same core and CFile as the
// editor. Two patterns make the 94 MB HEX file; twenty the 937 MB one.
//
// Prints one line a list, "create hex 2 x 255x255 (93654758 bytes): 412 ms"
// (the median of Runs), and whether any build takes longer than the half
// second after which the editor shows its progress window.
//
//   export_bench.exe DIRECTORY      where the pattern and HEX files go (removed after)
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "pattern/document/LedFile.h"
#include "pattern/hex/HexImageWriter.h"
#include "pattern/list/DisplayList.h"
#include "pattern/program/DisplayProgram.h"

namespace {

const int Runs = 5;
const double ProgressAfterMs = 500;

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: export_bench.exe DIRECTORY\n");
        return 2;
    }
    const std::string directory = std::string(argv[1]) + "\\";
    LedPattern pattern;
    pattern.Create(255, 255);
    pattern.SetFrameCount(2048);
    pattern.header.controlCode = ControlScroll;
    std::mt19937 random(21);
    for (std::uint32_t f = 0; f < pattern.frameCount; ++f) {
        std::vector<std::uint8_t> bits(pattern.FrameSize());
        for (std::uint8_t& byte : bits) byte = static_cast<std::uint8_t>(random());
        pattern.PasteFrame(f, bits.data());
    }
    const std::string led = directory + "largest.led", list = directory + "export.ll", hex = directory + "export.hex";
    if (!SavePatternFile(pattern, led.c_str())) {
        std::fprintf(stderr, "export_bench: cannot write %s\n", led.c_str());
        return 1;
    }
    bool over = false;
    for (int patterns : {2, 20}) {
        DisplayList entries;
        entries.SelectFile(list.c_str(), true);
        for (int i = 0; i < patterns; ++i) entries.Add(led.c_str(), false);
        std::vector<double> times;
        WIN32_FILE_ATTRIBUTE_DATA written = {};
        for (int run = 0; run < Runs; ++run) {
            LARGE_INTEGER start, end;
            QueryPerformanceCounter(&start);
            HexImageWriter writer;
            const bool built = writer.Open(hex.c_str(), HexOptions::ForFormat(HexFormat::Linear32)) &&
                               BuildDisplayProgram(entries, writer) && writer.Close();
            QueryPerformanceCounter(&end);
            if (!built) {
                std::fprintf(stderr, "export_bench: the build failed: %s\n", DescribeHexExportError(writer.Error()));
                return 1;
            }
            times.push_back(Milliseconds(start, end));
        }
        GetFileAttributesExA(hex.c_str(), GetFileExInfoStandard, &written);
        std::sort(times.begin(), times.end());
        const double median = times[times.size() / 2];
        over = over || median > ProgressAfterMs;
        std::printf("create hex %d x 255x255 (%lu bytes): %.0f ms\n", patterns, written.nFileSizeLow, median);
        DeleteFileA(hex.c_str());
        DeleteFileA(list.c_str());
    }
    DeleteFileA(led.c_str());
    std::printf(over ? "create hex: longer than %.0f ms, the editor shows its progress\n"
                     : "create hex: all under %.0f ms\n",
                ProgressAfterMs);
    return 0;
}
