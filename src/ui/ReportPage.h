// The page "Tulostiedosto": report check boxes, the report view with its font, and saving the
// report.
#pragma once

#include <QFont>

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "pagelogic/RtfWriter.h"
#include "ui/ProjectPage.h"
#include "ui/report/ReportPrinting.h"

class QCheckBox;
class QPushButton;
class QPlainTextEdit;

namespace qv {

// The check boxes in the order they stand on the page.
enum ReportBox {
  kBoxProjectInfo = 0,        // TulosPrint0CBOX "Projektitiedot"
  kBoxStructure,              // TulosPrint1CBOX "Rakennetiedot"
  kBoxLoads,                  // TulosPrint2CBOX "Kuormitustiedot"
  kBoxDesign,                 // TulosPrint3CBOX "Mitoitustiedot"
  kBoxStability,              // TulosPrint31CBOX "Nurjahdus/kiepahduskert."
  kBoxDesignValues,           // TulosPrint32CBOX "Materiaalin laskenta-arvot"
  kBoxReactionsCombinations,  // TulosPrint4CBOX "Tukireaktiot (KY)"
  kBoxReactionsCases,         // TulosPrint5CBOX "Tukireaktiot (KT)"
  kReportBoxCount
};

constexpr const char* kOpenReportQuestion = "Haluatko avata tiedoston editoriin ?";
// The save dialog offers PDF beside rich and plain text.
constexpr const char* kReportPdfFilter = "PDF-tiedostot *.pdf|*.pdf";

class ReportPage : public ProjectPage {
  Q_OBJECT

 public:
  // Chooses a font starting from the given one; false when the user cancelled. Tests put
  // their own in place of the font dialog.
  using FontChooser = std::function<bool(QFont& font)>;

  explicit ReportPage(const UiContext& ui, QWidget* parent = nullptr);

  // Entering the page: the check boxes set from the switches with report events off,
  // then BuildReport.
  void Refresh() override;

  void BuildReport();
  void TulosPrint0CBOXClick();  // every check box
  void TulosFontBTNClick();
  void TallennaTulosBTNClick();
  // "Tulosta..." and "Esikatselu...": the calculation document on paper.
  void PrintClick();
  void PreviewClick();
  // Stand-ins for the print and the preview dialog (tests).
  void SetPrintDialogs(PrintDialogRunner print, PrintDialogRunner preview) {
    printDialog_ = std::move(print);
    previewDialog_ = std::move(preview);
  }

  void SetFontChooser(FontChooser chooser) { chooseFont_ = std::move(chooser); }
  // Replaces the report font and rebuilds the report.
  void SetReportFont(const QFont& font);
  QFont ReportFont() const { return font_; }
  // The mode ".txt" or ".rtf" last switched the view to.
  ReportFileMode FileMode() const { return mode_; }
  // The lines as the view holds them (what is saved).
  std::vector<std::string> ViewLines() const;

  QCheckBox* CheckBox(int box) const;
  QPlainTextEdit* TulosRichEditAll() const { return view_; }
  QPushButton* TulosFontBTN() const { return fontButton_; }
  QPushButton* TallennaTulosBTN() const { return saveButton_; }
  QPushButton* PrintButton() const { return printButton_; }
  QPushButton* PreviewButton() const { return previewButton_; }

 private:
  QWidget* BuildControls();
  void ApplyTabStops();
  void ShowReport(bool keepShown);
  bool ShowsReportStart(const std::vector<std::string>& head) const;
  void ClearView();
  void AppendToView(const std::vector<std::string>& lines);
  void EnableDesignOptions();
  bool DefaultFontChooser(QFont& font);
  bool SaveLines(const std::string& path, const std::vector<std::string>& lines);

  QFont font_;
  ReportFileMode mode_ = ReportFileMode::Rich;
  FontChooser chooseFont_;

  std::array<QCheckBox*, kReportBoxCount> boxes_{};
  QPushButton* fontButton_ = nullptr;  // TulosFontBTN
  QPushButton* saveButton_ = nullptr;  // TallennaTulosBTN
  QPushButton* printButton_ = nullptr;
  QPushButton* previewButton_ = nullptr;
  PrintDialogRunner printDialog_;
  PrintDialogRunner previewDialog_;
  QPlainTextEdit* view_ = nullptr;  // TulosRichEditAll
  // The lines the view was last built from, while it still holds them untouched: entering
  // the page again with the same report keeps the long document as it was laid out.
  std::vector<std::string> shownLines_;
  bool shownIntact_ = false;
  bool building_ = false;
  bool viewEmpty_ = true;  // nothing appended since the view was last cleared
  int shownDpi_ = 0;
};

}  // namespace qv
