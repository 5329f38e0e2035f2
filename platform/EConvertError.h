#pragma once
#include <string>
#include <utility>

#include "platform/Exception.h"

namespace pelk {

// A text that cannot be converted as asked. The operation that needed it stops: going on with an
// empty or guessed text could, for example, write to another registry key than the one named.
class EConvertError : public Exception {
 public:
  explicit EConvertError(std::string what = "Text conversion error") : Exception(std::move(what)) {}
};

}  // namespace pelk
