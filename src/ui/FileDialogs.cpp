// Open and save dialogs with QFileDialog.
#include "ui/FileDialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QString>
#include <QStringList>

#include <vector>

namespace qv {

namespace {

std::vector<std::string> FilterEntries(const std::string& filter) {
  std::vector<std::string> parts;
  std::string::size_type start = 0;
  while (start <= filter.size()) {
    const auto bar = filter.find('|', start);
    parts.push_back(
        filter.substr(start, bar == std::string::npos ? std::string::npos : bar - start));
    if (bar == std::string::npos) break;
    start = bar + 1;
  }
  std::vector<std::string> entries;
  for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
    std::string patterns = parts[i + 1];
    for (auto& ch : patterns)
      if (ch == ';') ch = ' ';
    entries.push_back(parts[i] + " (" + patterns + ")");
  }
  return entries;
}

// Adds the extension of the filter shown when the user accepts, not of the one shown first:
// a bare name saved under "PDF" must become a .pdf. Qt adds it only to a name without one.
class SuffixFollowingDialog : public QFileDialog {
 public:
  SuffixFollowingDialog(QWidget* parent, const QString& title, const QString& folder,
                        const QString& filter, const QString& fallbackSuffix)
      : QFileDialog(parent, title, folder, filter), fallback_(fallbackSuffix) {}

  void accept() override {
    if (acceptMode() == AcceptSave && !fallback_.isEmpty()) {
      const std::string own = QtFilterEntrySuffix(selectedNameFilter().toStdString());
      setDefaultSuffix(own.empty() ? fallback_ : QString::fromStdString(own));
    }
    QFileDialog::accept();
  }

 private:
  QString fallback_;
};

}  // namespace

std::string QtFilterEntrySuffix(const std::string& entry) {
  const auto open = entry.rfind('(');
  if (open == std::string::npos) return std::string();
  auto end = entry.find_first_of(" )", open + 1);
  if (end == std::string::npos) end = entry.size();
  const std::string pattern = entry.substr(open + 1, end - open - 1);
  if (pattern.size() < 3 || pattern.compare(0, 2, "*.") != 0) return std::string();
  const std::string suffix = pattern.substr(2);
  // Wildcards make no extension to add.
  if (suffix.find_first_of("*?[") != std::string::npos) return std::string();
  return suffix;
}

std::string QtFilterText(const std::string& filter) {
  std::string out;
  for (const auto& e : FilterEntries(filter)) {
    if (!out.empty()) out += ";;";
    out += e;
  }
  return out;
}

std::string QtFilterEntry(const std::string& filter, int n) {
  const auto entries = FilterEntries(filter);
  if (entries.empty()) return std::string();
  if (n < 1 || n > static_cast<int>(entries.size())) n = 1;
  return entries[static_cast<std::size_t>(n - 1)];
}

bool QtFileDialogs::OpenFile(const FileDialogRequest& request, std::string& chosen) {
  return Run(request, false, chosen);
}

bool QtFileDialogs::SaveFile(const FileDialogRequest& request, std::string& chosen) {
  return Run(request, true, chosen);
}

bool QtFileDialogs::Run(const FileDialogRequest& request, bool save, std::string& chosen) {
  SuffixFollowingDialog dialog(parent_, QString::fromStdString(request.title),
                               QString::fromStdString(request.folder),
                               QString::fromStdString(QtFilterText(request.filter)),
                               QString::fromStdString(request.defaultSuffix));
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  // The buttons in the program's words, also where Qt's translations are missing.
  dialog.setLabelText(QFileDialog::Accept,
                      save ? QStringLiteral("Tallenna") : QStringLiteral("Avaa"));
  dialog.setLabelText(QFileDialog::Reject, QStringLiteral("Peruuta"));
  dialog.selectNameFilter(
      QString::fromStdString(QtFilterEntry(request.filter, request.filterIndex)));
  if (!request.defaultSuffix.empty())
    dialog.setDefaultSuffix(QString::fromStdString(request.defaultSuffix));
  // A proposed name that is only a pattern says nothing the filter does not say already.
  const QString proposed = QString::fromStdString(request.fileName);
  if (!proposed.isEmpty() && !proposed.contains(QLatin1Char('*'))) dialog.selectFile(proposed);
  if (dialog.exec() != QDialog::Accepted) return false;
  const QStringList files = dialog.selectedFiles();
  if (files.isEmpty()) return false;
  chosen = QDir::toNativeSeparators(files.first()).toStdString();
  return true;
}

}  // namespace qv
