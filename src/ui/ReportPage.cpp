// The report page over the report assembly and the report file writers.
#include "ui/ReportPage.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QFontDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextOption>
#include <QVBoxLayout>

#include <algorithm>
#include <iterator>

#include "model/TextCodec.h"
#include "pagelogic/PictureExport.h"
#include "pagelogic/ReportAssembly.h"
#include "pagelogic/RtfWriter.h"
#include "project/QELVUX_data.h"
#include "ui/CoordinatePicture.h"
#include "ui/FileDialogs.h"
#include "ui/HelpLauncher.h"
#include "ui/Messages.h"
#include "ui/Widgets.h"
#include "ui/report/ReportDocumentPdf.h"

namespace qv {

namespace {

// The report font as the rich text file carries it.
RtfFont RtfFontOf(const QFont& font) {
  RtfFont f;
  f.family = font.family().toStdString();
  f.pointSize = font.pointSizeF() > 0.0 ? font.pointSizeF() : f.pointSize;
  f.bold = font.bold();
  f.italic = font.italic();
  return f;
}

struct BoxSpec {
  const char* name;
  const char* caption;
  int reportSwitch;
  bool indented;
};

const BoxSpec kBoxes[kReportBoxCount] = {
    {"TulosPrint0CBOX", "Projektitiedot", kReportProjectInfo, false},
    {"TulosPrint1CBOX", "Rakennetiedot", kReportStructure, false},
    {"TulosPrint2CBOX", "Kuormitustiedot", kReportLoads, false},
    {"TulosPrint3CBOX", "Mitoitustiedot", kReportDesign, false},
    {"TulosPrint31CBOX", "Nurjahdus/kiepahduskert.", kReportStability, true},
    {"TulosPrint32CBOX", "Materiaalin laskenta-arvot", kReportDesignValues, true},
    {"TulosPrint4CBOX", "Tukireaktiot (KY)", kReportReactionsCombinations, false},
    {"TulosPrint5CBOX", "Tukireaktiot (KT)", kReportReactionsCases, false},
};

// Default tab stops of the rich text past the report's own, half an inch apart.
constexpr double kDefaultTabPt = 36.0;

constexpr const char* kSaveFailed = "Tiedoston tallennus epäonnistui:\n%s";

// A proportional face like the old report view's: the stops were laid out for one.
QFont DefaultReportFont() {
  QFont font(QStringLiteral("Arial"));
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(8.0);
  return font;
}

std::string Formatted(const char* format, const std::string& arg) {
  std::string out(format);
  const auto at = out.find("%s");
  if (at != std::string::npos) out.replace(at, 2, arg);
  return out;
}

}  // namespace

ReportPage::ReportPage(const UiContext& ui, QWidget* parent)
    : ProjectPage(ui, parent), font_(DefaultReportFont()) {
  setObjectName(QStringLiteral("PrintTAB"));
  chooseFont_ = [this](QFont& font) { return DefaultFontChooser(font); };

  // A plain text view lays out only the lines it shows: a rich text one laid out the whole
  // long report each time it was built. The report is text with tabs, nothing richer.
  view_ = new QPlainTextEdit(this);
  view_->setObjectName(QStringLiteral("TulosRichEditAll"));
  view_->setLineWrapMode(QPlainTextEdit::NoWrap);
  view_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  view_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  view_->setTabChangesFocus(false);
  view_->setFont(font_);
  // Any change to the text or its formats but the page's own build means the view no
  // longer shows the built report as it was.
  connect(view_->document(), &QTextDocument::contentsChanged, this, [this] {
    if (!building_) shownIntact_ = false;
  });

  LayOutSideBySide(this, BuildControls(), view_, 230, 900);
  ApplyTabStops();
}

QWidget* ReportPage::BuildControls() {
  auto* panel = new QWidget(this);
  panel->setMinimumWidth(kPageSplitterMinimum);
  auto* group = new QGroupBox(QStringLiteral("Tulostettavat tiedot:"), panel);
  group->setObjectName(QStringLiteral("TulosGroupBox"));
  auto* boxes = new QVBoxLayout(group);
  for (int i = 0; i < kReportBoxCount; ++i) {
    auto* box = new QCheckBox(QString::fromUtf8(kBoxes[i].caption), group);
    box->setObjectName(QLatin1String(kBoxes[i].name));
    boxes_[static_cast<std::size_t>(i)] = box;
    if (kBoxes[i].indented) {
      auto* row = new QHBoxLayout;
      row->addSpacing(18);
      row->addWidget(box, 1);
      boxes->addLayout(row);
    } else {
      boxes->addWidget(box);
    }
    // As the old check boxes did, a change made by the program clicks too; report events
    // being off keeps those quiet.
    connect(box, &QCheckBox::toggled, this, [this] { TulosPrint0CBOXClick(); });
  }
  fontButton_ = new QPushButton(QString::fromUtf8("Tulostuksen kirjasinlaji/fontti..."), panel);
  fontButton_->setObjectName(QStringLiteral("TulosFontBTN"));
  saveButton_ = new QPushButton(QString::fromUtf8("Tallenna tiedostoon..."), panel);
  saveButton_->setObjectName(QStringLiteral("TallennaTulosBTN"));
  connect(fontButton_, &QPushButton::clicked, this, [this] { TulosFontBTNClick(); });
  connect(saveButton_, &QPushButton::clicked, this, [this] { TallennaTulosBTNClick(); });
  printButton_ = new QPushButton(QString::fromUtf8("Tulosta..."), panel);
  printButton_->setObjectName(QStringLiteral("TulostaBTN"));
  previewButton_ = new QPushButton(QString::fromUtf8("Esikatselu..."), panel);
  previewButton_->setObjectName(QStringLiteral("EsikatseluBTN"));
  connect(printButton_, &QPushButton::clicked, this, [this] { PrintClick(); });
  connect(previewButton_, &QPushButton::clicked, this, [this] { PreviewClick(); });

  auto* layout = new QVBoxLayout(panel);
  layout->setContentsMargins(2, 2, 2, 2);
  layout->addWidget(group);
  layout->addWidget(fontButton_);
  layout->addWidget(saveButton_);
  layout->addWidget(printButton_);
  layout->addWidget(previewButton_);
  layout->addStretch(1);
  layout->addWidget(CoordinatePicture(panel, "Image3"));
  return panel;
}

QCheckBox* ReportPage::CheckBox(int box) const {
  return box >= 0 && box < kReportBoxCount ? boxes_[static_cast<std::size_t>(box)] : nullptr;
}

void ReportPage::Refresh() {
  auto& switches = Project().ReportSwitches;
  switches[kReportEvents] = 0;
  for (int i = 0; i < kReportBoxCount; ++i)
    boxes_[static_cast<std::size_t>(i)]->setChecked(
        switches[static_cast<std::size_t>(kBoxes[i].reportSwitch)] != 0);
  EnableDesignOptions();
  switches[kReportEvents] = 1;
  ShowReport(true);
}

bool ReportPage::ShowsReportStart(const std::vector<std::string>& head) const {
  return shownIntact_ && view_->logicalDpiX() == shownDpi_ && head.size() <= shownLines_.size() &&
         std::equal(head.begin(), head.end(), shownLines_.begin());
}

void ReportPage::EnableDesignOptions() {
  const bool design = boxes_[kBoxDesign]->isChecked();
  boxes_[kBoxStability]->setEnabled(design);
  boxes_[kBoxDesignValues]->setEnabled(design);
}

void ReportPage::TulosPrint0CBOXClick() {
  auto& switches = Project().ReportSwitches;
  if (switches[kReportEvents] == 0) return;
  for (int i = 0; i < kReportBoxCount; ++i)
    switches[static_cast<std::size_t>(kBoxes[i].reportSwitch)] =
        boxes_[static_cast<std::size_t>(i)]->isChecked() ? 1 : 0;
  EnableDesignOptions();
  BuildReport();
}

// The plain text view lays out every line with the document's default option, so the stops
// set there hold for the report's lines and for any the user types.
void ReportPage::ApplyTabStops() {
  const double pxPerPt = view_->logicalDpiX() / 72.0;
  QList<QTextOption::Tab> tabs;
  for (double pt : ReportTabStopsPt()) tabs << QTextOption::Tab(pt * pxPerPt, QTextOption::LeftTab);
  QTextOption option = view_->document()->defaultTextOption();
  option.setTabs(tabs);
  option.setTabStopDistance(kDefaultTabPt * pxPerPt);  // past the last stop
  option.setWrapMode(QTextOption::NoWrap);
  view_->document()->setDefaultTextOption(option);
}

void ReportPage::BuildReport() {
  if (Project().ReportSwitches[kReportEvents] == 0) {
    ClearView();
    return;
  }
  ShowReport(false);
}

// The head of the report goes into the view while the design part is worked out on the
// design thread, then the rest follows. With keepShown, a view that still shows this very
// report is left as it is.
void ReportPage::ShowReport(bool keepShown) {
  ReportBuild build(Project());
  std::vector<std::string> lines = build.Head();
  const bool mayKeep = keepShown && ShowsReportStart(lines);
  if (!mayKeep) {
    ClearView();
    AppendToView(lines);
  }
  std::vector<std::string> tail = build.Tail(lines);
  if (mayKeep) {
    lines.insert(lines.end(), std::make_move_iterator(tail.begin()),
                 std::make_move_iterator(tail.end()));
    if (lines == shownLines_) {
      view_->moveCursor(QTextCursor::Start);
      return;
    }
    ClearView();
    AppendToView(lines);
  } else {
    AppendToView(tail);
    lines.insert(lines.end(), std::make_move_iterator(tail.begin()),
                 std::make_move_iterator(tail.end()));
  }
  view_->document()->setModified(false);
  view_->moveCursor(QTextCursor::Start);
  shownLines_ = std::move(lines);
  shownDpi_ = view_->logicalDpiX();
  shownIntact_ = true;
}

void ReportPage::ClearView() {
  shownIntact_ = false;
  view_->clear();
  ApplyTabStops();
  viewEmpty_ = true;
}

void ReportPage::AppendToView(const std::vector<std::string>& lines) {
  if (lines.empty()) return;
  // Written in one insertion with no undo record: line by line, or undoable, a long report
  // took many times longer.
  QTextDocument* document = view_->document();
  const bool undo = document->isUndoRedoEnabled();
  document->setUndoRedoEnabled(false);
  const QString text = Q(JoinedLines(lines));
  QTextCursor cursor(document);
  cursor.movePosition(QTextCursor::End);
  building_ = true;
  cursor.insertText(viewEmpty_ ? text : QLatin1Char('\n') + text);
  building_ = false;
  document->setUndoRedoEnabled(undo);
  viewEmpty_ = false;
}

std::vector<std::string> ReportPage::ViewLines() const {
  std::vector<std::string> lines;
  const QString text = view_->toPlainText();
  if (text.isEmpty()) return lines;
  for (const QString& line : text.split(QLatin1Char('\n'))) lines.push_back(line.toStdString());
  return lines;
}

bool ReportPage::DefaultFontChooser(QFont& font) {
  bool ok = false;
  const QFont chosen = QFontDialog::getFont(&ok, font, this);
  if (ok) font = chosen;
  return ok;
}

void ReportPage::TulosFontBTNClick() {
  QFont font = font_;
  if (chooseFont_ && chooseFont_(font)) SetReportFont(font);
}

void ReportPage::SetReportFont(const QFont& font) {
  font_ = font;
  view_->setFont(font_);
  BuildReport();
}

void ReportPage::TallennaTulosBTNClick() {
  const ReportSaveDialogTexts texts;
  FileDialogRequest request;
  request.title = texts.title;
  request.fileName = texts.fileName;
  request.defaultSuffix = texts.defaultExtension;
  request.filter = texts.filter + "|" + kReportPdfFilter;
  request.filterIndex = texts.filterIndex;
  request.folder = QELVUX_data::FolderOf(Project().ProgramPath);
  // A report is kept beside its project, under the project's name.
  const std::string& project = Project().TextFile.FileName();
  if (!project.empty()) {
    request.folder = QELVUX_data::FolderOf(project);
    request.fileName = QFileInfo(QString::fromStdString(project)).completeBaseName().toStdString() +
                       "." + texts.defaultExtension;
  }
  std::string path;
  if (!ui_.files->SaveFile(request, path)) return;
  if (!SaveLines(path, ViewLines())) return;
  if (ui_.messages->AskYesNo(kOpenReportQuestion, kCaptionNotice)) ui_.help->OpenDocument(path);
}

bool ReportPage::SaveLines(const std::string& path, const std::vector<std::string>& lines) {
  std::string error;
  bool saved = false;
  if (LowerExtension(path) == ".pdf") {
    // The PDF is the calculation document with its page frame and figures, not the view's
    // lines: it is built from the project as it stands.
    saved = SaveReportDocumentPdf(path, Project(), font_, ReportTabStopsPt(), &error);
  } else {
    mode_ = ReportModeForFile(path, mode_);
    saved = SaveReportFile(path, lines, mode_, RtfFontOf(font_), ReportTabStopsPt(), &error);
  }
  if (!saved)
    ui_.messages->Inform(Formatted(kSaveFailed, error.empty() ? path : path + "\n" + error),
                         kCaptionError, MessageIcon::Warning);
  return saved;
}

void ReportPage::PrintClick() {
  PrintReportDocument(this, Project(), font_, ReportTabStopsPt(), printDialog_);
}

void ReportPage::PreviewClick() {
  PreviewReportDocument(this, Project(), font_, ReportTabStopsPt(), previewDialog_);
}

}  // namespace qv
