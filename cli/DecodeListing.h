// lumigrid-cli decode without --extract or --render: the file's records, one
// line per item of its display program, optionally every frame, and a
// summary.
#ifndef LUMIGRID_CLI_DECODELISTING_H
#define LUMIGRID_CLI_DECODELISTING_H

#include <ostream>

#include "cli/DecodedFile.h"

// Prints the listing; with frames, each item's frames as show prints them.
int PrintListing(const DecodedFile& file, bool frames, std::ostream& out, std::ostream& err);

#endif
