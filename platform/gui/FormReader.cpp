#include "platform/gui/FormReader.h"

#include "platform/gui/TComponent.h"

namespace pelk {

FormReader::FormReader(TComponent& root, std::string_view text, std::string_view resourceName)
    : root_(root), text_(text), resourceName_(resourceName) {}

void FormReader::Fail(const std::string& message) const {
  FailAt(position_ < tokens_.size() ? tokens_[position_].line : 1, message);
}

void FormReader::FailAt(int line, const std::string& message) const {
  FailInForm(resourceName_, line, message);
}

const FormToken& FormReader::Next() {
  const FormToken& token = tokens_[position_];
  if (position_ + 1 < tokens_.size())
    ++position_;
  return token;
}

bool FormReader::IsSymbol(char symbol) const {
  return Peek().kind == FormToken::Kind::Symbol && Peek().text[0] == symbol;
}

void FormReader::Expect(char symbol) {
  if (!IsSymbol(symbol))
    Fail(std::string("expected '") + symbol + "'");
  Next();
}

std::string FormReader::ExpectIdentifier(const char* what) {
  if (Peek().kind != FormToken::Kind::Identifier)
    Fail(std::string("expected ") + what);
  return Next().text;
}

void FormReader::Read() {
  tokens_ = FormLexer(text_, resourceName_).Tokens();
  ReadObject(nullptr, 0);
  if (Peek().kind != FormToken::Kind::End)
    Fail("text after the final end");
  ResolveReferences();
}

void FormReader::ReadObject(TComponent* container, int depth) {
  if (depth > kMaxDepth)
    Fail("objects nested too deeply");
  const std::string keyword = ExpectIdentifier("object or inherited");
  const bool inherited = SameText(keyword, "inherited");
  if (!inherited && !SameText(keyword, "object"))
    Fail("expected object or inherited");
  const std::string name = ExpectIdentifier("a component name");
  Expect(':');
  const std::string className = ExpectIdentifier("a class name");

  TComponent* component = nullptr;
  if (container == nullptr) {
    if (!root_.Class().InheritsFrom(className)) {
      Fail("the page is no " + className);
    }
    component = &root_;
    if (root_.Owner() != nullptr && root_.Owner()->FindComponent(name) != nullptr) {
      Fail("duplicate name " + name);
    }
    root_.SetName(name);
  } else if (inherited) {
    component = root_.FindComponent(name);
    if (component == nullptr)
      Fail("no inherited component " + name);
    if (!component->Class().InheritsFrom(className))
      Fail(name + " is no " + className);
  } else {
    component = CreateChild(*container, name, className);
  }
  component->SetLoading(true);

  while (true) {
    if (Peek().kind == FormToken::Kind::End)
      Fail("missing end");
    if (Peek().kind != FormToken::Kind::Identifier)
      Fail("expected a property, object or end");
    const std::string& word = Peek().text;
    if (SameText(word, "end")) {
      Next();
      return;
    }
    if (SameText(word, "object") || SameText(word, "inherited")) {
      ReadObject(component, depth + 1);
    } else {
      ReadProperty(*component);
    }
  }
}

TComponent* FormReader::CreateChild(TComponent& container, const std::string& name,
                                    const std::string& className) {
  const ClassInfo* info = root_.Class().FindUsedClass(className);
  if (info == nullptr || info->create == nullptr)
    Fail("unknown class " + className);
  if (root_.FindComponent(name) != nullptr || SameText(name, root_.Name())) {
    Fail("duplicate name " + name);
  }
  // The class's rule is asked before creating, so a refused component never exists.
  if (const char* refusal = info->PlacementRefusal(container, root_))
    Fail(name + " " + refusal);

  TComponent* component = info->create(root_);
  component->SetLoading(true);
  try {
    component->SetName(name);
    component->PlaceIn(container);
  } catch (const std::exception& error) {
    component->Free();
    Fail(error.what());
  }
  return component;
}

void FormReader::ReadProperty(TComponent& component) {
  const std::string name = Next().text;
  const PropertyInfo* property = component.Class().FindProperty(name);
  if (property == nullptr)
    Fail(std::string(component.Class().name) + " has no property " + name);
  Expect('=');
  const int line = Peek().line;
  const FormValue value = ReadValue();
  try {
    property->apply(component, value, *this, *property);
  } catch (const std::exception& error) {
    FailAt(line, error.what());
  }
}

FormValue FormReader::ReadValue() {
  FormValue value;
  const FormToken& token = Peek();
  switch (token.kind) {
    case FormToken::Kind::Integer:
      value.kind = FormValue::Kind::Integer;
      value.integer = Next().integer;
      return value;
    case FormToken::Kind::String:
      value.kind = FormValue::Kind::String;
      value.text = Next().text;
      return value;
    case FormToken::Kind::Identifier:
      if (SameText(token.text, "end") || SameText(token.text, "object") ||
          SameText(token.text, "inherited")) {
        Fail("missing value");
      }
      value.kind = FormValue::Kind::Identifier;
      value.text = Next().text;
      return value;
    default:
      break;
  }
  if (IsSymbol('[')) {
    Next();
    value.kind = FormValue::Kind::Set;
    if (IsSymbol(']')) {
      Next();
      return value;
    }
    while (true) {
      value.items.push_back(ExpectIdentifier("a set member"));
      if (IsSymbol(']')) {
        Next();
        return value;
      }
      Expect(',');
    }
  }
  if (IsSymbol('(')) {
    Next();
    value.kind = FormValue::Kind::List;
    while (!IsSymbol(')')) {
      if (Peek().kind != FormToken::Kind::String)
        Fail("expected a string in the list");
      value.items.push_back(Next().text);
    }
    Next();
    return value;
  }
  Fail("missing value");
}

void FormReader::DeferReference(TComponent& target, const std::string& name,
                                void (*assign)(TComponent&, TComponent*)) {
  deferred_.push_back(Deferred{&target, name, assign, tokens_[position_ ? position_ - 1 : 0].line});
}

TNotifyEvent FormReader::BindEvent(const std::string& methodName) {
  if (SameText(methodName, "nil"))
    return {};
  const MethodInfo* method = root_.Class().FindMethod(methodName);
  if (method == nullptr)
    Fail(std::string(root_.Class().name) + " has no handler " + methodName);
  TComponent* root = &root_;
  auto* call = method->call;
  return [root, call](TComponent* sender) { call(*root, sender); };
}

void FormReader::ResolveReferences() {
  for (const Deferred& reference : deferred_) {
    TComponent* component = nullptr;
    if (!SameText(reference.name, "nil")) {
      component =
          SameText(reference.name, root_.Name()) ? &root_ : root_.FindComponent(reference.name);
      if (component == nullptr)
        FailAt(reference.line, "no component " + reference.name);
    }
    try {
      reference.assign(*reference.target, component);
    } catch (const std::exception& error) {
      FailAt(reference.line, error.what());
    }
  }
}

}  // namespace pelk
