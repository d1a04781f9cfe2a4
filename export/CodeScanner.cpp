#include "export/CodeScanner.h"

#include <cstring>

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsNameStart(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || static_cast<unsigned char>(c) >= 0x80;
}
bool IsNamePart(char c) { return IsNameStart(c) || IsDigit(c); }

// Every character's value as a digit, 99 for those that are none; made by
// the compiler, not before main.
struct DigitValues {
    std::uint8_t value[256] = {};
    constexpr DigitValues() {
        for (unsigned c = 0; c < 256; ++c)
            value[c] = c >= '0' && c <= '9'   ? static_cast<std::uint8_t>(c - '0')
                       : c >= 'a' && c <= 'z' ? static_cast<std::uint8_t>(c - 'a' + 10)
                       : c >= 'A' && c <= 'Z' ? static_cast<std::uint8_t>(c - 'A' + 10)
                                              : 99;
    }
};
constexpr DigitValues Digits;

int DigitValue(char c) { return Digits.value[static_cast<unsigned char>(c)]; }

// The type suffixes of C (u, l, ll in any case and order) and Rust (u8 ..
// usize, i8 .. isize).
bool IsSuffix(const std::string& suffix) {
    static const char* const Rust[] = {"u8", "u16", "u32", "u64", "u128", "usize",
                                       "i8", "i16", "i32", "i64", "i128", "isize"};
    for (const char* known : Rust)
        if (suffix == known) return true;
    if (suffix.size() > 3) return false;
    unsigned us = 0, ls = 0;
    for (char c : suffix) {
        if (c == 'u' || c == 'U') ++us;
        else if (c == 'l' || c == 'L') ++ls;
        else return false;
    }
    return us <= 1 && ls <= 2;
}

}  // namespace

CodeToken CodeScanner::Fault(unsigned long line, const std::string& problem) {
    problem_ = problem;
    CodeToken token;
    token.kind = CodeToken::Error;
    token.line = line;
    return token;
}

bool ArduinoBinary(const std::string& name, std::uint64_t* value) {
    if (name.size() < 2 || name.size() > 9 || name[0] != 'B') return false;
    std::uint64_t result = 0;
    for (std::size_t i = 1; i < name.size(); ++i) {
        if (name[i] != '0' && name[i] != '1') return false;
        result = result * 2 + static_cast<unsigned>(name[i] - '0');
    }
    *value = result;
    return true;
}

bool CodeScanner::SkipSpaceAndComments(CodeToken* error) {
    while (at_ < end_) {
        // The spaces between values, which most of a text is, first.
        while (at_ < end_ && *at_ == ' ') ++at_;
        if (at_ == end_) break;
        const char c = *at_;
        if (c == '\n' || (c == '\r' && (at_ + 1 == end_ || at_[1] != '\n'))) {
            ++line_;
            ++at_;
        } else if (c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v') {
            ++at_;
        } else if (c == '#' || (c == '/' && at_ + 1 < end_ && at_[1] == '/')) {
            // To the end of the line, which a lone CR ends too.
            const void* newline = std::memchr(at_, '\n', static_cast<std::size_t>(end_ - at_));
            const char* stop = newline ? static_cast<const char*>(newline) : end_;
            const void* cr = std::memchr(at_, '\r', static_cast<std::size_t>(stop - at_));
            at_ = cr ? static_cast<const char*>(cr) : stop;
        } else if (c == '/' && at_ + 1 < end_ && at_[1] == '*') {
            const unsigned long opened = line_;
            at_ += 2;
            for (;;) {
                if (at_ + 1 >= end_) {
                    *error = Fault(opened, "a comment that does not end");
                    return false;
                }
                if (at_[0] == '*' && at_[1] == '/') break;
                if (*at_ == '\n' || (*at_ == '\r' && at_[1] != '\n')) ++line_;
                ++at_;
            }
            at_ += 2;
        } else {
            break;
        }
    }
    return true;
}

CodeToken CodeScanner::Next() {
    CodeToken error;
    if (!SkipSpaceAndComments(&error)) {
        at_ = end_;
        return error;
    }
    CodeToken token;
    token.line = line_;
    if (at_ == end_) return token;
    if (IsDigit(*at_)) return ReadNumber();
    if (IsNameStart(*at_)) return ReadName();
    if (*at_ == '"' || *at_ == '\'') return ReadString();
    token.kind = CodeToken::Punctuation;
    token.text = at_++;
    token.length = 1;
    return token;
}

const char* CodeScanner::PlainNumber(const char* p, std::uint64_t* value) const {
    const bool hex = end_ - p > 2 && p[0] == '0' && (p[1] == 'x' || p[1] == 'X');
    const unsigned base = hex ? 16 : 10;
    if (hex) p += 2;
    const char* digits = p;
    std::uint64_t result = 0;
    // 15 digits cannot overflow; longer numbers take the careful way.
    while (p < end_ && p - digits < 15 && DigitValue(*p) < static_cast<int>(base))
        result = result * base + static_cast<unsigned>(DigitValue(*p++));
    const bool octal = !hex && p - digits > 1 && digits[0] == '0';
    if (p == digits || octal || (p < end_ && (IsNamePart(*p) || *p == '\'' || *p == '.'))) return nullptr;
    *value = result;
    return p;
}

bool CodeScanner::NextListedNumber(CodeToken* token) {
    const char* p = at_;
    while (p < end_ && *p == ' ') ++p;
    std::uint64_t value = 0;
    const char* after = p < end_ && IsDigit(*p) ? PlainNumber(p, &value) : nullptr;
    if (!after) return false;
    token->kind = CodeToken::Number;
    token->value = value;
    token->text = p;
    token->length = static_cast<std::size_t>(after - p);
    token->line = line_;
    while (after < end_ && *after == ' ') ++after;
    if (after < end_ && *after == ',') ++after;
    at_ = after;
    return true;
}

CodeToken CodeScanner::ReadNumber() {
    std::uint64_t plain = 0;
    if (const char* after = PlainNumber(at_, &plain)) {
        CodeToken token;
        token.kind = CodeToken::Number;
        token.value = plain;
        token.text = at_;
        token.length = static_cast<std::size_t>(after - at_);
        token.line = line_;
        at_ = after;
        return token;
    }
    const char* start = at_;
    while (at_ < end_ && (IsNamePart(*at_) || *at_ == '\'' || *at_ == '.')) ++at_;
    const std::size_t length = static_cast<std::size_t>(at_ - start);
    unsigned base = 10;
    std::size_t i = 0;
    if (length > 1 && start[0] == '0') {
        const char kind = start[1];
        if (kind == 'x' || kind == 'X') base = 16, i = 2;
        else if (kind == 'b' || kind == 'B') base = 2, i = 2;
        else if (kind == 'o' || kind == 'O') base = 8, i = 2;
        else if (IsDigit(kind)) base = 8, i = 1;   // C's octal
    }
    std::uint64_t value = 0;
    unsigned digits = 0;
    for (; i < length; ++i) {
        const char c = start[i];
        if (c == '_' || c == '\'') continue;
        const int digit = DigitValue(c);
        if (digit >= static_cast<int>(base)) break;
        if (value > (~0ull - static_cast<unsigned>(digit)) / base)
            return Fault(line_, std::string(start, length) + " is too large");
        value = value * base + static_cast<unsigned>(digit);
        ++digits;
    }
    if (digits == 0 || (i < length && !IsSuffix(std::string(start + i, length - i))))
        return Fault(line_, "\"" + std::string(start, length) + "\" is not a whole number");
    CodeToken token;
    token.kind = CodeToken::Number;
    token.value = value;
    token.text = start;
    token.length = length;
    token.line = line_;
    return token;
}

CodeToken CodeScanner::ReadName() {
    CodeToken token;
    token.kind = CodeToken::Name;
    token.text = at_;
    token.line = line_;
    while (at_ < end_ && IsNamePart(*at_)) ++at_;
    token.length = static_cast<std::size_t>(at_ - token.text);
    return token;
}

CodeToken CodeScanner::ReadString() {
    CodeToken token;
    token.text = at_;
    token.line = line_;
    const char quote = *at_;
    const bool triple = end_ - at_ >= 3 && at_[1] == quote && at_[2] == quote;
    const char* p = at_ + (triple ? 3 : 1);
    for (; p < end_; ++p) {
        if (*p == '\\' && p + 1 < end_) {
            ++p;
        } else if (*p == quote && (!triple || (end_ - p >= 3 && p[1] == quote && p[2] == quote))) {
            break;
        } else if (*p == '\n' || *p == '\r') {
            if (!triple) break;
            if (*p == '\n' || p + 1 == end_ || p[1] != '\n') ++line_;
        }
    }
    if (p >= end_ || *p != quote) {
        if (triple) return Fault(token.line, "a string that does not end");
        // An unpaired quote, such as a Rust lifetime: a character of its own.
        token.kind = CodeToken::Punctuation;
        token.length = 1;
        ++at_;
        return token;
    }
    at_ = p + (triple ? 3 : 1);
    token.kind = CodeToken::String;
    token.length = static_cast<std::size_t>(at_ - token.text);
    return token;
}
