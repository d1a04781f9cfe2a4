// "-" as an input file: the standard input, copied once into a temporary
// file of its own that the readers open by name like any other file, since
// they read some files twice and need their size. The copy is removed when
// the command ends, and if the process is interrupted.
#ifndef LUMIGRID_CLI_STANDARDINPUT_H
#define LUMIGRID_CLI_STANDARDINPUT_H

#include <ostream>
#include <string>

#include "pattern/document/LedFile.h"

class StandardInputFile {
public:
    static const char Name[];   // "-"

    StandardInputFile() = default;
    ~StandardInputFile();
    StandardInputFile(const StandardInputFile&) = delete;
    StandardInputFile& operator=(const StandardInputFile&) = delete;

    // The file to open for the name given: the name itself, or for "-" the
    // copy of the standard input. Empty, with the problem, when no copy
    // could be made.
    std::string PathFor(const std::string& name, std::string* problem);
    // text with the copy's name put back as "-", for messages.
    std::string Shown(const std::string& text) const;

private:
    std::string copy_;
};

// The pattern file a command names ("-" for the standard input), read; its
// pattern is null after the failure is printed on err.
PatternLoadResult LoadPatternArgument(const std::string& name, std::ostream& err);

#endif
