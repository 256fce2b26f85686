// Build tool: renders the SVG drawings listed in a manifest to PNG files named
// after their resource numbers.
//
//   kadenzo-render-svg MANIFEST OUTDIR
//
// Manifest lines: "id width height background file.svg", background "white"
// (opaque, as the sport icons must be: they are drawn with an AND operation)
// or "transparent"; lines not starting with a digit are comments.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>
#include <cstdio>
#include <cstdlib>

namespace {

bool RenderOne(const QString& svgPath, int width, int height, bool white, const QString& out) {
    QSvgRenderer renderer(svgPath);
    if (!renderer.isValid()) {
        std::fprintf(stderr, "kadenzo-render-svg: cannot read %s\n", qPrintable(svgPath));
        return false;
    }
    QImage image(width, height, white ? QImage::Format_RGB32 : QImage::Format_ARGB32);
    image.fill(white ? Qt::white : Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter, QRectF(0, 0, width, height));
    }
    if (!image.save(out, "PNG")) {
        std::fprintf(stderr, "kadenzo-render-svg: cannot write %s\n", qPrintable(out));
        return false;
    }
    return true;
}

// The offscreen platform complains about a missing XDG_RUNTIME_DIR, which a
// build does not need; everything else is passed on.
void QuietHandler(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (message.startsWith(QLatin1String("QStandardPaths:"))) return;
    std::fprintf(stderr, "%s\n", qPrintable(message));
    if (type == QtFatalMsg) std::abort();
}

}  // namespace

int main(int argc, char** argv) {
    qInstallMessageHandler(QuietHandler);
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fputs("usage: kadenzo-render-svg MANIFEST OUTDIR\n", stderr);
        return 2;
    }
    QFile manifest(args[1]);
    if (!manifest.open(QIODevice::ReadOnly | QIODevice::Text)) {
        std::fprintf(stderr, "kadenzo-render-svg: cannot read %s\n", qPrintable(args[1]));
        return 1;
    }
    const QDir sourceDir = QFileInfo(args[1]).absoluteDir();
    const QDir outDir(args[2]);
    if (!outDir.mkpath(QStringLiteral("."))) return 1;

    QTextStream in(&manifest);
    int failures = 0;
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.isEmpty() || !line.front().isDigit()) continue;
        const QStringList fields = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        bool idOk = false, wOk = false, hOk = false;
        const int id = fields.value(0).toInt(&idOk);
        const int width = fields.value(1).toInt(&wOk);
        const int height = fields.value(2).toInt(&hOk);
        if (fields.size() != 5 || !idOk || !wOk || !hOk || width <= 0 || height <= 0 ||
            width > 4096 || height > 4096) {
            std::fprintf(stderr, "kadenzo-render-svg: bad line: %s\n", qPrintable(line));
            ++failures;
            continue;
        }
        const bool white = fields[3] == QLatin1String("white");
        if (!RenderOne(sourceDir.filePath(fields[4]), width, height, white,
                       outDir.filePath(QStringLiteral("%1.png").arg(id)))) {
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
