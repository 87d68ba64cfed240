// The airfoil tools from the command line: thickness-camber, incline, oblique. They write the
// same files as the tool windows, through the same commands. Exit kDone written; kError the
// general error report; kRefused ("refused: KEY" on standard output); kUsageError. Nothing is
// written unless the exit is kDone.
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "cli.h"
#include "commands/derivedairfoils.h"
#include "core/airfoilprep.h"
#include "core/lengths.h"
#include "files/airfoilfile.h"
#include "files/derivedairfoil.h"
#include "platform/errorreport.h"
#include "platform/textkeys.h"
#include "platform/texts.h"

namespace cli {

namespace {

// One airfoil file, and options that each take exactly one value, which may be empty.
CommandOptions ToolOptions(const char* command, std::vector<OptionEntry> options) {
  return {command, std::move(options), {1, 1, "no airfoil file", "one airfoil file only"}};
}

// The airfoil file, read as the open window reads it.
std::optional<files::AirfoilData> ReadSource(const std::string& path, int& rc) {
  files::AirfoilData data;
  const files::AirfoilReadResult r = files::ReadAirfoilFile(path, data);
  if (r.ok() && !files::TooFewPoints(data.points.size())) return data;
  const std::string message = !r.ok() ? (r.status == files::AirfoilReadStatus::Error
                                              ? platform::GeneralErrorText(r.error)
                                              : r.boxText)
                                      : platform::Text(keys::TooFewPoints);
  rc = Refuse("airfoil", message.empty() ? "vandrell-cli: " + path + " is not a usable airfoil file" : message);
  return std::nullopt;
}

int Write(const std::string& out, const std::string& contents, const char* tag) {
  platform::ErrorInfo error;
  switch (files::WriteDerivedAirfoil(out, contents, false, &error)) {
    case files::DerivedWrite::Written: return kDone;
    case files::DerivedWrite::Exists:
      return Refuse("file-exists", platform::Text(keys::ReplaceDerivedAirfoil) + "\n" + out +
                                       "\n(vandrell-cli never replaces a file)");
    case files::DerivedWrite::Failed: break;
  }
  if (!error.refusal.empty()) return Refuse(error.refusal, error.description);
  std::fprintf(stderr, "%s\n%s\n", platform::GeneralErrorText(error).c_str(), tag);
  return kError;
}

int Refuse(const commands::ToolRefusal& refusal) { return cli::Refuse(refusal.key, refusal.text); }

}  // namespace

int ThicknessCamber(const Options& options, core::RibDocument&) {
  const char* command = "thickness-camber";
  const std::optional<OptionValues> a = ReadCommandOptions(
      options.args, ToolOptions(command, {{"--thickness", false, true},
                                          {"--camber", false, true},
                                          {"--thickness-word", false, false, "--caption-17"},
                                          {"--camber-word", false, false, "--caption-18"},
                                          {"-o", false, true}}));
  if (!a) return kUsageError;
  const std::string thickness = a->Value("--thickness"), camber = a->Value("--camber"), out = a->Value("-o");
  // An empty value is the empty box: the tool's own check refuses it.
  if ((!thickness.empty() && !NumberOptionText(thickness)) || (!camber.empty() && !NumberOptionText(camber)))
    return UsageProblem(command, "--thickness and --camber take per cents such as 12.5");
  if (out.empty()) return UsageProblem(command, "-o names the file to write");

  int rc = kDone;
  std::optional<files::AirfoilData> data = ReadSource(a->files[0], rc);
  if (!data) return rc;
  const commands::ThicknessCamberOutcome scaled =
      commands::ScaleThicknessCamber(core::PrepareAirfoil(*data), thickness, camber);
  if (scaled.refusal) return Refuse(*scaled.refusal);
  if (scaled.error) {
    std::fprintf(stderr, "%s\n", platform::GeneralErrorText(*scaled.error).c_str());
    return kError;
  }
  if (!scaled.notice.empty()) std::fprintf(stderr, "%s\n", scaled.notice.c_str());
  commands::ThicknessCamberWords words = commands::ThicknessCamberWordsInLanguage();
  words.thickness = a->Value("--thickness-word", words.thickness);
  words.camber = a->Value("--camber-word", words.camber);
  const commands::SourceAirfoil named = commands::SourceAirfoilOf(a->files[0], {});
  return Write(out, commands::ThicknessCamberFileText(named.name, words, scaled), " frmEpCourb/cmdsave");
}

int Incline(const Options& options, core::RibDocument&) {
  const char* command = "incline";
  const std::optional<OptionValues> a =
      ReadCommandOptions(options.args, ToolOptions(command, {{"--angle", false, true}, {"-o", false, true}}));
  if (!a) return kUsageError;
  const std::string angle = a->Value("--angle"), out = a->Value("-o");
  if (!angle.empty() && !NumberOptionText(angle)) return UsageProblem(command, "--angle takes degrees such as 5.5");
  if (out.empty()) return UsageProblem(command, "-o names the file to write");
  const commands::InclinedRibPlan rib = commands::PlanInclinedRib(angle);
  if (rib.refusal) return Refuse(*rib.refusal);
  int rc = kDone;
  std::optional<files::AirfoilData> data = ReadSource(a->files[0], rc);
  if (!data) return rc;
  const commands::DerivedFile file = commands::InclinedRibFile(commands::SourceAirfoilOf(a->files[0], *data), rib);
  return Write(out, file.contents, " frminclinaison/cmdok");
}

int Oblique(const Options& options, core::RibDocument& document) {
  const char* command = "oblique";
  const std::optional<OptionValues> a = ReadCommandOptions(
      options.args, ToolOptions(command, {{"--mode", false, true},
                                          {"--angle", false, true},
                                          {"--length", false, true},
                                          {"--title-words", false, false, "--caption-6"},
                                          {"-o", false, true}}));
  if (!a) return kUsageError;
  const std::string mode = a->Value("--mode"), angle = a->Value("--angle"), length = a->Value("--length"),
                    out = a->Value("-o");
  if (mode != "0" && mode != "1") return UsageProblem(command, "--mode is 0 (L given) or 1 (M given)");
  if (!angle.empty() && !NumberOptionText(angle)) return UsageProblem(command, "--angle takes degrees such as 30");
  const std::string& unit = document.settings.unitText;
  if (!length.empty() && !LengthOptionText(length, unit))
    return UsageProblem(command, "--length takes a length in" + unit + " such as " + (unit == " in" ? "7 1/2" : "200"));
  if (out.empty()) return UsageProblem(command, "-o names the file to write");

  const commands::ObliqueRibPlan rib = commands::PlanObliqueRib(mode == "1" ? 1 : 0, length, angle, unit);
  if (rib.refusal) return Refuse(*rib.refusal);
  int rc = kDone;
  std::optional<files::AirfoilData> data = ReadSource(a->files[0], rc);
  if (!data) return rc;
  const commands::DerivedFile file = commands::ObliqueRibFile(
      commands::SourceAirfoilOf(a->files[0], *data), rib, a->Value("--title-words", commands::ObliqueRibTitleWords()));
  if (int written = Write(out, file.contents, " frmangle/cmdok")) return written;
  std::fprintf(stderr, "L = %s  M = %s\n", core::LengthToText(static_cast<float>(rib.lengths.obliqueMm), unit).c_str(),
               core::LengthToText(static_cast<float>(rib.lengths.squareMm), unit).c_str());
  return kDone;
}

}  // namespace cli
