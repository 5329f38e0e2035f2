#pragma once
#include <optional>
#include <string_view>

namespace pelk {

// The bytes of a named RCDATA resource of the module that holds this code: the DLL's resource
// section on Windows, the generated table in the native build. The bytes stay valid while the
// module is loaded. No value when the module has no such resource.
std::optional<std::string_view> FindResourceData(std::string_view name);

}  // namespace pelk
