// Stand-in for the collection's help text service: the texts of the context-menu tip.
#include "collection/MvxHelp/MvxHelp.h"

#include <cstddef>

namespace {

constexpr int kContextMenuTip = 412;
constexpr int kWindows1252Tip = 414;

struct HelpEntry {
  int helpId;
  int kind;
  const char* text;
};

const HelpEntry kEntries[] = {
    {kContextMenuTip, 2,
     "Kontextmen\xFC: In Ordner kopieren / In Ordner verschieben\r\n"
     "\r\n"
     "Im Kontextmen\xFC jeder Datei und jedes Ordners kann der Explorer die Eintr\xE4ge "
     "\"In Ordner kopieren...\" und \"In Ordner verschieben...\" anbieten. Damit kopieren oder "
     "verschieben Sie das Markierte in einen Ordner, den Sie in einem Dialog ausw\xE4hlen.\r\n"
     "\r\n"
     "Ist das K\xE4stchen angehakt, zeigt der Explorer beide Eintr\xE4ge an. Ist es leer, "
     "werden beide Eintr\xE4ge entfernt.\r\n"
     "\r\n"
     "Die \xC4nderung wird erst mit OK \xFC"
     "bernommen. Daf\xFCr sind Administratorrechte "
     "n\xF6tig."},
    {kContextMenuTip, 4,
     "Context menu: Copy To Folder / Move To Folder\r\n"
     "\r\n"
     "Explorer can offer the entries \"Copy To Folder...\" and \"Move To Folder...\" in the "
     "context menu of every file and folder. They copy or move the selection to a folder that "
     "you pick in a dialog.\r\n"
     "\r\n"
     "With the box ticked, Explorer shows both entries. With the box cleared, both entries are "
     "removed.\r\n"
     "\r\n"
     "The change takes effect when you press OK. Writing it needs administrator rights."},
    {kContextMenuTip, 5, "HKEY_CLASSES_ROOT\\AllFileSystemObjects\\shellex\\ContextMenuHandlers"},
    // A tip whose texts use Windows-1252 beyond Latin-1 (0x80..0x9F), for testing that a tip
    // reads them so on any code page.
    {kWindows1252Tip, 5,
     "HKEY_CURRENT_USER\\Software\\Pelk412 Tests\\Schl\xFCssel \x84Gr\xF6\xDF"
     "e\x93 \x80"},
};

// A German help text far longer than a page takes over (100 KB of lines), for testing how a tip
// copes with one.
constexpr int kOverlongHelpId = 413;

const char* OverlongText() {
  static char text[100 * 1024 + 1];
  if (text[0] == '\0') {
    for (std::size_t i = 0; i + 1 < sizeof text; ++i)
      text[i] = (i % 64 == 62) ? '\r' : (i % 64 == 63) ? '\n' : static_cast<char>('a' + i % 26);
  }
  return text;
}

}  // namespace

extern "C" const char* __stdcall GetHelpText(int helpId, int kind) {
  if (helpId == kOverlongHelpId && kind == 2)
    return OverlongText();
  for (const HelpEntry& entry : kEntries) {
    if (entry.helpId == helpId && entry.kind == kind)
      return entry.text;
  }
  return nullptr;
}
