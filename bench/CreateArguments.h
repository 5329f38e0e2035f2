#pragma once

namespace pelk::bench {

// What both benchmarks hand to ModulCreate: the page at its design size, German, on Windows XP
// (OsType 13) under a mask of every version that has a name (bits 0 to 12), so unlocked.
struct CreateArguments {
  int Left = 120;
  int Top = 80;
  int Width = 298;
  int Height = 455;
  int OsType = 13;
  int Language = 0;
  const char* Caption = "Kontextmen\xFC f\xFCr Datei-Operationen";
  const char* Hint = "";
  int ValidOsMask = 0x1FFF;
  int HelpId = 412;
};

}  // namespace pelk::bench
