#include "platform/gui/FormLexer.h"

#include <cctype>

#include "platform/Windows1252.h"
#include "platform/gui/FormValue.h"

namespace pelk {

void FailInForm(const std::string& resourceName, int line, const std::string& message) {
  throw FormError(resourceName + "(" + std::to_string(line) + "): " + message);
}

FormLexer::FormLexer(std::string_view text, std::string_view resourceName)
    : text_(text), resourceName_(resourceName) {}

void FormLexer::Fail(const std::string& message) const {
  FailInForm(resourceName_, line_, message);
}

// The byte at `k`, or 0 past the end: a look-ahead needs no bounds check of its own.
unsigned char FormLexer::At(std::size_t k) const {
  return k < text_.size() ? static_cast<unsigned char>(text_[k]) : 0;
}

std::vector<FormToken> FormLexer::Tokens() {
  std::vector<FormToken> tokens;
  while (true) {
    SkipBlanksAndComments();
    FormToken token;
    token.line = line_;
    if (i_ >= text_.size()) {
      tokens.push_back(token);
      return tokens;
    }
    const unsigned char c = At(i_);
    if (std::isalpha(c) || c == '_') {
      ReadIdentifier(token);
    } else if (std::isdigit(c) || c == '$' ||
               (c == '-' && (std::isdigit(At(i_ + 1)) || At(i_ + 1) == '$'))) {
      ReadInteger(token);
    } else if (c == '\'' || c == '#') {
      ReadString(token);
    } else if (c == ':' || c == '=' || c == '[' || c == ']' || c == ',' || c == '(' || c == ')') {
      token.kind = FormToken::Kind::Symbol;
      token.text = std::string(1, static_cast<char>(c));
      ++i_;
    } else {
      Fail("unexpected character");
    }
    tokens.push_back(std::move(token));
  }
}

void FormLexer::SkipBlanksAndComments() {
  const std::size_t n = text_.size();
  while (true) {
    while (i_ < n && (At(i_) == ' ' || At(i_) == '\t' || At(i_) == '\r' || At(i_) == '\n')) {
      if (At(i_) == '\n')
        ++line_;
      ++i_;
    }
    if (!(i_ < n && At(i_) == '/' && At(i_ + 1) == '/'))
      return;
    while (i_ < n && At(i_) != '\n')
      ++i_;
  }
}

void FormLexer::ReadIdentifier(FormToken& token) {
  const std::size_t start = i_;
  while (i_ < text_.size() && (std::isalnum(At(i_)) || At(i_) == '_' || At(i_) == '.'))
    ++i_;
  token.kind = FormToken::Kind::Identifier;
  token.text = std::string(text_.substr(start, i_ - start));
}

void FormLexer::ReadInteger(FormToken& token) {
  const bool negative = At(i_) == '-';
  if (negative)
    ++i_;
  const bool hex = At(i_) == '$';
  if (hex)
    ++i_;
  const int base = hex ? 16 : 10;
  std::int64_t value = 0;
  const std::size_t start = i_;
  while (i_ < text_.size() && (hex ? std::isxdigit(At(i_)) : std::isdigit(At(i_)))) {
    const int digit = std::isdigit(At(i_)) ? At(i_) - '0' : std::tolower(At(i_)) - 'a' + 10;
    if (value > (INT64_C(1) << 40))
      Fail("number too large");
    value = value * base + digit;
    ++i_;
  }
  if (i_ == start)
    Fail("bad number");
  token.kind = FormToken::Kind::Integer;
  token.integer = negative ? -value : value;
}

// A string is a run of 'quoted' parts and #nnn character codes with nothing between them.
void FormLexer::ReadString(FormToken& token) {
  token.kind = FormToken::Kind::String;
  while (i_ < text_.size() && (At(i_) == '\'' || At(i_) == '#')) {
    if (At(i_) == '\'') {
      ReadQuoted(token.text);
    } else {
      ReadCharacterCode(token.text);
    }
  }
}

void FormLexer::ReadQuoted(std::string& text) {
  ++i_;
  while (true) {
    if (i_ >= text_.size() || At(i_) == '\n')
      Fail("unterminated string");
    if (At(i_) == '\'') {
      if (At(i_ + 1) == '\'') {
        text += '\'';
        i_ += 2;
        continue;
      }
      ++i_;
      return;
    }
    // Form resources are Windows-1252 text; strings are kept as UTF-8.
    text += Windows1252CharToUtf8(At(i_));
    ++i_;
  }
}

void FormLexer::ReadCharacterCode(std::string& text) {
  ++i_;
  int code = 0;
  const std::size_t start = i_;
  while (i_ < text_.size() && std::isdigit(At(i_)) && i_ - start < 4)
    code = code * 10 + (At(i_++) - '0');
  if (i_ == start || code > 255)
    Fail("bad character code");
  text += Windows1252CharToUtf8(static_cast<unsigned char>(code));
}

}  // namespace pelk
