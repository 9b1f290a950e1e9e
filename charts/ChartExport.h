#ifndef CHARTEXPORT_H
#define CHARTEXPORT_H

#include "charts/ChartImageFile.h"

#include <QFont>
#include <QImage>
#include <QSizeF>
#include <QString>
#include <QtCharts/QChartGlobal>

QT_BEGIN_NAMESPACE
class QPainter;
class QPrinter;
class QRectF;
QT_END_NAMESPACE

QT_CHARTS_BEGIN_NAMESPACE
class QChart;
QT_CHARTS_END_NAMESPACE

// A chart as it is kept: the chart as the window shows it with its title in a strip under it.
// Text is laid out at `dpi`, the resolution the window draws at, so a picture shows the
// labels at the size and place they have on screen.
struct ChartPicture
{
    QtCharts::QChart *chart = nullptr;
    QString title;
    QFont titleFont;
    int dpi = 96;

    // Size at scale 1, in the window's pixels: the chart's, plus the title strip.
    QSizeF size() const;
    // Height of the title strip under the chart, 0 without a title.
    double titleHeight() const;
    // Draws the picture into `target`, stretched to fill it, on a white ground.
    void paint(QPainter *painter, const QRectF &target) const;
    // The picture as an image of size() times `scale` pixels.
    QImage image(int scale) const;
};

// Writes the picture to target.fileName as a PNG or SVG file of size() times target.scale.
// The file is replaced only once it is whole. On failure returns false and, when `error` is
// given, sets it to the reason.
bool SaveChartPicture(const ChartPicture &picture, const ChartImageTarget &target, QString *error = nullptr);

// Prints the picture on one page of a set-up printer, as large as the page allows. False when
// the printer cannot start (a PDF file that cannot be written, say).
bool PrintChartPicture(const ChartPicture &picture, QPrinter *printer);

#endif // CHARTEXPORT_H
