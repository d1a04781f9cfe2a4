#include "cli/MediaHandOff.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "cli/Cli.h"
#include "cli/CommandContext.h"

extern char** environ;

const char MediaProgramName[] = "lumigrid-cli-media";

namespace {

// What the dynamic loader exits with when a library is missing, as a shell
// does for a program it cannot run; lumigrid-cli-media itself never does.
const int CannotStart = 127;

// This program's folder, from the kernel's link to its file.
std::string OwnFolder() {
    std::vector<char> path(4096);
    const ssize_t length = readlink("/proc/self/exe", path.data(), path.size());
    if (length <= 0 || static_cast<std::size_t>(length) >= path.size()) return std::string();
    std::string folder(path.data(), static_cast<std::size_t>(length));
    return folder.substr(0, folder.rfind('/'));
}

}  // namespace

std::vector<std::string> MediaProgramPlaces() {
    const std::string folder = OwnFolder();
    if (folder.empty()) return {};
    const std::string prefix = folder.substr(0, folder.rfind('/'));
    return {folder + "/" + MediaProgramName, prefix + "/lib/lumigrid/" + MediaProgramName};
}

int RunMediaProgram(int argc, const char* const argv[], std::ostream& err) {
    const std::vector<std::string> places = MediaProgramPlaces();
    const std::string command = argc > 1 ? argv[1] : "this command";
    std::string program, looked;
    for (const std::string& place : places) {
        if (access(place.c_str(), X_OK) == 0) {
            program = place;
            break;
        }
        looked += (looked.empty() ? "" : " nor at ") + QuotedName(place);
    }
    if (program.empty())
        return PrintFailure(err, command + " needs " + MediaProgramName +
                                     ", which draws with fonts and pictures, and it is missing: not at " +
                                     (looked.empty() ? std::string("any place (this program's folder is unknown)") : looked));
    err.flush();
    std::vector<char*> arguments;
    for (int i = 0; i < argc; ++i) arguments.push_back(const_cast<char*>(argv[i]));
    arguments.push_back(nullptr);
    pid_t child = 0;
    const int spawned = posix_spawn(&child, program.c_str(), nullptr, nullptr, arguments.data(), environ);
    if (spawned != 0)
        return PrintFailure(err, "cannot start " + QuotedName(program) + ": " + std::strerror(spawned));
    int status = 0;
    while (waitpid(child, &status, 0) < 0)
        if (errno != EINTR) return PrintFailure(err, "lost " + QuotedName(program) + ": " + std::strerror(errno));
    if (WIFSIGNALED(status)) {
        // Ended by a signal: so is this program, as the shell would see it.
        signal(WTERMSIG(status), SIG_DFL);
        raise(WTERMSIG(status));
        return CliFailure;
    }
    const int exitStatus = WEXITSTATUS(status);
    if (exitStatus == CannotStart)
        return PrintFailure(err, QuotedName(program) + " cannot start: a library it needs is missing (named above)");
    return exitStatus;
}
