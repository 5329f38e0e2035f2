#include "platform/headless/FakeShutdown.h"

#include <cstdio>

namespace pelk {

namespace {
std::string Hex(std::uint32_t value) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%X", static_cast<unsigned>(value));
  return text;
}

class FakeToken : public ProcessToken {
 public:
  explicit FakeToken(FakeShutdown& owner) : owner_(owner) { ++owner_.OpenTokens; }
  ~FakeToken() override {
    --owner_.OpenTokens;
    owner_.Calls.push_back("CloseToken");
  }
  bool AdjustPrivilege(const Luid& privilege, std::uint32_t attributes) override {
    owner_.Calls.push_back("AdjustTokenPrivileges " + std::to_string(attributes));
    if (owner_.RefuseAdjust)
      return false;
    owner_.Adjustments.emplace_back(privilege, attributes);
    return true;
  }

 private:
  FakeShutdown& owner_;
};
}  // namespace

std::unique_ptr<ProcessToken> FakeShutdown::OpenProcessToken(std::uint32_t access) {
  Calls.push_back("OpenProcessToken " + Hex(access));
  if (RefuseToken)
    return nullptr;
  return std::make_unique<FakeToken>(*this);
}

std::optional<Luid> FakeShutdown::LookupPrivilegeValue(const std::string& name) {
  Calls.push_back("LookupPrivilegeValue " + name);
  if (FailLookup)
    return std::nullopt;
  return PrivilegeId;
}

bool FakeShutdown::ExitWindows(std::uint32_t flags, std::uint32_t reason) {
  Calls.push_back("ExitWindows " + std::to_string(flags) + " " + std::to_string(reason));
  return !RefuseExit;
}

}  // namespace pelk
