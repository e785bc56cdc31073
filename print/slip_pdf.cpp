#include "print/slip_pdf.h"

#include <QSaveFile>

#include "print/qt_text.h"
#include "velnaro/project.h"

namespace print {

SlipPdfWriter::SlipPdfWriter(QIODevice& device) : writer_(&device) {
    writer_.setCreator(qt_text(velnaro::application_title));
    writer_.setTitle(qt_text(velnaro::application_title));
    writer_.setResolution(slip_pdf_dpi);
    set_slip_page_layout(writer_);
    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(&writer_)) {
        painter_.reset();
    }
}

SlipPdfWriter::~SlipPdfWriter() {
    if (painter_) {
        painter_->end();
    }
}

void SlipPdfWriter::add_page(const SlipContent& content) {
    if (!painter_) {
        return;
    }
    // The first page is begun with the painter; each later slip starts a new one, and the
    // writer keeps no page once it has written it out.
    if (pages_ > 0) {
        writer_.newPage();
    }
    page_painter_.paint(*painter_, writer_, lay_out_slip_page(content));
    ++pages_;
}

bool SlipPdfWriter::finish() {
    if (!painter_) {
        return false;
    }
    const bool ended = painter_->end();
    painter_.reset();
    return ended;
}

QString write_slip_pdf(const QString& path, const SlipContent& content) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return file.errorString();
    }
    SlipPdfWriter pdf(file);
    pdf.add_page(content);
    if (!pdf.finish() || !file.commit()) {
        // Unfinished: the temporary file goes, the earlier file stays.
        return file.errorString();
    }
    return {};
}

}  // namespace print
