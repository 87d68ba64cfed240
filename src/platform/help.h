#pragma once
// The program's help: an HTML file beside the program, with one anchor per topic number
// (id="topic-N"), opened in the user's browser at a window's topic. Which file (there is one
// a language) is the caller's to say.
#include <string>
#include <vector>

namespace platform {

// Topic numbers of the windows' Help buttons.
enum HelpTopic : int {
  kTopicMain = 10,             // main window, Help > Help Topics
  kTopicPrint = 31,            // page set-up and printing
  kTopicRibDimensions = 40,    // chord, sheeting, edge pieces; building tabs; square leading edge
  kTopicOpenAirfoil = 41,      // airfoil open dialog
  kTopicSpars = 42,
  kTopicHoles = 43,
  kTopicBlocks = 50,           // building block; station lines
  kTopicAirfoilTools = 60,     // thickness and camber; dihedral; rib sheet
  kTopicSeries = 61,           // tapered wing rib series
  kTopicObliqueRib = 62,
  kTopicInclinedRib = 63,
  kTopicSeriesSpacing = 610,   // rib series with spacing table
  kTopicSettings = 70,         // inserted text; defaults; colours and line styles
  kTopicCoordinates = 80,      // coordinates editor
  kTopicAirfoilPack = 90,      // airfoil pack set-up
};

inline constexpr int kHelpTopics[] = {10, 31, 40, 41, 42, 43, 50, 60, 61, 62, 63, 610, 70, 80, 90};

std::string HelpTopicAnchor(int topic);  // "topic-42"

class Help {
 public:
  virtual ~Help() = default;
  virtual void ShowTopic(int topic) = 0;
};

// The program's help (the windows install the Qt one); by default nothing is shown.
Help& CurrentHelp();

void ShowHelpTopic(int topic);

// Records the topics asked for (tests).
class RecordingHelp : public Help {
 public:
  void ShowTopic(int topic) override { topics.push_back(topic); }
  std::vector<int> topics;
};

// Installs a help for the lifetime of the object.
class ScopedHelp {
 public:
  explicit ScopedHelp(Help* help);
  ~ScopedHelp();
  ScopedHelp(const ScopedHelp&) = delete;
  ScopedHelp& operator=(const ScopedHelp&) = delete;

 private:
  Help* previous_;
};

}  // namespace platform
