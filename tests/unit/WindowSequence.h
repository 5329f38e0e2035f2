#pragma once
// Checks the calls the page's windows received (WindowRecording) against those expected. On a
// difference it lists both side by side, line by line, and marks the first line that differs.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace pelk::test {

// Columns a line takes: its characters, not the bytes of their UTF-8.
inline std::size_t Columns(const std::string& line) {
  return static_cast<std::size_t>(std::count_if(line.begin(), line.end(), [](char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
  }));
}

inline ::testing::AssertionResult SequenceIs(const std::vector<std::string>& actual,
                                             const std::vector<std::string>& expected) {
  const std::size_t count = std::max(actual.size(), expected.size());
  std::size_t first = 0;
  while (first < actual.size() && first < expected.size() && actual[first] == expected[first])
    ++first;
  if (first == count)
    return ::testing::AssertionSuccess();
  std::size_t width = 8;
  for (const std::string& line : expected)
    width = std::max(width, Columns(line));
  auto cell = [width](const std::vector<std::string>& lines, std::size_t i) {
    std::string text = i < lines.size() ? lines[i] : "(none)";
    return text + std::string(width - std::min(width, Columns(text)), ' ');
  };
  ::testing::AssertionResult failure = ::testing::AssertionFailure();
  failure << "the window calls differ from line " << first + 1 << " on\n     "
          << cell({"expected"}, 0) << " | actual\n";
  for (std::size_t i = 0; i < count; ++i) {
    std::string number = std::to_string(i + 1);
    number.insert(0, number.size() < 3 ? 3 - number.size() : 0, ' ');
    const bool same = i < actual.size() && i < expected.size() && actual[i] == expected[i];
    const char* mark = i == first ? ">" : same ? " " : "!";
    failure << mark << number << " " << cell(expected, i) << " | "
            << (i < actual.size() ? actual[i] : "(none)") << "\n";
  }
  return failure;
}

}  // namespace pelk::test
