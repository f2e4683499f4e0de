// The program's own icon set, loaded from its resources.
#include "app/widgets/icon_set.h"

#include <QFile>

namespace quillon::app {

namespace {

// Module icon suffixes by (number - 1) / 2.
constexpr std::array<const char*, 13> kFoldSuffixes = {"",
                                                       "16",
                                                       "32",
                                                       "X",
                                                       "NotFound",
                                                       "BlueHook",
                                                       "RedHook",
                                                       "U",
                                                       "Exclamation",
                                                       "16Exclamation",
                                                       "32Exclamation",
                                                       "XExclamation",
                                                       "UExclamation"};

}  // namespace

QString iconName(int number, bool osIcons)
{
    if (number >= 1 && number <= 26) {
        int n = number;
        if (!osIcons) {
            if ((n >= 3 && n <= 8) || n == 15 || n == 16)
                n = 1 + (n + 1) % 2;
            else if (n >= 17 && n <= 26)
                n = 17 + (n + 1) % 2;
        }
        const bool open = n % 2 == 0;
        return QString(open ? "QNOpenFold" : "QNShutFold") +
               kFoldSuffixes[static_cast<std::size_t>((n - 1) / 2)];
    }
    switch (number) {
        case 101:
            return "QNFunction";
        case 102:
            return "QNFunctionHookBlue";
        case 103:
            return "QNFunctionHookRed";
        case 104:
            return "QNResFunction";
        case 105:
            return "QNResFunctionHookBlue";
        case 106:
            return "QNResFunctionHookRed";
        case 110:
            return "QNFunctionExclude";
        case 111:
            return "QNResFunctionExclude";
        case 112:
            return "QNFunctionDuplicate";
        case 113:
            return "QNResFunctionDuplicate";
        case 151:
            return "QNHookBlackOff";
        case 152:
            return "QNHookBlackOn";
        case 153:
            return "QNHookRedOn";
        default:
            return {};
    }
}

IconSet::IconSet()
{
    m_program = named("QNQuillon");
}

QIcon IconSet::named(const QString& name)
{
    QIcon icon;
    icon.addFile(":/icons/" + name + ".png", QSize(16, 16));
    icon.addFile(":/icons/" + name + "@2x.png", QSize(32, 32));
    if (QFile::exists(":/icons/" + name + "-64.png"))
        icon.addFile(":/icons/" + name + "-64.png", QSize(64, 64));
    return icon;
}

const QIcon& IconSet::listIcon(int number) const
{
    if (number < 0 || static_cast<std::size_t>(number) >= m_icons.size())
        return m_none;
    const auto at = static_cast<std::size_t>(number);
    // Read when first shown: most icons of the set are never needed in a session.
    if (!m_loaded[at]) {
        const QString name = iconName(number, m_osIcons);
        m_icons[at] = name.isEmpty() ? QIcon() : named(name);
        m_loaded[at] = true;
    }
    return m_icons[at];
}

void IconSet::setOsIcons(bool on)
{
    if (on == m_osIcons)
        return;
    m_osIcons = on;
    m_loaded.fill(false);
}

}  // namespace quillon::app
