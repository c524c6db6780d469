// Fakes of the message, file dialog and help interfaces that record what the program showed.
#pragma once

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include <deque>
#include <string>
#include <vector>

#include "ui/FileDialogs.h"
#include "ui/HelpLauncher.h"
#include "ui/Messages.h"

namespace qv::test {

struct ShownMessage {
  std::string text;
  std::string caption;
  bool question = false;
};

// Records every box; questions are answered from a queue (Yes when it is empty).
class RecordingMessages : public Messages {
 public:
  void Inform(const std::string& text, const std::string& caption, MessageIcon) override {
    shown.push_back({text, caption, false});
  }
  bool AskYesNo(const std::string& text, const std::string& caption) override {
    shown.push_back({text, caption, true});
    if (answers.empty()) return true;
    const bool a = answers.front();
    answers.pop_front();
    return a;
  }
  // Three-way questions are kept apart and answered from their own queue ("Ei" when it
  // is empty), so that the boxes of a workflow stay as they were.
  Answer AskYesNoCancel(const std::string& text, const std::string& caption) override {
    asked.push_back({text, caption, true});
    if (threeWay.empty()) return Answer::kNo;
    const Answer a = threeWay.front();
    threeWay.pop_front();
    return a;
  }
  std::vector<ShownMessage> shown;
  std::deque<bool> answers;
  std::vector<ShownMessage> asked;
  std::deque<Answer> threeWay;
};

// Answers the open and save dialogs with a prepared name, or cancels when it is empty.
class FakeFileDialogs : public FileDialogs {
 public:
  bool OpenFile(const FileDialogRequest& request, std::string& chosen) override {
    return Answer(request, false, chosen);
  }
  bool SaveFile(const FileDialogRequest& request, std::string& chosen) override {
    return Answer(request, true, chosen);
  }
  std::string answer;
  std::vector<FileDialogRequest> requests;
  std::vector<bool> saves;

 private:
  bool Answer(const FileDialogRequest& request, bool save, std::string& chosen) {
    requests.push_back(request);
    saves.push_back(save);
    if (answer.empty()) return false;
    chosen = answer;
    return true;
  }
};

// Keeps the documents and manual sections it was asked to open instead of opening them.
class RecordingHelp : public HelpLauncher {
 public:
  using HelpLauncher::HelpLauncher;
  bool OpenDocument(const std::string& path) override {
    opened.push_back(path);
    return true;
  }
  std::vector<std::string> opened;
  std::vector<std::string> shown;  // "manual#anchor"

 protected:
  bool ShowManual(const std::string& path, const std::string& anchor) override {
    shown.push_back(path + "#" + anchor);
    return true;
  }
};

// The test programs sit beside the data files, as the desktop program does.
inline std::string ProgramPath() { return QCoreApplication::applicationFilePath().toStdString(); }

}  // namespace qv::test
