// lumigrid-cli list: every edit compared byte for byte with the .ll file it
// must leave.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "pattern/document/LedFile.h"
#include "tests/support/CliRun.h"
#include "tests/support/DirectoryListing.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/ScratchDirectory.h"

namespace {

// Makes the directory current for the life of the object.
class CurrentDirectory {
public:
    explicit CurrentDirectory(const std::filesystem::path& directory) : previous_(std::filesystem::current_path()) {
        std::filesystem::current_path(directory);
    }
    ~CurrentDirectory() {
        std::error_code error;
        std::filesystem::current_path(previous_, error);
    }

private:
    std::filesystem::path previous_;
};

class ListCommandsTest : public ::testing::Test {
protected:
    ScratchDirectory scratch;
    std::string list = scratch.File("show.ll");
    std::string a = Pattern("a.led"), b = Pattern("b.led"), c = Pattern("c.led");

    std::string Pattern(const std::string& name) {
        LedPattern pattern;
        pattern.Create(8, 8);
        pattern.SetFrameCount(2);
        std::string path = scratch.File(name);
        EXPECT_TRUE(SavePatternFile(pattern, path.c_str()));
        return path;
    }
    void Run(const std::vector<std::string>& args) {
        CliOutcome outcome = RunCliWith(args);
        EXPECT_EQ(0, outcome.status) << ShownArguments(args) << outcome.err;
        EXPECT_EQ("", outcome.err);
        EXPECT_EQ("", outcome.out);
    }
    void ExpectFailure(const std::vector<std::string>& args, const std::string& message) {
        CliOutcome outcome = RunCliWith(args);
        EXPECT_EQ(1, outcome.status) << ShownArguments(args);
        EXPECT_EQ("lumigrid-cli: " + message + "\n", outcome.err);
    }
    // The message, then the system's reason.
    void ExpectFailureWithReason(const std::vector<std::string>& args, const std::string& message) {
        CliOutcome outcome = RunCliWith(args);
        EXPECT_EQ(1, outcome.status) << ShownArguments(args);
        EXPECT_EQ(0u, outcome.err.find("lumigrid-cli: " + message + ": ")) << outcome.err;
        EXPECT_LT(("lumigrid-cli: " + message + ": \n").size(), outcome.err.size()) << outcome.err;
    }
};

TEST_F(ListCommandsTest, NewMakesAnEmptyListAndNeverReplacesOne) {
    Run({"list", "new", list});
    EXPECT_TRUE(ScratchDirectory::Exists(list));
    EXPECT_EQ("", ScratchDirectory::ReadText(list));

    ScratchDirectory::Write(list, a + "\r\n");
    ExpectFailure({"list", "new", list}, "'" + list + "' already exists; list new makes only new lists");
    EXPECT_EQ(a + "\r\n", ScratchDirectory::ReadText(list));
    ExpectFailureWithReason({"list", "new", scratch.File("no/such/x.ll")},
                  "cannot create list file '" + scratch.File("no/such/x.ll") + "'");
}

TEST_F(ListCommandsTest, AddResetAndRemoveRewriteTheFile) {
    Run({"list", "new", list});
    Run({"list", "add", list, a, b});
    EXPECT_EQ(a + "\r\n" + b + "\r\n", ScratchDirectory::ReadText(list));
    Run({"list", "reset", list});
    Run({"list", "add", list, c, "--at", "1"});
    EXPECT_EQ(a + "\r\n" + c + "\r\n" + b + "\r\n:Reset\r\n", ScratchDirectory::ReadText(list));
    Run({"list", "reset", list, "--at=0"});
    Run({"list", "add", "--at", "5", list, a});
    EXPECT_EQ(":Reset\r\n" + a + "\r\n" + c + "\r\n" + b + "\r\n:Reset\r\n" + a + "\r\n",
              ScratchDirectory::ReadText(list));

    Run({"list", "remove", list, "0"});
    Run({"list", "remove", list, "4"});
    Run({"list", "remove", list, "1"});
    EXPECT_EQ(a + "\r\n" + b + "\r\n:Reset\r\n", ScratchDirectory::ReadText(list));

    CliOutcome shown = RunCliWith({"list", "show", list});
    EXPECT_EQ(0, shown.status);
    EXPECT_EQ("0: " + a + "\n1: " + b + "\n2: :Reset\n", shown.out);

    for (int i = 0; i < 3; ++i) Run({"list", "remove", list, "0"});
    EXPECT_EQ("", ScratchDirectory::ReadText(list));
    EXPECT_EQ("", RunCliWith({"list", "show", list}).out);
    // Only the list and the patterns: no file left beside them.
    EXPECT_EQ((std::vector<std::string>{"a.led", "b.led", "c.led", "show.ll"}), NamesIn(scratch));
}

TEST_F(ListCommandsTest, PatternsAreStoredByFullPath) {
    CurrentDirectory inside(std::filesystem::path(a).parent_path());
    Run({"list", "add", "show.ll", "a.led", "./b.led"});
    EXPECT_EQ(a + "\r\n" + b + "\r\n", ScratchDirectory::ReadText(list));
}

TEST_F(ListCommandsTest, AddAndResetMakeAMissingListButRemoveAndShowDoNot) {
    Run({"list", "reset", list});
    EXPECT_EQ(":Reset\r\n", ScratchDirectory::ReadText(list));
    std::string other = scratch.File("other.ll");
    Run({"list", "add", other, b});
    EXPECT_EQ(b + "\r\n", ScratchDirectory::ReadText(other));

    std::string missing = scratch.File("missing.ll");
    ExpectFailure({"list", "remove", missing, "0"}, "cannot read list file '" + missing + "'");
    ExpectFailure({"list", "show", missing}, "cannot read list file '" + missing + "'");
    EXPECT_FALSE(ScratchDirectory::Exists(missing));
}

TEST_F(ListCommandsTest, RefusedEditsLeaveTheListAsItWas) {
    const std::string before = a + "\r\n:Reset\r\n";
    ScratchDirectory::Write(list, before);

    std::string text = scratch.File("text.led");
    ScratchDirectory::Write(text, std::string("hello"));
    ExpectFailure({"list", "add", list, b, text}, "cannot add '" + text + "': not a pattern file");
    std::string missing = scratch.File("missing.led");
    ExpectFailure({"list", "add", list, missing}, "cannot add '" + missing + "': cannot open the file");
    ExpectFailure({"list", "add", list, b, "--at", "3"},
                  "--at 3 is past the end of '" + list + "' (2 entries; --at takes 0 to 2)");
    ExpectFailure({"list", "remove", list, "2"}, "'" + list + "' has no entry 2 (2 entries; 0 to 1)");
    EXPECT_EQ(before, ScratchDirectory::ReadText(list));

    // A new list that cannot take the patterns is not made either.
    std::string fresh = scratch.File("fresh.ll");
    ExpectFailure({"list", "add", fresh, text}, "cannot add '" + text + "': not a pattern file");
    EXPECT_FALSE(ScratchDirectory::Exists(fresh));
}

TEST_F(ListCommandsTest, TextTheListCannotHoldIsNeverRewrittenAway) {
    const std::vector<std::string> kept = {
        a + "\r\nunended",                              // after the last CR
        std::string(4096, 'x') + "\r\n" + a + "\r\n",   // a line too long
        std::string("a\0b\r\n", 5),                     // a NUL byte
    };
    for (const std::string& contents : kept) {
        ScratchDirectory::Write(list, contents);
        CliOutcome refused = RunCliWith({"list", "reset", list});
        EXPECT_EQ(1, refused.status);
        EXPECT_NE(std::string::npos, refused.err.find("holds text that is not a list entry")) << refused.err;
        EXPECT_NE(std::string::npos, refused.err.find("not changed, to keep it"));
        EXPECT_EQ(contents, ScratchDirectory::ReadText(list));
    }
    CliOutcome shown = RunCliWith({"list", "show", list});
    EXPECT_EQ(0, shown.status);
    EXPECT_EQ("", shown.out);
    EXPECT_NE(std::string::npos, shown.err.find("note: '" + list + "' holds text that is not a list entry"));

    // Line ends the reader takes as they are are rewritten as CR LF.
    ScratchDirectory::Write(list, a + "\r\r\n\n" + b + "\r");
    Run({"list", "reset", list});
    EXPECT_EQ(a + "\r\n" + b + "\r\n:Reset\r\n", ScratchDirectory::ReadText(list));
    ScratchDirectory::Write(list, a + "\n" + b + "\n");
    Run({"list", "reset", list});
    EXPECT_EQ(a + "\r\n" + b + "\r\n:Reset\r\n", ScratchDirectory::ReadText(list));
}

#ifndef _WIN32
TEST_F(ListCommandsTest, AFailedRewriteKeepsThePreviousList) {
    std::string before;
    for (int i = 0; i < 200; ++i) before += a + "\r\n";
    ScratchDirectory::Write(list, before);
    {
        FileSizeLimit full(before.size() / 2);
        ExpectFailure({"list", "reset", list}, "cannot write list file '" + list + "': File too large");
    }
    EXPECT_EQ(before, ScratchDirectory::ReadText(list));
    EXPECT_EQ((std::vector<std::string>{"a.led", "b.led", "c.led", "show.ll"}), NamesIn(scratch));
}

TEST_F(ListCommandsTest, ANameWithALineBreakIsRefused) {
    std::string broken = Pattern("two\nlines.led");
    ExpectFailure({"list", "add", list, broken},
                  "cannot add '" + broken + "': a list line cannot hold a name with a line break");
    EXPECT_FALSE(ScratchDirectory::Exists(list));
}
#endif

TEST_F(ListCommandsTest, UsageErrors) {
    const std::vector<std::vector<std::string>> wrong = {
        {"list"},
        {"list", "sort", list},
        {"list", "new"},
        {"list", "new", list, list},
        {"list", "add", list},
        {"list", "add"},
        {"list", "add", list, a, "--at"},
        {"list", "add", list, a, "--at", "first"},
        {"list", "add", list, a, "--at", "-1"},
        {"list", "reset", list, a},
        {"list", "reset", list, "--after", "1"},
        {"list", "remove", list},
        {"list", "remove", list, "x"},
        {"list", "remove", list, "1", "2"},
        {"list", "show"},
    };
    for (const auto& args : wrong) {
        CliOutcome outcome = RunCliWith(args);
        EXPECT_EQ(2, outcome.status) << ShownArguments(args);
        EXPECT_EQ(0u, outcome.err.find("lumigrid-cli: list")) << outcome.err;
        EXPECT_EQ(1, std::count(outcome.err.begin(), outcome.err.end(), '\n')) << outcome.err;
    }
    EXPECT_FALSE(ScratchDirectory::Exists(list));
}

}  // namespace
