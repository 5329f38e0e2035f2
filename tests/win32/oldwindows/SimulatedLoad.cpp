#include "tests/win32/oldwindows/SimulatedLoad.h"

namespace pelk {

namespace {
using Entry = BOOL(WINAPI*)(HINSTANCE, DWORD, LPVOID);

template <class T>
T* At(HMODULE module, DWORD offset) {
  return reinterpret_cast<T*>(reinterpret_cast<BYTE*>(module) + offset);
}

const IMAGE_NT_HEADERS& HeadersOf(HMODULE module) {
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(module);
  return *At<const IMAGE_NT_HEADERS>(module, static_cast<DWORD>(dos->e_lfanew));
}
}  // namespace

SimulatedLoad::SimulatedLoad(const std::string& path, SimulatedSystem& system) : system_(system) {
  module_ = LoadLibraryExA(path.c_str(), nullptr, DONT_RESOLVE_DLL_REFERENCES);
  if (module_ == nullptr) {
    refusals_.push_back(path + " cannot be mapped (error " + std::to_string(GetLastError()) + ")");
    return;
  }
  const IMAGE_NT_HEADERS& headers = HeadersOf(module_);
  CheckHeader(headers);
  BindImports(headers);
  if (refusals_.empty() && !RunEntry(DLL_PROCESS_ATTACH))
    refusals_.push_back("its entry point answered FALSE to DLL_PROCESS_ATTACH");
  attached_ = refusals_.empty();
  if (!attached_) {
    FreeLibrary(module_);
    module_ = nullptr;
  }
}

SimulatedLoad::~SimulatedLoad() {
  Unload();
}

std::string SimulatedLoad::RefusalText() const {
  std::string text;
  for (const std::string& refusal : refusals_)
    text += "\n  " + refusal;
  return text;
}

void SimulatedLoad::Unload() {
  if (module_ == nullptr)
    return;
  if (attached_)
    RunEntry(DLL_PROCESS_DETACH);
  attached_ = false;
  FreeLibrary(module_);
  module_ = nullptr;
}

// What the older loaders look at before anything else: a library for a newer Windows ("this
// program needs a newer version of Windows"), and on Windows 95 a TLS directory.
void SimulatedLoad::CheckHeader(const IMAGE_NT_HEADERS& headers) {
  const IMAGE_OPTIONAL_HEADER& optional = headers.OptionalHeader;
  const auto version = [](WORD major, WORD minor) {
    return std::to_string(major) + "." + std::to_string(minor);
  };
  if (optional.MajorSubsystemVersion > 4)
    refusals_.push_back("its header asks for subsystem version " +
                        version(optional.MajorSubsystemVersion, optional.MinorSubsystemVersion));
  if (optional.MajorOperatingSystemVersion > 4)
    refusals_.push_back(
        "its header asks for Windows " +
        version(optional.MajorOperatingSystemVersion, optional.MinorOperatingSystemVersion));
  const IMAGE_DATA_DIRECTORY& tls = optional.DataDirectory[IMAGE_DIRECTORY_ENTRY_TLS];
  if (system_.System().refusesTlsDirectory && tls.Size != 0)
    refusals_.push_back("it has a TLS directory of " + std::to_string(tls.Size) + " bytes");
}

void SimulatedLoad::BindImports(const IMAGE_NT_HEADERS& headers) {
  const IMAGE_DATA_DIRECTORY& directory =
      headers.OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  if (directory.Size == 0)
    return;
  for (auto* import = At<IMAGE_IMPORT_DESCRIPTOR>(module_, directory.VirtualAddress);
       import->Name != 0; ++import) {
    const std::string dll = At<const char>(module_, import->Name);
    auto* names = At<IMAGE_THUNK_DATA>(
        module_, import->OriginalFirstThunk != 0 ? import->OriginalFirstThunk : import->FirstThunk);
    auto* slots = At<IMAGE_THUNK_DATA>(module_, import->FirstThunk);
    for (; names->u1.AddressOfData != 0; ++names, ++slots) {
      if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) {
        refusals_.push_back(dll + " by ordinal " +
                            std::to_string(IMAGE_ORDINAL(names->u1.Ordinal)) +
                            ": ordinals of system DLLs differ between versions");
        continue;
      }
      const char* function = reinterpret_cast<const char*>(
          At<IMAGE_IMPORT_BY_NAME>(module_, names->u1.AddressOfData)->Name);
      std::string refusal;
      void* bound = system_.Bind(dll, function, refusal);
      if (bound == nullptr) {
        refusals_.push_back(refusal);
        continue;
      }
      DWORD protection = 0;
      VirtualProtect(&slots->u1.Function, sizeof slots->u1.Function, PAGE_READWRITE, &protection);
      slots->u1.Function = reinterpret_cast<ULONG_PTR>(bound);
      VirtualProtect(&slots->u1.Function, sizeof slots->u1.Function, protection, &protection);
    }
  }
}

bool SimulatedLoad::RunEntry(DWORD reason) {
  const DWORD entry = HeadersOf(module_).OptionalHeader.AddressOfEntryPoint;
  if (entry == 0)
    return true;
  const auto run = reinterpret_cast<Entry>(reinterpret_cast<BYTE*>(module_) + entry);
  return run(module_, reason, nullptr) != FALSE;
}

}  // namespace pelk
