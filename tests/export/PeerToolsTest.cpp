// Exported code as its users' tools take it: the C built by gcc as C99 and
// by g++ as C++11 without a warning, and by avr-gcc for an ATmega328P with
// the frames in flash; the Python run and the JSON parsed by python3; the
// XBM read by ImageMagick; the Rust built by rustc. Each tool prints the
// values back and they are compared with the binary export. A tool that is
// missing fails its case: scripts/setup.sh installs every one of them.
#ifndef _WIN32

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <sstream>

#include "export/CodeExport.h"
#include "tests/export/ExportPatterns.h"
#include "tests/support/ScratchDirectory.h"

namespace {

bool Have(const std::string& tool) { return std::system(("command -v " + tool + " >/dev/null 2>&1").c_str()) == 0; }

// The command's exit status; its standard output in output.
int RunCommand(const std::string& command, std::string* output) {
    FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    if (!pipe) return -1;
    char buffer[4096];
    output->clear();
    for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) output->append(buffer, got);
    return pclose(pipe);
}

#define REQUIRE_TOOL(tool) \
    if (!Have(tool)) FAIL() << tool " is not installed (scripts/setup.sh installs it)"

class PeerTools : public ::testing::Test {
protected:
    ScratchDirectory scratch;
    LedPattern pattern;

    // Three random frames of 11 x 5: two pictures of 22 x 5 with two planes.
    void SetUp() override {
        pattern.Create(11, 5);
        pattern.SetFrameCount(3);
        pattern.header.controlCode = ControlNormal;
        pattern.header.wait = 3;
        std::mt19937 random(17);
        for (std::uint32_t f = 0; f < 3; ++f)
            for (unsigned y = 0; y < 5; ++y)
                for (unsigned x = 0; x < 11; ++x)
                    if (random() % 2) pattern.SetPixel(f, x, y);
    }

    std::string Export(ExportOptions options, CodeLanguage language, const std::string& file) {
        options.language = language;
        const ExportResult result = WriteExportFile(pattern, options, scratch.File(file).c_str());
        EXPECT_TRUE(result.Made()) << result.error;
        return scratch.File(file);
    }
    // The values of the frames, one a line, as the binary export's bytes make
    // them: words of the layout's width in its byte order.
    std::string ExpectedValues(const ExportOptions& options) {
        const Bytes bytes = ScratchDirectory::Read(Export(options, CodeLanguage::Binary, "frames.bin"));
        const unsigned wordBytes = options.layout.wordBits / 8;
        std::ostringstream values;
        for (std::size_t at = 0; at < bytes.size(); at += wordBytes) {
            unsigned long long word = 0;
            for (unsigned i = 0; i < wordBytes; ++i)
                word = word << 8 | bytes[at + (options.layout.byteOrder == ByteOrder::Big ? i : wordBytes - 1 - i)];
            values << word << "\n";
        }
        return values.str();
    }
    void WriteProgram(const std::string& name, const std::string& text) { ScratchDirectory::Write(scratch.File(name), text); }
};

const char PrintingProgram[] =
    "#include <stdio.h>\n"
    "#include \"frames.h\"\n"
    "int main(void) {\n"
    "    unsigned f, i;\n"
    "    for (f = 0; f < SIGN_FRAME_COUNT; ++f)\n"
    "        for (i = 0; i < (unsigned)(sizeof sign_frames[0] / sizeof sign_frames[0][0]); ++i)\n"
    "            printf(\"%llu\\n\", (unsigned long long)sign_frames[f][i]);\n"
    "    for (f = 0; f < SIGN_FRAME_COUNT; ++f) printf(\"delay %u\\n\", (unsigned)sign_delays_ms[f]);\n"
    "    return 0;\n"
    "}\n";

TEST_F(PeerTools, TheCCompilesWithoutAWarningAsC99AndCpp11AndPrintsTheBytes) {
    REQUIRE_TOOL("gcc");
    REQUIRE_TOOL("g++");
    WriteProgram("main.c", PrintingProgram);
    ExportOptions options = OptionsFor("gfx", Planes::Two);
    const struct {
        unsigned word;
        NumberBase base;
    } Cases[] = {{8, NumberBase::Hex}, {16, NumberBase::Dec}, {64, NumberBase::Hex}, {32, NumberBase::Bin}};
    for (const auto& known : Cases) {
        options.layout.wordBits = known.word;
        options.layout.byteOrder = known.word == 64 ? ByteOrder::Little : ByteOrder::Big;
        options.base = known.base;
        const std::string expected = ExpectedValues(options) + "delay 300\ndelay 300\n";
        Export(options, CodeLanguage::C, "frames.h");
        // Binary literals are C++14 or a GNU extension, as the header says.
        const bool binary = known.base == NumberBase::Bin;
        for (const std::string compiler : {binary ? "gcc -std=gnu99" : "gcc -std=c99 -pedantic",
                                           binary ? "g++ -x c++ -std=c++14 -pedantic" : "g++ -x c++ -std=c++11 -pedantic"}) {
            std::string output;
            const std::string build =
                "cd '" + scratch.File("") + "' && " + compiler + " -Wall -Wextra -Werror main.c -o main && ./main";
            ASSERT_EQ(0, RunCommand(build, &output)) << build << "\n" << output;
            EXPECT_EQ(expected, output) << compiler << " word " << known.word;
        }
    }
}

TEST_F(PeerTools, AvrGccKeepsTheFramesInFlash) {
    REQUIRE_TOOL("avr-gcc");
    REQUIRE_TOOL("avr-objdump");
    WriteProgram("avr.c",
                 "#include \"frames.h\"\n"
                 "volatile uint8_t sink;\n"
                 "int main(void) {\n"
                 "    unsigned f, i;\n"
                 "    for (f = 0; f < SIGN_FRAME_COUNT; ++f)\n"
                 "        for (i = 0; i < SIGN_FRAME_BYTES; ++i) sink = pgm_read_byte(&sign_frames[f][i]);\n"
                 "    sink = (uint8_t)pgm_read_word(&sign_delays_ms[0]);\n"
                 "    return 0;\n"
                 "}\n");
    Export(OptionsFor("max7219-rows", Planes::Two), CodeLanguage::C, "frames.h");
    const std::string folder = "cd '" + scratch.File("") + "' && ";
    // As C, and as C++ the way Arduino sketches are built.
    for (const std::string compiler : {"avr-gcc -x c -std=c99", "avr-g++ -x c++ -std=c++11"}) {
        std::string output;
        ASSERT_EQ(0, RunCommand(folder + compiler + " -mmcu=atmega328p -Os -pedantic -Wall -Wextra -Werror avr.c -o avr.elf",
                                &output))
            << compiler << "\n" << output;
        ASSERT_EQ(0, RunCommand(folder + "avr-objdump -t avr.elf", &output));
        std::istringstream symbols(output);
        std::string line, frames, delays;
        while (std::getline(symbols, line)) {
            if (line.find(" sign_frames") != std::string::npos) frames = line;
            if (line.find(" sign_delays_ms") != std::string::npos) delays = line;
        }
        // Three modules of 8 bytes, two pictures; two delays. (C++ gives the
        // arrays internal linkage, and the symbols may go; .data tells there.)
        if (compiler.find("c++") == std::string::npos) {
            EXPECT_NE(std::string::npos, frames.find(" .text\t00000030 ")) << output;
            EXPECT_NE(std::string::npos, delays.find(" .text\t00000004 ")) << output;
        }
        ASSERT_EQ(0, RunCommand(folder + "avr-size -A avr.elf", &output));
        std::istringstream sections(output);
        std::string name;
        unsigned long size = 1;
        while (sections >> name && name != ".data") sections.ignore(1000, '\n');
        sections >> size;
        EXPECT_EQ(0u, size) << compiler << ": nothing copied into RAM\n" << output;
    }
}

TEST_F(PeerTools, Python3RunsThePythonAndParsesTheJson) {
    REQUIRE_TOOL("python3");
    const ExportOptions options = OptionsFor("ssd1306", Planes::Two);
    const std::string expected = ExpectedValues(options);
    std::string joined;
    for (char c : expected) joined += c == '\n' ? ' ' : c;
    const std::string python = Export(options, CodeLanguage::Python, "frames.py");
    std::string output;
    ASSERT_EQ(0, RunCommand("python3 -c \"import runpy; m = runpy.run_path('" + python +
                         "'); print(' '.join(str(b) for f in m['SIGN_FRAMES'] for b in f), end=' '); "
                         "print(m['SIGN_DELAYS_MS'], m['SIGN_WIDTH'], m['SIGN_HEIGHT'])\"",
                     &output))
        << output;
    EXPECT_EQ(joined + "(300, 300) 22 5\n", output);
    const std::string json = Export(options, CodeLanguage::Json, "frames.json");
    ASSERT_EQ(0, RunCommand("python3 -c \"import json; d = json.load(open('" + json +
                         "')); print(' '.join(str(b) for f in d['frames'] for b in f['bytes']), end=' '); "
                         "print(d['layout']['scan'], d['frames'][1]['rows'][4])\"",
                     &output))
        << output;
    PictureCanvas last = PictureOf(pattern, 1, Planes::Two);
    std::string row;
    for (unsigned x = 0; x < 22; ++x) row += last.Get(x, 4) ? '#' : '.';
    EXPECT_EQ(joined + "pages " + row + "\n", output);
}

TEST_F(PeerTools, ImageMagickReadsTheXbmAsTheStackedPictures) {
    REQUIRE_TOOL("convert");
    ExportOptions options = OptionsFor("xbm", Planes::Two);
    const std::string xbm = Export(options, CodeLanguage::Xbm, "frames.xbm");
    std::string output;
    ASSERT_EQ(0, RunCommand("convert '" + xbm + "' -depth 8 'gray:" + scratch.File("pixels.raw") + "'", &output)) << output;
    const Bytes pixels = ScratchDirectory::Read(scratch.File("pixels.raw"));
    ASSERT_EQ(22u * 10u, pixels.size());
    for (std::uint32_t picture = 0; picture < 2; ++picture) {
        const PictureCanvas canvas = PictureOf(pattern, picture, Planes::Two);
        for (unsigned y = 0; y < 5; ++y)
            for (unsigned x = 0; x < 22; ++x)
                EXPECT_EQ(canvas.Get(x, y) ? 0 : 255, pixels[(picture * 5 + y) * 22 + x]) << picture << " " << x << "," << y;
    }
}

TEST_F(PeerTools, RustcBuildsTheRust) {
    REQUIRE_TOOL("rustc");
    const ExportOptions options = OptionsFor("u64-8x8", Planes::Two);
    Export(options, CodeLanguage::Rust, "frames.rs");
    WriteProgram("main.rs", "include!(\"frames.rs\");\n"
                            "fn main() { for f in SIGN_FRAMES.iter() { for b in f.iter() { println!(\"{}\", b); } } "
                            "println!(\"{:?}\", SIGN_DELAYS_MS); }\n");
    std::string output;
    ASSERT_EQ(0, RunCommand("cd '" + scratch.File("") + "' && rustc -A dead_code -o main main.rs && ./main", &output)) << output;
    const Bytes binary = ScratchDirectory::Read(Export(options, CodeLanguage::Binary, "frames.bin"));
    std::ostringstream values;
    for (std::uint8_t byte : binary) values << unsigned(byte) << "\n";
    EXPECT_EQ(values.str() + "[300, 300]\n", output);
}

}  // namespace

#endif
