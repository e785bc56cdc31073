#include "ui/application.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

#include "print/fonts.h"
#include "print/qt_text.h"
#include "print/rule_set_text.h"
#include "ui/accessible_names.h"
#include "ui/announcement.h"
#include "ui/app_icon.h"
#include "ui/application_style.h"
#include "ui/focus_ring.h"
#include "velnaro/project.h"

namespace ui {

using print::qt_text;
using print::register_font_substitutions;

QString window_title(const pay::PayRules& rules) {
    QString title = qt_text(window_caption);
    if (rules != pay::built_in_rules()) {
        title += QStringLiteral(" — ") + print::isolated_rule_set_title(rules);
    }
    return title;
}

void name_application() {
    QCoreApplication::setApplicationName(qt_text(application_title));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(velnaro::version));
}

void configure_application(QApplication& app, const language::Catalogue& catalogue) {
    name_application();
    QGuiApplication::setDesktopFileName(QString::fromLatin1(velnaro::application_id));
    QApplication::setWindowIcon(app_icon());

    // The window speaks its language whatever the user's locale, so Qt's own texts (the OK of
    // the message box, the fields' context menus, the file and print dialogs) do too; English is
    // Qt's own.
    const language::Language language = catalogue.language();
    if (language != language::Language::en) {
        auto* translator = new QTranslator(&app);
        if (translator->load(
                QLocale(language == language::Language::fr ? QLocale::French : QLocale::Arabic),
                QStringLiteral("qtbase"), QStringLiteral("_"),
                QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            QCoreApplication::installTranslator(translator);
        }
    }
    // Installed last, so read first: ours supplies what Qt's own catalogue leaves in English.
    if (catalogue.translator() != nullptr) {
        QCoreApplication::installTranslator(catalogue.translator());
    }
    // In Arabic, menus, Qt's dialogs and every window read right to left; the main window's form,
    // drawn for right-to-left reading by its own places, sets itself left to right so as not to
    // be mirrored. Qt's catalogues would set a direction of their own: it is set here, from the
    // language.
    QGuiApplication::setLayoutDirection(language::is_right_to_left(language) ? Qt::RightToLeft
                                                                             : Qt::LeftToRight);
    use_application_style();

    register_font_substitutions();
    keep_list_names();
    read_fields_as_read_only();
    read_announcements();
    show_focus_rings(app);
}

namespace {

const QString language_key = QStringLiteral("window/language");

// The user's settings of the window, in the user's configuration folder.
QSettings window_settings() {
    return QSettings(QStringLiteral("velnaro"), QStringLiteral("velnaro"));
}

}  // namespace

language::Language window_language(std::optional<language::Language> asked) {
    if (asked) {
        return *asked;
    }
    const QSettings settings = window_settings();
    return language::language_from_code(settings.value(language_key).toString().toStdString())
        .value_or(language::Language::ar);
}

void remember_window_language(language::Language language) {
    QSettings settings = window_settings();
    settings.setValue(language_key, QString::fromLatin1(language::language_code(language)));
}

}  // namespace ui
