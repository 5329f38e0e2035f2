#pragma once
#include <string>

namespace pelk {

struct ChildResult {
  bool started = false;
  bool finished = false;
  unsigned long exitCode = 0;
  std::string output;  // stdout and stderr together
};

// Runs a program with its output captured into a file; waits up to `timeoutMs` and kills it when
// it does not end in time. `whileRunning` (if set) runs once after the start.
ChildResult RunChild(const std::string& commandLine, const std::string& directory,
                     unsigned long timeoutMs, void (*whileRunning)(void*) = nullptr,
                     void* context = nullptr);

// A fresh empty folder below the temp folder; removed with its files by RemoveFolder.
std::string MakeTempFolder(const std::string& prefix);
void RemoveFolder(const std::string& folder);

// The folder of the running test executable (build/win32/bin).
std::string ExecutableFolder();

}  // namespace pelk
