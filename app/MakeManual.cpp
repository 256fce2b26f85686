// Build step: makes the user manual's PDF from its Markdown source.
//   kadenzo-make-manual <manual.md> <manual.pdf>
// Pictures are taken relative to the Markdown file; missing ones are named
// and left out, so the manual builds before its screenshots exist.
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <cstdio>

#include "ManualDocument.h"

int main(int argc, char* argv[]) {
    // A build step needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 3) {
        std::fprintf(stderr, "usage: kadenzo-make-manual <manual.md> <manual.pdf>\n");
        return 2;
    }
    QFile source(arguments.at(1));
    if (!source.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "kadenzo-make-manual: cannot read %s\n", qPrintable(arguments.at(1)));
        return 1;
    }
    const kadenzo::ManualDocument manual = kadenzo::MakeManualDocument(
        QString::fromUtf8(source.readAll()), QFileInfo(source).absolutePath());
    for (const QString& picture : manual.missing)
        std::fprintf(stderr, "kadenzo-make-manual: %s: no picture %s, left out\n",
                     qPrintable(QFileInfo(source).fileName()), qPrintable(picture));
    if (!kadenzo::WriteManualPdf(manual, arguments.at(2))) {
        std::fprintf(stderr, "kadenzo-make-manual: cannot write %s\n", qPrintable(arguments.at(2)));
        return 1;
    }
    return 0;
}
