#include "cli/PlainCommandLine.h"

#include <cstring>

namespace {

// Whether word is one of names, a list such as "-o,--output".
bool Names(const char* names, const char* word) {
    const std::size_t length = std::strlen(word);
    for (const char* name = names; *name;) {
        const char* end = std::strchr(name, ',');
        const std::size_t size = end ? static_cast<std::size_t>(end - name) : std::strlen(name);
        if (size == length && std::strncmp(name, word, size) == 0) return true;
        if (!end) break;
        name = end + 1;
    }
    return false;
}

// A word that CLI11 takes as it is: no option, no "--".
bool PlainWord(const char* word) { return word[0] != '-' || (word[1] == '\0'); }

}  // namespace

bool PlainCommandLine::Read(int argc, const char* const argv[], const PlainShape& shape) {
    positionals_.clear();
    given_.clear();
    for (int i = 2; i < argc; ++i) {
        const char* word = argv[i];
        if (PlainWord(word)) {
            positionals_.push_back(word);
            continue;
        }
        const PlainOption* option = nullptr;
        for (const PlainOption& candidate : shape.options)
            if (Names(candidate.names, word)) option = &candidate;
        if (!option || Given(option->names)) return false;
        if (!option->takesValue) {
            given_.push_back({option->names, std::string()});
            continue;
        }
        if (i + 1 >= argc || !PlainWord(argv[i + 1])) return false;
        given_.push_back({option->names, argv[++i]});
    }
    return positionals_.size() == shape.positionals;
}

const std::string* PlainCommandLine::Value(const char* names) const {
    for (const Taken& option : given_)
        if (std::strcmp(option.names, names) == 0) return &option.value;
    return nullptr;
}

bool PlainCommandLine::Given(const char* names) const { return Value(names) != nullptr; }
