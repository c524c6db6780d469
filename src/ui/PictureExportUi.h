// Pop-up menus of the drawings: a picture to the clipboard or to a file.
#pragma once

#include <QByteArray>
#include <QImage>

#include <string>

#include "ui/ProjectPage.h"
#include "ui/drawing/MemberView.h"

class QMenu;
class QWidget;

namespace qv {

class PaintBox;
class ResultsPage;
struct ResultDiagram;

constexpr const char* kPictureToClipboard = "Kuva leikepöydälle";
constexpr const char* kPictureToClipboardResults = "Kuva leikepöydälle...";
constexpr const char* kPictureToFile = "Kuva tiedostoon...";
constexpr const char* kSvgMimeType = "image/svg+xml";

// The structure or load drawing of a paint box of W x H pixels as exported: cropped to the
// drawing's proportions, highlighting off, at the given resolution. A null image when the
// box is too small to give a picture.
QImage MemberDrawingPicture(const QELVUX_data& project, MemberViewKind kind, int clientWidth,
                            int clientHeight, double pixelsPerMmX, double pixelsPerMmY);

// The results chart as an image and as SVG, drawn by the same routine as the metafiles.
QImage ResultDiagramImage(const ResultDiagram& diagram, int width, int height, double pixelsPerMm);
QByteArray ResultDiagramSvg(const ResultDiagram& diagram, int width, int height,
                            double pixelsPerMm);

// The results chart saved under the path: ".wmf" and ".emf" as metafiles, ".svg" as SVG;
// any other extension saves nothing (-1). 0 saved, -2 not written (error gets the reason),
// -3 a size below one pixel.
int SaveResultDiagramFile(const std::string& path, const ResultDiagram& diagram, int width,
                          int height, double pixelsPerMm, std::string* error = nullptr);

// The commands behind the menus, public for the tests. Each returns 0 when a picture was
// copied or saved, 1 when there was nothing to do (too small, cancelled, an extension
// naming no picture), -1 when writing failed (the message has been shown).
int CopyMemberDrawing(const UiContext& ui, MemberViewKind kind, const PaintBox* box);
int SaveMemberDrawing(const UiContext& ui, MemberViewKind kind, const PaintBox* box);
int CopyResultsPicture(const UiContext& ui, const ResultsPage* page);
int SaveResultsPicture(const UiContext& ui, const ResultsPage* page);

// Hooks the pop-up menus onto a page's drawings (RakenneKuvaMenu, KuormaKuvaMenu on the paint
// box; TulosKuvaMenu on the chart and the reactions picture). The menu is built on each
// request, so the menu object exists only while it is shown.
void AddMemberPictureMenu(PaintBox* box, const UiContext& ui, MemberViewKind kind);
void AddResultsPictureMenu(ResultsPage* page, const UiContext& ui);

// The menu a hook shows, for the tests (the caller owns it).
QMenu* MemberPictureMenu(PaintBox* box, const UiContext& ui, MemberViewKind kind, QWidget* parent);
QMenu* ResultsPictureMenu(ResultsPage* page, const UiContext& ui, QWidget* parent);

}  // namespace qv
