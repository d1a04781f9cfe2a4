#include "cli/Cli.h"

#ifdef _WIN32
#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "cli/TextCommand.h"

namespace {

// The console's Unicode command line, as UTF-8: the narrow argv has lost
// every character outside the system code page.
void KeepUnicodeArguments() {
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!wide) return;
    std::vector<std::string> arguments;
    for (int i = 0; i < count; ++i) {
        int size = WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, nullptr, 0, nullptr, nullptr);
        std::string argument(size > 0 ? static_cast<std::size_t>(size) : 1, '\0');
        if (size > 0) WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, &argument[0], size, nullptr, nullptr);
        argument.resize(argument.size() - 1);
        arguments.push_back(argument);
    }
    LocalFree(wide);
    UseUnicodeArguments(std::move(arguments));
}

}  // namespace
#endif

int main(int argc, char** argv) {
#ifdef _WIN32
    KeepUnicodeArguments();
#endif
    return RunProgram(argc, argv);
}
