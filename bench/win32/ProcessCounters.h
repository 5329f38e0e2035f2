#pragma once
#include <cstdint>
#include <optional>
#include <string>

namespace pelk::bench {

// One reading of what the process holds: GDI and USER objects, and private (committed, not
// shared) bytes. Where the system cannot answer, the figure stays empty.
struct ProcessCounters {
  std::optional<std::int64_t> GdiObjects;
  std::optional<std::int64_t> UserObjects;
  std::optional<std::int64_t> PrivateBytes;
  std::string HandleSource;  // how the object counts were obtained
  std::string MemorySource;  // which memory counter was read
};

[[nodiscard]] ProcessCounters SampleProcessCounters();

}  // namespace pelk::bench
