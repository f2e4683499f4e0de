// The lists' font and colours.
#include "app/options/list_appearance.h"

#include <QAbstractItemView>
#include <QPalette>
#include <QWidget>

#include "app/widgets/qt_ui.h"
#include "settings/settings_store.h"

namespace quillon::app {

namespace {
constexpr const char* kFontKey = "ListFont";
constexpr const char* kTextKey = "ListTextColor";
constexpr const char* kBackKey = "ListBackColor";

std::optional<QColor> colour(settings::SettingsStore& store, const char* key)
{
    const QColor c(fromCp1252(store.readSetting(kAppearanceSection, key)).trimmed());
    if (!c.isValid())
        return std::nullopt;
    return c;
}
}  // namespace

ListAppearance readListAppearance(settings::SettingsStore& store)
{
    ListAppearance a;
    const QString font = fromCp1252(store.readSetting(kAppearanceSection, kFontKey)).trimmed();
    QFont f;
    if (!font.isEmpty() && f.fromString(font))
        a.font = f;
    a.text = colour(store, kTextKey);
    a.background = colour(store, kBackKey);
    return a;
}

void writeListAppearance(settings::SettingsStore& store, const ListAppearance& a)
{
    store.writeSetting(kAppearanceSection, kFontKey, a.font ? toCp1252(a.font->toString()) : "");
    store.writeSetting(kAppearanceSection, kTextKey,
                       a.text ? toCp1252(a.text->name(QColor::HexRgb)) : "");
    store.writeSetting(kAppearanceSection, kBackKey,
                       a.background ? toCp1252(a.background->name(QColor::HexRgb)) : "");
}

void applyListAppearance(QWidget* root, const ListAppearance& a)
{
    for (QAbstractItemView* view : root->findChildren<QAbstractItemView*>()) {
        // The design font and palette are kept once, so that a default can bring them back.
        if (!view->property("quillonFont").isValid()) {
            view->setProperty("quillonFont", view->font());
            view->setProperty("quillonPalette", view->palette());
        }
        view->setFont(a.font ? *a.font : view->property("quillonFont").value<QFont>());
        QPalette palette = view->property("quillonPalette").value<QPalette>();
        if (a.text) {
            palette.setColor(QPalette::Text, *a.text);
            palette.setColor(QPalette::WindowText, *a.text);
        }
        if (a.background) {
            palette.setColor(QPalette::Base, *a.background);
            palette.setColor(QPalette::AlternateBase, a.background->darker(105));
        }
        view->setPalette(palette);
    }
}

}  // namespace quillon::app
