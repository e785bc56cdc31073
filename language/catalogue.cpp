#include "language/catalogue.h"

#include <QTranslator>

namespace language {

Catalogue Catalogue::of(Language language) {
    Catalogue catalogue;
    catalogue.language_ = language;
    // Arabic's own catalogue holds only Qt's texts that Qt's Arabic leaves in English.
    auto translator = std::make_shared<QTranslator>();
    // The catalogues are built into the program's resources: a wrong install cannot lose them.
    if (translator->load(QStringLiteral(":/i18n/velnaro_") +
                         QString::fromLatin1(language_code(language)))) {
        catalogue.translator_ = std::move(translator);
    }
    return catalogue;
}

QString Catalogue::text(const char* context, std::string_view source) const {
    return text(context, source, -1);
}

QString Catalogue::text(const char* context, std::string_view source, int count) const {
    const std::string key(source);
    QString found;
    if (translator_) {
        found = translator_->translate(context, key.c_str(), nullptr, count);
    }
    if (found.isNull()) {
        found = QString::fromUtf8(key);
    }
    if (count >= 0) {
        found.replace(QStringLiteral("%n"), QString::number(count));
    }
    return found;
}

std::string Catalogue::utf8(const char* context, std::string_view source) const {
    return text(context, source).toStdString();
}

std::string Catalogue::utf8(const char* context, std::string_view source, int count) const {
    return text(context, source, count).toStdString();
}

bool Catalogue::has(const char* context, std::string_view source) const {
    const std::string key(source);
    return translator_ && !translator_->translate(context, key.c_str()).isEmpty();
}

}  // namespace language
