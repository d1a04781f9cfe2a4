// DisplayList::Load over any bytes: never a crash or an overflow, exactly the
// entries the reading rules give (checked against a plain reading of them),
// and a list that is saved loads back the same.
#include <string>
#include <vector>

#include "fuzz/FuzzScratch.h"
#include "pattern/list/DisplayList.h"

namespace {

const FuzzScratch scratch;
const std::string input = scratch.File("input.ll");
const std::string copy = scratch.File("copy.ll");

// CR LF, CR and LF each end a line, empty lines add nothing, bytes after
// the last line end are ignored, and a line too long to hold or holding a NUL
// is skipped whole. leftOut tells whether any text was dropped.
std::vector<std::string> ExpectedEntries(const std::uint8_t* data, std::size_t size, bool* leftOut) {
    std::vector<std::string> entries;
    std::string line;
    *leftOut = false;
    for (std::size_t i = 0; i < size; ++i) {
        char byte = static_cast<char>(data[i]);
        if (byte == '\n' && i > 0 && data[i - 1] == '\r') continue;
        if (byte != '\r' && byte != '\n') {
            line += byte;
            continue;
        }
        if (line.size() > DisplayList::MaxLineLength || line.find('\0') != std::string::npos) *leftOut = true;
        else if (!line.empty()) entries.push_back(line);
        line.clear();
    }
    if (!line.empty()) *leftOut = true;
    return entries;
}

std::vector<std::string> Entries(const DisplayList& list) {
    std::vector<std::string> entries;
    for (const DisplayListEntry* entry = list.first; entry; entry = entry->next) entries.push_back(entry->text.get());
    return entries;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzScratch::Write(input, data, size);
    DisplayList list;
    FUZZ_REQUIRE(list.SelectFile(input.c_str(), false));
    const std::vector<std::string> entries = Entries(list);
    bool leftOut = false;
    FUZZ_REQUIRE(entries == ExpectedEntries(data, size, &leftOut));
    FUZZ_REQUIRE(list.LeftTextOut() == leftOut);

    DisplayList saved;
    FUZZ_REQUIRE(saved.SelectFile(copy.c_str(), true));
    for (const std::string& entry : entries) FUZZ_REQUIRE(saved.Add(entry.c_str(), false));
    FUZZ_REQUIRE(saved.Save());
    DisplayList reloaded;
    FUZZ_REQUIRE(reloaded.SelectFile(copy.c_str(), false));
    FUZZ_REQUIRE(Entries(reloaded) == entries);
    return 0;
}
