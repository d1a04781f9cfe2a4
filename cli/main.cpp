#include "cli/Cli.h"

#ifdef _WIN32
#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "cli/TextCommand.h"
#include "text/Utf8.h"

namespace {

// The console's Unicode command line, as UTF-8: the narrow argv has lost
// every character outside the system code page.
void KeepUnicodeArguments() {
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!wide) return;
    std::vector<std::string> arguments;
    for (int i = 0; i < count; ++i) arguments.push_back(Utf8FromWide(wide[i]));
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
