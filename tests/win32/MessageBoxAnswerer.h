#pragma once
#include <string>

namespace pelk {

// Answers the next message box that the given thread opens: from a helper thread it waits for
// the visible dialog, reads its text and presses one of its buttons (IDOK, IDYES, ...).
class MessageBoxAnswerer {
 public:
  // Gives up when no box appeared within `timeoutMs`.
  MessageBoxAnswerer(unsigned long threadId, int button, unsigned long timeoutMs = 10000);
  ~MessageBoxAnswerer();
  MessageBoxAnswerer(const MessageBoxAnswerer&) = delete;
  MessageBoxAnswerer& operator=(const MessageBoxAnswerer&) = delete;

  // Waits for the helper; then the text and caption of the box it answered ("" if none came).
  void Join();
  // True once the helper has answered a box or given up.
  bool Done() const;
  // In the system's ANSI code page, and as the box shows it.
  const std::string& Text() const { return text_; }
  const std::wstring& WideText() const { return wideText_; }
  const std::string& Caption() const { return caption_; }
  bool Answered() const { return answered_; }

  // Internal: the helper thread's work.
  void Work();

 private:
  unsigned long threadId_;
  int button_;
  unsigned long timeoutMs_;
  void* thread_ = nullptr;
  std::string text_;
  std::wstring wideText_;
  std::string caption_;
  bool answered_ = false;
};

// Answers every message box the given thread opens, with OK, until none has been open for
// `quietMs`; counts them and the most that were open at the same time.
class MessageBoxWatcher {
 public:
  MessageBoxWatcher(unsigned long threadId, unsigned long quietMs);
  ~MessageBoxWatcher();
  MessageBoxWatcher(const MessageBoxWatcher&) = delete;
  MessageBoxWatcher& operator=(const MessageBoxWatcher&) = delete;

  bool Done() const;
  void Join();
  int Answered() const { return answered_; }
  int MostOpenAtOnce() const { return mostOpen_; }

  void Work();  // the helper's

 private:
  unsigned long threadId_;
  unsigned long quietMs_;
  void* thread_ = nullptr;
  int answered_ = 0;
  int mostOpen_ = 0;
};

}  // namespace pelk
