#include "commands/kitchoices.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

#include "output/kitwriter.h"
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

}  // namespace

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
  store.Set(kSection, "Folder", c.folder);
}

std::string KitNumberText(double mm) { return KerfText(mm); }

std::optional<KitSettings> KitSettingsFromBoxes(const KitBoxTexts& boxes, KitBoxRefusal& refusal) {
  KitSettings s;
  const std::optional<double> width = Positive(boxes.width);
  const std::optional<double> length = Positive(boxes.length);
  if (!width || !length) {
    refusal = {width ? KitBox::Length : KitBox::Width, platform::Text("FrmKit", "23")};
    return std::nullopt;
  }
  s.sheet = core::SheetSize{*length, *width};
  const std::optional<double> gap = ReadKerf(boxes.gap);
  if (!gap) {
    refusal = {KitBox::Gap, platform::Text("FrmKit", "24")};
    return std::nullopt;
  }
  s.gapMm = *gap;
  std::string why;
  std::optional<CutSettings> cut = SettingsFromWindow(boxes.format, boxes.kerf, false, why);
  if (!cut) {
    refusal = {KitBox::Kerf, why};
    return std::nullopt;
  }
  s.cut = *cut;
  return s;
}

std::string KitRefusalWords(const KitRefusal& r) {
  auto with = [&r](const char* key) {
    const std::string words = platform::Text("FrmKit", key);
    return r.subject.empty() ? words : words + "\n" + r.subject;
  };
  if (r.key == "too-large-part") return with("19");
  if (r.key == "no-rib") return with("20");
  if (r.key == "sheet") return platform::Text("FrmKit", "21");
  if (r.key == "no-part") return with("22");
  // The reader's refusals come in the user's words already.
  return r.message;
}

bool IsKitFileName(const std::string& name) {
  return name == output::kKitListName || name == output::kKitPdfName || IsSheetName(name);
}

std::vector<std::string> KitFilesIn(const std::string& folder) {
  std::vector<std::string> found;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    if (!it->is_regular_file(ec)) continue;
    const std::string name = it->path().filename().string();
    if (name == output::kKitListName || name == output::kKitPdfName || IsSheetName(name))
      found.push_back(it->path().string());
  }
  std::sort(found.begin(), found.end());
  return found;
}

}  // namespace commands
