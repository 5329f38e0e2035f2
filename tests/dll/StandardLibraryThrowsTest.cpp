// The DLL's replacements for the runtime's error reporting, linked into a test program of their
// own: each standard library misuse that the page's code could commit still throws, with the
// meaning its callers rely on (std::bad_alloc for memory, std::exception with a text otherwise).
#include <gtest/gtest.h>

#include <cstddef>
#include <exception>
#include <functional>
#include <memory>
#include <new>
#include <string>
#include <vector>

namespace {

// The what() of the std::exception that f throws, or "" when it throws none or another type.
template <class F>
std::string WhatOf(F f) {
  try {
    f();
  } catch (const std::bad_alloc&) {
    return "";  // memory failures are not reported as text failures
  } catch (const std::exception& error) {
    return error.what();
  }
  return "";
}

// Keeps the compiler from seeing the misuse at compile time.
template <class T>
T Opaque(T value) {
  volatile T copy = value;
  return copy;
}

TEST(StandardLibraryThrows, StringMisuseThrowsAFixedText) {
  const std::string text = "abc";
  EXPECT_EQ(WhatOf([&] { (void)text.at(Opaque<std::size_t>(3)); }), "Out of range");
  EXPECT_EQ(WhatOf([&] { (void)text.substr(Opaque<std::size_t>(4)); }), "Out of range");
  EXPECT_EQ(WhatOf([&] { std::string copy(text, Opaque<std::size_t>(9)); }), "Out of range");
  EXPECT_EQ(WhatOf([&] {
              std::string grown;
              grown.resize(Opaque(grown.max_size()) + 1);
            }),
            "Length error");
  EXPECT_EQ(WhatOf([] { std::string fromNull(Opaque<const char*>(nullptr)); }), "Logic error");
  // Ordinary use does not throw.
  EXPECT_EQ(WhatOf([&] { (void)text.at(Opaque<std::size_t>(2)); }), "");
}

TEST(StandardLibraryThrows, ContainerAndFunctionMisuseThrowsAFixedText) {
  EXPECT_EQ(WhatOf([] {
              std::vector<int> numbers;
              numbers.reserve(Opaque(numbers.max_size()) + 1);
            }),
            "Length error");
  EXPECT_EQ(WhatOf([] {
              std::vector<int> numbers(3);
              (void)numbers.at(Opaque<std::size_t>(3));
            }),
            "Out of range");
  EXPECT_EQ(WhatOf([] {
              std::function<void()> empty;
              Opaque(0);
              empty();
            }),
            "Empty function called");
}

TEST(StandardLibraryThrows, AllocationBeyondTheAddressSpaceIsAMemoryFailure) {
  std::allocator<int> allocator;
  // More elements than the address space can hold at all: the array length is bad.
  EXPECT_THROW((void)allocator.allocate(Opaque(static_cast<std::size_t>(-1) / sizeof(int) + 1)),
               std::bad_array_new_length);
  // More than an allocator hands out, though the byte count fits in a size_t.
  try {
    (void)allocator.allocate(Opaque(static_cast<std::size_t>(-1) / sizeof(int)));
    FAIL() << "no exception";
  } catch (const std::bad_array_new_length&) {
    FAIL() << "a representable size is no bad array length";
  } catch (const std::bad_alloc&) {
  }
}

}  // namespace
