#include "cli/Cli.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "pattern/document/LedFile.h"
#include "tests/support/DirectoryListing.h"
#include "tests/support/ScratchDirectory.h"

namespace {

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

Outcome Cli(std::vector<std::string> args) {
    std::vector<const char*> argv = {"lumigrid-cli"};
    for (const std::string& arg : args) argv.push_back(arg.c_str());
    std::ostringstream out, err;
    int status = RunCli(static_cast<int>(argv.size()), argv.data(), out, err);
    return Outcome{status, out.str(), err.str()};
}

int LineCount(const std::string& text) {
    int lines = 0;
    for (char c : text) lines += c == '\n';
    return lines;
}

const std::string ResetImage = ":06000000F00060000000AA\r\n:00000001FF\r\n";

class CliTest : public ::testing::Test {
protected:
    ScratchDirectory scratch;
    std::string output = scratch.File("out.hex");

    std::string List(const std::string& name, const std::string& text) {
        std::string path = scratch.File(name);
        ScratchDirectory::Write(path, text);
        return path;
    }
    // A 16 x 16 Normal pattern of two blank frames with wait 5.
    std::string BlankPattern(const std::string& name, std::uint8_t frames = 2, std::uint8_t columns = 16,
                             std::uint8_t rows = 16) {
        LedPattern pattern;
        pattern.Create(columns, rows);
        pattern.SetFrameCount(frames);
        pattern.header.controlCode = ControlNormal;
        pattern.header.wait = 5;
        std::string path = scratch.File(name);
        EXPECT_TRUE(SavePatternFile(pattern, path.c_str()));
        return path;
    }
};

TEST_F(CliTest, HelpAndVersion) {
    Outcome help = Cli({"--help"});
    EXPECT_EQ(0, help.status);
    EXPECT_NE(std::string::npos, help.out.find("lumigrid-cli build LIST.ll -o OUT.hex"));
    Outcome version = Cli({"--version"});
    EXPECT_EQ(0, version.status);
    EXPECT_EQ("lumigrid-cli 1.0\n", version.out);
}

TEST_F(CliTest, EveryCommandPrintsItsOwnUsageForHelp) {
    EXPECT_EQ(0u, Cli({"show", "--help"})
                      .out.find("Usage:\n"
                                "  lumigrid-cli show PATTERN.led\n"
                                "\n"
                                "show   Prints a pattern file's header and every frame (# lit, . dark).\n"));
    const std::vector<std::vector<std::string>> asks = {
        {"build", "--help"}, {"build", "list.ll", "-h"}, {"show", "-h"},   {"check", "--help"},
        {"import", "-h"},    {"render", "--help"},       {"list", "-h"},   {"list", "add", "--help"}};
    for (const std::vector<std::string>& args : asks) {
        Outcome help = Cli(args);
        EXPECT_EQ(0, help.status) << args[0] << " " << args.back();
        EXPECT_EQ("", help.err) << args[0];
        EXPECT_EQ(0u, help.out.find("Usage:\n  lumigrid-cli " + args[0] + " ")) << help.out;
        EXPECT_EQ(std::string::npos, help.out.find("lumigrid-cli --help")) << "only the command's own usage";
    }
    Outcome import = Cli({"import", "--help"});
    EXPECT_NE(std::string::npos, import.out.find("[--threshold N] [--invert]\n")) << "continuation lines too";
    EXPECT_NE(std::string::npos, import.out.find("after the last, as the display\n       program shows frames in pairs.\n"))
        << "and its whole paragraph";
    std::string list = Cli({"list", "-h"}).out;
    EXPECT_EQ(6, LineCount(list.substr(0, list.find("\n\n") + 1))) << "Usage: and the five list commands";
}

TEST_F(CliTest, UsageErrorsAreOneLineAndStatusTwo) {
    std::string list = List("l.ll", ":Reset\r\n");
    const std::vector<std::vector<std::string>> wrong = {
        {},
        {"frobnicate"},
        {"build", list},
        {"build", "-o", output},
        {"build", list, "-o"},
        {"build", list, "-o", output, "--format", "24bit"},
        {"build", list, "-o", output, "--start", "5"},
        {"build", list, "-o", output, "--format", "16bit", "--start", "5"},
        {"build", list, "-o", output, "--format", "20bit", "--start", "1048576"},
        {"build", list, "-o", output, "--format", "20bit", "--start", "0x100000"},
        {"build", list, "-o", output, "--format", "32bit", "--start", "4294967296"},
        {"build", list, "-o", output, "--format", "32bit", "--start", "12abc"},
        {"build", list, "-o", output, "--format", "32bit", "--start", "0x"},
        {"build", list, "-o", output, "--format", "32bit", "--start", "-1"},
        {"build", list, list, "-o", output},
        {"build", list, "-o", output, "--loud"},
        {"show"},
        {"show", "a.led", "b.led"},
        {"check"},
    };
    for (const auto& args : wrong) {
        Outcome outcome = Cli(args);
        std::string shown;
        for (const auto& arg : args) shown += arg + " ";
        EXPECT_EQ(2, outcome.status) << shown;
        EXPECT_EQ(1, LineCount(outcome.err)) << shown << outcome.err;
        EXPECT_EQ(0u, outcome.err.find("lumigrid-cli: ")) << shown;
    }
    EXPECT_FALSE(ScratchDirectory::Exists(output));
}

TEST_F(CliTest, BuildWritesTheEditorsBytes) {
    std::string list = List("l.ll", ":Reset\r\n");
    Outcome built = Cli({"build", list, "-o", output});
    EXPECT_EQ(0, built.status);
    EXPECT_EQ("", built.err);
    EXPECT_EQ(ResetImage, ScratchDirectory::ReadText(output));

    EXPECT_EQ(0, Cli({"build", list, "--output=" + output, "--format=20bit", "--start=0x1234"}).status);
    EXPECT_EQ(":0400000300001234B3\r\n" ":06000000F00060000000AA\r\n" ":00000001FF\r\n",
              ScratchDirectory::ReadText(output));
    EXPECT_EQ(0, Cli({"build", "--format", "32bit", "--start", "4660", list, "-o", output}).status);
    EXPECT_EQ(":0400000500001234B1\r\n" ":06000000F00060000000AA\r\n" ":00000001FF\r\n",
              ScratchDirectory::ReadText(output));
    EXPECT_EQ(0, Cli({"build", list, "-o", output, "--format", "20bit", "--start", "1048575"}).status);
    EXPECT_EQ(0, Cli({"build", list, "-o", output, "--format", "32bit", "--start", "0xFFFFFFFF"}).status);
    EXPECT_EQ(0, Cli({"build", list, "-o", output, "--format", "16bit", "--start", "0"}).status);
    EXPECT_EQ(ResetImage, ScratchDirectory::ReadText(output));
}

TEST_F(CliTest, SkippedEntriesAreNamedAndStrictRefusesThem) {
    std::string pattern = BlankPattern("a.led");
    std::string missing = scratch.File("missing.led");
    std::string list = List("l.ll", pattern + "\r\n" + missing + "\r\n:Reset\r\n");
    Outcome built = Cli({"build", list, "-o", output});
    EXPECT_EQ(0, built.status);
    EXPECT_EQ("lumigrid-cli: skipped entry 1 '" + missing + "': cannot open the file\n", built.err);
    EXPECT_NE(std::string::npos, ScratchDirectory::ReadText(output).find(":08004000FFFFFFFF600000005C\r\n"));

    ScratchDirectory::Write(output, std::string("previous"));
    Outcome strict = Cli({"build", list, "-o", output, "--strict"});
    EXPECT_EQ(1, strict.status);
    EXPECT_NE(std::string::npos, strict.err.find("1 entry skipped; nothing written (--strict)"));
    EXPECT_EQ("previous", ScratchDirectory::ReadText(output));
}

TEST_F(CliTest, FailuresAreStatusOneAndLeaveNoOutput) {
    Outcome noList = Cli({"build", scratch.File("none.ll"), "-o", output});
    EXPECT_EQ(1, noList.status);
    EXPECT_EQ("lumigrid-cli: cannot read list file '" + scratch.File("none.ll") + "'\n", noList.err);

    std::string big = BlankPattern("big.led", 40, 255, 255);
    std::string list = List("l.ll", big + "\r\n");
    Outcome tooLarge = Cli({"build", list, "-o", output, "--format", "16bit"});
    EXPECT_EQ(1, tooLarge.status);
    EXPECT_EQ(1, LineCount(tooLarge.err));
    EXPECT_NE(std::string::npos, tooLarge.err.find("too large for the chosen format"));
    EXPECT_FALSE(ScratchDirectory::Exists(output));
    EXPECT_EQ(0, Cli({"build", list, "-o", output, "--format", "20bit"}).status);

    // Six pictures of two 240 x 182 frames: F0 00, 6 x (2 + 2 x 5460) and 00 00
    // make 65536 bytes, one more than 8bit and 16bit hold.
    std::string exactly64KiB = List("64k.ll", BlankPattern("64k.led", 12, 240, 182) + "\r\n");
    Outcome limit = Cli({"build", exactly64KiB, "-o", output, "--format", "16bit"});
    EXPECT_EQ(1, limit.status);
    EXPECT_NE(std::string::npos, limit.err.find("(8bit and 16bit hold at most 65535 bytes; use 20bit or 32bit)"));
    EXPECT_EQ(0, Cli({"build", exactly64KiB, "-o", output, "--format", "20bit"}).status);
    EXPECT_NE(std::string::npos, Cli({"decode", output, "--size", "240x182"}).out.find("65536 bytes\n"));

    Outcome nowhere = Cli({"build", list, "-o", scratch.File("no/such/out.hex")});
    EXPECT_EQ(1, nowhere.status);
    EXPECT_EQ(0u, nowhere.err.find("lumigrid-cli: cannot write '" + scratch.File("no/such/out.hex") + "': ")) << nowhere.err;
}

TEST_F(CliTest, ShowPrintsTheHeaderAndEveryFrame) {
    LedPattern pattern;
    pattern.Create(3, 2);
    pattern.SetFrameCount(2);
    pattern.header.controlCode = ControlNormal;
    pattern.header.wait = 5;
    pattern.SetPixel(0, 0, 0);
    pattern.SetPixel(0, 2, 1);
    std::string path = scratch.File("small.led");
    ASSERT_TRUE(SavePatternFile(pattern, path.c_str()));
    Outcome shown = Cli({"show", path});
    EXPECT_EQ(0, shown.status);
    EXPECT_EQ("file: " + path + "\n"
              "control code: 0 (Normal)\n"
              "wait: 5\n"
              "frames: 2\n"
              "rows: 2\n"
              "columns: 3\n"
              "row bytes: 1\n"
              "frame 0:\n"
              "#..\n"
              "..#\n"
              "frame 1:\n"
              "...\n"
              "...\n",
              shown.out);

    std::string text = List("text.led", "hello");
    Outcome refused = Cli({"show", text});
    EXPECT_EQ(1, refused.status);
    EXPECT_EQ("lumigrid-cli: cannot load '" + text + "': not a pattern file\n", refused.err);
}

TEST_F(CliTest, ShowNotesAFileThatEndsEarly) {
    std::string path = scratch.File("short.led");
    ScratchDirectory::Write(path, std::vector<unsigned char>{0x4C, 0x45, 0x44, 0x31, 0x02, 0x07, 0x03, 0x00, 0x01, 0x01,
                                                             0x02, 0x00, 0x80});
    Outcome shown = Cli({"show", path});
    EXPECT_EQ(0, shown.status);
    EXPECT_NE(std::string::npos, shown.out.find("control code: 1 (Animation)\nwait: 0\nframes: 3\n"));
    EXPECT_NE(std::string::npos, shown.out.find("note: the file ends after 1 of 3 frames"));
    EXPECT_NE(std::string::npos, shown.out.find("(its header says 2 (Scroll), wait 7)"));
    EXPECT_NE(std::string::npos, shown.out.find("frame 0:\n#.\nframe 1:\n..\nframe 2:\n..\n"));
}

TEST_F(CliTest, CheckTellsWhatEachEntryAdds) {
    std::string pattern = BlankPattern("a.led");
    std::string missing = scratch.File("missing.led");
    std::string good = List("good.ll", pattern + "\r\n:Reset\r\n");
    Outcome fine = Cli({"check", good});
    EXPECT_EQ(0, fine.status);
    EXPECT_EQ("0: " + pattern + ": Normal, 2 frames of 16 x 16, wait 5, adds 66 bytes\n"
              "1: :Reset: reset, adds 2 bytes\n"
              "2 entries, 0 skipped; display program of 72 bytes\n",
              fine.out);

    std::string bad = List("bad.ll", ":Reset\r\n" + missing + "\r\n");
    Outcome skipped = Cli({"check", bad});
    EXPECT_EQ(1, skipped.status);
    EXPECT_EQ("0: :Reset: reset, adds 2 bytes\n"
              "1: " + missing + ": skipped: cannot open the file\n"
              "2 entries, 1 skipped; display program of 6 bytes\n",
              skipped.out);
    EXPECT_EQ(1, Cli({"check", scratch.File("none.ll")}).status);

    // A one-frame pattern adds nothing; an odd count and another size are noted.
    std::string single = BlankPattern("single.led", 1);
    std::string odd = BlankPattern("odd.led", 3);
    std::string wide = BlankPattern("wide.led", 2, 32, 16);
    std::string mixed = List("mixed.ll", pattern + "\r\n" + single + "\r\n" + odd + "\n" + wide + "\n");
    Outcome noted = Cli({"check", mixed});
    EXPECT_EQ(1, noted.status);
    EXPECT_EQ("0: " + pattern + ": Normal, 2 frames of 16 x 16, wait 5, adds 66 bytes\n"
              "1: " + single + ": skipped: it has one frame, and the display shows frames in pairs\n"
              "2: " + odd + ": Normal, 3 frames of 16 x 16, wait 5, adds 66 bytes; its last frame (3 of 3) is left out,"
              " as the display shows frames in pairs\n"
              "3: " + wide + ": Normal, 2 frames of 32 x 16, wait 5, adds 130 bytes; its frames are 32 x 16, not 16 x 16"
              " as most in the list, so the HEX file cannot be read back at one size\n"
              "4 entries, 1 skipped; display program of 266 bytes\n",
              noted.out);
    Outcome strict = Cli({"build", mixed, "-o", output, "--strict"});
    EXPECT_EQ(1, strict.status);
    EXPECT_NE(std::string::npos, strict.err.find("skipped entry 1 '" + single + "': it has one frame"));
    EXPECT_NE(std::string::npos, strict.err.find("entry 2 '" + odd + "': its last frame (3 of 3) is left out"));
    EXPECT_NE(std::string::npos, strict.err.find("1 entry skipped; nothing written (--strict)"));
}

}  // namespace

namespace {

TEST_F(CliTest, ManySkippedEntriesAreCountedAndDamagedTextIsEscaped) {
    std::string text;
    for (int i = 0; i < 25; ++i) text += scratch.File("missing-" + std::to_string(i) + ".led") + "\r\n";
    text += "\x1B]0;owned\x07\xC2\x9B" "2J\r\n";
    std::string list = List("many.ll", text);
    Outcome built = Cli({"build", list, "-o", output});
    EXPECT_EQ(0, built.status);
    EXPECT_EQ(21, LineCount(built.err)) << built.err;
    EXPECT_NE(std::string::npos, built.err.find("skipped entry 19 '"));
    EXPECT_EQ(std::string::npos, built.err.find("skipped entry 20 '"));
    EXPECT_NE(std::string::npos, built.err.find("note: and 6 more (lumigrid-cli check '" + list + "' names every entry)"));

    Outcome strict = Cli({"build", list, "-o", output, "--strict"});
    Outcome checked = Cli({"check", list});
    EXPECT_EQ(1, checked.status);
    EXPECT_NE(std::string::npos, checked.out.find("25: \\x1B]0;owned\\x07\\x9B2J: skipped")) << checked.out;
    EXPECT_NE(std::string::npos, Cli({"list", "show", list}).out.find("25: \\x1B]0;owned\\x07\\x9B2J\n"));
    for (const std::string& printed : {built.err, strict.err, checked.out})
        EXPECT_EQ(std::string::npos, printed.find('\x1B')) << "no control character reaches the terminal";
}

}  // namespace
