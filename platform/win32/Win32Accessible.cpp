#include "platform/win32/Win32Accessible.h"

#include <memory>

#include <oleacc.h>

#include "platform/win32/SystemLibrary.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32Module.h"

namespace pelk {

namespace {

// Spelled out here so the library links no GUID library.
constexpr IID kIidUnknown = {0x00000000, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
constexpr IID kIidDispatch = {0x00020400, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
constexpr IID kIidAccessible = {
    0x618736E0, 0x3C3D, 0x11CF, {0x81, 0x0C, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71}};

using CreateStdAccessibleObjectFunction = HRESULT(WINAPI*)(HWND, LONG, REFIID, void**);
using LresultFromObjectFunction = LRESULT(WINAPI*)(REFIID, WPARAM, LPUNKNOWN);
using SysAllocStringFunction = BSTR(WINAPI*)(const OLECHAR*);

// The accessibility library is loaded when a reader first asks, not with the page: most pages
// never meet one. Once loaded it stays, as objects it made may outlive any page. It comes from
// the system folder by its full path.
struct AccessibilityLibrary {
  CreateStdAccessibleObjectFunction createStandard = nullptr;
  LresultFromObjectFunction lresultFromObject = nullptr;
  SysAllocStringFunction allocString = nullptr;

  static const AccessibilityLibrary* Get() {
    static AccessibilityLibrary library = Load();
    return library.createStandard != nullptr && library.lresultFromObject != nullptr &&
                   library.allocString != nullptr
               ? &library
               : nullptr;
  }

 private:
  template <class Function>
  static Function Find(HMODULE module, const char* name) {
    return module != nullptr
               ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)))
               : nullptr;
  }

  static AccessibilityLibrary Load() {
    AccessibilityLibrary library;
    HMODULE oleacc = LoadSystemLibrary("oleacc.dll");
    HMODULE oleaut = LoadSystemLibrary("oleaut32.dll");
    library.createStandard =
        Find<CreateStdAccessibleObjectFunction>(oleacc, "CreateStdAccessibleObject");
    library.lresultFromObject = Find<LresultFromObjectFunction>(oleacc, "LresultFromObject");
    library.allocString = Find<SysAllocStringFunction>(oleaut, "SysAllocString");
    return library;
  }
};

bool IsSelf(const VARIANT& child) {
  return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

// The system's object for the control's window, with what the control says of itself answered
// instead: role, name, state and, for a button, the default action. The control may go while a
// reader still holds the object; from then on it answers for nothing of it.
class ControlAccessible final : public IAccessible {
 public:
  ControlAccessible(IAccessible* standard, TControl& control, const AccessibilityLibrary& library)
      : standard_(standard), control_(&control), alive_(control.LifeToken()), library_(library) {}
  ~ControlAccessible() { standard_->Release(); }
  ControlAccessible(const ControlAccessible&) = delete;
  ControlAccessible& operator=(const ControlAccessible&) = delete;

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (object == nullptr)
      return E_POINTER;
    if (IsEqualIID(iid, kIidUnknown) || IsEqualIID(iid, kIidDispatch) ||
        IsEqualIID(iid, kIidAccessible)) {
      *object = static_cast<IAccessible*>(this);
      AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  // Each object holds a load of this library (HoldCodeModule), as a reader may keep it after
  // the host let the library go. The last release drops that load, which may unmap this code:
  // so Release ends with a jump to FreeLibrary, which then returns straight to the caller (and
  // answers its own non-zero result). Drop does the rest of the work.
  __attribute__((naked)) ULONG STDMETHODCALLTYPE Release() override {
#if defined(__i386__)
    asm("pushl 4(%esp)\n\t"
        "call _pelk_DropAccessible@4\n\t"
        "testl %eax, %eax\n\t"
        "jz 1f\n\t"
        "ret $4\n"
        "1:\n\t"
        "movl $___ImageBase, 4(%esp)\n\t"  // FreeLibrary's argument in place of this
        "jmp *__imp__FreeLibrary@4");
#elif defined(__x86_64__)
    asm("subq $40, %rsp\n\t"  // the callee's home area, the stack kept 16-byte aligned
        "call pelk_DropAccessible\n\t"
        "addq $40, %rsp\n\t"
        "testl %eax, %eax\n\t"
        "jz 1f\n\t"
        "ret\n"
        "1:\n\t"
        "leaq __ImageBase(%rip), %rcx\n\t"
        "jmp *__imp_FreeLibrary(%rip)");
#else
#error "the last Release needs a jump to FreeLibrary for this processor"
#endif
  }
  // The references left after one is dropped; at none the object is deleted.
  ULONG Drop() {
    const ULONG left = --references_;
    if (left == 0)
      delete this;
    return left;
  }

  // IDispatch: readers call IAccessible itself; late binding would bypass what is answered here.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    if (count != nullptr)
      *count = 0;
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                   UINT*) override {
    return E_NOTIMPL;
  }

  // IAccessible: what the control says of itself.
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
    TControl* control = Control();
    if (!IsSelf(child) || control == nullptr || control->AccessibleName().empty())
      return standard_->get_accName(child, name);
    if (name == nullptr)
      return E_POINTER;
    *name = library_.allocString(Utf16(control->AccessibleName()).c_str());
    return *name != nullptr ? S_OK : E_OUTOFMEMORY;
  }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
    TControl* control = Control();
    if (!IsSelf(child) || control == nullptr)
      return standard_->get_accRole(child, role);
    if (role == nullptr)
      return E_POINTER;
    switch (control->AccessibleRole()) {
      case TAccessibleRole::PushButton:
        role->vt = VT_I4;
        role->lVal = ROLE_SYSTEM_PUSHBUTTON;
        return S_OK;
      case TAccessibleRole::Decoration:
        role->vt = VT_I4;
        role->lVal = ROLE_SYSTEM_GRAPHIC;
        return S_OK;
      case TAccessibleRole::System:
        break;
    }
    return standard_->get_accRole(child, role);
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
    const HRESULT result = standard_->get_accState(child, state);
    TControl* control = Control();
    if (!IsSelf(child) || control == nullptr || FAILED(result) || state->vt != VT_I4)
      return result;
    // A speed button stays a live window while disabled, so the system does not see it.
    if (!control->Enabled())
      state->lVal |= STATE_SYSTEM_UNAVAILABLE;
    if (control->AccessibleRole() == TAccessibleRole::Decoration)
      state->lVal |= STATE_SYSTEM_INVISIBLE;
    return result;
  }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
    TControl* control = Control();
    if (!IsSelf(child) || control == nullptr ||
        control->AccessibleRole() != TAccessibleRole::PushButton)
      return standard_->get_accDefaultAction(child, action);
    if (action == nullptr)
      return E_POINTER;
    *action = library_.allocString(L"Press");
    return *action != nullptr ? S_OK : E_OUTOFMEMORY;
  }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
    TControl* control = Control();
    if (!IsSelf(child) || control == nullptr ||
        control->AccessibleRole() != TAccessibleRole::PushButton)
      return standard_->accDoDefaultAction(child);
    // What a real click does, with its guards: a disabled button does nothing.
    control->UserClick();
    return S_OK;
  }

  // IAccessible: the rest is the system's.
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
    return standard_->get_accParent(parent);
  }
  HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
    return standard_->get_accChildCount(count);
  }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** result) override {
    return standard_->get_accChild(child, result);
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
    return standard_->get_accValue(child, value);
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override {
    return standard_->get_accDescription(child, text);
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
    return standard_->get_accHelp(child, help);
  }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override {
    return standard_->get_accHelpTopic(file, child, topic);
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* keys) override {
    return standard_->get_accKeyboardShortcut(child, keys);
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override {
    return standard_->get_accFocus(child);
  }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
    return standard_->get_accSelection(children);
  }
  HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override {
    return standard_->accSelect(flags, child);
  }
  HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                        VARIANT child) override {
    return standard_->accLocation(left, top, width, height, child);
  }
  HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
    return standard_->accNavigate(direction, start, end);
  }
  HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override {
    return standard_->accHitTest(x, y, child);
  }
  // Setting a name or value is not supported by readers' objects any more.
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override {
    return E_NOTIMPL;
  }

 private:
  TControl* Control() const {
    return alive_.expired() ? nullptr : control_;
  }

  IAccessible* standard_;
  TControl* control_;
  std::weak_ptr<const void> alive_;
  const AccessibilityLibrary& library_;
  ULONG references_ = 1;
};

// Release's call, by a name its assembly can spell; never throws.
extern "C" __attribute__((used)) ULONG STDMETHODCALLTYPE
pelk_DropAccessible(ControlAccessible* object) {
  return object->Drop();
}

}  // namespace

bool AnswerGetObject(TControl& control, HWND hwnd, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (static_cast<LONG>(lParam) != OBJID_CLIENT)
    return false;
  if (control.AccessibleRole() == TAccessibleRole::System && control.AccessibleName().empty())
    return false;  // the system's own object says all there is
  const AccessibilityLibrary* library = AccessibilityLibrary::Get();
  if (library == nullptr)
    return false;
  IAccessible* standard = nullptr;
  if (FAILED(library->createStandard(hwnd, OBJID_CLIENT, kIidAccessible,
                                     reinterpret_cast<void**>(&standard))) ||
      standard == nullptr) {
    return false;
  }
  if (!HoldCodeModule()) {
    standard->Release();
    return false;
  }
  auto* wrapper = new ControlAccessible(standard, control, *library);
  const LRESULT handedOut = library->lresultFromObject(kIidAccessible, wParam, wrapper);
  wrapper->Release();  // a handed-out object holds its own reference
  // A thread without COM cannot hand objects out; the reader then gets the system's own.
  if (FAILED(static_cast<HRESULT>(handedOut)))
    return false;
  result = handedOut;
  return true;
}

}  // namespace pelk
