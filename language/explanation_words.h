#pragma once

#include <memory>
#include <string>
#include <vector>

#include "language/catalogue.h"
#include "wording/catalogue.h"

namespace language {

/// The context of the sentences and names that word an explanation, keyed by their Arabic.
inline constexpr const char* explanation_context = "explanation";

/// The explanation's words in the language of a catalogue, looked up once: a program builds it
/// at start and words every slip with it. A value: copies share the looked-up texts.
class ExplanationWords {
  public:
    /// Arabic: the wording's own catalogue, as written.
    ExplanationWords();
    explicit ExplanationWords(const Catalogue& catalogue);

    const wording::Catalogue& words() const { return *words_; }

  private:
    std::shared_ptr<const wording::Catalogue> words_;
};

/// Every Arabic text of the explanation that a translated catalogue holds, each once: the
/// sentences, the term names that are words, the kept and shown-before names and the notes.
std::vector<std::string> explanation_source_texts();

}  // namespace language
