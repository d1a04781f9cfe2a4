#include "export/BinaryOutput.h"

void WriteBinaryOutput(ExportFrames& frames, std::string& out) {
    for (std::uint32_t i = 0; i < frames.Count(); ++i) {
        frames.Load(i);
        out.append(reinterpret_cast<const char*>(frames.Bytes().data()), frames.Bytes().size());
    }
}
