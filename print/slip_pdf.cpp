#include "print/slip_pdf.h"

#include "print/qt_text.h"
#include "velnaro/project.h"

namespace print {

SlipPdfFile::SlipPdfFile(const QString& path) : file_(path) {
    if (!file_.open(QIODevice::WriteOnly)) {
        error_ = file_.errorString();
        return;
    }
    writer_ = std::make_unique<QPdfWriter>(&file_);
    writer_->setCreator(qt_text(velnaro::application_title));
    writer_->setTitle(qt_text(velnaro::application_title));
    set_slip_page_layout(*writer_);
    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(writer_.get())) {
        error_ = file_.errorString();
        painter_.reset();
        file_.cancelWriting();
    }
}

SlipPdfFile::~SlipPdfFile() {
    // Unfinished: the temporary file goes, the earlier file stays.
    if (painter_) {
        file_.cancelWriting();
        painter_->end();
    }
}

void SlipPdfFile::add_page(const SlipContent& content) {
    if (!painter_) {
        return;
    }
    // The first page is begun with the painter; each later slip starts a new one, and the
    // writer keeps no page once it has written it out.
    if (pages_ > 0) {
        writer_->newPage();
    }
    page_painter_.paint(*painter_, *writer_, lay_out_slip_page(content));
    ++pages_;
}

bool SlipPdfFile::finish() {
    if (!painter_) {
        return false;
    }
    painter_->end();
    painter_.reset();
    if (!file_.commit()) {
        error_ = file_.errorString();
        return false;
    }
    return true;
}

QString write_slip_pdf(const QString& path, const SlipContent& content) {
    SlipPdfFile file(path);
    if (!file.is_open()) {
        return file.error();
    }
    file.add_page(content);
    return file.finish() ? QString() : file.error();
}

}  // namespace print
