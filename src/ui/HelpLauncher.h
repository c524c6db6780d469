// Help: keeps which help file and context each caller asked for, and shows the user manual at
// the section of that context.
#pragma once

#include <string>
#include <vector>

namespace qv {

class Messages;

// Help contexts of the callers.
constexpr int kHelpMainWindow =
    100;  // + the page shown (MainPage): 100 "Rakenne" .. 106 "Tulostiedosto"
constexpr int kHelpRakenneBase = 320;  // + mode: 321 member, 322 support, 323 hinge

constexpr const char* kHelpFileName = "QEL-vux_20.hlp";

struct HelpRequest {
  std::string helpFile;  // the old help file's name beside the program, kept with its context
  int context = 0;
  std::string manualFile;  // the manual in the data folder
  std::string anchor;      // the section of the manual for the context
};

// The manual's section for a help context: the anchor of a README heading. A context without
// a section of its own gets the start of the user guide.
std::string HelpAnchor(int context);

// The request for a context, the manual looked up in the program's data folder.
HelpRequest HelpRequestFor(const std::string& programPath, int context);

// The manual is the README's user guide written as HTML by the build (kayttoohje.html). It is
// shown in a window of the program rather than a browser: many machines have none, and some
// openers drop the #section of a file address.
class HelpLauncher {
 public:
  explicit HelpLauncher(Messages* messages = nullptr) : messages_(messages) {}
  virtual ~HelpLauncher() = default;
  // Shows the manual at the context's section; returns true when it was shown. A missing
  // manual is told through the messages.
  bool Show(const std::string& programPath, int context);
  // Every request so far, in order.
  const std::vector<HelpRequest>& Requests() const { return requests_; }

  // Opens a document with the desktop's default program (saved reports).
  virtual bool OpenDocument(const std::string& path);
  virtual bool FileExists(const std::string& path) const;

 protected:
  // Shows the manual window at the anchor, over the dialog or window in use.
  virtual bool ShowManual(const std::string& path, const std::string& anchor);

 private:
  Messages* messages_;
  std::vector<HelpRequest> requests_;
};

}  // namespace qv
