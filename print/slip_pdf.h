#pragma once

#include <QIODevice>
#include <QPainter>
#include <QPdfWriter>
#include <QString>
#include <memory>

#include "print/slip_page.h"

namespace print {

/// Writes slips as one PDF document to a device opened for writing, one A4 page each, as they
/// come: each page goes out when the next one begins, so a failed write shows on the device
/// after the page that met it, not only at the end.
class SlipPdfWriter {
  public:
    explicit SlipPdfWriter(QIODevice& device);
    ~SlipPdfWriter();
    SlipPdfWriter(const SlipPdfWriter&) = delete;
    SlipPdfWriter& operator=(const SlipPdfWriter&) = delete;

    /// Whether the document could be begun.
    bool is_open() const { return painter_ != nullptr; }

    void add_page(const SlipContent& content);

    /// Ends the document; false when it could not be ended. The device tells whether its
    /// writes succeeded.
    bool finish();

    int pages() const { return pages_; }

  private:
    QPdfWriter writer_;
    std::unique_ptr<QPainter> painter_;
    PagePainter page_painter_;
    int pages_ = 0;
};

/// Writes one slip to a PDF file, which takes its name only once written whole; returns an
/// empty text, or why it failed.
QString write_slip_pdf(const QString& path, const SlipContent& content);

}  // namespace print
