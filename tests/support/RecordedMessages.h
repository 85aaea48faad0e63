// The program's ShowMessage for tests: every message is written down with
// its flags, string id and argument texts instead of being shown, and is
// answered as the test scripted. Link the recordedmessages library and keep
// one RecordedMessages alive while the code under test may show messages.
#pragma once

#include <windows.h>

#include <deque>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

struct ShownMessage {
  UINT flags;
  UINT stringId;
  std::vector<std::string> arguments;
};

bool operator==(const ShownMessage& left, const ShownMessage& right);
void PrintTo(const ShownMessage& message, std::ostream* out);

class RecordedMessages {
public:
  RecordedMessages();
  ~RecordedMessages();
  RecordedMessages(const RecordedMessages&) = delete;
  RecordedMessages& operator=(const RecordedMessages&) = delete;

  // The messages shown so far, in order.
  const std::vector<ShownMessage>& shown() const { return shown_; }
  // Scripts the answer to the next message not yet answered; `whenShown`
  // runs while that message is up, before the answer is returned. Messages
  // beyond the script are answered IDOK.
  void answer(int button, std::function<void()> whenShown = nullptr);

  // Records a message and returns its answer (ShowMessage's work).
  int record(UINT flags, UINT stringId, std::vector<std::string> arguments);

private:
  struct Answer {
    int button;
    std::function<void()> whenShown;
  };

  std::vector<ShownMessage> shown_;
  std::deque<Answer> answers_;
};
