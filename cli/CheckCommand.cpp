#include "CheckCommand.h"

#include <cstdint>
#include <memory>
#include <string>

#include "Cli.h"
#include "DisplayList.h"
#include "DisplayProgram.h"
#include "LedFile.h"

namespace {

const char CheckHelp[] =
    "Prints what each entry of a display list adds to the display\n"
    "program, or why it would be skipped; exit status 1 if any would be.";

int Check(const std::string& path, std::ostream& out, std::ostream& err) {
    DisplayList list;
    if (!list.SelectFile(path.c_str(), false)) return PrintFailure(err, "cannot read list file " + QuotedName(path));
    std::size_t index = 0, skipped = 0;
    std::uint64_t imageBytes = 4;   // F0 00 and 00 00
    for (const DisplayListEntry* entry = list.first; entry; entry = entry->next) {
        EntryPlan plan = PlanEntry(entry->text.get());
        out << ++index << ": " << entry->text.get() << ": ";
        switch (plan.kind) {
        case EntryKind::Reset:
            out << "reset";
            break;
        case EntryKind::Pattern: {
            const char* name = ControlCodeName(plan.header.controlCode);
            out << name << ", " << plan.header.FrameCount() << " frames of " << static_cast<unsigned>(plan.header.columns)
                << " x " << static_cast<unsigned>(plan.header.rows);
            if (plan.header.controlCode != ControlAnimation) out << ", wait " << static_cast<unsigned>(plan.header.wait);
            if (plan.loadStatus == PatternLoadStatus::EndsEarly) out << ", file ends early";
            break;
        }
        case EntryKind::Skipped:
            ++skipped;
            out << "skipped: " << DescribeSkip(plan) << "\n";
            continue;
        }
        out << ", adds " << plan.bytes << (plan.bytes == 1 ? " byte" : " bytes") << "\n";
        imageBytes += plan.bytes;
    }
    out << index << (index == 1 ? " entry, " : " entries, ") << skipped << " skipped; display program of "
        << imageBytes << " bytes\n";
    return skipped ? CliFailure : CliSuccess;
}

}  // namespace

void AddCheckCommand(CLI::App& program, CliContext& context) {
    auto path = std::make_shared<std::string>();
    CLI::App* command = AddCommand(program, "check", CheckHelp);
    command->add_option("LIST.ll", *path, "the display list")->required()->check(NotEmpty("a list file"));
    SetAction(command, context, [path, &context]() { return Check(*path, context.out, context.err); });
}
