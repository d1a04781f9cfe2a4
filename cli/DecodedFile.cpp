#include "cli/DecodedFile.h"

#include <cstdio>
#include <vector>

#include "cli/Cli.h"
#include "cli/CommandContext.h"
#include "pattern/hex/HexImageStream.h"
#include "pattern/program/FrameBitmap.h"
#include "pattern/program/FrameSizeGuess.h"

const char ChangedWhileRead[] = "the file changed while it was read";

const char* const FormatOptionNames[HexFormatCount] = {"8bit", "16bit", "20bit", "32bit"};

std::string SizeText(unsigned columns, unsigned rows) { return std::to_string(columns) + "x" + std::to_string(rows); }

std::string Hex(std::uint64_t value, int digits) {
    char text[24];
    std::snprintf(text, sizeof text, "%0*llX", digits, static_cast<unsigned long long>(value));
    return text;
}

std::string Counted(std::uint64_t count, const char* one, const char* many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

std::string StartDescription(const HexImage& hex) {
    if (!hex.hasStartAddress) return "no start address";
    std::string text = "start address 0x" + Hex(hex.StartAddress(), 4) + " (record 0" +
                       std::to_string(hex.startRecordType);
    if (hex.startRecordType == 3) text += ", CS:IP " + Hex(hex.startValue >> 16, 4) + ":" + Hex(hex.startValue & 0xFFFF, 4);
    return text + ")";
}

std::unique_ptr<ImageSource> OpenImage(const DecodedFile& file) {
    if (file.held) return std::unique_ptr<ImageSource>(new MemoryImageSource(file.hex.bytes.data(), file.hex.bytes.size()));
    return std::unique_ptr<ImageSource>(new HexImageStream(file.file.c_str()));
}

namespace {

// Why the program does not read at the chosen size, with the sizes at which
// it would.
std::string ProgramProblem(const DecodedFile& file, const ProgramReadError& error) {
    const std::size_t frameBytes = FrameProgramBytes(file.columns, file.rows);
    std::string problem = "offset " + Hex(error.offset, 4) + " at " + SizeText(file.columns, file.rows) + " (" +
                          Counted(frameBytes, "byte", "bytes") + " a frame): " + error.what;
    std::unique_ptr<ImageSource> image = OpenImage(file);
    const std::vector<std::size_t> reading = FrameBytesThatRead(*image, CandidateFrameBytes(frameBytes));
    const std::vector<FrameSizeName> sizes = CommonSizesAmong(reading);
    if (!sizes.empty()) {
        problem += "; it reads at ";
        for (std::size_t i = 0; i < sizes.size(); ++i)
            problem += (i ? ", " : "") + SizeText(sizes[i].columns, sizes[i].rows) + " (" +
                       std::to_string(FrameProgramBytes(sizes[i].columns, sizes[i].rows)) + " bytes a frame)";
        problem += ": try --size " + SizeText(sizes[0].columns, sizes[0].rows);
    } else if (!reading.empty()) {
        problem += "; it reads with frames of " + Counted(reading.front(), "byte", "bytes");
    }
    return problem;
}

}  // namespace

int ReadDecodedFile(DecodedFile* file, std::ostream& err) {
    HexReadError hexError;
    ProgramReadError programError;
    bool sound;
    HexImageStream::Outcome outcome;
    {
        HexImageStream stream(file->file.c_str());
        sound = SurveyProgram(stream, file->columns, file->rows, &file->survey, &programError);
        outcome = stream.Finish(&file->hex, &hexError);
    }
    if (outcome == HexImageStream::Outcome::OutOfOrder) {
        // Records out of address order: the file is read whole instead.
        if (ReadHexFile(file->file.c_str(), &file->hex, &hexError)) {
            outcome = HexImageStream::Outcome::Read;
            file->held = true;
            MemoryImageSource image(file->hex.bytes.data(), file->hex.bytes.size());
            sound = SurveyProgram(image, file->columns, file->rows, &file->survey, &programError);
        } else {
            outcome = HexImageStream::Outcome::Failed;
        }
    }
    if (outcome != HexImageStream::Outcome::Read) return PrintFailure(err, file->path + ": " + hexError.Describe());
    if (!sound) return PrintFailure(err, file->path + ": " + ProgramProblem(*file, programError));
    return CliSuccess;
}
