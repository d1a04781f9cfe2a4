#include "export/CodeScanner.h"

#include <cstring>

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsNameStart(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || static_cast<unsigned char>(c) >= 0x80;
}
bool IsNamePart(char c) { return IsNameStart(c) || IsDigit(c); }

int DigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'z') return c - 'a' + 10;
    if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
    return 99;
}

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

CodeToken ErrorToken(unsigned long line, const std::string& problem) {
    CodeToken token;
    token.kind = CodeToken::Error;
    token.line = line;
    token.problem = problem;
    return token;
}

}  // namespace

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
        const char c = *at_;
        if (c == '\n' || (c == '\r' && (at_ + 1 == end_ || at_[1] != '\n'))) {
            ++line_;
            ++at_;
        } else if (c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v') {
            ++at_;
        } else if (c == '#' || (c == '/' && at_ + 1 < end_ && at_[1] == '/')) {
            while (at_ < end_ && *at_ != '\n' && *at_ != '\r') ++at_;
        } else if (c == '/' && at_ + 1 < end_ && at_[1] == '*') {
            const unsigned long opened = line_;
            at_ += 2;
            for (;;) {
                if (at_ + 1 >= end_) {
                    *error = ErrorToken(opened, "a comment that does not end");
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

CodeToken CodeScanner::ReadNumber() {
    const char* start = at_;
    while (at_ < end_ && (IsNamePart(*at_) || *at_ == '\'' || *at_ == '.')) ++at_;
    const std::string text(start, at_);
    unsigned base = 10;
    std::size_t i = 0;
    if (text.size() > 1 && text[0] == '0') {
        const char kind = text[1];
        if (kind == 'x' || kind == 'X') base = 16, i = 2;
        else if (kind == 'b' || kind == 'B') base = 2, i = 2;
        else if (kind == 'o' || kind == 'O') base = 8, i = 2;
        else if (IsDigit(kind)) base = 8, i = 1;   // C's octal
    }
    std::uint64_t value = 0;
    unsigned digits = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '_' || c == '\'') continue;
        const int digit = DigitValue(c);
        if (digit >= static_cast<int>(base)) break;
        if (value > (~0ull - static_cast<unsigned>(digit)) / base)
            return ErrorToken(line_, text + " is too large");
        value = value * base + static_cast<unsigned>(digit);
        ++digits;
    }
    if (digits == 0 || !IsSuffix(text.substr(i)))
        return ErrorToken(line_, "\"" + text + "\" is not a whole number");
    CodeToken token;
    token.kind = CodeToken::Number;
    token.value = value;
    token.text = start;
    token.length = text.size();
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
        if (triple) return ErrorToken(token.line, "a string that does not end");
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
