// Prints where the screen shows a colour, for the end-to-end script that
// drives the program with the mouse: find-colour-box #RRGGBB prints the
// bounding box "x y width height" of the pixels of exactly that colour on the
// X display, or exits with 1 when there are none.
#include <QColor>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <algorithm>
#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc != 2 || !QColor::isValidColorName(QString::fromLatin1(argv[1]))) {
        std::fprintf(stderr, "usage: find-colour-box #RRGGBB\n");
        return 2;
    }
    QGuiApplication application(argc, argv);
    const QRgb wanted = QColor(QString::fromLatin1(argv[1])).rgb() & 0xFFFFFF;
    const QImage image =
        QGuiApplication::primaryScreen()->grabWindow(0).toImage().convertToFormat(
            QImage::Format_RGB32);
    int left = image.width(), top = image.height(), right = -1, bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if ((line[x] & 0xFFFFFF) != wanted) continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    if (right < 0) return 1;
    std::printf("%d %d %d %d\n", left, top, right - left + 1, bottom - top + 1);
    return 0;
}
