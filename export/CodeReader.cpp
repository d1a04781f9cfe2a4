// Reading C, C++, Python, Rust, XBM and pasted code: one pass over the
// tokens, taking the values of the frames (or bits) assignment and of the
// delays, and passing over everything else.
#include <algorithm>
#include <cstring>

#include "export/CodeScanner.h"
#include "export/ReadBack.h"

namespace {

const std::size_t MaxNesting = 64;
const std::size_t RememberedNames = 16;

enum class Target { Frames, Bits, Delays, Other };
enum class GroupRead { Read, NotAGroup, Failed };

bool EndsWith(const std::string& name, const char* suffix) {
    const std::size_t length = std::strlen(suffix);
    if (name.size() < length) return false;
    for (std::size_t i = 0; i < length; ++i) {
        char c = name[name.size() - length + i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != suffix[i]) return false;
    }
    return true;
}

// What an assignment assigns, by the names of its statement, and the name of
// its data without the suffix.
Target Classify(const std::vector<std::string>& names, std::string* dataName) {
    static const struct {
        const char* suffix;
        Target target;
    } Suffixes[] = {{"frames", Target::Frames}, {"_bits", Target::Bits}, {"delays_ms", Target::Delays}};
    for (const auto& known : Suffixes)
        for (const std::string& name : names)
            if (EndsWith(name, known.suffix)) {
                const std::size_t keep = name.size() - std::strlen(known.suffix);
                *dataName = name.substr(0, keep > 0 && name[keep - 1] == '_' ? keep - 1 : keep);
                if (known.target == Target::Bits) *dataName = name.substr(0, keep);
                return known.target;
            }
    return Target::Other;
}

// The width of the values by the type the statement names; bytes unless it
// names a wider one.
unsigned ValueBitsOf(const std::vector<std::string>& names) {
    static const struct {
        const char* type;
        unsigned bits;
    } Types[] = {{"uint16_t", 16}, {"uint32_t", 32}, {"uint64_t", 64}, {"u16", 16}, {"u32", 32}, {"u64", 64}};
    for (const std::string& name : names)
        for (const auto& known : Types)
            if (name == known.type) return known.bits;
    return 8;
}

bool Fail(ExportReadError* error, unsigned long line, const std::string& what) {
    error->line = line;
    error->what = what;
    return false;
}

// Where the values of one assignment go.
struct ValueSink {
    unsigned bits;
    std::vector<std::uint8_t>* bytes;       // words big-endian, or
    std::vector<std::uint32_t>* numbers;
    std::vector<ValueGroup>* groups;
};

bool AddValue(const CodeToken& token, std::uint64_t value, ValueSink& sink, ValueGroup& group, ExportReadError* error) {
    if (sink.bits == 8 && value <= 0xFF && sink.bytes) {
        sink.bytes->push_back(static_cast<std::uint8_t>(value));
        ++group.bytes;
        return true;
    }
    const std::uint64_t largest = sink.bits >= 64 ? ~0ull : (1ull << sink.bits) - 1;
    if (value > largest)
        return Fail(error, token.line, token.Text() + " does not fit " + std::to_string(sink.bits) + " bits");
    if (sink.numbers) {
        sink.numbers->push_back(static_cast<std::uint32_t>(value));
        return true;
    }
    for (unsigned shift = sink.bits; shift > 0; shift -= 8)
        sink.bytes->push_back(static_cast<std::uint8_t>(value >> (shift - 8)));
    group.bytes += sink.bits / 8;
    return true;
}

GroupRead Failed(ExportReadError* error, unsigned long line, const std::string& what) {
    Fail(error, line, what);
    return GroupRead::Failed;
}

bool Closes(char open, char close) {
    return (open == '{' && close == '}') || (open == '[' && close == ']') || (open == '(' && close == ')');
}

// The bracketed group of values that follows an "=" (after any names, such
// as Python's bytes).
GroupRead ReadGroup(CodeScanner& scanner, ValueSink& sink, unsigned long* endLine, ExportReadError* error) {
    CodeToken token = scanner.Next();
    while (token.kind == CodeToken::Name) token = scanner.Next();
    if (token.kind == CodeToken::Error) return Failed(error, token.line, scanner.Problem());
    if (!token.Is('{') && !token.Is('[') && !token.Is('(')) return GroupRead::NotAGroup;
    std::string open(1, *token.text);
    std::vector<ValueGroup> groups(1, ValueGroup{0, token.line});
    for (;;) {
        while (scanner.NextListedNumber(&token))
            if (!AddValue(token, token.value, sink, groups.back(), error)) return GroupRead::Failed;
        token = scanner.Next();
        std::uint64_t value = 0;
        if (token.kind == CodeToken::End) return Failed(error, token.line, "the text ends inside the values");
        if (token.kind == CodeToken::Error) return Failed(error, token.line, scanner.Problem());
        if (token.kind == CodeToken::String) return Failed(error, token.line, "a string among the values");
        if (token.kind == CodeToken::Number || (token.kind == CodeToken::Name && ArduinoBinary(token.Text(), &value))) {
            if (token.kind == CodeToken::Number) value = token.value;
            if (!AddValue(token, value, sink, groups.back(), error)) return GroupRead::Failed;
        } else if (token.Is('{') || token.Is('[') || token.Is('(')) {
            if (open.size() == MaxNesting) return Failed(error, token.line, "the values nest too deep");
            open += *token.text;
            groups.push_back(ValueGroup{0, token.line});
        } else if (token.Is('}') || token.Is(']') || token.Is(')')) {
            if (!Closes(open.back(), *token.text))
                return Failed(error, token.line, std::string("'") + *token.text + "' closes '" + open.back() + "'");
            if (groups.back().bytes > 0 && sink.groups) sink.groups->push_back(groups.back());
            open.pop_back();
            groups.pop_back();
            if (open.empty()) {
                *endLine = token.line;
                return GroupRead::Read;
            }
        } else if (token.kind == CodeToken::Punctuation && !token.Is(',')) {
            return Failed(error, token.line, std::string("'") + *token.text + "' among the values");
        }
    }
}

// Every number of a text that has no assignment: a bare list of values.
bool ReadAllNumbers(const char* text, std::size_t size, ReadBack* read, ExportReadError* error) {
    CodeScanner scanner(text, size);
    ValueSink sink{8, &read->bytes, nullptr, nullptr};
    ValueGroup group{0, 1};
    for (;;) {
        CodeToken token = scanner.Next();
        std::uint64_t value = 0;
        if (token.kind == CodeToken::End) break;
        if (token.kind == CodeToken::Error) return Fail(error, token.line, scanner.Problem());
        if (token.kind == CodeToken::Number || (token.kind == CodeToken::Name && ArduinoBinary(token.Text(), &value))) {
            if (token.kind == CodeToken::Number) value = token.value;
            if (!AddValue(token, value, sink, group, error)) return false;
            read->endLine = token.line;
        }
    }
    if (read->bytes.empty()) return Fail(error, 0, "the text holds no values");
    return true;
}

bool ReadLayoutMark(const char* text, std::size_t size, ReadBack* read, ExportReadError* error) {
    const char* end = text + size;
    const char* mark = std::search(text, end, LayoutLineMark, LayoutLineMark + std::strlen(LayoutLineMark));
    if (mark == end) return true;
    const char* stop = mark;
    while (stop < end && *stop != '\n' && *stop != '\r') ++stop;
    const std::string problem =
        ParseLayoutLine(std::string(mark + std::strlen(LayoutLineMark), stop), &read->line);
    if (!problem.empty()) return Fail(error, LineAt(text, static_cast<std::size_t>(mark - text)), problem);
    read->hasLayout = true;
    return true;
}

// XBM's "#define name_width N" and "#define name_height N".
void ReadXbmSize(const char* text, std::size_t size, ReadBack* read) {
    static const char Define[] = "#define";
    const char* end = text + size;
    for (const char* at = text; (at = std::search(at, end, Define, Define + 7)) != end; at += 7) {
        CodeScanner scanner(at + 7, static_cast<std::size_t>(end - at - 7));
        const CodeToken name = scanner.Next(), value = scanner.Next();
        if (name.kind != CodeToken::Name || value.kind != CodeToken::Number || value.value > MaxExportedSide * LedPattern::MaxFrames || name.line != value.line)
            continue;
        if (EndsWith(name.Text(), "_width") && read->size.width == 0) read->size.width = static_cast<unsigned>(value.value);
        if (EndsWith(name.Text(), "_height") && read->size.height == 0) read->size.height = static_cast<unsigned>(value.value);
    }
}

}  // namespace

bool ReadCodeText(const char* text, std::size_t size, ReadBack* read, ExportReadError* error) {
    if (!ReadLayoutMark(text, size, read, error)) return false;
    CodeScanner scanner(text, size);
    std::vector<std::string> names;
    std::size_t depth = 0;
    bool assigned = false, haveData = false;
    for (;;) {
        const CodeToken token = scanner.Next();
        if (token.kind == CodeToken::End) break;
        if (token.kind == CodeToken::Error) return Fail(error, token.line, scanner.Problem());
        if (token.kind == CodeToken::Name) {
            if (names.size() == RememberedNames) names.erase(names.begin());
            names.push_back(token.Text());
        } else if (token.Is('{') || token.Is('[') || token.Is('(')) {
            ++depth;
        } else if (token.Is('}') || token.Is(']') || token.Is(')')) {
            if (depth > 0) --depth;
        } else if (token.Is(';') && depth == 0) {
            names.clear();
        } else if (token.Is('=') && depth == 0) {
            assigned = true;
            std::string dataName;
            const Target target = Classify(names, &dataName);
            const unsigned bits = ValueBitsOf(names);
            names.clear();
            unsigned long endLine = 0;
            if (target == Target::Delays && read->delays.empty()) {
                ValueSink sink{32, nullptr, &read->delays, nullptr};
                if (ReadGroup(scanner, sink, &endLine, error) == GroupRead::Failed) return false;
            } else if (!haveData && (target == Target::Frames || target == Target::Bits || !read->hasLayout)) {
                ValueSink sink{bits, &read->bytes, nullptr, &read->groups};
                const GroupRead result = ReadGroup(scanner, sink, &endLine, error);
                if (result == GroupRead::Failed) return false;
                if (result == GroupRead::Read && !read->bytes.empty()) {
                    haveData = true;
                    read->name = dataName;
                    read->stacked = target == Target::Bits;
                    read->valueBits = bits;
                    read->endLine = endLine;
                }
            }
        }
    }
    if (!haveData && !assigned && !read->hasLayout) return ReadAllNumbers(text, size, read, error);
    if (!haveData)
        return Fail(error, 0, read->hasLayout ? "no frames array (NAME_frames = ...) after the layout line"
                                              : "no values: no bracketed group after an \"=\"");
    if (read->stacked) ReadXbmSize(text, size, read);
    return true;
}
