#include "ui/language_menu.h"

#include <QAction>
#include <QActionGroup>
#include <QLabel>
#include <QMenu>
#include <QWidget>
#include <array>
#include <string_view>

#include "print/qt_text.h"
#include "ui/application.h"
#include "ui/compare/compare_action.h"
#include "ui/form_language.h"

namespace ui {
namespace {

using print::qt_text;

constexpr std::string_view language_caption = "اللغة";
constexpr std::string_view next_start_text = "ستُفتح النافذة بهذه اللغة في المرة القادمة.";

// Each language named in itself, so that a user finds their own in any window.
struct LanguageEntry {
    language::Language language;
    std::string_view name;
};
constexpr std::array<LanguageEntry, 3> entries{{
    {language::Language::ar, "العربية"},
    {language::Language::fr, "Français"},
    {language::Language::en, "English"},
}};

}  // namespace

QAction* add_language_menu(QWidget& window, const language::Catalogue& catalogue,
                           const MessagePresenter& present_message) {
    auto* menu = new QMenu(shown_text(catalogue, qt_text(language_caption)), &window);
    menu->setObjectName(QStringLiteral("language_menu"));
    auto* group = new QActionGroup(menu);
    for (const LanguageEntry& entry : entries) {
        QAction* choice = menu->addAction(qt_text(entry.name));
        choice->setObjectName(QStringLiteral("language_") +
                              QString::fromLatin1(language::language_code(entry.language)));
        choice->setCheckable(true);
        choice->setChecked(entry.language == catalogue.language());
        group->addAction(choice);
        QObject::connect(
            choice, &QAction::triggered, &window, [&window, catalogue, present_message, entry] {
                remember_window_language(entry.language);
                present_message(window, {qt_text(application_title),
                                         shown_text(catalogue, qt_text(next_start_text))});
            });
    }
    QAction* action = menu->menuAction();
    window.addAction(action);
    for (const char* name : compare_menu_panels) {
        if (auto* panel = window.findChild<QLabel*>(QString::fromLatin1(name))) {
            panel->addAction(action);
        }
    }
    return action;
}

}  // namespace ui
