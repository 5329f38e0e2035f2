// libFuzzer target: any bytes as a form resource read on top of the template page, then the
// page is laid out, scaled, hovered and destroyed. Only FormError may come out of reading.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/headless/HeadlessSystem.h"
#include "template/TfrmTippTemplate.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace pelk;
  HeadlessSystem system;
  ModuleState state;
  auto page = CreateForm<TfrmTippTemplate>(system.Services(), state);
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  try {
    page->ReadFormText(text, "FUZZ");
  } catch (const FormError&) {
    // A malformed resource is refused; the page must still work below.
  }
  page->SetClientWidth(page->ClientWidth() + 37);
  page->ScaleBy(96, 120);
  for (int i = 0; i < page->ComponentCount(); ++i) {
    if (auto* control = dynamic_cast<TControl*>(page->Components(i))) {
      control->UserMouseEnter();
      control->UserMouseLeave();
    }
  }
  page->UserKeyDown(kVkF12);
  page->Show();
  return 0;
}
