#include "ui/explanation_window.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QVBoxLayout>
#include <algorithm>
#include <set>
#include <utility>
#include <vector>

#include "print/bidi_text.h"
#include "print/fonts.h"
#include "print/qt_text.h"
#include "ui/form_language.h"
#include "ui/screen_placement.h"

namespace ui {

using print::left_to_right;
using print::qt_text;
using print::window_font;
namespace {

struct Line {
    QString text;
    Qt::LayoutDirection direction = Qt::RightToLeft;
    bool heading = false;
};

// Whether the named terms end with the field's own amount, which a heading may already say.
enum class OwnAmount { listed, left_out };

// The sentence, the formula lines and the named terms: what the explanation adds to the field's
// name and amount.
std::vector<Line> body_lines(const wording::Explanation& explanation, OwnAmount own,
                             Qt::LayoutDirection direction) {
    std::vector<Line> lines;
    lines.push_back({qt_text(explanation.sentence), direction, false});
    if (explanation.kind != pay::ExplanationKind::computed) {
        return lines;
    }
    // A formula that is the field's amount alone says nothing the amount does not.
    const auto own_term =
        std::find_if(explanation.terms.begin(), explanation.terms.end(),
                     [&](const wording::Term& term) { return term.name == explanation.name; });
    for (const QString& formula : qt_text(explanation.formula).split(QLatin1Char('\n'))) {
        if (own == OwnAmount::left_out && own_term != explanation.terms.end() &&
            formula == qt_text(own_term->value)) {
            continue;
        }
        lines.push_back({left_to_right(formula), Qt::LeftToRight, false});
    }
    // Each number of the formula once, by its name.
    std::set<std::pair<std::string, std::string>> named;
    for (const wording::Term& term : explanation.terms) {
        if (own == OwnAmount::left_out && term.name == explanation.name) {
            continue;
        }
        if (named.insert({term.name, term.value}).second) {
            lines.push_back({QStringLiteral("• ") + qt_text(term.name) + QStringLiteral(": ") +
                                 left_to_right(qt_text(term.value)),
                             direction, false});
        }
    }
    return lines;
}

// The field's name and amount as a heading, then the body.
std::vector<Line> lines_of(const wording::Explanation& explanation, const QString& shown,
                           Qt::LayoutDirection direction) {
    const QString name = qt_text(explanation.name);
    std::vector<Line> lines{
        {shown.isEmpty() ? name : name + QStringLiteral(": ") + left_to_right(shown), direction,
         true}};
    const std::vector<Line> body = body_lines(explanation, OwnAmount::listed, direction);
    lines.insert(lines.end(), body.begin(), body.end());
    return lines;
}

QString html_escaped(const QString& text) {
    return text.toHtmlEscaped();
}

Qt::LayoutDirection direction_of(const language::Catalogue& catalogue) {
    return language::is_right_to_left(catalogue.language()) ? Qt::RightToLeft : Qt::LeftToRight;
}

// The edge a line of the language starts from, whichever way the line itself reads.
Qt::Alignment starting_edge(Qt::LayoutDirection direction) {
    return (direction == Qt::RightToLeft ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignAbsolute;
}

/// A small window, read in its language's direction, holding the explanation as selectable
/// text.
class ExplanationDialog : public QDialog {
  public:
    ExplanationDialog(const wording::Explanation& explanation, const QString& shown,
                      QWidget* parent, const language::Catalogue& catalogue)
        : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowCloseButtonHint) {
        const Qt::LayoutDirection direction = direction_of(catalogue);
        const QString title = shown_text(catalogue, qt_text(explanation_title));
        setObjectName(QStringLiteral("ExplanationWindow"));
        setWindowTitle(title);
        setAccessibleName(title);
        setLayoutDirection(direction);
        setModal(true);

        auto* text = new QTextEdit(this);
        text->setObjectName(QStringLiteral("ExplanationText"));
        text->setReadOnly(true);
        text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        text->setTabChangesFocus(true);
        text->setFont(window_font(12));
        text->setAccessibleName(qt_text(explanation.name));
        // A screen reader reads the text itself as the field's value: no description repeats it.
        fill(*text->document(), lines_of(explanation, shown, direction), starting_edge(direction));

        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
        buttons->setObjectName(QStringLiteral("ExplanationButtons"));
        connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

        auto* layout = new QVBoxLayout(this);
        layout->addWidget(text);
        layout->addWidget(buttons);

        // Wide enough for a formula line, high enough for the whole text up to a limit.
        constexpr int width = 560;
        constexpr int most_height = 460;
        text->document()->setTextWidth(width - 2 * text->frameWidth() - 8);
        const int text_height =
            static_cast<int>(text->document()->size().height()) + 2 * text->frameWidth() + 8;
        text->setMinimumHeight(std::min(text_height, most_height));
        resize(width, sizeHint().height());
        text->setFocus(Qt::OtherFocusReason);

        centre_on_screen(*this, parent);
    }

  private:
    static void fill(QTextDocument& document, const std::vector<Line>& lines, Qt::Alignment edge) {
        document.clear();
        QTextCursor cursor(&document);
        bool first = true;
        for (const Line& line : lines) {
            QTextBlockFormat block;
            block.setLayoutDirection(line.direction);
            // Formula lines stand at the sentence's edge, read left to right.
            block.setAlignment(edge);
            block.setBottomMargin(line.heading ? 6 : 2);
            QTextCharFormat characters;
            characters.setFontWeight(line.heading ? QFont::Bold : QFont::Normal);
            if (first) {
                cursor.setBlockFormat(block);
                cursor.setBlockCharFormat(characters);
                first = false;
            } else {
                cursor.insertBlock(block, characters);
            }
            cursor.insertText(line.text, characters);
        }
    }
};

}  // namespace

QString explanation_tooltip(const wording::Explanation& explanation,
                            Qt::LayoutDirection direction) {
    const bool right_to_left = direction == Qt::RightToLeft;
    QString html = (right_to_left ? QStringLiteral("<p dir=\"rtl\">") : QStringLiteral("<p>")) +
                   html_escaped(qt_text(explanation.sentence)) + QStringLiteral("</p>");
    if (explanation.kind == pay::ExplanationKind::computed) {
        const QString formula_start = right_to_left
                                          ? QStringLiteral("<p dir=\"ltr\" align=\"right\">")
                                          : QStringLiteral("<p dir=\"ltr\">");
        for (const QString& formula : qt_text(explanation.formula).split(QLatin1Char('\n'))) {
            html += formula_start + html_escaped(formula) + QStringLiteral("</p>");
        }
    }
    return html;
}

QString explanation_description(const wording::Explanation& explanation) {
    QStringList texts;
    // The lines' direction is a matter of layout, which a description has none of.
    for (const Line& line : body_lines(explanation, OwnAmount::left_out, Qt::RightToLeft)) {
        texts << line.text;
    }
    return texts.join(QLatin1Char('\n'));
}

void open_explanation_window(const wording::Explanation& explanation, const QString& shown,
                             QWidget* parent, const language::Catalogue& catalogue) {
    ExplanationDialog dialog(explanation, shown, parent, catalogue);
    dialog.exec();
}

}  // namespace ui
