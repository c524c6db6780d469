// The project information dialog (OK copies, Peruuta does not, help context) and the settings
// dialog's close rule, alone and from the main window.
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <memory>
#include <string>

#include "UiTestSupport.h"
#include "pagelogic/ReportAssembly.h"
#include "project/QELVUX_data.h"
#include "ui/StructurePage.h"
#include "ui/TAsetuksetFRM.h"
#include "ui/TProjektiTiedotFRM.h"
#include "ui/TpaaikkunaFRM.h"

using namespace qv;
using qv::test::FakeFileDialogs;
using qv::test::RecordingHelp;
using qv::test::RecordingMessages;

class ProjectInfoTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<QELVUX_data> project_;
  RecordingMessages messages_;
  FakeFileDialogs files_;
  RecordingHelp help_;

  UiContext Ui() { return UiContext{project_.get(), &messages_, &files_, &help_}; }

  // Runs the dialog modally and lets act press its buttons once it is shown.
  template <typename Dialog, typename Act>
  static void RunModal(Dialog& dialog, Act act) {
    QTimer::singleShot(0, &dialog, [&dialog, act] { act(dialog); });
    dialog.exec();
  }

 private slots:
  void init() {
    project_ = std::make_unique<QELVUX_data>(qv::test::ProgramPath());
    project_->CalculatedBy = "Matti Meikäläinen";
    project_->Contact = "puh. 012 345";
    project_->Site = " ";
    project_->OtherInfo = "Rivi yksi\r\nRivi kaksi";
    messages_ = RecordingMessages();
    help_ = RecordingHelp();
  }

  void showsTheProjectTexts() {
    TProjektiTiedotFRM d(Ui());
    // QELVUX_TULOSTIEDOSTO_OUT: the screenshot script keeps a picture of the dialog.
    const QString keep = qEnvironmentVariable("QELVUX_TULOSTIEDOSTO_OUT");
    if (!keep.isEmpty()) {
      d.show();
      QVERIFY(QTest::qWaitForWindowExposed(&d));
      QVERIFY(
          d.grab().save(QDir(keep).filePath(QStringLiteral("tulostiedosto_projektitiedot.png"))));
      d.hide();
    }
    QCOMPARE(d.windowTitle(), QStringLiteral("Projektitiedot"));
    QCOMPARE(d.size(), QSize(372, 348));
    QCOMPARE(d.Edit1()->text(), QString::fromUtf8("Matti Meikäläinen"));
    QCOMPARE(d.Edit2()->text(), QStringLiteral("puh. 012 345"));
    QCOMPARE(d.Edit3()->text(), QStringLiteral(" "));
    QCOMPARE(d.Memo1()->toPlainText(), QStringLiteral("Rivi yksi\nRivi kaksi"));
    QCOMPARE(d.OKbutton()->text(), QStringLiteral("OK"));
    QCOMPARE(d.CANCELbutton()->text(), QStringLiteral("Peruuta"));
    QCOMPARE(d.HELPbutton()->text(), QStringLiteral("Ohje"));
  }

  void okCopiesEveryText() {
    TProjektiTiedotFRM d(Ui());
    int result = -1;
    QTimer::singleShot(0, &d, [&d] {
      d.Edit1()->clear();
      QTest::keyClicks(d.Edit1(), QStringLiteral("Oljy"));
      d.Edit1()->insert(QString::fromUtf8("-Äijä"));  // typed through the input method
      d.Edit2()->clear();                             // an empty text is stored empty
      d.Edit3()->setText(QStringLiteral("Halli 2"));
      d.Memo1()->setPlainText(QStringLiteral("A\nB\n\nC"));
      d.OKbutton()->click();
    });
    result = d.Run();
    QCOMPARE(result, 1);
    QCOMPARE(project_->CalculatedBy, std::string("Oljy-Äijä"));
    QCOMPARE(project_->Contact, std::string());
    QCOMPARE(project_->Site, std::string("Halli 2"));
    QCOMPARE(project_->OtherInfo, std::string("A\r\nB\r\n\r\nC"));
    // The report leaves the emptied contact out, like a blank.
    const std::vector<std::string> expected = {"====================================",
                                               "PROJEKTITIEDOT:",
                                               "Laskija:\tOljy-Äijä",
                                               "Kohde:\tHalli 2",
                                               "Muut tiedot:",
                                               "A",
                                               "B",
                                               "",
                                               "C"};
    QCOMPARE(ProjectInfoLines(*project_), expected);
  }

  void peruutaKeepsTheProjectAsItWas() {
    TProjektiTiedotFRM d(Ui());
    int result = -1;
    QTimer::singleShot(0, &d, [&d] {
      d.Edit1()->setText(QStringLiteral("toinen"));
      d.Edit3()->setText(QStringLiteral("kohde"));
      d.Memo1()->setPlainText(QStringLiteral("uusi"));
      d.CANCELbutton()->click();
    });
    result = d.Run();
    QCOMPARE(result, 0);
    QCOMPARE(project_->CalculatedBy, std::string("Matti Meikäläinen"));
    QCOMPARE(project_->Site, std::string(" "));
    QCOMPARE(project_->OtherInfo, std::string("Rivi yksi\r\nRivi kaksi"));
  }

  void helpOpensContext324() {
    TProjektiTiedotFRM d(Ui());
    d.HELPbutton()->click();
    QCOMPARE(help_.Requests().size(), std::size_t(1));
    QCOMPARE(help_.Requests()[0].context, 324);
    QVERIFY(help_.Requests()[0].helpFile.size() >= 14);
    QCOMPARE(help_.Requests()[0].helpFile.substr(help_.Requests()[0].helpFile.size() - 14),
             std::string("QEL-vux_20.hlp"));
  }

  // ---- Settings dialog ----

  void settingsEndOnlyByPeruutaOrTheCloseBox() {
    TAsetuksetFRM d(Ui());
    QCOMPARE(d.windowTitle(), QStringLiteral("AsetuksetFRM"));
    QCOMPARE(d.size(), QSize(536, 348));
    bool stillOpenAfterOk = false;
    bool stillOpenAfterHelp = false;
    RunModal(d, [&](TAsetuksetFRM& dlg) {
      dlg.OKbutton()->click();
      stillOpenAfterOk = dlg.isVisible();
      QTest::keyClick(&dlg, Qt::Key_Return);  // the OK of the keyboard does nothing either
      dlg.HELPbutton()->click();
      stillOpenAfterHelp = dlg.isVisible();
      dlg.CANCELbutton()->click();
    });
    QVERIFY(stillOpenAfterOk);
    QVERIFY(stillOpenAfterHelp);
    QVERIFY(!d.isVisible());
    QVERIFY(help_.Requests().empty());

    TAsetuksetFRM closed(Ui());
    RunModal(closed, [](TAsetuksetFRM& dlg) { dlg.close(); });  // the close box
    QVERIFY(!closed.isVisible());
  }

  // ---- From the main window ----

  void mainWindowOpensBothDialogs() {
    TpaaikkunaFRM w(qv::test::ProgramPath(), std::string(), &messages_, &files_, &help_);
    w.SetAskOnClose(false);
    auto* info = w.StructurePage()->findChild<QPushButton*>(QStringLiteral("ProjektiInfoBTN"));
    QVERIFY(info);
    QVERIFY(info->isEnabled());
    QTimer::singleShot(0, &w, [] {
      auto* d = qobject_cast<TProjektiTiedotFRM*>(QApplication::activeModalWidget());
      QVERIFY(d);
      d->Edit3()->setText(QStringLiteral("Kohde X"));
      d->OKbutton()->click();
    });
    info->click();
    QCOMPARE(w.Project().Site, std::string("Kohde X"));

    auto* settings = w.findChild<QAction*>(QStringLiteral("Asetukset1"));
    QVERIFY(settings);
    QVERIFY(!settings->isVisible());
    bool opened = false;
    QTimer::singleShot(0, &w, [&opened] {
      auto* d = qobject_cast<TAsetuksetFRM*>(QApplication::activeModalWidget());
      opened = d != nullptr;
      if (d) d->CANCELbutton()->click();
    });
    settings->trigger();
    QVERIFY(opened);
  }
};

int main(int argc, char** argv) {
  qputenv("LC_ALL", "fi_FI.UTF-8");
  QApplication app(argc, argv);
  ProjectInfoTest test;
  QTEST_SET_MAIN_SOURCE_PATH
  return QTest::qExec(&test, argc, argv);
}

#include "test_projektitiedot.moc"
