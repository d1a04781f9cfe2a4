// lumigrid-cli's outputs as a user meets them on a POSIX system: what -o
// names is never harmed, standard output is a file like any other, and an
// interrupted build leaves nothing behind. Some cases run the program in a
// child process, with its standard streams where the case needs them.
#ifndef _WIN32
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "pattern/document/LedFile.h"
#include "tests/support/CliRun.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/ScratchDirectory.h"

namespace {

const std::string ResetImage = ":06000000F00060000000AA\r\n:00000001FF\r\n";

struct ChildOutcome {
    int status = -1;   // the exit status, or -1 when killed
    int signal = 0;    // the signal that killed it
    std::string out, err;
};

class SafeOutputTest : public ::testing::Test {
protected:
    ScratchDirectory scratch;
    std::string list = scratch.File("show.ll");
    std::string output = scratch.File("show.hex");

    void SetUp() override { ScratchDirectory::Write(list, ":Reset\r\n"); }

    // lumigrid-cli in a child whose standard output goes to outputPath (a
    // capture file when empty), standard error to a capture file, and whose
    // standard input is inputPath. whileRunning runs in the parent until
    // the child ends.
    template <typename WhileRunning>
    ChildOutcome RunInChild(const std::vector<std::string>& args, const std::string& outputPath,
                            WhileRunning whileRunning, const std::string& inputPath = "/dev/null") {
        const std::string out = scratch.File("child.out"), err = scratch.File("child.err");
        std::vector<const char*> argv = {"lumigrid-cli"};
        for (const std::string& arg : args) argv.push_back(arg.c_str());
        std::fflush(nullptr);
        const pid_t child = fork();
        if (child == 0) {
            const int outFd = open(outputPath.empty() ? out.c_str() : outputPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            const int errFd = open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            const int inFd = open(inputPath.c_str(), O_RDONLY);
            dup2(inFd, 0);
            dup2(outFd, 1);
            dup2(errFd, 2);
            // Temporary files, such as the copy of standard input, where the case sees them.
            setenv("TMPDIR", scratch.File("").c_str(), 1);
            _exit(RunProgram(static_cast<int>(argv.size()), argv.data()));
        }
        whileRunning(child);
        int waited = 0;
        waitpid(child, &waited, 0);
        ChildOutcome outcome;
        if (WIFEXITED(waited)) outcome.status = WEXITSTATUS(waited);
        if (WIFSIGNALED(waited)) outcome.signal = WTERMSIG(waited);
        if (outputPath.empty()) outcome.out = ScratchDirectory::ReadText(out);
        outcome.err = ScratchDirectory::ReadText(err);
        return outcome;
    }
    ChildOutcome RunInChild(const std::vector<std::string>& args, const std::string& outputPath = std::string()) {
        return RunInChild(args, outputPath, [](pid_t) {});
    }

    std::vector<std::string> TemporaryFiles() {
        std::vector<std::string> found;
        for (const auto& entry : std::filesystem::directory_iterator(scratch.File("")))
            if (entry.path().filename().string().rfind(".lumigrid-", 0) == 0) found.push_back(entry.path().string());
        return found;
    }
};

TEST_F(SafeOutputTest, ALinkIsFollowedAndAPrivateFileStaysPrivate) {
    ScratchDirectory::Write(output, std::string("previous"));
    ASSERT_EQ(0, chmod(output.c_str(), 0600));
    const std::string link = scratch.File("link.hex");
    ASSERT_EQ(0, symlink("show.hex", link.c_str()));
    CliOutcome built = RunCliWith({"build", list, "-o", link});
    ASSERT_EQ(0, built.status) << built.err;
    struct stat info;
    ASSERT_EQ(0, lstat(link.c_str(), &info));
    EXPECT_TRUE(S_ISLNK(info.st_mode)) << "the link is kept";
    ASSERT_EQ(0, stat(output.c_str(), &info));
    EXPECT_EQ(0600u, info.st_mode & 07777) << "the mode of the file replaced";
    EXPECT_EQ(ResetImage, ScratchDirectory::ReadText(output));
    EXPECT_TRUE(TemporaryFiles().empty());
}

TEST_F(SafeOutputTest, AFifoAndADeviceAreWrittenDirectly) {
    const std::string fifo = scratch.File("pipe.hex");
    ASSERT_EQ(0, mkfifo(fifo.c_str(), 0600));
    std::string read;
    std::thread reader([&] { read = ScratchDirectory::ReadText(fifo); });
    CliOutcome built = RunCliWith({"build", list, "-o", fifo});
    reader.join();
    EXPECT_EQ(0, built.status) << built.err;
    EXPECT_EQ(ResetImage, read);
    struct stat info;
    ASSERT_EQ(0, lstat(fifo.c_str(), &info));
    EXPECT_TRUE(S_ISFIFO(info.st_mode)) << "still a FIFO";

    CliOutcome full = RunCliWith({"build", list, "-o", "/dev/full"});
    EXPECT_EQ(1, full.status);
    EXPECT_EQ("lumigrid-cli: cannot write '/dev/full': No space left on device\n", full.err);
    ASSERT_EQ(0, lstat("/dev/full", &info));
    EXPECT_TRUE(S_ISCHR(info.st_mode)) << "the device is still a device";
    EXPECT_TRUE(TemporaryFiles().empty());
}

TEST_F(SafeOutputTest, StandardOutputIsAnOutputAndItsFailureIsAnError) {
    // -o - into a pipe.
    int ends[2];
    ASSERT_EQ(0, pipe(ends));
    ChildOutcome piped = RunInChild({"build", list, "-o", "-"}, "/dev/fd/" + std::to_string(ends[1]));
    close(ends[1]);
    char bytes[256];
    const ssize_t got = read(ends[0], bytes, sizeof bytes);
    close(ends[0]);
    EXPECT_EQ(0, piped.status) << piped.err;
    EXPECT_EQ(ResetImage, std::string(bytes, got > 0 ? static_cast<std::size_t>(got) : 0));

    LedPattern pattern;
    pattern.Create(255, 255);
    pattern.SetFrameCount(8);
    const std::string big = scratch.File("big.led");
    ASSERT_TRUE(SavePatternFile(pattern, big.c_str()));
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"show", big}, {"--help"}, {"list", "show", list}}) {
        ChildOutcome full = RunInChild(args, "/dev/full");
        EXPECT_EQ(1, full.status) << ShownArguments(args);
        EXPECT_EQ("lumigrid-cli: cannot write standard output: No space left on device\n", full.err)
            << ShownArguments(args);
    }
}

TEST_F(SafeOutputTest, StandardInputIsAnInputWhereItMakesSense) {
    auto fromInput = [this](const std::vector<std::string>& args, const std::string& input) {
        return RunInChild(args, std::string(), [](pid_t) {}, input);
    };
    ASSERT_EQ(0, RunCliWith({"build", list, "-o", output}).status);
    ChildOutcome checked = fromInput({"check", "-"}, list);
    EXPECT_EQ(0, checked.status) << checked.err;
    EXPECT_EQ("0: :Reset: reset, adds 2 bytes\n1 entry, 0 skipped; display program of 6 bytes\n", checked.out);
    ChildOutcome decoded = fromInput({"decode", "-"}, output);
    EXPECT_EQ(0, decoded.status) << decoded.err;
    EXPECT_EQ(0u, decoded.out.find("-: 2 records, format 8bit")) << decoded.out;
    ChildOutcome damaged = fromInput({"show", "-"}, list);
    EXPECT_EQ(1, damaged.status);
    EXPECT_EQ("lumigrid-cli: cannot load '-': not a pattern file\n", damaged.err);

    ChildOutcome edited = fromInput({"list", "add", "-", output}, list);
    EXPECT_EQ(2, edited.status);
    EXPECT_NE(std::string::npos, edited.err.find("takes a file, not standard input (-)"));
    EXPECT_EQ(2, fromInput({"import", "-", "-", "-o", output}, list).status) << "read once only";
    std::vector<std::string> left;
    for (const auto& entry : std::filesystem::directory_iterator(scratch.File("")))
        if (entry.path().filename().string().rfind("lgi", 0) == 0) left.push_back(entry.path().string());
    EXPECT_TRUE(left.empty()) << "the copy of standard input is removed";
}

TEST_F(SafeOutputTest, AnInterruptedBuildLeavesNoTemporaryFile) {
    // An entry that is a FIFO holds the build until the signal comes.
    const std::string fifo = scratch.File("waits.led");
    ASSERT_EQ(0, mkfifo(fifo.c_str(), 0600));
    ScratchDirectory::Write(list, ":Reset\r\n" + fifo + "\r\n");
    for (int signal : {SIGINT, SIGTERM, SIGHUP}) {
        bool sawTemporary = false;
        ChildOutcome interrupted = RunInChild({"build", list, "-o", output}, std::string(), [&](pid_t child) {
            for (int i = 0; i < 500 && !sawTemporary; ++i) {
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
                sawTemporary = !TemporaryFiles().empty();
            }
            kill(child, signal);
        });
        EXPECT_TRUE(sawTemporary);
        EXPECT_EQ(signal, interrupted.signal) << "dies of the signal";
        EXPECT_TRUE(TemporaryFiles().empty()) << "signal " << signal;
        EXPECT_FALSE(ScratchDirectory::Exists(output));
    }
}

TEST_F(SafeOutputTest, AFailedExtractRemovesTheDirectoryItMade) {
    const std::string hex = scratch.File("one.hex");
    LedPattern pattern;
    pattern.Create(16, 16);
    pattern.SetFrameCount(64);
    const std::string led = scratch.File("one.led");
    ASSERT_TRUE(SavePatternFile(pattern, led.c_str()));
    ScratchDirectory::Write(list, led + "\r\n");
    ASSERT_EQ(0, RunCliWith({"build", list, "-o", hex}).status);
    const std::string directory = scratch.File("recovered");
    {
        FileSizeLimit full(1024);
        CliOutcome extracted = RunCliWith({"decode", hex, "--extract", directory});
        EXPECT_EQ(1, extracted.status);
        EXPECT_NE(std::string::npos, extracted.err.find("pattern-000.led': File too large")) << extracted.err;
    }
    EXPECT_FALSE(ScratchDirectory::Exists(directory));
}

}  // namespace
#endif
