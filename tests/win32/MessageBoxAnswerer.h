#pragma once
#include <string>

namespace pelk {

// Answers the next message box that the given thread opens: from a helper thread it waits for
// the visible dialog, reads its text and presses one of its buttons (IDOK, IDYES, ...).
class MessageBoxAnswerer {
 public:
  MessageBoxAnswerer(unsigned long threadId, int button);
  ~MessageBoxAnswerer();
  MessageBoxAnswerer(const MessageBoxAnswerer&) = delete;
  MessageBoxAnswerer& operator=(const MessageBoxAnswerer&) = delete;

  // Waits for the helper; then the text and caption of the box it answered ("" if none came).
  void Join();
  const std::string& Text() const { return text_; }
  const std::string& Caption() const { return caption_; }
  bool Answered() const { return answered_; }

  // Internal: the helper thread's work.
  void Work();

 private:
  unsigned long threadId_;
  int button_;
  void* thread_ = nullptr;
  std::string text_;
  std::string caption_;
  bool answered_ = false;
};

}  // namespace pelk
