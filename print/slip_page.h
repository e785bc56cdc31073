#pragma once

#include <QDateTime>
#include <QGlyphRun>
#include <QHash>
#include <QLineF>
#include <QList>
#include <QRectF>
#include <QString>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "language/catalogue.h"
#include "pay/pay_inputs.h"
#include "pay/rules.h"
#include "pay/slip_fields.h"
#include "pay/slip_view.h"
#include "print/shown_value.h"

class QPainter;
class QPagedPaintDevice;

namespace pay {
class PaySession;
}

namespace print {

/// One shown amount of a slip: the window's label, the shown text and, for a yearly amount, its
/// monthly twelfth.
struct SlipAmount {
    QString label;
    QString text;
    QString monthly;
};

/// How one amount was computed, from the explanation of its field.
struct SlipFormula {
    pay::SlipField field;
    /// The explanation's formula lines, separated by "\n"; each reads left to right.
    QString formula;
};

/// A line printed above a slip that names whose it is, as "caption: value". The value is taken
/// as a file holds it: the page shows it safely (`shown_value`).
struct SlipHeading {
    QString caption;
    QString value;
    ValueReading reading = ValueReading::own_direction;
};

/// The page's own captions in one language, and the direction the page reads in: Arabic from
/// the right, French and English as its mirror, from the left.
struct SlipCaptions {
    QString title;
    QString printed;
    QString rules;
    QString choices;
    /// In the order of `pay::all_choices`.
    std::array<QString, pay::all_choices.size()> choice_captions;
    QString yearly;
    QString monthly;
    QString earnings_heading;
    QString deductions_heading;
    QString bracket;
    QString formulas;
    Qt::LayoutDirection direction = Qt::RightToLeft;
};

/// The captions of the page in the language of `catalogue`.
SlipCaptions slip_captions(const language::Catalogue& catalogue);

/// Everything a printed slip shows.
struct SlipContent {
    /// The page's captions, and the amounts' labels below, in the page's language.
    SlipCaptions captions;
    std::vector<SlipHeading> headings;
    QDateTime printed_at;
    /// The title of the rule set the amounts were computed with, isolated for a right-to-left
    /// line.
    QString rule_set;
    /// The choices of the press that computed, in the order of `pay::all_choices`.
    std::array<QString, pay::all_choices.size()> choices;
    /// Indexed by `pay::SlipField`.
    std::array<SlipAmount, pay::slip_field_count> amounts;
    /// The tax bracket that the taxable amount falls in.
    QString bracket;
    /// The formulas of the amounts whose formula does more than restate the amount (a grid
    /// amount, a kept value), in the order of `pay::SlipField`.
    std::vector<SlipFormula> formulas;
    /// On a bilingual page, each caption, label and list item in the page's second language,
    /// by its text in the first: printed under it, left to right. Empty on a page of one
    /// language.
    QHash<QString, QString> second_language;
};

/// `content` made bilingual: each of its captions, labels and list items paired with the same
/// text of `second`, the same slip in another language.
void pair_languages(SlipContent& content, const SlipContent& second);

/// The slip of a session's last computation, made from the choices that computed it, with the
/// session's rules, in the language of `catalogue`.
SlipContent slip_content(const pay::PaySession& session, const pay::PayInputs& choices,
                         const QString& decimal_separator, const QDateTime& printed_at,
                         const language::Catalogue& catalogue = {});

/// The tax bracket the computation put the taxable amount in, as its bounds: "من 0.00 إلى
/// 30000.00", "أكثر من 30000.00 إلى 50000.00", "أكثر من 180000.00"; for no bracket, the words
/// that say the amount lies below them all.
QString tax_bracket_text(const std::optional<pay::BracketReached>& bracket,
                         const std::string& separator, const language::Catalogue& catalogue = {});

/// The slip as text for pasting: the date, the rule set and the choices as the page has them,
/// a blank line, then one line per amount; each line a caption, a tab and its text.
QString slip_as_text(const SlipContent& content);

/// One text of the page, placed in millimetres from the top-left corner of the printable area.
struct PageText {
    QRectF place;
    QString text;
    qreal points;
    bool bold;
    Qt::LayoutDirection direction;
    Qt::Alignment alignment;
    /// Whether a painter keeps the text's shaped glyphs for later pages: a caption, seen on
    /// every page, is worth keeping; a name, seen once, is not.
    bool kept = true;
};

/// A page laid out: its texts and its rules.
struct PageLayout {
    std::vector<PageText> texts;
    std::vector<QLineF> rules;
};

/// The page of a slip on an A4 portrait sheet, in the window's font: reading from the right, or
/// as its mirror from the left when the captions read left to right.
PageLayout lay_out_slip_page(const SlipContent& content);

/// The resolution of the slips' PDF pages, in dots per inch: the one a page's names and ids are
/// fitted at.
inline constexpr int slip_pdf_dpi = 1200;

/// Sets a printer or PDF writer to A4 portrait with the slip's margins.
void set_slip_page_layout(QPagedPaintDevice& device);

/// Paints laid-out pages, keeping the shaped glyphs of the texts it has drawn for the next pages:
/// the captions of every slip are the same, and shaping text is most of the work of a page. The
/// kept texts are bounded, so a run of any length uses the same memory. A text that is not
/// `kept` is shaped for its page alone.
class PagePainter {
  public:
    /// Paints a laid-out page on the painter's current page of `device`.
    void paint(QPainter& painter, const QPagedPaintDevice& device, const PageLayout& page);

  private:
    // A text's glyphs, placed from the top-left corner of its box, in device units.
    using Shaped = QList<QGlyphRun>;
    static Shaped shaped(const PageText& text, const QPaintDevice& device, qreal per_mm);
    const Shaped& kept_shaped(const PageText& text, const QPaintDevice& device, qreal per_mm);

    QHash<QString, Shaped> shaped_;
    int dpi_ = 0;
};

/// Paints a laid-out page on the painter's current page of `device`.
void paint_page(QPainter& painter, const QPagedPaintDevice& device, const PageLayout& page);

}  // namespace print
