#pragma once
#include <cctype>
#include <string>

namespace pelk {

// Less-than on names, ignoring ASCII case, as Windows compares registry and message names.
struct CaseInsensitiveLess {
  bool operator()(const std::string& a, const std::string& b) const {
    const std::size_t n = a.size() < b.size() ? a.size() : b.size();
    for (std::size_t i = 0; i < n; ++i) {
      const int x = std::tolower(static_cast<unsigned char>(a[i]));
      const int y = std::tolower(static_cast<unsigned char>(b[i]));
      if (x != y)
        return x < y;
    }
    return a.size() < b.size();
  }
};

}  // namespace pelk
