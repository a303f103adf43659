#pragma once
// A platform whose messages and parameters dialog the test plays: the
// answers come from a script and every request is recorded. Over Platform it
// is the start of FakePlatform; over the real QtPlatform, every other dialog
// and file is the real one.

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <type_traits>
#include <vector>

#include "ui/form2.h"
#include "ui/platform.h"

namespace zg::testing {

template <typename Base>
class ScriptedPlatform : public Base {
 public:
  // Scripted answers, used in order: one per Yes/No question, one script per
  // parameters dialog.
  std::deque<MsgAnswer> answers;
  std::deque<std::function<void(Form2&)>> dialogScripts;
  int screenWidthPixels = 1920;  // unscaled unless a test says otherwise

  // What the program asked.
  std::vector<MessageRequest> messages;
  std::vector<Form2State> dialogsShown;  // the dialog's state right after it opened

  MsgAnswer ShowMessage(const MessageRequest& request) override {
    messages.push_back(request);
    if (request.buttons == MsgButtons::Ok) return MsgAnswer::Ok;
    if (answers.empty()) {
      ADD_FAILURE() << "unexpected question: " << request.text;
      return MsgAnswer::No;
    }
    const MsgAnswer a = answers.front();
    answers.pop_front();
    return a;
  }

  // Without a script the real dialog of the base platform runs; a base
  // without one fails the test.
  void ShowForm2Modal(Form2& dialog) override {
    if constexpr (!std::is_abstract_v<Base>) {
      if (dialogScripts.empty()) {
        Base::ShowForm2Modal(dialog);
        return;
      }
    }
    dialog.Load();  // as the real dialog does when it opens
    dialogsShown.push_back(dialog.state());
    if (dialogScripts.empty()) {
      ADD_FAILURE() << "unexpected parameters dialog";
      dialog.Command2Click();
      return;
    }
    auto script = dialogScripts.front();
    dialogScripts.pop_front();
    script(dialog);
    if (!dialog.state().closed) ADD_FAILURE() << "the dialog script left the dialog open";
  }

  int ScreenWidthPixels() override { return screenWidthPixels; }
};

}  // namespace zg::testing
