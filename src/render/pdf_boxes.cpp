#include "render/pdf_boxes.h"

#include "render/pdf_box_stream.h"

#include <QBuffer>

namespace exporter {

double pointsOf(double cm) { return cm / 2.54 * 72.0; }

bool setPageBoxes(std::string& pdf, const std::vector<PageBoxes>& pages)
{
    QByteArray bytes;
    QBuffer out(&bytes);
    out.open(QIODevice::WriteOnly);
    PdfBoxStream stream(out);
    for (const PageBoxes& page : pages)
        stream.addPage(page);
    stream.holdTail();
    stream.write(pdf.data(), static_cast<qint64>(pdf.size()));
    if (!stream.finish())
        return false;
    pdf = bytes.toStdString();
    return true;
}

} // namespace exporter
