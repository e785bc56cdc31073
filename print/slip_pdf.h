#pragma once

#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QString>
#include <memory>

#include "print/slip_page.h"

namespace print {

/// Writes slips to a PDF file, one A4 page each, as they come: the file is written to a
/// temporary file beside it and takes its name only when `finish` succeeds, so a failed run
/// leaves any earlier file in place.
class SlipPdfFile {
  public:
    explicit SlipPdfFile(const QString& path);
    ~SlipPdfFile();
    SlipPdfFile(const SlipPdfFile&) = delete;
    SlipPdfFile& operator=(const SlipPdfFile&) = delete;

    /// Whether the temporary file could be opened; `error` says why not.
    bool is_open() const { return painter_ != nullptr; }

    void add_page(const SlipContent& content);

    /// Ends the document and gives the file its name. False, with `error`, when any write
    /// failed; the earlier file is then kept.
    bool finish();

    QString error() const { return error_; }
    int pages() const { return pages_; }

  private:
    QSaveFile file_;
    std::unique_ptr<QPdfWriter> writer_;
    std::unique_ptr<QPainter> painter_;
    PagePainter page_painter_;
    int pages_ = 0;
    QString error_;
};

/// Writes one slip to a PDF file; returns an empty text, or why it failed.
QString write_slip_pdf(const QString& path, const SlipContent& content);

}  // namespace print
