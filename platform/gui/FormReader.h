#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "platform/gui/ClassInfo.h"
#include "platform/gui/FormLexer.h"
#include "platform/gui/FormValue.h"

namespace pelk {

class TComponent;

// Reads one form resource into a root component (a form). The format, one item a line:
//
//   object frmPage: TPageClass          (or "inherited" for a resource applied on top)
//     Caption = 'Text with '' quote'#252   numbers, 'strings' with #nnn bytes, identifiers,
//     Anchors = [akLeft, akTop]            [sets] and ('list' 'of' 'strings')
//     OnClick = HandlerName                handlers of the root's class, found by name
//     object Button1: TButtonClass       components, created in this order
//     end
//   end
//
// "//" starts a comment. FormLexer splits the text into tokens; this class parses them. References
// to other components are assigned once the whole resource is read. Anything malformed throws
// FormError; nothing is left half-referenced.
class FormReader {
 public:
  FormReader(TComponent& root, std::string_view text, std::string_view resourceName);
  void Read();

  // Used by the property tables while a value is applied.
  void DeferReference(TComponent& target, const std::string& name,
                      void (*assign)(TComponent&, TComponent*));
  TNotifyEvent BindEvent(const std::string& methodName);
  // Throws FormError with the resource name and the line of the token being read.
  [[noreturn]] void Fail(const std::string& message) const;

  static constexpr int kMaxDepth = 16;

 private:
  struct Deferred {
    TComponent* target;
    std::string name;
    void (*assign)(TComponent&, TComponent*);
    int line;
  };

  [[noreturn]] void FailAt(int line, const std::string& message) const;
  const FormToken& Peek() const { return tokens_[position_]; }
  const FormToken& Next();
  bool IsSymbol(char symbol) const;
  void Expect(char symbol);
  std::string ExpectIdentifier(const char* what);
  void ReadObject(TComponent* container, int depth);
  void ReadProperty(TComponent& component);
  FormValue ReadValue();
  TComponent* CreateChild(TComponent& container, const std::string& name,
                          const std::string& className);
  void ResolveReferences();

  TComponent& root_;
  std::string_view text_;
  std::string resourceName_;
  std::vector<FormToken> tokens_;
  std::size_t position_ = 0;
  std::vector<Deferred> deferred_;
};

}  // namespace pelk
