// Where the program finds the files it ships, and the manual command.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "AppContext.h"
#include "DataFiles.h"
#include "KadenzoApp.h"
#include "MainFrame.h"
#include "ResourceIds.h"
#include "TestSupport.h"

using namespace kadenzo;

namespace {

void Touch(const QString& path) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) qFatal("cannot write %s", qPrintable(path));
}

}  // namespace

class DataFilesTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> root_;
    QString Bin() const { return root_->filePath("bin"); }
    QString Share(const QString& name) const { return root_->filePath("share/kadenzo/" + name); }

private slots:
    void init() {
        root_ = std::make_unique<QTemporaryDir>();
        QDir().mkpath(Bin());
    }

    void installedLayoutBeforeTheBuildTree() {
        Touch(Bin() + "/both.dat");
        Touch(Share("both.dat"));
        Touch(Bin() + "/beside.dat");
        QDir().mkpath(Share("folder.dat"));
        QCOMPARE(FindDataFile(Bin(), "both.dat"), Share("both.dat"));
        QCOMPARE(FindDataFile(Bin(), "beside.dat"), Bin() + "/beside.dat");
        QCOMPARE(FindDataFile(Bin(), "folder.dat"), QString());
        QCOMPARE(FindDataFile(Bin(), QString()), QString());
    }

    void manualOfTheLanguageElseEnglish() {
        QCOMPARE(ManualFileName("../../etc/x"), QString("kadenzo.pdf"));
        QCOMPARE(FindManual(Bin(), "de"), QString());
        Touch(Share("kadenzo.pdf"));
        QCOMPARE(FindManual(Bin(), "de"), Share("kadenzo.pdf"));
        Touch(Bin() + "/kadenzo-de.pdf");
        QCOMPARE(FindManual(Bin(), "de"), Bin() + "/kadenzo-de.pdf");
    }

    void starterLibraryOfTheLanguage() {
        const QString data = Share(QString());
        Touch(Share("library-de.dat"));
        Touch(Share("library-en.dat"));
        QCOMPARE(LanguageStarterLibrary(data, "de"), Share("library-de.dat"));
        QCOMPARE(LanguageStarterLibrary(data, "en"), QString());
        QCOMPARE(LanguageStarterLibrary(data, "fr"), QString());
        QCOMPARE(LanguageStarterLibrary(data, "../de"), QString());
    }

    // The command is offered only while there is a manual to open.
    void manualCommandFollowsTheFile() {
        CopyBuilt(Bin(), {"rcge.rcc", "library.dat"});
        FakeUserDialogs dialogs;
        CKadenzoApp::Options options;
        options.programDirectory = Bin();
        options.splashMinimumMs = 0;
        options.showMainWindow = false;
        CKadenzoApp app(
            dialogs,
            std::make_unique<QSettings>(root_->filePath("settings.ini"), QSettings::IniFormat),
            std::move(options));
        QVERIFY(app.InitInstance({}));
        QAction* manual = app.MainFrame()->Action(ID_MANUAL);
        QVERIFY(!manual->isEnabled());
        Touch(Share("kadenzo-de.pdf"));
        app.MainFrame()->UpdateCommandUi();
        QVERIFY(manual->isEnabled());
    }
};

QTEST_MAIN(DataFilesTest)
#include "DataFilesTest.moc"
