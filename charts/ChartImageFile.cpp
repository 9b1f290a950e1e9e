#include "charts/ChartImageFile.h"

#include <QFileInfo>

namespace {

struct FilterChoice
{
    const char *text;
    ChartImageFormat format;
    int scale;
};

// The "×" is U+00D7.
const FilterChoice Choices[] = {
    { "PNG-afbeelding (*.png)", ChartImageFormat::Png, 1 },
    { "PNG-afbeelding, 2\xC3\x97 voor afdrukken (*.png)", ChartImageFormat::Png, 2 },
    { "SVG-afbeelding (*.svg)", ChartImageFormat::Svg, 1 },
};

QString suffixOf(ChartImageFormat format)
{
    return format == ChartImageFormat::Svg ? QStringLiteral("svg") : QStringLiteral("png");
}

} // namespace

QStringList ChartImageFilters()
{
    QStringList filters;
    for (const FilterChoice &choice : Choices)
        filters << QString::fromUtf8(choice.text);
    return filters;
}

ChartImageTarget ChartImageTargetFor(const QString &fileName, const QString &selectedFilter)
{
    ChartImageTarget target;
    if (fileName.isEmpty())
        return target;
    const FilterChoice *chosen = &Choices[0];
    for (const FilterChoice &choice : Choices) {
        if (selectedFilter == QString::fromUtf8(choice.text))
            chosen = &choice;
    }
    target.fileName = fileName;
    target.format = chosen->format;
    target.scale = chosen->scale;

    // Only the last component counts: "map.v2/grafiek" has no suffix.
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == QLatin1String("png"))
        target.format = ChartImageFormat::Png;
    else if (suffix == QLatin1String("svg"))
        target.format = ChartImageFormat::Svg;
    else if (suffix.isEmpty() && fileName.endsWith(QLatin1Char('.')))
        target.fileName += suffixOf(target.format);
    else if (suffix.isEmpty())
        target.fileName += QLatin1Char('.') + suffixOf(target.format);
    return target;
}
