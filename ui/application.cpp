#include "ui/application.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
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

void configure_application(QApplication& app) {
    name_application();
    QGuiApplication::setDesktopFileName(QString::fromLatin1(velnaro::application_id));
    QApplication::setWindowIcon(app_icon());

    // The window speaks Arabic whatever the user's locale, so Qt's own texts (the OK of the
    // message box, the fields' context menus) do too.
    auto* translator = new QTranslator(&app);
    if (translator->load(QLocale(QLocale::Arabic), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(translator);
    }
    // Menus, Qt's dialogs and every window read right to left; the main window's form, drawn
    // for right-to-left reading by its own places, sets itself left to right so as not to be
    // mirrored.
    QGuiApplication::setLayoutDirection(Qt::RightToLeft);
    use_application_style();

    register_font_substitutions();
    keep_list_names();
    read_fields_as_read_only();
    read_announcements();
    show_focus_rings(app);
}

}  // namespace ui
