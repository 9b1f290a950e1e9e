// Drawing a chart for keeping: as an image, as an SVG file, on a printer page.

#include "charts/ChartExport.h"

#include "io/SafeSave.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QGraphicsScene>
#include <QImageWriter>
#include <QPainter>
#include <QPrinter>
#include <QRectF>
#include <QSvgGenerator>
#include <QtCharts/QChart>

#include <algorithm>
#include <cmath>

QT_CHARTS_USE_NAMESPACE

namespace {

constexpr double InchesPerMetre = 39.37007874;
// The title strip is this many title-line heights high.
constexpr double TitleStripLines = 1.6;

double titleStripHeight(const ChartPicture &picture)
{
    if (picture.title.isEmpty())
        return 0.0;
    // Measured at the picture's resolution, not the screen's: a printer set up at another
    // resolution draws the same strip.
    QImage probe(1, 1, QImage::Format_ARGB32_Premultiplied);
    const int dotsPerMetre = static_cast<int>(std::lround(picture.dpi * InchesPerMetre));
    probe.setDotsPerMeterX(dotsPerMetre);
    probe.setDotsPerMeterY(dotsPerMetre);
    return std::ceil(QFontMetricsF(picture.titleFont, &probe).height() * TitleStripLines);
}

// The same safe save as an investment file: a full disk is named as such.
bool writeWhole(const QString &fileName, const QByteArray &bytes, QString *error)
{
    return SaveBytesFile(fileName, bytes, error, FileTargets::RegularOnly);
}

} // namespace

double ChartPicture::titleHeight() const
{
    return titleStripHeight(*this);
}

QSizeF ChartPicture::size() const
{
    if (!chart)
        return QSizeF();
    return QSizeF(chart->size().width(), chart->size().height() + titleStripHeight(*this));
}

void ChartPicture::paint(QPainter *painter, const QRectF &target) const
{
    const QSizeF whole = size();
    if (!chart || whole.isEmpty() || target.isEmpty())
        return;
    painter->save();
    painter->setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    // Everything is drawn in the window's pixels, scaled onto the target.
    painter->translate(target.topLeft());
    painter->scale(target.width() / whole.width(), target.height() / whole.height());
    const QRectF all(QPointF(0, 0), whole);
    painter->fillRect(all, Qt::white);

    const QRectF chartArea(QPointF(0, 0), chart->size());
    if (QGraphicsScene *scene = chart->scene())
        scene->render(painter, chartArea, QRectF(chart->pos(), chart->size()), Qt::IgnoreAspectRatio);

    if (!title.isEmpty()) {
        painter->setFont(titleFont);
        painter->setPen(Qt::black);
        painter->drawText(QRectF(0, chartArea.bottom(), whole.width(), whole.height() - chartArea.height()),
            Qt::AlignCenter, title);
    }
    painter->restore();
}

QImage ChartPicture::image(int scale) const
{
    const QSize pixels = (size() * std::max(1, scale)).toSize();
    if (pixels.isEmpty())
        return QImage();
    QImage picture(pixels, QImage::Format_ARGB32_Premultiplied);
    const int dotsPerMetre = static_cast<int>(std::lround(dpi * InchesPerMetre));
    picture.setDotsPerMeterX(dotsPerMetre);
    picture.setDotsPerMeterY(dotsPerMetre);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    paint(&painter, QRectF(QPointF(0, 0), QSizeF(pixels)));
    painter.end();
    return picture;
}

bool SaveChartPicture(const ChartPicture &picture, const ChartImageTarget &target, QString *error)
{
    const int scale = std::max(1, target.scale);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (target.format == ChartImageFormat::Svg) {
        const QSize pixels = (picture.size() * scale).toSize();
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(pixels);
        svg.setViewBox(QRect(QPoint(0, 0), pixels));
        svg.setResolution(picture.dpi);
        svg.setTitle(picture.title);
        QPainter painter;
        if (pixels.isEmpty() || !painter.begin(&svg)) {
            if (error)
                *error = QCoreApplication::translate("ChartExport", "De grafiek kon niet worden getekend.");
            return false;
        }
        picture.paint(&painter, QRectF(QPointF(0, 0), QSizeF(pixels)));
        painter.end();
    } else {
        QImageWriter writer(&buffer, "png");
        // Lighter compression: a chart of large even areas packs nearly as small, much sooner.
        writer.setQuality(80);
        if (!writer.write(picture.image(scale))) {
            if (error)
                *error = writer.errorString();
            return false;
        }
    }
    buffer.close();
    return writeWhole(target.fileName, bytes, error);
}

bool PrintChartPicture(const ChartPicture &picture, QPrinter *printer)
{
    // At the window's resolution the chart's text keeps its proportions on paper; the output
    // stays vector graphics, so the print is sharp all the same.
    printer->setResolution(picture.dpi);
    QPainter painter;
    if (!painter.begin(printer))
        return false;
    const QSizeF whole = picture.size();
    const QRectF page = printer->pageLayout().paintRectPixels(printer->resolution());
    if (!whole.isEmpty() && !page.isEmpty()) {
        const double factor = std::min(page.width() / whole.width(), page.height() / whole.height());
        const QSizeF drawn = whole * factor;
        // The painter's origin is the top left of the printable area.
        picture.paint(&painter, QRectF(QPointF((page.width() - drawn.width()) / 2, 0), drawn));
    }
    return painter.end();
}
