#include "files/captions.h"

#include <iterator>

#include "platform/textkeys.h"
#include "platform/texts.h"

namespace files {

const std::array<MenuCaption, 58> kMenuCaptions = {{
    {"mnu_file", {"MenuFile", "1"}},
    {"mnu_fileopen", {"MenuFile", "2"}},
    {"mnu_fileprofilopen", {"MenuFile", "3"}},
    {"mnu_filesaveas", {"MenuFile", "4"}},
    {"mnu_filedxf", {"MenuFile", "5"}},
    {"mnu_filepage", {"MenuFile", "6"}},
    {"mnu_fileprinterconfig", {"MenuFile", "7"}},
    {"mnu_fileprintpreview", {"MenuFile", "8"}},
    {"mnu_fileprint", {"MenuFile", "9"}},
    {"mnu_fileexit", {"MenuFile", "10"}},
    {"mnu_filesave", {"MenuFile", "11"}},
    {"mnu_filecut", {"MenuFile", "160"}},

    {"mnu_aff", {"MenuAffich", "1"}},
    {"mnu_affinver", {"MenuAffich", "2"}},
    {"mnu_affdefaut", {"MenuAffich", "3"}},
    {"mnu_affcouleur", {"MenuAffich", "4"}},
    {"mnu_affhautba", {"MenuAffich", "5"}},
    {"mnu_affhautbf", {"MenuAffich", "6"}},
    {"mnu_affepr", {"MenuAffich", "7"}},
    {"mnu_affInstxt", {"MenuAffich", "8"}},
    {"mnu_affTrac", {"MenuAffich", "9"}},
    {"mnu_affclear", {"MenuAffich", "10"}},
    {"mnu_affLang", {"MenuAffich", "11"}},
    {"mnu_affzoomin", {"MenuAffich", "12"}},
    {"mnu_affzoomout", {"MenuAffich", "13"}},
    {"mnu_afffit", {"MenuAffich", "14"}},

    {"mnuprofil", {"MenuProfil", "1"}},
    {"mnu_profilcorde", {"MenuProfil", "2"}},
    {"mnu_profilepcoffrage", {"MenuProfil", "3"}},
    {"mnu_profilba", {"MenuProfil", "4"}},
    {"mnu_profilbaD", {"MenuProfil", "5"}},
    {"mnu_profilbaC", {"MenuProfil", "6"}},
    {"mnu_profillongeron", {"MenuProfil", "7"}},
    {"mnu_profiltrou", {"MenuProfil", "8"}},
    {"mnu_profilbf", {"MenuProfil", "9"}},
    {"mnu_profilTalon", {"MenuProfil", "10"}},

    {"mnu_param", {"MenuLayout", "1"}},
    {"mnu_paramrep", {"MenuLayout", "2"}},
    {"mnu_parambloc", {"MenuLayout", "3"}},
    {"mnu_paramvril", {"MenuLayout", "4"}},

    {"mnu_outil", {"MenuOutils", "1"}},
    {"mnu_OutilCompare", {"MenuOutils", "2"}},
    {"mnu_outilnervinter", {"MenuOutils", "3"}},
    {"mnu_outilevolut", {"MenuOutils", "4"}},
    {"mnu_outilevolut2", {"MenuOutils", "4a"}},
    {"mnu_OutilKit", {"MenuOutils", "14"}},
    {"mnu_outilEpCourb", {"MenuOutils", "5"}},
    {"mnu_outilAngle", {"MenuOutils", "6"}},
    {"mnu_outilInclinaison", {"MenuOutils", "7"}},
    {"mnu_OutlilDiedre", {"MenuOutils", "10"}},
    {"mnu_Outilcoord", {"MenuOutils", "11"}},
    {"mnu_Outilcoupl", {"MenuOutils", "12"}},
    {"mnu_calc", {"MenuOutils", "13"}, {}, "Windo&ws Calculator"},

    {"mnu_help", {"MenuHelp", "1"}},
    {"mnu_helpsearch", {"MenuHelp", "2"}},
    {"mnu_helpAbout", {"MenuHelp", "3"}},
    {"mnu_helpConfig", {"MenuHelp", "4"}},
    {"mnu_helpVersion", {"MenuHelp", "5"}, {}, "Check version"},
}};

const std::array<ToolbarTip, 8> kToolbarTips = {{
    {1, {"MainTolbar", "1"}, ""},
    {2, {"MainTolbar", "2"}, "mnu_fileopen"},
    {3, {"MainTolbar", "3"}, "mnu_filesaveas"},
    {4, {"MainTolbar", "4"}, ""},
    {5, {"MainTolbar", "5"}, "mnu_filepage"},
    {6, {"MainTolbar", "6"}, ""},
    {7, {"MainTolbar", "7"}, "mnu_fileprint"},
    {8, {"MainTolbar", "8"}, ""},
}};

const std::array<CommandButtonTexts, 6> kCommandButtons = {{
    {"cmdprofil", {"MainTolbar", "11"}, {"MainTolbar", "12"}},
    {"cmdcorde", {"MainTolbar", "13"}, {"MainTolbar", "14"}},
    {"cmdba", {"MainTolbar", "15"}, {"MainTolbar", "16"}},
    {"cmdlongeron", {"MainTolbar", "17"}, {"MainTolbar", "18"}},
    {"cmdtrou", {"MainTolbar", "19"}, {"MainTolbar", "20"}},
    {"cmdbf", {"MainTolbar", "21"}, {"MainTolbar", "22"}},
}};

std::string MenuCaptionText(const MenuCaption& entry) {
  std::string text = platform::Text(entry.text.section, entry.text.key);
  if (text.empty() && !entry.fallback.empty()) return std::string(entry.fallback);
  return std::string(entry.prefix) + text;
}

const MenuCaption* FindMenuCaption(std::string_view control) {
  for (const MenuCaption& entry : kMenuCaptions)
    if (entry.control == control) return &entry;
  return nullptr;
}

CommonTexts LoadCommonTexts() {
  CommonTexts t;
  std::string* fields[] = {&t.ok, &t.cancel, &t.help, &t.close, &t.apply,
                           &t.airfoilLabel, &t.chordLabel, &t.ribWord, &t.filesWord};
  static_assert(std::size(kCommonTextKeys) == 9);
  for (std::size_t i = 0; i < std::size(kCommonTextKeys); ++i)
    *fields[i] = platform::Text(kCommonTextKeys[i]);
  return t;
}

core::RibLabels RibLabelsInLanguage() {
  core::RibLabels l;
  l.thickness = platform::Text(keys::ThicknessLineWord);
  l.thicknessAt = platform::Text(keys::ThicknessLineBeforePosition);
  l.thicknessFrom = platform::Text(keys::ThicknessLineAfterPosition);
  l.leadingEdgeHeight = platform::Text(keys::LeadingEdgeCutLabel);
  l.trailingEdgeHeight = platform::Text(keys::TrailingEdgeCutLabel);
  return l;
}

core::CaptionWords CaptionWordsInLanguage() {
  return {platform::Text(keys::CaptionChordWord), platform::Text(keys::TabCaptionChordWord),
          platform::Text(keys::CaptionAngleWord)};
}

}  // namespace files
