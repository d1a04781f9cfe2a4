// Names in exported code: whatever the user or the file name gives, made an
// identifier of every language the exporter writes ([A-Za-z_][A-Za-z0-9_]*).
#ifndef LUMIGRID_EXPORT_IDENTIFIER_H
#define LUMIGRID_EXPORT_IDENTIFIER_H

#include <string>

extern const char DefaultIdentifier[];   // "pattern", when nothing is left

// Each run of characters outside [A-Za-z0-9_] becomes one "_"; a leading
// digit gets a "_" before it.
std::string MakeIdentifier(const std::string& name);
// The identifier in capitals, for macros and constants.
std::string UpperIdentifier(const std::string& identifier);
// The name of a file without its folders and its last extension.
std::string FileStem(const std::string& path);

#endif
