#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace pelk {

// One token of a form resource.
struct FormToken {
  enum class Kind { Identifier, Integer, String, Symbol, End };
  Kind kind = Kind::End;
  std::string text;  // Identifier: the name; String: the text, as UTF-8; Symbol: the character
  std::int64_t integer = 0;
  int line = 0;
};

// Splits a form resource into tokens: identifiers (dots allowed after the first letter, as in
// Font.Name), decimal and $hex integers with an optional minus, strings of 'quoted' parts and
// #nnn character codes (Windows-1252, kept as UTF-8), and the symbols : = [ ] , ( ). Blanks and
// "//" comments separate them. The whole text is read before the parser sees a token, so a
// lexical fault anywhere is the one reported.
class FormLexer {
 public:
  FormLexer(std::string_view text, std::string_view resourceName);
  // Every token of the text, the last one of kind End. Throws FormError on a malformed token.
  std::vector<FormToken> Tokens();

 private:
  unsigned char At(std::size_t k) const;
  void SkipBlanksAndComments();
  void ReadIdentifier(FormToken& token);
  void ReadInteger(FormToken& token);
  void ReadString(FormToken& token);
  void ReadQuoted(std::string& text);
  void ReadCharacterCode(std::string& text);
  [[noreturn]] void Fail(const std::string& message) const;

  std::string_view text_;
  std::string resourceName_;
  std::size_t i_ = 0;
  int line_ = 1;
};

// Throws FormError for a fault at `line` of the resource: "Name(line): message".
[[noreturn]] void FailInForm(const std::string& resourceName, int line, const std::string& message);

}  // namespace pelk
