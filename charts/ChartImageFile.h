#ifndef CHARTIMAGEFILE_H
#define CHARTIMAGEFILE_H

#include <QString>
#include <QStringList>

// What a chart picture is written as.
enum class ChartImageFormat { Png, Svg };

// Where and how a chart picture is written: the file, its format and the factor on the
// chart's size (2 for print).
struct ChartImageTarget
{
    QString fileName;
    ChartImageFormat format = ChartImageFormat::Png;
    int scale = 1;
};

// The choices of the save dialog's filter list, the first being the default.
QStringList ChartImageFilters();

// The target for the name the user gave with the filter chosen in the save dialog. A name
// ending in ".png" or ".svg" (in any case) keeps its format at the filter's size; a name
// without a suffix gets the filter's; any other name is kept and written in the filter's
// format. An unknown filter counts as the first one. An empty name gives an empty target.
ChartImageTarget ChartImageTargetFor(const QString &fileName, const QString &selectedFilter);

#endif // CHARTIMAGEFILE_H
