#pragma once
// The system's font configuration (fontconfig), read on a second thread. Reading it is most
// of what the first measured text costs (some 7 ms, dozens of XML files); a program that
// starts this before Qt has it read meanwhile, and Qt then takes the configuration as it
// finds it: the same one, so the same fonts. Should Qt come first all the same, both read
// it and one copy is kept: slower, never different.

namespace platform {

// At the program's start, before Qt; once per program.
void StartLoadingFontConfiguration();
// Before the first text is measured (QtDrawTarget waits at its first text, the main window
// before its status bar) and before Qt's application object goes. Returns at once when no
// load was started or it was awaited already.
void AwaitFontConfiguration();

}  // namespace platform
