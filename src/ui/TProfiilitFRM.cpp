// The section library dialog over ProfiiliKirjasto: list, edit fields, shape picture, other
// libraries.
#include "ui/TProfiilitFRM.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "project/QELVUX_data.h"
#include "ui/FileDialogs.h"
#include "ui/HelpLauncher.h"
#include "ui/Messages.h"
#include "ui/DesignPage.h"
#include "ui/Widgets.h"

namespace qv {

namespace {

constexpr int kPictureSize = 96;

QLineEdit* Edit(QWidget* parent, const char* name) {
  auto* e = new QLineEdit(parent);
  e->setObjectName(QLatin1String(name));
  return e;
}

}  // namespace

TProfiilitFRM::TProfiilitFRM(const UiContext& ui, QWidget* parent)
    : QDialog(parent),
      ui_(ui),
      library_(
          std::make_unique<ProfiiliKirjasto>(ui.project->Profiles, ui.project->ProgramFolder())) {
  setObjectName(QStringLiteral("TProfiilitFRM"));
  setWindowTitle(QString::fromUtf8(ProfiiliKirjasto::kCaption));

  libraryButton_ = Button(this, "Button1", "");
  SetHint(libraryButton_, "Kirjasto|Avaa toinen poikkileikkauskirjasto tai luo uusi");
  list_ = new QListWidget(this);
  list_->setObjectName(QStringLiteral("ListBox1"));
  list_->setMinimumWidth(180);
  name_ = Edit(this, "Edit1");
  shape_ = new QComboBox(this);
  shape_->setObjectName(QStringLiteral("ComboBox1"));
  for (const auto& item : ProfiiliKirjasto::ShapeItems()) shape_->addItem(Q(item));
  label1_ = new QLabel(this);
  label2_ = new QLabel(this);
  parameter1_ = Edit(this, "Parametri1E");
  parameter2_ = Edit(this, "Parametri2E");
  picture_ = new QLabel(this);
  picture_->setObjectName(QStringLiteral("Image1"));
  picture_->setFixedSize(kPictureSize + 4, kPictureSize + 4);
  picture_->setAlignment(Qt::AlignCenter);
  picture_->setFrameShape(QFrame::Panel);
  picture_->setFrameShadow(QFrame::Sunken);
  addButton_ = Button(this, "LisaaNappi", "Lisää");
  SetHint(addButton_, "Lisää aktiiviseen ryhmään uuden alkion");
  changeButton_ = Button(this, "MuutaNappi", "Muuta");
  deleteButton_ = Button(this, "PoistaNappi", "Poista");
  SetHint(deleteButton_, "Poistaa valittuna olevan alkion");

  auto* ok = Button(this, "OKbutton", "OK");
  ok->setDefault(true);
  auto* cancel = Button(this, "PeruutaButton", "Peruuta");
  auto* help = Button(this, "OhjeButton", "Ohje");

  auto* form = new QFormLayout;
  form->addRow(new QLabel(QString::fromUtf8("Poikkileikkauksen nimi:"), this), name_);
  form->addRow(new QLabel(QString::fromUtf8("Poikkileikkauksen muoto:"), this), shape_);
  form->addRow(label1_, parameter1_);
  form->addRow(label2_, parameter2_);
  auto* edits = new QHBoxLayout;
  edits->addWidget(addButton_);
  edits->addWidget(changeButton_);
  edits->addWidget(deleteButton_);
  auto* right = new QVBoxLayout;
  right->addLayout(form);
  right->addWidget(picture_, 0, Qt::AlignHCenter);
  right->addLayout(edits);
  right->addStretch(1);
  auto* left = new QVBoxLayout;
  left->addWidget(new QLabel(QString::fromUtf8("Poikkileikkaukset:"), this));
  left->addWidget(list_, 1);
  auto* middle = new QHBoxLayout;
  middle->addLayout(left, 1);
  middle->addLayout(right);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  buttons->addWidget(help);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(libraryButton_);
  layout->addLayout(middle, 1);
  layout->addLayout(buttons);

  connect(libraryButton_, &QPushButton::clicked, this, [this] { LibraryClicked(); });
  connect(list_, &QListWidget::currentRowChanged, this, [this](int row) { ListClicked(row); });
  connect(shape_, &QComboBox::currentIndexChanged, this, [this](int item) { ShapeChanged(item); });
  connect(addButton_, &QPushButton::clicked, this, [this] { AddClicked(); });
  connect(changeButton_, &QPushButton::clicked, this, [this] { ChangeClicked(); });
  connect(deleteButton_, &QPushButton::clicked, this, [this] { DeleteClicked(); });
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(help, &QPushButton::clicked, this, [this] { HelpClicked(); });

  FillList();
  SetEditEnabled(library_->EditButtonsEnabled());
  resize(520, 420);
}

TProfiilitFRM::~TProfiilitFRM() = default;

void TProfiilitFRM::Run() { exec(); }

void TProfiilitFRM::FillList() {
  libraryButton_->setText(Q(library_->LibraryButtonText()));
  libraryButton_->setToolTip(Q(library_->ActivePath()));
  {
    const QSignalBlocker hold(list_);
    list_->clear();
    for (const auto& name : library_->Names()) list_->addItem(Q(name));
    list_->setCurrentRow(library_->Selected());
  }
  ShowFields(library_->Selected());
}

void TProfiilitFRM::ShowFields(int row) {
  const ProfiiliKentat f = library_->FieldsOf(row);
  name_->setText(Q(f.Name));
  {
    const QSignalBlocker hold(shape_);
    shape_->setCurrentIndex(f.ShapeItem);
  }
  ShowShape(f.ShapeItem);
  parameter1_->setText(Q(f.Parameter1));
  parameter2_->setText(Q(f.Parameter2));
}

void TProfiilitFRM::ShowShape(int item) {
  const ProfiiliParametrit p = ProfiiliKirjasto::ParametersFor(item);
  label1_->setText(Q(p.Label1));
  label2_->setText(Q(p.Label2));
  label2_->setVisible(p.ShowParameter2);
  parameter2_->setVisible(p.ShowParameter2);
  image_ = p.ImageIndex;
  picture_->setPixmap(SectionShapePixmap(image_, kPictureSize));
}

void TProfiilitFRM::SetEditEnabled(bool on) {
  addButton_->setEnabled(on);
  changeButton_->setEnabled(on);
  deleteButton_->setEnabled(on);
}

void TProfiilitFRM::ListClicked(int row) {
  if (row < 0) return;
  library_->Select(row);
  ShowFields(library_->Selected());
}

void TProfiilitFRM::ShapeChanged(int item) {
  if (item >= 0) ShowShape(item);
}

ProfiiliSyote TProfiilitFRM::Input() const {
  ProfiiliSyote in;
  in.Name = S(name_->text());
  in.ShapeItem = shape_->currentIndex();
  in.Parameter1 = S(parameter1_->text());
  in.Parameter2 = S(parameter2_->text());
  return in;
}

bool TProfiilitFRM::Shown(const ProfiiliViesti& message) {
  if (message.Empty()) return false;
  ui_.messages->Inform(message.Text, message.Caption, MessageIcon::Information);
  return true;
}

bool TProfiilitFRM::AddClicked() {
  if (Shown(library_->Add(Input()))) return false;
  FillList();
  return true;
}

bool TProfiilitFRM::ChangeClicked() {
  if (Shown(library_->Change(Input()))) return false;
  FillList();
  return true;
}

bool TProfiilitFRM::DeleteClicked() {
  if (Shown(library_->Delete())) return false;
  FillList();
  return true;
}

void TProfiilitFRM::LibraryClicked() {
  FileDialogRequest request;
  request.title = ProfiiliKirjasto::kOpenTitle;
  request.filter = ProfiiliKirjasto::kOpenFilter;
  request.fileName = "*.pl1";
  request.folder = library_->OpenStartFolder();
  std::string name;
  if (!ui_.files || !ui_.files->OpenFile(request, name)) return;
  const int rc = library_->OpenLibrary(name);
  if (rc == -1) {
    ui_.messages->Inform(kLibraryCreateFailed + name, kCaptionError, MessageIcon::Information);
    return;
  }
  FillList();
  SetEditEnabled(library_->EditButtonsEnabled());
}

void TProfiilitFRM::HelpClicked() {
  if (ui_.help) ui_.help->Show(ui_.project->ProgramPath, ProfiiliKirjasto::kHelpContext);
}

void TProfiilitFRM::done(int result) {
  // Only OK writes; Peruuta, Esc and the close box leave the files and the project as they were.
  if (!closed_ && result == QDialog::Accepted) {
    closed_ = true;
    library_->Close(ui_.project->Profiles);
    for (const std::string& path : library_->UnwrittenFiles())
      ui_.messages->Inform(kLibraryWriteFailed + path, kCaptionError, MessageIcon::Information);
  }
  QDialog::done(result);
}

}  // namespace qv
