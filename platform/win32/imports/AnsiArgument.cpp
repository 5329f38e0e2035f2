#include "platform/win32/imports/AnsiArgument.h"

#include <cstdlib>
#include <cstring>

namespace pelk::imports {

template <class Char>
TextBuffer<Char>& TextBuffer<Char>::operator=(TextBuffer&& other) noexcept {
  if (this != &other) {
    Release();
    chars_ = other.chars_;
    size_ = other.size_;
    other.chars_ = nullptr;
    other.size_ = 0;
  }
  return *this;
}

template <class Char>
bool TextBuffer<Char>::Allocate(std::size_t count) {
  Release();
  chars_ = static_cast<Char*>(std::calloc(count + 1, sizeof(Char)));
  size_ = chars_ != nullptr ? count : 0;
  return chars_ != nullptr;
}

template <class Char>
void TextBuffer<Char>::Shorten(std::size_t count) {
  if (count < size_) {
    size_ = count;
    chars_[count] = 0;
  }
}

template <class Char>
void TextBuffer<Char>::Release() {
  std::free(chars_);
  chars_ = nullptr;
  size_ = 0;
}

template class TextBuffer<char>;
template class TextBuffer<wchar_t>;

AnsiArgument::AnsiArgument(LPCWSTR text, Fidelity fidelity) {
  if (text == nullptr || IS_INTRESOURCE(text)) {
    passed_ = true;
    passedText_ = reinterpret_cast<const char*>(text);
    return;
  }
  Convert(text, -1, fidelity);
}

AnsiArgument::AnsiArgument(LPCWSTR text, int length, Fidelity fidelity) {
  if (text == nullptr) {
    failed_ = length > 0;
    return;
  }
  Convert(text, length, fidelity);
}

void AnsiArgument::Convert(LPCWSTR text, int length, Fidelity fidelity) {
  if (length < 0)
    length = lstrlenW(text);  // one of the few W functions Windows 9x implements
  if (length == 0)
    return;
  const int bytes = WideCharToMultiByte(CP_ACP, 0, text, length, nullptr, 0, nullptr, nullptr);
  if (bytes <= 0 || !chars_.Allocate(static_cast<std::size_t>(bytes))) {
    failed_ = true;
    return;
  }
  WideCharToMultiByte(CP_ACP, 0, text, length, chars_.data(), bytes, nullptr, nullptr);
  // The default character and best-fit mappings both show as a difference on the way back.
  if (fidelity == Fidelity::Exact) {
    const TextBuffer<wchar_t> back = WideFromAnsi(chars_.get(), bytes);
    failed_ = back.size() != static_cast<std::size_t>(length) ||
              std::memcmp(back.get(), text, back.size() * sizeof(wchar_t)) != 0;
  }
}

TextBuffer<wchar_t> WideFromAnsi(const char* text, int length) {
  TextBuffer<wchar_t> wide;
  if (text == nullptr || length <= 0)
    return wide;
  const int units = MultiByteToWideChar(CP_ACP, 0, text, length, nullptr, 0);
  if (units > 0 && wide.Allocate(static_cast<std::size_t>(units)))
    MultiByteToWideChar(CP_ACP, 0, text, length, wide.data(), units);
  return wide;
}

UINT CopyToCallersBuffer(const TextBuffer<wchar_t>& text, LPWSTR buffer, UINT capacity) {
  const UINT units = static_cast<UINT>(text.size());
  if (buffer == nullptr || units + 1 > capacity)
    return units + 1;
  std::memcpy(buffer, text.get(), (units + 1) * sizeof(wchar_t));
  return units;
}

namespace {
template <class Char>
int FaceLength(const Char* face) {
  int length = 0;
  while (length < LF_FACESIZE && face[length] != 0)
    ++length;
  return length;
}
}  // namespace

LOGFONTA AnsiFont(const LOGFONTW& font) {
  LOGFONTA ansi{};
  static_assert(offsetof(LOGFONTA, lfFaceName) == offsetof(LOGFONTW, lfFaceName),
                "the two forms differ only in the face name");
  std::memcpy(&ansi, &font, offsetof(LOGFONTA, lfFaceName));
  const AnsiArgument face(font.lfFaceName, FaceLength(font.lfFaceName), Fidelity::Shown);
  std::memcpy(ansi.lfFaceName, face.get(),
              static_cast<std::size_t>(face.Length() < LF_FACESIZE ? face.Length() : 0));
  return ansi;
}

LOGFONTW WideFont(const LOGFONTA& font) {
  LOGFONTW wide{};
  std::memcpy(&wide, &font, offsetof(LOGFONTA, lfFaceName));
  const TextBuffer<wchar_t> face = WideFromAnsi(font.lfFaceName, FaceLength(font.lfFaceName));
  if (face.size() < LF_FACESIZE)
    std::memcpy(wide.lfFaceName, face.get(), face.size() * sizeof(wchar_t));
  return wide;
}

}  // namespace pelk::imports
