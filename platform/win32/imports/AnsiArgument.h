#pragma once
// Texts between the W functions' UTF-16 and the A functions' ANSI code page, for the replacements
// that Windows 95, 98 and ME get (see ImportSlot.h). These stand in for system functions, which
// throw nothing: the layer is compiled without exceptions and its buffers come from malloc.
#include <cstddef>

#include "platform/win32/WindowsApi.h"

namespace pelk::imports {

// A text of `Char`s in a buffer of its own, always ending with a zero beyond size().
template <class Char>
class TextBuffer {
 public:
  TextBuffer() = default;
  ~TextBuffer() { Release(); }
  TextBuffer(const TextBuffer&) = delete;
  TextBuffer& operator=(const TextBuffer&) = delete;
  TextBuffer(TextBuffer&& other) noexcept { *this = static_cast<TextBuffer&&>(other); }
  TextBuffer& operator=(TextBuffer&& other) noexcept;

  // Room for `count` characters and the zero, all zero; false when there is no memory.
  [[nodiscard]] bool Allocate(std::size_t count);
  // Keeps the first `count` characters.
  void Shorten(std::size_t count);

  const Char* get() const { return chars_ != nullptr ? chars_ : &kNone; }
  Char* data() { return chars_; }
  std::size_t size() const { return size_; }

 private:
  void Release();
  static constexpr Char kNone = 0;

  Char* chars_ = nullptr;
  std::size_t size_ = 0;
};

extern template class TextBuffer<char>;
extern template class TextBuffer<wchar_t>;

// How faithful the ANSI form of a text must be. A text that is only shown may carry the code
// page's stand-in for a character it lacks; a name the system looks up (a registry key, a file,
// a window class) must say exactly what the UTF-16 text says, or the call fails.
enum class Fidelity { Shown, Exact };

// A UTF-16 argument in the ANSI code page. A null text stays null, and an atom or a resource id
// in place of a text passes unchanged.
class AnsiArgument {
 public:
  explicit AnsiArgument(LPCWSTR text, Fidelity fidelity = Fidelity::Shown);
  // `length` units (-1: up to the first zero), which may hold zeros; get() ends with one more.
  AnsiArgument(LPCWSTR text, int length, Fidelity fidelity);

  const char* get() const { return passed_ ? passedText_ : chars_.get(); }
  // Bytes, the added zero not counted.
  int Length() const { return static_cast<int>(chars_.size()); }
  // True when the text has no ANSI form (of the fidelity asked for) or no memory was left.
  bool Failed() const { return failed_; }

 private:
  void Convert(LPCWSTR text, int length, Fidelity fidelity);

  bool passed_ = false;
  const char* passedText_ = nullptr;
  TextBuffer<char> chars_;
  bool failed_ = false;
};

// `length` bytes of ANSI text in UTF-16.
TextBuffer<wchar_t> WideFromAnsi(const char* text, int length);

// Copies `text` into a caller's buffer of `capacity` units, ending with a zero. Answers the units
// copied, or, when they do not fit, the capacity that would be needed (zero included), as the
// system's folder queries do.
UINT CopyToCallersBuffer(const TextBuffer<wchar_t>& text, LPWSTR buffer, UINT capacity);

LOGFONTA AnsiFont(const LOGFONTW& font);
LOGFONTW WideFont(const LOGFONTA& font);

}  // namespace pelk::imports
