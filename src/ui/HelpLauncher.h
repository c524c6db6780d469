// Help: keeps which help file and context each caller asked for, and opens the PDF manual.
#pragma once

#include <string>
#include <vector>

namespace qv {

// Help contexts of the callers.
constexpr int kHelpMainWindow = 100;
constexpr int kHelpRakenneBase = 320;  // + mode: 321 member, 322 support, 323 hinge

constexpr const char* kHelpFileName = "QEL-vux_20.hlp";
constexpr const char* kHelpPdfName = "QEL-vux_20.pdf";

struct HelpRequest {
  std::string helpFile;  // the old help file beside the program
  int context = 0;
  std::string pdfFile;   // the manual beside the program
};

// The files beside the program file for a context.
HelpRequest HelpRequestFor(const std::string& programPath, int context);

// There is no viewer for the old help format here, so the manual is opened when it exists,
// and nothing happens when it does not.
class HelpLauncher {
 public:
  virtual ~HelpLauncher() = default;
  // Returns true when a document was opened.
  bool Show(const std::string& programPath, int context);
  // Every request so far, in order.
  const std::vector<HelpRequest>& Requests() const { return requests_; }

  // Opens a document with the desktop's default program (also used for saved reports).
  virtual bool OpenDocument(const std::string& path);
  virtual bool FileExists(const std::string& path) const;

 private:
  std::vector<HelpRequest> requests_;
};

}  // namespace qv
