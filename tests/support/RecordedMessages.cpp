#include "tests/support/RecordedMessages.h"

#include "support/Messages.h"

#include <gtest/gtest.h>

#include <cstdarg>

namespace {

RecordedMessages* recorder = nullptr;

// How many text arguments each message of the catalogue takes.
int argumentCount(UINT stringId) {
  switch (stringId) {
    case MessageNoProfiles: return 0;
    case MessageDirectoryNotFound: return 2;
    case MessageFileNotAccessible: return 2;
    case MessageFatalError: return 1;
    default: return -1;
  }
}

}  // namespace

bool operator==(const ShownMessage& left, const ShownMessage& right) {
  return left.flags == right.flags && left.stringId == right.stringId && left.arguments == right.arguments;
}

void PrintTo(const ShownMessage& message, std::ostream* out) {
  *out << "{flags 0x" << std::hex << message.flags << std::dec << ", message " << message.stringId;
  for (const std::string& argument : message.arguments) *out << ", " << ::testing::PrintToString(argument);
  *out << "}";
}

RecordedMessages::RecordedMessages() {
  if (recorder != nullptr) ADD_FAILURE() << "two RecordedMessages at once";
  recorder = this;
}

RecordedMessages::~RecordedMessages() {
  if (!answers_.empty()) ADD_FAILURE() << answers_.size() << " scripted answers were never asked for";
  recorder = nullptr;
}

void RecordedMessages::answer(int button, std::function<void()> whenShown) {
  answers_.push_back(Answer{button, std::move(whenShown)});
}

int RecordedMessages::record(UINT flags, UINT stringId, std::vector<std::string> arguments) {
  shown_.push_back(ShownMessage{flags, stringId, std::move(arguments)});
  if (answers_.empty()) return IDOK;
  Answer next = std::move(answers_.front());
  answers_.pop_front();
  if (next.whenShown) next.whenShown();
  return next.button;
}

int ShowMessage(UINT flags, UINT stringId, ...) {
  int count = argumentCount(stringId);
  if (count < 0) ADD_FAILURE() << "message " << stringId << " is not in the catalogue";
  std::vector<std::string> arguments;
  va_list list;
  va_start(list, stringId);
  for (int i = 0; i < count; ++i) {
    const char* text = va_arg(list, const char*);
    arguments.push_back(text != nullptr ? text : "(null)");
  }
  va_end(list);
  if (recorder == nullptr) {
    ADD_FAILURE() << "message " << stringId << " shown with no RecordedMessages";
    return IDOK;
  }
  return recorder->record(flags, stringId, std::move(arguments));
}
