#pragma once

#include <QString>
#include <memory>
#include <string>
#include <string_view>

#include "language/language.h"

class QTranslator;

namespace language {

/// The texts of one language, looked up by context and Arabic source text. A value: copies share
/// one loaded catalogue. The programs build one at start and hand it down; nothing global is
/// needed, so a program without a Qt application object translates as the window does.
class Catalogue {
  public:
    /// Arabic: every text as it is written.
    Catalogue() = default;

    /// The catalogue of `language`, built into the programs.
    static Catalogue of(Language language);

    Language language() const { return language_; }

    /// `source` in this language; the source itself where the catalogue has no entry (and in
    /// Arabic always).
    QString text(const char* context, std::string_view source) const;

    /// A text that shows a count: `%n` replaced by `count`, in the plural form the language
    /// takes for it.
    QString text(const char* context, std::string_view source, int count) const;

    /// `text` as UTF-8, for the command-line programs.
    std::string utf8(const char* context, std::string_view source) const;
    std::string utf8(const char* context, std::string_view source, int count) const;

    /// Whether the catalogue holds a finished entry for `source`: what the completeness test asks
    /// of every text.
    bool has(const char* context, std::string_view source) const;

    /// The loaded catalogue, for the window to install in its application so that `tr` and Qt's
    /// own dialogs read it.
    QTranslator* translator() const { return translator_.get(); }

  private:
    Language language_ = Language::ar;
    std::shared_ptr<QTranslator> translator_;
};

}  // namespace language
