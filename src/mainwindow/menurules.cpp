#include "mainwindow/menurules.h"

#include "commands/keepwork.h"
#include "commands/projectcommands.h"
#include "files/captions.h"

#include "platform/desktop.h"
#include "platform/messages.h"
#include "platform/textkeys.h"
#include "platform/texts.h"

namespace mainwindow {

using platform::Text;

namespace {
struct ControlEntry {
  Command command;
  std::string_view name;
};
const std::vector<ControlEntry>& Controls() {
  static const std::vector<ControlEntry> controls = {
      {Command::OpenProject, "mnu_fileopen"},
      {Command::OpenAirfoil, "mnu_fileprofilopen"},
      {Command::SaveProjectAs, "mnu_filesaveas"},
      {Command::ExportDxf, "mnu_filedxf"},
      {Command::PageSetup, "mnu_filepage"},
      {Command::PrinterSetup, "mnu_fileprinterconfig"},
      {Command::PrintPreview, "mnu_fileprintpreview"},
      {Command::Print, "mnu_fileprint"},
      {Command::Exit, "mnu_fileexit"},
      {Command::ViewUpsideDown, "mnu_affinver"},
      {Command::Defaults, "mnu_affdefaut"},
      {Command::Colours, "mnu_affcouleur"},
      {Command::ShowLeadingEdgeHeight, "mnu_affhautba"},
      {Command::ShowTrailingEdgeHeight, "mnu_affhautbf"},
      {Command::ShowThickness, "mnu_affepr"},
      {Command::InsertText, "mnu_affInstxt"},
      {Command::ShowOutline, "mnu_affTrac"},
      {Command::NewRib, "mnu_affclear"},
      {Command::Language, "mnu_affLang"},
      {Command::Chord, "mnu_profilcorde"},
      {Command::Sheeting, "mnu_profilepcoffrage"},
      {Command::LeadingEdgeMenu, "mnu_profilba"},
      {Command::LeadingEdgePiece, "mnu_profilbaD"},
      {Command::SquareLeadingEdge, "mnu_profilbaC"},
      {Command::Spars, "mnu_profillongeron"},
      {Command::Holes, "mnu_profiltrou"},
      {Command::TrailingEdge, "mnu_profilbf"},
      {Command::BuildingTabs, "mnu_profilTalon"},
      {Command::ReferenceLines, "mnu_paramrep"},
      {Command::Blocks, "mnu_parambloc"},
      {Command::Washout, "mnu_paramvril"},
      {Command::CompareAirfoils, "mnu_OutilCompare"},
      {Command::RibSheet, "mnu_outilnervinter"},
      {Command::RibSeries, "mnu_outilevolut"},
      {Command::RibSeriesWithIntermediates, "mnu_outilevolut2"},
      {Command::CutKit, "mnu_OutilKit"},
      {Command::ThicknessCamber, "mnu_outilEpCourb"},
      {Command::ObliqueRib, "mnu_outilAngle"},
      {Command::InclinedRib, "mnu_outilInclinaison"},
      {Command::Dihedral, "mnu_OutlilDiedre"},
      {Command::CoordinatesEditor, "mnu_Outilcoord"},
      {Command::Former, "mnu_Outilcoupl"},
      {Command::Calculator, "mnu_calc"},
      {Command::HelpTopics, "mnu_helpsearch"},
      {Command::About, "mnu_helpAbout"},
      {Command::CheckVersion, "mnu_helpVersion"},
      {Command::AirfoilFolders, "mnu_helpConfig"},
      {Command::AirfoilButton, "cmdprofil"},
      {Command::ChordButton, "cmdcorde"},
      {Command::LeadingEdgeButton, "cmdba"},
      {Command::SparsButton, "cmdlongeron"},
      {Command::HolesButton, "cmdtrou"},
      {Command::TrailingEdgeButton, "cmdbf"},
      {Command::Save, "mnu_filesave"},
      {Command::ZoomIn, "mnu_affzoomin"},
      {Command::ZoomOut, "mnu_affzoomout"},
      {Command::Fit, "mnu_afffit"},
      {Command::ExportForCutting, "mnu_filecut"},
  };
  return controls;
}
}  // namespace

std::string_view ControlName(Command command) {
  for (const ControlEntry& e : Controls())
    if (e.command == command) return e.name;
  return {};
}

std::optional<Command> CommandForControl(std::string_view controlName) {
  for (const ControlEntry& e : Controls())
    if (e.name == controlName) return e.command;
  return std::nullopt;
}

const std::vector<Command>& AllCommands() {
  static const std::vector<Command> all = [] {
    std::vector<Command> v;
    for (const ControlEntry& e : Controls()) v.push_back(e.command);
    return v;
  }();
  return all;
}

const std::vector<Command>& AirfoilCommands() {
  using enum Command;
  static const std::vector<Command> commands = {
      Save, SaveProjectAs, ExportDxf, PageSetup, Print, PrintPreview, ViewUpsideDown, ShowLeadingEdgeHeight, ShowTrailingEdgeHeight,
      ShowThickness, InsertText, ShowOutline, NewRib, Chord, Sheeting, LeadingEdgeMenu, LeadingEdgePiece,
      SquareLeadingEdge, Spars, Holes, TrailingEdge, BuildingTabs, ReferenceLines, Blocks, ThicknessCamber,
      ObliqueRib, InclinedRib, ChordButton, LeadingEdgeButton, SparsButton, HolesButton, TrailingEdgeButton,
      ExportForCutting};
  return commands;
}

const std::vector<Command>& NewRibEnables() {
  using enum Command;
  // The display flags serve the former too; the rib's own commands, the command buttons and
  // the inserted text among them, wait for an airfoil (the former view gives the text back).
  static const std::vector<Command> commands = {ViewUpsideDown, ShowLeadingEdgeHeight, ShowTrailingEdgeHeight,
                                                ShowThickness, ShowOutline, NewRib};
  return commands;
}

const std::vector<Command>& DisplayToggles() {
  using enum Command;
  static const std::vector<Command> commands = {ViewUpsideDown, ShowLeadingEdgeHeight, ShowTrailingEdgeHeight,
                                                ShowThickness, ShowOutline};
  return commands;
}

std::vector<Command> CommandsIdleInView(const core::ViewState& v) {
  using enum Command;
  if (!v.compareShown && !v.formerShown) return {};
  // The rib's features and the heights and points drawn on it: neither view draws them.
  // Each is one that a new rib or a new airfoil sets again, which is how the views end.
  std::vector<Command> idle = {Sheeting,       LeadingEdgeMenu,       LeadingEdgePiece,       SquareLeadingEdge,
                               Spars,          Holes,                 TrailingEdge,           BuildingTabs,
                               ReferenceLines, Blocks,                LeadingEdgeButton,      SparsButton,
                               HolesButton,    TrailingEdgeButton,    ShowLeadingEdgeHeight,  ShowTrailingEdgeHeight,
                               ShowThickness,  ShowOutline};
  // The former draws the inserted text and turns over with the view; the comparison does
  // neither.
  if (v.compareShown) idle.insert(idle.end(), {InsertText, ViewUpsideDown});
  return idle;
}

bool HasUnsavedChanges(const core::RibDocument& document) { return commands::HasUnsavedChanges(document); }

bool AskToQuit(core::RibDocument& document) { return commands::KeepWork(document, Text(keys::QuitModified)); }

bool SessionMayEnd(core::RibDocument& document, bool mayAsk) {
  return mayAsk ? AskToQuit(document) : !HasUnsavedChanges(document);
}

const char* const kVersionPageUrl = VANDRELL_VERSION_URL;

void StartCalculator() {
  if (platform::CurrentDesktop().StartCalculator()) return;
  std::string text = Text(keys::NoCalculator);
  if (text.empty()) text = "The windows Calculator does not exist";
  // Titled with the menu entry the user chose, in their words.
  std::string title = files::MenuCaptionText(*files::FindMenuCaption("mnu_calc"));
  std::erase(title, '&');
  while (!title.empty() && title.back() == '.') title.pop_back();
  platform::Inform(text, std::string(platform::kProgramTitle) + " - " + title, platform::BoxIcon::Information);
}

void TellDecimalMark(char decimalMark) {
  if (decimalMark == '.') return;
  std::string text;
  for (int key = 10; key <= 15; ++key) {  // the notice is the run of texts Message/10 to /15
    if (key > 10) text += "\n\n";
    text += Text("Message", std::to_string(key));
  }
  platform::Inform(text, Text(keys::DecimalSeparatorTitle), platform::BoxIcon::Information);
}

}  // namespace mainwindow
