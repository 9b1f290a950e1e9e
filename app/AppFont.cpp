#include "app/AppFont.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QStringList>

namespace {
constexpr int ApplicationPointSize = 8;

QString LoadFaces()
{
    // A system that already has these condensed faces (Debian's fonts-dejavu-extra) needs no
    // second copy: reading one from the resources costs a fifth of the start-up.
    const QStringList installed = QFontDatabase().styles(QStringLiteral("DejaVu Sans"));
    if (installed.contains(QStringLiteral("Condensed")) && installed.contains(QStringLiteral("Condensed Bold")))
        return QStringLiteral("DejaVu Sans");
    QString family;
    for (const char *face : { ":/rec/fonts/DejaVuSansCondensed.ttf", ":/rec/fonts/DejaVuSansCondensed-Bold.ttf" }) {
        const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(face));
        const QStringList families = id >= 0 ? QFontDatabase::applicationFontFamilies(id) : QStringList();
        if (family.isEmpty() && !families.isEmpty())
            family = families.first();
    }
    return family;
}
} // namespace

QFont ApplicationFont()
{
    // The condensed faces register under the family "DejaVu Sans"; the stretch picks them
    // rather than the wider faces of the same family that most systems also have.
    static const QString family = LoadFaces();
    QFont font(family.isEmpty() ? QStringLiteral("DejaVu Sans") : family, ApplicationPointSize);
    font.setStretch(QFont::SemiCondensed);
    return font;
}

void UseApplicationFont()
{
    QGuiApplication::setFont(ApplicationFont());
}
