// Keeping a chart: saving it as PNG or SVG, copying it, printing it, and the tool tip with
// year and value on a line.

#include "TestSupport.h"

#include "app/MainWindow.h"
#include "charts/ChartImageFile.h"
#include "charts/ChartMath.h"
#include "charts/LineGraphs.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QImageReader>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolTip>
#include <QtCharts/QChartView>
#include <QtCharts/QLineSeries>
#include <QtTest>

#include <memory>

QT_CHARTS_USE_NAMESPACE
using namespace testsupport;

class ChartExportTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<MainWindow> main;
    QPointer<LineGraphs> chart;
    QTemporaryDir folder;

    // A shown chart window of three example rows (start years 2020 to 2022).
    LineGraphs *openChart()
    {
        main = std::make_unique<MainWindow>();
        typeExampleRows(*main, 3);
        find<QPushButton>(main.get(), "pushButton")->click();
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (auto *found = qobject_cast<LineGraphs *>(widget))
                chart = found;
        }
        if (chart) {
            // The usual size: at the offscreen screen's size the year labels are elided.
            chart->resize(1430, 920);
            chart->show();
            if (!QTest::qWaitForWindowExposed(chart))
                return nullptr;
        }
        return chart;
    }

    QSize chartSize() const { return chart->findChild<QChartView *>()->size(); }

    // Saves through the tool bar's action with `name` and `filter` as the dialog's answer.
    QStringList save(const QString &name, const QString &filter)
    {
        chart->SetImageFileProvider([name, filter](const QString &, const QString &, const QString &, QString *chosen) {
            *chosen = filter;
            return name;
        });
        return closingModals([this]() { find<QAction>(chart, "GrafiekOpslaan")->trigger(); });
    }

    // The chart's own colours: the black sum line and at least one coloured investment line.
    static void verifyShowsChart(const QImage &image)
    {
        int black = 0, coloured = 0;
        for (int y = 0; y < image.height(); y += 2) {
            for (int x = 0; x < image.width(); x += 2) {
                const QColor c = image.pixelColor(x, y);
                black += c.value() < 40;
                coloured += c.saturation() > 120 && c.value() > 100;
            }
        }
        QVERIFY2(black > 200 && coloured > 100, qPrintable(QStringLiteral("%1 black, %2 coloured").arg(black).arg(coloured)));
    }

private slots:
    void initTestCase()
    {
        initResources();
        QVERIFY(folder.isValid());
    }
    void cleanup()
    {
        delete chart;
        main.reset();
    }

    void imageTarget_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("filter"); // index in the filter list; -1 is an unknown filter
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("svg");
        QTest::addColumn<int>("scale");
        QTest::newRow("no suffix, PNG") << "/m/grafiek" << 0 << "/m/grafiek.png" << false << 1;
        QTest::newRow("no suffix, PNG 2x") << "/m/grafiek" << 1 << "/m/grafiek.png" << false << 2;
        QTest::newRow("no suffix, SVG") << "/m/grafiek" << 2 << "/m/grafiek.svg" << true << 1;
        QTest::newRow("trailing dot") << "/m/grafiek." << 2 << "/m/grafiek.svg" << true << 1;
        QTest::newRow("dot in folder only") << "/m.v2/grafiek" << 0 << "/m.v2/grafiek.png" << false << 1;
        QTest::newRow("typed .SVG wins over PNG filter") << "/m/g.SVG" << 1 << "/m/g.SVG" << true << 2;
        QTest::newRow("typed .png wins over SVG filter") << "/m/g.png" << 2 << "/m/g.png" << false << 1;
        QTest::newRow("other suffix kept") << "/m/g.v2" << 2 << "/m/g.v2" << true << 1;
        QTest::newRow("unknown filter") << "/m/g" << -1 << "/m/g.png" << false << 1;
        QTest::newRow("cancelled") << "" << 2 << "" << false << 1;
    }

    void imageTarget()
    {
        QFETCH(QString, name);
        QFETCH(int, filter);
        QFETCH(QString, file);
        QFETCH(bool, svg);
        QFETCH(int, scale);
        const ChartImageTarget target = ChartImageTargetFor(name, ChartImageFilters().value(filter, "Alles (*)"));
        QCOMPARE(target.fileName, file);
        QCOMPARE(target.format == ChartImageFormat::Svg, svg);
        QCOMPARE(target.scale, scale);
    }

    // The tool bar and the context menu offer the three choices; the bar stays clear of the
    // chart and the title at the smallest and the usual size.
    void keepControls()
    {
        QVERIFY(openChart());
        auto *bar = find<QToolBar>(chart, "GrafiekBewaren");
        QVERIFY(bar);
        QStringList texts;
        for (QAction *action : bar->actions())
            texts << action->text();
        QCOMPARE(texts, QStringList({ "Opslaan als afbeelding...", QString::fromUtf8("Kopi\xc3\xabren"), "Afdrukken..." }));
        QCOMPARE(chart->findChild<QChartView *>()->actions(), bar->actions());
        for (const QSize size : { chart->minimumSize(), QSize(1430, 920) }) {
            chart->resize(size);
            QVERIFY(chart->rect().contains(bar->geometry()));
            QVERIFY(!bar->geometry().intersects(find<QWidget>(chart, "horizontalFrame")->geometry()));
            QVERIFY(!bar->geometry().intersects(find<QLabel>(chart, "GraphType")->geometry()));
        }
    }

    void savePng_data()
    {
        QTest::addColumn<int>("filter");
        QTest::addColumn<int>("scale");
        QTest::newRow("chart size") << 0 << 1;
        QTest::newRow("twice for print") << 1 << 2;
    }

    void savePng()
    {
        QFETCH(int, filter);
        QFETCH(int, scale);
        QVERIFY(openChart());
        QString caption, filters;
        chart->SetImageFileProvider([&](const QString &c, const QString &, const QString &f, QString *chosen) {
            caption = c;
            filters = f;
            *chosen = ChartImageFilters().at(filter);
            return folder.filePath("netto");
        });
        QCOMPARE(closingModals([this]() { find<QAction>(chart, "GrafiekOpslaan")->trigger(); }), QStringList());
        QCOMPARE(caption, QStringLiteral("Grafiek opslaan als afbeelding"));
        QVERIFY(filters.contains("(*.png)") && filters.contains("(*.svg)"));

        QImageReader reader(folder.filePath("netto.png"));
        QCOMPARE(reader.format(), QByteArray("png"));
        const QImage image = reader.read();
        QCOMPARE(image.width(), chartSize().width() * scale);
        // The title strip under the chart.
        QVERIFY(image.height() > chartSize().height() * scale);
        verifyShowsChart(image);
    }

    void saveSvg()
    {
        QVERIFY(openChart());
        QCOMPARE(save(folder.filePath("netto"), ChartImageFilters().at(2)), QStringList());
        QFile file(folder.filePath("netto.svg"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray svg = file.readAll();
        QVERIFY(svg.contains("<svg"));
        // The axis labels and the title are text.
        QVERIFY(svg.contains(">2021<"));
        QVERIFY(svg.contains(find<QLabel>(chart, "GraphType")->text().toUtf8()));
        QSvgRenderer renderer(svg);
        QVERIFY(renderer.isValid());
        QCOMPARE(renderer.viewBox().width(), chartSize().width());
        QImage drawn(renderer.defaultSize(), QImage::Format_ARGB32);
        drawn.fill(Qt::white);
        QPainter painter(&drawn);
        renderer.render(&painter);
        painter.end();
        verifyShowsChart(drawn);
    }

    // A file that cannot be written is reported and leaves nothing behind.
    void saveFailure()
    {
        QVERIFY(openChart());
        const QString name = folder.filePath("geen-map/netto.png");
        const QStringList seen = save(name, ChartImageFilters().at(0));
        QCOMPARE(seen.size(), 1);
        QVERIFY(seen.first().startsWith("Afbeelding niet opgeslagen|De grafiek kon niet worden opgeslagen in"));
        QVERIFY(!QFile::exists(name));
    }

    void copy()
    {
        QVERIFY(openChart());
        QApplication::clipboard()->clear();
        find<QAction>(chart, "GrafiekKopieren")->trigger();
        const QImage image = QApplication::clipboard()->image();
        QCOMPARE(image.width(), chartSize().width());
        verifyShowsChart(image);
    }

    void print_data()
    {
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("pages");
        QTest::addColumn<QString>("message");
        QTest::newRow("to a PDF file") << true << "netto.pdf" << 1 << "";
        QTest::newRow("cancelled") << false << "netto.pdf" << 0 << "";
        QTest::newRow("unwritable") << true << "geen-map/netto.pdf" << 0 << "Afdrukken mislukt|De grafiek kon niet";
    }

    void print()
    {
        QFETCH(bool, accepted);
        QFETCH(QString, name);
        QFETCH(int, pages);
        QFETCH(QString, message);
        QVERIFY(openChart());
        const QString path = folder.filePath(name);
        QFile::remove(path);
        chart->SetPrinterSetup([&](QPrinter *printer) {
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(path);
            return accepted;
        });
        const QStringList seen = closingModals([this]() { find<QAction>(chart, "GrafiekAfdrukken")->trigger(); });
        QCOMPARE(seen.size(), message.isEmpty() ? 0 : 1);
        if (!message.isEmpty())
            QVERIFY(seen.first().startsWith(message));
        QFile pdf(path);
        QCOMPARE(pdf.exists(), pages > 0);
        if (pages == 0)
            return;
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        const QByteArray bytes = pdf.readAll();
        const QString text = QString::fromLatin1(bytes.constData(), bytes.size()); // NULs included
        QVERIFY(text.startsWith("%PDF"));
        QCOMPARE(text.count(QRegularExpression("/Type\\s*/Page\\b")), pages);
    }

    // Hovering a line names it and gives the nearest year with the line's value there.
    void hoverTip_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<double>("x");
        QTest::addColumn<QString>("heading"); // empty: no tip
        QTest::addColumn<int>("year");
        QTest::newRow("investment") << "1" << 2024.3 << "1: Onderpand met hefboom" << 2024;
        QTest::newRow("rounded up") << "2" << 2030.5 << "2: Onderpand zonder hefboom" << 2031;
        QTest::newRow("sum") << "Som" << 2040.8 << "Som" << 2041;
        QTest::newRow("before the first year") << "Som" << 1990.0 << "" << 0;
    }

    void hoverTip()
    {
        QFETCH(QString, line);
        QFETCH(double, x);
        QFETCH(QString, heading);
        QFETCH(int, year);
        QVERIFY(openChart());
        QLineSeries *series = nullptr;
        for (QAbstractSeries *s : chart->findChild<QChartView *>()->chart()->series()) {
            if (s->name() == line)
                series = qobject_cast<QLineSeries *>(s);
        }
        QVERIFY(series);
        QToolTip::hideText();
        emit series->hovered(QPointF(x, 1.0), true);
        if (heading.isEmpty()) {
            QVERIFY(!QToolTip::isVisible());
            return;
        }
        double value = 0;
        for (const QPointF &point : series->pointsVector()) {
            if (point.x() == year)
                value = point.y();
        }
        QCOMPARE(QToolTip::text(), QStringLiteral("%1\n%2: %3").arg(heading).arg(year).arg(ValueAxisLabel(value)));
        QVERIFY(QToolTip::text().contains(QRegularExpression(": -?\\d{1,3}(\\.\\d{3})*$")));
    }
};

QTEST_MAIN(ChartExportTest)
#include "tst_chart_export.moc"
