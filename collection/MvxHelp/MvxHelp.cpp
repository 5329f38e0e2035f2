// Stand-in for the collection's help text service: the texts of the context-menu tip.
#include "collection/MvxHelp/MvxHelp.h"

#include <cstddef>

#include "platform/win32/WindowsApi.h"

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

// Fills `text` with lines of 64 bytes (62 characters and a line break) drawn from `letters`.
void FillLines(char* text, std::size_t size, const char* letters, std::size_t letterCount) {
  for (std::size_t i = 0; i < size; ++i) {
    text[i] = (i % 64 == 62) ? '\r' : (i % 64 == 63) ? '\n' : letters[i % letterCount];
  }
}

// A German help text of 48 KB, longer than any real one, in Windows-1252 beyond Latin-1.
const char* LongText() {
  static char text[48 * 1024 + 1];
  static const char letters[] =
      "Kontextmen\xFC f\xFCr \x84Gr\xF6\xDF"
      "e\x93 \x80 \x96 ";
  if (text[0] == '\0')
    FillLines(text, sizeof text - 1, letters, sizeof letters - 1);
  return text;
}

// A text without end: 1 MB of lines, no terminating zero, and no memory that may be read after
// it, so a reader that goes past 1 MB faults. Made once, kept for the process.
constexpr int kEndlessHelpId = 413;
constexpr std::size_t kEndlessBytes = 1024 * 1024;

const char* EndlessText() {
  static char* text = nullptr;
  if (text == nullptr) {
    SYSTEM_INFO system;
    GetSystemInfo(&system);
    const std::size_t size = kEndlessBytes + system.dwPageSize;
    auto* block =
        static_cast<char*>(VirtualAlloc(nullptr, size, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE));
    DWORD previous = 0;
    if (block == nullptr ||
        !VirtualProtect(block + kEndlessBytes, system.dwPageSize, PAGE_NOACCESS, &previous))
      return nullptr;
    FillLines(block, kEndlessBytes, "abcdefghijklmnopqrstuvwxyz", 26);
    text = block;
  }
  return text;
}

}  // namespace

extern "C" const char* __stdcall GetHelpText(int helpId, int kind) {
  if (helpId == kEndlessHelpId && kind == 2)
    return EndlessText();
  if (helpId == kWindows1252Tip && kind == 2)
    return LongText();
  for (const HelpEntry& entry : kEntries) {
    if (entry.helpId == helpId && entry.kind == kind)
      return entry.text;
  }
  return nullptr;
}
