// Every message box of the program goes through this one interface, so tests can record the texts.
#pragma once

#include <string>

class QWidget;

namespace qv {

// Captions of the program's boxes.
constexpr const char* kCaptionError = "VIRHE";
constexpr const char* kCaptionNotice = "HUOMIO";
constexpr const char* kCaptionFileError = "TIEDOSTOVIRHE";

// Icon of an information box; questions always show the question icon.
enum class MessageIcon { None, Information, Warning };

class Messages {
 public:
  virtual ~Messages() = default;
  // A box with the text, the caption and only an OK button.
  virtual void Inform(const std::string& text, const std::string& caption,
                      MessageIcon icon = MessageIcon::Information) = 0;
  // A question with Yes and No; true for Yes. Closing the box counts as No.
  virtual bool AskYesNo(const std::string& text, const std::string& caption) = 0;
  // A question with "Kyllä", "Ei" and "Peruuta"; closing the box counts as Peruuta.
  enum class Answer { kYes, kNo, kCancel };
  virtual Answer AskYesNoCancel(const std::string& text, const std::string& caption) = 0;
};

// Shows the boxes with QMessageBox over the parent (may be null).
class QtMessages : public Messages {
 public:
  explicit QtMessages(QWidget* parent = nullptr) : parent_(parent) {}
  void Inform(const std::string& text, const std::string& caption, MessageIcon icon) override;
  bool AskYesNo(const std::string& text, const std::string& caption) override;
  Answer AskYesNoCancel(const std::string& text, const std::string& caption) override;
  void SetParent(QWidget* parent) { parent_ = parent; }

 private:
  QWidget* parent_;
};

}  // namespace qv
