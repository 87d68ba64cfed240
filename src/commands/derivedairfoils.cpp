#include "commands/derivedairfoils.h"

#include <cstdio>

#include "core/lengths.h"
#include "core/typednumber.h"
#include "files/derivedairfoil.h"
#include "platform/textkeys.h"
#include "platform/texts.h"

namespace commands {

namespace {

// A language file that lacks the text still gives the user words.
std::string TextOr(platform::TextKey key, const std::string& fallback) {
  const std::string text = platform::Text(key);
  return text.empty() ? fallback : text;
}

std::string Hundredths(double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.2f", value);
  return text;
}

ToolRefusal AngleTooLarge(platform::TextKey key, const std::string& fallback, const char* limit) {
  return {"angle-too-large", TextOr(key, fallback) + limit};
}

}  // namespace

SourceAirfoil CurrentSourceAirfoil(const core::RibDocument& document) {
  return document.airfoil.loaded ? document.airfoil : SourceAirfoil();
}

SourceAirfoil SourceAirfoilOf(const std::string& path, files::AirfoilData data) {
  files::SplitAirfoilFileName(path, data.name, data.ext);
  return data;
}

ThicknessCamberOutcome ScaleThicknessCamber(const core::PreparedAirfoil& airfoil, const std::string& thicknessText,
                                            const std::string& camberText) {
  ThicknessCamberOutcome out;
  out.result = core::ChangeThicknessCamber(airfoil, core::NumberFromText(thicknessText), core::NumberFromText(camberText));
  out.thicknessText = Hundredths(out.result.newThickness * 100);
  out.camberText = Hundredths(out.result.newCamber * 100);
  if (out.result.camberKeptAtZero)
    out.notice = TextOr(keys::CamberStaysZero, "This airfoil is symmetrical: the camber stays at 0.");
  using enum core::ThicknessCamberCheck;
  switch (out.result.check) {
    case CamberTooLarge:
    case ThicknessTooLarge:
      out.refusal =
          ToolRefusal{"percent-too-large", TextOr(keys::ValueMustStayBelow, "The value must stay below") + " 100 % "};
      break;
    case ThicknessZero:
      out.refusal = ToolRefusal{"thickness-zero", TextOr(keys::NewThicknessZero, "The new thickness cannot be 0 %.")};
      break;
    case FlatAirfoil: out.error = platform::ErrorInfo{platform::kErrDivisionByZero, "the airfoil has no thickness"}; break;
    case Ok: break;
  }
  return out;
}

ThicknessCamberWords ThicknessCamberWordsInLanguage() {
  return {TextOr(keys::ThicknessWord, "Thickness"), TextOr(keys::CamberWord, "Camber")};
}

std::string ThicknessCamberFileText(const std::string& airfoilName, const ThicknessCamberWords& words,
                                    const ThicknessCamberOutcome& outcome) {
  return files::ThicknessCamberFileText(airfoilName, words.thickness, outcome.thicknessText, words.camber,
                                        outcome.camberText, outcome.result.upperAt, outcome.result.lowerAt);
}

InclinedRibPlan PlanInclinedRib(const std::string& angleText) {
  InclinedRibPlan plan;
  plan.degrees = core::NumberFromText(angleText);
  switch (core::CheckInclination(plan.degrees)) {
    case core::AngleCheck::Missing:
      plan.refusal = ToolRefusal{"angle-missing", TextOr(keys::InclinedRibAngleMissing,
                                                         "Type the angle of inclination in degrees.")};
      return plan;
    case core::AngleCheck::TooLarge:
      plan.refusal = AngleTooLarge(keys::InclinedRibAngleTooLarge, "The angle is too large. Largest angle:", " 89° !");
      return plan;
    case core::AngleCheck::Ok: break;
  }
  plan.factor = core::InclinationFactor(plan.degrees);
  return plan;
}

DerivedFile InclinedRibFile(const SourceAirfoil& a, const InclinedRibPlan& rib) {
  return {files::InclinedRibFileName(a.name, rib.degrees),
          files::ScaledAirfoilFileText(files::InclinedRibHeader(rib.degrees),
                                       core::ScaledOrdinates(a.points, rib.factor))};
}

ObliqueRibPlan PlanObliqueRib(int mode, const std::string& lengthText, const std::string& angleText,
                              const std::string& unitText) {
  ObliqueRibPlan plan;
  plan.unitText = unitText;
  plan.degrees = core::NumberFromText(angleText);
  plan.lengths = core::ComputeObliqueRib(mode, core::LengthFromText(lengthText, unitText), plan.degrees);
  switch (plan.lengths.check) {
    case core::ObliqueCheck::LengthMissing:
      plan.refusal = ToolRefusal{"length-missing", TextOr(keys::ObliqueLengthMissing, "Type the given length first.")};
      break;
    case core::ObliqueCheck::AngleMissing:
      plan.refusal = ToolRefusal{"angle-missing", TextOr(keys::ObliqueAngleMissing, "Type the angle of the cut.")};
      break;
    case core::ObliqueCheck::AngleTooLarge:
      plan.refusal =
          AngleTooLarge(keys::ObliqueAngleTooLarge, "The angle is too large. Limit:", mode == 0 ? " 89° !" : " 90° !");
      break;
    case core::ObliqueCheck::Ok: break;
  }
  return plan;
}

std::string ObliqueRibTitleWords() { return TextOr(keys::ObliqueLengthsFrame, "Oblique rib"); }

DerivedFile ObliqueRibFile(const SourceAirfoil& a, const ObliqueRibPlan& rib, const std::string& titleWords) {
  const files::ObliqueRibTexts texts{titleWords,           a.name, rib.degrees, rib.lengths.obliqueMm,
                                     rib.lengths.squareMm, rib.unitText};
  return {files::ObliqueRibFileName(texts),
          files::ScaledAirfoilFileText(files::ObliqueRibHeader(texts),
                                       core::ScaledOrdinates(a.points, rib.lengths.ordinateFactor))};
}

}  // namespace commands
