// Writes a recovery file as the editor does, for the seeds of the recovery
// file target (fuzz/corpus/make-seeds.sh):
//   recovery_seed_maker OUT PATTERN.led [NAME]
// NAME is the pattern's file name as the record keeps it; none: unnamed.
#include <cstdio>

#include "pattern/files/RecoveryFile.h"

int main(int argc, char** argv) {
    if (argc < 3 || argc > 4) {
        std::fprintf(stderr, "usage: recovery_seed_maker OUT PATTERN.led [NAME]\n");
        return 2;
    }
    PatternLoadResult loaded = ReadPatternFile(argv[2]);
    if (!loaded.pattern) {
        std::fprintf(stderr, "recovery_seed_maker: cannot load '%s'\n", argv[2]);
        return 1;
    }
    const RecoveryRecord record = {{0x1f4, 0x01d9a2c3b4e5f607ull}, 1765000000, argc == 4 ? argv[3] : ""};
    if (!WriteRecoveryFile(argv[1], *loaded.pattern, record)) {
        std::fprintf(stderr, "recovery_seed_maker: cannot write '%s'\n", argv[1]);
        return 1;
    }
    return 0;
}
