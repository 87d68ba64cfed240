// The airfoil tools from the command line: thickness-camber, incline, oblique. They write the
// same files as the tool windows. Exit 0 written; 1 the general error report; 2 refused
// ("refused: KEY" on standard output, KEY the language key of the failed check, or
// "airfoil"); 64 a usage error. Nothing is written unless the exit is 0.
#include <cstdio>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "cli.h"
#include "core/airfoilprep.h"
#include "core/airfoiltools.h"
#include "core/lengths.h"
#include "core/numformat.h"
#include "core/typednumber.h"
#include "files/airfoilfile.h"
#include "files/derivedairfoil.h"
#include "platform/errorreport.h"
#include "platform/texts.h"

namespace cli {

namespace {


// The command's arguments: one airfoil file and options that each take exactly one value,
// which may be empty. Unknown, repeated or valueless options are usage errors.
struct ToolArguments {
  std::string airfoil;
  std::map<std::string, std::string> values;
  std::optional<std::string> Get(const std::string& name) const {
    auto it = values.find(name);
    return it == values.end() ? std::nullopt : std::optional<std::string>(it->second);
  }
};

bool ParseArguments(const std::vector<std::string>& args, const std::vector<std::string>& known, ToolArguments& out,
                    std::string& problem) {
  auto fail = [&problem](std::string why) {
    problem = std::move(why);
    return false;
  };
  bool haveAirfoil = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a.size() > 1 && a[0] == '-') {
      bool isKnown = false;
      for (const std::string& k : known) isKnown = isKnown || k == a;
      if (!isKnown) return fail("unknown option " + a);
      if (i + 1 >= args.size()) return fail(a + " takes a value");
      if (!out.values.emplace(a, args[i + 1]).second) return fail(a + " given twice");
      ++i;
      continue;
    }
    if (haveAirfoil) return fail("one airfoil file only");
    out.airfoil = a;
    haveAirfoil = true;
  }
  if (!haveAirfoil) return fail("no airfoil file");
  return true;
}

// The command's synopsis (the first word of `synopsis` names it), then what was wrong.
int Usage(const char* synopsis, const std::string& problem) {
  const std::string all(synopsis);
  const int rc = UsageError(all.substr(0, all.find(' ')));
  std::fprintf(stderr, "vandrell-cli: %s\n", problem.c_str());
  return rc;
}

// The airfoil file, read as the open window reads it.
bool ReadSource(const std::string& path, files::AirfoilData& data, int& rc) {
  const files::AirfoilReadResult r = files::ReadAirfoilFile(path, data);
  if (!r.ok() || files::TooFewPoints(data.pointCount)) {
    const std::string message = !r.ok() ? (r.status == files::AirfoilReadStatus::Error
                                                ? platform::GeneralErrorText(r.error)
                                                : r.boxText)
                                        : platform::Text("frmopen", "23");
    rc = Refuse("airfoil", message.empty() ? "vandrell-cli: " + path + " is not a usable airfoil file" : message);
    return false;
  }
  return true;
}

std::string AirfoilName(const std::string& path) {
  std::string name, ext;
  files::SplitAirfoilFileName(path, name, ext);
  return name;
}

int Write(const std::string& out, const std::string& contents, const char* tag) {
  platform::ErrorInfo error;
  switch (files::WriteDerivedAirfoil(out, contents, false, &error)) {
    case files::DerivedWrite::Written: return kDone;
    case files::DerivedWrite::Exists:
      return Refuse("120", platform::Text("Message", "120") + "\n" + out + "\n(vandrell-cli never replaces a file)");
    case files::DerivedWrite::Failed: break;
  }
  if (!error.refusal.empty()) return Refuse(error.refusal, error.description);
  std::fprintf(stderr, "%s\n%s\n", platform::GeneralErrorText(error).c_str(), tag);
  return kError;
}

std::string TextOr(const std::string& section, const std::string& key, const std::string& fallback) {
  const std::string text = platform::Text(section, key);
  return text.empty() ? fallback : text;
}

}  // namespace

int ThicknessCamber(const Options& options, core::RibDocument&) {
  const char* synopsis =
      "thickness-camber AIRFOIL --thickness PCT --camber PCT [--caption-17 TEXT] [--caption-18 TEXT] -o OUT.dat";
  ToolArguments a;
  std::string problem;
  if (!ParseArguments(options.args, {"--thickness", "--camber", "--caption-17", "--caption-18", "-o"}, a, problem))
    return Usage(synopsis, problem);
  for (const char* required : {"--thickness", "--camber", "-o"})
    if (!a.Get(required)) return Usage(synopsis, std::string(required) + " is required");
  const std::string thickness = *a.Get("--thickness"), camber = *a.Get("--camber"), out = *a.Get("-o");
  // An empty value is the empty box: the tool's own check refuses it.
  if ((!thickness.empty() && !NumberOptionText(thickness)) || (!camber.empty() && !NumberOptionText(camber)))
    return Usage(synopsis, "--thickness and --camber take per cents such as 12.5");
  if (out.empty()) return Usage(synopsis, "-o names the file to write");

  files::AirfoilData data;
  int rc = 0;
  if (!ReadSource(a.airfoil, data, rc)) return rc;
  const core::PreparedAirfoil prepared = core::PrepareAirfoil(data);
  const core::ThicknessCamberResult r =
      core::ChangeThicknessCamber(prepared, core::NumberFromText(thickness), core::NumberFromText(camber));
  using enum core::ThicknessCamberCheck;
  const std::string tooLarge = TextOr("FrmEpCourb", "11", "The value must stay below") + " 100 % ";
  switch (r.check) {
    case CamberTooLarge: return Refuse("11", tooLarge);
    case ThicknessTooLarge: return Refuse("11", tooLarge);
    case ThicknessZero: return Refuse("12", TextOr("FrmEpCourb", "12", "The new thickness cannot be 0 %."));
    case FlatAirfoil:
      std::fprintf(stderr, "%s\n",
                   platform::GeneralErrorText({platform::kErrDivisionByZero, "the airfoil has no thickness"}).c_str());
      return 1;
    case Ok: break;
  }
  if (r.camberKeptAtZero)
    std::fprintf(stderr, "%s\n", TextOr("FrmEpCourb", "10", "This airfoil is symmetrical: the camber stays at 0.").c_str());
  char thicknessText[64], camberText[64];
  std::snprintf(thicknessText, sizeof thicknessText, "%.2f", r.newThickness * 100);
  std::snprintf(camberText, sizeof camberText, "%.2f", r.newCamber * 100);
  const std::string contents = files::ThicknessCamberFileText(
      AirfoilName(a.airfoil), a.Get("--caption-17").value_or("Thickness"), thicknessText,
      a.Get("--caption-18").value_or("Camber"), camberText, r.upperAt, r.lowerAt);
  return Write(out, contents, " frmEpCourb/cmdsave");
}

int Incline(const Options& options, core::RibDocument&) {
  const char* synopsis = "incline AIRFOIL --angle DEG -o OUT.dat";
  ToolArguments a;
  std::string problem;
  if (!ParseArguments(options.args, {"--angle", "-o"}, a, problem)) return Usage(synopsis, problem);
  if (!a.Get("--angle") || !a.Get("-o")) return Usage(synopsis, "--angle and -o are required");
  const std::string angle = *a.Get("--angle"), out = *a.Get("-o");
  if (!angle.empty() && !NumberOptionText(angle)) return Usage(synopsis, "--angle takes degrees such as 5.5");
  if (out.empty()) return Usage(synopsis, "-o names the file to write");
  const double degrees = core::NumberFromText(angle);
  switch (core::CheckInclination(degrees)) {
    case core::AngleCheck::Missing:
      return Refuse("6", TextOr("FrmInclinaisonNervure", "6", "Type the angle of inclination in degrees."));
    case core::AngleCheck::TooLarge:
      return Refuse("7", TextOr("FrmInclinaisonNervure", "7", "The angle is too large. Largest angle:") + " 89° !");
    case core::AngleCheck::Ok: break;
  }
  files::AirfoilData data;
  int rc = 0;
  if (!ReadSource(a.airfoil, data, rc)) return rc;
  const std::string contents = files::ScaledAirfoilFileText(
      files::InclinedRibHeader(degrees), data.x,
      core::ScaledOrdinates(data.y, data.pointCount, core::InclinationFactor(degrees)), data.pointCount);
  return Write(out, contents, " frminclinaison/cmdok");
}

int Oblique(const Options& options, core::RibDocument& s) {
  const char* synopsis = "oblique AIRFOIL --mode 0|1 --angle DEG --length TEXT [--unit mm|in] [--caption-6 TEXT] -o OUT.dat";
  ToolArguments a;
  std::string problem;
  if (!ParseArguments(options.args, {"--mode", "--angle", "--length", "--caption-6", "-o"}, a, problem))
    return Usage(synopsis, problem);
  for (const char* required : {"--mode", "--angle", "--length", "-o"})
    if (!a.Get(required)) return Usage(synopsis, std::string(required) + " is required");
  const std::string mode = *a.Get("--mode"), angle = *a.Get("--angle"), length = *a.Get("--length"),
                    out = *a.Get("-o");
  if (mode != "0" && mode != "1") return Usage(synopsis, "--mode is 0 (L given) or 1 (M given)");
  if (!angle.empty() && !NumberOptionText(angle)) return Usage(synopsis, "--angle takes degrees such as 30");
  const std::string& unit = s.settings.unitText;
  if (!length.empty() && !LengthOptionText(length, unit))
    return Usage(synopsis, "--length takes a length in" + unit + " such as " + (unit == " in" ? "7 1/2" : "200"));
  if (out.empty()) return Usage(synopsis, "-o names the file to write");

  const int m = mode == "1" ? 1 : 0;
  const double degrees = core::NumberFromText(angle);
  const core::ObliqueRib rib = core::ComputeObliqueRib(m, core::LengthFromText(length, unit), degrees);
  switch (rib.check) {
    case core::ObliqueCheck::LengthMissing: return Refuse("10", TextOr("FrmAngle", "10", "Type the given length first."));
    case core::ObliqueCheck::AngleMissing: return Refuse("11", TextOr("FrmAngle", "11", "Type the angle of the cut."));
    case core::ObliqueCheck::AngleTooLarge:
      return Refuse("12", TextOr("FrmAngle", "12", "The angle is too large. Limit:") + (m == 0 ? " 89° !" : " 90° !"));
    case core::ObliqueCheck::Ok: break;
  }
  files::AirfoilData data;
  int rc = 0;
  if (!ReadSource(a.airfoil, data, rc)) return rc;
  const files::ObliqueRibTexts texts{a.Get("--caption-6").value_or("Oblique rib"), AirfoilName(a.airfoil), degrees,
                                     rib.obliqueMm, rib.squareMm, unit};
  const std::string contents = files::ScaledAirfoilFileText(
      files::ObliqueRibHeader(texts), data.x, core::ScaledOrdinates(data.y, data.pointCount, rib.ordinateFactor),
      data.pointCount);
  if (int written = Write(out, contents, " frmangle/cmdok")) return written;
  std::fprintf(stderr, "L = %s  M = %s\n", core::LengthToText(static_cast<float>(rib.obliqueMm), unit).c_str(),
               core::LengthToText(static_cast<float>(rib.squareMm), unit).c_str());
  return 0;
}

}  // namespace cli
