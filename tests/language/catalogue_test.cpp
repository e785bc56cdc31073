#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QString>
#include <QXmlStreamReader>
#include <algorithm>
#include <array>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "language/catalogue.h"
#include "language/explanation_words.h"
#include "language/pay_texts.h"
#include "pay/captions.h"
#include "pay/pay_inputs.h"
#include "pay/slip_fields.h"
#include "wording/catalogue.h"

namespace {

using language::Catalogue;
using language::Language;

// One message of a translation source file, as a translator left it.
struct Entry {
    QString context;
    QString source;
    bool finished = false;
    bool numerus = false;
    std::vector<QString> forms;
};

struct CatalogueFile {
    QString path;
    std::vector<Entry> entries;
    QString error;
};

CatalogueFile read_catalogue(const QString& path) {
    CatalogueFile file{.path = path, .entries = {}, .error = {}};
    QFile device(path);
    if (!device.open(QIODevice::ReadOnly)) {
        file.error = QStringLiteral("cannot open");
        return file;
    }
    QXmlStreamReader xml(&device);
    QString context;
    Entry entry;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) {
            continue;
        }
        const auto name = xml.name();
        if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            entry = Entry{
                .context = context,
                .source = {},
                .finished = false,
                .numerus = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes"),
                .forms = {}};
        } else if (name == QLatin1String("source")) {
            entry.source = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            const auto type = xml.attributes().value(QLatin1String("type"));
            entry.finished = type.isEmpty();
            if (entry.numerus) {
                while (xml.readNextStartElement()) {
                    entry.forms.push_back(xml.readElementText());
                }
            } else {
                entry.forms.push_back(xml.readElementText());
            }
            file.entries.push_back(entry);
        }
    }
    if (xml.hasError()) {
        file.error = xml.errorString();
    }
    return file;
}

std::vector<CatalogueFile> catalogue_files() {
    std::vector<CatalogueFile> files;
    for (const QString& path :
         QString::fromUtf8(VELNARO_CATALOGUE_FILES).split(QLatin1Char('|'), Qt::SkipEmptyParts)) {
        files.push_back(read_catalogue(path));
    }
    return files;
}

bool has_arabic_letter(const QString& text) {
    static const QRegularExpression arabic(QStringLiteral("[\\x{0600}-\\x{06FF}]"));
    return text.contains(arabic);
}

TEST(CatalogueFiles, EveryEntryIsFinishedAndFilled) {
    auto files = catalogue_files();
    ASSERT_GE(files.size(), 2U);
    const std::size_t translated = files.size();
    files.push_back(read_catalogue(QString::fromUtf8(VELNARO_ARABIC_CATALOGUE_FILE)));
    for (std::size_t i = 0; i < files.size(); ++i) {
        const CatalogueFile& file = files[i];
        const bool arabic = i >= translated;
        SCOPED_TRACE(file.path.toStdString());
        ASSERT_TRUE(file.error.isEmpty()) << file.error.toStdString();
        ASSERT_FALSE(file.entries.empty());
        for (const Entry& entry : file.entries) {
            SCOPED_TRACE((entry.context + QLatin1Char('/') + entry.source).toStdString());
            EXPECT_TRUE(entry.finished) << "unfinished";
            ASSERT_FALSE(entry.forms.empty());
            for (const QString& form : entry.forms) {
                EXPECT_FALSE(form.trimmed().isEmpty()) << "empty translation";
                EXPECT_EQ(has_arabic_letter(form), arabic) << form.toStdString();
                // A count the source shows is shown by every form.
                EXPECT_EQ(form.contains(QLatin1String("%n")),
                          entry.source.contains(QLatin1String("%n")))
                    << form.toStdString();
            }
        }
    }
}

TEST(CatalogueFiles, EveryLanguageHoldsTheSameTexts) {
    const auto files = catalogue_files();
    ASSERT_GE(files.size(), 2U);
    const auto keys = [](const CatalogueFile& file) {
        std::set<std::pair<QString, QString>> all;
        for (const Entry& entry : file.entries) {
            EXPECT_TRUE(all.emplace(entry.context, entry.source).second)
                << "twice: " << entry.source.toStdString();
        }
        return all;
    };
    const auto first = keys(files.front());
    for (const CatalogueFile& file : files) {
        EXPECT_EQ(keys(file), first) << file.path.toStdString();
    }
}

class EachTranslatedLanguage : public testing::TestWithParam<Language> {};

// pay/ is plain C++: lupdate never sees its texts, so each is looked up here as the programs show
// it.
TEST_P(EachTranslatedLanguage, HasEveryTextOfPay) {
    const Catalogue catalogue = Catalogue::of(GetParam());
    const std::vector<std::string> texts = language::pay_source_texts();
    // 21 field titles, 7 choice captions (one the same as a field's), 2 headings (one the same
    // as a choice's caption), 4 scales, 3 zones, yes, no and the exceptional rank.
    EXPECT_EQ(texts.size(), 21U + 6U + 1U + 4U + 3U + 2U + 1U);
    for (const std::string& text : texts) {
        EXPECT_TRUE(catalogue.has(language::pay_context, text)) << text;
        EXPECT_FALSE(has_arabic_letter(catalogue.text(language::pay_context, text))) << text;
    }
}

// The window's captions carry tatweel and layout spaces; the catalogue knows each by its title.
TEST_P(EachTranslatedLanguage, FindsCaptionsAsTheWindowWritesThem) {
    const Catalogue catalogue = Catalogue::of(GetParam());
    for (const pay::SlipFieldInfo& info : pay::slip_fields) {
        EXPECT_EQ(language::pay_text(catalogue, info.label),
                  catalogue.text(language::pay_context, pay::field_title(info.field)))
            << info.label;
        EXPECT_FALSE(has_arabic_letter(language::pay_text(catalogue, info.label))) << info.label;
    }
}

// How many times each of %1 to %9 stands in a text.
std::array<int, 9> placeholder_counts(std::string_view text) {
    std::array<int, 9> counts{};
    for (std::size_t at = text.find('%'); at != std::string_view::npos && at + 1 < text.size();
         at = text.find('%', at + 1)) {
        if (text[at + 1] >= '1' && text[at + 1] <= '9') {
            ++counts[static_cast<std::size_t>(text[at + 1] - '1')];
        }
    }
    return counts;
}

// Every sentence and name of an explanation has its own entry, worded in the language, that takes
// the same arguments as the Arabic: a lost or doubled %n would drop or repeat a number.
TEST_P(EachTranslatedLanguage, WordsEveryExplanationTextWithItsPlaceholders) {
    const Catalogue catalogue = Catalogue::of(GetParam());
    const wording::Catalogue& arabic = wording::arabic_catalogue();
    const language::ExplanationWords translated(catalogue);
    const wording::Catalogue& words = translated.words();
    const auto check = [&catalogue](std::string_view source, std::string_view shown) {
        SCOPED_TRACE(std::string(source));
        EXPECT_EQ(placeholder_counts(shown), placeholder_counts(source)) << shown;
        // A name that is only its argument, or no name at all, has nothing to translate.
        if (source.empty() || source == "%1") {
            EXPECT_EQ(shown, source);
            return;
        }
        EXPECT_TRUE(catalogue.has(language::explanation_context, source));
        EXPECT_FALSE(shown.empty());
        EXPECT_FALSE(has_arabic_letter(
            QString::fromUtf8(shown.data(), static_cast<qsizetype>(shown.size()))))
            << shown;
    };
    for (std::size_t i = 0; i < arabic.messages.size(); ++i) {
        check(arabic.messages[i], words.messages[i]);
        for (const int count : placeholder_counts(words.messages[i])) {
            EXPECT_LE(count, 1) << words.messages[i];
        }
    }
    for (std::size_t i = 0; i < arabic.term_names.size(); ++i) {
        check(arabic.term_names[i], words.term_names[i]);
    }
    check(arabic.kept_field_name, words.kept_field_name);
    check(arabic.shown_before_name, words.shown_before_name);
    check(arabic.rounding_note, words.rounding_note);
    check(arabic.rounding_note_both, words.rounding_note_both);
    check(arabic.list_separator, words.list_separator);
    for (const pay::SlipFieldInfo& info : pay::slip_fields) {
        EXPECT_EQ(words.field_names[static_cast<std::size_t>(info.field)],
                  language::pay_text_utf8(catalogue, pay::field_title(info.field)));
    }
    // Every zone a sentence names, and yes and no, which its quoted answers are.
    for (const std::string_view item : {pay::zone_items[0], pay::zone_items[1], pay::zone_items[2],
                                        pay::yes_text, pay::no_text}) {
        const auto named =
            std::find_if(words.item_names.begin(), words.item_names.end(),
                         [&](const wording::ItemName& n) { return n.arabic == item; });
        ASSERT_NE(named, words.item_names.end()) << item;
        EXPECT_EQ(named->shown, language::pay_text_utf8(catalogue, item));
        EXPECT_FALSE(has_arabic_letter(
            QString::fromUtf8(named->shown.data(), static_cast<qsizetype>(named->shown.size()))))
            << item;
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, EachTranslatedLanguage,
                         testing::Values(Language::fr, Language::en),
                         [](const testing::TestParamInfo<Language>& info) {
                             return std::string(language::language_code(info.param));
                         });

TEST(ArabicCatalogue, ShowsEveryTextAsWritten) {
    const Catalogue arabic;
    EXPECT_EQ(arabic.language(), Language::ar);
    for (const pay::SlipFieldInfo& info : pay::slip_fields) {
        // Byte for byte, tatweel and trailing spaces included.
        EXPECT_EQ(language::pay_text_utf8(arabic, info.label), info.label);
    }
    EXPECT_EQ(language::pay_text_utf8(Catalogue::of(Language::ar), pay::choice_captions[1]),
              "الرتبــــة");
}

// Arabic words every explanation as written: the wording's own catalogue, not a copy looked up.
TEST(ArabicCatalogue, WordsExplanationsAsWritten) {
    EXPECT_EQ(&language::ExplanationWords(Catalogue()).words(), &wording::arabic_catalogue());
    EXPECT_EQ(&language::ExplanationWords(Catalogue::of(Language::ar)).words(),
              &wording::arabic_catalogue());
}

struct Worded {
    Language language;
    std::string_view arabic;
    std::string_view shown;
};

TEST(Catalogues, WordTheCivilServicePayTerms) {
    const std::vector<Worded> rows{
        {Language::fr, "الراتب الأساسي السنوي", "Traitement de base annuel"},
        {Language::fr, "التعويض عن الإقامــة", "Indemnité de résidence"},
        {Language::fr, "التعويضات العائليــة", "Allocations familiales"},
        {Language::fr, "الضريبة العامة على الدخل", "Impôt sur le revenu"},
        {Language::fr, "الأجرة الشهرية", "Salaire net mensuel"},
        {Language::en, "الراتب الأساسي السنوي", "Annual base salary"},
        {Language::en, "التعويض عن الإقامــة", "Residence allowance"},
        {Language::en, "نعم", "Yes"},
        {Language::en, "ج", "C"},
    };
    for (const Worded& row : rows) {
        EXPECT_EQ(language::pay_text_utf8(Catalogue::of(row.language), row.arabic), row.shown)
            << row.arabic;
    }
}

TEST(Catalogues, CountsTakeTheLanguagesPluralForms) {
    constexpr std::string_view arrears = "arrears (%n month(s))";
    const Catalogue english = Catalogue::of(Language::en);
    const Catalogue french = Catalogue::of(Language::fr);
    EXPECT_EQ(english.utf8("velnaro-calc", arrears, 1), "arrears (1 month)");
    EXPECT_EQ(english.utf8("velnaro-calc", arrears, 2), "arrears (2 months)");
    EXPECT_EQ(english.utf8("velnaro-calc", arrears, 0), "arrears (0 months)");
    // French takes the singular for 0 and 1; "mois" is the same in both.
    EXPECT_EQ(french.utf8("velnaro-calc", arrears, 0), "rappel (0 mois)");
    EXPECT_EQ(french.utf8("velnaro-calc", arrears, 600), "rappel (600 mois)");
}

TEST(Languages, CodesReadBack) {
    for (const Language each : language::all_languages) {
        EXPECT_EQ(language::language_from_code(language::language_code(each)), each);
    }
    EXPECT_FALSE(language::language_from_code("AR"));
    EXPECT_FALSE(language::language_from_code("de"));
    EXPECT_FALSE(language::language_from_code(""));
}

}  // namespace
