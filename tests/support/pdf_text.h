#pragma once

#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QtGlobal>

namespace test_support {

/// A PDF's text as pdftotext (poppler-utils) gives it, of one page from 1 or of every page (0),
/// folded as search and paste fold it: presentation forms to letters (NFKC), no bidi marks, and
/// no white space, which pdftotext puts between glyphs by their gaps, even inside a word. Empty,
/// with a warning, when pdftotext does not run.
inline QString folded_pdf_text(const QString& pdf, int page = 0) {
    QStringList arguments;
    if (page > 0) {
        arguments << QStringLiteral("-f") << QString::number(page) << QStringLiteral("-l")
                  << QString::number(page);
    }
    arguments << QStringLiteral("-enc") << QStringLiteral("UTF-8") << pdf << QStringLiteral("-");
    QProcess tool;
    tool.start(QStringLiteral("pdftotext"), arguments);
    if (!tool.waitForFinished() || tool.exitCode() != 0) {
        qWarning("pdftotext (poppler-utils) did not run");
        return {};
    }
    return QString::fromUtf8(tool.readAllStandardOutput())
        .normalized(QString::NormalizationForm_KC)
        .remove(QRegularExpression(QStringLiteral("[\\x{200E}\\x{200F}\\x{202A}-\\x{202E}"
                                                  "\\x{2066}-\\x{2069}\\x{061C}\\s]")));
}

}  // namespace test_support
