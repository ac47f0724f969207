#include <cstdio>
#include <filesystem>
#include <optional>

#include "app/backups.h"
#include "app/file_fault_text.h"
#include "app/warning_check.h"
#include "cli_commands.h"
#include "cli_program.h"
#include "clone/clone_result.h"
#include "clone/port_enumeration.h"
#include "exit_status.h"
#include "interrupt_guard.h"
#include "model/cell_request.h"
#include "overlay/gtex.h"
#include "platform/atomic_file.h"
#include "platform/backup_place.h"
#include "platform/serial_line.h"
#include "sheets/radio_sheet.h"
#include "sheets/sheet_listing.h"
#include "terminal_text.h"

namespace {

constexpr char kCloneInfoSheet[] = "GI_Sheet_CloneInfo";
constexpr char kDataErrorKey[] = "GI_Mess_DataError";
// A whole clone at the normal speed takes under a minute; the driver's own time-outs end a silent
// radio much sooner.
constexpr uint32_t kCloneLimitMs = 10 * 60 * 1000;

// The line options of the clone commands, or a usage error.
std::optional<datCliSetup> LineSetup(const clsCliCommand& command,
                                     const datParsedArguments& arguments, int& status) {
    datCliSetup setup;
    setup.answerYes = arguments.Has("yes");
    setup.highSpeed = arguments.Has("high-speed");
    setup.device = arguments.Value("device");
    setup.backups = !arguments.Has("no-backup");
    setup.review = arguments.Has("review");
    setup.verify = !arguments.Has("no-verify");
    if (arguments.Has("port")) {
        const std::optional<int32_t> port = ParsePortOperand(arguments.Value("port"));
        if (!port) {
            status = UsageError(&command, "--port takes a port number from 1 to 256");
            return std::nullopt;
        }
        setup.port = *port;
    } else if (setup.device.empty()) {
        status = UsageError(&command, "name the radio's line with --port N or --device PATH");
        return std::nullopt;
    }
    return setup;
}

// Runs a clone command of the controller to its end. Returns the result its completion gave, or
// nothing when the command did not start (a question answered no). Ctrl-C or SIGTERM cancels the
// running operation at its next frame boundary, without asking.
template <typename Start>
std::optional<CloneResult> RunClone(cuiCliProgram& program, Start start) {
    const clsInterruptGuard guard;
    std::optional<CloneResult> outcome;
    start([&outcome](CloneResult code) { outcome = code; });
    program.Loop().RunUntil(
        [&] {
            if (clsInterruptGuard::Interrupted()) program.Main().CloneMan().Cancel(false);
            return outcome.has_value() || !program.Main().CloneMan().IsBusy();
        },
        kCloneLimitMs);
    return outcome;
}

int StatusOf(std::optional<CloneResult> outcome) {
    if (!outcome) return clsExitStatus::kDeclined;
    if (*outcome == CloneResult::kCancelled) {
        // Without a signal it was the review that was answered no.
        return clsInterruptGuard::Interrupted() ? kInterruptedStatus : clsExitStatus::kDeclined;
    }
    if (*outcome == CloneResult::kVerifyDiffers) return clsExitStatus::kVerifyDiffers;
    return static_cast<int>(*outcome);
}

}  // namespace

int RunInfo(const clsCliCommand& command, const datParsedArguments& arguments) {
    int status = clsExitStatus::kOk;
    const std::optional<datCliSetup> setup = LineSetup(command, arguments, status);
    if (!setup) return status;
    cuiCliProgram program(*setup);
    const std::optional<CloneResult> outcome = RunClone(
        program, [&](indMain::CloneDone done) { program.Main().ShowCloneInfo(std::move(done)); });
    if (outcome == CloneResult::kOk) {
        cuiSheetListing listing(program.GTex(), kCloneInfoSheet, RadioSheetState(EngineHost()));
        for (const std::vector<std::string>& row : listing.Texts()) {
            std::string line;
            for (const std::string& text : row) {
                if (text.empty()) continue;
                line += (line.empty() ? "" : ": ") + text;
            }
            std::printf("%s\n", Utf8FromLatin1(line).c_str());
        }
    }
    return StatusOf(outcome);
}

int RunRead(const clsCliCommand& command, const datParsedArguments& arguments) {
    int status = clsExitStatus::kOk;
    const std::optional<datCliSetup> setup = LineSetup(command, arguments, status);
    if (!setup) return status;
    const std::string& out = arguments.operands[0];
    // A minute of reading is wasted if its image cannot be kept.
    datFileFault fault;
    if (CheckReplaceable(out, &fault) != AtomicWriteResult::kOk) {
        cuiCliProgram program(*setup);
        ReportError(command, FileFaultText(program.GTex(), out, fault));
        return clsExitStatus::kCannotSave;
    }
    cuiCliProgram program(*setup);
    if (std::filesystem::exists(out) &&
        program.Host().ShowMessage(kProgramName, "'" + out + "' exists. Replace it?",
                                   cmcMessageIcon::Warning,
                                   cmcMessageButtons::OkCancel) != cmcMessageAnswer::Ok) {
        return clsExitStatus::kDeclined;
    }
    const std::optional<CloneResult> outcome = RunClone(
        program, [&](indMain::CloneDone done) { program.Main().CloneRead(std::move(done)); });
    if (outcome != CloneResult::kOk) return StatusOf(outcome);
    if (!program.Main().SavePath(out)) return clsExitStatus::kCannotSave;
    return clsExitStatus::kOk;
}

int RunWrite(const clsCliCommand& command, const datParsedArguments& arguments) {
    int status = clsExitStatus::kOk;
    const std::optional<datCliSetup> setup = LineSetup(command, arguments, status);
    if (!setup) return status;
    const std::string& in = arguments.operands[0];
    cuiCliProgram program(*setup);
    std::string text;
    if (program.OpenQuietly(in, text) != 0) {
        ReportError(command, in + ": " + text);
        return clsExitStatus::kCannotOpen;
    }
    // The controller's write refuses such an image too, but says so only in its message.
    const datWarningCheck check = RunWarningCheck(program.GTex());
    if (!check.attention.empty()) {
        std::fprintf(stderr, "%s\n", GetMultiLineText(program.GTex(), kDataErrorKey).c_str());
        for (const std::string& page : check.attention)
            std::fprintf(stderr, "  %s\n", page.c_str());
        return clsExitStatus::kDataErrorRefused;
    }
    return StatusOf(RunClone(
        program, [&](indMain::CloneDone done) { program.Main().CloneWrite(std::move(done)); }));
}

int RunBackups(const clsCliCommand&, const datParsedArguments& arguments) {
    const cmcUserBackupPlace place;
    indBackups backups(place);
    if (arguments.Has("prune")) {
        for (const std::string& path : backups.Prune(datBackupPolicy{}))
            std::printf("removed %s\n", path.c_str());
        return clsExitStatus::kOk;
    }
    for (const datBackupEntry& entry : backups.List()) {
        std::printf("%s  model %02d  %-14s %-5s  %s\n", BackupTimeText(entry.seconds).c_str(),
                    entry.modelType, entry.identity.c_str(),
                    entry.direction == clsBackupDirection::kRead ? "read" : "write",
                    entry.path.c_str());
    }
    return clsExitStatus::kOk;
}
