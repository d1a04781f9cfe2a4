#include "export/Identifier.h"

const char DefaultIdentifier[] = "pattern";

namespace {

bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::string MakeIdentifier(const std::string& name) {
    std::string identifier;
    bool replacing = false;
    for (char c : name) {
        if (IsLetter(c) || IsDigit(c)) {
            identifier += c;
            replacing = false;
        } else if (!replacing) {
            identifier += '_';
            replacing = true;
        }
    }
    if (identifier.empty()) return DefaultIdentifier;
    if (IsDigit(identifier[0])) identifier.insert(identifier.begin(), '_');
    return identifier;
}

std::string UpperIdentifier(const std::string& identifier) {
    std::string upper = identifier;
    for (char& c : upper)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return upper;
}

std::string FileStem(const std::string& path) {
    const std::size_t slash = path.find_last_of("/\\");
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const std::size_t dot = name.rfind('.');
    if (dot != std::string::npos && dot > 0) name.erase(dot);
    return name;
}
