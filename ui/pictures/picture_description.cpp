#include "ui/pictures/picture_description.h"

namespace ui::pictures {

std::vector<Text> text_items_of(const PictureDescription& description) {
    std::vector<Text> texts;
    for (const Item& item : description.items) {
        if (const auto* text = std::get_if<Text>(&item)) {
            texts.push_back(*text);
        }
    }
    return texts;
}

QStringList texts_of(const PictureDescription& description) {
    QStringList texts;
    for (const Text& text : text_items_of(description)) {
        texts.append(text.text);
    }
    return texts;
}

QString reading_text(const PictureDescription& description) {
    QStringList lines;
    QStringList headings;
    QStringList row;
    bool in_headings = false;
    const auto end_row = [&] {
        if (!row.isEmpty()) {
            lines.append(row.join(QStringLiteral("، ")) + QLatin1Char('.'));
            row.clear();
        }
    };
    for (const Text& text : text_items_of(description)) {
        const QString words = text.text.simplified();
        if (!text.cell) {
            end_row();
            in_headings = false;
            lines.append(words);
            continue;
        }
        const auto column = static_cast<qsizetype>(text.cell->column);
        if (text.cell->heading) {
            end_row();
            if (!in_headings) {
                headings.clear();
                in_headings = true;
            }
            headings.append(words);
            continue;
        }
        in_headings = false;
        if (column == 0) {
            end_row();
        }
        row.append(column < headings.size() ? headings[column] + QStringLiteral(": ") + words
                                            : words);
    }
    end_row();
    return lines.join(QLatin1Char('\n'));
}

}  // namespace ui::pictures
