#pragma once
// vandrell-cli: batch commands over the program's own routines.
#include <string>
#include <vector>

#include "clioptions.h"
#include "commands/cutexport.h"
#include "commands/openoutcome.h"
#include "commands/ribedit.h"
#include "core/ribdocument.h"
#include "platform/errorreport.h"

namespace cli {

struct Options {
  std::string unit;      // --unit mm|in, empty: the settings' unit
  std::string iniFile;   // --ini FILE, empty: the program's settings file
  std::vector<std::string> args;  // what follows the command, global options removed
};

// Exit statuses, the same for every command (docs/cli/vandrell-cli.txt says so to the user).
// Nothing is written unless the command is done.
inline constexpr int kDone = 0;
inline constexpr int kError = 1;        // the general error report on standard error
inline constexpr int kRefused = 2;      // "refused: KEY" on standard output
inline constexpr int kUsageError = 64;  // as sysexits' EX_USAGE

using Command = int (*)(const Options& options, core::RibDocument& document);

// The commands that paint need Qt: render, print, and kit for its PDF. vandrell-paint
// runs them; vandrell-cli, which loads no Qt, hands them over to it.
struct PaintingCommands {
  Command render = nullptr;
  Command print = nullptr;
  Command kit = nullptr;
};
// Puts another program in the place of this one with the same arguments; returns only when
// it could not, with the exit status.
using HandOver = int (*)(int argc, char** argv);

// The whole command line: global options, help, the command. A painting command that
// `painting` lacks goes to `handOver` before anything is read or printed.
int RunCommandLine(int argc, char** argv, const PaintingCommands& painting, HandOver handOver);

int Info(const Options& options, core::RibDocument& document);
int Dxf(const Options& options, core::RibDocument& document);
int Render(const Options& options, core::RibDocument& document);
int Print(const Options& options, core::RibDocument& document);
int Cut(const Options& options, core::RibDocument& document);

// Prints the synopsis of `command` from its help text on standard error and returns
// kUsageError.
int UsageError(const std::string& command);

// Reads INPUT, the one file among `options` (WithRibOptions: typed as in the rib dialogs, in
// the unit in force), with the settings' defaults, and applies the rib options. Returns
// kDone, kUsageError (nothing printed unless a value is wrong), kRefused (the reason
// printed) or kError.
int LoadRibInput(const OptionValues& options, core::RibDocument& document);
// One rib option as the rib windows take it: kDone, its warnings printed ("warning: TEXT"
// on standard error, the value stored as corrected), or the refusal printed and kRefused.
int ApplyRibEdit(core::RibDocument& document, const commands::RibEdit& edit);
// What the window's status bar warns of in the rib written ("warning: TEXT" on standard
// error, one line each).
void SayRibWarnings(const core::RibDocument& document);
// A rib whose edge pieces leave no outline between them is refused (kRefused), else kDone.
int RefuseUndrawableRib(const core::RibDocument& document);
int Resave(const Options& options, core::RibDocument& document);
int ThicknessCamber(const Options& options, core::RibDocument& document);
int Incline(const Options& options, core::RibDocument& document);
int Oblique(const Options& options, core::RibDocument& document);
// The rib series: exit 0 written, 1 an error (nothing written), 2 refused (`refused: KEY`
// on standard output, KEY a word for the failed check), 64 a usage error.
int Series(const Options& options, core::RibDocument& document);
int SpacedSeries(const Options& options, core::RibDocument& document);

// Prints the refusal and returns kRefused.
int Refuse(const std::string& key, const std::string& message);
// kDone for a file that opened; a refusal printed as by Refuse, anything else the general
// error report and kError.
int ReportOpen(const commands::OpenOutcome& outcome);
// A failed write: a refusal when the error is one (a folder as the output), else the
// general error report; returns the exit code.
int WriteFailed(const platform::ErrorInfo& error);

// Whether an option's text is what the window's box takes and reads: only the characters
// its key filter lets through (core::LengthKeys, core::NumberKeys, "-" only where a value
// may be negative) and a text the one reader reads without fault.
bool LengthOptionText(const std::string& text, const std::string& unitText, bool negativeAllowed = false);
bool NumberOptionText(const std::string& text, bool negativeAllowed = false);

// The cut options of `cut` and `kit` (--dxf, --engrave, --kerf) into `settings`, whose format
// is chosen already: kDone, kUsageError (said), or kRefused for a kerf too wide.
int ReadCutOptions(const OptionValues& options, const std::string& command, commands::CutSettings& settings);

}  // namespace cli
