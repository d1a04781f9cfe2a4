#include "cli/CheckCommand.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "cli/Cli.h"
#include "cli/OptionValues.h"
#include "cli/StandardInput.h"
#include "pattern/document/LedFile.h"
#include "pattern/list/DisplayList.h"
#include "pattern/list/ListOmissions.h"
#include "pattern/program/DisplayProgram.h"

namespace {

const char CheckHelp[] =
    "Prints what each entry of a display list adds to the display\n"
    "program, or why it would be skipped; exit status 1 if any would be.";

int Check(const std::string& path, std::ostream& out, std::ostream& err) {
    StandardInputFile input;
    std::string problem;
    const std::string file = input.PathFor(path, &problem);
    if (file.empty()) return PrintFailure(err, problem);
    DisplayList list;
    if (!list.SelectFile(file.c_str(), false)) return PrintFailure(err, "cannot read list file " + QuotedName(path));
    std::vector<EntryPlan> plans;
    ListOmissions omissions;
    for (const DisplayListEntry* entry = list.first; entry; entry = entry->next) {
        plans.push_back(PlanEntry(entry->text.get()));
        omissions.Add(plans.size() - 1, entry->text.get(), plans.back());
    }
    PatternSize commonSize{0, 0};
    omissions.CommonSize(&commonSize);
    const std::vector<EntryOmission> leftOut = omissions.All();
    std::size_t next = 0, index = 0, skipped = 0;
    std::uint64_t imageBytes = 4;   // F0 00 and 00 00
    // Entries are counted from 0, as list show, list remove and --at count them.
    for (const DisplayListEntry* entry = list.first; entry; entry = entry->next, ++index) {
        const EntryPlan& plan = plans[index];
        out << index << ": " << Printable(entry->text.get()) << ": ";
        imageBytes += plan.bytes;
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
            break;
        }
        if (plan.kind != EntryKind::Skipped) out << ", adds " << plan.bytes << (plan.bytes == 1 ? " byte" : " bytes");
        for (; next < leftOut.size() && leftOut[next].index == index; ++next)
            if (leftOut[next].what != Omission::WholeEntry) out << "; " << DescribeOmission(leftOut[next], commonSize);
        if (plan.kind != EntryKind::Skipped) out << "\n";
    }
    out << index << (index == 1 ? " entry, " : " entries, ") << skipped << " skipped; display program of "
        << imageBytes << " bytes\n";
    return skipped ? CliFailure : CliSuccess;
}

}  // namespace

void AddCheckCommand(CLI::App& program, CliContext& context) {
    auto path = std::make_shared<std::string>();
    CLI::App* command = program.add_subcommand("check", CheckHelp);
    command->add_option("LIST.ll", *path, "the display list; - reads standard input")->required()->check(NotEmpty("a list file"));
    SetAction(command, context, [path, &context]() { return Check(*path, context.out, context.err); });
}
