#pragma once

namespace pelk {

class Module;

// The one module of this library with the real system services, built at the first call of an
// export and kept until the library is unloaded. Raises when it cannot be built.
Module& TheModule();

}  // namespace pelk
