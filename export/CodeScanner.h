// CodeScanner: the tokens of C, C++, Python, Rust and XBM text as far as
// reading exported data needs them: numbers (0x, 0b, 0o, C octal, decimal,
// with digit separators and type suffixes; Arduino's B01010101), names and
// single punctuation characters. Comments (//, /* */, # to the end of the
// line, which takes preprocessor lines too) and strings are passed over.
// Every token knows its line. Malformed text gives an Error token, never a
// read past the end.
#ifndef LUMIGRID_EXPORT_CODESCANNER_H
#define LUMIGRID_EXPORT_CODESCANNER_H

#include <cstddef>
#include <cstdint>
#include <string>

struct CodeToken {
    enum Kind { Number, Name, Punctuation, String, End, Error };
    Kind kind = End;
    std::uint64_t value = 0;      // of a number
    const char* text = nullptr;   // of a name, a punctuation character or a number
    std::size_t length = 0;
    unsigned long line = 1;

    std::string Text() const { return std::string(text, length); }
    bool Is(char punctuation) const { return kind == Punctuation && *text == punctuation; }
};

class CodeScanner {
public:
    CodeScanner(const char* text, std::size_t size) : at_(text), end_(text + size) {}

    CodeToken Next();
    // The next token when it is a plain hex or decimal number on this line,
    // with the comma after it: the values of a list, taken quickly. False,
    // and nothing taken, for anything else.
    bool NextListedNumber(CodeToken* token);
    unsigned long Line() const { return line_; }
    // Why the last Error token is one.
    const std::string& Problem() const { return problem_; }

private:
    CodeToken Fault(unsigned long line, const std::string& problem);
    bool SkipSpaceAndComments(CodeToken* error);
    CodeToken ReadNumber();
    // The end of the plain hex or decimal number at p, or null.
    const char* PlainNumber(const char* p, std::uint64_t* value) const;
    CodeToken ReadName();
    CodeToken ReadString();

    const char* at_;
    const char* end_;
    unsigned long line_ = 1;
    std::string problem_;
};

// An Arduino binary constant (B0 .. B11111111) as its value; false for any
// other name.
bool ArduinoBinary(const std::string& name, std::uint64_t* value);

#endif
