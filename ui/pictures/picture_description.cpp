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

}  // namespace ui::pictures
