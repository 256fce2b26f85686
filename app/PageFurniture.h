#pragma once

#include <QRect>

class QPainter;
class QPrinter;

namespace kadenzo {

class CKadenzoDoc;

// The furniture of every printed page of both views: margins, picture 234 in
// the top right corner, a footer with the date, the training log's name and
// the page number, and a rule above the footer. Returns the rectangle (in the
// painter's device coordinates) left for the view's own content.
QRect PrintPageFurniture(QPainter& painter, const QPrinter& printer, int pageNumber,
                         const CKadenzoDoc& document);

}  // namespace kadenzo
