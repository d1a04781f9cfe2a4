#include "cli/OptionValues.h"

namespace {

const unsigned long MaxSide = 255;

}  // namespace

bool ParseDecimal(const std::string& text, unsigned long max, unsigned long* value) {
    if (text.empty() || text.size() > 10) return false;
    unsigned long long number = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        number = number * 10 + static_cast<unsigned>(c - '0');
    }
    if (number > max) return false;
    *value = static_cast<unsigned long>(number);
    return true;
}

CLI::Validator NumberFrom(unsigned long min, unsigned long max) {
    const std::string problem = "takes a number from " + std::to_string(min) + " to " + std::to_string(max);
    return CLI::Validator(
        [min, max, problem](std::string& text) {
            unsigned long value = 0;
            if (!ParseDecimal(text, max, &value) || value < min) return problem;
            text = std::to_string(value);
            return std::string();
        },
        std::string());
}

CLI::Validator NotEmpty(const std::string& what) {
    const std::string problem = "needs " + what;
    return CLI::Validator([problem](std::string& text) { return text.empty() ? problem : std::string(); },
                          std::string());
}

bool ParseFrameSize(const std::string& text, FrameSize* size) {
    const std::size_t cross = text.find_first_of("xX");
    unsigned long columns = 0, rows = 0;
    if (cross == std::string::npos || !ParseDecimal(text.substr(0, cross), MaxSide, &columns) ||
        !ParseDecimal(text.substr(cross + 1), MaxSide, &rows) || columns == 0 || rows == 0)
        return false;
    size->columns = static_cast<unsigned>(columns);
    size->rows = static_cast<unsigned>(rows);
    return true;
}

bool lexical_cast(const std::string& text, FrameSize& size) { return ParseFrameSize(text, &size); }

CLI::Validator FrameSizeText() {
    return CLI::Validator(
        [](std::string& text) {
            FrameSize size;
            return ParseFrameSize(text, &size) ? std::string()
                                               : std::string("takes COLUMNSxROWS, each 1 to 255 (such as 16x16)");
        },
        std::string());
}
