#include "commands/kitchoices.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <filesystem>
#include <system_error>

#include "core/lengths.h"
#include "core/typednumber.h"
#include "core/newrib.h"
#include "core/ribdocument.h"
#include "files/projectfile.h"
#include "output/kitwriter.h"
#include "platform/errorreport.h"
#include "platform/fileio.h"
#include "platform/textkeys.h"
#include "platform/texts.h"
#include "platform/userstore.h"

namespace commands {

namespace fs = std::filesystem;

namespace {

constexpr const char* kSection = "Kit";

std::optional<double> Positive(const std::string& text) {
  std::optional<double> mm = ReadKerf(text);
  if (!mm || !(*mm > 0)) return std::nullopt;
  return mm;
}

// "sheet-" followed by two or more digits and ".dxf" or ".svg": the names WriteKit gives.
bool IsSheetName(const std::string& name) {
  const std::string prefix = "sheet-";
  if (name.size() < prefix.size() + 2 + 4 || name.compare(0, prefix.size(), prefix) != 0) return false;
  const std::string ext = name.substr(name.size() - 4);
  if (ext != ".dxf" && ext != ".svg") return false;
  const std::string digits = name.substr(prefix.size(), name.size() - prefix.size() - 4);
  return digits.size() >= 2 &&
         std::all_of(digits.begin(), digits.end(), [](char c) { return std::isdigit(static_cast<unsigned char>(c)); });
}

// A box's length in millimetres, 0 or more: digits and one "." in millimetres; in inches
// what an inch box takes, fractions too ("1/16").
std::optional<double> BoxMillimetres(const std::string& text, const std::string& unit) {
  if (unit != " in") return ReadKerf(text);
  if (text.empty()) return std::nullopt;
  const core::NumberReading read = core::ReadInchNumber(text);
  if (read.malformed || !(read.value >= 0) || !std::isfinite(read.value)) return std::nullopt;
  return read.value * 25.4;
}

std::optional<double> PositiveMillimetres(const std::string& text, const std::string& unit) {
  const std::optional<double> mm = BoxMillimetres(text, unit);
  if (!mm || !(*mm > 0)) return std::nullopt;
  return mm;
}

// The set-up a series tool cleared, and the rib it left in its place.
struct SeriesMemory {
  core::RibSetup before;
  core::RibSetup cleared;
};
std::optional<SeriesMemory>& RememberedSeries() {
  static std::optional<SeriesMemory> memory;
  return memory;
}

}  // namespace

void KeepSetupBeforeSeries(const core::RibSetup& before, const core::RibDocument& cleared) {
  RememberedSeries() = SeriesMemory{before, cleared.rib};
}

void ForgetSetupBeforeSeries() { RememberedSeries().reset(); }

KitSetupOffer OfferedKitSetups(const core::RibDocument& document) {
  KitSetupOffer offer;
  const std::optional<SeriesMemory>& series = RememberedSeries();
  if (series) offer.listed.push_back(KitSetup::BeforeSeries);
  offer.listed.push_back(KitSetup::CurrentRib);
  offer.listed.push_back(KitSetup::ProjectFile);
  // A rib shaped since (another airfoil, a chord typed) is the one the user means now.
  offer.chosen = series && !document.airfoil.loaded && document.rib == series->cleared ? KitSetup::BeforeSeries
                                                                                       : KitSetup::CurrentRib;
  return offer;
}

std::optional<KitRefusal> KitTemplate(const core::RibDocument& document, KitSetup setup, const std::string& project,
                                      core::RibDocument& templateRib) {
  templateRib = document;
  if (setup == KitSetup::BeforeSeries && RememberedSeries()) templateRib.rib = RememberedSeries()->before;
  if (setup != KitSetup::ProjectFile) return std::nullopt;
  const platform::ReadOutcome file = platform::ReadWholeFile(project);
  if (!file.ok()) return KitRefusal{"project", platform::ReadErrorInfo(file, project).description, project};
  core::ClearRib(templateRib);
  const files::ProjectReadResult read = files::ReadProjectText(file.bytes, templateRib);
  if (!read.ok) return KitRefusal{"project", platform::GeneralErrorText(read.error), project};
  return std::nullopt;
}

KitChoices LoadKitChoices() {
  platform::UserStore& store = platform::CurrentUserStore();
  KitChoices c;
  const std::optional<double> width = Positive(store.Get(kSection, "Width"));
  const std::optional<double> length = Positive(store.Get(kSection, "Length"));
  if (width && length) c.settings.sheet = core::SheetSize{*length, *width};
  if (std::optional<double> gap = ReadKerf(store.Get(kSection, "Gap"))) c.settings.gapMm = *gap;
  if (std::optional<double> kerf = ReadKerf(store.Get(kSection, "Kerf")); kerf && *kerf <= kMaxKerfMm)
    c.settings.cut.kerfMm = *kerf;
  c.settings.cut.format = StoredCutFormat(store.Get(kSection, "Format"));
  c.settings.caption = store.Get(kSection, "Caption") == "1";
  c.settings.strokedNames = store.Get(kSection, "Names") == "lines";
  if (std::optional<double> thickness = Positive(store.Get(kSection, "Thickness"))) c.settings.thicknessMm = *thickness;
  c.folder = store.Get(kSection, "Folder");
  return c;
}

void StoreKitChoices(const KitChoices& c) {
  platform::UserStore& store = platform::CurrentUserStore();
  store.Set(kSection, "Width", KitNumberText(c.settings.sheet.widthMm));
  store.Set(kSection, "Length", KitNumberText(c.settings.sheet.lengthMm));
  store.Set(kSection, "Gap", KitNumberText(c.settings.gapMm));
  store.Set(kSection, "Kerf", KerfText(c.settings.cut.kerfMm));
  store.Set(kSection, "Format", StoredCutFormatName(c.settings.cut.format));
  store.Set(kSection, "Caption", c.settings.caption ? "1" : "0");
  store.Set(kSection, "Names", c.settings.strokedNames ? "lines" : "text");
  store.Set(kSection, "Thickness", c.settings.thicknessMm > 0 ? KitNumberText(c.settings.thicknessMm) : "");
  store.Set(kSection, "Folder", c.folder);
}

std::string KitNumberText(double mm, const std::string& unit) {
  return unit == " in" ? core::UnitNumberText(mm, unit) : KerfText(mm);
}

std::optional<KitSettings> KitSettingsFromBoxes(const KitBoxTexts& boxes, KitBoxRefusal& refusal) {
  KitSettings s;
  const std::optional<double> width = PositiveMillimetres(boxes.width, boxes.unit);
  const std::optional<double> length = PositiveMillimetres(boxes.length, boxes.unit);
  if (!width || !length) {
    refusal = {width ? KitBox::Length : KitBox::Width, platform::Text(keys::KitSheetRefused)};
    return std::nullopt;
  }
  s.sheet = core::SheetSize{*length, *width};
  const std::optional<double> gap = BoxMillimetres(boxes.gap, boxes.unit);
  if (!gap) {
    refusal = {KitBox::Gap, platform::Text(keys::KitGapRefused)};
    return std::nullopt;
  }
  s.gapMm = *gap;
  std::string why;
  // The kerf as Export for cutting reads it: millimetres, or empty for none.
  std::string kerf = boxes.kerf;
  if (boxes.unit == " in" && !kerf.empty()) kerf = KerfText(BoxMillimetres(kerf, boxes.unit).value_or(-1));
  std::optional<CutSettings> cut = SettingsFromWindow(boxes.format, kerf, false, why);
  if (!cut) {
    refusal = {KitBox::Kerf, why};
    return std::nullopt;
  }
  s.cut = *cut;
  if (!boxes.thickness.empty()) {
    const std::optional<double> thickness = PositiveMillimetres(boxes.thickness, boxes.unit);
    if (!thickness) {
      refusal = {KitBox::Thickness, platform::Text(keys::KitThicknessRefused)};
      return std::nullopt;
    }
    s.thicknessMm = *thickness;
  }
  return s;
}

std::string KitRefusalWords(const KitRefusal& r) {
  auto with = [&r](platform::TextKey key) {
    const std::string words = platform::Text(key);
    return r.subject.empty() ? words : words + "\n" + r.subject;
  };
  if (r.key == "too-large-part") return with(keys::KitPartLargerThanSheet);
  if (r.key == "no-rib") return with(keys::KitNoRib);
  if (r.key == "sheet") return platform::Text(keys::KitNoRoom);
  if (r.key == "no-part") return with(keys::KitRibWithoutOutline);
  // The reader's refusals come in the user's words already.
  return r.message;
}

bool IsKitFileName(const std::string& name) {
  return name == output::kKitListName || name == output::kKitPdfName || name == output::kKitCheckPdfName ||
         IsSheetName(name);
}

std::vector<std::string> KitFilesIn(const std::string& folder) {
  std::vector<std::string> found;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    if (!it->is_regular_file(ec)) continue;
    const std::string name = it->path().filename().string();
    if (IsKitFileName(name)) found.push_back(it->path().string());
  }
  std::sort(found.begin(), found.end());
  return found;
}

}  // namespace commands
