#pragma once
// A program folder of language files written by the test, and the settings beside them.
#include <gtest/gtest.h>

#include <string>

#include "core/ribdocument.h"
#include "platform/texts.h"
#include "support/testsupport.h"

namespace testsupport {

class LanguageFolder : public ::testing::Test {
 protected:
  void SetUp() override { s.settings.programDir = dir.path().string(), s.settings.iniFile = dir.File("Vandrell.ini"); }
  void TearDown() override { platform::SetTextLookup({}); }

  void WriteLanguage(const std::string& name, const std::string& contents) { WriteFile(dir.File(name + ".lng"), contents); }
  void EnglishAndFrench() {
    WriteLanguage("English", "[MenuFile]\r\n1=&File\r\n");
    WriteLanguage("Francais", "[MenuFile]\r\n1=&Fichier\r\n");
  }

  TempDir dir;
  core::RibDocument s;
};

}  // namespace testsupport
